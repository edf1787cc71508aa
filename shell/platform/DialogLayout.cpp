#include "DialogLayout.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

#include "Controls.h"
#include "Icons.h"

namespace {

const char* const kControlIdProperty = "controlId";

int MulDiv(int number, int numerator, int denominator) {
  const long long product = static_cast<long long>(number) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

QWidget* CreateControl(const res::DialogControl& c, QWidget& parent) {
  using res::ControlKind;
  switch (c.kind) {
    case ControlKind::Edit: {
      if (c.style & res::ES_MULTILINE) {
        auto* edit = new QPlainTextEdit(&parent);
        edit->setReadOnly(c.style & res::ES_READONLY);
        edit->setFrameShape((c.style & res::WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit->document()->setDocumentMargin(1);
        if (c.style & res::ES_READONLY) {
          // A read-only edit shows whatever it sits on (the dialog, a group box), as a static
          // text would.
          QPalette palette = edit->palette();
          palette.setColor(QPalette::Base, Qt::transparent);
          edit->setPalette(palette);
          edit->viewport()->setAutoFillBackground(false);
        }
        edit->setPlainText(QString::fromUtf8(c.text.data(), qsizetype(c.text.size())));
        return edit;
      }
      auto* edit = new CEdit(c.style & res::ES_NUMBER, &parent);
      edit->setFrame(c.style & res::WS_BORDER);
      edit->setAlignment(((c.style & res::ES_RIGHT) ? Qt::AlignRight : Qt::AlignLeft) |
                         Qt::AlignVCenter);
      edit->setReadOnly(c.style & res::ES_READONLY);
      edit->setText(QString::fromUtf8(c.text.data(), qsizetype(c.text.size())));
      return edit;
    }
    case ControlKind::PushButton: {
      auto* button = new CButton(&parent);
      button->SetWindowText(QString::fromUtf8(c.text.data(), qsizetype(c.text.size())));
      // Enter presses the focused button, as on any dialog.
      button->setAutoDefault(true);
      button->setDefault(c.style & res::BS_DEFPUSHBUTTON);
      return button;
    }
    case ControlKind::Static: {
      auto* label = new QLabel(QString::fromUtf8(c.text.data(), qsizetype(c.text.size())), &parent);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setTextFormat(Qt::PlainText);
      return label;
    }
    case ControlKind::Icon: {
      auto* label = new QLabel(&parent);
      label->setPixmap(LoadIcon(c.icon));
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case ControlKind::GroupBox: {
      auto* box =
          new QGroupBox(QString::fromUtf8(c.text.data(), qsizetype(c.text.size())), &parent);
      // A group box only frames its neighbours; clicks and the focus pass through it.
      box->setAttribute(Qt::WA_TransparentForMouseEvents);
      box->setFocusPolicy(Qt::NoFocus);
      return box;
    }
  }
  return nullptr;
}

}  // namespace

QFont DialogFont(std::string_view family, int pointSize) {
  const QString name = QString::fromUtf8(family.data(), qsizetype(family.size()));
  QFont font(name, pointSize);
  const QStringList installed = QFontDatabase::families();
  if (!installed.contains(name, Qt::CaseInsensitive)) {
    font = QFont();
    // Only the installed ones: each missing family costs a fontconfig fallback search when the
    // font is first used, which is before the window can show.
    const QStringList candidates = {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                    QStringLiteral("Liberation Sans"),
                                    QStringLiteral("DejaVu Sans")};
    QStringList families;
    for (const QString& candidate : candidates)
      if (installed.contains(candidate, Qt::CaseInsensitive)) families << candidate;
    font.setFamilies(families.isEmpty() ? candidates : families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
  }
  return font;
}

QRect CDialogUnits::MapDialogRect(int x, int y, int cx, int cy) const {
  const int left = MulDiv(x, m_nBaseX, 4);
  const int top = MulDiv(y, m_nBaseY, 8);
  const int right = MulDiv(x + cx, m_nBaseX, 4);
  const int bottom = MulDiv(y + cy, m_nBaseY, 8);
  return QRect(left, top, right - left, bottom - top);
}

CDialogUnits DialogUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  // Average width over the 52 letters, rounded, as dialog managers have long measured it.
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  CDialogUnits units;
  units.m_nBaseX = std::max(1, (letters / 26 + 1) / 2);
  units.m_nBaseY = std::max(1, metrics.height());
  return units;
}

std::vector<QWidget*> CreateDialogControls(const res::DialogTemplate& tpl, QWidget& parent) {
  parent.setFont(DialogFont(tpl.fontName, tpl.pointSize));
  const CDialogUnits units = DialogUnitsOf(parent.font());
  parent.setFixedSize(units.MapDialogSize(tpl.cx, tpl.cy));

  std::vector<QWidget*> controls;
  controls.reserve(tpl.controls.size());
  for (const res::DialogControl& c : tpl.controls) {
    QWidget* control = CreateControl(c, parent);
    if (c.kind == res::ControlKind::Icon)
      control->setGeometry(QRect(units.MapDialogRect(c.x, c.y, 0, 0).topLeft(), QSize(32, 32)));
    else
      control->setGeometry(units.MapDialogRect(c.x, c.y, c.cx, c.cy));
    control->setProperty(kControlIdProperty, c.id);
    if (!(c.style & res::WS_VISIBLE)) control->hide();
    controls.push_back(control);
  }
  // Group boxes come late in the templates but must sit under the controls they frame.
  for (QWidget* control : controls)
    if (qobject_cast<QGroupBox*>(control)) control->lower();
  return controls;
}

QWidget* GetDlgItem(const QWidget& parent, int id) {
  for (QObject* child : parent.children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (widget && widget->property(kControlIdProperty).toInt() == id &&
        widget->property(kControlIdProperty).isValid())
      return widget;
  }
  return nullptr;
}

int GetDlgCtrlID(const QWidget& control) {
  const QVariant id = control.property(kControlIdProperty);
  return id.isValid() ? id.toInt() : 0;
}
