// The recent-file list kept in the per-user settings: section "Recent File List", entries
// File1 (newest) to File4. It is read at start-up and written at exit.
#pragma once

#include <QString>
#include <QStringList>

class QSettings;

class CRecentFileList {
 public:
  CRecentFileList(QString section, QString entryFormat, int size);

  void Add(const QString& path);
  void ReadList(QSettings& settings);
  void WriteList(QSettings& settings) const;
  const QStringList& Files() const { return m_files; }

 private:
  QString m_strSection;
  QString m_strEntryFormat;  // "File%1"
  int m_nSize;
  QStringList m_files;
};
