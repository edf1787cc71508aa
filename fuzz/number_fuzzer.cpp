// Number fuzz target: the engine's two conversions against the rules.
// 1. ParseNumber of the input text equals, bit for bit, what strtod in the C locale makes of the
//    longest prefix that fits the number grammar (blanks, sign, digits with an optional point,
//    an optional exponent); no digits reads as +0.
// 2. For doubles made from the input (its first eight bytes as a bit pattern, and the value the
//    text reads as), FormatValue at every precision writes a text of the shape and length the
//    formatting rules allow, and that text reads back to within half a unit of its last place.
//    The same holds for the "%e" texts of scientific results.

#include <algorithm>
#include <bit>
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>
#include <string>
#include <string_view>

#include "CalcEngine.h"
#include "FormatRules.h"
#include "TextFormat.h"

namespace {

using zelko::fuzz::Split;

[[noreturn]] void Fail(const char* what, std::string_view text, double value) {
  std::fprintf(stderr, "number invariant failed: %s; text of %zu chars \"%.*s\", value %.17g (bits %016llx)\n", what,
               text.size(), static_cast<int>(std::min<std::size_t>(text.size(), 200)), text.data(), value,
               static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(value)));
  std::abort();
}

void Require(bool ok, const char* what, std::string_view text, double value) {
  if (!ok) Fail(what, text, value);
}

// The C library's white space in the C locale.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

// The independent reader: the grammar's longest prefix, handed to strtod under the C locale.
double ReferenceRead(std::string_view text) {
  using zelko::fuzz::IsDigit;
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  const std::size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  std::size_t end = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      end = j;
    }
  }
  const std::string prefix(text.substr(start, end - start));
  const locale_t previous = uselocale(CLocale());
  char* stop = nullptr;
  const double value = std::strtod(prefix.c_str(), &stop);
  uselocale(previous);
  if (stop != prefix.c_str() + prefix.size()) Fail("strtod did not read the whole grammar prefix", prefix, value);
  return value;
}

bool SameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

// Spacing of doubles at |v|: what reading a decimal text back into a double may add.
long double Ulp(double v) {
  const double a = std::fabs(v);
  const double up = std::nextafter(a, std::numeric_limits<double>::infinity());
  return std::isinf(up) ? static_cast<long double>(a) - std::nextafter(a, 0.0) : static_cast<long double>(up) - a;
}

// The text rounds `value` correctly at its last place, so reading it back lands within half
// that place (plus the rounding of the reading itself). `lastPlace` is the decimal exponent of
// the last digit the conversion rounded at, which for texts whose trailing zeros were dropped
// ("%g") is that of the last significant digit it computed, not the last digit left standing.
void RequireReadsBack(std::string_view text, double value, int lastPlace) {
  const double back = CCalcEngine::ParseNumber(std::string(text));
  Require(std::isfinite(back), "a finite value's text reads back as infinite", text, value);
  const long double error = std::fabs(static_cast<long double>(back) - static_cast<long double>(value));
  const long double half = 0.5L * std::pow(10.0L, static_cast<long double>(lastPlace));
  // The slack covers powl's own rounding of 10^lastPlace, nothing more.
  Require(error <= half * (1.0L + 1e-12L) + Ulp(value), "text does not read back to within half a unit of its last place",
          text, value);
}

bool InExponentBranch(double v) { return !(v > -1e16 && v < 1e16) || (v > 0.0 && v < 1e-14); }

void CheckFormatValue(double value) {
  CCalcEngine engine;
  for (const int precision : {2, 4, 6, 14}) {
    engine.m_nPrecision = precision;
    const std::string text = engine.FormatValue(value);
    const std::string trimmed = CCalcEngine::TrimZeros(text);

    if (std::isnan(value)) {
      Require(text == "nan", "not-a-number is not shown as nan", text, value);
      continue;
    }
    if (std::isinf(value)) {
      Require(text == (value < 0 ? "-inf" : "inf"), "infinity is not shown as inf or -inf", text, value);
      continue;
    }
    const auto n = Split(text);
    Require(n.valid, "not a number text", text, value);
    if (n.hasExponent) Require(n.exponentDigits.size() >= 3, "exponent with fewer than three digits", text, value);
    Require(text.size() <= zelko::fuzz::ResultMax(precision), "text longer than the rules allow", text, value);
    Require(trimmed.size() <= text.size() && CCalcEngine::TrimZeros(trimmed) == trimmed, "TrimZeros is not idempotent",
            trimmed, value);

    if (InExponentBranch(value)) {
      Require(zelko::fuzz::IsGeneralExponentText(text), "exponent branch text is not %g's exponent form", text, value);
      Require(trimmed == text, "TrimZeros changed an exponent form", trimmed, value);
      // Six significant digits: the last one computed is five places below the leading digit.
      RequireReadsBack(text, value, n.Exponent() - 5);
    } else {
      Require(zelko::fuzz::IsFixedText(text, precision, false), "fixed branch text breaks the rules", text, value);
      Require(zelko::fuzz::IsFixedText(trimmed, precision, true), "trimmed fixed text breaks the rules", trimmed, value);
      RequireReadsBack(text, value, -static_cast<int>(n.fraction.size()));
    }
    // Dropping zeros after the point never changes the number a text stands for.
    Require(SameBits(CCalcEngine::ParseNumber(trimmed), CCalcEngine::ParseNumber(text)), "TrimZeros changed the value",
            trimmed, value);
  }

  // "%e", the text of scientific results and of e.000 on a result.
  const std::string scientific = zelko::text::Exponent(value, 6);
  Require(zelko::fuzz::IsScientificText(scientific), "%e text has the wrong shape", scientific, value);
  Require(scientific.size() <= zelko::fuzz::kScientificMax, "%e text too long", scientific, value);
  if (std::isnan(value)) Require(scientific == "nan", "%e of not-a-number is not nan", scientific, value);
  if (std::isfinite(value)) RequireReadsBack(scientific, value, Split(scientific).Exponent() - 6);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  const double parsed = CCalcEngine::ParseNumber(text);
  const double expected = ReferenceRead(text);
  if (!SameBits(parsed, expected)) {
    std::fprintf(stderr, "ParseNumber gives %.17g (bits %016llx), strtod of the grammar prefix %.17g (bits %016llx)\n",
                 parsed, static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(parsed)), expected,
                 static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(expected)));
    Fail("ParseNumber disagrees with the reference reader", text, parsed);
  }

  CheckFormatValue(parsed);
  if (size >= sizeof(double)) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, sizeof bits);
    CheckFormatValue(std::bit_cast<double>(bits));
  }
  return 0;
}
