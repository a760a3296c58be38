// launch_waiter PROGRAM [ARGS...] starts the program, prints
// "painted_ms=<t> rss_kb=<VmRSS>": the time until the first pixels of its
// window arrive and its resident memory 100 ms later, and ends it. Watching
// the X server (the DAMAGE extension) avoids the polling delay of
// xdotool-style searches, which would blur differences of a few milliseconds.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

long windowPid(Display* display, Window window) {
  static const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  long pid = -1;
  if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                         &remaining, &data) == Success &&
      data != nullptr) {
    pid = count == 1 && format == 32 ? *reinterpret_cast<long*>(data) : -1;
    XFree(data);
  }
  return pid;
}

long residentKilobytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) {
      return std::stol(line.substr(6));
    }
  }
  return -1;
}

// Windows of other programs, or short-lived ones of this one, may be gone by
// the time they are asked about; that is no reason to stop measuring.
int ignoreErrors(Display*, XErrorEvent*) {
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(nullptr);
  int damageEvents = 0;
  int damageErrors = 0;
  if (argc < 2 || display == nullptr ||
      !XDamageQueryExtension(display, &damageEvents, &damageErrors)) {
    std::fprintf(stderr, "usage: launch_waiter PROGRAM [ARGS...] on a display with DAMAGE\n");
    return 2;
  }
  XSetErrorHandler(ignoreErrors);
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const auto start = Clock::now();
  const pid_t pid = fork();
  if (pid < 0) {
    std::perror("launch_waiter: fork");
    return 1;
  }
  if (pid == 0) {
    close(ConnectionNumber(display));
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  // Top-level windows are watched from their creation on, before a window
  // manager reparents them; the first damage to one of the program's is its
  // first paint.
  bool painted = false;
  bool ended = false;
  while (!painted && !ended && Clock::now() < start + std::chrono::seconds(30)) {
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    if (XPending(display) == 0 && poll(&connection, 1, 100) == 0) {
      // Looks up now and then whether the program gave up without a window.
      ended = waitpid(pid, nullptr, WNOHANG) == pid;
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == CreateNotify && event.xcreatewindow.parent == root &&
        !event.xcreatewindow.override_redirect) {
      XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
    } else if (event.type == damageEvents + XDamageNotify) {
      const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
      painted = windowPid(display, damage.drawable) == pid;
    }
  }
  const std::chrono::duration<double, std::milli> paintedAfter = Clock::now() - start;
  long rss = -1;
  if (painted) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    rss = residentKilobytes(pid);
  }
  if (!ended) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
  }
  if (rss < 0) {
    std::fprintf(stderr, "launch_waiter: %s showed no window\n", argv[1]);
    return 1;
  }
  std::printf("painted_ms=%.3f rss_kb=%ld\n", paintedAfter.count(), rss);
  return 0;
}
