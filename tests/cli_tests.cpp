// End-to-end tests of zelko-calc: the real program with arguments and standard input.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <ostream>
#include <string>
#include <vector>

#include "CalcKeypad.h"
#include "KeyCommands.h"
#include "LastTextSink.h"

namespace {

struct CalcRun {
  int status = -1;
  std::string out, err;
};

std::string Quote(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

CalcRun RunCalc(const std::vector<std::string>& args, const std::string& input = "") {
  static int counter = 0;
  const auto dir = std::filesystem::temp_directory_path() / ("zelko-cli-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const auto base = dir / std::to_string(counter++);
  std::ofstream(base.string() + ".in", std::ios::binary) << input;
  std::string command = Quote(ZELKO_CALC);
  for (const auto& arg : args) {
    command += ' ';
    command += Quote(arg);
  }
  command += " <" + Quote(base.string() + ".in") + " >" + Quote(base.string() + ".out") + " 2>" +
             Quote(base.string() + ".err");
  const int raw = std::system(command.c_str());
  CalcRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = ReadFile(base.string() + ".out");
  run.err = ReadFile(base.string() + ".err");
  return run;
}

struct CliCase {
  const char* name;
  std::vector<std::string> args;
  const char* input;
  const char* out;
};

// Names the case in test listings and failure messages.
void PrintTo(const CliCase& c, std::ostream* os) { *os << c.name; }

const std::vector<CliCase> kCases = {
    {"no_precedence", {"2+3*4="}, "", "20\n"},
    {"separate_arguments", {"2", "+", "3", "*", "4", "="}, "", "20\n"},
    {"blanks_inside_argument", {"2 + 3 ="}, "", "5\n"},
    {"names_any_case", {"9", "SQRT", "+", "1", "="}, "", "4\n"},
    {"aliases", {"12", "sign", "c", "27", "inv", "pow", "3", "="}, "", "3\n"},
    {"back_alias", {"123", "back"}, "", "12\n"},
    {"sq_and_sci", {"3", "sq", "sci"}, "", "9.000000e+000\n"},
    {"radians_option", {"--radians", "30", "sin"}, "", "-0.9880316240929\n"},
    {"rad_and_deg_press_the_same_key", {"rad", "30", "sin"}, "", "-0.9880316240929\n"},
    {"precision_option", {"--precision", "2", "1/3="}, "", "0.33\n"},
    {"precision_option_equals_form", {"--precision=4", "2/3="}, "", "0.6667\n"},
    {"precision_setting_midway", {"1/3=", "precision:2", "+0="}, "", "0.33\n"},
    {"precision_setting_formats_nothing", {"1/3=", "precision:2"}, "", "0.3333333333333\n"},
    {"precision_max", {"--precision", "2", "precision:max", "1/3="}, "", "0.3333333333333\n"},
    {"typed_text_is_the_display", {"5", "typed:42"}, "", "42\n"},
    {"typed_text_then_keys", {"typed:42", "+1="}, "", "43\n"},
    {"typed_text_keeps_blanks", {"typed: 4 2"}, "", " 4 2\n"},
    {"blanks_of_the_display_kept", {"1.5", "e.000", "3"}, "", "            1.5  003\n"},
    {"empty_display", {"5", "<--"}, "", "\n"},
    {"nothing_pressed", {}, "", "\n"},
    {"stdin_keys", {}, "2 + 3\n=\n", "5\n"},
    {"stdin_comments", {}, "# a comment line 9 9\n2*3=\n  # indented comment\n", "6\n"},
    {"stdin_typed", {}, "typed:7 * 6 =", "42\n"},
    {"error_text", {"5+3", "+/-", "log"}, "", "Error\n"},
};

class CliTest : public ::testing::TestWithParam<CliCase> {};

TEST_P(CliTest, PrintsDisplay) {
  const auto& c = GetParam();
  const CalcRun run = RunCalc(c.args, c.input);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, c.out);
  EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(Runs, CliTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CliErrors, BadTokensPressNothing) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"2+3", "foo", "="}, "'foo' at position 2"},
      {{"2+x"}, "'2+x' at position 1"},
      {{"typed"}, "'typed' at position 1"},
      {{"precision:3"}, "'precision:3' at position 1"},
      {{"--precision", "5", "1"}, "bad precision '5'"},
      {{"--precision"}, "--precision needs a value"},
      {{"--frobnicate"}, "unknown option '--frobnicate'"},
  };
  for (const auto& [args, message] : cases) {
    const CalcRun run = RunCalc(args);
    EXPECT_EQ(run.status, 2) << args[0];
    EXPECT_EQ(run.out, "") << args[0];
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
  }
  const CalcRun fromInput = RunCalc({}, "1 +\n2 @ =\n");
  EXPECT_EQ(fromInput.status, 2);
  EXPECT_EQ(fromInput.out, "");
  EXPECT_NE(fromInput.err.find("'@' at position 4"), std::string::npos) << fromInput.err;
}

TEST(CliTrace, OneObjectPerKey) {
  const CalcRun run = RunCalc({"--trace", "12", "SQRT", "precision:2", "typed:a\"b"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"key\": \"1\", \"display\": \"1\"}\n"
            "{\"key\": \"2\", \"display\": \"12\"}\n"
            "{\"key\": \"SqRt\", \"display\": \"3.4641016151378\"}\n"
            "{\"key\": \"precision:2\", \"display\": \"3.4641016151378\"}\n"
            "{\"key\": \"typed:a\\\"b\", \"display\": \"a\\\"b\"}\n");
}

TEST(CliTrace, StateAfterEachKey) {
  const CalcRun run = RunCalc({"--trace=state", "--radians", "2+", "1/0="});
  ASSERT_EQ(run.status, 0) << run.err;
  std::vector<std::string> lines;
  std::istringstream in(run.out);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[1],
            "{\"key\": \"+\", \"display\": \"2\", \"text\": \"2\", \"entry\": \"\", \"level\": 0, \"paren_closed\": 0, "
            "\"pending_flag\": 0, \"pending_func\": 0, \"saved_op\": 0, \"inverse\": 0, \"angle\": 0, \"precision\": 14, "
            "\"memory\": 0, \"last_result\": 0, \"ops\": [[3, 0, 0, 0], [0, 0, 0, 0]], "
            "\"values\": [[2, 0, 0, 0], [0, 0, 0, 0]]}");
  EXPECT_NE(lines[5].find("\"display\": \"inf\""), std::string::npos) << lines[5];
  EXPECT_NE(lines[5].find("\"values\": [[\"inf\", 3, 2, 0]"), std::string::npos) << lines[5];
  const CalcRun third = RunCalc({"--trace=state", "1/3="});
  EXPECT_NE(third.out.find("\"last_result\": 0.33333333333330001"), std::string::npos) << third.out;
  EXPECT_NE(third.out.find("[[0.33333333333333331, 1, 0, 0]"), std::string::npos) << third.out;
}

TEST(CliInfo, HelpVersionAndKeyList) {
  const CalcRun help = RunCalc({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: zelko-calc", 0), 0u);
  const CalcRun version = RunCalc({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_NE(version.out.find("1.01"), std::string::npos);
  const CalcRun keys = RunCalc({"--list-keys"});
  EXPECT_EQ(keys.status, 0);
  EXPECT_NE(keys.out.find("SqRt\tQ\tSquare Root, takes the square root of displayed value\n"), std::string::npos);
  EXPECT_NE(keys.out.find("(\tShift+9\t"), std::string::npos);
  EXPECT_NE(keys.out.find("+/-\tF9\t"), std::string::npos);
  std::istringstream in(keys.out);
  int lines = 0;
  for (std::string line; std::getline(in, line);) ++lines;
  EXPECT_EQ(lines, 37);
}

TEST(CliLarge, MillionKeysAndMillionCharacterTypedText) {
  std::string keys;
  keys.reserve(6'000'000);
  for (int i = 0; i < 250'000; ++i) keys += "1 + 2 + ";
  keys += "0 =";
  const CalcRun run = RunCalc({}, keys);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "750000\n");

  const CalcRun digits = RunCalc({}, std::string(1'000'000, '9') + " + 1 =");
  EXPECT_EQ(digits.out, "inf\n");

  // Through standard input: one argument of a million characters exceeds the system's limit.
  const std::string typed = "typed:" + std::string(1'000'000, '5');
  const CalcRun pasted = RunCalc({}, typed);
  EXPECT_EQ(pasted.out.size(), 1'000'001u);
  const CalcRun pastedPlusOne = RunCalc({}, typed + " +1=");
  EXPECT_EQ(pastedPlusOne.out, "inf\n");
}

// The sink keeps long display texts by reference; random sequences with long numbers must
// leave it showing exactly what a sink that copies every text shows.
TEST(CliSink, ReferenceSinkAgreesWithCopyingSink) {
  struct CopyingSink : CDisplaySink {
    std::string last;
    void ShowText(const std::string& text) override { last = text; }
  };
  struct NoFaces : CKeyFaceSink {
    void SetKeyFace(int, int) override {}
  };
  std::mt19937 random(12345);
  for (int run = 0; run < 300; ++run) {
    CCalcEngine e1, e2;
    CopyingSink copying;
    CLastTextSink referencing;
    NoFaces faces;
    CCalcKeypad k1(e1, copying, faces), k2(e2, referencing, faces);
    referencing.Attach(k2);
    for (int step = 0; step < 200; ++step) {
      const bool digits = random() % 3 == 0;
      const int count = digits ? 300 : 1;
      const auto& key = kKeyOperations[random() % kKeyOperations.size()];
      for (int i = 0; i < count; ++i) {
        PressKey(k1, digits ? IDC_KEY_7 : key.id);
        PressKey(k2, digits ? IDC_KEY_7 : key.id);
      }
      ASSERT_EQ(referencing.Text(), copying.last) << "run " << run << " step " << step << " key " << key.name;
    }
  }
}

}  // namespace
