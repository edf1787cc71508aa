// The string table: the program's own texts, the menu prompts shown in the status bar, and the
// standard texts the shell shows for document commands. Looked up by number.
#pragma once

#include <array>
#include <string_view>

#include "resource.h"

namespace res {

struct StringEntry {
  int id;
  std::string_view text;
};

inline constexpr std::array<StringEntry, 22> kStringTable = {{
    // Document-template string: window title, document name, new-file name, filter name,
    // filter extension, file type identifier, file type name.
    {IDR_MAINFRAME, "calculator\n\nCalcul\n\n\nCalculator.Document\nCalcul Document"},
    {ID_SHOW_ACCEL_KEYS, "Activates Keyboard Interface"},
    {ID_PRECISION_2, "Set display resolution to 2"},
    {ID_PRECISION_4, "Set display resolution to 4"},
    {ID_PRECISION_6, "Set display resolution to 6"},
    {ID_PRECISION_MAX, "max precision up to 14 decimal places"},
    {ID_TOPMOST, "Set to topmost window"},
    {AFX_IDS_APP_TITLE, "calculator"},
    {AFX_IDS_IDLEMESSAGE, "Ready"},
    {ID_APP_ABOUT, "Display program information and version number"},
    {ID_APP_EXIT, "Quit the application"},
    {ID_HELP_INFO, "Help Info"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
    {AFX_IDS_UNTITLED, "Untitled"},
    {AFX_IDP_FAILED_TO_CREATE_DOC, "Failed to create empty document."},
    // %1 the file's path, %2 the system's reason.
    {AFX_IDP_FAILED_TO_OPEN_DOC, "Cannot open the file \"%1\".\n%2."},
    {AFX_IDP_FAILED_TO_SAVE_DOC, "Cannot save the file \"%1\".\n%2."},
    {AFX_IDP_FAILED_TO_PRINT, "Printing failed."},
    {ID_FILE_PRINT, "Print the document"},
    {ID_FILE_NEW, "Create a new document"},
}};

constexpr bool StringsFilled() {
  for (const auto& entry : kStringTable)
    if (entry.id == 0 || entry.text.empty()) return false;
  return true;
}
static_assert(StringsFilled());

// The text of a string resource, "" when there is none.
constexpr std::string_view LoadString(int id) {
  for (const auto& entry : kStringTable)
    if (entry.id == id) return entry.text;
  return {};
}

// Field n (0 to 6) of the document-template string.
constexpr std::string_view DocTemplateField(int n) {
  std::string_view text = LoadString(IDR_MAINFRAME);
  for (; n > 0; --n) {
    const auto nl = text.find('\n');
    if (nl == std::string_view::npos) return {};
    text.remove_prefix(nl + 1);
  }
  return text.substr(0, text.find('\n'));
}
static_assert(DocTemplateField(0) == "calculator" && DocTemplateField(1).empty() &&
              DocTemplateField(6) == "Calcul Document");

}  // namespace res
