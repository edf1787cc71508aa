#include "RecentFileList.h"

#include <QFileInfo>
#include <QSettings>

CRecentFileList::CRecentFileList(QString section, QString entryFormat, int size)
    : m_strSection(std::move(section)), m_strEntryFormat(std::move(entryFormat)), m_nSize(size) {}

void CRecentFileList::Add(const QString& path) {
  const QString full = QFileInfo(path).absoluteFilePath();
  m_files.removeAll(full);
  m_files.prepend(full);
  while (m_files.size() > m_nSize) m_files.removeLast();
}

void CRecentFileList::ReadList(QSettings& settings) {
  m_files.clear();
  settings.beginGroup(m_strSection);
  for (int i = 1; i <= m_nSize; ++i) {
    const QString path = settings.value(m_strEntryFormat.arg(i)).toString();
    if (!path.isEmpty()) m_files.append(path);
  }
  settings.endGroup();
}

void CRecentFileList::WriteList(QSettings& settings) const {
  settings.beginGroup(m_strSection);
  for (int i = 1; i <= m_nSize; ++i) {
    const QString key = m_strEntryFormat.arg(i);
    if (i <= m_files.size())
      settings.setValue(key, m_files.at(i - 1));
    else
      settings.remove(key);
  }
  settings.endGroup();
}
