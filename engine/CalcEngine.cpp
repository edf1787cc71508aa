#include "CalcEngine.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <system_error>

#include "TextFormat.h"

namespace {

// Degrees use these fifteen-digit constants, not the doubles nearest pi and 1/pi, so that
// sine of 180 degrees shows 3.23109e-015 rather than 0.
constexpr double kOneOver180 = 0.005555555555555556;
constexpr double kPi15 = 3.14159265358979;
constexpr double kOneOverPi15 = 0.318309886183791;

constexpr double kExponentThreshold = 1e16;
constexpr double kSmallThreshold = 1e-14;
constexpr int kMaxDecimals = 14;
constexpr int kMaxChars = 15;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Decimal exponent of a number text that a double cannot hold, positive for one too large and
// negative for one too small: the place of its first significant digit plus its exponent,
// saturated so that a million-digit text cannot overflow the count.
long long DecimalMagnitude(const char* mantissa, const char* mantissaEnd, const char* end) {
  constexpr long long kLimit = 1'000'000'000'000LL;
  long long place = 0;
  bool point = false, significant = false;
  for (const char* c = mantissa; c != mantissaEnd; ++c) {
    if (*c == '.') point = true;
    else if (*c != '0') significant = true;
    if (*c == '.') continue;
    if (!point && significant) place = std::min(place + 1, kLimit);
    if (point && !significant) place = std::max(place - 1, -kLimit);
  }
  long long exponent = 0;
  bool negative = false;
  for (const char* c = mantissaEnd; c != end; ++c) {
    if (*c == '-') negative = true;
    if (IsDigit(*c)) exponent = std::min(exponent * 10 + (*c - '0'), kLimit);
  }
  return place + (negative ? -exponent : exponent);
}

}  // namespace

void CCalcEngine::ClearOps() {
  for (auto& op : m_nOps[Row()]) op = 0;
}

void CCalcEngine::ShiftOps() {
  auto& ops = m_nOps[Row()];
  for (int slot = kSlots - 1; slot > 0; --slot) ops[slot] = ops[slot - 1];
  ops[0] = 0;
}

void CCalcEngine::PushOp(std::int32_t op) {
  ShiftOps();
  m_nOps[Row()][0] = op;
}

void CCalcEngine::ShiftValues() {
  auto& values = m_dValues[Row()];
  for (int slot = kSlots - 1; slot > 0; --slot) values[slot] = values[slot - 1];
  values[0] = 0.0;
}

double CCalcEngine::ParseNumber(const std::string& text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end && IsSpace(*p)) ++p;

  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) negative = *p++ == '-';

  // Mantissa: digits, optionally a point and more digits; at least one digit overall.
  const char* const start = p;
  bool digits = false;
  while (p != end && IsDigit(*p)) ++p, digits = true;
  if (p != end && *p == '.') {
    ++p;
    while (p != end && IsDigit(*p)) ++p, digits = true;
  }
  if (!digits) return 0.0;
  const char* const mantissaEnd = p;

  // Exponent only when e or E is followed by digits (an optional sign between): "1e+" is 1.
  if (p != end && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    if (q != end && (*q == '+' || *q == '-')) ++q;
    if (q != end && IsDigit(*q)) {
      while (q != end && IsDigit(*q)) ++q;
      p = q;
    }
  }

  double value = 0.0;
  const auto [stop, ec] = std::from_chars(start, p, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    value = DecimalMagnitude(start, mantissaEnd, p) > 0 ? HUGE_VAL : 0.0;
  } else if (ec != std::errc{} || stop != p) {
    value = 0.0;  // cannot happen for text that matched the grammar above
  }
  return negative ? -value : value;
}

double CCalcEngine::GetEntryValue() const { return ParseNumber(m_strEntry); }

void CCalcEngine::ClearEntry() { m_strEntry.clear(); }

void CCalcEngine::CommitEntry() {
  ShiftValues();
  m_dValues[Row()][0] = GetEntryValue();
  ClearEntry();
}

void CCalcEngine::ClearAll() {
  for (auto& row : m_nOps)
    for (auto& op : row) op = 0;
  for (auto& row : m_dValues)
    for (auto& value : row) value = 0.0;
  m_strEntry.clear();
  m_dLastResult = 0.0;
}

void CCalcEngine::StoreMemory(double value) { m_dMemory = value; }

double CCalcEngine::RecallMemory() const { return m_dMemory; }

std::string CCalcEngine::FormatValue(double value) const {
  using namespace zelko::text;
  // The comparisons are false for not-a-number, which therefore takes the exponent branch.
  const bool inRange = value > -kExponentThreshold && value < kExponentThreshold;
  if (!inRange || (value > 0.0 && value < kSmallThreshold)) return RemoveBlanks(General(value, 6));

  if (m_nPrecision == 2 || m_nPrecision == 4 || m_nPrecision == 6)
    return RemoveBlanks(PadLeft(Fixed(value, m_nPrecision), m_nFieldWidth));

  // As many decimals as fit in 15 characters: d is one more than the fraction's "%15.15g" digits.
  const double integerPart = std::trunc(value);
  const double fraction = value - integerPart;
  const std::string fractionText = TrimZeros(RemoveBlanks(PadLeft(General(fraction, 15), 15)));
  int decimals = std::min(static_cast<int>(fractionText.size()) - 1, kMaxDecimals);
  // An integer part of -0.0 (values between -1 and 0) is written "0", without a sign.
  const std::string integerText = integerPart == 0.0 ? "0" : Fixed(integerPart, 0);
  const int n = std::min(static_cast<int>(integerText.size()) + 1, kMaxChars);
  int width = n + decimals;
  if (width > kMaxChars) {
    width = kMaxChars;
    decimals = kMaxChars - n;
  }
  return RemoveBlanks(PadLeft(Fixed(value, decimals), width));
}

std::string CCalcEngine::TrimZeros(const std::string& text) {
  const auto point = text.rfind('.');
  if (point == std::string::npos || text.find('e') != std::string::npos) return text;
  std::string result = text;
  while (result.size() > point + 1 && result.back() == '0') result.pop_back();
  if (result.size() == point + 1) result.pop_back();
  return result;
}

bool CCalcEngine::IsLogOfNonPositive(std::int32_t op, double right) {
  return (op == OP_LOG10 || op == OP_LN) && !(right > 0.0);
}

bool CCalcEngine::Compute(std::int32_t op, double r, double l, double& v) const {
  const bool degrees = m_nAngleMode == 1;
  const auto angleIn = [degrees](double x) { return degrees ? x * kOneOver180 * kPi15 : x; };
  const auto angleOut = [degrees](double x) { return degrees ? x * 180.0 * kOneOverPi15 : x; };
  switch (op) {
    case OP_DIVIDE: v = l / r; return true;
    case OP_MULTIPLY: v = l * r; return true;
    case OP_ADD: v = l + r; return true;
    case OP_SUBTRACT: v = l - r; return true;
    case OP_RECIPROCAL: v = (r == 0.0 || std::isnan(r)) ? 0.0 : 1.0 / r; return true;
    case OP_SQRT: v = std::pow(r, 0.5); return true;
    case OP_SQUARE: v = r * r; return true;
    case OP_POWER: v = m_bInverse ? std::pow(l, 1.0 / r) : std::pow(l, r); return true;
    case OP_PERCENT: v = r * 0.01; return true;
    case OP_LOG10: v = std::log10(r); return true;
    case OP_LN: v = std::log(r); return true;
    case OP_SIN: v = std::sin(angleIn(r)); return true;
    case OP_COS: v = std::cos(angleIn(r)); return true;
    case OP_TAN: v = std::tan(angleIn(r)); return true;
    case OP_EXP10: v = std::pow(10.0, r); return true;
    case OP_EXP: v = std::exp(r); return true;
    case OP_ASIN: v = angleOut(std::asin(r)); return true;
    case OP_ACOS: v = angleOut(std::acos(r)); return true;
    case OP_ATAN: v = angleOut(std::atan(r)); return true;
    case OP_SCI: v = l * std::pow(10.0, r); return true;
    default: return false;  // none, equals and unknown codes calculate nothing
  }
}

std::string CCalcEngine::Evaluate() {
  const int row = Row();
  const std::int32_t op = m_nOps[row][1];
  const double r = m_dValues[row][0];
  const double l = m_dValues[row][1];
  if (IsLogOfNonPositive(op, r)) return "Error";
  double v = 0.0;
  if (!Compute(op, r, l, v)) return {};

  const std::string text = op == OP_SCI ? zelko::text::Exponent(v, 6) : TrimZeros(FormatValue(v));
  ClearEntry();
  m_dValues[row][0] = v;
  // Also for OP_SCI, so that the sign key recognises a scientific result as the operand.
  m_dLastResult = ParseNumber(text);
  return text;
}

std::string CCalcEngine::EvaluateOp(std::int32_t op, double right, double left) const {
  if (IsLogOfNonPositive(op, right)) return "Error";
  double v = 0.0;
  if (!Compute(op, right, left, v)) return {};
  return op == OP_SCI ? zelko::text::Exponent(v, 6) : TrimZeros(FormatValue(v));
}
