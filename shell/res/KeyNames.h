// What each key means in words: the name a screen reader speaks and, for keys without a Help
// Info text, a short description of its own. A key whose meaning changes with INV or the angle
// unit has one row per face that carries a meaning; its first row is its meaning at start-up.
// The Help Info texts and keystrokes stay in their own tables and are looked up from here.
// No Qt here: the command-line tool prints the key list from the same rows.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "AccelTable.h"
#include "HelpTable.h"
#include "KeyFaces.h"
#include "resource.h"

namespace res {

struct KeyName {
  KeyCommand key;
  int icon;                // the face that shows this meaning; IDI_NONE for a caption key
  std::string_view name;   // spoken
  std::string_view brief;  // the description where the Help Info dialog has none, else ""
};

inline constexpr std::array<KeyName, 47> kKeyNames = {{
    {IDC_KEY_0, IDI_NONE, "zero", "Digit 0"},
    {IDC_KEY_1, IDI_NONE, "one", "Digit 1"},
    {IDC_KEY_2, IDI_NONE, "two", "Digit 2"},
    {IDC_KEY_3, IDI_NONE, "three", "Digit 3"},
    {IDC_KEY_4, IDI_NONE, "four", "Digit 4"},
    {IDC_KEY_5, IDI_NONE, "five", "Digit 5"},
    {IDC_KEY_6, IDI_NONE, "six", "Digit 6"},
    {IDC_KEY_7, IDI_NONE, "seven", "Digit 7"},
    {IDC_KEY_8, IDI_NONE, "eight", "Digit 8"},
    {IDC_KEY_9, IDI_NONE, "nine", "Digit 9"},
    {IDC_KEY_POINT, IDI_NONE, "point", "Decimal point"},
    {IDC_KEY_SIGN, IDI_NONE, "change sign", "Change sign"},
    {IDC_KEY_BACKSPACE, IDI_NONE, "backspace", "Backspace"},
    {IDC_KEY_CLEAR, IDI_NONE, "clear", ""},
    {IDC_KEY_ADD, IDI_NONE, "plus", "Add"},
    {IDC_KEY_SUBTRACT, IDI_NONE, "minus", "Subtract"},
    {IDC_KEY_MULTIPLY, IDI_NONE, "times", "Multiply"},
    {IDC_KEY_DIVIDE, IDI_NONE, "divided by", "Divide"},
    {IDC_KEY_EQUALS, IDI_NONE, "equals", ""},
    {IDC_KEY_RECIPROCAL, IDI_NONE, "reciprocal", ""},
    {IDC_KEY_PERCENT, IDI_NONE, "percent", ""},
    {IDC_KEY_SQRT, IDI_SQRT, "square root", ""},
    {IDC_KEY_MS, IDI_MS, "memory store", ""},
    {IDC_KEY_MR, IDI_MR, "memory recall", ""},
    {IDC_KEY_PI, IDI_PI, "pi", ""},
    {IDC_KEY_LPAREN, IDI_LPAREN, "open parenthesis", ""},
    {IDC_KEY_RPAREN, IDI_RPAREN, "close parenthesis", ""},
    {IDC_KEY_DEGRAD, IDI_DEG, "degrees", ""},
    {IDC_KEY_DEGRAD, IDI_RAD, "radians", ""},
    {IDC_KEY_INV, IDI_INV, "inverse", ""},
    {IDC_KEY_INV, IDI_INV_ON, "inverse on", ""},
    {IDC_KEY_SQUARE, IDI_SQUARE, "square", ""},
    {IDC_KEY_SQUARE, IDI_SQUARE_INV, "square root", ""},
    {IDC_KEY_SCI, IDI_SCI, "scientific notation", ""},
    {IDC_KEY_SCI, IDI_FIXED, "floating point format", ""},
    {IDC_KEY_POWER, IDI_POWER, "power", ""},
    {IDC_KEY_POWER, IDI_ROOT, "root", ""},
    {IDC_KEY_LOG, IDI_LOG, "common logarithm", ""},
    {IDC_KEY_LOG, IDI_EXP10, "ten to the power", ""},
    {IDC_KEY_LN, IDI_LN, "natural logarithm", ""},
    {IDC_KEY_LN, IDI_EXP, "e to the power", ""},
    {IDC_KEY_SIN, IDI_SIN, "sine", ""},
    {IDC_KEY_SIN, IDI_ASIN, "arcsine", ""},
    {IDC_KEY_COS, IDI_COS, "cosine", ""},
    {IDC_KEY_COS, IDI_ACOS, "arccosine", ""},
    {IDC_KEY_TAN, IDI_TAN, "tangent", ""},
    {IDC_KEY_TAN, IDI_ATAN, "arctangent", ""},
}};

// The accessible name of the display control.
inline constexpr std::string_view kDisplayName = "Display";

// The row for this face of the key, or nullptr when the face shows no meaning of its own (the
// accelerator faces, which keep whatever the key meant before).
constexpr const KeyName* FindKeyName(int key, int icon) {
  for (const auto& row : kKeyNames)
    if (row.key == key && row.icon == icon) return &row;
  return nullptr;
}

// The key's meaning at start-up, or nullptr for a number that is no key.
constexpr const KeyName* StartKeyName(int key) {
  for (const auto& row : kKeyNames)
    if (row.key == key) return &row;
  return nullptr;
}

// Help Info rows show the face of the meaning they describe, so a face finds its row; a caption
// key's row is the one the key table gives.
constexpr int HelpRowOfName(const KeyName& row) {
  if (row.icon == IDI_NONE) return KeyHelpRow(row.key);
  for (std::size_t i = 0; i < kHelpRows.size(); ++i)
    if (kHelpRows[i].icon == row.icon) return static_cast<int>(i);
  return -1;
}

// The Help Info text of this meaning, or "" when the dialog has none.
constexpr std::string_view HelpTextOfName(const KeyName& row) {
  const int help = HelpRowOfName(row);
  return help < 0 ? std::string_view{} : kHelpRows[static_cast<std::size_t>(help)].text;
}

// What the key does: its Help Info text, else its own short description.
constexpr std::string_view SummaryOfName(const KeyName& row) {
  const std::string_view help = HelpTextOfName(row);
  return help.empty() ? row.brief : help;
}

// The summary with the keystroke in parentheses; no parentheses for a key without one.
inline std::string ToolTipOfName(const KeyName& row) {
  std::string text(SummaryOfName(row));
  const std::string keystroke = KeystrokeText(row.key);
  if (!keystroke.empty()) text += " (" + keystroke + ")";
  return text;
}

namespace detail {
// Searched by index, not through the pointer finders: GCC's sanitizers make pointer tests
// non-constant.
constexpr int StartIconOf(int key) {
  for (const auto& face : kKeyFaces)
    if (face.key == key) return face.plainIcon;
  return IDI_NONE;  // the backspace key has no face row and shows its caption
}
constexpr bool EveryKeyStartsWithItsPlainFace() {
  for (const auto& op : kKeyOperations) {
    std::size_t first = kKeyNames.size();
    for (std::size_t i = 0; i < kKeyNames.size() && first == kKeyNames.size(); ++i)
      if (kKeyNames[i].key == op.id) first = i;
    if (first == kKeyNames.size() || kKeyNames[first].icon != StartIconOf(op.id)) return false;
  }
  return true;
}
constexpr bool NamesAreFilledAndUnique() {
  for (std::size_t i = 0; i < kKeyNames.size(); ++i) {
    if (kKeyNames[i].name.empty()) return false;
    for (std::size_t j = i + 1; j < kKeyNames.size(); ++j)
      if (kKeyNames[i].key == kKeyNames[j].key && kKeyNames[i].icon == kKeyNames[j].icon)
        return false;
  }
  return true;
}
// One description per meaning: the Help Info text or the key's own, never both, never neither.
constexpr bool EveryMeaningHasOneDescription() {
  for (const auto& row : kKeyNames)
    if (HelpTextOfName(row).empty() == row.brief.empty()) return false;
  return true;
}
// A key's start-up meaning is described by the row the Help Info key table gives it.
constexpr bool StartRowsMatchTheHelpKeyTable() {
  for (const auto& op : kKeyOperations)
    for (const auto& row : kKeyNames)
      if (row.key == op.id) {
        if (HelpRowOfName(row) != KeyHelpRow(op.id)) return false;
        break;
      }
  return true;
}
}  // namespace detail
static_assert(detail::EveryKeyStartsWithItsPlainFace(), "each key's first row is its plain face");
static_assert(detail::NamesAreFilledAndUnique());
static_assert(detail::EveryMeaningHasOneDescription());
static_assert(detail::StartRowsMatchTheHelpKeyTable());

}  // namespace res
