// Replays tests/data/printf-vectors.tsv: each row names a printf conversion (or atof) with its
// arguments and the exact text the display must get for it.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CalcEngine.h"
#include "TextFormat.h"

namespace {

struct VectorRow {
  int line = 0;
  std::string format, args, expected, note;
};

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.emplace_back();
  return parts;
}

double FromBits(std::uint64_t bits) {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// Values are written so that a correct reader gets them exactly; "-nan(payload 1)" is a
// negative quiet NaN with payload 1 and "snan" the signalling pattern 7ff0000000000001.
double ReadValue(const std::string& text) {
  if (text == "-nan") return -std::nan("");
  if (text.rfind("-nan(payload", 0) == 0) return FromBits(0xfff8000000000001ULL);
  if (text == "snan") return FromBits(0x7ff0000000000001ULL);
  double value = 0.0;
  const char* begin = text.data();
  if (*begin == '+') ++begin;
  std::from_chars(begin, text.data() + text.size(), value);
  return value;
}

// atof arguments write control characters as \t, \n and \x0b.
std::string Unescape(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 >= text.size()) {
      out += text[i];
    } else if (text[i + 1] == 't' || text[i + 1] == 'n') {
      out += text[i + 1] == 't' ? '\t' : '\n';
      ++i;
    } else if (text[i + 1] == 'x' && i + 3 < text.size()) {
      out += static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16));
      i += 3;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::vector<VectorRow> LoadRows() {
  std::ifstream in(ZELKO_VECTORS_FILE);
  std::vector<VectorRow> rows;
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (line.empty() || line[0] == '#' || line.rfind("format\t", 0) == 0) continue;
    const auto fields = Split(line, '\t');
    if (fields.size() < 5) continue;
    rows.push_back({number, fields[0], fields[1], fields[2], fields[4]});
  }
  return rows;
}

// Our text for a printf row, or nullopt-like empty flag when the format is not one we use.
bool Produce(const VectorRow& row, std::string& text) {
  using namespace zelko::text;
  const auto args = Split(row.args, ',');
  const std::string& f = row.format;
  if (f == "%g") text = General(ReadValue(row.args), 6);
  else if (f == "%e") text = Exponent(ReadValue(row.args), 6);
  else if (f == "%15.15g") text = PadLeft(General(ReadValue(row.args), 15), 15);
  else if (f == "%15f") text = PadLeft(Fixed(ReadValue(row.args), 6), 15);
  else if (f == "%f") text = Fixed(ReadValue(row.args), 6);
  else if (f == "%*.*f") text = PadLeft(Fixed(ReadValue(args.at(2)), std::stoi(args.at(1))), std::stoi(args.at(0)));
  else if (f == "%*.*g  %0.3i")
    text = PadLeft(General(ReadValue(args.at(2)), std::stoi(args.at(1))), std::stoi(args.at(0))) + "  " +
           Integer(std::stoll(args.at(3)), 3);
  else if (f.size() > 3 && f[0] == '%' && f[1] == '.' && f.back() == 'f')
    text = Fixed(ReadValue(row.args), std::stoi(f.substr(2)));
  else
    return false;
  return true;
}

class PrintfVectors : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { rows = LoadRows(); }
  static std::vector<VectorRow> rows;
};
std::vector<VectorRow> PrintfVectors::rows;

TEST_F(PrintfVectors, FileIsPresent) { ASSERT_GT(rows.size(), 300u) << ZELKO_VECTORS_FILE; }

TEST_F(PrintfVectors, ConversionsMatchExpectedTexts) {
  for (const auto& row : rows) {
    if (row.format == "atof") continue;
    std::string text;
    ASSERT_TRUE(Produce(row, text)) << "line " << row.line << ": unknown format " << row.format;
    EXPECT_EQ(text, row.expected) << "line " << row.line << ": " << row.format << " of " << row.args << " ("
                                  << row.note << ")";
  }
}

TEST_F(PrintfVectors, NumberReaderMatchesExpectedValues) {
  for (const auto& row : rows) {
    if (row.format != "atof") continue;
    const double got = CCalcEngine::ParseNumber(Unescape(row.args));
    const double want = ReadValue(row.expected);
    EXPECT_EQ(got, want) << "line " << row.line << ": \"" << row.args << "\"";
    EXPECT_EQ(std::signbit(got), std::signbit(want)) << "line " << row.line << ": sign of \"" << row.args << "\"";
  }
}

}  // namespace
