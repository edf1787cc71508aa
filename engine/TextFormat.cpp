#include "TextFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace zelko::text {
namespace {

// Shortest buffer that always holds a %f conversion: DBL_MAX has 309 integer digits.
constexpr int kMaxIntegerDigits = 310;
// A precision beyond this adds only zeros; it also bounds the buffer.
constexpr int kMaxPrecision = 1100;

int ClampPrecision(int precision) { return std::clamp(precision, 0, kMaxPrecision); }

std::string NonFinite(double value) {
  if (std::isnan(value)) return "nan";  // never "-nan", whatever the sign bit
  return value < 0 ? "-inf" : "inf";
}

std::string Convert(double value, std::chars_format format, int precision) {
  std::string buffer(static_cast<std::size_t>(kMaxIntegerDigits + precision + 16), '\0');
  auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
  if (ec != std::errc{}) return {};  // cannot happen with the buffer sized above
  buffer.resize(static_cast<std::size_t>(end - buffer.data()));
  return buffer;
}

// to_chars writes at least two exponent digits, as C does; the display wants three.
std::string WidenExponent(std::string text) {
  const auto e = text.find('e');
  if (e == std::string::npos) return text;
  const std::size_t digits = e + 2;  // after 'e' and its sign
  const std::size_t count = text.size() - digits;
  if (count < 3) text.insert(digits, 3 - count, '0');
  return text;
}

}  // namespace

std::string Fixed(double value, int decimals) {
  if (!std::isfinite(value)) return NonFinite(value);
  return Convert(value, std::chars_format::fixed, ClampPrecision(decimals));
}

std::string Exponent(double value, int decimals) {
  if (!std::isfinite(value)) return NonFinite(value);
  return WidenExponent(Convert(value, std::chars_format::scientific, ClampPrecision(decimals)));
}

std::string General(double value, int significant) {
  if (!std::isfinite(value)) return NonFinite(value);
  return WidenExponent(Convert(value, std::chars_format::general, std::max(1, ClampPrecision(significant))));
}

std::string Integer(long long value, int minDigits) {
  // Unsigned magnitude so that the smallest long long has a defined negation.
  const bool negative = value < 0;
  const unsigned long long magnitude =
      negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  std::string digits = std::to_string(magnitude);
  const auto wanted = static_cast<std::size_t>(std::clamp(minDigits, 0, kMaxPrecision));
  if (digits.size() < wanted) digits.insert(0, wanted - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

std::string PadLeft(std::string text, int width) {
  const auto wanted = static_cast<std::size_t>(std::clamp(width, 0, kMaxPrecision));
  if (text.size() < wanted) text.insert(0, wanted - text.size(), ' ');
  return text;
}

std::string RemoveBlanks(std::string text) {
  std::erase(text, ' ');
  return text;
}

}  // namespace zelko::text
