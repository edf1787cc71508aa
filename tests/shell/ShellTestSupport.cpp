#include "ShellTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QSettings>
#include <QTest>
#include <QWindow>

#include "CalculatorView.h"
#include "Controls.h"
#include "DialogLayout.h"
#include "MainFrm.h"

QString CFakeUi::GetOpenFileName(QWidget*, const QString& filter) {
  m_filters << filter;
  return m_openReplies.isEmpty() ? QString() : m_openReplies.takeFirst();
}

QString CFakeUi::GetSaveFileName(QWidget*, const QString&, const QString& filter) {
  m_filters << filter;
  return m_saveReplies.isEmpty() ? QString() : m_saveReplies.takeFirst();
}

bool CFakeUi::PrintDialog(QWidget*, QPrinter& printer) {
  ++m_nPrintDialogs;
  if (!m_bPrintAccepted) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(m_strPrintFile);
  return true;
}

void CFakeUi::MessageBox(QWidget*, const QString& caption, const QString& text) {
  m_captions << caption;
  m_messages << text;
}

int CFakeUi::RunModal(QDialog& dialog) {
  m_modalTitles.push_back(dialog.windowTitle());
  if (m_bRealExec) return dialog.exec();
  dialog.show();
  if (!QTest::qWaitForWindowExposed(&dialog)) return QDialog::Rejected;
  dialog.activateWindow();
  (void)QTest::qWaitForWindowActive(&dialog);
  if (m_onModal) m_onModal(dialog);
  if (dialog.isVisible()) dialog.reject();
  return dialog.result();
}

bool CRunningApp::Start(const CCommandLineInfo& cmdInfo) {
  app = std::make_unique<CCalculatorApp>(&ui);
  if (!app->InitInstance(cmdInfo)) return false;
  CMainFrame& frame = Frame();
  if (!QTest::qWaitForWindowExposed(&frame)) return false;
  frame.activateWindow();
  return QTest::qWaitForWindowActive(&frame);
}

CMainFrame& CRunningApp::Frame() const { return *app->m_pMainWnd; }

CCalculatorView& CRunningApp::View() const { return *Frame().GetActiveView(); }

CEdit& CRunningApp::Display() const {
  return *static_cast<CEdit*>(GetDlgItem(View(), res::IDC_DISPLAY));
}

CButton& CRunningApp::Key(int id) const {
  auto* key = static_cast<CButton*>(GetDlgItem(View(), id));
  Q_ASSERT(key);
  return *key;
}

QString CRunningApp::DisplayText() const { return Display().text(); }

void ClickKey(const CRunningApp& run, int id) { QTest::mouseClick(&run.Key(id), Qt::LeftButton); }

void ClickKeys(const CRunningApp& run, std::initializer_list<int> ids) {
  for (const int id : ids) ClickKey(run, id);
}

QWidget* KeyboardTarget(const CRunningApp& run) {
  QWidget* focus = QApplication::focusWidget();
  return focus ? focus : &run.Frame();
}

void TypeText(const CRunningApp& run, const QString& text) {
  for (const QChar ch : text) {
    const char c = ch.toLatin1();
    QTest::keyClick(KeyboardTarget(run), c);
  }
}

void PressKey(const CRunningApp& run, Qt::Key key, Qt::KeyboardModifiers mods,
              const QString& text) {
  if (text.isNull())
    QTest::keyClick(KeyboardTarget(run), key, mods);
  else
    QTest::sendKeyEvent(QTest::Click, KeyboardTarget(run), key, text, mods);
}

void FocusDisplay(const CRunningApp& run) {
  QTest::mouseClick(&run.Display(), Qt::LeftButton);
  QTRY_VERIFY(run.Display().hasFocus());
}

void ClearFocus(const CRunningApp& run) {
  if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
  QTRY_VERIFY(!QApplication::focusWidget());
  QCOMPARE(run.View().m_bDisplayFocus, 0);
}

void RightClick(const CRunningApp& run, QWidget& widget, QPoint pos) {
  QWindow* window = run.Frame().windowHandle();
  QTest::mouseClick(window, Qt::RightButton, {}, widget.mapTo(&run.Frame(), pos));
}

void FocusKey(const CRunningApp& run, int id) {
  run.Key(id).setFocus(Qt::TabFocusReason);
  QTRY_VERIFY(run.Key(id).hasFocus());
}

namespace {
QAction* FindIn(QMenu* menu, int command, std::vector<QMenu*>& path) {
  for (QAction* action : menu->actions()) {
    if (action->property("command").toInt() == command) {
      path.push_back(menu);
      return action;
    }
    if (QMenu* sub = action->menu()) {
      path.push_back(menu);
      if (QAction* found = FindIn(sub, command, path)) return found;
      path.pop_back();
    }
  }
  return nullptr;
}

// Opens the menus down to (not including) the item; returns the item, its menu open.
QAction* OpenMenusTo(CMainFrame& frame, int command) {
  std::vector<QMenu*> path;
  QAction* item = MenuAction(frame, command, &path);
  if (!item) return nullptr;
  QMenuBar* bar = frame.menuBar();
  QTest::mouseClick(bar, Qt::LeftButton, {},
                    bar->actionGeometry(path.front()->menuAction()).center());
  if (!QTest::qWaitFor([&] { return path.front()->isVisible(); })) return nullptr;
  for (std::size_t i = 1; i < path.size(); ++i) {
    QMenu* parent = path[i - 1];
    QTest::mouseClick(parent, Qt::LeftButton, {},
                      parent->actionGeometry(path[i]->menuAction()).center());
    if (!QTest::qWaitFor([&] { return path[i]->isVisible(); })) return nullptr;
  }
  QMenu* last = path.back();
  QTest::mouseMove(last, last->actionGeometry(item).center());
  return item;
}

void CloseMenus() {
  for (int guard = 0; guard < 5 && QApplication::activePopupWidget(); ++guard)
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
  // Escape from the last popup leaves the menu bar in keyboard mode; leave that too.
  QTest::qWait(0);
}
}  // namespace

QAction* MenuAction(const CMainFrame& frame, int command, std::vector<QMenu*>* path) {
  std::vector<QMenu*> local;
  std::vector<QMenu*>& p = path ? *path : local;
  for (QAction* top : frame.menuBar()->actions()) {
    if (QMenu* menu = top->menu()) {
      p.clear();
      if (QAction* found = FindIn(menu, command, p)) return found;
    }
  }
  p.clear();
  return nullptr;
}

void ChooseMenuItem(CMainFrame& frame, int command) {
  QAction* item = OpenMenusTo(frame, command);
  QVERIFY2(item, "menu item not reachable");
  std::vector<QMenu*> path;
  MenuAction(frame, command, &path);
  QMenu* last = path.back();
  QTest::mouseClick(last, Qt::LeftButton, {}, last->actionGeometry(item).center());
  QTRY_VERIFY(!QApplication::activePopupWidget());
}

bool MenuItemChecked(CMainFrame& frame, int command) {
  QAction* item = OpenMenusTo(frame, command);
  const bool checked = item && item->isCheckable() && item->isChecked();
  CloseMenus();
  if (frame.menuBar()->hasFocus()) QTest::keyClick(frame.menuBar(), Qt::Key_Escape);
  return checked;
}

bool MenuItemEnabled(CMainFrame& frame, int command) {
  QAction* item = OpenMenusTo(frame, command);
  const bool enabled = item && item->isEnabled();
  CloseMenus();
  if (frame.menuBar()->hasFocus()) QTest::keyClick(frame.menuBar(), Qt::Key_Escape);
  return enabled;
}

void HoverMenuItem(CMainFrame& frame, int command, const std::function<void(QAction&)>& look) {
  QAction* item = OpenMenusTo(frame, command);
  QVERIFY(item);
  look(*item);
  CloseMenus();
  if (frame.menuBar()->hasFocus()) QTest::keyClick(frame.menuBar(), Qt::Key_Escape);
}

QString SaveScreenshot(QWidget& widget, const QString& name) {
  QDir().mkpath(QStringLiteral(ZELKO_SCREENSHOT_DIR));
  const QString path = QStringLiteral(ZELKO_SCREENSHOT_DIR "/%1.png").arg(name);
  widget.grab().save(path);
  return path;
}

namespace {
QtMessageHandler g_previousHandler = nullptr;

void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg &&
      (text == QLatin1String("This plugin does not support raise()") ||
       text == QLatin1String("This plugin does not support grabbing the keyboard")))
    return;
  g_previousHandler(type, context, text);
}
}  // namespace

void QuietenOffscreenWarnings() {
  if (!g_previousHandler) g_previousHandler = qInstallMessageHandler(FilterMessages);
}

namespace {
QTemporaryDir& SettingsDir() {
  static QTemporaryDir dir;
  return dir;
}
}  // namespace

void IsolateSettings() {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, SettingsDir().path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, SettingsDir().path());
}

QString SettingsFile() {
  return SettingsDir().path() +
         QStringLiteral("/Local AppWizard-Generated Applications/calculator.conf");
}
