// The main frame: title, fixed size, status bar, the settings menu with its check marks and
// prompts, the topmost switch, and where the accelerator table stays silent.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "CalculatorView.h"
#include "Controls.h"
#include "DialogLayout.h"
#include "MainFrm.h"
#include "ShellTestSupport.h"
#include "StatusBar.h"

class FrameTest : public QObject {
  Q_OBJECT

 private:
  CRunningApp m_run;
  CMainFrame& Frame() { return m_run.Frame(); }
  QString Pane(int index) { return Frame().m_wndStatusBar->GetPaneText(index); }
  const CCalcEngine& Engine() { return m_run.View().m_keypad.Engine(); }

 private slots:
  void initTestCase() {
    IsolateSettings();
    QuietenOffscreenWarnings();
  }

  void init() {
    m_run = CRunningApp();
    QVERIFY(m_run.Start());
  }

  void cleanup() { m_run.app.reset(); }

  void startState() {
    QCOMPARE(Frame().windowTitle(), QStringLiteral(" - Zelko Scientific"));
    QCOMPARE(Pane(0), QStringLiteral("Ready"));
    QCOMPARE(Engine().m_nPrecision, 14);
    QCOMPARE(Engine().m_nAngleMode, 1);
    QCOMPARE(Frame().m_bTopmost, 0);
    QVERIFY(MenuItemChecked(Frame(), res::ID_PRECISION_MAX));
    QVERIFY(!MenuItemChecked(Frame(), res::ID_PRECISION_2));
    QVERIFY(!MenuItemChecked(Frame(), res::ID_TOPMOST));
    QCOMPARE(m_run.ui.m_modalTitles.size(), std::size_t(0));
  }

  void statusBarPanes() {
    CStatusBar& bar = *Frame().m_wndStatusBar;
    QCOMPARE(bar.GetCount(), 4);
    QCOMPARE(bar.GetItemID(1), res::ID_INDICATOR_CAPS);
    QCOMPARE(bar.GetItemID(2), res::ID_INDICATOR_NUM);
    QCOMPARE(bar.GetItemID(3), res::ID_INDICATOR_SCRL);
    // The offscreen platform cannot tell the lock states: the indicator panes stay blank.
    for (int pane = 1; pane < 4; ++pane) QCOMPARE(bar.GetPaneText(pane), QString());
  }

  void windowIsFixedSize() {
    CMainFrame& frame = Frame();
    const QSize size = frame.size();
    QCOMPARE(frame.minimumSize(), size);
    QCOMPARE(frame.maximumSize(), size);
    QVERIFY(!frame.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(frame.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(frame.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    frame.resize(size + QSize(100, 80));
    QCOMPARE(frame.size(), size);
    frame.showMaximized();
    QTRY_VERIFY(!frame.isMaximized());
    QCOMPARE(frame.size(), size);
    frame.showNormal();
    frame.showMinimized();
    frame.showNormal();
    QCOMPARE(frame.size(), size);
  }

  // The window is the form plus the menu bar and the status bar, nothing more.
  void windowFitsTheForm() {
    const QFont font = DialogFont(res::kDialogFont, res::kDialogFontPoints);
    const QSize form =
        DialogUnitsOf(font).MapDialogSize(res::kCalculatorForm.cx, res::kCalculatorForm.cy);
    QCOMPARE(m_run.View().size(), form);
    CMainFrame& frame = Frame();
    QCOMPARE(frame.width(), form.width());
    QCOMPARE(frame.height(),
             frame.menuBar()->height() + form.height() + frame.m_wndStatusBar->height());
  }

  void precision_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("pane");
    QTest::addColumn<QString>("twoThirds");
    QTest::newRow("00.xx (2)") << res::ID_PRECISION_2 << 2 << "Precision = 2"
                               << "0.67";
    QTest::newRow("00.xxxx (4)") << res::ID_PRECISION_4 << 4 << "Precision = 4"
                                 << "0.6667";
    QTest::newRow("00.xxxxxx (6)") << res::ID_PRECISION_6 << 6 << "Precision = 6"
                                   << "0.666667";
    QTest::newRow("Max again") << res::ID_PRECISION_MAX << 14 << "Precision = MAX"
                               << "0.6666666666667";
  }

  void precision() {
    QFETCH(int, command);
    QFETCH(int, digits);
    QFETCH(QString, pane);
    QFETCH(QString, twoThirds);
    TypeText(m_run, QStringLiteral("1/3="));
    const QString before = m_run.DisplayText();
    ChooseMenuItem(Frame(), command);
    QCOMPARE(Engine().m_nPrecision, digits);
    QCOMPARE(Pane(0), pane);
    QCOMPARE(m_run.DisplayText(), before);  // only the next result changes
    TypeText(m_run, QStringLiteral("2/3="));
    QCOMPARE(m_run.DisplayText(), twoThirds);
    for (const int item :
         {res::ID_PRECISION_2, res::ID_PRECISION_4, res::ID_PRECISION_6, res::ID_PRECISION_MAX})
      QCOMPARE(MenuItemChecked(Frame(), item), item == command);
    // Walking the menu again put its prompts and then "Ready" in place of the precision text.
    QCOMPARE(Pane(0), QStringLiteral("Ready"));
  }

  void menuPrompts_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("2") << res::ID_PRECISION_2 << "Set display resolution to 2";
    QTest::newRow("4") << res::ID_PRECISION_4 << "Set display resolution to 4";
    QTest::newRow("6") << res::ID_PRECISION_6 << "Set display resolution to 6";
    QTest::newRow("max") << res::ID_PRECISION_MAX << "max precision up to 14 decimal places";
    QTest::newRow("topmost") << res::ID_TOPMOST << "Set to topmost window";
    QTest::newRow("help info") << res::ID_HELP_INFO << "Help Info";
    QTest::newRow("accelerator keys") << res::ID_SHOW_ACCEL_KEYS << "Activates Keyboard Interface";
  }

  void menuPrompts() {
    QFETCH(int, command);
    QFETCH(QString, prompt);
    QString shown;
    HoverMenuItem(Frame(), command, [&](QAction&) { shown = Pane(0); });
    QCOMPARE(shown, prompt);
    QCOMPARE(Pane(0), QStringLiteral("Ready"));
  }

  void everyMenuItemIsEnabled() {
    for (const int command : {res::ID_APP_EXIT, res::ID_PRECISION_2, res::ID_PRECISION_4,
                              res::ID_PRECISION_6, res::ID_PRECISION_MAX, res::ID_TOPMOST,
                              res::ID_APP_ABOUT, res::ID_HELP_INFO, res::ID_SHOW_ACCEL_KEYS})
      QVERIFY2(MenuItemEnabled(Frame(), command), qPrintable(QString::number(command)));
  }

  void topmostTwice() {
    CMainFrame& frame = Frame();
    const QRect geometry = frame.geometry();
    ChooseMenuItem(frame, res::ID_TOPMOST);
    QCOMPARE(frame.m_bTopmost, 1);
    QVERIFY(frame.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(frame.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(frame.isVisible());
    QCOMPARE(frame.geometry(), geometry);
    QVERIFY(MenuItemChecked(frame, res::ID_TOPMOST));
    ChooseMenuItem(frame, res::ID_TOPMOST);
    QCOMPARE(frame.m_bTopmost, 0);
    QVERIFY(!frame.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!frame.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(frame.geometry(), geometry);
    QVERIFY(!MenuItemChecked(frame, res::ID_TOPMOST));
  }

  void helpInfoOpens_data() {
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<bool>("inDisplay");
    QTest::newRow("menu") << true << false;
    QTest::newRow("F1") << false << false;
    QTest::newRow("F1 in the display") << false << true;
  }

  void helpInfoOpens() {
    QFETCH(bool, byMenu);
    QFETCH(bool, inDisplay);
    if (inDisplay) FocusDisplay(m_run);
    TypeText(m_run, QStringLiteral("5"));
    if (byMenu)
      ChooseMenuItem(Frame(), res::ID_HELP_INFO);
    else
      PressKey(m_run, Qt::Key_F1);
    QCOMPARE(m_run.ui.m_modalTitles, std::vector<QString>{QStringLiteral("Help Info")});
    QCOMPARE(m_run.DisplayText(), QStringLiteral("5"));
  }

  void f1WithAModifierOpensNothing() {
    PressKey(m_run, Qt::Key_F1, Qt::ShiftModifier);
    PressKey(m_run, Qt::Key_F1, Qt::ControlModifier);
    QCOMPARE(m_run.ui.m_modalTitles.size(), std::size_t(0));
  }

  void aboutOpensFromTheMenu() {
    ChooseMenuItem(Frame(), res::ID_APP_ABOUT);
    QCOMPARE(m_run.ui.m_modalTitles, std::vector<QString>{QStringLiteral("About Zelko Calc")});
  }

  // Keystrokes belong to the open menu or dialog, not to the calculator.
  void acceleratorsRestInMenus() {
    QMenuBar* bar = Frame().menuBar();
    QMenu* settings = bar->actions().at(1)->menu();
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      bar->actionGeometry(settings->menuAction()).center());
    QTRY_VERIFY(settings->isVisible());
    QTest::keyClick(QApplication::activePopupWidget(), '7');
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QCOMPARE(m_run.DisplayText(), QString());
  }

  void acceleratorsRestInDialogs() {
    m_run.ui.m_onModal = [](QDialog& dialog) {
      QTest::keyClick(&dialog, '7');
      QTest::keyClick(&dialog, Qt::Key_C);
      QTest::keyClick(&dialog, Qt::Key_F1);
    };
    TypeText(m_run, QStringLiteral("12"));
    PressKey(m_run, Qt::Key_F1);
    QCOMPARE(m_run.ui.m_modalTitles.size(), std::size_t(1));
    QCOMPARE(m_run.DisplayText(), QStringLiteral("12"));
  }

  // The real modal loop: the main window takes no keystroke while the dialog runs.
  void helpInfoIsModal() {
    m_run.ui.m_bRealExec = true;
    bool blocked = false;
    QString displayWhileOpen = QStringLiteral("not run");
    QTimer::singleShot(0, this, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      blocked = true;
      QTest::keyClick(&m_run.Frame(), '7');
      displayWhileOpen = m_run.DisplayText();
      dialog->reject();
    });
    PressKey(m_run, Qt::Key_F1);
    QVERIFY(blocked);
    QCOMPARE(displayWhileOpen, QString());
    TypeText(m_run, QStringLiteral("7"));
    QCOMPARE(m_run.DisplayText(), QStringLiteral("7"));
  }
};

QTEST_MAIN(FrameTest)
#include "tst_frame.moc"
