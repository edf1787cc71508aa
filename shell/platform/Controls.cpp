#include "Controls.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <limits>

#include "Icons.h"

namespace {

// The widest font, among the widget's own, its semi-condensed form and smaller sizes, in which
// the caption fits the key: "percnt" and "+/-F9" are long for a 22-unit key.
QFont FittedFont(const QFont& base, const QString& caption, int width) {
  const auto fits = [&](const QFont& f) {
    return QFontMetrics(f).horizontalAdvance(caption) <= width;
  };
  if (fits(base)) return base;
  QFont font = base;
  font.setStretch(QFont::SemiCondensed);
  if (fits(font)) return font;
  font.setStretch(QFont::Condensed);
  for (int px = QFontInfo(base).pixelSize(); px > 6; --px) {
    font.setPixelSize(px);
    if (fits(font)) return font;
  }
  return font;
}

}  // namespace

CButton::CButton(QWidget* parent) : QPushButton(parent) {}

void CButton::SetWindowText(const QString& caption) {
  setText(caption);
  setShortcut(QKeySequence());
  update();
}

void CButton::SetIconFace(int iconId) {
  m_nIconId = iconId;
  update();
}

QSize CButton::sizeHint() const {
  // Templates give every size; this only matters to layouts that ask.
  return m_nIconId ? QSize(32, 20) : QPushButton::sizeHint();
}

void CButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  option.icon = QIcon();
  painter.drawControl(QStyle::CE_PushButtonBevel, option);

  const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
  QRect inner = rect().adjusted(frame, frame, -frame, -frame);
  QRect face = rect();
  if (isDown() || isChecked()) {
    const QPoint shift(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    face.translate(shift);
  }
  painter.setClipRect(inner);
  if (m_nIconId) {
    DrawIconCentred(painter, face, m_nIconId);
    return;
  }
  QString plain = text();
  plain.remove(QLatin1Char('&'));
  painter.setFont(FittedFont(font(), plain, inner.width() - 2));
  const QPalette::ColorRole role = QPalette::ButtonText;
  style()->drawItemText(&painter, face, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                        isEnabled(), text(), role);
}

void CButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    QPushButton::mousePressEvent(event);
    return;
  }
  event->accept();
}

void CButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    QPushButton::mouseReleaseEvent(event);
    return;
  }
  event->accept();
}

CEdit::CEdit(bool digitsOnly, QWidget* parent) : QLineEdit(parent), m_bDigitsOnly(digitsOnly) {
  // The entry has no length limit; QLineEdit would otherwise cut long texts at 32767.
  setMaxLength(std::numeric_limits<int>::max());
}

void CEdit::keyPressEvent(QKeyEvent* event) {
  if (m_bDigitsOnly) {
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() && !text.at(0).isDigit()) {
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void CEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (!m_bFocused) {
    m_bFocused = true;
    emit focusGained();
  }
}

void CEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // The control's own context menu takes the focus while it is open; to the user the edit
  // keeps it, so a paste from that menu still counts as typing.
  if (event->reason() == Qt::PopupFocusReason) return;
  if (m_bFocused) {
    m_bFocused = false;
    emit focusLost();
  }
}
