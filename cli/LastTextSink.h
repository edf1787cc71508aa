// The display of the key-replay command: it keeps only the text last shown, and for the long
// texts of a number being typed it keeps a reference to the keypad's own display text instead
// of a copy, so that typing a million digits does not copy a growing text on every key.
#pragma once

#include <string>

#include "CalcKeypad.h"

class CLastTextSink : public CDisplaySink {
 public:
  // Texts up to this length are copied; longer ones that are the keypad's display text are not.
  static constexpr std::size_t kCopyLimit = 256;

  void Attach(const CCalcKeypad& keypad) { m_pKeypad = &keypad; }

  void ShowText(const std::string& text) override {
    // Only AppendToEntry and the completing keys show m_strDisplay itself at such lengths, and
    // every later change of m_strDisplay by a key is shown again, so the reference stays right.
    if (m_pKeypad && &text == &m_pKeypad->m_strDisplay && text.size() > kCopyLimit) {
      m_bKeypadText = true;
      m_strCopy.clear();
    } else {
      m_bKeypadText = false;
      m_strCopy = text;
    }
  }

  // The typed text replaces what the display showed, as if the user had typed it there.
  void SetTyped(const std::string& text) {
    m_bKeypadText = false;
    m_strCopy = text;
  }

  const std::string& Text() const { return m_bKeypadText ? m_pKeypad->m_strDisplay : m_strCopy; }

 private:
  const CCalcKeypad* m_pKeypad = nullptr;
  bool m_bKeypadText = false;
  std::string m_strCopy;
};
