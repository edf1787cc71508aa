// Faces of the 37 keys in the two face modes (plain, and accelerator faces with the keystroke
// letter underlined), and which Help Info row describes each key. No Qt here: the command-line
// tool asks KeyDescription for its key list.
#pragma once

#include <array>
#include <string_view>
#include <utility>

#include "HelpTable.h"
#include "resource.h"

namespace res {

// An empty caption means the key keeps its caption in that mode; IDI_NONE means no icon.
// "&" underlines the next letter of a caption.
struct KeyFace {
  KeyCommand key;
  std::string_view plainCaption;
  int plainIcon;
  std::string_view accelCaption;
  int accelIcon;
};

// Every key but IDC_KEY_BACKSPACE, which keeps its template face in both modes.
inline constexpr std::array<KeyFace, 36> kKeyFaces = {{
    {IDC_KEY_0, "0", IDI_NONE, "&0", IDI_NONE},
    {IDC_KEY_1, "1", IDI_NONE, "&1", IDI_NONE},
    {IDC_KEY_2, "2", IDI_NONE, "&2", IDI_NONE},
    {IDC_KEY_3, "3", IDI_NONE, "&3", IDI_NONE},
    {IDC_KEY_4, "4", IDI_NONE, "&4", IDI_NONE},
    {IDC_KEY_5, "5", IDI_NONE, "&5", IDI_NONE},
    {IDC_KEY_6, "6", IDI_NONE, "&6", IDI_NONE},
    {IDC_KEY_7, "7", IDI_NONE, "&7", IDI_NONE},
    {IDC_KEY_8, "8", IDI_NONE, "&8", IDI_NONE},
    {IDC_KEY_9, "9", IDI_NONE, "&9", IDI_NONE},
    {IDC_KEY_POINT, ".", IDI_NONE, "&.", IDI_NONE},
    {IDC_KEY_SIGN, "+/-", IDI_NONE, "+/-F9", IDI_NONE},
    {IDC_KEY_CLEAR, "Clear", IDI_NONE, "&Clear", IDI_NONE},
    {IDC_KEY_ADD, "+", IDI_NONE, "&+", IDI_NONE},
    {IDC_KEY_SUBTRACT, "-", IDI_NONE, "&-", IDI_NONE},
    {IDC_KEY_MULTIPLY, "*", IDI_NONE, "&*", IDI_NONE},
    {IDC_KEY_DIVIDE, "/", IDI_NONE, "&/", IDI_NONE},
    {IDC_KEY_RECIPROCAL, "1/x", IDI_NONE, "1/&x", IDI_NONE},
    {IDC_KEY_EQUALS, "=", IDI_NONE, "&=", IDI_NONE},
    {IDC_KEY_PERCENT, "%", IDI_NONE, "&percnt", IDI_NONE},
    {IDC_KEY_SQRT, "SqRt", IDI_SQRT, "S&qRt", IDI_SQRT_ACCEL},
    {IDC_KEY_MS, "", IDI_MS, "", IDI_MS_ACCEL},
    {IDC_KEY_MR, "", IDI_MR, "", IDI_MR_ACCEL},
    {IDC_KEY_SQUARE, "", IDI_SQUARE, "", IDI_SQUARE_ACCEL},
    {IDC_KEY_SCI, "", IDI_SCI, "", IDI_SCI_ACCEL},
    {IDC_KEY_POWER, "", IDI_POWER, "", IDI_POWER_ACCEL},
    {IDC_KEY_PI, "", IDI_PI, "", IDI_PI_ACCEL},
    {IDC_KEY_DEGRAD, "", IDI_DEG, "", IDI_DEG_ACCEL},
    {IDC_KEY_INV, "", IDI_INV, "", IDI_INV_ACCEL},
    {IDC_KEY_LOG, "", IDI_LOG, "", IDI_LOG_ACCEL},
    {IDC_KEY_LN, "", IDI_LN, "", IDI_LN_ACCEL},
    {IDC_KEY_SIN, "", IDI_SIN, "", IDI_SIN_ACCEL},
    {IDC_KEY_COS, "", IDI_COS, "", IDI_COS_ACCEL},
    {IDC_KEY_TAN, "", IDI_TAN, "", IDI_TAN_ACCEL},
    {IDC_KEY_LPAREN, "", IDI_LPAREN, "", IDI_LPAREN_ACCEL},
    {IDC_KEY_RPAREN, "", IDI_RPAREN, "", IDI_RPAREN_ACCEL},
}};

// The icon faces the panel gives at every initial update, in this order.
inline constexpr std::array<std::pair<KeyCommand, int>, 16> kInitialIconFaces = {{
    {IDC_KEY_MS, IDI_MS},
    {IDC_KEY_MR, IDI_MR},
    {IDC_KEY_SQRT, IDI_SQRT},
    {IDC_KEY_SQUARE, IDI_SQUARE},
    {IDC_KEY_SCI, IDI_SCI},
    {IDC_KEY_POWER, IDI_POWER},
    {IDC_KEY_PI, IDI_PI},
    {IDC_KEY_DEGRAD, IDI_DEG},
    {IDC_KEY_INV, IDI_INV},
    {IDC_KEY_LOG, IDI_LOG},
    {IDC_KEY_LN, IDI_LN},
    {IDC_KEY_SIN, IDI_SIN},
    {IDC_KEY_COS, IDI_COS},
    {IDC_KEY_TAN, IDI_TAN},
    {IDC_KEY_LPAREN, IDI_LPAREN},
    {IDC_KEY_RPAREN, IDI_RPAREN},
}};

// Help Info row describing each key; -1 for digits, operators, point, sign and backspace.
inline constexpr std::array<std::pair<KeyCommand, int>, 20> kKeyHelpRows = {{
    {IDC_KEY_EQUALS, 0},     {IDC_KEY_MS, 1},    {IDC_KEY_MR, 2},      {IDC_KEY_SQRT, 3},
    {IDC_KEY_RECIPROCAL, 4}, {IDC_KEY_CLEAR, 5}, {IDC_KEY_PERCENT, 6}, {IDC_KEY_SQUARE, 7},
    {IDC_KEY_SCI, 8},        {IDC_KEY_POWER, 9}, {IDC_KEY_PI, 10},     {IDC_KEY_DEGRAD, 11},
    {IDC_KEY_INV, 13},       {IDC_KEY_LOG, 15},  {IDC_KEY_LN, 17},     {IDC_KEY_SIN, 19},
    {IDC_KEY_COS, 21},       {IDC_KEY_TAN, 23},  {IDC_KEY_LPAREN, 26}, {IDC_KEY_RPAREN, 27},
}};

constexpr const KeyFace* FindKeyFace(int key) {
  for (const auto& face : kKeyFaces)
    if (face.key == key) return &face;
  return nullptr;
}

constexpr int KeyHelpRow(int command) {
  for (const auto& [key, row] : kKeyHelpRows)
    if (key == command) return row;
  return -1;
}

// The Help Info text of a key, or "" when it has none.
constexpr std::string_view KeyDescription(int command) {
  const int row = KeyHelpRow(command);
  return row < 0 ? std::string_view{} : kHelpRows[static_cast<std::size_t>(row)].text;
}

namespace detail {
constexpr int CountFaces(int key) {
  int n = 0;
  for (const auto& face : kKeyFaces) n += face.key == key;
  return n;
}
constexpr bool EveryKeyHasOneFace() {
  for (const auto& face : kKeyFaces)
    if (face.key == 0) return false;
  for (const auto& key : kKeyOperations)
    if (CountFaces(key.id) != (key.id == IDC_KEY_BACKSPACE ? 0 : 1)) return false;
  return true;
}
// Each described key's row shows that key's plain icon (or the help-only picture of a text key).
// (Searched by value, not through FindKeyFace: GCC's sanitizers make pointer tests non-constant.)
constexpr int PlainIconOf(int key) {
  for (const auto& face : kKeyFaces)
    if (face.key == key) return face.plainIcon;
  return -1;
}
constexpr bool HelpRowsMatchFaces() {
  for (const auto& [key, row] : kKeyHelpRows) {
    const int plain = PlainIconOf(key);
    const int icon = kHelpRows[static_cast<std::size_t>(row)].icon;
    if (plain < 0) return false;
    if (plain != IDI_NONE && plain != icon) return false;
    if (plain == IDI_NONE && (icon < IDI_HELP_RECIPROCAL || icon > IDI_HELP_EQUALS)) return false;
  }
  return true;
}
}  // namespace detail
static_assert(detail::EveryKeyHasOneFace(), "every key but backspace needs exactly one face row");
static_assert(detail::HelpRowsMatchFaces());

}  // namespace res
