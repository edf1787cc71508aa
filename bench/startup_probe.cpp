// Measures how long a program takes from exec to mapping its first top-level window, and its
// memory 1.5 s after start. Listens for MapNotify on the root window (SubstructureNotify), so
// the clock stops at the X server's own event rather than at a polling interval.
//
//   startup_probe PROGRAM [ARG ...]   prints: map_ms=<ms> rss_kib=<KiB> pss_kib=<KiB>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace {

long ReadKib(const std::string& path, const std::string& field) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(field, 0) == 0) return std::strtol(line.c_str() + field.size(), nullptr, 10);
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: startup_probe PROGRAM [ARG ...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "startup_probe: cannot open display\n");
    return 2;
  }
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  if (child < 0) {
    std::fprintf(stderr, "startup_probe: cannot fork\n");
    return 2;
  }
  // Waits for the map, but gives up when the program ends first or takes too long, so one bad
  // run cannot hang the whole benchmark.
  double mapMs = -1;
  const int fd = ConnectionNumber(display);
  while (mapMs < 0) {
    while (mapMs < 0 && XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && !event.xmap.override_redirect && event.xmap.event == root)
        mapMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
    }
    if (mapMs >= 0) break;
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) {
      std::fprintf(stderr, "startup_probe: %s ended before mapping a window\n", argv[1]);
      XCloseDisplay(display);
      return 1;
    }
    if (std::chrono::steady_clock::now() - start > std::chrono::seconds(30)) {
      std::fprintf(stderr, "startup_probe: %s mapped no window within 30 s\n", argv[1]);
      kill(child, SIGKILL);
      waitpid(child, nullptr, 0);
      XCloseDisplay(display);
      return 1;
    }
    pollfd wait = {fd, POLLIN, 0};
    poll(&wait, 1, 50);
  }
  std::this_thread::sleep_until(start + std::chrono::milliseconds(1500));
  const std::string proc = "/proc/" + std::to_string(child);
  const long rss = ReadKib(proc + "/status", "VmRSS:");
  const long pss = ReadKib(proc + "/smaps_rollup", "Pss:");
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  XCloseDisplay(display);
  std::printf("map_ms=%.2f rss_kib=%ld pss_kib=%ld\n", mapMs, rss, pss);
  return 0;
}
