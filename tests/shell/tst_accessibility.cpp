// What a screen reader and a hovering user learn about the panel: the accessible name and
// description of every key, read through QAccessible, and its tooltip, shown by real tooltip
// and hover events, in both INV states and both angle units, with INV and the angle key pressed
// by real clicks and keystrokes. Also the display's name and the text read from it.
#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QSet>
#include <QTest>
#include <QToolTip>

#include "CalculatorView.h"
#include "Controls.h"
#include "DialogLayout.h"
#include "HelpTable.h"
#include "KeyCommands.h"
#include "MainFrm.h"
#include "ShellTestSupport.h"

namespace {

// What a user has to hear and see, written out here rather than taken from the program's name
// table. `help` is the Help Info row describing the key, -1 for a key that has none and is
// described by `brief`. The second meaning holds while INV is on, for the angle key while the
// unit is radians; nullptr when the key keeps its meaning.
struct Expected {
  int key;
  const char* tag;
  const char* keystroke;  // "" for none
  const char* name;
  int help;
  const char* brief;
  const char* otherName;
  int otherHelp;
};

constexpr Expected kExpected[] = {
    {IDC_KEY_0, "0", "0", "zero", -1, "Digit 0", nullptr, -1},
    {IDC_KEY_1, "1", "1", "one", -1, "Digit 1", nullptr, -1},
    {IDC_KEY_2, "2", "2", "two", -1, "Digit 2", nullptr, -1},
    {IDC_KEY_3, "3", "3", "three", -1, "Digit 3", nullptr, -1},
    {IDC_KEY_4, "4", "4", "four", -1, "Digit 4", nullptr, -1},
    {IDC_KEY_5, "5", "5", "five", -1, "Digit 5", nullptr, -1},
    {IDC_KEY_6, "6", "6", "six", -1, "Digit 6", nullptr, -1},
    {IDC_KEY_7, "7", "7", "seven", -1, "Digit 7", nullptr, -1},
    {IDC_KEY_8, "8", "8", "eight", -1, "Digit 8", nullptr, -1},
    {IDC_KEY_9, "9", "9", "nine", -1, "Digit 9", nullptr, -1},
    {IDC_KEY_ADD, "add", "+", "plus", -1, "Add", nullptr, -1},
    {IDC_KEY_SUBTRACT, "subtract", "-", "minus", -1, "Subtract", nullptr, -1},
    {IDC_KEY_MULTIPLY, "multiply", "*", "times", -1, "Multiply", nullptr, -1},
    {IDC_KEY_DIVIDE, "divide", "/", "divided by", -1, "Divide", nullptr, -1},
    {IDC_KEY_POINT, "point", ".", "point", -1, "Decimal point", nullptr, -1},
    {IDC_KEY_SIGN, "sign", "F9", "change sign", -1, "Change sign", nullptr, -1},
    {IDC_KEY_BACKSPACE, "backspace", "Backspace", "backspace", -1, "Backspace", nullptr, -1},
    {IDC_KEY_CLEAR, "clear", "C", "clear", 5, nullptr, nullptr, -1},
    {IDC_KEY_EQUALS, "equals", "=", "equals", 0, nullptr, nullptr, -1},
    {IDC_KEY_RECIPROCAL, "reciprocal", "X", "reciprocal", 4, nullptr, nullptr, -1},
    {IDC_KEY_PERCENT, "percent", "P", "percent", 6, nullptr, nullptr, -1},
    {IDC_KEY_SQRT, "sqrt", "Q", "square root", 3, nullptr, nullptr, -1},
    {IDC_KEY_MS, "ms", "S", "memory store", 1, nullptr, nullptr, -1},
    {IDC_KEY_MR, "mr", "R", "memory recall", 2, nullptr, nullptr, -1},
    {IDC_KEY_PI, "pi", "I", "pi", 10, nullptr, nullptr, -1},
    {IDC_KEY_LPAREN, "lparen", "Shift+9", "open parenthesis", 26, nullptr, nullptr, -1},
    {IDC_KEY_RPAREN, "rparen", "Shift+0", "close parenthesis", 27, nullptr, nullptr, -1},
    {IDC_KEY_SQUARE, "square", "", "square", 7, nullptr, "square root", 29},
    {IDC_KEY_SCI, "sci", "E", "scientific notation", 8, nullptr, "floating point format", 25},
    {IDC_KEY_POWER, "power", "Y", "power", 9, nullptr, "root", 28},
    {IDC_KEY_LOG, "log", "G", "common logarithm", 15, nullptr, "ten to the power", 16},
    {IDC_KEY_LN, "ln", "L", "natural logarithm", 17, nullptr, "e to the power", 18},
    {IDC_KEY_SIN, "sin", "N", "sine", 19, nullptr, "arcsine", 20},
    {IDC_KEY_COS, "cos", "O", "cosine", 21, nullptr, "arccosine", 22},
    {IDC_KEY_TAN, "tan", "T", "tangent", 23, nullptr, "arctangent", 24},
    {IDC_KEY_INV, "inv", "V", "inverse", 13, nullptr, "inverse on", 14},
    {IDC_KEY_DEGRAD, "degrad", "D", "degrees", 11, nullptr, "radians", 12},
};

QString HelpText(int row) {
  const std::string_view text = res::kHelpRows.at(static_cast<std::size_t>(row)).text;
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString ToolTipOf(const QString& description, const QString& keystroke) {
  return keystroke.isEmpty() ? description : QStringLiteral("%1 (%2)").arg(description, keystroke);
}

const CCalcEngine& Engine(const CRunningApp& run) { return run.View().m_keypad.Engine(); }

QAccessibleInterface* Accessible(QWidget& widget) {
  return QAccessible::queryAccessibleInterface(&widget);
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private:
  CRunningApp m_run;

  // One row per key and state: plain, INV on, and for the angle key radians with and without.
  static void KeyRows() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("inverse");
    QTest::addColumn<bool>("radians");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("toolTip");
    for (const Expected& e : kExpected) {
      const bool angleKey = e.key == IDC_KEY_DEGRAD;
      for (const bool radians : {false, true}) {
        if (radians && !angleKey) continue;
        for (const bool inverse : {false, true}) {
          const bool other = e.otherName && (angleKey ? radians : inverse);
          const QString name = QString::fromLatin1(other ? e.otherName : e.name);
          const int help = other ? e.otherHelp : e.help;
          const QString description = help < 0 ? QString::fromLatin1(e.brief) : HelpText(help);
          const QString tag =
              QString::fromLatin1(e.tag) + (inverse ? " INV" : "") + (radians ? " radians" : "");
          QTest::newRow(qPrintable(tag))
              << e.key << inverse << radians << name << description
              << ToolTipOf(description, QString::fromLatin1(e.keystroke));
        }
      }
    }
  }

  // Radians by the D keystroke, INV by a click on its key, as a user switches them.
  void EnterState(bool inverse, bool radians) {
    if (radians) {
      ClearFocus(m_run);
      TypeText(m_run, QStringLiteral("d"));
    }
    if (inverse) ClickKey(m_run, IDC_KEY_INV);
    QCOMPARE(Engine(m_run).m_bInverse, inverse ? 1 : 0);
    QCOMPARE(Engine(m_run).m_nAngleMode, radians ? 0 : 1);
  }

  QString NameOf(int key) { return Accessible(m_run.Key(key))->text(QAccessible::Name); }

 private slots:
  void initTestCase() {
    IsolateSettings();
    QuietenOffscreenWarnings();
  }

  void init() {
    m_run = CRunningApp();
    QVERIFY(m_run.Start());
  }

  void cleanup() {
    QToolTip::hideText();
    m_run.app.reset();
  }

  // The expectations cover the form: every button on it, each key exactly once.
  void everyKeyIsExpected() {
    QSet<int> expected;
    for (const Expected& e : kExpected) {
      QVERIFY2(!expected.contains(e.key), e.tag);
      expected << e.key;
    }
    QSet<int> keys;
    for (const auto& key : kKeyOperations) keys << key.id;
    QCOMPARE(expected, keys);
    QSet<int> buttons;
    for (const QPushButton* button : m_run.View().findChildren<QPushButton*>())
      buttons << GetDlgCtrlID(*button);
    QCOMPARE(buttons, keys);
  }

  void keyNames_data() { KeyRows(); }
  void keyNames() {
    QFETCH(int, key);
    QFETCH(bool, inverse);
    QFETCH(bool, radians);
    QFETCH(QString, name);
    QFETCH(QString, description);
    EnterState(inverse, radians);
    QAccessibleInterface* face = Accessible(m_run.Key(key));
    QVERIFY(face);
    QCOMPARE(face->role(), QAccessible::Button);
    QCOMPARE(face->text(QAccessible::Name), name);
    QCOMPARE(face->text(QAccessible::Description), description);
  }

  void keyToolTips_data() { KeyRows(); }
  void keyToolTips() {
    QFETCH(int, key);
    QFETCH(bool, inverse);
    QFETCH(bool, radians);
    QFETCH(QString, toolTip);
    EnterState(inverse, radians);
    CButton& button = m_run.Key(key);
    QCOMPARE(button.toolTip(), toolTip);
    // The event the window system's hover timer sends.
    const QPoint centre = button.rect().center();
    QHelpEvent event(QEvent::ToolTip, centre, button.mapToGlobal(centre));
    QApplication::sendEvent(&button, &event);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), toolTip);
  }

  // The pointer resting on a key brings its tooltip up by itself.
  void hoverShowsTheToolTip_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("sqrt") << int(IDC_KEY_SQRT)
                          << QStringLiteral(
                                 "Square Root, takes the square root of displayed value (Q)");
    QTest::newRow("square, no keystroke")
        << int(IDC_KEY_SQUARE) << QStringLiteral("Square, squares the value displayed");
    QTest::newRow("digit") << int(IDC_KEY_7) << QStringLiteral("Digit 7 (7)");
    QTest::newRow("sign") << int(IDC_KEY_SIGN) << QStringLiteral("Change sign (F9)");
    QTest::newRow("backspace") << int(IDC_KEY_BACKSPACE) << QStringLiteral("Backspace (Backspace)");
  }
  void hoverShowsTheToolTip() {
    QFETCH(int, key);
    QFETCH(QString, toolTip);
    CButton& button = m_run.Key(key);
    QTest::mouseMove(&button, button.rect().center() - QPoint(2, 0));
    QTest::mouseMove(&button, button.rect().center());
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), toolTip);
  }

  // Faces and meanings part ways where the face mode or a new document puts back faces while
  // INV or radians stay in force: the names follow the meaning, which the probe computes.
  void namesFollowTheMeaning_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("faceSwitches");
    QTest::addColumn<bool>("newDocument");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("help");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<QString>("result");
    QTest::newRow("INV, accelerator faces")
        << QStringLiteral("v") << 1 << false << int(IDC_KEY_SIN) << QStringLiteral("arcsine") << 20
        << QStringLiteral("0.5n") << QStringLiteral("30");
    QTest::newRow("INV, accelerator faces and back")
        << QStringLiteral("v") << 2 << false << int(IDC_KEY_SIN) << QStringLiteral("arcsine") << 20
        << QStringLiteral("0.5n") << QStringLiteral("30");
    QTest::newRow("INV key itself, accelerator faces")
        << QStringLiteral("v") << 1 << false << int(IDC_KEY_INV) << QStringLiteral("inverse on")
        << 14 << QString() << QString();
    QTest::newRow("INV, new document") << QStringLiteral("v") << 0 << true << int(IDC_KEY_LOG)
                                       << QStringLiteral("ten to the power") << 16
                                       << QStringLiteral("2g") << QStringLiteral("100");
    QTest::newRow("INV twice, accelerator faces")
        << QStringLiteral("vv") << 1 << false << int(IDC_KEY_LOG)
        << QStringLiteral("common logarithm") << 15 << QStringLiteral("100g")
        << QStringLiteral("2");
    QTest::newRow("radians, accelerator faces")
        << QStringLiteral("d") << 1 << false << int(IDC_KEY_DEGRAD) << QStringLiteral("radians")
        << 12 << QStringLiteral("30n") << QStringLiteral("-0.9880316240929");
    QTest::newRow("radians, new document")
        << QStringLiteral("d") << 0 << true << int(IDC_KEY_DEGRAD) << QStringLiteral("radians")
        << 12 << QStringLiteral("30n") << QStringLiteral("-0.9880316240929");
    QTest::newRow("radians and back, accelerator faces")
        << QStringLiteral("dd") << 1 << false << int(IDC_KEY_DEGRAD) << QStringLiteral("degrees")
        << 11 << QStringLiteral("30n") << QStringLiteral("0.5");
  }
  void namesFollowTheMeaning() {
    QFETCH(QString, before);
    QFETCH(int, faceSwitches);
    QFETCH(bool, newDocument);
    QFETCH(int, key);
    QFETCH(QString, name);
    QFETCH(int, help);
    QFETCH(QString, probe);
    QFETCH(QString, result);
    ClearFocus(m_run);
    TypeText(m_run, before);
    for (int i = 0; i < faceSwitches; ++i) ChooseMenuItem(m_run.Frame(), res::ID_SHOW_ACCEL_KEYS);
    if (newDocument) PressKey(m_run, Qt::Key_N, Qt::ControlModifier);
    QAccessibleInterface* face = Accessible(m_run.Key(key));
    QCOMPARE(face->text(QAccessible::Name), name);
    QCOMPARE(face->text(QAccessible::Description), HelpText(help));
    QVERIFY(m_run.Key(key).toolTip().startsWith(HelpText(help) + QStringLiteral(" (")));
    if (probe.isEmpty()) return;
    TypeText(m_run, probe);
    QCOMPARE(m_run.DisplayText(), result);
  }

  // The display is named "Display" and reads out exactly the text it shows.
  void display_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty at start") << QString() << QString();
    QTest::newRow("typing") << QStringLiteral("123.5") << QStringLiteral("123.5");
    QTest::newRow("result") << QStringLiteral("12+3=") << QStringLiteral("15");
    QTest::newRow("error") << QStringLiteral("0l") << QStringLiteral("Error");
    QTest::newRow("scientific entry")
        << QStringLiteral("1.5e3") << QStringLiteral("            1.5  003");
  }
  void display() {
    QFETCH(QString, keys);
    QFETCH(QString, text);
    ClearFocus(m_run);
    TypeText(m_run, keys);
    QCOMPARE(m_run.DisplayText(), text);
    QAccessibleInterface* display = Accessible(m_run.Display());
    QVERIFY(display);
    QCOMPARE(display->role(), QAccessible::EditableText);
    QCOMPARE(display->text(QAccessible::Name), QStringLiteral("Display"));
    QCOMPARE(display->text(QAccessible::Value), text);
  }

  // Keyboard users tab onto a key: the focused object is the named key.
  void focusedKeyIsNamed() {
    FocusKey(m_run, IDC_KEY_SQRT);
    QAccessibleInterface* focused = Accessible(m_run.Frame())->focusChild();
    QVERIFY(focused);
    QCOMPARE(focused->object(), &m_run.Key(IDC_KEY_SQRT));
    QCOMPARE(focused->text(QAccessible::Name), NameOf(IDC_KEY_SQRT));
    QCOMPARE(NameOf(IDC_KEY_SQRT), QStringLiteral("square root"));
  }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
