// Locale-independent replacements for the handful of printf conversions the display uses.
// Every exponent is written with at least three digits (1e+020, 1.500000e-003), non-finite
// values are "inf", "-inf" or "nan", and digits are correctly rounded (ties to even on exact
// binary halves). Width arguments pad with leading blanks only, as printf's right alignment does.
#pragma once

#include <string>

namespace zelko::text {

// "%.*f": fixed notation with `decimals` digits after the point (0 gives no point).
std::string Fixed(double value, int decimals);

// "%.*e": one digit, `decimals` digits after the point, then e, sign and three or more digits.
std::string Exponent(double value, int decimals);

// "%.*g": `significant` significant digits (0 counts as 1), trailing zeros dropped.
std::string General(double value, int significant);

// "%.*i" with precision `minDigits`: at least that many digits, zero-padded, '-' in front.
std::string Integer(long long value, int minDigits);

// Right-aligns `text` in a field of `width` characters (no change when it is already wider).
std::string PadLeft(std::string text, int width);

// Removes every blank (' ') from the text.
std::string RemoveBlanks(std::string text);

}  // namespace zelko::text
