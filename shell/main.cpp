// zelko-scientific: the desktop calculator. --help and --version work without a display; with
// no display at all the program says so instead of letting Qt abort.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "CalculatorApp.h"
#include "CommandLine.h"
#include "LockKeys.h"

namespace {

std::vector<std::string_view> ArgsOf(int argc, char** argv) {
  std::vector<std::string_view> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return args;
}

bool PlatformChosen(int argc, char** argv) {
  const char* env = std::getenv("QT_QPA_PLATFORM");
  if (env && *env && std::string_view(env).rfind("xcb", 0) != 0) return true;
  for (int i = 1; i < argc; ++i)
    if (std::string_view(argv[i]) == "-platform" || std::string_view(argv[i]) == "--platform")
      return true;
  return false;
}

// Qt aborts when it finds no display; tell the user why instead.
bool DisplayAvailable(int argc, char** argv, std::string& why) {
  if (PlatformChosen(argc, argv)) return true;
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  const bool hasX11 = x11 && *x11;
  const bool hasWayland = wayland && *wayland;
  if (!hasX11 && !hasWayland) {
    why = "no display found: neither DISPLAY nor WAYLAND_DISPLAY is set";
    return false;
  }
  if (hasX11 && !hasWayland && !CanOpenXDisplay()) {
    why = "cannot connect to the X display \"" + std::string(x11) + "\"";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> early = ArgsOf(argc, argv);
  if (WantsInfoOnly(early)) {
    const CCommandLineInfo info = ParseCommandLine(early);
    if (info.m_nShellCommand == CCommandLineInfo::ShowHelp)
      std::fputs(UsageText("zelko-scientific").c_str(), stdout);
    else if (info.m_nShellCommand == CCommandLineInfo::ShowVersion)
      std::fputs(VersionText().c_str(), stdout);
    if (info.m_nShellCommand == CCommandLineInfo::ShowHelp ||
        info.m_nShellCommand == CCommandLineInfo::ShowVersion)
      return 0;
  }

  std::string why;
  if (!DisplayAvailable(argc, argv, why)) {
    std::fprintf(stderr,
                 "zelko-scientific: %s.\nIt is a desktop program: start it on a graphical "
                 "desktop, or set QT_QPA_PLATFORM (for example to offscreen) to run it without "
                 "a screen.\n",
                 why.c_str());
    return 1;
  }

  QApplication application(argc, argv);  // takes Qt's own options out of argv
  const CCommandLineInfo cmdInfo = ParseCommandLine(ArgsOf(argc, argv));
  if (cmdInfo.m_nShellCommand == CCommandLineInfo::Invalid) {
    std::fprintf(stderr, "zelko-scientific: %s\nTry 'zelko-scientific --help'.\n",
                 cmdInfo.m_strError.c_str());
    return 2;
  }

  CCalculatorApp app;
  if (!app.InitInstance(cmdInfo)) return 1;
  return application.exec();
}
