// The accelerator table at work: a keystroke meant for the main window is looked up in the table
// before the focused control sees it, and a match becomes a command and is consumed, even when
// the command does nothing. Character entries match the typed character (typed without Ctrl or
// Alt); virtual-key entries match the physical key with exactly their Shift, Ctrl and Alt state.
// Caps Lock plays no part. Keystrokes inside menus and open dialogs are left alone.
#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <span>

#include "AccelTable.h"

class QKeyEvent;
class QWidget;

// The virtual-key number of the key pressed (res::VirtualKey or a letter or digit code), 0 when
// the key has none in our table's terms. The number row and the letters are read by position
// where the platform reports keyboard positions, so Shift+9 is the 9 key on any layout.
int VirtualKeyOf(const QKeyEvent& event);

// The command of the first entry that matches the keystroke. Virtual-key entries win over
// character entries, as the key is seen before the character it types.
std::optional<int> TranslateAccelerator(std::span<const res::AccelEntry> table,
                                        const QKeyEvent& event);

class CAcceleratorFilter : public QObject {
 public:
  // `window` is the main window; commands go to `dispatch`. `helpCommand` is sent for F1 with
  // no modifier, as the help key of the window.
  CAcceleratorFilter(QWidget& window, std::span<const res::AccelEntry> table, int helpCommand,
                     std::function<void(int)> dispatch);

  // Called for every key press and release that reaches the window, matched or not.
  std::function<void()> m_onKeyActivity;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool ActsOn(QObject* receiver) const;
  std::optional<int> CommandOf(const QKeyEvent& event) const;

  QWidget& m_window;
  std::span<const res::AccelEntry> m_table;
  int m_nHelpCommand;
  std::function<void(int)> m_dispatch;
};
