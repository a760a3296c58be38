// Starts a program and reports how long it takes until its first top-level
// window is mapped and exposed, and how much resident memory it holds then.
// Watching the X server itself avoids the polling delay of xdotool-style
// searches, which would blur differences of a few milliseconds.
//
//   launch_waiter --wait-wm                   waits until a window manager runs
//   launch_waiter [--settle-ms N] -- PROGRAM [ARGS...]
//
// The second form prints "launch_ms=<time to exposure> rss_kb=<VmRSS>" and
// ends the program with SIGTERM.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto timeout = std::chrono::seconds(30);

long cardinalProperty(Display* display, Window window, Atom property) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  long value = -1;
  if (XGetWindowProperty(display, window, property, 0, 1, False, AnyPropertyType, &type, &format,
                         &count, &remaining, &data) == Success &&
      data != nullptr) {
    if (count == 1 && format == 32) {
      value = *reinterpret_cast<long*>(data);
    }
    XFree(data);
  }
  return value;
}

// Waits for the next event, or returns false when `deadline` passes first.
bool nextEvent(Display* display, XEvent& event, Clock::time_point deadline) {
  while (XPending(display) == 0) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) {
      return false;
    }
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    poll(&connection, 1, static_cast<int>(left.count()));
  }
  XNextEvent(display, &event);
  return true;
}

int waitForWindowManager(Display* display) {
  const Window root = DefaultRootWindow(display);
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
  XSelectInput(display, root, PropertyChangeMask);
  const auto deadline = Clock::now() + timeout;
  XEvent event;
  while (cardinalProperty(display, root, check) < 0) {
    if (!nextEvent(display, event, deadline)) {
      std::fprintf(stderr, "launch_waiter: no window manager appeared\n");
      return 1;
    }
  }
  return 0;
}

long residentKilobytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) {
      return std::stol(line.substr(6));
    }
  }
  return -1;
}

// Follows the program's top-level windows from creation: a window manager
// reparents them, so the root's substructure events stop at the creation.
class WindowWatch {
 public:
  WindowWatch(Display* display, pid_t pid)
      : display_(display), pid_(pid), pidAtom_(XInternAtom(display, "_NET_WM_PID", False)) {}

  // True once a window of the program has been mapped and then exposed.
  bool shown(const XEvent& event) {
    switch (event.type) {
      case CreateNotify:
        if (event.xcreatewindow.parent == DefaultRootWindow(display_) &&
            !event.xcreatewindow.override_redirect) {
          XSelectInput(display_, event.xcreatewindow.window, StructureNotifyMask | ExposureMask);
          created_.insert(event.xcreatewindow.window);
        }
        return false;
      case MapNotify:
        if (created_.count(event.xmap.window) != 0 &&
            cardinalProperty(display_, event.xmap.window, pidAtom_) == pid_) {
          mapped_.insert(event.xmap.window);
        }
        return false;
      case Expose:
        return mapped_.count(event.xexpose.window) != 0;
      default:
        return false;
    }
  }

 private:
  Display* display_;
  pid_t pid_;
  Atom pidAtom_;
  std::set<Window> created_;
  std::set<Window> mapped_;
};

int measureLaunch(Display* display, char** program, int settleMs) {
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const auto start = Clock::now();
  const pid_t pid = fork();
  if (pid < 0) {
    std::perror("launch_waiter: fork");
    return 1;
  }
  if (pid == 0) {
    close(ConnectionNumber(display));
    execvp(program[0], program);
    std::perror("launch_waiter: exec");
    _exit(127);
  }

  WindowWatch watch(display, pid);
  XEvent event;
  bool shown = false;
  while (!shown && nextEvent(display, event, start + timeout)) {
    shown = watch.shown(event);
  }
  const auto elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start);
  std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
  const long rss = residentKilobytes(pid);

  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  if (!shown || rss < 0) {
    std::fprintf(stderr, "launch_waiter: %s showed no window\n", program[0]);
    return 1;
  }
  std::printf("launch_ms=%.3f rss_kb=%ld\n", elapsed.count(), rss);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "launch_waiter: cannot open the display\n");
    return 1;
  }
  int settleMs = 0;
  int first = 1;
  if (argc == 2 && std::strcmp(argv[1], "--wait-wm") == 0) {
    return waitForWindowManager(display);
  }
  if (first + 1 < argc && std::strcmp(argv[first], "--settle-ms") == 0) {
    settleMs = std::atoi(argv[first + 1]);
    first += 2;
  }
  if (first + 1 >= argc || std::strcmp(argv[first], "--") != 0) {
    std::fprintf(stderr, "usage: launch_waiter --wait-wm | [--settle-ms N] -- PROGRAM [ARGS...]\n");
    return 2;
  }
  return measureLaunch(display, argv + first + 1, settleMs);
}
