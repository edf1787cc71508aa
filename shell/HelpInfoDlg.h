// The Help Info dialog: fixed paragraphs on how the calculator works, and a small browser of key
// descriptions. Each press of its icon button shows the next of the 30 rows, wrapping after the
// last; every opening starts again before row 0. It touches no calculator state.
#pragma once

#include <QString>

#include "Dialog.h"

class CButton;
class QPlainTextEdit;

class CHelpInfoDlg : public CDialog {
 public:
  CHelpInfoDlg(CUiProvider& ui, QWidget* owner);

  int m_nKeyIndex = -1;
  QPlainTextEdit* m_editDescription = nullptr;
  CButton* m_btnNextKey = nullptr;
  QString m_strDescription;

  bool OnCmdMsg(int id, CCmdUI* pCmdUI) override;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange() override;

 private:
  void OnNextKey(int id);

  static const CommandMapEntry<CHelpInfoDlg> kCommandMap[1];
};
