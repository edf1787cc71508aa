// The calculator panel driven as a user drives it: keystrokes with and without the display
// focused, clicks and right clicks, editing and pasting into the display, and the key faces.
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <algorithm>

#include "AccelTable.h"
#include "CalculatorView.h"
#include "Controls.h"
#include "DialogLayout.h"
#include "Icons.h"
#include "KeyFaces.h"
#include "MainFrm.h"
#include "ShellTestSupport.h"

namespace {

enum Way { Clicked, TypedUnfocused, TypedInDisplay };

// The key of each typed character, for clicking the same sequence.
int KeyOfChar(QChar ch) {
  for (const auto& entry : res::kAccelTable)
    if (!(entry.flags & res::FVIRTKEY) && entry.key == ch.unicode()) return entry.command;
  return 0;
}

const CCalcEngine& Engine(const CRunningApp& run) { return run.View().m_keypad.Engine(); }

// At 200%: some aligned 2 x 2 block inside `area` (logical pixels) is partly inked, so the text
// there was drawn at the screen's resolution, not as a 100% picture enlarged. No ink fails too.
bool InkFinerThanBlocks(const QImage& image, const QRect& area) {
  const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
  for (int y = 2 * area.top(); y < 2 * (area.bottom() + 1); y += 2) {
    for (int x = 2 * area.left(); x < 2 * (area.right() + 1); x += 2) {
      const int inked = dark(x, y) + dark(x + 1, y) + dark(x, y + 1) + dark(x + 1, y + 1);
      if (inked > 0 && inked < 4) return true;
    }
  }
  return false;
}

// Some pixel inside `area` (logical pixels, image at 200%) is dark.
bool HasInk(const QImage& image, const QRect& area) {
  for (int y = 2 * area.top(); y < 2 * (area.bottom() + 1); ++y)
    for (int x = 2 * area.left(); x < 2 * (area.right() + 1); ++x)
      if (qGray(image.pixel(x, y)) < 128) return true;
  return false;
}

// At 200% each opaque pixel of the key's icon fills its whole 2 x 2 block in its own colour.
void CheckIconBlocks(CButton& key) {
  const QImage icon = LoadIcon(key.IconFace()).toImage().convertToFormat(QImage::Format_ARGB32);
  QVERIFY(!icon.isNull());
  const QImage face = key.grab().toImage().convertToFormat(QImage::Format_RGB32);
  QCOMPARE(face.size(), key.size() * 2);
  // Drawn centred on the key and clipped inside its frame; only pixels well inside count.
  const QPoint topLeft((key.width() - icon.width()) / 2, (key.height() - icon.height()) / 2);
  const QRect inside = key.rect().adjusted(3, 3, -3, -3);
  int checked = 0;
  for (int iy = 0; iy < icon.height(); ++iy) {
    for (int ix = 0; ix < icon.width(); ++ix) {
      const QRgb ink = icon.pixel(ix, iy);
      const QPoint at = topLeft + QPoint(ix, iy);
      if (qAlpha(ink) != 255 || !inside.contains(at)) continue;
      for (int d = 0; d < 4; ++d) {
        const QRgb shown = face.pixel(2 * at.x() + d % 2, 2 * at.y() + d / 2);
        QVERIFY2(qRgb(qRed(shown), qGreen(shown), qBlue(shown)) ==
                     qRgb(qRed(ink), qGreen(ink), qBlue(ink)),
                 qPrintable(QStringLiteral("key %1, icon %2: pixel %3,%4 shows %5 for %6")
                                .arg(GetDlgCtrlID(key))
                                .arg(key.IconFace())
                                .arg(ix)
                                .arg(iy)
                                .arg(QColor(shown).name(), QColor(ink).name())));
      }
      ++checked;
    }
  }
  QVERIFY2(checked > 0, qPrintable(QStringLiteral("key %1 shows no icon").arg(GetDlgCtrlID(key))));
}

}  // namespace

class PanelTest : public QObject {
  Q_OBJECT

 private:
  CRunningApp m_run;

  void Enter(const QString& keys, Way way) {
    if (way == TypedInDisplay) FocusDisplay(m_run);
    if (way == TypedUnfocused) ClearFocus(m_run);
    if (way == Clicked) {
      for (const QChar ch : keys) ClickKey(m_run, KeyOfChar(ch));
      return;
    }
    TypeText(m_run, keys);
  }

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

  void startsEmptyWithPlainFaces() {
    QCOMPARE(m_run.DisplayText(), QString());
    for (const auto& [key, icon] : res::kInitialIconFaces)
      QCOMPARE(m_run.Key(key).IconFace(), icon);
    QCOMPARE(m_run.Key(IDC_KEY_7).text(), QStringLiteral("7"));
    QCOMPARE(m_run.Key(IDC_KEY_BACKSPACE).text(), QStringLiteral("<--"));
    QCOMPARE(m_run.View().m_bPlainFaces, 1);
  }

  void sequences_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("way");
    QTest::addColumn<QString>("display");
    const struct {
      const char* name;
      const char* keys;
      const char* display;
    } rows[] = {
        {"7+2=", "7+2=", "9"},
        {"12+3=", "12+3=", "15"},
        {"2+3*4= has no precedence", "2+3*4=", "20"},
        {"9/3-1=", "9/3-1=", "2"},
        {"second point ignored", "5.2.", "5.2"},
        {"007 keeps its zeros", "007", "007"},
    };
    const struct {
      Way way;
      const char* suffix;
    } ways[] = {
        {Clicked, "clicked"}, {TypedUnfocused, "typed"}, {TypedInDisplay, "typed in display"}};
    for (const auto& row : rows)
      for (const auto& way : ways)
        QTest::addRow("%s, %s", row.name, way.suffix)
            << QString::fromLatin1(row.keys) << int(way.way) << QString::fromLatin1(row.display);
  }

  void sequences() {
    QFETCH(QString, keys);
    QFETCH(int, way);
    QFETCH(QString, display);
    Enter(keys, Way(way));
    QCOMPARE(m_run.DisplayText(), display);
  }

  // Keystrokes other than plain characters, each after typing `before`, with the display
  // focused and not.
  void keystrokes_data() {
    QTest::addColumn<bool>("inDisplay");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("mods");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("display");
    const int none = Qt::NoModifier;
    const struct {
      const char* name;
      const char* before;
      int key;
      int mods;
      const char* text;
      const char* display;
    } rows[] = {
        {"Q square root", "9", Qt::Key_Q, none, "q", "3"},
        {"X reciprocal", "4", Qt::Key_X, none, "x", "0.25"},
        {"I pi", "", Qt::Key_I, none, "i", "3.1415926535898"},
        {"G log", "100", Qt::Key_G, none, "g", "2"},
        {"P percent", "50", Qt::Key_P, none, "p", "0.5"},
        {"F9 sign", "12", Qt::Key_F9, none, "", "-12"},
        {"Backspace", "123", Qt::Key_Backspace, none, "", "12"},
        {"C clears, Caps Lock off", "12", Qt::Key_C, none, "c", ""},
        {"C clears, Caps Lock on", "12", Qt::Key_C, none, "C", ""},
        {"Shift+C does nothing", "12", Qt::Key_C, Qt::ShiftModifier, "C", "12"},
        {"Alt+C does nothing", "12", Qt::Key_C, Qt::AltModifier, "c", "12"},
        {"Ctrl+Q does nothing", "9", Qt::Key_Q, Qt::ControlModifier, "", "9"},
        {"A presses no key", "4", Qt::Key_A, none, "a", "4"},
        {"Enter is not equals", "2+3", Qt::Key_Return, none, "\r", "3"},
        {"Ctrl+7 is no digit", "2", Qt::Key_7, Qt::ControlModifier, "7", "2"},
        {"F6 does nothing", "2", Qt::Key_F6, none, "", "2"},
    };
    for (const auto& row : rows)
      for (const bool inDisplay : {false, true})
        QTest::addRow("%s, %s", row.name, inDisplay ? "display focused" : "nothing focused")
            << inDisplay << QString::fromLatin1(row.before) << row.key << row.mods
            << QString::fromLatin1(row.text) << QString::fromLatin1(row.display);
  }

  void keystrokes() {
    QFETCH(bool, inDisplay);
    QFETCH(QString, before);
    QFETCH(int, key);
    QFETCH(int, mods);
    QFETCH(QString, text);
    QFETCH(QString, display);
    Enter(before, inDisplay ? TypedInDisplay : TypedUnfocused);
    PressKey(m_run, Qt::Key(key), Qt::KeyboardModifiers(mods), text);
    QCOMPARE(m_run.DisplayText(), display);
  }

  void keypadPlusAddsLikeThePlusKey() {
    TypeText(m_run, QStringLiteral("2"));
    PressKey(m_run, Qt::Key_Plus, Qt::KeypadModifier, QStringLiteral("+"));
    PressKey(m_run, Qt::Key_3, Qt::KeypadModifier, QStringLiteral("3"));
    TypeText(m_run, QStringLiteral("="));
    QCOMPARE(m_run.DisplayText(), QStringLiteral("5"));
  }

  void parentheses_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("mods");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("level");
    QTest::newRow("Shift+9 opens") << int(Qt::Key_9) << int(Qt::ShiftModifier) << "(" << 1;
    QTest::newRow("( from another key is not bound")
        << int(Qt::Key_ParenLeft) << int(Qt::ShiftModifier) << "(" << 0;
    QTest::newRow("Ctrl+Shift+9 is not bound")
        << int(Qt::Key_9) << int(Qt::ShiftModifier | Qt::ControlModifier) << "(" << 0;
  }

  void parentheses() {
    QFETCH(int, key);
    QFETCH(int, mods);
    QFETCH(QString, text);
    QFETCH(int, level);
    FocusDisplay(m_run);
    TypeText(m_run, QStringLiteral("2*"));
    PressKey(m_run, Qt::Key(key), Qt::KeyboardModifiers(mods), text);
    QCOMPARE(Engine(m_run).m_nLevel, level);
  }

  void parenthesesByKeystroke() {
    // 2 * (3 + 4) = 14
    TypeText(m_run, QStringLiteral("2*"));
    PressKey(m_run, Qt::Key_9, Qt::ShiftModifier, QStringLiteral("("));
    TypeText(m_run, QStringLiteral("3+4"));
    PressKey(m_run, Qt::Key_0, Qt::ShiftModifier, QStringLiteral(")"));
    TypeText(m_run, QStringLiteral("="));
    QCOMPARE(m_run.DisplayText(), QStringLiteral("14"));
  }

  void ctrlDLeavesTheAngleUnit() {
    TypeText(m_run, QStringLiteral("12"));
    PressKey(m_run, Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(Engine(m_run).m_nAngleMode, 1);
    QCOMPARE(m_run.Key(IDC_KEY_DEGRAD).IconFace(), int(res::IDI_DEG));
    PressKey(m_run, Qt::Key_D, Qt::NoModifier, QStringLiteral("d"));
    QCOMPARE(Engine(m_run).m_nAngleMode, 0);
  }

  void ctrlCCopiesNothing() {
    QApplication::clipboard()->setText(QStringLiteral("untouched"));
    TypeText(m_run, QStringLiteral("2+3="));
    FocusDisplay(m_run);
    m_run.Display().selectAll();
    PressKey(m_run, Qt::Key_C, Qt::ControlModifier);
    PressKey(m_run, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("untouched"));
    QCOMPARE(m_run.DisplayText(), QStringLiteral("5"));
  }

  void editKeystrokesNeverReachTheDisplay_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("mods");
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier);
    QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier);
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier);
    QTest::newRow("Shift+Delete") << int(Qt::Key_Delete) << int(Qt::ShiftModifier);
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier);
    QTest::newRow("Alt+Backspace") << int(Qt::Key_Backspace) << int(Qt::AltModifier);
  }

  void editKeystrokesNeverReachTheDisplay() {
    QFETCH(int, key);
    QFETCH(int, mods);
    QApplication::clipboard()->setText(QStringLiteral("99"));
    FocusDisplay(m_run);
    TypeText(m_run, QStringLiteral("123"));
    m_run.Display().selectAll();
    PressKey(m_run, Qt::Key(key), Qt::KeyboardModifiers(mods));
    QCOMPARE(m_run.DisplayText(), QStringLiteral("123"));
    QCOMPARE(Engine(m_run).m_strEntry, std::string("123"));
  }

  void deleteKeyEditsTheDisplay() {
    TypeText(m_run, QStringLiteral("123"));
    FocusDisplay(m_run);
    PressKey(m_run, Qt::Key_Home);
    PressKey(m_run, Qt::Key_Delete);
    QCOMPARE(m_run.DisplayText(), QStringLiteral("23"));
    QCOMPARE(Engine(m_run).m_strEntry, std::string("23"));
    TypeText(m_run, QStringLiteral("+1="));
    QCOMPARE(m_run.DisplayText(), QStringLiteral("24"));
  }

  void displayRefusesTypedLetters() {
    FocusDisplay(m_run);
    TypeText(m_run, QStringLiteral("12"));
    PressKey(m_run, Qt::Key_H, Qt::NoModifier, QStringLiteral("h"));
    PressKey(m_run, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCOMPARE(m_run.DisplayText(), QStringLiteral("12"));
  }

  // Results written by the keypad are not typing, even with the display focused.
  void ownWritesAreNotTyped() {
    FocusDisplay(m_run);
    QCOMPARE(m_run.View().m_bDisplayFocus, 1);
    TypeText(m_run, QStringLiteral("2+3="));
    QCOMPARE(m_run.DisplayText(), QStringLiteral("5"));
    QCOMPARE(Engine(m_run).m_strEntry, std::string());
  }

  void focusFlagFollowsTheDisplay() {
    FocusDisplay(m_run);
    QCOMPARE(m_run.View().m_bDisplayFocus, 1);
    ClickKey(m_run, IDC_KEY_5);
    QCOMPARE(m_run.View().m_bDisplayFocus, 0);
  }

  void pasteThroughTheContextMenu() {
    QApplication::clipboard()->setText(QStringLiteral("42"));
    TypeText(m_run, QStringLiteral("7"));
    FocusDisplay(m_run);
    m_run.Display().selectAll();
    RightClick(m_run, m_run.Display(), m_run.Display().rect().center());
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QAction* paste = nullptr;
    for (QAction* action : menu->actions())
      if (action->text().startsWith(QLatin1String("&Paste"))) paste = action;
    QVERIFY(paste);
    QVERIFY(paste->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QCOMPARE(m_run.DisplayText(), QStringLiteral("42"));
    QCOMPARE(Engine(m_run).m_strEntry, std::string("42"));
    TypeText(m_run, QStringLiteral("+1="));
    QCOMPARE(m_run.DisplayText(), QStringLiteral("43"));
  }

  void rightClick_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("onKey");  // 0: the panel's background
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("entry");
    QTest::newRow("background while typing") << "123" << 0 << "12"
                                             << "12";
    QTest::newRow("background after =") << "2+3=" << 0 << "5"
                                        << "";
    QTest::newRow("background, nothing typed") << "" << 0 << ""
                                               << "";
    QTest::newRow("on a digit key") << "123" << int(IDC_KEY_5) << "123"
                                    << "123";
    QTest::newRow("on the backspace key") << "123" << int(IDC_KEY_BACKSPACE) << "123"
                                          << "123";
    QTest::newRow("on an icon key") << "123" << int(IDC_KEY_SIN) << "123"
                                    << "123";
  }

  void rightClick() {
    QFETCH(QString, before);
    QFETCH(int, onKey);
    QFETCH(QString, display);
    QFETCH(QString, entry);
    TypeText(m_run, before);
    if (onKey) {
      RightClick(m_run, m_run.Key(onKey), m_run.Key(onKey).rect().center());
    } else {
      const QPoint background(3, 3);
      QVERIFY(!m_run.View().childAt(background));
      RightClick(m_run, m_run.View(), background);
    }
    QCOMPARE(m_run.DisplayText(), display);
    QCOMPARE(QString::fromStdString(Engine(m_run).m_strEntry), entry);
  }

  void focusedKeyPressesWithSpaceAndEnter() {
    FocusKey(m_run, IDC_KEY_7);
    PressKey(m_run, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    PressKey(m_run, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCOMPARE(m_run.DisplayText(), QStringLiteral("77"));
  }

  void accelFaces_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("plainCaption");
    QTest::addColumn<QString>("accelCaption");
    QTest::addColumn<int>("plainIcon");
    QTest::addColumn<int>("accelIcon");
    QTest::newRow("7") << int(IDC_KEY_7) << "7"
                       << "&7" << 0 << 0;
    QTest::newRow("0") << int(IDC_KEY_0) << "0"
                       << "&0" << 0 << 0;
    QTest::newRow("sign") << int(IDC_KEY_SIGN) << "+/-"
                          << "+/-F9" << 0 << 0;
    QTest::newRow("percent") << int(IDC_KEY_PERCENT) << "%"
                             << "&percnt" << 0 << 0;
    QTest::newRow("reciprocal") << int(IDC_KEY_RECIPROCAL) << "1/x"
                                << "1/&x" << 0 << 0;
    QTest::newRow("square root") << int(IDC_KEY_SQRT) << "SqRt"
                                 << "S&qRt" << 136 << 137;
    QTest::newRow("MS keeps caption") << int(IDC_KEY_MS) << "MS"
                                      << "MS" << 132 << 134;
    QTest::newRow("square") << int(IDC_KEY_SQUARE) << ""
                            << "" << 138 << 173;
    QTest::newRow("backspace keeps its face") << int(IDC_KEY_BACKSPACE) << "<--"
                                              << "<--" << 0 << 0;
  }

  void accelFaces() {
    QFETCH(int, key);
    QFETCH(QString, plainCaption);
    QFETCH(QString, accelCaption);
    QFETCH(int, plainIcon);
    QFETCH(int, accelIcon);
    CMainFrame& frame = m_run.Frame();
    QVERIFY(!MenuItemChecked(frame, res::ID_SHOW_ACCEL_KEYS));
    ChooseMenuItem(frame, res::ID_SHOW_ACCEL_KEYS);
    QCOMPARE(m_run.Key(key).text(), accelCaption);
    QCOMPARE(m_run.Key(key).IconFace(), accelIcon);
    QVERIFY(MenuItemChecked(frame, res::ID_SHOW_ACCEL_KEYS));
    ChooseMenuItem(frame, res::ID_SHOW_ACCEL_KEYS);
    QCOMPARE(m_run.Key(key).text(), plainCaption);
    QCOMPARE(m_run.Key(key).IconFace(), plainIcon);
    QVERIFY(!MenuItemChecked(frame, res::ID_SHOW_ACCEL_KEYS));
  }

  void accelFacesLeaveInverseModeOn() {
    CMainFrame& frame = m_run.Frame();
    TypeText(m_run, QStringLiteral("v"));  // INV
    QCOMPARE(m_run.Key(IDC_KEY_INV).IconFace(), int(res::IDI_INV_ON));
    QCOMPARE(m_run.Key(IDC_KEY_SIN).IconFace(), int(res::IDI_ASIN));
    ChooseMenuItem(frame, res::ID_SHOW_ACCEL_KEYS);
    QCOMPARE(m_run.Key(IDC_KEY_INV).IconFace(), int(res::IDI_INV_ACCEL));
    QCOMPARE(m_run.Key(IDC_KEY_SIN).IconFace(), int(res::IDI_SIN_ACCEL));
    QCOMPARE(Engine(m_run).m_bInverse, 1);
    TypeText(m_run, QStringLiteral("0.5n"));  // still the inverse sine
    QCOMPARE(m_run.DisplayText(), QStringLiteral("30"));
    ChooseMenuItem(frame, res::ID_SHOW_ACCEL_KEYS);
    QCOMPARE(m_run.Key(IDC_KEY_INV).IconFace(), int(res::IDI_INV));
    QCOMPARE(m_run.Key(IDC_KEY_SIN).IconFace(), int(res::IDI_SIN));
    QCOMPARE(Engine(m_run).m_bInverse, 1);
  }

  void accelFacesLeaveRadians() {
    CMainFrame& frame = m_run.Frame();
    ClickKey(m_run, IDC_KEY_DEGRAD);
    QCOMPARE(m_run.Key(IDC_KEY_DEGRAD).IconFace(), int(res::IDI_RAD));
    ChooseMenuItem(frame, res::ID_SHOW_ACCEL_KEYS);
    QCOMPARE(m_run.Key(IDC_KEY_DEGRAD).IconFace(), int(res::IDI_DEG_ACCEL));
    ChooseMenuItem(frame, res::ID_SHOW_ACCEL_KEYS);
    QCOMPARE(m_run.Key(IDC_KEY_DEGRAD).IconFace(), int(res::IDI_DEG));
    QCOMPARE(Engine(m_run).m_nAngleMode, 0);
    // The next press sets the face by the unit again.
    ClickKey(m_run, IDC_KEY_DEGRAD);
    QCOMPARE(m_run.Key(IDC_KEY_DEGRAD).IconFace(), int(res::IDI_DEG));
    QCOMPARE(Engine(m_run).m_nAngleMode, 1);
  }

  void longTextsAreNotCut() {
    const QString digits(40000, QLatin1Char('7'));
    TypeText(m_run, digits.left(20));
    m_run.View().ShowText(digits.toStdString());
    QCOMPARE(m_run.DisplayText().size(), digits.size());
  }

  void screenshots() {
    SaveScreenshot(m_run.Frame(), QStringLiteral("main-window-plain"));
    ChooseMenuItem(m_run.Frame(), res::ID_SHOW_ACCEL_KEYS);
    SaveScreenshot(m_run.Frame(), QStringLiteral("main-window-accelerators"));
    ChooseMenuItem(m_run.Frame(), res::ID_SHOW_ACCEL_KEYS);
    TypeText(m_run, QStringLiteral("vd"));  // inverse faces and radians
    SaveScreenshot(m_run.Frame(), QStringLiteral("main-window-inverse-radians"));
  }

  // Run with QT_SCALE_FACTOR=2: an icon's pixels must stay its own colours, not blends.
  void crispIconsAtDoubleScale() {
    if (m_run.Frame().devicePixelRatioF() < 2.0) QSKIP("needs QT_SCALE_FACTOR=2");
    TypeText(m_run, QStringLiteral("v"));  // red faces
    const QImage image =
        m_run.Key(IDC_KEY_INV).grab().toImage().convertToFormat(QImage::Format_RGB32);
    SaveScreenshot(m_run.Key(IDC_KEY_INV), QStringLiteral("inv-key-200"));
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        const bool reddish = c.red() > 2 * c.green() + 40 && c.red() > 2 * c.blue() + 40;
        if (!reddish) continue;
        ++red;
        QVERIFY2(
            c == QColor(0xFF, 0, 0) || c == QColor(0x80, 0, 0),
            qPrintable(QStringLiteral("blended pixel %1 at %2,%3").arg(c.name()).arg(x).arg(y)));
      }
    }
    QVERIFY(red > 0);
  }

  // At any scale the panel is the form's size in dialog units. The window's size in pixels is
  // reported for the run at 200% to compare with.
  void windowFitsTheForm() {
    CCalculatorView& view = m_run.View();
    QCOMPARE(
        view.size(),
        DialogUnitsOf(view.font()).MapDialogSize(res::kCalculatorForm.cx, res::kCalculatorForm.cy));
    const QImage image = m_run.Frame().grab().toImage();
    QCOMPARE(image.size(), m_run.Frame().size() * m_run.Frame().devicePixelRatio());
    qInfo("window %dx%d pixels", image.width(), image.height());
  }

  // Run with QT_SCALE_FACTOR=2: the window covers twice the pixels each way that this program
  // run at 100% reports, with the same layout.
  void windowTwiceTheSizeAtDoubleScale() {
    if (m_run.Frame().devicePixelRatioF() < 2.0) QSKIP("needs QT_SCALE_FACTOR=2");
    QProcess normal;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_SCALE_FACTOR"));
    normal.setProcessEnvironment(env);
    normal.start(QCoreApplication::applicationFilePath(), {QStringLiteral("windowFitsTheForm")});
    QVERIFY(normal.waitForFinished(120000));
    const QString report = QString::fromLocal8Bit(normal.readAllStandardOutput());
    QVERIFY2(normal.exitStatus() == QProcess::NormalExit && normal.exitCode() == 0,
             qPrintable(report));
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("window (\\d+)x(\\d+) pixels")).match(report);
    QVERIFY2(size.hasMatch(), qPrintable(report));
    const QSize atNormalScale(size.captured(1).toInt(), size.captured(2).toInt());
    SaveScreenshot(m_run.Frame(), QStringLiteral("main-window-200"));
    QCOMPARE(m_run.Frame().grab().toImage().size(), atNormalScale * 2);
    QCOMPARE(m_run.Frame().size(), atNormalScale);
  }

  // Run with QT_SCALE_FACTOR=2: in every face mode each icon keeps its pixels as 2 x 2 blocks
  // and every caption, the display, the menu bar and the status bar are drawn at full
  // resolution. A screenshot of each state lands in the build tree.
  void crispWindowAtDoubleScale_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("accelFaces");
    QTest::newRow("plain") << QString() << false;
    QTest::newRow("inverse-radians") << QStringLiteral("vd") << false;
    QTest::newRow("accelerators") << QString() << true;
    QTest::newRow("accelerators-inverse") << QStringLiteral("v") << true;
  }
  void crispWindowAtDoubleScale() {
    QFETCH(QString, keys);
    QFETCH(bool, accelFaces);
    CMainFrame& frame = m_run.Frame();
    if (frame.devicePixelRatioF() < 2.0) QSKIP("needs QT_SCALE_FACTOR=2");
    ClearFocus(m_run);
    TypeText(m_run, keys + QStringLiteral("12.5"));
    if (accelFaces) ChooseMenuItem(frame, res::ID_SHOW_ACCEL_KEYS);
    SaveScreenshot(
        frame,
        QStringLiteral("main-window-200-%1").arg(QString::fromLatin1(QTest::currentDataTag())));
    for (const auto& op : kKeyOperations) {
      CButton& key = m_run.Key(op.id);
      if (key.IconFace()) {
        CheckIconBlocks(key);
        if (QTest::currentTestFailed()) return;
        continue;
      }
      // Every caption shows. Letters and digits have curves and slants that no enlarged 100%
      // picture has; a "+" drawn right at 200% is all whole blocks, so it only has to show.
      const QImage caption = key.grab().toImage();
      const QRect inside = key.rect().adjusted(3, 3, -3, -3);
      QVERIFY2(HasInk(caption, inside), qPrintable(key.text()));
      const QString text = key.text();
      if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); }))
        QVERIFY2(InkFinerThanBlocks(caption, inside), qPrintable(text));
    }
    CEdit& display = m_run.Display();
    QCOMPARE(display.text(), QStringLiteral("12.5"));
    QVERIFY(InkFinerThanBlocks(display.grab().toImage(), display.rect().adjusted(3, 3, -3, -3)));
    QVERIFY(InkFinerThanBlocks(frame.menuBar()->grab().toImage(), frame.menuBar()->rect()));
    QStatusBar* status = frame.findChild<QStatusBar*>();
    QVERIFY(status);
    QVERIFY(InkFinerThanBlocks(status->grab().toImage(), status->rect()));
  }
};

QTEST_MAIN(PanelTest)
#include "tst_panel.moc"
