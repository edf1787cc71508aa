// Drives the real calculator window for the benchmarks: starts the program objects as main()
// does, sends keystrokes the way the window system delivers them, and waits until the display
// has painted what a keystroke wrote.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <memory>

#include "CalculatorApp.h"
#include "CalculatorView.h"
#include "Controls.h"
#include "DialogLayout.h"
#include "MainFrm.h"
#include "resource.h"

namespace bench {

using Clock = std::chrono::steady_clock;

struct Keystroke {
  Qt::Key key;
  Qt::KeyboardModifiers mods;
  QString text;
};

// Digits, the four operators, point and equals: the characters of the accelerator table.
inline Keystroke Char(char c) {
  const Qt::Key key = c >= '0' && c <= '9' ? Qt::Key(Qt::Key_0 + (c - '0'))
                      : c == '+'           ? Qt::Key_Plus
                      : c == '-'           ? Qt::Key_Minus
                      : c == '*'           ? Qt::Key_Asterisk
                      : c == '/'           ? Qt::Key_Slash
                      : c == '.'           ? Qt::Key_Period
                                           : Qt::Key_Equal;
  return {key, Qt::NoModifier, QString(QLatin1Char(c))};
}

// A letter key with no modifier, by its upper-case name.
inline Keystroke Letter(char upper) {
  return {Qt::Key(Qt::Key_A + (upper - 'A')), Qt::NoModifier,
          QString(QLatin1Char(char(upper - 'A' + 'a')))};
}

// Notes a change of the display's text and the paint that follows it.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(QLineEdit& display) {
    display.installEventFilter(this);
    connect(&display, &QLineEdit::textChanged, this, [this] { m_bChanged = true; });
  }
  void Reset() { m_bChanged = m_bPainted = false; }
  bool m_bChanged = false;
  bool m_bPainted = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && m_bChanged) m_bPainted = true;
    return false;
  }
};

class WindowDriver {
 public:
  // False when the window never showed.
  bool Start() {
    // Settings (the recent-file list) go to a folder of our own, not the user's.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
    m_app = std::make_unique<CCalculatorApp>();
    if (!m_app->InitInstance(CCommandLineInfo{})) return false;
    CMainFrame& frame = Frame();
    const Clock::time_point limit = Clock::now() + std::chrono::seconds(10);
    while (Clock::now() < limit &&
           !(frame.windowHandle() && frame.windowHandle()->isExposed() && frame.isActiveWindow())) {
      frame.activateWindow();
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    if (!frame.windowHandle() || !frame.windowHandle()->isExposed()) return false;
    m_watch = std::make_unique<PaintWatch>(Display());
    ProcessPending();
    return true;
  }

  CMainFrame& Frame() const { return *m_app->m_pMainWnd; }
  CCalculatorView& View() const { return *Frame().GetActiveView(); }
  CEdit& Display() const { return *static_cast<CEdit*>(GetDlgItem(View(), res::IDC_DISPLAY)); }

  // As the window system delivers a keystroke: the shortcut override first (the accelerator
  // table claims its keystrokes there), then the key itself, to the focused widget or else the
  // window.
  void Send(QEvent::Type type, const Keystroke& k) {
    QWidget* focus = QApplication::focusWidget();
    QWidget* target = focus ? focus : &Frame();
    if (type == QEvent::KeyPress) {
      QKeyEvent override(QEvent::ShortcutOverride, k.key, k.mods, k.text);
      QApplication::sendEvent(target, &override);
    }
    QKeyEvent event(type, k.key, k.mods, k.text);
    QApplication::sendEvent(target, &event);
  }

  // Until the display has painted a change that began since the last Reset, or for a
  // keystroke that changed nothing, until the events it caused are handled. False when a
  // change was not painted within the limit.
  bool WaitUntilShown(std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    if (!m_watch->m_bChanged) {
      QCoreApplication::processEvents();
      return true;
    }
    const Clock::time_point end = Clock::now() + limit;
    while (!m_watch->m_bPainted && Clock::now() < end) QCoreApplication::processEvents();
    return m_watch->m_bPainted;
  }

  // Milliseconds from the key press to the display showing what it wrote; the release follows
  // outside the clock. Negative when the change was never painted.
  double TimeKeystroke(const Keystroke& k) {
    m_watch->Reset();
    const Clock::time_point start = Clock::now();
    Send(QEvent::KeyPress, k);
    const bool shown = WaitUntilShown();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    Send(QEvent::KeyRelease, k);
    ProcessPending();
    return shown ? ms : -1;
  }

  PaintWatch& Watch() { return *m_watch; }

  static void ProcessPending() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }

 private:
  QTemporaryDir m_settingsDir;
  std::unique_ptr<CCalculatorApp> m_app;
  std::unique_ptr<PaintWatch> m_watch;
};

}  // namespace bench
