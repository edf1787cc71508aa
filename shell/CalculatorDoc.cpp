#include "CalculatorDoc.h"

#include <QFile>
#include <QFileInfo>

#include "CalculatorApp.h"
#include "CalculatorView.h"
#include "MainFrm.h"
#include "StringTable.h"
#include "UiProvider.h"

const CommandMapEntry<CCalculatorDoc> CCalculatorDoc::kCommandMap[1] = {
    {res::ID_FILE_SAVE, res::ID_FILE_SAVE, &CCalculatorDoc::OnFileSave, nullptr},
};

CCalculatorDoc::CCalculatorDoc() : m_pEngine(std::make_unique<CCalcEngine>()) {}

CCalculatorDoc::~CCalculatorDoc() = default;

bool CCalculatorDoc::OnCmdMsg(int id, CCmdUI* pCmdUI) {
  return DispatchCmdMsg<CCalculatorDoc>(*this, kCommandMap, id, pCmdUI);
}

bool CCalculatorDoc::OnNewDocument() {
  DeleteContents();
  m_strPathName.clear();
  m_bModified = false;
  SetTitle(QString());
  return true;
}

bool CCalculatorDoc::OnOpenDocument(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    ReportFileError(res::AFX_IDP_FAILED_TO_OPEN_DOC, path, file.errorString());
    return false;
  }
  DeleteContents();
  Serialize(file, false);
  m_bModified = false;
  return true;
}

bool CCalculatorDoc::OnSaveDocument(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    ReportFileError(res::AFX_IDP_FAILED_TO_SAVE_DOC, path, file.errorString());
    return false;
  }
  Serialize(file, true);
  m_bModified = false;
  return true;
}

void CCalculatorDoc::Serialize(QIODevice&, bool) {}

void CCalculatorDoc::SetTitle(const QString& title) {
  m_strTitle = title;
  if (m_pView)
    if (CMainFrame* frame = m_pView->GetParentFrame()) frame->OnUpdateFrameTitle();
}

void CCalculatorDoc::SetPathName(const QString& path) {
  m_strPathName = QFileInfo(path).absoluteFilePath();
  SetTitle(QFileInfo(path).fileName());
  if (m_pApp) m_pApp->AddToRecentFileList(m_strPathName);
}

void CCalculatorDoc::RemoveView(CCalculatorView* view) {
  if (m_pView == view) m_pView = nullptr;
}

void CCalculatorDoc::UpdateAllViews(CCalculatorView* sender) {
  if (m_pView && m_pView != sender) m_pView->OnUpdate();
}

void CCalculatorDoc::OnFileSave(int) { DoSave(m_strPathName); }

bool CCalculatorDoc::DoSave(QString path) {
  // The document holds nothing, so saving writes an empty file. Over a file that was opened
  // with content that would destroy it without a word: ask for a name instead, as for a new
  // document (the save dialog confirms overwriting).
  if (!path.isEmpty() && QFileInfo(path).size() > 0) path.clear();
  if (path.isEmpty()) {
    if (!m_pApp) return false;
    path =
        m_pApp->Ui().GetSaveFileName(m_pApp->m_pMainWnd, m_strTitle, CCalculatorApp::FileFilter());
    if (path.isEmpty()) return false;
  }
  if (!OnSaveDocument(path)) return false;
  SetPathName(path);
  return true;
}

void CCalculatorDoc::ReportFileError(int messageId, const QString& path,
                                     const QString& reason) const {
  if (!m_pApp) return;
  const std::string_view format = res::LoadString(messageId);
  const QString text = QString::fromUtf8(format.data(), qsizetype(format.size())).arg(path, reason);
  m_pApp->Ui().MessageBox(m_pApp->m_pMainWnd, m_pApp->AppTitle(), text);
}
