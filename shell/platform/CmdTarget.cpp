#include "CmdTarget.h"

#include <QAction>

void CCmdUI::Enable(bool on) {
  m_bEnabled = on;
  if (m_pAction) m_pAction->setEnabled(on);
}

void CCmdUI::SetCheck(int check) {
  m_nCheck = check;
  if (m_pAction) {
    m_pAction->setCheckable(true);
    m_pAction->setChecked(check != 0);
  }
}
