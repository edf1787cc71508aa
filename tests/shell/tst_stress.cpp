// The window under load: a number of a million digits typed, a million characters pasted into
// the display, and a long run of random keystrokes, clicks and menu commands. Afterwards the
// window must still be there, answer, and calculate exactly as a fresh keypad does.
//
// The random run prints its seed; ZELKO_STRESS_SEED repeats a run, ZELKO_STRESS_ACTIONS sets
// its length (default 100000).
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <array>
#include <cmath>
#include <cstring>
#include <deque>
#include <map>
#include <random>

#include "AccelTable.h"
#include "CalculatorView.h"
#include "Controls.h"
#include "DialogLayout.h"
#include "KeyCommands.h"
#include "MainFrm.h"
#include "ShellTestSupport.h"

namespace {

constexpr int kMillion = 1'000'000;

// Changing the window's flags (topmost) makes the offscreen platform say what it cannot do.
QtMessageHandler g_nextHandler = nullptr;
void DropSizeHintNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg &&
      text == QLatin1String("This plugin does not support propagateSizeHints()"))
    return;
  g_nextHandler(type, context, text);
}

CCalcKeypad& Keypad(const CRunningApp& run) { return run.View().m_keypad; }
const CCalcEngine& Engine(const CRunningApp& run) { return run.View().m_keypad.Engine(); }

// True when the event loop runs a call posted to it: the window is not stuck in some work.
bool EventLoopAnswers() {
  bool answered = false;
  QObject context;
  QTimer::singleShot(0, &context, [&answered] { answered = true; });
  return QTest::qWaitFor([&answered] { return answered; });
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
  int m_nPaints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++m_nPaints;
    return false;
  }
};

// Keeps the window open when a random command or keystroke asks it to close (Exit); the run
// goes on, and the request is counted.
class CloseKeeper : public QObject {
 public:
  explicit CloseKeeper(QWidget& window) { window.installEventFilter(this); }
  int m_nRequests = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Close) return false;
    ++m_nRequests;
    event->ignore();
    return true;
  }
};

// A second keypad's display and faces, for comparing the window with.
struct RecordingSinks : CDisplaySink, CKeyFaceSink {
  std::string m_strText;
  std::map<int, int> m_faces;
  void ShowText(const std::string& text) override { m_strText = text; }
  void SetKeyFace(int controlId, int iconId) override { m_faces[controlId] = iconId; }
};

struct Keystroke {
  Qt::Key key;
  Qt::KeyboardModifiers mods;
  QString text;  // null: the text QTest derives from the key
};

// The keystroke of an accelerator entry, as a keyboard would produce it.
Keystroke KeystrokeOf(const res::AccelEntry& entry) {
  if (!(entry.flags & res::FVIRTKEY)) {
    const char c = char(entry.key);
    // Digits and these punctuation marks have their character's code as Qt key.
    return {Qt::Key(c), Qt::NoModifier, QString(QLatin1Char(c))};
  }
  Qt::KeyboardModifiers mods;
  if (entry.flags & res::FSHIFT) mods |= Qt::ShiftModifier;
  if (entry.flags & res::FCONTROL) mods |= Qt::ControlModifier;
  if (entry.flags & res::FALT) mods |= Qt::AltModifier;
  const int k = entry.key;
  if (k >= 'A' && k <= 'Z') return {Qt::Key(Qt::Key_A + (k - 'A')), mods, {}};
  if (k >= '0' && k <= '9') return {Qt::Key(Qt::Key_0 + (k - '0')), mods, {}};
  if (k >= res::VK_F1 && k <= res::VK_F24)
    return {Qt::Key(Qt::Key_F1 + (k - res::VK_F1)), mods, {}};
  switch (k) {
    case res::VK_BACK:
      return {Qt::Key_Backspace, mods, {}};
    case res::VK_INSERT:
      return {Qt::Key_Insert, mods, {}};
    case res::VK_DELETE:
      return {Qt::Key_Delete, mods, {}};
    default:
      return {Qt::Key_unknown, mods, {}};
  }
}

// The keystroke of a key command: its first entry in the accelerator table; Key_unknown for
// the key that has none (x^2).
Keystroke KeystrokeOfCommand(int command) {
  for (const auto& entry : res::kAccelTable)
    if (entry.command == command) return KeystrokeOf(entry);
  return {Qt::Key_unknown, Qt::NoModifier, {}};
}

void Send(QWidget* target, const Keystroke& k) {
  if (k.text.isNull())
    QTest::keyClick(target, k.key, k.mods);
  else
    QTest::sendKeyEvent(QTest::Click, target, k.key, k.text, k.mods);
}

// Where a keystroke goes: an open menu, else the focused widget, else the active window.
QWidget* KeyTarget(QWidget& fallback) {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup;
  if (QWidget* focus = QApplication::focusWidget()) return focus;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return &fallback;
}

QString Describe(const Keystroke& k) {
  QString name = QKeySequence(QKeyCombination(k.mods, k.key)).toString();
  if (!k.text.isNull()) name += QStringLiteral(" \"%1\"").arg(k.text);
  return name;
}

// Closes menus and leaves the menu bar's keyboard mode, so keystrokes reach the panel again.
void LeaveMenus(CMainFrame& frame) {
  for (int guard = 0; guard < 8 && QApplication::activePopupWidget(); ++guard)
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
  if (frame.menuBar()->hasFocus()) QTest::keyClick(frame.menuBar(), Qt::Key_Escape);
  QCoreApplication::processEvents();
}

}  // namespace

class StressTest : public QObject {
  Q_OBJECT

 private:
  CRunningApp m_run;
  QTemporaryDir m_dir;

 private slots:
  void initTestCase() {
    IsolateSettings();
    QuietenOffscreenWarnings();
    g_nextHandler = qInstallMessageHandler(DropSizeHintNotes);
    QVERIFY(m_dir.isValid());
  }

  void init() {
    QApplication::clipboard()->setText(QStringLiteral("2.5"));
    m_run = CRunningApp();
    QVERIFY(m_run.Start());
  }

  void cleanup() { m_run.app.reset(); }

  // A million digits: the first and the last typed as keystrokes, the bulk sent as the commands
  // those keystrokes give. Zeros up front, so a text cut anywhere would change the sum.
  void millionDigitsTyped() {
    CEdit& display = m_run.Display();
    PaintCounter paints(display);
    ClearFocus(m_run);
    TypeText(m_run, QStringLiteral("000"));
    for (int i = 3; i < kMillion - 2; ++i) m_run.Frame().OnCommand(IDC_KEY_0);
    QVERIFY(EventLoopAnswers());
    TypeText(m_run, QStringLiteral("42"));
    QVERIFY(EventLoopAnswers());

    const QString expected = QString(kMillion - 2, QLatin1Char('0')) + QStringLiteral("42");
    QCOMPARE(display.text().size(), qsizetype(kMillion));
    QVERIFY(display.text() == expected);
    QCOMPARE(Engine(m_run).m_strEntry.size(), std::size_t(kMillion));
    QVERIFY(Engine(m_run).m_strEntry == expected.toStdString());
    QVERIFY(Keypad(m_run).m_strDisplay == Engine(m_run).m_strEntry);
    // The window still draws the line.
    const int before = paints.m_nPaints;
    display.update();
    QTRY_VERIFY(paints.m_nPaints > before);

    TypeText(m_run, QStringLiteral("+1="));
    QCOMPARE(m_run.DisplayText(), QStringLiteral("43"));
    QVERIFY(EventLoopAnswers());
    TypeText(m_run, QStringLiteral("*2="));
    QCOMPARE(m_run.DisplayText(), QStringLiteral("86"));
  }

  // A million characters from the clipboard through the display's own context menu.
  void millionCharacterPaste() {
    const QString text = QString(kMillion - 2, QLatin1Char('0')) + QStringLiteral("17");
    QApplication::clipboard()->setText(text);
    CEdit& display = m_run.Display();
    FocusDisplay(m_run);
    RightClick(m_run, display, display.rect().center());
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QAction* paste = nullptr;
    for (QAction* action : menu->actions())
      if (action->text().startsWith(QLatin1String("&Paste"))) paste = action;
    QVERIFY(paste);
    QVERIFY(paste->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QVERIFY(EventLoopAnswers());

    QCOMPARE(display.text().size(), qsizetype(kMillion));
    QVERIFY(display.text() == text);
    QCOMPARE(Engine(m_run).m_strEntry.size(), std::size_t(kMillion));
    QVERIFY(Engine(m_run).m_strEntry == text.toStdString());

    TypeText(m_run, QStringLiteral("+1="));
    QCOMPARE(m_run.DisplayText(), QStringLiteral("18"));
    QVERIFY(EventLoopAnswers());
  }

  void survivesRandomAbuse() {
    const QByteArray seedText = qgetenv("ZELKO_STRESS_SEED");
    const QByteArray countText = qgetenv("ZELKO_STRESS_ACTIONS");
    const unsigned seed = seedText.isEmpty() ? std::random_device{}() : seedText.toUInt();
    const int actions = countText.isEmpty() ? 100000 : countText.toInt();
    qInfo("seed %u (ZELKO_STRESS_SEED=%u repeats this run), %d actions", seed, seed, actions);
    std::mt19937 rng(seed);
    const auto below = [&rng](std::size_t n) { return std::size_t(rng() % n); };
    const auto chance = [&rng](int perMille) { return int(rng() % 1000) < perMille; };

    CMainFrame& frame = m_run.Frame();
    CloseKeeper keeper(frame);
    int displayChanges = 0;
    int stepsInMenus = 0;
    QObject counting;
    connect(&m_run.Display(), &QLineEdit::textChanged, &counting,
            [&displayChanges] { ++displayChanges; });
    std::deque<QString> trail;  // the last actions, shown when a check fails
    const auto note = [&trail](const QString& what) {
      trail.push_back(what);
      if (trail.size() > 40) trail.pop_front();
    };
    const auto trailText = [&trail, seed] {
      QString text = QStringLiteral("seed %1; last actions:").arg(seed);
      for (const QString& step : trail) text += QStringLiteral("\n  ") + step;
      return text;
    };

    // Keystrokes: every accelerator entry, and keys the table does not know.
    std::vector<Keystroke> keypadKeys;
    std::vector<Keystroke> otherAccelerators;
    for (const auto& entry : res::kAccelTable) {
      (FindKeyOperation(entry.command) ? keypadKeys : otherAccelerators)
          .push_back(KeystrokeOf(entry));
    }
    const std::vector<Keystroke> noise = {
        {Qt::Key_Tab, Qt::NoModifier, {}},
        {Qt::Key_Backtab, Qt::ShiftModifier, {}},
        {Qt::Key_Return, Qt::NoModifier, {}},
        {Qt::Key_Enter, Qt::KeypadModifier, {}},
        {Qt::Key_Space, Qt::NoModifier, {}},
        {Qt::Key_Escape, Qt::NoModifier, {}},
        {Qt::Key_Left, Qt::NoModifier, {}},
        {Qt::Key_Right, Qt::ShiftModifier, {}},
        {Qt::Key_Up, Qt::NoModifier, {}},
        {Qt::Key_Down, Qt::NoModifier, {}},
        {Qt::Key_Home, Qt::ShiftModifier, {}},
        {Qt::Key_End, Qt::NoModifier, {}},
        {Qt::Key_Delete, Qt::NoModifier, {}},
        {Qt::Key_Insert, Qt::NoModifier, {}},
        {Qt::Key_Alt, Qt::AltModifier, {}},
        {Qt::Key_F, Qt::AltModifier, {}},
        {Qt::Key_S, Qt::AltModifier, {}},
        {Qt::Key_H, Qt::AltModifier, {}},
        {Qt::Key_F10, Qt::ShiftModifier, {}},
        {Qt::Key_Menu, Qt::NoModifier, {}},
        {Qt::Key_A, Qt::ControlModifier, {}},
        {Qt::Key_Y, Qt::ControlModifier, {}},
        {Qt::Key_Backspace, Qt::ControlModifier, {}},
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, {}},
        {Qt::Key_5, Qt::KeypadModifier, QStringLiteral("5")},
        {Qt::Key_Plus, Qt::KeypadModifier, QStringLiteral("+")},
        {Qt::Key_Comma, Qt::NoModifier, QStringLiteral(",")},
        {Qt::Key_E, Qt::ShiftModifier, QStringLiteral("E")},
        {Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u00e9")},
    };
    const auto randomLetter = [&]() -> Keystroke {
      const int i = int(below(26));
      const Qt::KeyboardModifiers mods = chance(300) ? Qt::ShiftModifier : Qt::NoModifier;
      return {Qt::Key(Qt::Key_A + i), mods, {}};
    };
    const auto randomFunctionKey = [&]() -> Keystroke {
      static const std::array<Qt::KeyboardModifiers, 4> mods = {
          Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
      return {Qt::Key(Qt::Key_F1 + int(below(12))), mods[below(mods.size())], {}};
    };

    std::vector<QAction*> menuActions;
    for (QAction* top : frame.menuBar()->actions()) {
      std::vector<QMenu*> menus = {top->menu()};
      while (!menus.empty()) {
        QMenu* menu = menus.back();
        menus.pop_back();
        if (!menu) continue;
        for (QAction* action : menu->actions()) {
          if (action->menu())
            menus.push_back(action->menu());
          else if (!action->isSeparator())
            menuActions.push_back(action);
        }
      }
    }
    QVERIFY(!menuActions.empty());

    // Dialogs opened by F1, the Help menu or the file commands are "used" a little, then left.
    CFakeUi& ui = m_run.ui;
    const QString existing = m_dir.filePath(QStringLiteral("existing.calc"));
    {
      QFile file(existing);
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
    ui.m_strPrintFile = m_dir.filePath(QStringLiteral("printed.pdf"));
    int dialogs = 0;
    ui.m_onModal = [&](QDialog& dialog) {
      ++dialogs;
      note(QStringLiteral("  dialog \"%1\"").arg(dialog.windowTitle()));
      const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
      for (int i = int(below(6)); i > 0 && dialog.isVisible(); --i) {
        if (!buttons.isEmpty() && chance(500)) {
          QPushButton* button = buttons.at(qsizetype(below(std::size_t(buttons.size()))));
          if (button->isVisible()) QTest::mouseClick(button, Qt::LeftButton);
        } else {
          static const std::array<Qt::Key, 6> keys = {Qt::Key_Tab,  Qt::Key_Space,  Qt::Key_Right,
                                                      Qt::Key_Down, Qt::Key_Return, Qt::Key_Escape};
          QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &dialog;
          QTest::keyClick(target, keys[below(keys.size())]);
        }
      }
    };
    const auto refillReplies = [&] {
      ui.m_messages.clear();
      ui.m_captions.clear();
      ui.m_filters.clear();
      ui.m_modalTitles.clear();
      ui.m_openReplies.clear();
      ui.m_saveReplies.clear();
      // Cancelled, an existing file, a missing one; saved into the folder or nowhere.
      const QString open[] = {QString(), existing, m_dir.filePath(QStringLiteral("missing.calc"))};
      const QString save[] = {QString(), m_dir.filePath(QStringLiteral("saved.calc")),
                              m_dir.filePath(QStringLiteral("no-folder/x.calc"))};
      for (int i = 0; i < 4; ++i) {
        ui.m_openReplies << open[below(3)];
        ui.m_saveReplies << save[below(3)];
      }
      ui.m_bPrintAccepted = chance(500);
    };
    refillReplies();
    const QString clipTexts[] = {QStringLiteral("12"),    QStringLiteral("-3.5e2"),
                                 QStringLiteral("abc"),   QString(),
                                 QStringLiteral("1e999"), QStringLiteral("0.000001"),
                                 QStringLiteral(" 7 "),   QString(300, QLatin1Char('9'))};

    const auto randomPoint = [&](const QWidget& widget) {
      return QPoint(int(below(std::size_t(std::max(1, widget.width())))),
                    int(below(std::size_t(std::max(1, widget.height())))));
    };

    for (int step = 0; step < actions; ++step) {
      const int roll = int(below(1000));
      if (roll < 450) {
        // A keystroke of a calculator key.
        const Keystroke k = keypadKeys[below(keypadKeys.size())];
        QWidget* target = KeyTarget(frame);
        note(QStringLiteral("key %1 to %2").arg(Describe(k), target->metaObject()->className()));
        Send(target, k);
      } else if (roll < 600) {
        // Some other key: letters, function keys, editing and navigation keys, menu keys.
        const int kind = int(below(4));
        const Keystroke k = kind == 0   ? randomLetter()
                            : kind == 1 ? randomFunctionKey()
                            : kind == 2 ? otherAccelerators[below(otherAccelerators.size())]
                                        : noise[below(noise.size())];
        QWidget* target = KeyTarget(frame);
        note(QStringLiteral("key %1 to %2").arg(Describe(k), target->metaObject()->className()));
        Send(target, k);
      } else if (roll < 800) {
        // A click on a key of the panel.
        const int id = kKeyOperations[below(kKeyOperations.size())].id;
        CButton& key = m_run.Key(id);
        const Qt::MouseButton button = chance(850) ? Qt::LeftButton : Qt::RightButton;
        note(QStringLiteral("click %1 on key %2").arg(int(button)).arg(id));
        if (QApplication::activePopupWidget() || !key.isVisible())
          QTest::mouseClick(frame.windowHandle(), button, {}, key.mapTo(&frame, randomPoint(key)));
        else
          QTest::mouseClick(&key, button, {}, randomPoint(key));
      } else if (roll < 895) {
        // A click anywhere in the window: display, background, menu bar, status bar; or inside
        // an open menu, on one of its items.
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            menu && chance(600) && !menu->actions().isEmpty()) {
          QAction* action =
              menu->actions().at(qsizetype(below(std::size_t(menu->actions().size()))));
          note(QStringLiteral("click menu item \"%1\"").arg(action->text()));
          QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        } else {
          const QPoint at = randomPoint(frame);
          const Qt::MouseButton button = chance(700) ? Qt::LeftButton : Qt::RightButton;
          note(QStringLiteral("click %1 at %2,%3").arg(int(button)).arg(at.x()).arg(at.y()));
          if (chance(100))
            QTest::mouseDClick(frame.windowHandle(), button, {}, at);
          else
            QTest::mouseClick(frame.windowHandle(), button, {}, at);
        }
      } else if (roll < 905) {
        // A burst: a long number typed faster than the window repaints.
        const int length = 5 + int(below(80));
        note(QStringLiteral("burst of %1 digits").arg(length));
        QWidget* target = KeyTarget(frame);
        for (int i = 0; i < length; ++i) {
          const int digit = int(below(10));
          Send(target, {Qt::Key(Qt::Key_0 + digit), Qt::NoModifier, QString::number(digit)});
        }
      } else if (roll < 940) {
        // The pointer wanders: hover prompts, tool tips.
        const QPoint at = randomPoint(frame);
        note(QStringLiteral("move to %1,%2").arg(at.x()).arg(at.y()));
        QTest::mouseMove(frame.windowHandle(), at);
      } else if (roll < 990) {
        // A menu command: a menu opened on the menu bar (its items are then for the clicks and
        // keystrokes that follow), or an item chosen directly.
        if (!QApplication::activePopupWidget() && chance(300)) {
          QMenuBar* bar = frame.menuBar();
          QAction* top = bar->actions().at(qsizetype(below(std::size_t(bar->actions().size()))));
          note(QStringLiteral("open menu \"%1\"").arg(top->text()));
          QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
        } else {
          QAction* action = menuActions[below(menuActions.size())];
          note(QStringLiteral("menu \"%1\"").arg(action->text()));
          if (action->isEnabled()) action->trigger();
        }
      } else {
        const QString clip = clipTexts[below(std::size(clipTexts))];
        note(QStringLiteral("clipboard \"%1\"").arg(clip.left(20)));
        QApplication::clipboard()->setText(clip);
      }

      if (chance(700)) QCoreApplication::processEvents();
      if (QApplication::activePopupWidget()) ++stepsInMenus;
      if (step % 500 == 499) refillReplies();

      // What must hold whatever happened.
      const CCalcEngine& e = Engine(m_run);
      const bool sane =
          (e.m_nLevel == 0 || e.m_nLevel == 1) && (e.m_nAngleMode == 0 || e.m_nAngleMode == 1) &&
          (e.m_bInverse == 0 || e.m_bInverse == 1) &&
          (e.m_nPendingFunc == 0 || e.m_nPendingFunc == OP_POWER || e.m_nPendingFunc == OP_SCI) &&
          frame.isVisible() && !frame.isMinimized();
      if (!sane)
        QFAIL(qPrintable(
            QStringLiteral("after action %1: broken state; %2").arg(step).arg(trailText())));
    }
    qInfo(
        "%d display changes, %d actions with a menu open, %d dialogs, %d requests to close "
        "kept back",
        displayChanges, stepsInMenus, dialogs, keeper.m_nRequests);

    // Still alive and answering.
    LeaveMenus(frame);
    QVERIFY2(!QApplication::activeModalWidget(), qPrintable(trailText()));
    QVERIFY2(EventLoopAnswers(), qPrintable(trailText()));
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QVERIFY(frame.isVisible());
    {
      PaintCounter paints(m_run.Display());
      m_run.Display().update();
      QTRY_VERIFY(paints.m_nPaints > 0);
    }

    // Consistent: after Clear, the window calculates exactly as a second keypad that starts from
    // the same engine state and gets the same keys.
    ClearFocus(m_run);
    Send(KeyTarget(frame), KeystrokeOfCommand(IDC_KEY_CLEAR));
    QVERIFY(EventLoopAnswers());
    QCOMPARE(m_run.DisplayText(), QString());
    CCalcEngine shadowEngine = Engine(m_run);
    RecordingSinks sinks;
    CCalcKeypad shadow(shadowEngine, sinks, sinks);
    for (int i = 0; i < 3000; ++i) {
      const KeyOperation& key = kKeyOperations[below(kKeyOperations.size())];
      const Keystroke keystroke = KeystrokeOfCommand(key.id);
      if (keystroke.key != Qt::Key_unknown && chance(500)) {
        Send(KeyTarget(frame), keystroke);
        note(QStringLiteral("check: key %1")
                 .arg(QString::fromLatin1(key.name.data(), key.name.size())));
      } else {
        ClickKey(m_run, key.id);
        note(QStringLiteral("check: click %1")
                 .arg(QString::fromLatin1(key.name.data(), key.name.size())));
      }
      key.press(shadow);
      if (sinks.m_strText.size() >= 1024)
        QCoreApplication::processEvents();  // long texts wait for it

      const CCalcEngine& e = Engine(m_run);
      const bool same =
          m_run.DisplayText() ==
              QString::fromLatin1(sinks.m_strText.data(), qsizetype(sinks.m_strText.size())) &&
          Keypad(m_run).m_strDisplay == shadow.m_strDisplay &&
          e.m_strEntry == shadowEngine.m_strEntry && e.m_nLevel == shadowEngine.m_nLevel &&
          e.m_nPendingFunc == shadowEngine.m_nPendingFunc &&
          e.m_bPendingFunc == shadowEngine.m_bPendingFunc &&
          e.m_bInverse == shadowEngine.m_bInverse && e.m_nAngleMode == shadowEngine.m_nAngleMode &&
          std::memcmp(&e.m_dMemory, &shadowEngine.m_dMemory, sizeof(double)) == 0 &&
          std::memcmp(e.m_dValues, shadowEngine.m_dValues, sizeof(e.m_dValues)) == 0;
      if (!same)
        QFAIL(qPrintable(QStringLiteral("window \"%1\", second keypad \"%2\"; %3")
                             .arg(m_run.DisplayText().left(60),
                                  QString::fromStdString(sinks.m_strText.substr(0, 60)),
                                  trailText())));
    }
    for (const auto& [id, face] : sinks.m_faces) QCOMPARE(m_run.Key(id).IconFace(), face);
    QVERIFY(EventLoopAnswers());
  }
};

QTEST_MAIN(StressTest)
#include "tst_stress.moc"
