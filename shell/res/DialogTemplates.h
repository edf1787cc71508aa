// Dialog templates 100 (About), 101 (the calculator form) and 130 (Help Info). Positions and
// sizes are dialog units: a horizontal unit is a quarter of the dialog font's average character
// width, a vertical unit an eighth of its height. Controls are listed in creation order, which is
// also the tab order.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "resource.h"

namespace res {

enum WindowStyle : unsigned {
  WS_POPUP = 0x80000000u,
  WS_CHILD = 0x40000000u,
  WS_VISIBLE = 0x10000000u,
  WS_CAPTION = 0x00C00000u,
  WS_BORDER = 0x00800000u,
  WS_SYSMENU = 0x00080000u,
  WS_GROUP = 0x00020000u,
  WS_TABSTOP = 0x00010000u,
  DS_MODALFRAME = 0x80u,
  DS_SETFONT = 0x40u,
  ES_RIGHT = 0x0002u,
  ES_MULTILINE = 0x0004u,
  ES_READONLY = 0x0800u,
  ES_NUMBER = 0x2000u,
  BS_DEFPUSHBUTTON = 0x0001u,
  BS_ICON = 0x0040u,
  SS_LEFT = 0x0000u,
};

enum ExStyle : unsigned {
  WS_EX_TRANSPARENT = 0x20u,
};

enum class ControlKind { Edit, PushButton, Static, Icon, GroupBox };

struct DialogControl {
  int id;
  ControlKind kind;
  int x, y, cx, cy;
  unsigned style;
  unsigned exStyle;
  std::string_view text;
  int icon;  // Icon controls only
};

struct DialogTemplate {
  int id;
  unsigned style;
  std::string_view caption;
  int cx, cy;
  std::string_view fontName;
  int pointSize;
  std::span<const DialogControl> controls;
};

inline constexpr std::string_view kDialogFont = "MS Sans Serif";
inline constexpr int kDialogFontPoints = 8;

namespace detail {
inline constexpr unsigned kControl = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
inline constexpr unsigned kDisplay = kControl | WS_BORDER | ES_NUMBER | ES_RIGHT;
inline constexpr unsigned kText = kControl;
inline constexpr unsigned kGroup = kControl | WS_GROUP;
inline constexpr unsigned kIcon = kControl | BS_ICON;
inline constexpr unsigned kStatic = WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP;
inline constexpr unsigned kPopup = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
}  // namespace detail

// The calculator form: the display and the 37 keys.
inline constexpr std::array<DialogControl, 38> kFormControls = {{
    {IDC_DISPLAY, ControlKind::Edit, 7, 8, 148, 15, detail::kDisplay, 0, "", 0},
    {IDC_KEY_CLEAR, ControlKind::PushButton, 110, 81, 22, 16, detail::kText, 0, "Clear", 0},
    {IDC_KEY_1, ControlKind::PushButton, 6, 118, 22, 16, detail::kGroup, 0, "1", 0},
    {IDC_KEY_2, ControlKind::PushButton, 32, 118, 22, 16, detail::kGroup, 0, "2", 0},
    {IDC_KEY_3, ControlKind::PushButton, 57, 118, 22, 16, detail::kGroup, 0, "3", 0},
    {IDC_KEY_4, ControlKind::PushButton, 6, 100, 22, 16, detail::kGroup, 0, "4", 0},
    {IDC_KEY_5, ControlKind::PushButton, 32, 100, 22, 16, detail::kGroup, 0, "5", 0},
    {IDC_KEY_6, ControlKind::PushButton, 57, 100, 22, 16, detail::kGroup, 0, "6", 0},
    {IDC_KEY_7, ControlKind::PushButton, 6, 81, 22, 16, detail::kGroup, 0, "7", 0},
    {IDC_KEY_8, ControlKind::PushButton, 32, 81, 22, 16, detail::kGroup, 0, "8", 0},
    {IDC_KEY_9, ControlKind::PushButton, 57, 81, 22, 16, detail::kGroup, 0, "9", 0},
    {IDC_KEY_0, ControlKind::PushButton, 6, 136, 22, 16, detail::kGroup, 0, "0", 0},
    {IDC_KEY_SIGN, ControlKind::PushButton, 57, 136, 22, 16, detail::kGroup, 0, "+/-", 0},
    {IDC_KEY_POINT, ControlKind::PushButton, 32, 136, 22, 16, detail::kGroup, 0, ".", 0},
    {IDC_KEY_ADD, ControlKind::PushButton, 83, 136, 22, 16, detail::kText, 0, "+", 0},
    {IDC_KEY_SUBTRACT, ControlKind::PushButton, 83, 118, 22, 16, detail::kText, 0, "-", 0},
    {IDC_KEY_MULTIPLY, ControlKind::PushButton, 83, 100, 22, 16, detail::kText, 0, "*", 0},
    {IDC_KEY_DIVIDE, ControlKind::PushButton, 83, 81, 22, 16, detail::kText, 0, "/", 0},
    {IDC_KEY_MS, ControlKind::PushButton, 110, 28, 22, 12, detail::kIcon, 0, "MS", 0},
    {IDC_KEY_MR, ControlKind::PushButton, 135, 28, 22, 12, detail::kIcon, 0, "MR", 0},
    {IDC_KEY_RECIPROCAL, ControlKind::PushButton, 110, 100, 22, 16, detail::kText, 0, "1/x", 0},
    {IDC_KEY_SQRT, ControlKind::PushButton, 110, 118, 22, 15, detail::kIcon, 0, "SqRt", 0},
    {IDC_KEY_EQUALS, ControlKind::PushButton, 110, 136, 48, 16, detail::kText, 0, "=", 0},
    {IDC_KEY_SQUARE, ControlKind::PushButton, 5, 45, 22, 12, detail::kIcon, 0, "", 0},
    {IDC_KEY_SCI, ControlKind::PushButton, 31, 45, 22, 12, detail::kIcon, 0, "", 0},
    {IDC_KEY_POWER, ControlKind::PushButton, 57, 45, 22, 12, detail::kIcon, 0, "", 0},
    {IDC_KEY_PERCENT, ControlKind::PushButton, 135, 100, 22, 16, detail::kText, 0, "%", 0},
    {IDC_KEY_PI, ControlKind::PushButton, 135, 118, 22, 15, detail::kIcon, 0, "", 0},
    {IDC_KEY_LOG, ControlKind::PushButton, 5, 62, 22, 12, detail::kIcon, 0, "", 0},
    {IDC_KEY_LN, ControlKind::PushButton, 31, 62, 22, 12, detail::kIcon, 0, "", 0},
    {IDC_KEY_SIN, ControlKind::PushButton, 57, 62, 22, 12, detail::kIcon, 0, "", 0},
    {IDC_KEY_COS, ControlKind::PushButton, 84, 62, 22, 12, detail::kIcon, 0, "", 0},
    {IDC_KEY_TAN, ControlKind::PushButton, 110, 62, 22, 12, detail::kIcon, 0, "", 0},
    {IDC_KEY_BACKSPACE, ControlKind::PushButton, 135, 81, 22, 16, detail::kText, WS_EX_TRANSPARENT,
     "<--", 0},
    {IDC_KEY_INV, ControlKind::PushButton, 84, 45, 22, 12, detail::kIcon, 0, "", 0},
    {IDC_KEY_LPAREN, ControlKind::PushButton, 110, 45, 22, 12, detail::kIcon, 0, "", 0},
    {IDC_KEY_RPAREN, ControlKind::PushButton, 135, 45, 22, 12, detail::kIcon, 0, "", 0},
    {IDC_KEY_DEGRAD, ControlKind::PushButton, 135, 62, 22, 12, detail::kIcon, 0, "", 0},
}};

inline constexpr DialogTemplate kCalculatorForm = {
    .id = IDD_CALCULATOR_FORM,
    .style = WS_CHILD | DS_SETFONT,
    .caption = "",
    .cx = 162,
    .cy = 158,
    .fontName = kDialogFont,
    .pointSize = kDialogFontPoints,
    .controls = kFormControls,
};

// The two notice lines are this program's own wording.
inline constexpr std::array<DialogControl, 5> kAboutControls = {{
    {IDC_STATIC, ControlKind::Icon, 13, 13, 20, 20, detail::kStatic, 0, "", IDI_MAINFRAME},
    {IDC_STATIC, ControlKind::Static, 36, 14, 92, 9, detail::kStatic, 0,
     "Zelko Scientific Version 1.01", 0},
    {IDC_STATIC, ControlKind::Static, 49, 26, 64, 8, detail::kStatic, 0, "(C) Zelko Software", 0},
    {IDOK, ControlKind::PushButton, 134, 7, 40, 14, detail::kControl | WS_GROUP | BS_DEFPUSHBUTTON,
     0, "OK", 0},
    {IDC_STATIC, ControlKind::Static, 39, 37, 81, 8, detail::kStatic, 0, "All rights reserved.", 0},
}};

inline constexpr DialogTemplate kAboutBox = {
    .id = IDD_ABOUTBOX,
    .style = detail::kPopup,
    .caption = "About Zelko Calc",
    .cx = 185,
    .cy = 55,
    .fontName = kDialogFont,
    .pointSize = kDialogFontPoints,
    .controls = kAboutControls,
};

inline constexpr std::array<DialogControl, 13> kHelpInfoControls = {{
    {IDCANCEL, ControlKind::PushButton, 177, 7, 50, 14, detail::kControl, 0, "Cancel", 0},
    {IDC_STATIC, ControlKind::Static, 10, 11, 48, 8, detail::kStatic, 0, "Operation Info:", 0},
    {IDC_STATIC, ControlKind::Static, 11, 24, 152, 17, detail::kStatic, 0,
     "To Backspace press <-- calculator key or use Backspace keyboard key", 0},
    // Two blanks before "Keys", as written.
    {IDC_STATIC, ControlKind::Static, 11, 44, 162, 18, detail::kStatic, 0,
     "To view accelerator keys, select View Accelerator  Keys under Help Menu", 0},
    {IDC_STATIC, ControlKind::Static, 11, 64, 162, 18, detail::kStatic, 0,
     "Right-click the display to enable display edit functions (copy, paste, cut, delete).", 0},
    {IDC_NEXT_KEY, ControlKind::PushButton, 19, 220, 26, 14, detail::kControl | BS_ICON, 0, "", 0},
    {IDC_KEY_DESCRIPTION, ControlKind::Edit, 58, 220, 158, 32,
     detail::kControl | ES_MULTILINE | ES_READONLY, 0, "", 0},
    {IDC_STATIC, ControlKind::GroupBox, 11, 198, 212, 58, WS_CHILD | WS_VISIBLE, 0,
     "Key Functions - Press button to cycle through key functions ", 0},
    {IDC_STATIC, ControlKind::Static, 11, 111, 210, 27, detail::kStatic, 0,
     "The maximum floating-point number is 1.798 e+308, the minimum floating-point number is "
     "2.225 e-308.  This is due to the use of a 32-bit IEEE floating-point number format.",
     0},
    {IDC_STATIC, ControlKind::Static, 11, 138, 212, 25, detail::kStatic, 0,
     "Calculation results have a maximum of 15 significant digits.  Results requiring more than "
     "15 digits are either rounded-off or converted to Scientific Notation.",
     0},
    {IDC_STATIC, ControlKind::Static, 11, 167, 202, 11, detail::kStatic, 0,
     "Parenthesis ( ) support 1 level of subcalculations.", 0},
    {IDC_STATIC, ControlKind::Static, 11, 178, 204, 19, detail::kStatic, 0,
     "Decimal point resolution can be fixed at 2, 4, or 6 places by selecting \"Settings "
     "->Resolution\" on the menu.",
     0},
    {IDC_STATIC, ControlKind::Static, 11, 83, 203, 24, detail::kStatic, 0,
     "Zelko Scientific performs calculations without order of precedence.  Operations are "
     "performed in the order received and the previous calculations are subtotalled.",
     0},
}};

inline constexpr DialogTemplate kHelpInfo = {
    .id = IDD_HELP_INFO,
    .style = detail::kPopup,
    .caption = "Help Info",
    .cx = 234,
    .cy = 271,
    .fontName = kDialogFont,
    .pointSize = kDialogFontPoints,
    .controls = kHelpInfoControls,
};

namespace detail {
constexpr int CountFormControl(int id) {
  int n = 0;
  for (const auto& c : kFormControls) n += c.id == id;
  return n;
}
constexpr bool FormHoldsEveryKeyOnce() {
  for (const auto& key : kKeyOperations)
    if (CountFormControl(key.id) != 1) return false;
  return CountFormControl(IDC_DISPLAY) == 1 && kFormControls.size() == kKeyOperations.size() + 1;
}
constexpr bool FormControlsInside() {
  for (const auto& c : kFormControls)
    if (c.x < 0 || c.y < 0 || c.x + c.cx > kCalculatorForm.cx || c.y + c.cy > kCalculatorForm.cy)
      return false;
  return true;
}
}  // namespace detail
static_assert(detail::FormHoldsEveryKeyOnce());
static_assert(detail::FormControlsInside());

}  // namespace res
