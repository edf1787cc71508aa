// CCalcEngine holds the calculator's whole arithmetic state: two levels of operator and operand
// history, the number being typed, memory, settings and the flags the keypad coordinates with,
// and it evaluates op codes and turns doubles into display text. It knows nothing of keys,
// windows or the display control; the keypad logic reads and writes its public fields directly.
#pragma once

#include <cstdint>
#include <string>

// Op codes, the values held in m_nOps. 0 means none; any code not listed behaves like 0.
enum : std::int32_t {
  OP_NONE = 0,
  OP_DIVIDE = 1,
  OP_MULTIPLY = 2,
  OP_ADD = 3,
  OP_SUBTRACT = 4,
  OP_EQUALS = 5,  // marks a completed chain; evaluates to nothing
  OP_RECIPROCAL = 7,
  OP_SQRT = 8,
  OP_SQUARE = 9,
  OP_POWER = 11,  // root instead of power while m_bInverse is set
  OP_PERCENT = 12,
  OP_LOG10 = 14,
  OP_LN = 15,
  OP_SIN = 16,
  OP_COS = 17,
  OP_TAN = 18,
  OP_EXP10 = 19,
  OP_EXP = 20,
  OP_ASIN = 21,
  OP_ACOS = 22,
  OP_ATAN = 23,
  OP_SCI = 24,  // mantissa times ten to the exponent, shown with "%e"
};

class CCalcEngine {
 public:
  static constexpr int kLevels = 2;
  static constexpr int kSlots = 4;

  CCalcEngine() = default;
  virtual ~CCalcEngine() = default;

  // Fields in their fixed order. Flags are 0 or 1.
  std::int32_t m_nPrecision = 14;   // 2, 4 or 6 decimals; anything else: as many as fit
  std::int32_t m_nFieldWidth = 15;  // never changed
  double m_dLastResult = 0.0;       // the last result as read back from its display text
  std::int32_t m_bParenClosed = 0;  // a group was closed and waits to be folded into level 0
  std::int32_t m_nLevel = 0;        // 0 main, 1 inside parentheses
  std::int32_t m_bInverse = 0;
  std::int32_t m_nPendingFunc = 0;  // 0, OP_POWER or OP_SCI while a two-step function is armed
  std::int32_t m_bPendingFunc = 0;
  std::int32_t m_nAngleMode = 1;  // 0 radians, 1 degrees
  std::int32_t m_nSavedOp = 0;
  std::int32_t m_nOps[kLevels][kSlots] = {};  // [level][slot], slot 0 newest
  double m_dMemory = 0.0;
  std::string m_strEntry;
  double m_dValues[kLevels][kSlots] = {};  // [level][slot], slot 0 newest

  // Per-level history operations act on row m_nLevel only.
  void ClearOps();
  void ShiftOps();
  void PushOp(std::int32_t op);
  void ShiftValues();

  // Reads sign, digits, point and exponent in that grammar, ignoring the rest; 0 without digits.
  // Independent of the locale and of the C library's extensions (no inf, nan or hex).
  static double ParseNumber(const std::string& text);
  double GetEntryValue() const;
  void ClearEntry();
  void CommitEntry();
  void ClearAll();
  void StoreMemory(double value);
  double RecallMemory() const;

  std::string FormatValue(double value) const;
  static std::string TrimZeros(const std::string& text);

  std::string Evaluate();
  std::string EvaluateOp(std::int32_t op, double right, double left) const;

  // Row index of the current level. A level other than 0 or 1 written into the public field
  // is read as level 0 rather than indexing outside the histories.
  int Row() const { return m_nLevel == 1 ? 1 : 0; }

 private:
  // One operation's value. Returns false for codes that calculate nothing.
  bool Compute(std::int32_t op, double right, double left, double& result) const;
  static bool IsLogOfNonPositive(std::int32_t op, double right);
};
