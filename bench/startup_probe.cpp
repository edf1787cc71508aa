// Measures how long a program takes from exec to mapping its first top-level window, and its
// memory 1.5 s after start. Listens for MapNotify on the root window (SubstructureNotify), so
// the clock stops at the X server's own event rather than at a polling interval.
//
//   startup_probe PROGRAM [ARG ...]   prints: map_ms=<ms> rss_kib=<KiB> pss_kib=<KiB>
#include <X11/Xlib.h>
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
  double mapMs = -1;
  while (mapMs < 0) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify && !event.xmap.override_redirect && event.xmap.event == root)
      mapMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
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
