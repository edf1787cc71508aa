#include "StatusBar.h"

#include <QLabel>

#include "StringTable.h"

CStatusBar::CStatusBar(QWidget* parent) : QStatusBar(parent) {}

bool CStatusBar::SetIndicators(std::span<const int> ids) {
  if (!m_panes.empty() || ids.empty()) return false;
  for (const int id : ids) {
    auto* pane = new QLabel(this);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setTextFormat(Qt::PlainText);
    pane->setProperty("paneId", id);
    if (id == 0) {
      pane->setIndent(2);
      addWidget(pane, 1);
    } else {
      const std::string_view text = res::LoadString(id);
      const QString sample = QString::fromUtf8(text.data(), qsizetype(text.size()));
      pane->setAlignment(Qt::AlignCenter);
      pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(sample) + 10);
      addPermanentWidget(pane);
    }
    m_panes.push_back(pane);
    m_ids.push_back(id);
  }
  return true;
}

void CStatusBar::SetPaneText(int index, const QString& text) {
  if (index < 0 || index >= GetCount()) return;
  QLabel* pane = m_panes[static_cast<std::size_t>(index)];
  // The lock panes are set on every keystroke; an unchanged text needs no synchronous repaint.
  if (pane->text() == text) return;
  pane->setText(text);
  pane->repaint();
}

QString CStatusBar::GetPaneText(int index) const {
  if (index < 0 || index >= GetCount()) return {};
  return m_panes[static_cast<std::size_t>(index)]->text();
}
