// Start-up, the document commands (new, open, save, print) with the dialogs answered through
// the provider seam, the recent-file list in the settings, and the executable's command line.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "CalculatorDoc.h"
#include "CalculatorView.h"
#include "Controls.h"
#include "DialogLayout.h"
#include "KeyFaces.h"
#include "MainFrm.h"
#include "ShellTestSupport.h"

namespace {

const CCalcEngine& Engine(const CRunningApp& run) { return run.View().m_keypad.Engine(); }

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
  const QString path = dir.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return {};
  file.write(content);
  return path;
}

QStringList StoredRecentFiles() {
  QSettings settings(QStringLiteral("Local AppWizard-Generated Applications"),
                     QStringLiteral("calculator"));
  QStringList files;
  for (int i = 1; i <= 4; ++i) {
    const QString path =
        settings.value(QStringLiteral("Recent File List/File%1").arg(i)).toString();
    if (!path.isEmpty()) files << path;
  }
  return files;
}

}  // namespace

class AppTest : public QObject {
  Q_OBJECT

 private:
  CRunningApp m_run;
  QTemporaryDir m_dir;

 private slots:
  void initTestCase() {
    IsolateSettings();
    QuietenOffscreenWarnings();
    QVERIFY(m_dir.isValid());
  }

  void init() {
    QSettings(QStringLiteral("Local AppWizard-Generated Applications"),
              QStringLiteral("calculator"))
        .clear();
    m_run = CRunningApp();
    QVERIFY(m_run.Start());
  }

  void cleanup() { m_run.app.reset(); }

  void startsWithOneEmptyWindow() {
    QCOMPARE(m_run.DisplayText(), QString());
    QCOMPARE(m_run.Frame().windowTitle(), QStringLiteral(" - Zelko Scientific"));
    int windows = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->isVisible() && top->isWindow() && !top->inherits("QMenu")) ++windows;
    QCOMPARE(windows, 1);
    QCOMPARE(m_run.app->GetDocument()->m_pEngine.get(), &m_run.View().m_keypad.Engine());
    QCOMPARE(m_run.app->GetDocument()->GetTitle(), QString());
  }

  // New keeps the calculation going: 2 + Ctrl+N 3 = still gives 5.
  void newKeepsTheCalculation() {
    TypeText(m_run, QStringLiteral("9sc"));  // 9 into memory, then Clear
    ChooseMenuItem(m_run.Frame(), res::ID_PRECISION_4);
    TypeText(m_run, QStringLiteral("2+"));
    const CCalcEngine* engine = &Engine(m_run);
    PressKey(m_run, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(&Engine(m_run), engine);
    QCOMPARE(m_run.DisplayText(), QStringLiteral("2"));
    TypeText(m_run, QStringLiteral("3="));
    QCOMPARE(m_run.DisplayText(), QStringLiteral("5"));
    QCOMPARE(Engine(m_run).m_dMemory, 9.0);
    QCOMPARE(Engine(m_run).m_nPrecision, 4);
    QCOMPARE(m_run.Frame().windowTitle(), QStringLiteral(" - Zelko Scientific"));
  }

  // New in accelerator mode: plain icons come back, captions and the check mark stay.
  void newPutsBackThePlainIcons() {
    ChooseMenuItem(m_run.Frame(), res::ID_SHOW_ACCEL_KEYS);
    TypeText(m_run, QStringLiteral("v"));  // INV: red faces
    PressKey(m_run, Qt::Key_N, Qt::ControlModifier);
    for (const auto& [key, icon] : res::kInitialIconFaces)
      QCOMPARE(m_run.Key(key).IconFace(), icon);
    QCOMPARE(m_run.Key(IDC_KEY_7).text(), QStringLiteral("&7"));
    QCOMPARE(m_run.Key(IDC_KEY_SQRT).text(), QStringLiteral("S&qRt"));
    QCOMPARE(m_run.View().m_bPlainFaces, 0);
    QVERIFY(MenuItemChecked(m_run.Frame(), res::ID_SHOW_ACCEL_KEYS));
    QCOMPARE(Engine(m_run).m_bInverse, 1);
  }

  void openReadsNothing() {
    const QString path = WriteFile(m_dir, QStringLiteral("tape.txt"), "1+1=\nsome text\n");
    m_run.ui.m_openReplies << path;
    TypeText(m_run, QStringLiteral("4*"));
    PressKey(m_run, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(m_run.ui.m_filters, QStringList{QStringLiteral("All Files (*)")});
    QCOMPARE(m_run.Frame().windowTitle(), QStringLiteral("tape.txt - Zelko Scientific"));
    QCOMPARE(m_run.ui.m_messages, QStringList());
    TypeText(m_run, QStringLiteral("2="));
    QCOMPARE(m_run.DisplayText(), QStringLiteral("8"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("1+1=\nsome text\n"));
  }

  void openCancelledChangesNothing() {
    PressKey(m_run, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(m_run.ui.m_filters.size(), 1);
    QCOMPARE(m_run.Frame().windowTitle(), QStringLiteral(" - Zelko Scientific"));
  }

  void openFailures_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("missing file") << "no-such-file.txt";
    QTest::newRow("a folder") << ".";
  }

  void openFailures() {
    QFETCH(QString, name);
    const QString path = m_dir.filePath(name);
    m_run.ui.m_openReplies << path;
    ChooseMenuItem(m_run.Frame(), res::ID_SHOW_ACCEL_KEYS);
    TypeText(m_run, QStringLiteral("v12"));
    PressKey(m_run, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(m_run.ui.m_messages.size(), 1);
    QVERIFY2(m_run.ui.m_messages.first().contains(path), qPrintable(m_run.ui.m_messages.first()));
    QCOMPARE(m_run.ui.m_captions.first(), QStringLiteral("calculator"));
    QCOMPARE(m_run.Frame().windowTitle(), QStringLiteral(" - Zelko Scientific"));
    QCOMPARE(m_run.DisplayText(), QStringLiteral("12"));
    // The faces stay too: no initial update ran.
    QCOMPARE(m_run.Key(IDC_KEY_INV).IconFace(), int(res::IDI_INV_ON));
    QCOMPARE(StoredRecentFiles(), QStringList());
  }

  void saveWritesAnEmptyFile() {
    const QString path = WriteFile(m_dir, QStringLiteral("saved.calc"), "old content");
    m_run.ui.m_saveReplies << path;
    TypeText(m_run, QStringLiteral("7+"));
    PressKey(m_run, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(QFileInfo(path).size(), 0);
    QCOMPARE(m_run.Frame().windowTitle(), QStringLiteral("saved.calc - Zelko Scientific"));
    TypeText(m_run, QStringLiteral("1="));
    QCOMPARE(m_run.DisplayText(), QStringLiteral("8"));
    // The document has its name now: the next save asks nothing.
    PressKey(m_run, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_run.ui.m_filters.size(), 1);
  }

  void saveNeverEmptiesAnOpenedFile() {
    const QString path = WriteFile(m_dir, QStringLiteral("notes.txt"), "keep me\n");
    m_run.ui.m_openReplies << path;
    PressKey(m_run, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(m_run.Frame().windowTitle(), QStringLiteral("notes.txt - Zelko Scientific"));
    PressKey(m_run, Qt::Key_S, Qt::ControlModifier);  // the save dialog asks; cancelled here
    QCOMPARE(m_run.ui.m_filters.size(), 2);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("keep me\n"));
  }

  void saveCancelledWritesNothing() {
    PressKey(m_run, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_run.ui.m_filters, QStringList{QStringLiteral("All Files (*)")});
    QCOMPARE(m_run.Frame().windowTitle(), QStringLiteral(" - Zelko Scientific"));
  }

  void saveToAnUnwritablePlace() {
    const QString path = m_dir.filePath(QStringLiteral("no-such-folder/x.calc"));
    m_run.ui.m_saveReplies << path;
    PressKey(m_run, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_run.ui.m_messages.size(), 1);
    QVERIFY(m_run.ui.m_messages.first().contains(path));
    QCOMPARE(m_run.Frame().windowTitle(), QStringLiteral(" - Zelko Scientific"));
  }

  void printMakesOneEmptyPage() {
    m_run.ui.m_strPrintFile = m_dir.filePath(QStringLiteral("page.pdf"));
    TypeText(m_run, QStringLiteral("5"));
    PressKey(m_run, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(m_run.ui.m_nPrintDialogs, 1);
    QFile pdf(m_run.ui.m_strPrintFile);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    QVERIFY(content.startsWith("%PDF"));
    QCOMPARE(content.count("/Type /Page\n") + content.count("/Type /Page\r") +
                 content.count("/Type /Page/") + content.count("/Type /Page>"),
             1);
    QCOMPARE(m_run.DisplayText(), QStringLiteral("5"));
  }

  void printCancelledPrintsNothing() {
    m_run.ui.m_bPrintAccepted = false;
    m_run.ui.m_strPrintFile = m_dir.filePath(QStringLiteral("never.pdf"));
    PressKey(m_run, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(m_run.ui.m_nPrintDialogs, 1);
    QVERIFY(!QFile::exists(m_run.ui.m_strPrintFile));
  }

  void recentFilesAreKept() {
    QStringList paths;
    for (int i = 1; i <= 5; ++i) {
      paths << WriteFile(m_dir, QStringLiteral("recent%1.txt").arg(i), "x");
      m_run.ui.m_openReplies << paths.last();
      PressKey(m_run, Qt::Key_O, Qt::ControlModifier);
    }
    m_run.ui.m_openReplies << paths.at(1);  // opened again: moves to the front
    PressKey(m_run, Qt::Key_O, Qt::ControlModifier);
    m_run.app.reset();  // written at exit
    const QStringList expected = {paths.at(1), paths.at(4), paths.at(3), paths.at(2)};
    QCOMPARE(StoredRecentFiles(), expected);
    // Nothing else is stored.
    QSettings settings(QStringLiteral("Local AppWizard-Generated Applications"),
                       QStringLiteral("calculator"));
    QCOMPARE(settings.childGroups(), QStringList{QStringLiteral("Recent File List")});
    QCOMPARE(settings.childKeys(), QStringList());
    // The next run starts with the same list.
    m_run = CRunningApp();
    QVERIFY(m_run.Start());
    QCOMPARE(m_run.app->RecentFiles()->Files(), expected);
  }

  void settingsStayEmptyWithoutFiles() {
    ChooseMenuItem(m_run.Frame(), res::ID_PRECISION_2);
    ChooseMenuItem(m_run.Frame(), res::ID_TOPMOST);
    ChooseMenuItem(m_run.Frame(), res::ID_SHOW_ACCEL_KEYS);
    TypeText(m_run, QStringLiteral("5sd"));
    m_run.app.reset();
    QSettings settings(QStringLiteral("Local AppWizard-Generated Applications"),
                       QStringLiteral("calculator"));
    QCOMPARE(settings.allKeys(), QStringList());
  }

  void exitAsksNothing() {
    const QString path = m_dir.filePath(QStringLiteral("exit.calc"));
    m_run.ui.m_saveReplies << path;
    TypeText(m_run, QStringLiteral("2+"));
    PressKey(m_run, Qt::Key_S, Qt::ControlModifier);
    ChooseMenuItem(m_run.Frame(), res::ID_APP_EXIT);
    QTRY_VERIFY(!m_run.Frame().isVisible());
    QCOMPARE(m_run.ui.m_messages, QStringList());
    QCOMPARE(m_run.ui.m_modalTitles.size(), std::size_t(0));
  }

  void closeBoxAsksNothing() {
    TypeText(m_run, QStringLiteral("2+"));
    QVERIFY(m_run.Frame().close());
    QCOMPARE(m_run.ui.m_messages, QStringList());
  }

  void startWithAFile() {
    m_run.app.reset();
    const QString path = WriteFile(m_dir, QStringLiteral("start.txt"), "ignored");
    CCommandLineInfo cmd;
    cmd.m_nShellCommand = CCommandLineInfo::FileOpen;
    cmd.m_strFileName = path.toStdString();
    m_run = CRunningApp();
    QVERIFY(m_run.Start(cmd));
    QCOMPARE(m_run.Frame().windowTitle(), QStringLiteral("start.txt - Zelko Scientific"));
    QCOMPARE(m_run.DisplayText(), QString());
  }

  void startWithAnUnopenableFile() {
    m_run.app.reset();
    CCommandLineInfo cmd;
    cmd.m_nShellCommand = CCommandLineInfo::FileOpen;
    cmd.m_strFileName = m_dir.filePath(QStringLiteral("missing.calc")).toStdString();
    m_run = CRunningApp();
    m_run.app = std::make_unique<CCalculatorApp>(&m_run.ui);
    QVERIFY(!m_run.app->InitInstance(cmd));
    QCOMPARE(m_run.ui.m_messages.size(), 1);
    QVERIFY(m_run.ui.m_messages.first().contains(QStringLiteral("missing.calc")));
    QVERIFY(!m_run.app->m_pMainWnd);
    QVERIFY(!m_run.app->GetDocument());
    for (QWidget* top : QApplication::topLevelWidgets()) QVERIFY(!top->isVisible());
    m_run.app.reset();
    init();  // cleanup() expects a running program
  }

  void commandLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("shell");
    QTest::addColumn<QString>("file");
    QTest::newRow("nothing") << QStringList() << int(CCommandLineInfo::FileNew) << "";
    QTest::newRow("a file") << QStringList{"a.calc"} << int(CCommandLineInfo::FileOpen) << "a.calc";
    QTest::newRow("--help") << QStringList{"--help"} << int(CCommandLineInfo::ShowHelp) << "";
    QTest::newRow("-h after a file")
        << QStringList{"a", "-h"} << int(CCommandLineInfo::ShowHelp) << "";
    QTest::newRow("--version") << QStringList{"--version"} << int(CCommandLineInfo::ShowVersion)
                               << "";
    QTest::newRow("unknown option")
        << QStringList{"--frobnicate"} << int(CCommandLineInfo::Invalid) << "";
    QTest::newRow("two files") << QStringList{"a", "b"} << int(CCommandLineInfo::Invalid) << "";
    QTest::newRow("-- then a dash name")
        << QStringList{"--", "-x"} << int(CCommandLineInfo::FileOpen) << "-x";
    QTest::newRow("a lone dash is a name")
        << QStringList{"-"} << int(CCommandLineInfo::FileOpen) << "-";
  }

  void commandLine() {
    QFETCH(QStringList, args);
    QFETCH(int, shell);
    QFETCH(QString, file);
    std::vector<std::string> owned;
    for (const QString& arg : args) owned.push_back(arg.toStdString());
    std::vector<std::string_view> views(owned.begin(), owned.end());
    const CCommandLineInfo info = ParseCommandLine(views);
    QCOMPARE(int(info.m_nShellCommand), shell);
    QCOMPARE(QString::fromStdString(info.m_strFileName), file);
    if (shell == CCommandLineInfo::Invalid) QVERIFY(!info.m_strError.empty());
  }

  void executable_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("display");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::newRow("--version") << QStringList{"--version"} << false << 0
                               << "Zelko Scientific Version 1.01";
    QTest::newRow("--help") << QStringList{"--help"} << false << 0
                            << "Usage: zelko-scientific [FILE]";
    QTest::newRow("no display") << QStringList() << false << 1 << "no display found";
    QTest::newRow("unknown option")
        << QStringList{"--frobnicate"} << true << 2 << "unknown option '--frobnicate'";
  }

  void executable() {
    QFETCH(QStringList, args);
    QFETCH(bool, display);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (display) env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(ZELKO_SCIENTIFIC_EXE), args);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), exitCode);
    const QString all =
        QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    QVERIFY2(all.contains(output), qPrintable(all));
  }

  // Reports, does not judge: how long from the application object to a shown window.
  void startUpTime() {
    m_run.app.reset();
    QElapsedTimer timer;
    timer.start();
    m_run = CRunningApp();
    m_run.app = std::make_unique<CCalculatorApp>(&m_run.ui);
    QVERIFY(m_run.app->InitInstance({}));
    QVERIFY(QTest::qWaitForWindowExposed(m_run.app->m_pMainWnd));
    qInfo("start-up to shown window: %lld ms", static_cast<long long>(timer.elapsed()));
  }
};

QTEST_MAIN(AppTest)
#include "tst_app.moc"
