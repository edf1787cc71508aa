#include "KeyScript.h"

#include <array>
#include <cctype>

#include "KeyCommands.h"

namespace {

struct Alias {
  std::string_view spelling;
  KeyCommand key;
  std::string_view canonical;
};

// Named keys in the order of trial; "deg" and "rad" both press the degrees/radians key.
constexpr std::array<Alias, 27> kNames = {{
    {"+/-", IDC_KEY_SIGN, "+/-"},     {"<--", IDC_KEY_BACKSPACE, "<--"}, {"Clear", IDC_KEY_CLEAR, "Clear"},
    {"MS", IDC_KEY_MS, "MS"},         {"MR", IDC_KEY_MR, "MR"},          {"1/x", IDC_KEY_RECIPROCAL, "1/x"},
    {"SqRt", IDC_KEY_SQRT, "SqRt"},   {"x^2", IDC_KEY_SQUARE, "x^2"},    {"y^x", IDC_KEY_POWER, "y^x"},
    {"pi", IDC_KEY_PI, "pi"},         {"log", IDC_KEY_LOG, "log"},       {"ln", IDC_KEY_LN, "ln"},
    {"sin", IDC_KEY_SIN, "sin"},      {"cos", IDC_KEY_COS, "cos"},       {"tan", IDC_KEY_TAN, "tan"},
    {"INV", IDC_KEY_INV, "INV"},      {"deg", IDC_KEY_DEGRAD, "deg"},    {"rad", IDC_KEY_DEGRAD, "rad"},
    {"e.000", IDC_KEY_SCI, "e.000"},  {"sqrt", IDC_KEY_SQRT, "SqRt"},    {"sq", IDC_KEY_SQUARE, "x^2"},
    {"pow", IDC_KEY_POWER, "y^x"},    {"sci", IDC_KEY_SCI, "e.000"},     {"sign", IDC_KEY_SIGN, "+/-"},
    {"back", IDC_KEY_BACKSPACE, "<--"}, {"inv", IDC_KEY_INV, "INV"},     {"c", IDC_KEY_CLEAR, "Clear"},
}};

struct CharKey {
  char c;
  KeyCommand key;
  std::string_view name;
};

constexpr std::array<CharKey, 19> kCharKeys = {{
    {'0', IDC_KEY_0, "0"},        {'1', IDC_KEY_1, "1"},        {'2', IDC_KEY_2, "2"},
    {'3', IDC_KEY_3, "3"},        {'4', IDC_KEY_4, "4"},        {'5', IDC_KEY_5, "5"},
    {'6', IDC_KEY_6, "6"},        {'7', IDC_KEY_7, "7"},        {'8', IDC_KEY_8, "8"},
    {'9', IDC_KEY_9, "9"},        {'.', IDC_KEY_POINT, "."},    {'+', IDC_KEY_ADD, "+"},
    {'-', IDC_KEY_SUBTRACT, "-"}, {'*', IDC_KEY_MULTIPLY, "*"}, {'/', IDC_KEY_DIVIDE, "/"},
    {'=', IDC_KEY_EQUALS, "="},   {'(', IDC_KEY_LPAREN, "("},   {')', IDC_KEY_RPAREN, ")"},
    {'%', IDC_KEY_PERCENT, "%"},
}};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

const CharKey* FindCharKey(char c) {
  for (const auto& key : kCharKeys)
    if (key.c == c) return &key;
  return nullptr;
}

struct Setting {
  std::string_view spelling;
  std::int32_t precision;
};
constexpr std::array<Setting, 4> kSettings = {{
    {"precision:2", 2}, {"precision:4", 4}, {"precision:6", 6}, {"precision:max", 14}}};

}  // namespace

bool ParseToken(std::string_view token, std::vector<ScriptStep>& steps) {
  for (const auto& alias : kNames) {
    if (EqualsIgnoringCase(token, alias.spelling)) {
      steps.push_back({ScriptStep::Kind::Key, alias.key, 0, alias.canonical, {}});
      return true;
    }
  }
  for (const auto& setting : kSettings) {
    if (EqualsIgnoringCase(token, setting.spelling)) {
      steps.push_back({ScriptStep::Kind::Precision, 0, setting.precision, token, {}});
      return true;
    }
  }
  constexpr std::string_view kTyped = "typed:";
  if (token.substr(0, kTyped.size()) == kTyped) {
    steps.push_back({ScriptStep::Kind::Typed, 0, 0, token, token.substr(kTyped.size())});
    return true;
  }
  if (token.empty()) return false;
  for (char c : token)
    if (!FindCharKey(c)) return false;
  for (char c : token) {
    const CharKey* key = FindCharKey(c);
    steps.push_back({ScriptStep::Kind::Key, key->key, 0, key->name, {}});
  }
  return true;
}

std::vector<std::string_view> SplitScript(std::string_view text) {
  std::vector<std::string_view> tokens;
  const auto isBlank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  std::size_t i = 0;
  bool lineStart = true;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\n') {
      lineStart = true;
      ++i;
      continue;
    }
    if (isBlank(c)) {
      ++i;
      continue;
    }
    if (lineStart && c == '#') {
      const auto end = text.find('\n', i);
      i = end == std::string_view::npos ? text.size() : end;
      continue;
    }
    lineStart = false;
    const std::size_t start = i;
    while (i < text.size() && !isBlank(text[i])) ++i;
    tokens.push_back(text.substr(start, i - start));
  }
  return tokens;
}
