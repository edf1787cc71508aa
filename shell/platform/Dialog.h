// A modal dialog built from a dialog template. Its buttons are commands: each click goes to the
// dialog's command map, where OK and Cancel close it. Derived dialogs add their own commands and
// their initialisation; the object lives only while it runs.
#pragma once

#include <QDialog>
#include <vector>

#include "CmdTarget.h"
#include "DialogLayout.h"

class CUiProvider;

class CDialog : public QDialog, public CCmdTarget {
 public:
  CDialog(const res::DialogTemplate& tpl, CUiProvider& ui, QWidget* owner);

  // Initialises the dialog and runs it; IDOK when accepted, else IDCANCEL (Esc, close box too).
  int DoModal();

  bool OnCmdMsg(int id, CCmdUI* pCmdUI) override;
  QWidget* GetDlgItem(int id) const { return ::GetDlgItem(*this, id); }

 protected:
  // Runs the data exchange; returns true to let the first control take the focus.
  virtual bool OnInitDialog();
  virtual void DoDataExchange() {}

  void OnOK(int id);
  void OnCancel(int id);

  CUiProvider& m_ui;

 private:
  static const CommandMapEntry<CDialog> kCommandMap[2];
};
