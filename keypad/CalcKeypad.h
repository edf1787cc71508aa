// CCalcKeypad turns one key at a time into changes of the engine and into display text: digits,
// point, sign, backspace, Clear, the chained operators with one level of parentheses, memory,
// one-step functions with the inverse mode, power/root and scientific-notation entry.
// It owns nothing and draws nothing: texts go to a CDisplaySink and key faces to a CKeyFaceSink.
#pragma once

#include <cstdint>
#include <string>

#include "CalcEngine.h"

// Receives every text the display must show; each call replaces the whole text.
class CDisplaySink {
 public:
  virtual ~CDisplaySink() = default;
  virtual void ShowText(const std::string& text) = 0;
};

// Receives face changes: from now on key `controlId` shows icon resource `iconId`.
class CKeyFaceSink {
 public:
  virtual ~CKeyFaceSink() = default;
  virtual void SetKeyFace(int controlId, int iconId) = 0;
};

class CCalcKeypad {
 public:
  CCalcKeypad(CCalcEngine& engine, CDisplaySink& display, CKeyFaceSink& faces);

  // The display text: what the keypad last put, or means to put, into the display.
  std::string m_strDisplay;

  // Entry keys.
  void AppendToEntry(const std::string& text);
  void OnDigit(const std::string& digit);
  void OnPoint();
  void OnSign();
  bool OnBackspace();  // true when it removed a character
  void OnClear();
  // The user typed or pasted into the display control; becomes the entry, shows nothing.
  void SetTypedText(const std::string& text);

  // Chained operators, equals and parentheses.
  void OnOperator(std::int32_t op);
  void OnEquals();
  void OnOpenParen();
  void OnCloseParen();

  // Memory.
  void OnMemoryStore();
  void OnMemoryRecall();

  // One-step functions and modes.
  void ApplyFunction(std::int32_t op);
  void OnReciprocal();
  void OnSquareRoot();
  void OnSquare();
  void OnPercent();
  void OnLog();
  void OnLn();
  void OnSin();
  void OnCos();
  void OnTan();
  void OnPi();
  void OnAngleUnit();
  void OnInverse();

  // Two-step functions.
  void OnPower();
  void OnScientific();
  void ResolvePendingFunction();

  CCalcEngine& Engine() { return m_engine; }
  const CCalcEngine& Engine() const { return m_engine; }

 private:
  void Show(const std::string& text);
  void Show() { Show(m_strDisplay); }
  void RunStepA();
  void RunStepB();
  // Evaluate; a non-empty result becomes m_strDisplay.
  void EvaluateIntoDisplay();
  std::string ScientificEntryText() const;
  int& OpSlot(int slot) { return m_engine.m_nOps[m_engine.Row()][slot]; }
  double& ValueSlot(int slot) { return m_engine.m_dValues[m_engine.Row()][slot]; }

  CCalcEngine& m_engine;
  CDisplaySink& m_display;
  CKeyFaceSink& m_faces;
  // Set by AppendToEntry when m_strDisplay was made equal to the entry.
  bool m_bDisplayMirrorsEntry = false;
};
