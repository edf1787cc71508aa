// CCalculatorDoc owns the program's one calculation engine, from its construction to its
// destruction; new and open reuse the document and leave the engine as it is. The document
// stores nothing: saving writes an empty file and opening reads nothing, so it is never
// modified and never offered for saving.
#pragma once

#include <QString>
#include <memory>

#include "CalcEngine.h"
#include "CmdTarget.h"

class CCalculatorApp;
class CCalculatorView;
class QIODevice;

class CCalculatorDoc : public CCmdTarget {
 public:
  CCalculatorDoc();
  ~CCalculatorDoc() override;

  std::unique_ptr<CCalcEngine> m_pEngine;

  bool OnNewDocument();
  bool OnOpenDocument(const QString& path);
  bool OnSaveDocument(const QString& path);
  void Serialize(QIODevice& file, bool storing);
  void DeleteContents() {}

  void SetTitle(const QString& title);
  const QString& GetTitle() const { return m_strTitle; }
  // Takes the file's path and its name as the title, and records it as a recent file.
  void SetPathName(const QString& path);
  const QString& GetPathName() const { return m_strPathName; }
  bool IsModified() const { return m_bModified; }

  void AddView(CCalculatorView* view) { m_pView = view; }
  void RemoveView(CCalculatorView* view);
  CCalculatorView* GetView() const { return m_pView; }
  void UpdateAllViews(CCalculatorView* sender);

  bool OnCmdMsg(int id, CCmdUI* pCmdUI) override;

  // Set by the application when it makes the document: the source of dialogs and settings.
  CCalculatorApp* m_pApp = nullptr;

 private:
  void OnFileSave(int id);
  // Saves under `path`, asking for a name when it is empty.
  bool DoSave(QString path);
  void ReportFileError(int messageId, const QString& path, const QString& reason) const;

  static const CommandMapEntry<CCalculatorDoc> kCommandMap[1];

  QString m_strTitle;
  QString m_strPathName;
  bool m_bModified = false;
  CCalculatorView* m_pView = nullptr;
};
