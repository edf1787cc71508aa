#include <gtest/gtest.h>

#include <array>
#include <map>
#include <sstream>
#include <ostream>
#include <string>
#include <vector>

#include "CalcKeypad.h"
#include "KeyCommands.h"

namespace {

struct RecordingDisplay : CDisplaySink {
  std::vector<std::string> shown;
  void ShowText(const std::string& text) override { shown.push_back(text); }
  std::string Last() const { return shown.empty() ? std::string("<nothing shown>") : shown.back(); }
};

struct RecordingFaces : CKeyFaceSink {
  std::map<int, int> face;
  std::vector<std::pair<int, int>> calls;
  void SetKeyFace(int controlId, int iconId) override {
    face[controlId] = iconId;
    calls.emplace_back(controlId, iconId);
  }
};

// A keypad on its own engine, driven by key scripts: blank-separated tokens, each a key name
// ("SqRt", "+/-", "e.000") or else a run of one-character keys ("12.5", "2+3=").
struct Calculator {
  CCalcEngine engine;
  RecordingDisplay display;
  RecordingFaces faces;
  CCalcKeypad keypad{engine, display, faces};

  void PressName(const std::string& name) {
    for (const auto& key : kKeyOperations) {
      if (key.name == name) {
        key.press(keypad);
        return;
      }
    }
    ADD_FAILURE() << "no key named " << name;
  }

  void Press(const std::string& script) {
    std::istringstream in(script);
    std::string token;
    while (in >> token) {
      if (token == "rad") token = "deg";
      if (FindName(token)) {
        PressName(token);
      } else {
        for (char c : token) PressName(std::string(1, c));
      }
    }
  }

  static bool FindName(const std::string& token) {
    for (const auto& key : kKeyOperations)
      if (key.name == token) return true;
    return false;
  }

  std::array<int, 4> Ops(int level) const {
    return {engine.m_nOps[level][0], engine.m_nOps[level][1], engine.m_nOps[level][2], engine.m_nOps[level][3]};
  }
  std::array<double, 4> Values(int level) const {
    return {engine.m_dValues[level][0], engine.m_dValues[level][1], engine.m_dValues[level][2],
            engine.m_dValues[level][3]};
  }
};

// ---- Key sequences and the text they leave on display ----------------------------------------

struct SequenceCase {
  const char* name;
  const char* keys;
  const char* shown;  // the last text passed to the display
  int precision = 14;
  int angle = 1;
};

// Names the case in test listings and failure messages.
void PrintTo(const SequenceCase& c, std::ostream* os) { *os << c.name; }

const std::vector<SequenceCase> kSequences = {
    // Entry keys
    {"point_at_start", ".", "0."},
    {"second_point_ignored", "5.2.", "5.2"},
    {"point_after_operator", "2+.", "0."},
    {"point_after_fraction_result_ignored", "1/4= .", "0.25"},
    {"point_after_integer_result", "2+3= .", "."},
    {"leading_zeros_kept", "007", "007"},
    {"sign_of_typed_number", "12 +/-", "-12"},
    {"sign_twice", "12 +/- +/-", "12"},
    {"sign_of_result", "2+3= +/-", "-5"},
    {"sign_of_result_then_add", "2+3= +/- +1=", "-4"},
    {"sign_twice_on_result_then_add", "2+3= +/- +/- +1=", "6"},
    {"sign_of_typed_number_equal_to_result", "2+3+5 +/- =", "0"},
    {"backspace", "123 <--", "12"},
    {"backspace_to_empty", "5 <--", ""},
    {"clear_then_point", "12 Clear .", "0."},
    {"clear_inside_group", "(3+4 Clear 5+1=", "6"},
    {"clear_after_group", "(3+4) Clear 5+1=", "6"},
    {"clear_while_power_armed", "2 y^x 3 Clear 4+1=", "5"},
    // Chains and parentheses
    {"no_precedence", "2+3*4=", "20"},
    {"group_folds_at_equals", "2*(3+4)=", "14"},
    {"minus_then_equals_keeps_pending", "5-=", "5"},
    {"minus_then_equals_then_number", "5-= 3=", "2"},
    {"equals_not_repeated", "2+3==", "5"},
    {"newest_operator_counts", "6*-2=", "4"},
    {"result_is_running_value", "2+3=+4=", "9"},
    {"number_after_equals_starts_over", "2+3=7=", "7"},
    {"group_first", "(3+4)*2=", "14"},
    {"group_folds_at_operator", "2*(3+4)+1=", "15"},
    {"group_in_middle", "10-(2*3)*2=", "8"},
    {"single_number_group", "2*(5)=", "10"},
    {"nested_parens_ignored", "2*((3+4))=", "14"},
    {"paren_does_not_commit_entry", "2(3+4)=", "27"},
    {"second_group_replaces_first", "(1+5)(3+4)=", "7"},
    {"number_after_group_replaced", "(3)5+1=", "4"},
    {"every_group_starts_empty", "(1+2)= 2*(5)=", "10"},
    {"equals_inside_group_keeps_value", "2*(3+4=)=", "14"},
    {"division_by_zero", "1/0=", "inf"},
    {"close_paren_at_level_0", "5)+1=", "6"},
    // Memory
    {"recall_empty_memory", "MR", ""},
    {"store_empty_display_stores_zero", "5 MS Clear MS MR", ""},
    {"store_holds_subtotal_not_error", "5+3 +/- log MS Clear MR", "2"},
    {"recall_negative", "12 +/- MS Clear MR", "-12"},
    {"recall_as_operand", "7 MS Clear 2+ MR =", "9"},
    {"store_does_not_end_entry", "7 MS 2", "72"},
    {"recall_replaces_entry", "7 MS 2 MR", "7"},
    {"recall_precision_2", "3.14159 MS Clear MR", "3.14", 2},
    {"recall_trims_zeros", "2.5 MS Clear MR", "2.5", 2},
    {"store_shown_result", "1/3= MS Clear MR", "0.33", 2},
    // Functions
    {"sqrt", "9 SqRt", "3"},
    {"function_of_function_result", "9 SqRt x^2", "9"},
    {"function_shows_result", "2+9 SqRt", "3"},
    {"function_then_equals_shows_subtotal", "2+9 SqRt =", "5"},
    {"function_then_chain", "2+9 SqRt +1=", "6"},
    {"second_function_on_subtotal", "2+16 SqRt SqRt", "2.4494897427832"},
    {"second_function_then_equals", "2+16 SqRt SqRt =", "2.4494897427832"},
    {"number_after_function_replaces_subtotal", "2+9 SqRt 4=", "4"},
    {"function_of_displayed_operand", "2+ SqRt", "1.4142135623731"},
    {"function_of_displayed_operand_equals", "2+ SqRt =", "3.4142135623731"},
    {"typed_zero_counts_as_nothing", "2+0 SqRt =", "3.4142135623731"},
    {"percent_of_product", "50*10%=", "5"},
    {"percent_only_scales", "200+10%=", "200.1"},
    {"reciprocal", "8 1/x", "0.125"},
    {"reciprocal_of_zero", "0 1/x", "0"},
    {"log", "100 log", "2"},
    {"inverse_log", "INV 2 log", "100"},
    {"inverse_ln", "INV 1 ln", "2.718281828459"},
    {"sine_degrees", "30 sin", "0.5"},
    {"arcsine_degrees", "INV 0.5 sin", "30"},
    {"sine_radians", "deg 30 sin", "-0.9880316240929"},
    {"sine_radians_precision_2", "30 sin", "-0.99", 2, 0},
    {"inverse_square_is_root", "INV 3 x^2", "1.7320508075689"},
    {"inverse_square_in_chain", "2*3 INV x^2 =", "3.4641016151378"},
    {"inverse_stays_on", "2*3 INV x^2 = 2 log", "100"},
    {"group_value_as_operand", "(2+7) SqRt", "3"},
    {"function_at_start_does_nothing", "SqRt", "<nothing shown>"},
    {"log_error", "5+3 +/- log", "Error"},
    {"log_error_then_equals", "5+3 +/- log =", "2"},
    {"sqrt_negative", "4 +/- SqRt", "nan"},
    {"pi", "pi", "3.1415926535898"},
    {"pi_precision_2", "pi", "3.14", 2},
    {"pi_precision_4", "pi", "3.1416", 4},
    {"pi_precision_6", "pi", "3.141593", 6},
    {"two_pi_precision_2", "2* pi =", "6.28", 2},
    {"two_pi", "2* pi =", "6.2831853071796"},
    {"point_after_pi_ignored", "pi .", "3.1415926535898"},
    // Power, root and scientific notation
    {"power", "2 y^x 10=", "1024"},
    {"power_binds_to_number_before", "3+2 y^x 10=", "1027"},
    {"cube_root", "27 INV y^x 3=", "3"},
    {"ninth_root", "2 INV y^x 9=", "1.0800597388923"},
    {"scientific_entry", "1.5 e.000 3=", "1.500000e+003"},
    {"scientific_entry_to_decimal", "1.5 e.000 3= INV e.000", "1500"},
    {"scientific_entry_folded", "3+1.5 e.000 3=", "1503"},
    {"exponent_form_of_result", "2+3= e.000", "5.000000e+000"},
    {"exponent_form_back", "2+3= e.000 INV e.000", "5"},
    {"power_of_result", "2+3= y^x 2=", "25"},
    {"power_of_displayed_operand", "2+ y^x 3=", "10"},
    {"power_of_power_result", "2 y^x 3= y^x 2=", "64"},
    {"power_completed_by_power", "2 y^x 3 y^x 2=", "2"},
    {"inverse_decided_at_completion", "27 y^x INV 3=", "3"},
    {"inverse_twice_is_power", "27 INV y^x INV 3=", "19683"},
    {"negative_exponent", "1.5 e.000 3 +/- =", "1.500000e-003"},
    {"negative_exponent_sign_of_result", "1.5 e.000 3 +/- = +/-", "-1.500000e-003"},
    {"fractional_exponent", "1.5 e.000 2.5=", "4.743416e+002"},
    {"power_in_group", "(2 y^x 3)+1=", "9"},
    {"power_in_group_after_operator", "2*(3 y^x 2)=", "18"},
    {"group_as_exponent_unsupported", "2 y^x (3+4)=", "7"},
    {"scientific_on_exponent_text_does_nothing", "1.5 e.000 3= 1 e.000", "1"},
    {"scientific_at_start", "e.000 5", "              0  005"},
    {"scientific_at_start_equals", "e.000 5=", "5"},
    {"power_with_empty_second_number", "2 y^x =", "1"},
    {"scientific_with_empty_exponent", "1.5 e.000 =", "1.500000e+000"},
    {"function_replaces_exponent", "2 y^x 9 SqRt", "3"},
    {"function_replaces_exponent_equals", "2 y^x 9 SqRt =", "8"},
    {"function_of_empty_exponent", "2 y^x SqRt", "0"},
    {"function_of_empty_exponent_equals", "2 y^x SqRt =", "1"},
    {"point_starts_exponent", "2.5 y^x .5=", "1.5811388300842"},
    {"point_starts_scientific_exponent", "1.5 e.000 .5=", "4.743416e+000"},
    {"exponent_digit_layout", "1.5 e.000 3", "            1.5  003"},
    {"exponent_backspace_shows_plain", "1.5 e.000 34 <--", "3"},
    {"exponent_sign_shows_plain", "1.5 e.000 3 +/-", "-3"},
    {"huge_exponent_clamped", "1.5 e.000 99999999999", "            1.5  2147483647"},
    {"huge_negative_exponent_clamped", "1.5 e.000 99999999999 +/- 9", "            1.5  -2147483648"},
};

class SequenceTest : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(SequenceTest, ShowsText) {
  const auto& c = GetParam();
  Calculator calc;
  calc.engine.m_nPrecision = c.precision;
  calc.engine.m_nAngleMode = c.angle;
  calc.Press(c.keys);
  EXPECT_EQ(calc.display.Last(), c.shown) << c.keys;
}

INSTANTIATE_TEST_SUITE_P(Keys, SequenceTest, ::testing::ValuesIn(kSequences),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Traces of every slot ------------------------------------------------------------------

struct TraceStep {
  const char* keys;
  std::array<int, 4> ops;  // level 0, slot 0 first
  std::array<double, 4> values;
  const char* entry;
  const char* display;  // m_strDisplay
  const char* shown;    // last text passed to the sink
};

void RunTrace(const std::vector<TraceStep>& steps) {
  Calculator calc;
  for (const auto& step : steps) {
    calc.Press(step.keys);
    EXPECT_EQ(calc.Ops(0), step.ops) << "after " << step.keys;
    EXPECT_EQ(calc.Values(0), step.values) << "after " << step.keys;
    EXPECT_EQ(calc.engine.m_strEntry, step.entry) << "after " << step.keys;
    EXPECT_EQ(calc.keypad.m_strDisplay, step.display) << "after " << step.keys;
    EXPECT_EQ(calc.display.Last(), step.shown) << "after " << step.keys;
  }
}

TEST(Trace, ChainWithoutPrecedence) {
  RunTrace({
      {"2", {0, 0, 0, 0}, {0, 0, 0, 0}, "2", "2", "2"},
      {"+", {3, 0, 0, 0}, {2, 0, 0, 0}, "", "2", "2"},
      {"3", {3, 0, 0, 0}, {2, 0, 0, 0}, "3", "3", "3"},
      {"*", {2, 3, 0, 0}, {5, 2, 0, 0}, "", "5", "5"},
      {"4", {2, 3, 0, 0}, {5, 2, 0, 0}, "4", "4", "4"},
      {"=", {0, 0, 0, 0}, {20, 5, 2, 0}, "", "20", "20"},
  });
}

TEST(Trace, SquareRootFoldsIntoPendingAdd) {
  RunTrace({
      {"2+9", {3, 0, 0, 0}, {2, 0, 0, 0}, "9", "9", "9"},
      {"SqRt", {5, 3, 3, 8}, {5, 2, 0, 0}, "", "5", "3"},
      {"=", {5, 3, 3, 8}, {5, 2, 0, 0}, "", "5", "5"},
  });
}

TEST(Trace, PowerAlone) {
  RunTrace({
      {"2", {0, 0, 0, 0}, {0, 0, 0, 0}, "2", "2", "2"},
      {"y^x", {0, 11, 0, 0}, {2, 0, 0, 0}, "", "2", "2"},
      {"10", {0, 11, 0, 0}, {2, 0, 0, 0}, "10", "10", "10"},
      {"=", {5, 0, 0, 11}, {1024, 0, 0, 0}, "", "1024", "1024"},
  });
}

TEST(Trace, PowerAfterAdd) {
  RunTrace({
      {"3+2", {3, 0, 0, 0}, {3, 0, 0, 0}, "2", "2", "2"},
      {"y^x", {3, 11, 3, 0}, {2, 3, 0, 0}, "", "2", "2"},
      {"10", {3, 11, 3, 0}, {2, 3, 0, 0}, "10", "10", "10"},
      {"=", {5, 3, 3, 11}, {1027, 3, 3, 0}, "", "1027", "1027"},
  });
}

TEST(Trace, ScientificEntry) {
  RunTrace({
      {"1.5", {0, 0, 0, 0}, {0, 0, 0, 0}, "1.5", "1.5", "1.5"},
      {"e.000", {0, 24, 0, 0}, {1.5, 0, 0, 0}, "", "1.5", "1.5"},
      {"3", {0, 24, 0, 0}, {1.5, 0, 0, 0}, "3", "3", "            1.5  003"},
      {"=", {5, 0, 0, 24}, {1500, 0, 0, 0}, "", "1.500000e+003", "1.500000e+003"},
      {"INV e.000", {5, 0, 0, 24}, {1500, 0, 0, 0}, "", "1.500000e+003", "1500"},
  });
}

TEST(Trace, GroupFoldedAtEquals) {
  Calculator calc;
  calc.Press("2*(3+4)");
  EXPECT_EQ(calc.engine.m_nLevel, 0);
  EXPECT_EQ(calc.engine.m_bParenClosed, 1);
  EXPECT_EQ(calc.Ops(0), (std::array<int, 4>{2, 0, 0, 0}));
  EXPECT_EQ(calc.Ops(1), (std::array<int, 4>{5, 3, 0, 0}));
  EXPECT_EQ(calc.Values(1), (std::array<double, 4>{7, 3, 0, 0}));
  EXPECT_EQ(calc.display.Last(), "7");
  calc.Press("=");
  EXPECT_EQ(calc.Ops(0), (std::array<int, 4>{5, 2, 0, 0}));
  EXPECT_EQ(calc.Values(0), (std::array<double, 4>{14, 2, 0, 0}));
  EXPECT_EQ(calc.engine.m_bParenClosed, 0);
  EXPECT_EQ(calc.display.Last(), "14");
}

// ---- Keys that must change nothing or write nothing ----------------------------------------

TEST(Quiet, KeysThatWriteNothing) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"2+", "*"},           // operator with empty entry: only the op history changes
      {"2+3=", "="},         // equals with empty entry
      {"5", "("},            // '(' shows nothing
      {"", ")"},             // ')' at level 0
      {"(", "("},            // '(' at level 1
      {"5", "MS"},           // MS shows nothing
      {"5", "INV"},          // INV computes and shows nothing
      {"5", "deg"},          // neither does the angle key
      {"", "+/-"},           // sign on an empty display
      {"2+3=", "<--"},       // backspace on a result
      {"2", "y^x"},          // arming shows nothing
      {"1.5", "e.000"},
  };
  for (const auto& [before, key] : cases) {
    Calculator calc;
    calc.Press(before);
    const auto shownBefore = calc.display.shown.size();
    calc.Press(key);
    EXPECT_EQ(calc.display.shown.size(), shownBefore) << before << " then " << key;
  }
}

TEST(Quiet, OperatorWithEmptyEntryChangesOnlyOps) {
  Calculator calc;
  calc.Press("6*");
  const auto values = calc.Values(0);
  calc.Press("-");
  EXPECT_EQ(calc.Ops(0), (std::array<int, 4>{4, 2, 0, 0}));
  EXPECT_EQ(calc.Values(0), values);
}

TEST(Quiet, CloseParenAtLevel0SetsNoFlag) {
  Calculator calc;
  calc.Press("5)");
  EXPECT_EQ(calc.engine.m_bParenClosed, 0);
  EXPECT_EQ(calc.engine.m_nLevel, 0);
}

TEST(Quiet, EqualsInsideGroupStaysInGroup) {
  Calculator calc;
  calc.Press("(3+4=");
  EXPECT_EQ(calc.engine.m_nLevel, 1);
  EXPECT_EQ(calc.Ops(1), (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_EQ(calc.display.Last(), "7");
}

TEST(Entry, BackspaceReportsWhetherItActed) {
  Calculator calc;
  EXPECT_FALSE(calc.keypad.OnBackspace());
  calc.Press("12");
  EXPECT_TRUE(calc.keypad.OnBackspace());
  EXPECT_EQ(calc.engine.m_strEntry, "1");
  calc.Press("+3=");
  EXPECT_FALSE(calc.keypad.OnBackspace());
}

TEST(Entry, SignOnResultNegatesOperandNotEntry) {
  Calculator calc;
  calc.Press("2+3= +/-");
  EXPECT_EQ(calc.engine.m_strEntry, "");
  EXPECT_EQ(calc.engine.m_dValues[0][0], -5);
  EXPECT_EQ(calc.engine.m_dLastResult, -5);
}

TEST(Entry, StoringErrorTextStoresZero) {
  Calculator calc;
  calc.Press("5 MS");
  calc.keypad.SetTypedText("Error");
  calc.Press("MS MR");
  EXPECT_EQ(calc.display.Last(), "");
  EXPECT_EQ(calc.engine.m_dMemory, 0.0);
}

TEST(Entry, TypedTextBecomesEntryAndShowsNothing) {
  Calculator calc;
  calc.keypad.SetTypedText("42");
  EXPECT_TRUE(calc.display.shown.empty());
  EXPECT_EQ(calc.engine.m_strEntry, "42");
  calc.Press("+1=");
  EXPECT_EQ(calc.display.Last(), "43");
}

TEST(Entry, ClearResetsLevelAndPendingStateButKeepsModes) {
  Calculator calc;
  calc.Press("9 MS INV deg (2 y^x");
  calc.Press("Clear");
  const auto& e = calc.engine;
  EXPECT_EQ(e.m_nLevel, 0);
  EXPECT_EQ(e.m_bParenClosed, 0);
  EXPECT_EQ(e.m_bPendingFunc, 0);
  EXPECT_EQ(e.m_nPendingFunc, 0);
  EXPECT_EQ(e.m_nSavedOp, 0);
  EXPECT_EQ(e.m_bInverse, 1);
  EXPECT_EQ(e.m_nAngleMode, 0);
  EXPECT_EQ(e.m_dMemory, 9);
  EXPECT_EQ(calc.display.Last(), "");
}

TEST(Entry, MillionDigitsStayWhole) {
  // Keeps only the size of what is shown: a recording of every text would hold terabytes.
  struct SizeDisplay : CDisplaySink {
    std::size_t size = 0;
    std::string last;
    void ShowText(const std::string& text) override {
      size = text.size();
      if (size < 100) last = text;
    }
  } display;
  CCalcEngine engine;
  RecordingFaces faces;
  CCalcKeypad keypad(engine, display, faces);
  for (int i = 0; i < 1'000'000; ++i) keypad.OnDigit(i == 0 ? "1" : "0");
  EXPECT_EQ(engine.m_strEntry.size(), 1'000'000u);
  EXPECT_EQ(keypad.m_strDisplay, engine.m_strEntry);
  EXPECT_EQ(display.size, 1'000'000u);
  keypad.OnOperator(OP_ADD);
  keypad.OnDigit("1");
  keypad.OnEquals();
  EXPECT_EQ(display.last, "inf");
}

TEST(Entry, TypingAfterOtherWritesStillMirrorsEntry) {
  Calculator calc;
  calc.Press("12 +/- 3 <-- 4");  // sign and backspace write the texts themselves
  EXPECT_EQ(calc.engine.m_strEntry, "-124");
  EXPECT_EQ(calc.keypad.m_strDisplay, "-124");
  calc.keypad.SetTypedText("98");
  calc.Press("7");
  EXPECT_EQ(calc.keypad.m_strDisplay, "987");
  calc.Press("+ MR 5");
  EXPECT_EQ(calc.keypad.m_strDisplay, "5");
}

// ---- Faces -----------------------------------------------------------------------------------

TEST(Faces, InverseSetsNineFacesInOrderAndBack) {
  Calculator calc;
  calc.Press("INV");
  const std::vector<std::pair<int, int>> inverse = {
      {IDC_KEY_INV, 145}, {IDC_KEY_LOG, 147}, {IDC_KEY_LN, 149},    {IDC_KEY_SIN, 151},    {IDC_KEY_COS, 153},
      {IDC_KEY_TAN, 155}, {IDC_KEY_SCI, 156}, {IDC_KEY_POWER, 159}, {IDC_KEY_SQUARE, 160},
  };
  EXPECT_EQ(calc.faces.calls, inverse);
  EXPECT_EQ(calc.engine.m_bInverse, 1);
  calc.faces.calls.clear();
  calc.Press("INV");
  const std::vector<std::pair<int, int>> plain = {
      {IDC_KEY_INV, 144}, {IDC_KEY_LOG, 146}, {IDC_KEY_LN, 148},    {IDC_KEY_SIN, 150},    {IDC_KEY_COS, 152},
      {IDC_KEY_TAN, 154}, {IDC_KEY_SCI, 139}, {IDC_KEY_POWER, 140}, {IDC_KEY_SQUARE, 138},
  };
  EXPECT_EQ(calc.faces.calls, plain);
  EXPECT_EQ(calc.engine.m_bInverse, 0);
}

TEST(Faces, ScientificConversionEndsInverseMode) {
  Calculator calc;
  calc.Press("2+3= e.000 INV e.000");
  EXPECT_EQ(calc.engine.m_bInverse, 0);
  EXPECT_EQ(calc.faces.face[IDC_KEY_INV], 144);
  EXPECT_EQ(calc.keypad.m_strDisplay, "5");
}

TEST(Faces, AngleKeyShowsUnitInForce) {
  Calculator calc;
  calc.Press("deg");
  EXPECT_EQ(calc.engine.m_nAngleMode, 0);
  EXPECT_EQ(calc.faces.face[IDC_KEY_DEGRAD], 143);
  calc.Press("deg");
  EXPECT_EQ(calc.engine.m_nAngleMode, 1);
  EXPECT_EQ(calc.faces.face[IDC_KEY_DEGRAD], 142);
}

// ---- The key table ---------------------------------------------------------------------------

TEST(KeyTable, EveryKeyOnceWithItsNumber) {
  std::map<int, int> seen;
  std::map<std::string_view, int> names;
  for (const auto& key : kKeyOperations) {
    ++seen[key.id];
    ++names[key.name];
    EXPECT_EQ(FindKeyOperation(key.id), &key);
  }
  EXPECT_EQ(seen.size(), kKeyOperations.size());
  EXPECT_EQ(names.size(), kKeyOperations.size());
  for (int unassigned : {1002, 1024, 1025, 1026, 1027, 1030, 1000, 1044}) EXPECT_EQ(FindKeyOperation(unassigned), nullptr);
}

TEST(KeyTable, PressKeyRunsTheOperation) {
  Calculator calc;
  for (int id : {IDC_KEY_7, IDC_KEY_ADD, IDC_KEY_2, IDC_KEY_EQUALS}) EXPECT_TRUE(PressKey(calc.keypad, id));
  EXPECT_FALSE(PressKey(calc.keypad, 1026));
  EXPECT_EQ(calc.display.Last(), "9");
}

}  // namespace
