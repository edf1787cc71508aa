// The Help Info and About dialogs as opened from the running program: the key browser's cycle,
// the texts, and that every text shows whole in the font this machine has.
#include <QAbstractTextDocumentLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "CalculatorView.h"
#include "Controls.h"
#include "DialogLayout.h"
#include "HelpInfoDlg.h"
#include "HelpTable.h"
#include "MainFrm.h"
#include "ShellTestSupport.h"

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Each static text must fit its box at its width, and each control must lie inside the dialog.
void CheckNothingClipped(QDialog& dialog) {
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
             qPrintable(QStringLiteral("\"%1\" needs %2 px, has %3")
                            .arg(label->text())
                            .arg(label->heightForWidth(label->width()))
                            .arg(label->height())));
    if (!label->wordWrap() || label->height() < 2 * label->fontMetrics().height())
      QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
               qPrintable(label->text()));
  }
  for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    QVERIFY2(dialog.rect().contains(child->geometry()),
             qPrintable(child->metaObject()->className()));
  for (QGroupBox* box : dialog.findChildren<QGroupBox*>())
    QVERIFY2(box->fontMetrics().horizontalAdvance(box->title()) < box->width(),
             qPrintable(box->title()));
}

int DescriptionLines(QPlainTextEdit& edit) {
  int lines = 0;
  for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next())
    lines += block.layout()->lineCount();
  return lines;
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private:
  CRunningApp m_run;

  // Opens Help Info with F1 and hands the open dialog to `act`.
  void WithHelpInfo(const std::function<void(CHelpInfoDlg&)>& act) {
    bool ran = false;
    m_run.ui.m_onModal = [&](QDialog& dialog) {
      ran = true;
      act(static_cast<CHelpInfoDlg&>(dialog));
    };
    PressKey(m_run, Qt::Key_F1);
    m_run.ui.m_onModal = nullptr;
    QVERIFY(ran);
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

  void helpInfoOpensEmpty() {
    WithHelpInfo([](CHelpInfoDlg& dialog) {
      QCOMPARE(dialog.windowTitle(), QStringLiteral("Help Info"));
      QCOMPARE(dialog.m_nKeyIndex, -1);
      QCOMPARE(dialog.m_editDescription->toPlainText(), QString());
      QCOMPARE(dialog.m_btnNextKey->IconFace(), int(res::IDI_HELP_EQUALS));
      QVERIFY(dialog.m_editDescription->isReadOnly());
    });
  }

  void helpInfoCycles_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("icon");
    QTest::newRow("first press: Equals, same face") << 1 << 0 << int(res::IDI_HELP_EQUALS);
    QTest::newRow("second press: MS") << 2 << 1 << int(res::IDI_MS);
    QTest::newRow("13th: radians") << 13 << 12 << int(res::IDI_RAD);
    QTest::newRow("30th: last row") << 30 << 29 << int(res::IDI_SQUARE_INV);
    QTest::newRow("31st wraps to row 0") << 31 << 0 << int(res::IDI_HELP_EQUALS);
    QTest::newRow("32nd: MS again") << 32 << 1 << int(res::IDI_MS);
  }

  void helpInfoCycles() {
    QFETCH(int, presses);
    QFETCH(int, row);
    QFETCH(int, icon);
    WithHelpInfo([&](CHelpInfoDlg& dialog) {
      for (int i = 0; i < presses; ++i) QTest::mouseClick(dialog.m_btnNextKey, Qt::LeftButton);
      QCOMPARE(dialog.m_nKeyIndex, row);
      QCOMPARE(dialog.m_btnNextKey->IconFace(), icon);
      const QString text = Text(res::kHelpRows[std::size_t(row)].text);
      QCOMPARE(dialog.m_strDescription, text);
      QCOMPARE(dialog.m_editDescription->toPlainText(), text);
    });
  }

  void helpInfoButtonTakesSpace() {
    WithHelpInfo([](CHelpInfoDlg& dialog) {
      dialog.m_btnNextKey->setFocus();
      QTest::keyClick(dialog.m_btnNextKey, Qt::Key_Space);
      QTest::keyClick(dialog.m_btnNextKey, Qt::Key_Space);
      QCOMPARE(dialog.m_nKeyIndex, 1);
    });
  }

  void helpInfoStartsAfreshEachTime() {
    WithHelpInfo([](CHelpInfoDlg& dialog) {
      for (int i = 0; i < 5; ++i) QTest::mouseClick(dialog.m_btnNextKey, Qt::LeftButton);
    });
    WithHelpInfo([](CHelpInfoDlg& dialog) {
      QCOMPARE(dialog.m_nKeyIndex, -1);
      QCOMPARE(dialog.m_editDescription->toPlainText(), QString());
      QTest::mouseClick(dialog.m_btnNextKey, Qt::LeftButton);
      QCOMPARE(dialog.m_nKeyIndex, 0);
    });
  }

  void helpInfoClosesWithCancelAndEscape_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Escape") << true;
  }

  void helpInfoClosesWithCancelAndEscape() {
    QFETCH(bool, escape);
    WithHelpInfo([&](CHelpInfoDlg& dialog) {
      if (escape)
        QTest::keyClick(&dialog, Qt::Key_Escape);
      else
        QTest::mouseClick(static_cast<QPushButton*>(dialog.GetDlgItem(res::IDCANCEL)),
                          Qt::LeftButton);
      QVERIFY(!dialog.isVisible());
      QCOMPARE(dialog.result(), int(QDialog::Rejected));
    });
  }

  void descriptionCannotBeEdited() {
    WithHelpInfo([](CHelpInfoDlg& dialog) {
      QTest::mouseClick(dialog.m_btnNextKey, Qt::LeftButton);
      dialog.m_editDescription->setFocus();
      QTest::keyClicks(dialog.m_editDescription->viewport(), QStringLiteral("xyz"));
      QTest::keyClick(dialog.m_editDescription->viewport(), Qt::Key_Backspace);
      QCOMPARE(dialog.m_editDescription->toPlainText(), Text(res::kHelpRows[0].text));
    });
  }

  // Every row's text wraps inside the box and shows whole.
  void descriptionsFit() {
    WithHelpInfo([](CHelpInfoDlg& dialog) {
      QPlainTextEdit& edit = *dialog.m_editDescription;
      int mostLines = 0;
      for (std::size_t row = 0; row < res::kHelpRows.size(); ++row) {
        QTest::mouseClick(dialog.m_btnNextKey, Qt::LeftButton);
        const int lines = DescriptionLines(edit);
        mostLines = std::max(mostLines, lines);
        const int needed = lines * edit.fontMetrics().lineSpacing();
        QVERIFY2(needed <= edit.viewport()->height(),
                 qPrintable(QStringLiteral("row %1: %2 lines need %3 px, %4 shown")
                                .arg(row)
                                .arg(lines)
                                .arg(needed)
                                .arg(edit.viewport()->height())));
        if (row == 28) SaveScreenshot(dialog, QStringLiteral("help-info-row-28"));
      }
      QVERIFY(mostLines > 1);  // the long rows do wrap
    });
  }

  void helpInfoLayout() {
    WithHelpInfo([](CHelpInfoDlg& dialog) {
      CheckNothingClipped(dialog);
      QTest::mouseClick(dialog.m_btnNextKey, Qt::LeftButton);
      SaveScreenshot(dialog, QStringLiteral("help-info"));
    });
  }

  void aboutBox() {
    bool ran = false;
    m_run.ui.m_onModal = [&](QDialog& dialog) {
      ran = true;
      QCOMPARE(dialog.windowTitle(), QStringLiteral("About Zelko Calc"));
      QStringList texts;
      bool icon = false;
      for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) texts << label->text();
        if (!label->pixmap().isNull()) icon = true;
      }
      QVERIFY(texts.contains(QStringLiteral("Zelko Scientific Version 1.01")));
      QCOMPARE(texts.size(), 3);
      QVERIFY(icon);
      CheckNothingClipped(dialog);
      SaveScreenshot(dialog, QStringLiteral("about"));
      auto* ok = static_cast<QPushButton*>(static_cast<CDialog&>(dialog).GetDlgItem(res::IDOK));
      QVERIFY(ok->isDefault());
      QTest::mouseClick(ok, Qt::LeftButton);
      QVERIFY(!dialog.isVisible());
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
    };
    ChooseMenuItem(m_run.Frame(), res::ID_APP_ABOUT);
    QVERIFY(ran);
  }

  void aboutClosesWithEnter() {
    bool ran = false;
    m_run.ui.m_onModal = [&](QDialog& dialog) {
      ran = true;
      QTest::keyClick(&dialog, Qt::Key_Return);
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
    };
    ChooseMenuItem(m_run.Frame(), res::ID_APP_ABOUT);
    QVERIFY(ran);
  }

  void dialogsTouchNoCalculatorState() {
    TypeText(m_run, QStringLiteral("2+3"));
    WithHelpInfo(
        [](CHelpInfoDlg& dialog) { QTest::mouseClick(dialog.m_btnNextKey, Qt::LeftButton); });
    ChooseMenuItem(m_run.Frame(), res::ID_APP_ABOUT);
    TypeText(m_run, QStringLiteral("="));
    QCOMPARE(m_run.DisplayText(), QStringLiteral("5"));
  }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
