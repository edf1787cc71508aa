#include "CalcKeypad.h"

#include <array>
#include <cmath>
#include <limits>

#include "KeyCommands.h"
#include "TextFormat.h"

namespace {

// The pi key's constant: fifteen significant digits, not the double nearest pi.
constexpr double kPi15 = 3.14159265358979;

constexpr int kDegRadFaceDeg = 142;
constexpr int kDegRadFaceRad = 143;

// Faces that INV switches, in the order they are set.
struct InverseFace {
  int key;
  int plainIcon;
  int inverseIcon;
};
constexpr std::array<InverseFace, 9> kInverseFaces = {{
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

// The exponent of the scientific-entry layout: truncated toward zero and kept inside the
// 32-bit range, so that "1e99" or a million nines typed as exponent print a defined number.
long long ExponentDigits(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kMin = std::numeric_limits<std::int32_t>::min();
  constexpr double kMax = std::numeric_limits<std::int32_t>::max();
  if (value <= kMin) return std::numeric_limits<std::int32_t>::min();
  if (value >= kMax) return std::numeric_limits<std::int32_t>::max();
  return static_cast<long long>(std::trunc(value));
}

}  // namespace

CCalcKeypad::CCalcKeypad(CCalcEngine& engine, CDisplaySink& display, CKeyFaceSink& faces)
    : m_engine(engine), m_display(display), m_faces(faces) {}

void CCalcKeypad::Show(const std::string& text) { m_display.ShowText(text); }

void CCalcKeypad::EvaluateIntoDisplay() {
  std::string text = m_engine.Evaluate();
  if (!text.empty()) m_strDisplay = std::move(text);
  m_bDisplayMirrorsEntry = false;
}

// ---- Entry keys ------------------------------------------------------------------------------

std::string CCalcKeypad::ScientificEntryText() const {
  using namespace zelko::text;
  const CCalcEngine& e = m_engine;
  return PadLeft(General(e.m_dValues[e.Row()][0], e.m_nPrecision), e.m_nFieldWidth) + "  " +
         Integer(ExponentDigits(e.GetEntryValue()), 3);
}

void CCalcKeypad::AppendToEntry(const std::string& text) {
  std::string& entry = m_engine.m_strEntry;
  // Typing appends to both texts instead of copying the entry each time, so that a number
  // of a million digits costs the same per key as a short one. The shortcut is taken only
  // when the display text was last set from the entry by this function and both still have
  // the same length; anything else copies.
  const bool mirrored = m_bDisplayMirrorsEntry && m_strDisplay.size() == entry.size();
  entry += text;
  if (mirrored)
    m_strDisplay += text;
  else
    m_strDisplay = entry;
  m_bDisplayMirrorsEntry = true;
  // While OP_SCI waits in slot 1 the digits typed are an exponent: show mantissa and exponent.
  if (OpSlot(1) == OP_SCI)
    Show(ScientificEntryText());
  else
    Show();
}

void CCalcKeypad::OnDigit(const std::string& digit) { AppendToEntry(digit); }

void CCalcKeypad::OnPoint() {
  if (m_strDisplay.empty()) {
    AppendToEntry("0");
    AppendToEntry(".");
    return;
  }
  const bool entryEmpty = m_engine.m_strEntry.empty();
  // A number begun right after an operator, or as the second number of an armed power or
  // exponent, starts as "0." even though the display still shows a point of the first number.
  if (entryEmpty && (OpSlot(0) > 0 || m_engine.m_nPendingFunc != 0)) {
    AppendToEntry("0.");
    return;
  }
  if (m_strDisplay.find('.') != std::string::npos) return;
  AppendToEntry(".");
}

void CCalcKeypad::OnSign() {
  if (m_strDisplay.empty()) return;
  const std::string old = m_strDisplay;
  const bool entryWasEmpty = m_engine.m_strEntry.empty();

  m_bDisplayMirrorsEntry = false;
  m_strDisplay = zelko::text::RemoveBlanks(m_strDisplay);
  // Only a leading minus is toggled; one in an exponent (1.500000e-003) stays.
  if (!m_strDisplay.empty() && m_strDisplay.front() == '-')
    m_strDisplay.erase(0, 1);
  else
    m_strDisplay.insert(0, 1, '-');

  if (!entryWasEmpty) m_engine.m_strEntry = m_strDisplay;
  // A shown result is also the current operand: negate it with the text, and keep the last
  // result equal to the text so that a second press negates it back (2+3= +/- +/- +1= is 6).
  if (entryWasEmpty && CCalcEngine::ParseNumber(old) == m_engine.m_dLastResult) {
    ValueSlot(0) *= -1;
    m_engine.m_dLastResult = CCalcEngine::ParseNumber(m_strDisplay);
  }
  Show();
}

bool CCalcKeypad::OnBackspace() {
  if (m_engine.m_strEntry.empty()) return false;
  std::string shortened = m_strDisplay;
  if (!shortened.empty()) shortened.pop_back();
  Show(shortened);
  m_engine.m_strEntry = shortened;
  m_strDisplay = shortened;
  m_bDisplayMirrorsEntry = false;
  return true;
}

void CCalcKeypad::OnClear() {
  m_strDisplay.clear();
  m_bDisplayMirrorsEntry = false;
  m_engine.ClearAll();
  // Back to the main level with nothing pending; modes, memory and precision stay.
  m_engine.m_nLevel = 0;
  m_engine.m_bParenClosed = 0;
  m_engine.m_bPendingFunc = 0;
  m_engine.m_nPendingFunc = 0;
  m_engine.m_nSavedOp = 0;
  Show();
}

void CCalcKeypad::SetTypedText(const std::string& text) {
  m_engine.m_strEntry = text;
  m_strDisplay = text;
  m_bDisplayMirrorsEntry = false;
}

// ---- Operators, equals and parentheses --------------------------------------------------------

void CCalcKeypad::RunStepA() {
  if (!m_engine.m_bPendingFunc) return;
  if (m_engine.m_nPendingFunc != 0) ResolvePendingFunction();
  Show();
  m_engine.m_bPendingFunc = 0;
}

void CCalcKeypad::RunStepB() {
  if (m_engine.m_bParenClosed != 1) return;
  m_engine.CommitEntry();
  m_engine.PushOp(OP_EQUALS);
  // The group's value replaces level 0's newest operand, whatever the current level is.
  m_engine.m_dValues[0][0] = m_engine.m_dValues[1][0];
  EvaluateIntoDisplay();
  Show();
  m_engine.m_bParenClosed = 0;
}

void CCalcKeypad::OnOperator(std::int32_t op) {
  RunStepA();
  RunStepB();
  m_engine.PushOp(op);
  if (!m_engine.m_strEntry.empty()) {
    m_engine.CommitEntry();
    EvaluateIntoDisplay();
    Show();
  }
}

void CCalcKeypad::OnEquals() {
  RunStepA();
  RunStepB();
  if (m_engine.m_strEntry.empty()) return;
  m_engine.CommitEntry();
  m_engine.PushOp(OP_EQUALS);
  EvaluateIntoDisplay();
  Show();
  m_engine.ClearOps();
}

void CCalcKeypad::OnOpenParen() {
  if (m_engine.m_nLevel >= 1) return;
  // Every group starts from an empty history, so an earlier group's '=' marker or value
  // cannot stand in for this one: (1+2)= then 2*(5)= gives 10.
  for (auto& op : m_engine.m_nOps[1]) op = 0;
  for (auto& value : m_engine.m_dValues[1]) value = 0.0;
  ++m_engine.m_nLevel;
}

void CCalcKeypad::OnCloseParen() {
  if (m_engine.m_nLevel != 1) return;
  CCalcEngine& e = m_engine;
  if (e.m_bPendingFunc) {
    if (e.m_nPendingFunc != 0) ResolvePendingFunction();
    Show();
    e.m_bPendingFunc = 0;
    --e.m_nLevel;
  } else if (e.m_nOps[1][0] == OP_EQUALS || (e.m_strEntry.empty() && e.m_nOps[1][0] == 0)) {
    // The chain is complete (by ')' or by '=' inside the group, which clears the ops):
    // its value already stands in slot 0 of level 1.
    e.m_nLevel = 0;
  } else {
    e.CommitEntry();
    e.PushOp(OP_EQUALS);
    EvaluateIntoDisplay();
    Show();
    --e.m_nLevel;
  }
  e.m_bParenClosed = 1;
}

// ---- Memory -------------------------------------------------------------------------------------

void CCalcKeypad::OnMemoryStore() { m_engine.StoreMemory(CCalcEngine::ParseNumber(m_strDisplay)); }

void CCalcKeypad::OnMemoryRecall() {
  std::string text;
  const double memory = m_engine.RecallMemory();
  if (memory != 0.0) text = m_engine.FormatValue(memory);
  text = CCalcEngine::TrimZeros(text);
  m_engine.m_strEntry = text;
  m_strDisplay = m_engine.m_strEntry;
  m_bDisplayMirrorsEntry = false;
  Show(text);
}

// ---- One-step functions -----------------------------------------------------------------------

void CCalcKeypad::ApplyFunction(std::int32_t op) {
  CCalcEngine& e = m_engine;
  if (e.m_bPendingFunc) {
    if (e.m_nPendingFunc != 0) {
      // The function replaces the second number being typed; the two-step function stays armed.
      std::string text = e.EvaluateOp(op, e.GetEntryValue(), 0.0);
      if (!text.empty()) m_strDisplay = text;
      e.m_strEntry = std::move(text);
      m_bDisplayMirrorsEntry = false;
      Show();
      return;
    }
    Show();
    e.m_bPendingFunc = 0;
  }
  if (m_strDisplay.empty()) return;

  e.m_nSavedOp = OpSlot(0);
  e.PushOp(op);
  e.PushOp(e.m_nSavedOp);
  e.CommitEntry();
  if (e.m_bParenClosed == 1) {
    e.m_dValues[0][0] = e.m_dValues[1][0];
    e.m_bParenClosed = 0;
  }
  // Nothing typed (or a typed 0): the function applies to the value on display.
  if (ValueSlot(0) == 0.0) ValueSlot(0) = ValueSlot(1);
  EvaluateIntoDisplay();
  Show();

  // Fold the result into the operator that was pending; the subtotal waits in m_strDisplay.
  e.PushOp(e.m_nSavedOp);
  e.PushOp(OP_EQUALS);
  EvaluateIntoDisplay();
  e.m_bPendingFunc = 1;
}

void CCalcKeypad::OnReciprocal() { ApplyFunction(OP_RECIPROCAL); }
void CCalcKeypad::OnSquareRoot() { ApplyFunction(OP_SQRT); }
void CCalcKeypad::OnSquare() { ApplyFunction(m_engine.m_bInverse ? OP_SQRT : OP_SQUARE); }
void CCalcKeypad::OnPercent() { ApplyFunction(OP_PERCENT); }
void CCalcKeypad::OnLog() { ApplyFunction(m_engine.m_bInverse ? OP_EXP10 : OP_LOG10); }
void CCalcKeypad::OnLn() { ApplyFunction(m_engine.m_bInverse ? OP_EXP : OP_LN); }
void CCalcKeypad::OnSin() { ApplyFunction(m_engine.m_bInverse ? OP_ASIN : OP_SIN); }
void CCalcKeypad::OnCos() { ApplyFunction(m_engine.m_bInverse ? OP_ACOS : OP_COS); }
void CCalcKeypad::OnTan() { ApplyFunction(m_engine.m_bInverse ? OP_ATAN : OP_TAN); }

void CCalcKeypad::OnPi() {
  RunStepA();
  m_engine.m_strEntry = m_engine.FormatValue(kPi15);
  m_strDisplay = m_engine.m_strEntry;
  m_bDisplayMirrorsEntry = false;
  Show();
}

void CCalcKeypad::OnAngleUnit() {
  // The face names the unit now in force.
  if (m_engine.m_nAngleMode == 0) {
    m_faces.SetKeyFace(IDC_KEY_DEGRAD, kDegRadFaceDeg);
    m_engine.m_nAngleMode = 1;
  } else {
    m_faces.SetKeyFace(IDC_KEY_DEGRAD, kDegRadFaceRad);
    m_engine.m_nAngleMode = 0;
  }
}

void CCalcKeypad::OnInverse() {
  const bool inverse = m_engine.m_bInverse != 0;
  for (const auto& face : kInverseFaces) m_faces.SetKeyFace(face.key, inverse ? face.plainIcon : face.inverseIcon);
  m_engine.m_bInverse = inverse ? 0 : 1;
}

// ---- Two-step functions -----------------------------------------------------------------------

void CCalcKeypad::OnPower() {
  CCalcEngine& e = m_engine;
  // A result or subtotal on display becomes the base; a number being typed already is the entry.
  if (m_strDisplay != e.m_strEntry) e.m_strEntry = m_strDisplay;
  RunStepA();
  e.m_nSavedOp = OpSlot(0);
  e.PushOp(OP_POWER);
  e.PushOp(e.m_nSavedOp);
  if (!e.m_strEntry.empty()) {
    e.CommitEntry();
    e.m_bPendingFunc = 1;
    e.m_nPendingFunc = OP_POWER;
  }
}

void CCalcKeypad::OnScientific() {
  CCalcEngine& e = m_engine;
  if (e.m_bInverse) {
    // x.xx: show the displayed value in plain decimals and leave inverse mode.
    Show(CCalcEngine::TrimZeros(e.FormatValue(CCalcEngine::ParseNumber(m_strDisplay))));
    OnInverse();
    return;
  }
  if (m_strDisplay != e.m_strEntry) {
    Show(zelko::text::Exponent(CCalcEngine::ParseNumber(m_strDisplay), 6));
    return;
  }
  if (m_strDisplay.find_first_of("eE") != std::string::npos) return;
  RunStepA();
  e.m_nSavedOp = OpSlot(0);
  e.PushOp(OP_SCI);
  e.PushOp(e.m_nSavedOp);
  if (e.m_strEntry.empty()) return;
  e.CommitEntry();
  e.m_bPendingFunc = 1;
  e.m_nPendingFunc = OP_SCI;
}

void CCalcKeypad::ResolvePendingFunction() {
  CCalcEngine& e = m_engine;
  e.CommitEntry();
  EvaluateIntoDisplay();
  Show();
  e.PushOp(e.m_nSavedOp);
  e.PushOp(OP_EQUALS);
  // The saved operator's left operand moves next to the function's result.
  ValueSlot(1) = ValueSlot(2);
  EvaluateIntoDisplay();
  Show();
  e.m_nPendingFunc = 0;
}
