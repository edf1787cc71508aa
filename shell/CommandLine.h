// The program's command line: no argument starts with a new document, one file name opens that
// file as the document, --help and --version print and end. Qt's own options (-platform and the
// like) are taken out by QApplication before this is parsed.
#pragma once

#include <span>
#include <string>
#include <string_view>

struct CCommandLineInfo {
  enum Shell { FileNew, FileOpen, ShowHelp, ShowVersion, Invalid };
  Shell m_nShellCommand = FileNew;
  std::string m_strFileName;
  std::string m_strError;  // for Invalid
};

// `args` without the program name.
CCommandLineInfo ParseCommandLine(std::span<const std::string_view> args);

// Whether --help or --version appears, so they work before any display is opened.
bool WantsInfoOnly(std::span<const std::string_view> args);

std::string UsageText(std::string_view program);
std::string VersionText();
