// zelko-calc: replays key sequences on the calculator's keypad logic and prints the display.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "AccelTable.h"
#include "CalcKeypad.h"
#include "KeyCommands.h"
#include "KeyFaces.h"
#include "KeyNames.h"
#include "KeyScript.h"
#include "LastTextSink.h"

namespace {

constexpr std::string_view kUsage =
    "Usage: zelko-calc [--precision 2|4|6|max] [--radians] [--trace | --trace=state] [KEY ...]\n"
    "       zelko-calc --help | --version | --list-keys[=markdown]\n"
    "\n"
    "Presses the keys of the Zelko Scientific calculator in order and prints the text the\n"
    "display holds at the end. Without KEY arguments the keys are read from standard input\n"
    "(white space separates them; a line starting with '#' is a comment).\n"
    "\n"
    "A KEY is a key name (+/- <-- Clear MS MR 1/x SqRt x^2 y^x pi log ln sin cos tan INV deg\n"
    "rad e.000, any case; aliases sqrt sq pow sci sign back inv c), a setting (precision:2\n"
    "precision:4 precision:6 precision:max), typed:TEXT (TEXT typed into the display), or a\n"
    "run of one-character keys 0-9 . + - * / = ( ) % such as 2+3*4=.\n"
    "\n"
    "Options:\n"
    "  --precision P   decimals shown from the start: 2, 4, 6 or max (the default)\n"
    "  --radians       start in radians instead of degrees\n"
    "  --trace         print one JSON object per key with the display after it\n"
    "  --trace=state   the same, with the calculator's whole state after each key\n"
    "  --list-keys     print every key with its keystroke in the window and what it does\n"
    "  --list-keys=markdown  the same as a Markdown table, as the README shows it\n"
    "  --help          print this text\n"
    "  --version       print the version\n"
    "\n"
    "Exit status: 0 after a run, 2 for a bad option or key (nothing is pressed then).\n";

constexpr std::string_view kVersion = "zelko-calc (Zelko Scientific) 1.01\n";

// Key faces do not matter here.
struct NoFaces : CKeyFaceSink {
  void SetKeyFace(int, int) override {}
};

enum class Trace { None, Keys, State };

int Fail(const std::string& message) {
  std::cerr << "zelko-calc: " << message << "\n";
  return 2;
}

void AppendJsonString(std::string& out, std::string_view text) {
  // Bytes that are not valid UTF-8 are written as the Latin-1 characters of those bytes.
  const auto validSequence = [&](std::size_t i, std::size_t& length) {
    const auto b = static_cast<unsigned char>(text[i]);
    length = b >= 0xF0 && b <= 0xF4 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 && b <= 0xDF ? 2 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    return true;
  };
  out += '"';
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    char buffer[8];
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20 || c == 0x7F) {
      std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
      out += buffer;
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (std::size_t length = 0; validSequence(i, length)) {
      out.append(text.substr(i, length));
      i += length - 1;
    } else {
      std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
      out += buffer;
    }
  }
  out += '"';
}

void AppendJsonNumber(std::string& out, double value) {
  if (std::isnan(value)) {
    out += "\"nan\"";
  } else if (std::isinf(value)) {
    out += value < 0 ? "\"-inf\"" : "\"inf\"";
  } else {
    char buffer[40];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    out.append(buffer, ec == std::errc{} ? end : buffer);
  }
}

void AppendState(std::string& out, const CCalcKeypad& keypad) {
  const CCalcEngine& e = keypad.Engine();
  const auto field = [&out](std::string_view name) {
    out += ", \"";
    out += name;
    out += "\": ";
  };
  const auto integer = [&out](long long v) { out += std::to_string(v); };
  field("text"), AppendJsonString(out, keypad.m_strDisplay);
  field("entry"), AppendJsonString(out, e.m_strEntry);
  field("level"), integer(e.m_nLevel);
  field("paren_closed"), integer(e.m_bParenClosed);
  field("pending_flag"), integer(e.m_bPendingFunc);
  field("pending_func"), integer(e.m_nPendingFunc);
  field("saved_op"), integer(e.m_nSavedOp);
  field("inverse"), integer(e.m_bInverse);
  field("angle"), integer(e.m_nAngleMode);
  field("precision"), integer(e.m_nPrecision);
  field("memory"), AppendJsonNumber(out, e.m_dMemory);
  field("last_result"), AppendJsonNumber(out, e.m_dLastResult);
  field("ops");
  out += '[';
  for (int level = 0; level < CCalcEngine::kLevels; ++level) {
    out += level ? ", [" : "[";
    for (int slot = 0; slot < CCalcEngine::kSlots; ++slot) {
      if (slot) out += ", ";
      integer(e.m_nOps[level][slot]);
    }
    out += ']';
  }
  out += ']';
  field("values");
  out += '[';
  for (int level = 0; level < CCalcEngine::kLevels; ++level) {
    out += level ? ", [" : "[";
    for (int slot = 0; slot < CCalcEngine::kSlots; ++slot) {
      if (slot) out += ", ";
      AppendJsonNumber(out, e.m_dValues[level][slot]);
    }
    out += ']';
  }
  out += ']';
}

int ListKeys() {
  std::string out;
  for (const auto& key : kKeyOperations) {
    out.append(key.name);
    out += '\t';
    out += res::KeystrokeText(key.id);
    out += '\t';
    out.append(res::KeyDescription(key.id));
    out += '\n';
  }
  std::cout << out;
  return 0;
}

// A table cell: code spans keep "*", "<--" and "+" from being read as Markdown.
void AppendCell(std::string& out, std::string_view text, bool code) {
  out += code ? " `" : " ";
  for (const char c : text) {
    if (c == '|') out += '\\';
    out += c;
  }
  out += code ? "` |" : " |";
}

// The README's keyboard table, from the same rows as the tooltips and the key list.
int ListKeysMarkdown() {
  std::string out = "| Key | Keystroke | What it does |\n|---|---|---|\n";
  for (const auto& key : kKeyOperations) {
    const res::KeyName* meaning = res::StartKeyName(key.id);
    const std::string keystroke = res::KeystrokeText(key.id);
    out += '|';
    AppendCell(out, key.name, true);
    AppendCell(out, keystroke.empty() ? std::string_view("none") : keystroke, !keystroke.empty());
    AppendCell(out, meaning ? res::SummaryOfName(*meaning) : std::string_view{}, false);
    out += '\n';
  }
  std::cout << out;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  CCalcEngine engine;
  Trace trace = Trace::None;
  std::vector<std::string> keyArguments;

  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help") {
      std::cout << kUsage;
      return 0;
    }
    if (arg == "--version") {
      std::cout << kVersion;
      return 0;
    }
    if (arg == "--list-keys") return ListKeys();
    if (arg == "--list-keys=markdown") return ListKeysMarkdown();
    if (arg == "--radians") {
      engine.m_nAngleMode = 0;
    } else if (arg == "--trace") {
      trace = Trace::Keys;
    } else if (arg == "--trace=state") {
      trace = Trace::State;
    } else if (arg == "--precision" || arg.substr(0, 12) == "--precision=") {
      std::string_view value;
      if (arg == "--precision") {
        if (i + 1 >= argc) return Fail("--precision needs a value: 2, 4, 6 or max");
        value = argv[++i];
      } else {
        value = arg.substr(12);
      }
      if (value == "2" || value == "4" || value == "6")
        engine.m_nPrecision = value[0] - '0';
      else if (value == "max")
        engine.m_nPrecision = 14;
      else
        return Fail("bad precision '" + std::string(value) + "': use 2, 4, 6 or max");
    } else if (arg.size() > 2 && arg.substr(0, 2) == "--" && arg.find_first_not_of('-') != std::string_view::npos &&
               std::isalpha(static_cast<unsigned char>(arg[2]))) {
      return Fail("unknown option '" + std::string(arg) + "' (see --help)");
    } else {
      keyArguments.emplace_back(arg);
    }
  }

  // Read every token first: a bad one stops the run before any key is pressed.
  std::string input;
  std::vector<std::string_view> tokens;
  if (keyArguments.empty()) {
    input.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    tokens = SplitScript(input);
  } else {
    for (const auto& arg : keyArguments) {
      // An argument is split at blanks, except a typed text, which keeps them.
      if (arg.rfind("typed:", 0) == 0) {
        tokens.emplace_back(arg);
      } else {
        for (auto token : SplitScript(arg)) tokens.push_back(token);
      }
    }
  }
  std::vector<ScriptStep> steps;
  steps.reserve(tokens.size());
  for (std::size_t i = 0; i < tokens.size(); ++i)
    if (!ParseToken(tokens[i], steps))
      return Fail("unknown key '" + std::string(tokens[i]) + "' at position " + std::to_string(i + 1) +
                  " (see --list-keys)");

  CLastTextSink display;
  NoFaces faces;
  CCalcKeypad keypad(engine, display, faces);
  display.Attach(keypad);

  std::string out;
  for (const auto& step : steps) {
    switch (step.kind) {
      case ScriptStep::Kind::Key:
        PressKey(keypad, step.key);
        break;
      case ScriptStep::Kind::Precision:
        engine.m_nPrecision = step.precision;
        break;
      case ScriptStep::Kind::Typed: {
        const std::string text(step.typed);
        keypad.SetTypedText(text);
        display.SetTyped(text);
        break;
      }
    }
    if (trace == Trace::None) continue;
    out += "{\"key\": ";
    AppendJsonString(out, step.name);
    out += ", \"display\": ";
    AppendJsonString(out, display.Text());
    if (trace == Trace::State) AppendState(out, keypad);
    out += "}\n";
    if (out.size() > (1u << 16)) {
      std::cout << out;
      out.clear();
    }
  }
  if (trace == Trace::None) {
    out = display.Text();
    out += '\n';
  }
  std::cout << out;
  std::cout.flush();
  return std::cout ? 0 : 1;
}
