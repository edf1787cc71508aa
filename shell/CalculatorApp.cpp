#include "CalculatorApp.h"

#include <QSettings>

#include "AboutDlg.h"
#include "CalculatorDoc.h"
#include "MainFrm.h"
#include "StringTable.h"
#include "UiProvider.h"

namespace {
QString ResString(int id) {
  const std::string_view text = res::LoadString(id);
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
}  // namespace

const CommandMapEntry<CCalculatorApp> CCalculatorApp::kCommandMap[4] = {
    {res::ID_APP_ABOUT, res::ID_APP_ABOUT, &CCalculatorApp::OnAppAbout, nullptr},
    {res::ID_FILE_NEW, res::ID_FILE_NEW, &CCalculatorApp::OnFileNew, nullptr},
    {res::ID_FILE_OPEN, res::ID_FILE_OPEN, &CCalculatorApp::OnFileOpen, nullptr},
    {res::ID_APP_EXIT, res::ID_APP_EXIT, &CCalculatorApp::OnAppExit, nullptr},
};

CCalculatorApp::CCalculatorApp(CUiProvider* ui)
    : m_pOwnUi(ui ? nullptr : std::make_unique<CUiProvider>()), m_pUi(ui ? ui : m_pOwnUi.get()) {}

CCalculatorApp::~CCalculatorApp() {
  SaveStdProfileSettings();
  m_pMainWnd = nullptr;
  m_pFrame.reset();
  m_pDocument.reset();
}

bool CCalculatorApp::OnCmdMsg(int id, CCmdUI* pCmdUI) {
  return DispatchCmdMsg<CCalculatorApp>(*this, kCommandMap, id, pCmdUI);
}

QString CCalculatorApp::AppTitle() const { return ResString(res::AFX_IDS_APP_TITLE); }

QString CCalculatorApp::FileFilter() { return QStringLiteral("All Files (*)"); }

bool CCalculatorApp::InitInstance(const CCommandLineInfo& cmdInfo) {
  SetRegistryKey(QStringLiteral("Local AppWizard-Generated Applications"));
  LoadStdProfileSettings(4);
  if (!ProcessShellCommand(cmdInfo)) return false;
  m_pMainWnd->show();
  m_pMainWnd->repaint();
  return true;
}

void CCalculatorApp::SetRegistryKey(const QString& company) { m_strRegistryKey = company; }

void CCalculatorApp::LoadStdProfileSettings(int maxRecentFiles) {
  m_pRecentFileList = std::make_unique<CRecentFileList>(QStringLiteral("Recent File List"),
                                                        QStringLiteral("File%1"), maxRecentFiles);
  QSettings settings(m_strRegistryKey, AppTitle());
  m_pRecentFileList->ReadList(settings);
}

void CCalculatorApp::SaveStdProfileSettings() const {
  if (!m_pRecentFileList) return;
  QSettings settings(m_strRegistryKey, AppTitle());
  m_pRecentFileList->WriteList(settings);
}

void CCalculatorApp::AddToRecentFileList(const QString& path) {
  if (m_pRecentFileList) m_pRecentFileList->Add(path);
}

bool CCalculatorApp::ProcessShellCommand(const CCommandLineInfo& cmdInfo) {
  switch (cmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
      return OpenDocumentFile(QString(), true) != nullptr;
    case CCommandLineInfo::FileOpen:
      return OpenDocumentFile(QString::fromLocal8Bit(cmdInfo.m_strFileName.c_str()), true) !=
             nullptr;
    case CCommandLineInfo::ShowHelp:
    case CCommandLineInfo::ShowVersion:
    case CCommandLineInfo::Invalid:
      return false;
  }
  return false;
}

CCalculatorDoc* CCalculatorApp::OpenDocumentFile(const QString& path, bool makeVisible) {
  const bool created = !m_pDocument;
  if (created) {
    m_pDocument = std::make_unique<CCalculatorDoc>();
    m_pDocument->m_pApp = this;
    m_pFrame = std::make_unique<CMainFrame>(*this);
    if (!m_pFrame->LoadFrame(*m_pDocument)) {
      m_pFrame.reset();
      m_pDocument.reset();
      m_pUi->MessageBox(nullptr, AppTitle(), ResString(res::AFX_IDP_FAILED_TO_CREATE_DOC));
      return nullptr;
    }
  }
  CCalculatorDoc& document = *m_pDocument;
  if (path.isEmpty()) {
    document.SetTitle(ResString(res::AFX_IDS_UNTITLED));
    if (!document.OnNewDocument()) {
      if (created) {
        m_pFrame.reset();
        m_pDocument.reset();
      }
      return nullptr;
    }
  } else {
    if (!document.OnOpenDocument(path)) {
      // A frame made for this document alone goes again; an existing one keeps its document.
      if (created) {
        m_pFrame.reset();
        m_pDocument.reset();
      }
      return nullptr;
    }
    document.SetPathName(path);
  }
  m_pMainWnd = m_pFrame.get();
  m_pFrame->InitialUpdateFrame(makeVisible);
  return &document;
}

void CCalculatorApp::OnAppAbout(int) {
  CAboutDlg dialog(Ui(), m_pMainWnd);
  dialog.DoModal();
}

void CCalculatorApp::OnFileNew(int) { OpenDocumentFile(QString(), true); }

void CCalculatorApp::OnFileOpen(int) {
  const QString path = Ui().GetOpenFileName(m_pMainWnd, FileFilter());
  if (!path.isEmpty()) OpenDocumentFile(path, true);
}

void CCalculatorApp::OnAppExit(int) {
  if (m_pMainWnd) m_pMainWnd->close();
}
