#include "CommandLine.h"

CCommandLineInfo ParseCommandLine(std::span<const std::string_view> args) {
  CCommandLineInfo info;
  bool optionsEnded = false;
  for (const std::string_view arg : args) {
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (!optionsEnded && (arg == "--help" || arg == "-h"))
      return {CCommandLineInfo::ShowHelp, {}, {}};
    if (!optionsEnded && arg == "--version") return {CCommandLineInfo::ShowVersion, {}, {}};
    if (!optionsEnded && arg.size() > 1 && arg.front() == '-')
      return {CCommandLineInfo::Invalid, {}, "unknown option '" + std::string(arg) + "'"};
    if (info.m_nShellCommand == CCommandLineInfo::FileOpen)
      return {CCommandLineInfo::Invalid, {}, "only one file can be opened"};
    info.m_nShellCommand = CCommandLineInfo::FileOpen;
    info.m_strFileName = std::string(arg);
  }
  return info;
}

bool WantsInfoOnly(std::span<const std::string_view> args) {
  for (const std::string_view arg : args) {
    if (arg == "--") return false;
    if (arg == "--help" || arg == "-h" || arg == "--version") return true;
  }
  return false;
}

std::string UsageText(std::string_view program) {
  return "Usage: " + std::string(program) +
         " [FILE]\n"
         "Zelko Scientific, a scientific desk calculator.\n"
         "\n"
         "Without FILE the calculator starts with a new, empty document. With FILE that file\n"
         "becomes the document; nothing is read from it. A file that cannot be opened is\n"
         "reported and the program ends.\n"
         "\n"
         "  -h, --help     show this help and exit\n"
         "  --version      show the version and exit\n";
}

std::string VersionText() { return "Zelko Scientific Version 1.01\n"; }
