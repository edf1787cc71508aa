#include "HelpInfoDlg.h"

#include <QPlainTextEdit>

#include "Controls.h"
#include "HelpTable.h"

const CommandMapEntry<CHelpInfoDlg> CHelpInfoDlg::kCommandMap[1] = {
    {res::IDC_NEXT_KEY, res::IDC_NEXT_KEY, &CHelpInfoDlg::OnNextKey, nullptr},
};

CHelpInfoDlg::CHelpInfoDlg(CUiProvider& ui, QWidget* owner) : CDialog(res::kHelpInfo, ui, owner) {}

bool CHelpInfoDlg::OnCmdMsg(int id, CCmdUI* pCmdUI) {
  return DispatchCmdMsg<CHelpInfoDlg>(*this, kCommandMap, id, pCmdUI) ||
         CDialog::OnCmdMsg(id, pCmdUI);
}

void CHelpInfoDlg::DoDataExchange() {
  m_editDescription = static_cast<QPlainTextEdit*>(GetDlgItem(res::IDC_KEY_DESCRIPTION));
  m_btnNextKey = static_cast<CButton*>(GetDlgItem(res::IDC_NEXT_KEY));
  m_editDescription->setPlainText(m_strDescription);
}

bool CHelpInfoDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_btnNextKey->SetIconFace(res::kHelpStartIcon);
  return true;
}

void CHelpInfoDlg::OnNextKey(int) {
  if (++m_nKeyIndex > static_cast<int>(res::kHelpRows.size()) - 1) m_nKeyIndex = 0;
  const res::HelpRow& row = res::kHelpRows[static_cast<std::size_t>(m_nKeyIndex)];
  m_strDescription = QString::fromUtf8(row.text.data(), qsizetype(row.text.size()));
  m_btnNextKey->SetIconFace(row.icon);
  m_editDescription->setPlainText(m_strDescription);
}
