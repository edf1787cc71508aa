// Key-sequence fuzz target. The input bytes are a script of steps fed to one CCalcKeypad: keys,
// the four precisions of the Resolution menu, and texts typed or pasted into the display.
// After every step the engine's state, every text shown and every key face must obey the
// invariants checked in Harness::Check; a violation aborts with a message naming the step.
//
// Script bytes (printable ones read like zelko-calc's key names, so "2+3*4=" presses six keys):
//   0-9 . + - * / = ( ) %   the one-character keys
//   ~ sign   < backspace   C Clear   M MS   R MR   r 1/x   q SqRt   x x^2   y y^x   p pi
//   g log    n ln   s sin   o cos   t tan   i INV   d deg/rad   e e.000
//   #c       precision: c = '2', '4', '6' select that many decimals, any other byte the maximum
//   "text"   typed text up to the next '"' (or the end), at most kMaxTyped bytes
//   'Nbytes  typed text of N (one byte) arbitrary bytes
//   ^Cpat^   typed text: pat (at most 16 bytes) repeated (C + 1)^2 times, at most 64 KiB
//   blanks and line breaks separate steps; any other byte presses key number (byte % 37).

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "CalcKeypad.h"
#include "FormatRules.h"
#include "KeyCommands.h"

namespace {

using zelko::fuzz::IsResultText;

// Whatever is shown is at most this much longer than the entry. The scientific-entry layout
// reaches it exactly: a mantissa of 21 characters ("-1.2345678901234e+299" at precision 14), two
// blanks and a ten-digit exponent from the three-character entry "1e9" make 33 characters.
constexpr std::size_t kEntryAllowance = 30;
constexpr std::size_t kMaxTyped = 4096;
constexpr std::size_t kMaxRepeated = 64 * 1024;
constexpr std::size_t kMaxPattern = 16;

class RecordingDisplay : public CDisplaySink {
 public:
  void ShowText(const std::string& text) override { shown.push_back(text); }
  std::vector<std::string> shown;
};

class RecordingFaces : public CKeyFaceSink {
 public:
  void SetKeyFace(int controlId, int iconId) override { faces.emplace_back(controlId, iconId); }
  std::vector<std::pair<int, int>> faces;
};

// Faces the keypad may set: the nine keys INV switches, in the order it sets them, and deg/rad.
struct ModeFace {
  int key;
  int plain;
  int inverse;
};
constexpr std::array<ModeFace, 9> kInverseFaces = {{
    {IDC_KEY_INV, 144, 145},
    {IDC_KEY_LOG, 146, 147},
    {IDC_KEY_LN, 148, 149},
    {IDC_KEY_SIN, 150, 151},
    {IDC_KEY_COS, 152, 153},
    {IDC_KEY_TAN, 154, 155},
    {IDC_KEY_SCI, 139, 156},
    {IDC_KEY_POWER, 140, 159},
    {IDC_KEY_SQUARE, 138, 160},
}};
constexpr int kFaceDegrees = 142;
constexpr int kFaceRadians = 143;

enum class StepKind { Key, Precision, Typed };

struct Step {
  StepKind kind = StepKind::Key;
  int key = 0;  // command number
  int precision = 14;
  std::string text;
};

int KeyByName(std::string_view name) {
  for (const auto& key : kKeyOperations)
    if (key.name == name) return key.id;
  std::fprintf(stderr, "fuzz harness: no key named %.*s\n", static_cast<int>(name.size()), name.data());
  std::abort();
}

// Byte to key, built once from the key table's names.
const std::array<int, 256>& KeyOfByte() {
  static const std::array<int, 256> table = [] {
    std::array<int, 256> t{};
    for (int b = 0; b < 256; ++b) t[static_cast<std::size_t>(b)] = kKeyOperations[static_cast<std::size_t>(b % 37)].id;
    const std::pair<char, std::string_view> named[] = {
        {'0', "0"},    {'1', "1"},     {'2', "2"},   {'3', "3"},   {'4', "4"},     {'5', "5"},
        {'6', "6"},    {'7', "7"},     {'8', "8"},   {'9', "9"},   {'.', "."},     {'+', "+"},
        {'-', "-"},    {'*', "*"},     {'/', "/"},   {'=', "="},   {'(', "("},     {')', ")"},
        {'%', "%"},    {'~', "+/-"},   {'<', "<--"}, {'C', "Clear"}, {'M', "MS"},  {'R', "MR"},
        {'r', "1/x"},  {'q', "SqRt"},  {'x', "x^2"}, {'y', "y^x"}, {'p', "pi"},    {'g', "log"},
        {'n', "ln"},   {'s', "sin"},   {'o', "cos"}, {'t', "tan"}, {'i', "INV"},   {'d', "deg"},
        {'e', "e.000"},
    };
    for (const auto& [c, name] : named) t[static_cast<unsigned char>(c)] = KeyByName(name);
    return t;
  }();
  return table;
}

// Reads the next step from the script; false at its end.
bool NextStep(const std::uint8_t*& p, const std::uint8_t* end, Step& step) {
  while (p != end && (*p == ' ' || *p == '\n' || *p == '\r' || *p == '\t')) ++p;
  if (p == end) return false;
  const std::uint8_t b = *p++;
  step = Step{};
  switch (b) {
    case '#': {
      step.kind = StepKind::Precision;
      const std::uint8_t c = p != end ? *p++ : 0;
      step.precision = c == '2' ? 2 : c == '4' ? 4 : c == '6' ? 6 : 14;
      return true;
    }
    case '"': {
      step.kind = StepKind::Typed;
      const auto* limit = p + std::min<std::size_t>(static_cast<std::size_t>(end - p), kMaxTyped);
      const auto* quote = std::find(p, limit, '"');
      step.text.assign(p, quote);
      p = quote != end && *quote == '"' ? quote + 1 : quote;
      return true;
    }
    case '\'': {
      step.kind = StepKind::Typed;
      const std::size_t n = p != end ? *p++ : 0;
      const auto* stop = p + std::min<std::size_t>(static_cast<std::size_t>(end - p), n);
      step.text.assign(p, stop);
      p = stop;
      return true;
    }
    case '^': {
      step.kind = StepKind::Typed;
      // Squared, so that most repeats stay short and cheap while 65536 copies remain reachable.
      const std::size_t c = p != end ? std::size_t{*p++} + 1 : 1;
      const auto* limit = p + std::min<std::size_t>(static_cast<std::size_t>(end - p), kMaxPattern);
      const auto* caret = std::find(p, limit, '^');
      const std::string pattern(p, caret);
      p = caret != end && *caret == '^' ? caret + 1 : caret;
      if (pattern.empty()) return true;
      const std::size_t size = std::min(c * c, kMaxRepeated / pattern.size()) * pattern.size();
      // Doubling keeps the number of appends logarithmic in the length.
      step.text = pattern;
      while (step.text.size() * 2 <= size) step.text += step.text;
      step.text.append(step.text, 0, size - step.text.size());
      return true;
    }
    default:
      step.kind = StepKind::Key;
      step.key = KeyOfByte()[b];
      return true;
  }
}

std::string Describe(const Step& step) {
  switch (step.kind) {
    case StepKind::Precision: return "precision:" + std::to_string(step.precision);
    case StepKind::Typed: {
      std::string shown = step.text.substr(0, 40);
      for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f) c = '?';
      return "typed:" + shown + (step.text.size() > 40 ? "... (" + std::to_string(step.text.size()) + " bytes)" : "");
    }
    case StepKind::Key: break;
  }
  const KeyOperation* key = FindKeyOperation(step.key);
  return key ? std::string(key->name) : "key " + std::to_string(step.key);
}

// Engine and keypad state before a step.
struct Snapshot {
  explicit Snapshot(const CCalcKeypad& keypad) : engine(keypad.Engine()), entry(engine.m_strEntry), display(keypad.m_strDisplay) {}
  CCalcEngine engine;
  const std::string& entry;
  std::string display;
};

class Checker {
 public:
  Checker(std::size_t index, const Step& step) : m_index(index), m_step(step) {}

  // Messages are plain literals so that passing checks cost nothing.
  void Require(bool ok, const char* what) const {
    if (!ok) Fail(what, nullptr, nullptr);
  }
  // The same, naming the offending number.
  void Require(bool ok, const char* what, long long value) const {
    if (!ok) Fail(what, &value, nullptr);
  }
  // The same, naming the offending text (its first 80 bytes).
  void Require(bool ok, const char* what, std::string_view text) const {
    if (!ok) Fail(what, nullptr, &text);
  }

 private:
  [[noreturn]] void Fail(const char* what, const long long* value, const std::string_view* text) const {
    std::fprintf(stderr, "keys invariant failed at step %zu (%s): %s", m_index, Describe(m_step).c_str(), what);
    if (value) std::fprintf(stderr, " [%lld]", *value);
    if (text)
      std::fprintf(stderr, " [%zu chars: \"%.*s\"]", text->size(),
                   static_cast<int>(std::min<std::size_t>(text->size(), 80)), text->data());
    std::fprintf(stderr, "\n");
    std::abort();
  }

  std::size_t m_index;
  const Step& m_step;
};

bool Flag(std::int32_t v) { return v == 0 || v == 1; }

bool IsKnownOp(std::int32_t op) {
  return (op >= 0 && op <= 5) || op == 7 || op == 8 || op == 9 || op == 11 || op == 12 || (op >= 14 && op <= 24);
}

std::string WithoutBlanks(std::string text) {
  std::erase(text, ' ');
  return text;
}

// The scientific-entry layout "%*.*g  %0.3i": the mantissa right-aligned in 15 characters, two
// blanks, and the exponent as an integer of at least three digits inside the 32-bit range.
bool IsScientificEntryLayout(std::string_view text, int precision) {
  const std::size_t gap = text.rfind("  ");
  if (gap == std::string_view::npos) return false;
  const std::string_view front = text.substr(0, gap);
  std::string_view exponent = text.substr(gap + 2);
  const std::size_t first = front.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  const std::string_view mantissa = front.substr(first);
  if (front.size() != std::max<std::size_t>(15, mantissa.size())) return false;
  if (mantissa.find(' ') != std::string_view::npos || !zelko::fuzz::IsGeneralText(mantissa, precision)) return false;
  if (!exponent.empty() && exponent.front() == '-') exponent.remove_prefix(1);
  if (exponent.size() < 3 || exponent.size() > 10) return false;
  for (char c : exponent)
    if (!zelko::fuzz::IsDigit(c)) return false;
  return exponent.size() < 10 || exponent <= "2147483648";
}

enum class KeyClass { Digit, Point, Sign, Backspace, Clear, Silent, Computing };

KeyClass Classify(int key) {
  switch (key) {
    case IDC_KEY_0: case IDC_KEY_1: case IDC_KEY_2: case IDC_KEY_3: case IDC_KEY_4:
    case IDC_KEY_5: case IDC_KEY_6: case IDC_KEY_7: case IDC_KEY_8: case IDC_KEY_9:
      return KeyClass::Digit;
    case IDC_KEY_POINT: return KeyClass::Point;
    case IDC_KEY_SIGN: return KeyClass::Sign;
    case IDC_KEY_BACKSPACE: return KeyClass::Backspace;
    case IDC_KEY_CLEAR: return KeyClass::Clear;
    // These change modes or memory, or raise the level: the display is not touched.
    case IDC_KEY_MS: case IDC_KEY_INV: case IDC_KEY_DEGRAD: case IDC_KEY_LPAREN:
      return KeyClass::Silent;
    default: return KeyClass::Computing;
  }
}

class Harness {
 public:
  Harness() : m_keypad(m_engine, m_display, m_faces) {
    // The panel's initial faces: plain, and degrees.
    for (const auto& f : kInverseFaces) m_face[f.key] = f.plain;
    m_face[IDC_KEY_DEGRAD] = kFaceDegrees;
  }

  void Run(std::size_t index, const Step& step) {
    const Snapshot before(m_keypad);
    m_display.shown.clear();
    m_faces.faces.clear();
    switch (step.kind) {
      case StepKind::Key: PressKey(m_keypad, step.key); break;
      case StepKind::Precision: m_engine.m_nPrecision = step.precision; break;
      case StepKind::Typed: m_keypad.SetTypedText(step.text); break;
    }
    Check(Checker(index, step), step, before);
  }

 private:
  void Check(const Checker& c, const Step& step, const Snapshot& before) {
    const CCalcEngine& e = m_engine;
    const std::string& entry = e.m_strEntry;
    const std::string& display = m_keypad.m_strDisplay;
    const int precision = e.m_nPrecision;
    const auto& shown = m_display.shown;

    // State that must always hold.
    c.Require(e.m_nLevel == 0 || e.m_nLevel == 1, "m_nLevel out of range", e.m_nLevel);
    c.Require(e.m_nAngleMode == 0 || e.m_nAngleMode == 1, "m_nAngleMode out of range", e.m_nAngleMode);
    c.Require(e.m_nPendingFunc == 0 || e.m_nPendingFunc == OP_POWER || e.m_nPendingFunc == OP_SCI,
              "m_nPendingFunc out of range", e.m_nPendingFunc);
    c.Require(Flag(e.m_bInverse), "m_bInverse is not a flag", e.m_bInverse);
    c.Require(Flag(e.m_bParenClosed), "m_bParenClosed is not a flag", e.m_bParenClosed);
    c.Require(Flag(e.m_bPendingFunc), "m_bPendingFunc is not a flag", e.m_bPendingFunc);
    // An armed two-step function always has the flag that makes the next completing key resolve it.
    c.Require(e.m_nPendingFunc == 0 || e.m_bPendingFunc == 1, "a two-step function is armed without m_bPendingFunc");
    c.Require(e.m_nFieldWidth == 15, "m_nFieldWidth changed");
    c.Require(e.m_nPrecision == (step.kind == StepKind::Precision ? step.precision : before.engine.m_nPrecision),
              "m_nPrecision changed by a key");
    // Slot 0 only ever receives an operator, '=' or a saved copy of slot 0.
    c.Require(e.m_nSavedOp >= 0 && e.m_nSavedOp <= OP_EQUALS, "m_nSavedOp is not an operator", e.m_nSavedOp);
    for (int level = 0; level < CCalcEngine::kLevels; ++level) {
      c.Require(e.m_nOps[level][0] >= 0 && e.m_nOps[level][0] <= OP_EQUALS, "op slot 0 holds a function code");
      for (int slot = 0; slot < CCalcEngine::kSlots; ++slot)
        c.Require(IsKnownOp(e.m_nOps[level][slot]), "unknown op code", e.m_nOps[level][slot]);
    }

    // Every text shown, whatever the key, stays within the allowance over the entry. The entry
    // here is the longest entry so far: a typed number stays on display after an operator has
    // committed it, and the sign key may still put '-' in front of it.
    m_longestEntry = std::max({m_longestEntry, before.entry.size(), entry.size()});
    for (const auto& text : shown)
      c.Require(text.size() <= m_longestEntry + kEntryAllowance, "shown text longer than the entry allows", text);

    CheckFaces(c, step, before);

    if (step.kind == StepKind::Precision) {
      c.Require(shown.empty(), "a precision change showed a text");
      c.Require(entry == before.entry && display == before.display, "a precision change touched the texts");
      return;
    }
    if (step.kind == StepKind::Typed) {
      c.Require(shown.empty(), "typed text was shown back");
      c.Require(entry == step.text && display == step.text, "typed text is not the entry and the display text");
      return;
    }

    switch (Classify(step.key)) {
      case KeyClass::Digit: {
        const KeyOperation* key = FindKeyOperation(step.key);
        c.Require(entry == before.entry + std::string(key->name), "a digit did not append to the entry");
        c.Require(display == entry, "after a digit the display text is not the entry", display);
        c.Require(shown.size() == 1, "a digit did not show exactly one text", static_cast<long long>(shown.size()));
        CheckEntryText(c, shown[0], entry, before.engine.m_nOps[before.engine.Row()][1] == OP_SCI, precision);
        break;
      }
      case KeyClass::Point: {
        if (shown.empty()) {
          c.Require(entry == before.entry && display == before.display, "an ignored point changed the texts");
          break;
        }
        c.Require(entry == before.entry + "." || entry == before.entry + "0.", "the point key appended something else", entry);
        c.Require(display == entry, "after a point the display text is not the entry", display);
        // On an empty display "0" and "." go in one at a time, each shown.
        const bool twoSteps = before.display.empty();
        c.Require(shown.size() == (twoSteps ? 2u : 1u), "the point key showed the wrong number of texts", static_cast<long long>(shown.size()));
        const bool layout = before.engine.m_nOps[before.engine.Row()][1] == OP_SCI;
        if (twoSteps) CheckEntryText(c, shown[0], before.entry + "0", layout, precision);
        CheckEntryText(c, shown.back(), entry, layout, precision);
        break;
      }
      case KeyClass::Sign: {
        if (before.display.empty()) {
          c.Require(shown.empty() && entry == before.entry && display.empty(), "the sign key acted on an empty display");
          break;
        }
        c.Require(shown.size() == 1 && shown[0] == display, "the sign key did not show the display text");
        // Blanks go, then only a leading '-' is toggled; a '-' of an exponent stays.
        const std::string bare = WithoutBlanks(before.display);
        c.Require(display == (!bare.empty() && bare.front() == '-' ? bare.substr(1) : "-" + bare),
                  "the sign key did not toggle just the leading '-'", display);
        c.Require(before.entry.empty() ? entry.empty() : entry == display, "the sign key left the entry inconsistent", entry);
        break;
      }
      case KeyClass::Backspace: {
        if (before.entry.empty()) {
          c.Require(shown.empty() && display == before.display, "backspace acted with an empty entry");
          break;
        }
        c.Require(shown.size() == 1 && shown[0] == display && entry == display, "backspace did not show the new entry");
        c.Require(display == before.display.substr(0, before.display.empty() ? 0 : before.display.size() - 1),
                  "backspace did not remove the display text's last character", display);
        break;
      }
      case KeyClass::Clear:
        c.Require(shown.size() == 1 && shown[0].empty(), "Clear did not show an empty display");
        c.Require(display.empty() && entry.empty(), "Clear left text behind");
        c.Require(e.m_nLevel == 0 && e.m_bParenClosed == 0 && e.m_bPendingFunc == 0 && e.m_nPendingFunc == 0 &&
                      e.m_nSavedOp == 0,
                  "Clear left a level or a pending state");
        c.Require(e.m_bInverse == before.engine.m_bInverse && e.m_nAngleMode == before.engine.m_nAngleMode &&
                      SameBits(e.m_dMemory, before.engine.m_dMemory),
                  "Clear changed a mode or the memory");
        break;
      case KeyClass::Silent:
        c.Require(shown.empty(), "a key that must not touch the display showed a text", shown.empty() ? "" : shown[0]);
        c.Require(entry == before.entry && display == before.display, "a key that must not touch the texts changed them");
        break;
      case KeyClass::Computing: {
        // Such a key shows either the display text it found (when nothing was calculated)
        // or texts that an evaluation, pi, memory recall or the e.000 views produced.
        for (const auto& text : shown) {
          if (text == before.display) continue;
          if (step.key == IDC_KEY_MR && text.empty()) continue;  // the memory holds 0
          c.Require(IsResultText(text, precision), "result text breaks the formatting rules", text);
          c.Require(text.size() <= zelko::fuzz::ResultMax(precision), "result text too long", text);
        }
        // The entry is committed, kept, or becomes the text just shown (pi, MR, a function
        // applied to the second number of an armed power or exponent).
        c.Require(entry.empty() || entry == before.entry || (!shown.empty() && entry == shown.back()),
                  "the entry became a text that was not shown", entry);
        break;
      }
    }
  }

  // A digit shows the entry, or the scientific-entry layout while OP_SCI waits in op slot 1.
  void CheckEntryText(const Checker& c, const std::string& text, const std::string& entry, bool exponentLayout,
                      int precision) const {
    if (!exponentLayout) {
      c.Require(text == entry, "typing showed something other than the entry", text);
      return;
    }
    c.Require(IsScientificEntryLayout(text, precision), "bad scientific-entry layout", text);
    c.Require(text.size() <= entry.size() + kEntryAllowance, "scientific-entry layout longer than the entry allows", text);
  }

  void CheckFaces(const Checker& c, const Step& step, const Snapshot& before) {
    const auto& faces = m_faces.faces;
    for (const auto& [key, icon] : faces) {
      bool known = key == IDC_KEY_DEGRAD && (icon == kFaceDegrees || icon == kFaceRadians);
      for (const auto& f : kInverseFaces) known = known || (key == f.key && (icon == f.plain || icon == f.inverse));
      c.Require(known, "unknown face (control * 1000 + icon)", key * 1000LL + icon);
      m_face[key] = icon;
    }
    // INV sets all nine faces in order; x.xx (e.000 in inverse mode) ends inverse mode the
    // same way; deg/rad sets its own face; nothing else touches faces.
    const bool inverseToggle = step.kind == StepKind::Key &&
                               (step.key == IDC_KEY_INV || (step.key == IDC_KEY_SCI && before.engine.m_bInverse));
    const bool angleToggle = step.kind == StepKind::Key && step.key == IDC_KEY_DEGRAD;
    if (inverseToggle) {
      c.Require(faces.size() == kInverseFaces.size(), "INV did not set the nine faces", static_cast<long long>(faces.size()));
      for (std::size_t i = 0; i < faces.size(); ++i)
        c.Require(faces[i].first == kInverseFaces[i].key, "INV set the faces out of order");
      c.Require(m_engine.m_bInverse != before.engine.m_bInverse, "inverse mode did not toggle");
    } else if (angleToggle) {
      c.Require(faces.size() == 1, "deg/rad did not set one face", static_cast<long long>(faces.size()));
      c.Require(m_engine.m_nAngleMode != before.engine.m_nAngleMode, "the angle unit did not toggle");
    } else {
      c.Require(faces.empty(), "a key set a face it does not own");
      c.Require(m_engine.m_bInverse == before.engine.m_bInverse && m_engine.m_nAngleMode == before.engine.m_nAngleMode,
                "a mode changed without its key");
    }
    // What the faces show agrees with the modes in force.
    for (const auto& f : kInverseFaces)
      c.Require(m_face[f.key] == (m_engine.m_bInverse ? f.inverse : f.plain), "a face disagrees with inverse mode");
    c.Require(m_face[IDC_KEY_DEGRAD] == (m_engine.m_nAngleMode == 1 ? kFaceDegrees : kFaceRadians),
              "the deg/rad face disagrees with the angle unit");
  }

  static bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

  CCalcEngine m_engine;
  RecordingDisplay m_display;
  RecordingFaces m_faces;
  CCalcKeypad m_keypad;
  std::array<int, 2048> m_face{};  // by control number
  std::size_t m_longestEntry = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Harness harness;
  const std::uint8_t* p = data;
  const std::uint8_t* const end = data + size;
  Step step;
  for (std::size_t index = 0; NextStep(p, end, step); ++index) harness.Run(index, step);
  return 0;
}
