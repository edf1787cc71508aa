// A status bar of panes: pane 0 stretches and carries messages, the others are fixed indicator
// panes as wide as the text they show when on ("CAP", "NUM", "SCRL") and blank when off.
#pragma once

#include <QStatusBar>
#include <span>
#include <vector>

class QLabel;

class CStatusBar : public QStatusBar {
 public:
  explicit CStatusBar(QWidget* parent = nullptr);

  // One pane per identifier: 0 (ID_SEPARATOR) for the message pane, otherwise a string number
  // whose text sizes the pane.
  bool SetIndicators(std::span<const int> ids);
  void SetPaneText(int index, const QString& text);
  QString GetPaneText(int index) const;
  int GetCount() const { return static_cast<int>(m_panes.size()); }
  int GetItemID(int index) const { return m_ids.at(static_cast<std::size_t>(index)); }

 private:
  std::vector<QLabel*> m_panes;
  std::vector<int> m_ids;
};
