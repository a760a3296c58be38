// Starts a program and reports how long it takes until its first top-level
// window is mapped and exposed, and then painted, and how much resident
// memory it holds once shown. Watching the X server itself avoids the
// polling delay of xdotool-style searches, which would blur differences of a
// few milliseconds; the DAMAGE extension tells when the first pixels arrive.
//
//   launch_waiter --wait-wm                   waits until a window manager runs
//   launch_waiter [--settle-ms N] -- PROGRAM [ARGS...]
//
// The second form prints "exposed_ms=<t> painted_ms=<t> rss_kb=<VmRSS>",
// VmRSS read N ms after the first paint, and ends the program with SIGTERM.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
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
  WindowWatch(Display* display, pid_t pid, int damageEvents)
      : display_(display),
        pid_(pid),
        pidAtom_(XInternAtom(display, "_NET_WM_PID", False)),
        damageNotify_(damageEvents + XDamageNotify) {}

  // Records what `event` tells; true once a window of the program has been
  // mapped, exposed and painted.
  bool painted(const XEvent& event, Clock::time_point now) {
    if (event.type == CreateNotify) {
      const XCreateWindowEvent& created = event.xcreatewindow;
      if (created.parent == DefaultRootWindow(display_) && !created.override_redirect) {
        XSelectInput(display_, created.window, StructureNotifyMask | ExposureMask);
        XDamageCreate(display_, created.window, XDamageReportNonEmpty);
        created_.insert(created.window);
      }
    } else if (event.type == MapNotify) {
      if (created_.count(event.xmap.window) != 0 &&
          cardinalProperty(display_, event.xmap.window, pidAtom_) == pid_) {
        mapped_.insert(event.xmap.window);
      }
    } else if (event.type == Expose) {
      if (mapped_.count(event.xexpose.window) != 0 && exposed_ == Clock::time_point()) {
        exposed_ = now;
      }
    } else if (event.type == damageNotify_) {
      const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
      return exposed_ != Clock::time_point() && mapped_.count(damage.drawable) != 0;
    }
    return false;
  }

  Clock::time_point exposed() const { return exposed_; }

 private:
  Display* display_;
  pid_t pid_;
  Atom pidAtom_;
  int damageNotify_;
  std::set<Window> created_;
  std::set<Window> mapped_;
  Clock::time_point exposed_;
};

int measureLaunch(Display* display, char** program, int settleMs) {
  int damageEvents = 0;
  int damageErrors = 0;
  if (!XDamageQueryExtension(display, &damageEvents, &damageErrors)) {
    std::fprintf(stderr, "launch_waiter: the X server has no DAMAGE extension\n");
    return 1;
  }
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

  WindowWatch watch(display, pid, damageEvents);
  XEvent event;
  bool shown = false;
  bool ended = false;
  while (!shown && !ended && Clock::now() < start + timeout) {
    // Looks up now and then whether the program gave up without a window.
    if (nextEvent(display, event, Clock::now() + std::chrono::milliseconds(100))) {
      shown = watch.painted(event, Clock::now());
    } else {
      ended = waitpid(pid, nullptr, WNOHANG) == pid;
    }
  }
  const auto painted = Clock::now();
  using Milliseconds = std::chrono::duration<double, std::milli>;
  long rss = -1;
  if (shown) {
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    rss = residentKilobytes(pid);
  }
  if (!ended) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
  }
  if (!shown || rss < 0) {
    std::fprintf(stderr, "launch_waiter: %s showed no window\n", program[0]);
    return 1;
  }
  std::printf("exposed_ms=%.3f painted_ms=%.3f rss_kb=%ld\n",
              Milliseconds(watch.exposed() - start).count(), Milliseconds(painted - start).count(),
              rss);
  return 0;
}

}  // namespace

// Windows of other programs, or short-lived ones of this one, may be gone by
// the time they are asked about; that is no reason to stop measuring.
int ignoreErrors(Display*, XErrorEvent*) {
  return 0;
}

int main(int argc, char** argv) {
  XSetErrorHandler(ignoreErrors);
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
