// The key descriptions that the Help Info dialog cycles through: the icon shown on its button and
// the text shown beside it. Row order is fixed; row 0 is the first press.
#pragma once

#include <array>
#include <string_view>

#include "resource.h"

namespace res {

struct HelpRow {
  int icon;
  std::string_view text;
};

inline constexpr std::array<HelpRow, 30> kHelpRows = {{
    {IDI_HELP_EQUALS, "Equals, shows the results of the current calculation"},
    {IDI_MS, "Memory Store, stores displayed value"},
    {IDI_MR, "Memory Recall, recalls value stored in memory"},
    {IDI_SQRT, "Square Root, takes the square root of displayed value"},
    {IDI_HELP_RECIPROCAL, "Inverse of x, takes the inverse of the displayed value"},
    {IDI_HELP_CLEAR, "Clear, clears the display, operands, and functions"},
    {IDI_HELP_PERCENT, "%, takes the percentage of the value displayed"},
    {IDI_SQUARE, "Square, squares the value displayed"},
    {IDI_SCI, "Scientific Notation, displays value using Scientific Notation"},
    {IDI_POWER,
     "Exponent Function, y to the x power, the number displayed when this key is pressed is base "
     "(y), the second number entered is the exponent (x)"},
    {IDI_PI, "Pi, the constant Pi, equals 3.14159265358979"},
    {IDI_DEG, "degrees, angular unit is set to degrees"},
    {IDI_RAD, "radians, angular unit is set to radians"},
    {IDI_INV, "INV, changes select function keys to inverse function mode"},
    {IDI_INV_ON, "INV (red), changes select function keys back to normal function mode"},
    {IDI_LOG, "log (base 10), takes the base 10 logarithm of the value in the display"},
    {IDI_EXP10, "inverse log (base 10), displays 1 x 10 to the x power"},
    {IDI_LN, "natural log, takes the natural logarithm (base e) of the displayed value"},
    {IDI_EXP, "inverse natural log, takes e raised to the x power"},
    {IDI_SIN, "sin, takes the sine of the value displayed"},
    {IDI_ASIN, "inverse sin, takes the inverse sine of the value displayed"},
    {IDI_COS, "cos, takes the cosine of the value displayed"},
    {IDI_ACOS, "inverse cos, takes the inverse cosine of the value displayed"},
    {IDI_TAN, "tan, takes the tangent of the value displayed"},
    {IDI_ATAN, "inverse tan, takes the inverse tangent of the value displayed"},
    {IDI_FIXED, "floating point format, converts scientific notation to floating point notation"},
    {IDI_LPAREN,
     "left (open) parentheses, indicates the start of a parenthesis enclosed subcalculation"},
    // Two blanks before "a", as written.
    {IDI_RPAREN,
     "right (close) parenthesis, indicates the end of  a parenthesis enclosed subcalculation"},
    {IDI_ROOT,
     "inverse exponent (root), calculates xth root of y, the number displayed when this key is "
     "pressed is base (y), the second number entered is the xth root"},
    {IDI_SQUARE_INV, "inverse square (square root), takes the square root of the displayed value"},
}};

constexpr bool HelpRowsFilled() {
  for (const auto& row : kHelpRows)
    if (row.icon == 0 || row.text.empty()) return false;
  return true;
}
static_assert(HelpRowsFilled(), "all 30 rows need an icon and a text");

// The dialog shows this face before the first press.
inline constexpr int kHelpStartIcon = IDI_HELP_EQUALS;

}  // namespace res
