#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "CalcEngine.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// ---- Display formatting ----------------------------------------------------------------------

struct FormatCase {
  const char* name;
  double value;
  int precision;
  const char* formatted;  // FormatValue
  const char* trimmed;    // TrimZeros of that
};

// Names the case in test listings and failure messages.
void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

const std::vector<FormatCase> kFormatCases = {
    {"third_max", 1.0 / 3, 14, "0.3333333333333", "0.3333333333333"},
    {"third_2", 1.0 / 3, 2, "0.33", "0.33"},
    {"two_thirds_max", 2.0 / 3, 14, "0.6666666666667", "0.6666666666667"},
    {"two_thirds_4", 2.0 / 3, 4, "0.6667", "0.6667"},
    {"half_max", 0.5, 14, "0.50", "0.5"},
    {"minus_half_max", -0.5, 14, "-0.500", "-0.5"},
    {"minus_half_6", -0.5, 6, "-0.500000", "-0.5"},
    {"1234_5_max", 1234.5, 14, "1234.50", "1234.5"},
    {"1234_5_2", 1234.5, 2, "1234.50", "1234.5"},
    {"hundred_max", 100, 14, "100", "100"},
    {"hundred_2", 100, 2, "100.00", "100"},
    {"zero_max", 0, 14, "0", "0"},
    {"zero_2", 0, 2, "0.00", "0"},
    {"zero_4", 0, 4, "0.0000", "0"},
    {"zero_6", 0, 6, "0.000000", "0"},
    {"nine_digits_fraction", 123456789.123456789, 14, "123456789.12346", "123456789.12346"},
    {"pi_max", 3.14159265358979, 14, "3.1415926535898", "3.1415926535898"},
    {"pi_6", 3.14159265358979, 6, "3.141593", "3.141593"},
    {"1e20", 1e20, 14, "1e+020", "1e+020"},
    {"1e20_2", 1e20, 2, "1e+020", "1e+020"},
    {"1_5e20", 1.5e20, 6, "1.5e+020", "1.5e+020"},
    {"minus_1e16", -1e16, 14, "-1e+016", "-1e+016"},
    {"1e16", 1e16, 14, "1e+016", "1e+016"},
    {"below_1e16", 9999999999999998.0, 14, "9999999999999998", "9999999999999998"},
    {"1e_minus15", 1e-15, 4, "1e-015", "1e-015"},
    {"1e_minus20", 1e-20, 14, "1e-020", "1e-020"},
    {"minus_1e_minus20_max", -1e-20, 14, "-0.000000", "-0"},
    {"minus_1e_minus20_2", -1e-20, 2, "-0.00", "-0"},
    {"2e_minus14", 2e-14, 14, "0.00000", "0"},
    {"1e_minus5", 1e-5, 14, "0.00001", "0.00001"},
    {"1e_minus14_max", 1e-14, 14, "0.00000", "0"},
    {"1e_minus14_2", 1e-14, 2, "0.00", "0"},
    {"next_below_1e_minus14", std::nextafter(1e-14, 0.0), 14, "1e-014", "1e-014"},
    {"ten_integer_digits", 5000000000.123456, 14, "5000000000.1235", "5000000000.1235"},
    {"sine_30_radians", std::sin(30.0), 14, "-0.9880316240929", "-0.9880316240929"},
    {"sine_30_radians_2", std::sin(30.0), 2, "-0.99", "-0.99"},
    {"tie_to_even_2", 0.125, 2, "0.12", "0.12"},
    {"inf", kInf, 14, "inf", "inf"},
    {"minus_inf", -kInf, 2, "-inf", "-inf"},
    {"nan", kNaN, 14, "nan", "nan"},
    {"negative_nan", -kNaN, 6, "nan", "nan"},
};

class FormatValueTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatValueTest, TextAndTrimmedText) {
  const auto& c = GetParam();
  CCalcEngine engine;
  engine.m_nPrecision = c.precision;
  const std::string text = engine.FormatValue(c.value);
  EXPECT_EQ(text, c.formatted);
  EXPECT_EQ(CCalcEngine::TrimZeros(text), c.trimmed);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatValueTest, ::testing::ValuesIn(kFormatCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TrimZeros, Table) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"1.5e+020", "1.5e+020"}, {"120", "120"}, {"5.", "5"},       {"0.0100", "0.01"}, {"0.000", "0"},
      {"-0.000000", "-0"},      {"100", "100"}, {"", ""},          {"1.500000e+003", "1.500000e+003"},
      {"10.50", "10.5"},        {".", ""},     {"Error", "Error"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(CCalcEngine::TrimZeros(in), out) << in;
}

// ---- Number reading ---------------------------------------------------------------------------

TEST(ParseNumber, Grammar) {
  const std::vector<std::pair<std::string, double>> cases = {
      {"12.5abc", 12.5}, {"  -3", -3},     {"-", 0},     {"", 0},          {"1.5e3", 1500}, {"1e", 1},
      {"1e+", 1},        {"1e-", 1},       {".5", 0.5},  {".", 0},         {"inf", 0},      {"nan", 0},
      {"infinity", 0},   {"0x10", 0},      {"1,5", 1},   {"007", 7},       {"+7", 7},       {"5.", 5},
      {"1E2", 100},      {"1e+020", 1e20}, {"- 3", 0},   {"1.2.3", 1.2},   {"1e400", kInf}, {"-1e400", -kInf},
      {"1e-400", 0},     {"Error", 0},     {"e5", 0},    {"\n\t 2", 2},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(CCalcEngine::ParseNumber(in), out) << '"' << in << '"';
  EXPECT_TRUE(std::signbit(CCalcEngine::ParseNumber("-0")));
}

TEST(ParseNumber, LongTextsRoundCorrectly) {
  // 0.1 followed by many more digits still reads as the double nearest to the whole text.
  EXPECT_EQ(CCalcEngine::ParseNumber("0.1000000000000000055511151231257827021181583404541015625"), 0.1);
  EXPECT_EQ(CCalcEngine::ParseNumber(std::string(1000, '9')), kInf);
  EXPECT_EQ(CCalcEngine::ParseNumber("0." + std::string(500, '0') + "1"), 0.0);
  EXPECT_EQ(CCalcEngine::ParseNumber("1" + std::string(300, '0')), 1e300);
  EXPECT_EQ(CCalcEngine::ParseNumber("1" + std::string(400, '0') + "e-400"), 1.0);
  EXPECT_EQ(CCalcEngine::ParseNumber("1e99999999999999999999999"), kInf);
  EXPECT_EQ(CCalcEngine::ParseNumber("1e-99999999999999999999999"), 0.0);
}

// ---- Registers ------------------------------------------------------------------------------

TEST(Registers, NewEngineStartsAtItsInitialValues) {
  CCalcEngine e;
  EXPECT_EQ(e.m_nPrecision, 14);
  EXPECT_EQ(e.m_nFieldWidth, 15);
  EXPECT_EQ(e.m_nAngleMode, 1);
  EXPECT_EQ(e.m_nLevel, 0);
  EXPECT_EQ(e.m_dMemory, 0.0);
  EXPECT_EQ(e.m_dLastResult, 0.0);
  EXPECT_TRUE(e.m_strEntry.empty());
  for (int l = 0; l < 2; ++l)
    for (int s = 0; s < 4; ++s) {
      EXPECT_EQ(e.m_nOps[l][s], 0);
      EXPECT_EQ(e.m_dValues[l][s], 0.0);
    }
}

TEST(Registers, FifthPushDropsTheFirstCode) {
  CCalcEngine e;
  for (int op : {1, 2, 3, 4, 5}) e.PushOp(op);
  EXPECT_EQ((std::vector<int>{e.m_nOps[0][0], e.m_nOps[0][1], e.m_nOps[0][2], e.m_nOps[0][3]}),
            (std::vector<int>{5, 4, 3, 2}));
}

TEST(Registers, HistoryOperationsTouchOnlyTheCurrentLevel) {
  CCalcEngine e;
  e.PushOp(3);
  e.m_strEntry = "7";
  e.CommitEntry();
  e.m_nLevel = 1;
  e.PushOp(2);
  e.m_strEntry = "9";
  e.CommitEntry();
  e.ShiftValues();
  e.ClearOps();
  EXPECT_EQ(e.m_nOps[0][0], 3);
  EXPECT_EQ(e.m_dValues[0][0], 7);
  EXPECT_EQ(e.m_nOps[1][0], 0);
  EXPECT_EQ(e.m_dValues[1][0], 0.0);
  EXPECT_EQ(e.m_dValues[1][1], 9);
}

TEST(Registers, CommitEntryReadsTheEntryText) {
  const std::vector<std::pair<std::string, double>> cases = {{"", 0.0}, {"12.5abc", 12.5}, {"  -3", -3}, {"-", 0.0}};
  for (const auto& [text, value] : cases) {
    CCalcEngine e;
    e.m_dValues[0][0] = 4;
    e.m_dValues[0][1] = 5;
    e.m_strEntry = text;
    e.CommitEntry();
    EXPECT_EQ(e.m_dValues[0][0], value) << text;
    EXPECT_EQ(e.m_dValues[0][1], 4);
    EXPECT_EQ(e.m_dValues[0][2], 5);
    EXPECT_TRUE(e.m_strEntry.empty());
  }
}

TEST(Registers, ClearAllKeepsLevelModesAndMemory) {
  CCalcEngine e;
  e.m_nLevel = 1;
  e.m_dMemory = 42;
  e.m_nPrecision = 4;
  e.m_nAngleMode = 0;
  e.m_bInverse = 1;
  e.m_bParenClosed = 1;
  e.m_nOps[0][2] = 3;
  e.m_nOps[1][0] = 2;
  e.m_dValues[0][3] = 8;
  e.m_dValues[1][1] = 9;
  e.m_strEntry = "12";
  e.m_dLastResult = 5;
  e.ClearAll();
  EXPECT_EQ(e.m_nLevel, 1);
  EXPECT_EQ(e.m_dMemory, 42);
  EXPECT_EQ(e.m_nPrecision, 4);
  EXPECT_EQ(e.m_nAngleMode, 0);
  EXPECT_EQ(e.m_bInverse, 1);
  EXPECT_EQ(e.m_bParenClosed, 1);
  EXPECT_EQ(e.m_nOps[0][2], 0);
  EXPECT_EQ(e.m_nOps[1][0], 0);
  EXPECT_EQ(e.m_dValues[0][3], 0.0);
  EXPECT_EQ(e.m_dValues[1][1], 0.0);
  EXPECT_TRUE(e.m_strEntry.empty());
  EXPECT_EQ(e.m_dLastResult, 0.0);
}

TEST(Registers, OutOfRangeLevelIsReadAsTheMainLevel) {
  CCalcEngine e;
  e.m_nLevel = 7;
  e.PushOp(3);
  e.m_strEntry = "2";
  e.CommitEntry();
  EXPECT_EQ(e.m_nOps[0][0], 3);
  EXPECT_EQ(e.m_dValues[0][0], 2);
}

TEST(Registers, MemoryStoresAndRecalls) {
  CCalcEngine e;
  e.StoreMemory(-2.5);
  EXPECT_EQ(e.RecallMemory(), -2.5);
}

// ---- Evaluation -----------------------------------------------------------------------------

struct EvalCase {
  const char* name;
  int op;
  double left, right;
  int angle;    // 1 degrees, 0 radians
  int inverse;
  int precision;
  const char* text;
};

// Names the case in test listings and failure messages.
void PrintTo(const EvalCase& c, std::ostream* os) { *os << c.name; }

const std::vector<EvalCase> kEvalCases = {
    {"divide", OP_DIVIDE, 7, 2, 1, 0, 14, "3.5"},
    {"subtract_left_minus_right", OP_SUBTRACT, 2, 5, 1, 0, 14, "-3"},
    {"add", OP_ADD, 2, 3, 1, 0, 14, "5"},
    {"multiply", OP_MULTIPLY, 5, 4, 1, 0, 14, "20"},
    {"divide_by_zero", OP_DIVIDE, 1, 0, 1, 0, 14, "inf"},
    {"zero_by_zero", OP_DIVIDE, 0, 0, 1, 0, 14, "nan"},
    {"reciprocal_of_zero", OP_RECIPROCAL, 0, 0, 1, 0, 14, "0"},
    {"reciprocal_of_four", OP_RECIPROCAL, 0, 4, 1, 0, 14, "0.25"},
    {"reciprocal_of_nan", OP_RECIPROCAL, 0, kNaN, 1, 0, 14, "0"},
    {"sqrt", OP_SQRT, 0, 9, 1, 0, 14, "3"},
    {"sqrt_negative", OP_SQRT, 0, -4, 1, 0, 14, "nan"},
    {"square", OP_SQUARE, 0, -3, 1, 0, 14, "9"},
    {"power", OP_POWER, 2, 10, 1, 0, 14, "1024"},
    {"root", OP_POWER, 8, 3, 1, 1, 14, "2"},
    {"percent", OP_PERCENT, 0, 50, 1, 0, 14, "0.5"},
    {"log_1000", OP_LOG10, 0, 1000, 1, 0, 14, "3"},
    {"log_zero", OP_LOG10, 0, 0, 1, 0, 14, "Error"},
    {"log_negative", OP_LOG10, 0, -5, 1, 0, 14, "Error"},
    {"ln_nan", OP_LN, 0, kNaN, 1, 0, 14, "Error"},
    {"ln_one", OP_LN, 0, 1, 1, 0, 14, "0"},
    {"sin_30_degrees", OP_SIN, 0, 30, 1, 0, 14, "0.5"},
    {"tan_45_degrees", OP_TAN, 0, 45, 1, 0, 14, "1"},
    {"asin_half_degrees", OP_ASIN, 0, 0.5, 1, 0, 14, "30"},
    {"sin_180_degrees", OP_SIN, 0, 180, 1, 0, 14, "3.23109e-015"},
    {"sin_360_degrees", OP_SIN, 0, 360, 1, 0, 14, "-0"},
    {"sin_30_radians", OP_SIN, 0, 30, 0, 0, 14, "-0.9880316240929"},
    {"sin_30_radians_2", OP_SIN, 0, 30, 0, 0, 2, "-0.99"},
    {"acos_outside", OP_ACOS, 0, 2, 1, 0, 14, "nan"},
    {"exp10", OP_EXP10, 0, 2, 1, 0, 14, "100"},
    {"exp_one", OP_EXP, 0, 1, 1, 0, 14, "2.718281828459"},
    {"atan_one_degrees", OP_ATAN, 0, 1, 1, 0, 14, "45"},
    {"overflow", OP_MULTIPLY, 1e300, 1e300, 1, 0, 14, "inf"},
    {"sci", OP_SCI, 1.5, 3, 1, 0, 14, "1.500000e+003"},
    {"sci_negative_exponent", OP_SCI, 1.5, -3, 1, 0, 14, "1.500000e-003"},
    {"none", OP_NONE, 1, 2, 1, 0, 14, ""},
    {"equals", OP_EQUALS, 1, 2, 1, 0, 14, ""},
    {"unknown_6", 6, 1, 2, 1, 0, 14, ""},
    {"unknown_99", 99, 1, 2, 1, 0, 14, ""},
    {"unknown_negative", -1, 1, 2, 1, 0, 14, ""},
};

class EvaluateTest : public ::testing::TestWithParam<EvalCase> {};

TEST_P(EvaluateTest, EvaluateAndEvaluateOpAgree) {
  const auto& c = GetParam();
  CCalcEngine e;
  e.m_nAngleMode = c.angle;
  e.m_bInverse = c.inverse;
  e.m_nPrecision = c.precision;
  e.m_nOps[0][1] = c.op;
  e.m_nOps[0][0] = OP_EQUALS;
  e.m_dValues[0][1] = c.left;
  e.m_dValues[0][0] = c.right;
  e.m_strEntry = "77";
  e.m_dLastResult = -1;

  EXPECT_EQ(e.EvaluateOp(c.op, c.right, c.left), c.text);
  EXPECT_EQ(e.m_strEntry, "77") << "EvaluateOp changes nothing";
  EXPECT_EQ(e.m_dLastResult, -1);

  const std::string text = e.Evaluate();
  EXPECT_EQ(text, c.text);
  EXPECT_EQ(e.m_nOps[0][1], c.op) << "ops are never shifted by evaluation";
  EXPECT_EQ(e.m_dValues[0][1], c.left);
  if (text.empty() || text == "Error") {
    EXPECT_EQ(e.m_strEntry, "77");
    EXPECT_EQ(e.m_dLastResult, -1);
    EXPECT_TRUE(std::isnan(c.right) || e.m_dValues[0][0] == c.right);
  } else {
    EXPECT_TRUE(e.m_strEntry.empty());
    const double shown = CCalcEngine::ParseNumber(text);
    EXPECT_TRUE(e.m_dLastResult == shown || (std::isnan(shown) && e.m_dLastResult == 0.0)) << e.m_dLastResult;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, EvaluateTest, ::testing::ValuesIn(kEvalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Evaluate, ResultKeepsFullPrecisionWhileLastResultIsAsShown) {
  CCalcEngine e;
  e.m_nOps[0][1] = OP_DIVIDE;
  e.m_dValues[0][1] = 1;
  e.m_dValues[0][0] = 3;
  EXPECT_EQ(e.Evaluate(), "0.3333333333333");
  EXPECT_EQ(e.m_dValues[0][0], 1.0 / 3);
  EXPECT_EQ(e.m_dLastResult, 0.3333333333333);
}

TEST(Evaluate, ScientificResultStoresValueAndShownValue) {
  CCalcEngine e;
  e.m_nOps[0][1] = OP_SCI;
  e.m_dValues[0][1] = 1.5;
  e.m_dValues[0][0] = 3;
  e.m_strEntry = "3";
  EXPECT_EQ(e.Evaluate(), "1.500000e+003");
  EXPECT_EQ(e.m_dValues[0][0], 1500);
  EXPECT_EQ(e.m_dLastResult, 1500);
  EXPECT_TRUE(e.m_strEntry.empty());
}

TEST(Evaluate, SineOf30DegreesIsStoredBelowOneHalf) {
  CCalcEngine e;
  e.m_nOps[0][1] = OP_SIN;
  e.m_dValues[0][0] = 30;
  EXPECT_EQ(e.Evaluate(), "0.5");
  EXPECT_LT(e.m_dValues[0][0], 0.5);
  EXPECT_EQ(e.m_dLastResult, 0.5);
}

TEST(Evaluate, UsesTheCurrentLevel) {
  CCalcEngine e;
  e.m_nLevel = 1;
  e.m_nOps[1][1] = OP_ADD;
  e.m_dValues[1][1] = 3;
  e.m_dValues[1][0] = 4;
  e.m_nOps[0][1] = OP_MULTIPLY;
  e.m_dValues[0][1] = 100;
  EXPECT_EQ(e.Evaluate(), "7");
  EXPECT_EQ(e.m_dValues[1][0], 7);
  EXPECT_EQ(e.m_dValues[0][0], 0.0);
}

// ---- Locale independence ---------------------------------------------------------------------

// Switches the process to a locale whose decimal point is a comma, building one with localedef
// in a scratch folder when the machine has none installed.
bool UseCommaLocale() {
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"})
    if (std::setlocale(LC_ALL, name)) return true;
  const auto dir = std::filesystem::temp_directory_path() / "zelko-locales";
  std::filesystem::create_directories(dir);
  const std::string command = "localedef -i de_DE -f UTF-8 '" + (dir / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0 && !std::filesystem::exists(dir / "de_DE.UTF-8")) return false;
  setenv("LOCPATH", dir.c_str(), 1);
  return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
}

TEST(Locale, CommaLocaleChangesNoText) {
  CCalcEngine e;
  std::vector<std::string> before;
  const std::vector<double> values = {1.0 / 3, -0.5, 1234.5, 1e20, 1e-20, 2.5e-15, 3.14159265358979};
  const auto collect = [&] {
    std::vector<std::string> texts;
    for (int precision : {2, 4, 6, 14}) {
      e.m_nPrecision = precision;
      for (double v : values) texts.push_back(e.FormatValue(v));
    }
    e.m_nOps[0][1] = OP_SCI;
    e.m_dValues[0][1] = 1.5;
    e.m_dValues[0][0] = 3;
    texts.push_back(e.Evaluate());
    texts.push_back(e.FormatValue(CCalcEngine::ParseNumber("2.75")));
    return texts;
  };
  before = collect();
  ASSERT_TRUE(UseCommaLocale()) << "no comma locale could be set up";
  ASSERT_EQ(std::localeconv()->decimal_point, std::string(","));
  const auto after = collect();
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(before, after);
  EXPECT_EQ(CCalcEngine::ParseNumber("1,5"), 1.0);
}

}  // namespace
