// Accelerator table 128: one keystroke per key plus the standard document and edit keystrokes.
// Each entry is either a character (matched by the typed character) or a virtual key (matched by
// the physical key with exactly the modifiers listed). No Qt here: the command-line tool uses it.
#pragma once

#include <array>
#include <string>

#include "resource.h"

namespace res {

enum AccelFlag : unsigned {
  FVIRTKEY = 0x01,   // key is a virtual (physical) key, not a character
  FNOINVERT = 0x02,  // no menu highlighting
  FSHIFT = 0x04,
  FCONTROL = 0x08,
  FALT = 0x10,
};

// Virtual-key numbers. Letter and digit keys are their upper-case ASCII codes.
enum VirtualKey : int {
  VK_BACK = 0x08,
  VK_INSERT = 0x2D,
  VK_DELETE = 0x2E,
  VK_0 = '0',
  VK_9 = '9',
  VK_F1 = 0x70,
  VK_F6 = 0x75,
  VK_F9 = 0x78,
  VK_F24 = 0x87,
};

struct AccelEntry {
  unsigned flags;
  int key;  // a character for character entries, else a VirtualKey
  int command;
};

inline constexpr unsigned kChar = FNOINVERT;
inline constexpr unsigned kVirt = FVIRTKEY | FNOINVERT;

inline constexpr std::array<AccelEntry, 50> kAccelTable = {{
    // Characters: main keyboard and numeric keypad alike.
    {kChar, '0', IDC_KEY_0},
    {kChar, '1', IDC_KEY_1},
    {kChar, '2', IDC_KEY_2},
    {kChar, '3', IDC_KEY_3},
    {kChar, '4', IDC_KEY_4},
    {kChar, '5', IDC_KEY_5},
    {kChar, '6', IDC_KEY_6},
    {kChar, '7', IDC_KEY_7},
    {kChar, '8', IDC_KEY_8},
    {kChar, '9', IDC_KEY_9},
    {kChar, '+', IDC_KEY_ADD},
    {kChar, '-', IDC_KEY_SUBTRACT},
    {kChar, '*', IDC_KEY_MULTIPLY},
    {kChar, '/', IDC_KEY_DIVIDE},
    {kChar, '.', IDC_KEY_POINT},
    {kChar, '=', IDC_KEY_EQUALS},
    // Letter and function keys with no modifier held.
    {kVirt, 'C', IDC_KEY_CLEAR},
    {kVirt, 'D', IDC_KEY_DEGRAD},
    {kVirt, 'E', IDC_KEY_SCI},
    {kVirt, 'G', IDC_KEY_LOG},
    {kVirt, 'I', IDC_KEY_PI},
    {kVirt, 'L', IDC_KEY_LN},
    {kVirt, 'N', IDC_KEY_SIN},
    {kVirt, 'O', IDC_KEY_COS},
    {kVirt, 'P', IDC_KEY_PERCENT},
    {kVirt, 'Q', IDC_KEY_SQRT},
    {kVirt, 'R', IDC_KEY_MR},
    {kVirt, 'S', IDC_KEY_MS},
    {kVirt, 'T', IDC_KEY_TAN},
    {kVirt, 'V', IDC_KEY_INV},
    {kVirt, 'X', IDC_KEY_RECIPROCAL},
    {kVirt, 'Y', IDC_KEY_POWER},
    {kVirt, VK_BACK, IDC_KEY_BACKSPACE},
    {kVirt, VK_F6, ID_NEXT_PANE},
    {kVirt, VK_F9, IDC_KEY_SIGN},
    // Shift: the parentheses sit on the physical 9 and 0 keys whatever the layout prints there.
    {kVirt | FSHIFT, '9', IDC_KEY_LPAREN},
    {kVirt | FSHIFT, '0', IDC_KEY_RPAREN},
    {kVirt | FSHIFT, VK_F6, ID_PREV_PANE},
    {kVirt | FSHIFT, VK_DELETE, ID_EDIT_CUT},
    {kVirt | FSHIFT, VK_INSERT, ID_EDIT_PASTE},
    // Ctrl.
    {kVirt | FCONTROL, 'C', ID_EDIT_COPY},
    {kVirt | FCONTROL, 'N', ID_FILE_NEW},
    {kVirt | FCONTROL, 'O', ID_FILE_OPEN},
    {kVirt | FCONTROL, 'P', ID_FILE_PRINT},
    {kVirt | FCONTROL, 'S', ID_FILE_SAVE},
    {kVirt | FCONTROL, 'V', ID_EDIT_PASTE},
    {kVirt | FCONTROL, 'X', ID_EDIT_CUT},
    {kVirt | FCONTROL, 'Z', ID_EDIT_UNDO},
    {kVirt | FCONTROL, VK_INSERT, ID_EDIT_COPY},
    // Alt.
    {kVirt | FALT, VK_BACK, ID_EDIT_UNDO},
}};

// Every row filled in (a short initialiser list would leave zero rows) and all with FNOINVERT.
constexpr bool AllEntriesHaveNoInvert() {
  for (const auto& e : kAccelTable)
    if (!(e.flags & FNOINVERT) || e.key == 0 || e.command == 0) return false;
  return true;
}
static_assert(AllEntriesHaveNoInvert());

// A keystroke may appear only once, or the table would be ambiguous.
constexpr bool KeystrokesAreUnique() {
  for (std::size_t i = 0; i < kAccelTable.size(); ++i)
    for (std::size_t j = i + 1; j < kAccelTable.size(); ++j)
      if (kAccelTable[i].flags == kAccelTable[j].flags && kAccelTable[i].key == kAccelTable[j].key)
        return false;
  return true;
}
static_assert(KeystrokesAreUnique());

// Human name of one keystroke: "7", "+", "C", "F9", "Shift+9", "Ctrl+Insert", "Alt+Backspace".
inline std::string KeystrokeName(const AccelEntry& entry) {
  std::string text;
  if (entry.flags & FCONTROL) text += "Ctrl+";
  if (entry.flags & FALT) text += "Alt+";
  if (entry.flags & FSHIFT) text += "Shift+";
  if (!(entry.flags & FVIRTKEY)) return text + static_cast<char>(entry.key);
  switch (entry.key) {
    case VK_BACK:
      return text + "Backspace";
    case VK_INSERT:
      return text + "Insert";
    case VK_DELETE:
      return text + "Delete";
    default:
      break;
  }
  if (entry.key >= VK_F1 && entry.key <= VK_F24)
    return text + "F" + std::to_string(entry.key - VK_F1 + 1);
  return text + static_cast<char>(entry.key);
}

// The first keystroke of a command in table order, or "" when it has none (the square key).
inline std::string KeystrokeText(int command) {
  for (const auto& entry : kAccelTable)
    if (entry.command == command) return KeystrokeName(entry);
  return {};
}

}  // namespace res
