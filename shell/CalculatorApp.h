// CCalculatorApp starts the program: it names the settings, reads the recent-file list, carries
// out the command line (a new document, or the named file) and so creates the one document with
// its engine, the main frame and the panel, in that order. It handles About, New, Open and Exit.
// One object per run, made in main() once Qt's application object exists.
#pragma once

#include <QString>
#include <memory>

#include "CmdTarget.h"
#include "CommandLine.h"
#include "RecentFileList.h"

class CCalculatorDoc;
class CMainFrame;
class CUiProvider;

class CCalculatorApp : public CCmdTarget {
 public:
  // `ui` answers every dialog; null means the standard Qt dialogs.
  explicit CCalculatorApp(CUiProvider* ui = nullptr);
  ~CCalculatorApp() override;  // writes the recent-file list

  // False when the program must end at once (the document could not be created or opened).
  bool InitInstance(const CCommandLineInfo& cmdInfo);

  bool OnCmdMsg(int id, CCmdUI* pCmdUI) override;

  CUiProvider& Ui() const { return *m_pUi; }
  // "calculator": caption of message boxes and name of the settings.
  QString AppTitle() const;
  static QString FileFilter();
  void AddToRecentFileList(const QString& path);
  const CRecentFileList* RecentFiles() const { return m_pRecentFileList.get(); }
  CCalculatorDoc* GetDocument() const { return m_pDocument.get(); }

  // The same document and frame serve every new and opened document. An empty path makes a new
  // document. Null when the document could not be created or the file could not be opened.
  CCalculatorDoc* OpenDocumentFile(const QString& path, bool makeVisible);

  CMainFrame* m_pMainWnd = nullptr;

 private:
  void OnAppAbout(int id);
  void OnFileNew(int id);
  void OnFileOpen(int id);
  void OnAppExit(int id);

  void SetRegistryKey(const QString& company);
  void LoadStdProfileSettings(int maxRecentFiles);
  void SaveStdProfileSettings() const;
  bool ProcessShellCommand(const CCommandLineInfo& cmdInfo);

  static const CommandMapEntry<CCalculatorApp> kCommandMap[4];

  std::unique_ptr<CUiProvider> m_pOwnUi;
  CUiProvider* m_pUi;
  QString m_strRegistryKey;
  std::unique_ptr<CRecentFileList> m_pRecentFileList;
  // The document outlives the frame: the panel's keypad works on the document's engine.
  std::unique_ptr<CCalculatorDoc> m_pDocument;
  std::unique_ptr<CMainFrame> m_pFrame;
};
