// What the display formatting rules allow a text to look like, shared by the two fuzz targets.
// These are stated from the rules themselves, not from the engine's code, so that a fault in
// the engine's conversions shows up as a text that no rule could have produced.
//
// Length bounds, per kind of text:
//
// * FormatValue's exponent branch, "%g" (six significant digits, trailing zeros dropped, at
//   least three exponent digits). Only magnitudes >= 1e16 and positive values < 1e-14 get here,
//   so the exponent is >= 16, or <= -14 with no minus sign in front. A double's decimal
//   exponent lies in -324..308, so it always has exactly three digits. Longest:
//   "-1.23457e+308" = sign 1 + digit 1 + point 1 + five digits + 'e' 1 + sign 1 + three = 13.
//   Non-finite values give "inf", "-inf" or "nan" (at most 4).
// * Fixed branch, precision 2, 4 or 6 ("%*.*f", blanks removed): |value| < 1e16, and doubles
//   from 2^53 up to 1e16 are even integers, so rounding never carries into a 17th integer
//   digit: at most 16 integer digits. With sign and point: 1 + 16 + 1 + p = 18 + p, that is
//   20, 22 and 24; the bound is reached, e.g. -1125899906842624.25 at 2 decimals. Exactly p
//   decimals before TrimZeros, at most p (and no trailing zero) after it.
// * Maximum rule (precision 14): with L the length of the integer part's text ("0" for values
//   between -1 and 0, otherwise with its minus sign) and n = min(L + 1, 15), the decimals d
//   satisfy n + d <= 15, and d is 0 once L >= 14. So:
//   - a text without a point is the integer part rounded: at most 16 digits and a sign, 17
//     ("-9999999999999998");
//   - a text with a point has L + 1 + d <= 15 characters, one more for the "-0." of values
//     between -1 and 0 (their integer text "0" has no sign), and one more where rounding carries
//     into a new integer digit ("9.99999999999999911" at 13 decimals is "10.0000000000000").
//     So at most 16 before TrimZeros. A carry makes a power of ten, whose decimals are all
//     zeros, so after TrimZeros a text with a point has at most 15 characters, or 16 when it
//     begins with "-0." (-1/3 shows "-0.3333333333333").
//   Overall 17 for this precision.
// * "%e" texts (the scientific-notation results and the e.000 view of a result): one digit, six
//   decimals, three exponent digits: "-1.797693e+308" = 14; or "inf", "-inf", "nan".
// * "Error" = 5.
// So a result text is at most 20, 22, 24 and 17 characters at precisions 2, 4, 6 and 14.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace zelko::fuzz {

inline constexpr std::size_t kGeneralMax = 13;     // "-1.23457e+308"
inline constexpr std::size_t kScientificMax = 14;  // "-1.797693e+308"
inline constexpr std::size_t kMaxRuleMax = 17;     // "-9999999999999998"
inline constexpr std::size_t kMaxIntegerDigits = 16;
inline constexpr std::size_t kMaxRuleDecimals = 14;

constexpr bool IsFixedPrecision(int precision) { return precision == 2 || precision == 4 || precision == 6; }

// Longest FormatValue text in the fixed branch at this precision.
constexpr std::size_t FixedMax(int precision) {
  return IsFixedPrecision(precision) ? 18 + static_cast<std::size_t>(precision) : kMaxRuleMax;
}

// Longest text an evaluation may return at this precision, of any kind.
constexpr std::size_t ResultMax(int precision) { return std::max({FixedMax(precision), kGeneralMax, kScientificMax}); }

static_assert(ResultMax(2) == 20 && ResultMax(4) == 22 && ResultMax(6) == 24 && ResultMax(14) == 17);

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A number text as the display writes it: [-]digits[.digits][e(+|-)digits].
struct NumberText {
  bool valid = false;
  bool negative = false;
  std::string_view integer;   // digits before the point
  bool hasPoint = false;
  std::string_view fraction;  // digits after the point
  bool hasExponent = false;
  bool exponentNegative = false;
  std::string_view exponentDigits;

  // The exponent's value; only called for texts whose exponent has a few digits.
  int Exponent() const {
    int value = 0;
    for (char c : exponentDigits) value = value * 10 + (c - '0');
    return exponentNegative ? -value : value;
  }
};

inline NumberText Split(std::string_view text) {
  NumberText n;
  std::size_t i = 0;
  const auto digitsFrom = [&](std::size_t from) {
    std::size_t j = from;
    while (j < text.size() && IsDigit(text[j])) ++j;
    return j;
  };
  if (i < text.size() && text[i] == '-') n.negative = true, ++i;
  std::size_t j = digitsFrom(i);
  if (j == i) return n;
  n.integer = text.substr(i, j - i);
  i = j;
  if (i < text.size() && text[i] == '.') {
    n.hasPoint = true;
    j = digitsFrom(++i);
    if (j == i) return n;  // a bare trailing point is never written
    n.fraction = text.substr(i, j - i);
    i = j;
  }
  if (i < text.size() && text[i] == 'e') {
    n.hasExponent = true;
    ++i;
    if (i >= text.size() || (text[i] != '+' && text[i] != '-')) return n;
    n.exponentNegative = text[i] == '-';
    j = digitsFrom(++i);
    if (j == i) return n;
    n.exponentDigits = text.substr(i, j - i);
    i = j;
  }
  n.valid = i == text.size();
  return n;
}

inline bool IsNonFinite(std::string_view text) { return text == "inf" || text == "-inf" || text == "nan"; }

// No redundant leading zero: "0" alone, or a first digit that is not 0.
inline bool IsPlainInteger(std::string_view digits) { return digits.size() == 1 || digits.front() != '0'; }

// FormatValue's exponent branch: "%g" with six significant digits.
inline bool IsGeneralExponentText(std::string_view text) {
  const NumberText n = Split(text);
  if (!n.valid || !n.hasExponent || n.integer.size() != 1 || n.integer == "0") return false;
  if (n.fraction.size() > 5 || (!n.fraction.empty() && n.fraction.back() == '0')) return false;
  if (n.exponentDigits.size() != 3) return false;
  const int e = n.Exponent();
  return e >= 16 || (e <= -14 && !n.negative);
}

// FormatValue's fixed branch at this precision, before or after TrimZeros.
inline bool IsFixedText(std::string_view text, int precision, bool trimmed) {
  const NumberText n = Split(text);
  if (!n.valid || n.hasExponent || n.integer.size() > kMaxIntegerDigits || !IsPlainInteger(n.integer)) return false;
  if (trimmed && !n.fraction.empty() && n.fraction.back() == '0') return false;
  if (IsFixedPrecision(precision)) {
    const auto p = static_cast<std::size_t>(precision);
    if (trimmed ? n.fraction.size() > p : n.fraction.size() != p) return false;
    return text.size() <= FixedMax(precision);
  }
  if (n.fraction.size() > kMaxRuleDecimals || text.size() > kMaxRuleMax) return false;
  if (!n.hasPoint) return true;
  if (!trimmed) return text.size() <= 16;
  return text.size() <= 15 || (text.size() == 16 && text.substr(0, 3) == "-0.");
}

inline bool IsFormatValueText(std::string_view text, int precision, bool trimmed) {
  return IsNonFinite(text) || IsGeneralExponentText(text) || IsFixedText(text, precision, trimmed);
}

// "%e" with six decimals.
inline bool IsScientificText(std::string_view text) {
  if (IsNonFinite(text)) return true;
  const NumberText n = Split(text);
  return n.valid && n.hasExponent && n.integer.size() == 1 && n.fraction.size() == 6 &&
         n.exponentDigits.size() == 3;
}

// Any text an evaluation can hand to the display (TrimZeros has run on the FormatValue kinds).
inline bool IsResultText(std::string_view text, int precision) {
  return text == "Error" || IsFormatValueText(text, precision, true) || IsScientificText(text);
}

// "%.*g" with `significant` digits, as the scientific-entry layout writes its mantissa.
inline bool IsGeneralText(std::string_view text, int significant) {
  if (IsNonFinite(text)) return true;
  const NumberText n = Split(text);
  if (!n.valid || !IsPlainInteger(n.integer)) return false;
  if (!n.fraction.empty() && n.fraction.back() == '0') return false;
  if (n.hasExponent && (n.exponentDigits.size() != 3 || n.integer.size() != 1)) return false;
  std::size_t digits = 0;
  bool leading = true;
  for (char c : text.substr(0, n.hasExponent ? text.find('e') : text.size())) {
    if (!IsDigit(c)) continue;
    if (leading && c == '0') continue;
    leading = false;
    ++digits;
  }
  return digits <= static_cast<std::size_t>(std::max(significant, 1));
}

}  // namespace zelko::fuzz
