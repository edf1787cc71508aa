#include "Dialog.h"

#include <QPushButton>

#include "UiProvider.h"

const CommandMapEntry<CDialog> CDialog::kCommandMap[2] = {
    {res::IDOK, res::IDOK, &CDialog::OnOK, nullptr},
    {res::IDCANCEL, res::IDCANCEL, &CDialog::OnCancel, nullptr},
};

CDialog::CDialog(const res::DialogTemplate& tpl, CUiProvider& ui, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_ui(ui) {
  setWindowTitle(QString::fromUtf8(tpl.caption.data(), qsizetype(tpl.caption.size())));
  setModal(true);
  for (QWidget* control : CreateDialogControls(tpl, *this)) {
    auto* button = qobject_cast<QPushButton*>(control);
    if (!button) continue;
    const int id = GetDlgCtrlID(*button);
    connect(button, &QPushButton::clicked, this, [this, id] { OnCmdMsg(id, nullptr); });
  }
}

int CDialog::DoModal() {
  const bool focusFirst = OnInitDialog();
  if (!focusFirst) setFocus();
  const int code = m_ui.RunModal(*this);
  return code == QDialog::Accepted ? res::IDOK : res::IDCANCEL;
}

bool CDialog::OnInitDialog() {
  DoDataExchange();
  return true;
}

bool CDialog::OnCmdMsg(int id, CCmdUI* pCmdUI) {
  return DispatchCmdMsg<CDialog>(*this, kCommandMap, id, pCmdUI);
}

void CDialog::OnOK(int) { accept(); }

void CDialog::OnCancel(int) { reject(); }
