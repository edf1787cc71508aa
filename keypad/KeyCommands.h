// The 37 keys as data: command number, the name zelko-calc and the tests use, and the keypad
// operation it runs. The window's buttons, its accelerator table and the key-replay command all
// press keys through this one table.
#pragma once

#include <array>
#include <string_view>

#include "CalcKeypad.h"

// Key command numbers, also the control numbers of the buttons. 1002, 1024, 1025, 1027 and
// 1030 belong to no key; 1026 is the display control.
enum KeyCommand : int {
  IDC_KEY_1 = 1001,
  IDC_KEY_2 = 1003,
  IDC_KEY_3 = 1004,
  IDC_KEY_4 = 1005,
  IDC_KEY_5 = 1006,
  IDC_KEY_6 = 1007,
  IDC_KEY_7 = 1008,
  IDC_KEY_8 = 1009,
  IDC_KEY_9 = 1010,
  IDC_KEY_0 = 1011,
  IDC_KEY_SUBTRACT = 1012,
  IDC_KEY_ADD = 1013,
  IDC_KEY_MULTIPLY = 1014,
  IDC_KEY_DIVIDE = 1015,
  IDC_KEY_POINT = 1016,
  IDC_KEY_SIGN = 1017,
  IDC_KEY_CLEAR = 1018,
  IDC_KEY_EQUALS = 1019,
  IDC_KEY_RECIPROCAL = 1020,
  IDC_KEY_SQRT = 1021,
  IDC_KEY_MS = 1022,
  IDC_KEY_MR = 1023,
  IDC_KEY_SCI = 1028,
  IDC_KEY_SQUARE = 1029,
  IDC_KEY_POWER = 1031,
  IDC_KEY_PERCENT = 1032,
  IDC_KEY_PI = 1033,
  IDC_KEY_LOG = 1034,
  IDC_KEY_LN = 1035,
  IDC_KEY_SIN = 1036,
  IDC_KEY_COS = 1037,
  IDC_KEY_BACKSPACE = 1038,
  IDC_KEY_TAN = 1039,
  IDC_KEY_INV = 1040,
  IDC_KEY_LPAREN = 1041,
  IDC_KEY_RPAREN = 1042,
  IDC_KEY_DEGRAD = 1043,
};

struct KeyOperation {
  KeyCommand id;
  std::string_view name;  // canonical key name: "7", "+", "SqRt", "e.000", ...
  void (*press)(CCalcKeypad&);
};

// In command-number order.
inline constexpr std::array<KeyOperation, 37> kKeyOperations = {{
    {IDC_KEY_1, "1", [](CCalcKeypad& k) { k.OnDigit("1"); }},
    {IDC_KEY_2, "2", [](CCalcKeypad& k) { k.OnDigit("2"); }},
    {IDC_KEY_3, "3", [](CCalcKeypad& k) { k.OnDigit("3"); }},
    {IDC_KEY_4, "4", [](CCalcKeypad& k) { k.OnDigit("4"); }},
    {IDC_KEY_5, "5", [](CCalcKeypad& k) { k.OnDigit("5"); }},
    {IDC_KEY_6, "6", [](CCalcKeypad& k) { k.OnDigit("6"); }},
    {IDC_KEY_7, "7", [](CCalcKeypad& k) { k.OnDigit("7"); }},
    {IDC_KEY_8, "8", [](CCalcKeypad& k) { k.OnDigit("8"); }},
    {IDC_KEY_9, "9", [](CCalcKeypad& k) { k.OnDigit("9"); }},
    {IDC_KEY_0, "0", [](CCalcKeypad& k) { k.OnDigit("0"); }},
    {IDC_KEY_SUBTRACT, "-", [](CCalcKeypad& k) { k.OnOperator(OP_SUBTRACT); }},
    {IDC_KEY_ADD, "+", [](CCalcKeypad& k) { k.OnOperator(OP_ADD); }},
    {IDC_KEY_MULTIPLY, "*", [](CCalcKeypad& k) { k.OnOperator(OP_MULTIPLY); }},
    {IDC_KEY_DIVIDE, "/", [](CCalcKeypad& k) { k.OnOperator(OP_DIVIDE); }},
    {IDC_KEY_POINT, ".", [](CCalcKeypad& k) { k.OnPoint(); }},
    {IDC_KEY_SIGN, "+/-", [](CCalcKeypad& k) { k.OnSign(); }},
    {IDC_KEY_CLEAR, "Clear", [](CCalcKeypad& k) { k.OnClear(); }},
    {IDC_KEY_EQUALS, "=", [](CCalcKeypad& k) { k.OnEquals(); }},
    {IDC_KEY_RECIPROCAL, "1/x", [](CCalcKeypad& k) { k.OnReciprocal(); }},
    {IDC_KEY_SQRT, "SqRt", [](CCalcKeypad& k) { k.OnSquareRoot(); }},
    {IDC_KEY_MS, "MS", [](CCalcKeypad& k) { k.OnMemoryStore(); }},
    {IDC_KEY_MR, "MR", [](CCalcKeypad& k) { k.OnMemoryRecall(); }},
    {IDC_KEY_SCI, "e.000", [](CCalcKeypad& k) { k.OnScientific(); }},
    {IDC_KEY_SQUARE, "x^2", [](CCalcKeypad& k) { k.OnSquare(); }},
    {IDC_KEY_POWER, "y^x", [](CCalcKeypad& k) { k.OnPower(); }},
    {IDC_KEY_PERCENT, "%", [](CCalcKeypad& k) { k.OnPercent(); }},
    {IDC_KEY_PI, "pi", [](CCalcKeypad& k) { k.OnPi(); }},
    {IDC_KEY_LOG, "log", [](CCalcKeypad& k) { k.OnLog(); }},
    {IDC_KEY_LN, "ln", [](CCalcKeypad& k) { k.OnLn(); }},
    {IDC_KEY_SIN, "sin", [](CCalcKeypad& k) { k.OnSin(); }},
    {IDC_KEY_COS, "cos", [](CCalcKeypad& k) { k.OnCos(); }},
    {IDC_KEY_BACKSPACE, "<--", [](CCalcKeypad& k) { k.OnBackspace(); }},
    {IDC_KEY_TAN, "tan", [](CCalcKeypad& k) { k.OnTan(); }},
    {IDC_KEY_INV, "INV", [](CCalcKeypad& k) { k.OnInverse(); }},
    {IDC_KEY_LPAREN, "(", [](CCalcKeypad& k) { k.OnOpenParen(); }},
    {IDC_KEY_RPAREN, ")", [](CCalcKeypad& k) { k.OnCloseParen(); }},
    {IDC_KEY_DEGRAD, "deg", [](CCalcKeypad& k) { k.OnAngleUnit(); }},
}};

// The key with this command number, or nullptr.
constexpr const KeyOperation* FindKeyOperation(int id) {
  for (const auto& key : kKeyOperations)
    if (key.id == id) return &key;
  return nullptr;
}

// Presses the key with this command number; false when no key has it.
inline bool PressKey(CCalcKeypad& keypad, int id) {
  const KeyOperation* key = FindKeyOperation(id);
  if (!key) return false;
  key->press(keypad);
  return true;
}
