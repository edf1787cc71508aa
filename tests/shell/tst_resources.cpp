// The resource tables as the rest of the program reads them: keystroke names and key
// descriptions (also used by the command-line tool), the accelerator table's make-up, prompts
// for every menu item, and the dialog-unit conversion.
#include <QFontInfo>
#include <QTest>

#include "AccelTable.h"
#include "DialogLayout.h"
#include "KeyFaces.h"
#include "MenuTable.h"
#include "StringTable.h"

class ResourcesTest : public QObject {
  Q_OBJECT

 private slots:
  void keystrokeText_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("text");
    QTest::newRow("7") << int(IDC_KEY_7) << "7";
    QTest::newRow("0") << int(IDC_KEY_0) << "0";
    QTest::newRow("+") << int(IDC_KEY_ADD) << "+";
    QTest::newRow("=") << int(IDC_KEY_EQUALS) << "=";
    QTest::newRow("sign") << int(IDC_KEY_SIGN) << "F9";
    QTest::newRow("Clear") << int(IDC_KEY_CLEAR) << "C";
    QTest::newRow("INV") << int(IDC_KEY_INV) << "V";
    QTest::newRow("(") << int(IDC_KEY_LPAREN) << "Shift+9";
    QTest::newRow(")") << int(IDC_KEY_RPAREN) << "Shift+0";
    QTest::newRow("backspace") << int(IDC_KEY_BACKSPACE) << "Backspace";
    QTest::newRow("square has none") << int(IDC_KEY_SQUARE) << "";
    QTest::newRow("copy") << res::ID_EDIT_COPY << "Ctrl+C";
    QTest::newRow("undo") << res::ID_EDIT_UNDO << "Ctrl+Z";
    QTest::newRow("previous pane") << res::ID_PREV_PANE << "Shift+F6";
    QTest::newRow("no such command") << 4711 << "";
  }

  void keystrokeText() {
    QFETCH(int, command);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(res::KeystrokeText(command)), text);
  }

  void keyDescription_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("start");
    QTest::newRow("=") << int(IDC_KEY_EQUALS) << "Equals, shows";
    QTest::newRow("MR") << int(IDC_KEY_MR) << "Memory Recall";
    QTest::newRow("deg") << int(IDC_KEY_DEGRAD) << "degrees, angular unit";
    QTest::newRow("INV") << int(IDC_KEY_INV) << "INV, changes";
    QTest::newRow("tan") << int(IDC_KEY_TAN) << "tan, takes";
    QTest::newRow(")") << int(IDC_KEY_RPAREN) << "right (close) parenthesis";
    QTest::newRow("digit has none") << int(IDC_KEY_5) << "";
    QTest::newRow("operator has none") << int(IDC_KEY_DIVIDE) << "";
    QTest::newRow("backspace has none") << int(IDC_KEY_BACKSPACE) << "";
  }

  void keyDescription() {
    QFETCH(int, command);
    QFETCH(QString, start);
    const std::string_view text = res::KeyDescription(command);
    const QString described = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (start.isEmpty())
      QCOMPARE(described, QString());
    else
      QVERIFY2(described.startsWith(start), qPrintable(described));
  }

  // 16 characters; 19 keys alone; 5 with Shift; 9 with Ctrl; 1 with Alt.
  void acceleratorMakeUp() {
    int chars = 0, plain = 0, shift = 0, ctrl = 0, alt = 0;
    for (const auto& e : res::kAccelTable) {
      if (!(e.flags & res::FVIRTKEY))
        ++chars;
      else if (e.flags & res::FSHIFT)
        ++shift;
      else if (e.flags & res::FCONTROL)
        ++ctrl;
      else if (e.flags & res::FALT)
        ++alt;
      else
        ++plain;
    }
    QCOMPARE(chars, 16);
    QCOMPARE(plain, 19);
    QCOMPARE(shift, 5);
    QCOMPARE(ctrl, 9);
    QCOMPARE(alt, 1);
  }

  void everyKeyButSquareHasOneKeystroke() {
    for (const auto& key : kKeyOperations) {
      int n = 0;
      for (const auto& e : res::kAccelTable) n += e.command == key.id;
      QVERIFY2(n == (key.id == IDC_KEY_SQUARE ? 0 : 1), key.name.data());
    }
  }

  void everyMenuItemHasAPrompt() {
    for (const auto& item : res::kMainMenu)
      if (item.command) QVERIFY2(!res::LoadString(item.command).empty(), item.text.data());
    QCOMPARE(QString::fromLatin1(res::LoadString(res::AFX_IDS_IDLEMESSAGE).data()),
             QStringLiteral("Ready"));
  }

  void dialogUnits_data() {
    QTest::addColumn<int>("baseX");
    QTest::addColumn<int>("baseY");
    QTest::addColumn<QRect>("units");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("6x13 key") << 6 << 13 << QRect(6, 118, 22, 16) << QRect(9, 192, 33, 26);
    QTest::newRow("6x13 small key") << 6 << 13 << QRect(5, 45, 22, 12) << QRect(8, 73, 33, 20);
    QTest::newRow("6x13 neighbour starts where it ends")
        << 6 << 13 << QRect(27, 45, 22, 12) << QRect(41, 73, 33, 20);
    QTest::newRow("7x15 form") << 7 << 15 << QRect(0, 0, 162, 158) << QRect(0, 0, 284, 296);
  }

  void dialogUnits() {
    QFETCH(int, baseX);
    QFETCH(int, baseY);
    QFETCH(QRect, units);
    QFETCH(QRect, pixels);
    const CDialogUnits du{baseX, baseY};
    QCOMPARE(du.MapDialogRect(units.x(), units.y(), units.width(), units.height()), pixels);
  }

  void dialogFontFallsBackToASansSerif() {
    const QFont font = DialogFont("No Such Font Family", 8);
    QCOMPARE(font.pointSize(), 8);
    QVERIFY(QFontInfo(font).exactMatch() || !QFontInfo(font).family().isEmpty());
    const CDialogUnits du = DialogUnitsOf(font);
    QVERIFY(du.m_nBaseX >= 4 && du.m_nBaseX <= 9);
    QVERIFY(du.m_nBaseY >= 10 && du.m_nBaseY <= 18);
  }
};

QTEST_MAIN(ResourcesTest)
#include "tst_resources.moc"
