// The two control classes the templates need beyond plain Qt widgets: a push button that shows
// either an icon face or a caption with one underlined letter, and a one-line edit control that
// reports its focus and, with ES_NUMBER, refuses typed characters that are not digits.
#pragma once

#include <QLineEdit>
#include <QPushButton>

class CButton : public QPushButton {
 public:
  explicit CButton(QWidget* parent = nullptr);

  // "&" underlines the next letter. Unlike QPushButton::setText this binds no Alt shortcut:
  // keystrokes belong to the accelerator table.
  void SetWindowText(const QString& caption);
  QString GetWindowText() const { return text(); }

  // An icon face replaces the caption on screen; the caption stays set. 0 shows the caption.
  void SetIconFace(int iconId);
  int IconFace() const { return m_nIconId; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  // A key takes only the left button; the right one does nothing and goes no further.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int m_nIconId = 0;
};

class CEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit CEdit(bool digitsOnly, QWidget* parent = nullptr);

 signals:
  void focusGained();
  void focusLost();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool m_bDigitsOnly;
  bool m_bFocused = false;
};
