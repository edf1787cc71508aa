#include "MainFrm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>
#include <array>
#include <vector>

#include "Accelerator.h"
#include "CalculatorApp.h"
#include "CalculatorDoc.h"
#include "CalculatorView.h"
#include "HelpInfoDlg.h"
#include "Icons.h"
#include "LockKeys.h"
#include "MenuTable.h"
#include "StatusBar.h"
#include "StringTable.h"

namespace {

QString ResString(int id) {
  const std::string_view text = res::LoadString(id);
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A menu prompt is the string's text up to its first line break.
QString PromptOf(int id) { return ResString(id).section(QLatin1Char('\n'), 0, 0); }

struct Precision {
  int command;
  int digits;
  const char* paneText;
};
constexpr std::array<Precision, 4> kPrecisions = {{
    {res::ID_PRECISION_2, 2, "Precision = 2"},
    {res::ID_PRECISION_4, 4, "Precision = 4"},
    {res::ID_PRECISION_6, 6, "Precision = 6"},
    {res::ID_PRECISION_MAX, 14, "Precision = MAX"},
}};

const Precision* FindPrecision(int command) {
  for (const auto& p : kPrecisions)
    if (p.command == command) return &p;
  return nullptr;
}

constexpr std::array<int, 4> kIndicators = {res::ID_SEPARATOR, res::ID_INDICATOR_CAPS,
                                            res::ID_INDICATOR_NUM, res::ID_INDICATOR_SCRL};

const char* const kCommandProperty = "command";

}  // namespace

const CommandMapEntry<CMainFrame> CMainFrame::kCommandMap[4] = {
    {res::ID_PRECISION_2, res::ID_PRECISION_6, &CMainFrame::OnPrecision,
     &CMainFrame::OnUpdatePrecision},
    {res::ID_PRECISION_MAX, res::ID_PRECISION_MAX, &CMainFrame::OnPrecision,
     &CMainFrame::OnUpdatePrecision},
    {res::ID_TOPMOST, res::ID_TOPMOST, &CMainFrame::OnTopmost, &CMainFrame::OnUpdateTopmost},
    // The menu item and F1 alike.
    {res::ID_HELP_INFO, res::ID_HELP_INFO, &CMainFrame::OnHelpInfo, nullptr},
};

CMainFrame::CMainFrame(CCalculatorApp& app) : m_app(app) {}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::LoadFrame(CCalculatorDoc& document) {
  if (!PreCreateWindow()) return false;
  setWindowIcon(LoadIcon(res::IDI_MAINFRAME));
  BuildMenu();
  m_pAccelerators = new CAcceleratorFilter(*this, res::kAccelTable, res::ID_HELP_INFO,
                                           [this](int id) { OnCommand(id); });
  m_pAccelerators->m_onKeyActivity = [this] { UpdateLockIndicators(); };
  return OnCreate(document) == 0;
}

bool CMainFrame::PreCreateWindow() {
  m_strTitle = QStringLiteral("Zelko Scientific");
  return true;
}

int CMainFrame::OnCreate(CCalculatorDoc& document) {
  auto* view = new CCalculatorView(document, this);
  setCentralWidget(view);
  SetActiveView(view);

  m_wndStatusBar = new CStatusBar(this);
  m_wndStatusBar->setObjectName(QStringLiteral("AFX_IDW_STATUS_BAR"));
  if (!m_wndStatusBar->SetIndicators(kIndicators)) return -1;
  setStatusBar(m_wndStatusBar);
  ShowIdleMessage();
  // The lock states come from the X server; asked once the window is up, the question does not
  // hold up its first appearance.
  QTimer::singleShot(0, this, [this] { UpdateLockIndicators(); });

  // No sizing border and no maximize box; caption, system menu and minimize box stay.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  return 0;
}

void CMainFrame::BuildMenu() {
  std::vector<QMenu*> open;  // open[d] receives the items of depth d + 1
  for (const res::MenuItem& item : res::kMainMenu) {
    open.resize(static_cast<std::size_t>(item.depth));
    const QString text = QString::fromUtf8(item.text.data(), qsizetype(item.text.size()));
    if (item.flags & res::MF_POPUP) {
      QMenu* menu = item.depth == 0 ? menuBar()->addMenu(text) : open.back()->addMenu(text);
      connect(menu, &QMenu::aboutToShow, this, [this, menu] { OnInitMenuPopup(*menu); });
      connect(menu, &QMenu::hovered, this, [this](QAction* action) {
        SetMessageText(PromptOf(action->property(kCommandProperty).toInt()));
      });
      if (item.depth == 0) connect(menu, &QMenu::aboutToHide, this, [this] { ShowIdleMessage(); });
      open.push_back(menu);
      continue;
    }
    const int id = item.command;
    QAction* action = open.back()->addAction(text);
    action->setProperty(kCommandProperty, id);
    if (item.flags & res::MF_CHECKED) {
      action->setCheckable(true);
      action->setChecked(true);
    }
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
  }
}

void CMainFrame::OnInitMenuPopup(QMenu& menu) {
  for (QAction* action : menu.actions()) {
    const int id = action->property(kCommandProperty).toInt();
    if (!id) continue;
    CCmdUI cmdUI(id, action);
    // An item that no target knows is greyed, as a command nobody handles.
    if (!OnCmdMsg(id, &cmdUI)) cmdUI.Enable(false);
  }
}

void CMainFrame::OnCommand(int id) {
  CCmdUI state(id);
  if (!OnCmdMsg(id, &state) || !state.m_bEnabled) return;
  OnCmdMsg(id, nullptr);
}

bool CMainFrame::OnCmdMsg(int id, CCmdUI* pCmdUI) {
  if (m_pActiveView && m_pActiveView->OnCmdMsg(id, pCmdUI)) return true;
  if (CCalculatorDoc* document = GetActiveDocument(); document && document->OnCmdMsg(id, pCmdUI))
    return true;
  if (DispatchCmdMsg<CMainFrame>(*this, kCommandMap, id, pCmdUI)) return true;
  return m_app.OnCmdMsg(id, pCmdUI);
}

CCalculatorDoc* CMainFrame::GetActiveDocument() const {
  return m_pActiveView ? m_pActiveView->GetDocument() : nullptr;
}

void CMainFrame::InitialUpdateFrame(bool makeVisible) {
  if (!m_pActiveView) return;
  m_pActiveView->OnInitialUpdate();
  if (makeVisible) {
    show();
    activateWindow();
  }
  OnUpdateFrameTitle();
}

void CMainFrame::OnUpdateFrameTitle() {
  const CCalculatorDoc* document = GetActiveDocument();
  const QString name = document ? document->GetTitle() : QString();
  setWindowTitle(name + QStringLiteral(" - ") + m_strTitle);
}

void CMainFrame::RecalcLayout() {
  if (layout()) layout()->activate();
}

void CMainFrame::ResizeParentToFit() {
  RecalcLayout();
  setFixedSize(sizeHint());
}

void CMainFrame::SetMessageText(const QString& text) {
  if (m_wndStatusBar) m_wndStatusBar->SetPaneText(0, text);
}

void CMainFrame::ShowIdleMessage() { SetMessageText(ResString(res::AFX_IDS_IDLEMESSAGE)); }

void CMainFrame::UpdateLockIndicators() {
  if (!m_wndStatusBar) return;
  const CLockKeyState state = QueryLockKeys();
  const std::optional<bool> locks[] = {state.m_bCaps, state.m_bNum, state.m_bScroll};
  for (int pane = 1; pane < m_wndStatusBar->GetCount(); ++pane) {
    const std::optional<bool>& on = locks[pane - 1];
    m_wndStatusBar->SetPaneText(
        pane, on.value_or(false) ? ResString(m_wndStatusBar->GetItemID(pane)) : QString());
  }
}

void CMainFrame::OnPrecision(int id) {
  const Precision* precision = FindPrecision(id);
  CCalculatorDoc* document = GetActiveDocument();
  if (!precision || !document) return;
  document->m_pEngine->m_nPrecision = precision->digits;
  m_wndStatusBar->SetPaneText(0, QString::fromLatin1(precision->paneText));
  document->UpdateAllViews(nullptr);
}

void CMainFrame::OnUpdatePrecision(CCmdUI& cmdUI) {
  const Precision* precision = FindPrecision(cmdUI.m_nID);
  const CCalculatorDoc* document = GetActiveDocument();
  cmdUI.SetCheck(precision && document && document->m_pEngine->m_nPrecision == precision->digits);
}

void CMainFrame::OnTopmost(int) {
  m_bTopmost = m_bTopmost ? 0 : 1;
  const Qt::WindowFlags flags = windowFlags().setFlag(Qt::WindowStaysOnTopHint, m_bTopmost != 0);
  if (QWindow* window = windowHandle()) {
    // Changing the native window's flags in place keeps it shown, where it is, as large as it is.
    overrideWindowFlags(flags);
    window->setFlags(flags);
  } else {
    setWindowFlags(flags);
  }
}

void CMainFrame::OnUpdateTopmost(CCmdUI& cmdUI) { cmdUI.SetCheck(m_bTopmost ? 1 : 0); }

void CMainFrame::OnHelpInfo(int) {
  CHelpInfoDlg dialog(m_app.Ui(), this);
  dialog.DoModal();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  // The document is never modified, so closing never asks to save.
  event->accept();
}

void CMainFrame::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // Window managers that maximize regardless of the missing maximize box (or a caption double
  // click) get the normal window back.
  if (event->type() == QEvent::WindowStateChange &&
      (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
}

bool CMainFrame::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::StatusTip:
      // Pane 0 shows our prompts; Qt's own status tips would hide it.
      return true;
    case QEvent::WindowActivate:
      UpdateLockIndicators();
      break;
    default:
      break;
  }
  return QMainWindow::event(event);
}
