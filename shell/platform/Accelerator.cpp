#include "Accelerator.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QWidget>
#include <array>
#include <string>

namespace {

// X11 and Wayland report XKB keycodes (evdev code + 8) as the native scan code.
bool ReportsXkbKeycodes() {
  static const bool xkb = [] {
    const QString name = QGuiApplication::platformName();
    return name == QLatin1String("xcb") || name.startsWith(QLatin1String("wayland"));
  }();
  return xkb;
}

// Number row 1..9, 0 by XKB keycode 10..19.
int NumberRowKey(quint32 keycode) {
  if (keycode >= 10 && keycode <= 18) return '1' + static_cast<int>(keycode - 10);
  if (keycode == 19) return '0';
  return 0;
}

// Letter keys by their US position, for layouts whose letters are not Latin.
int LetterByPosition(quint32 keycode) {
  struct Row {
    quint32 first;
    const char* letters;
  };
  static constexpr std::array<Row, 3> kRows = {
      {{24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}}};
  for (const auto& row : kRows) {
    const auto len = static_cast<quint32>(std::char_traits<char>::length(row.letters));
    if (keycode >= row.first && keycode < row.first + len) return row.letters[keycode - row.first];
  }
  return 0;
}

}  // namespace

int VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
  const bool positional = ReportsXkbKeycodes() && event.nativeScanCode() != 0;

  if (positional && !keypad) {
    if (const int digit = NumberRowKey(event.nativeScanCode())) return digit;
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
  if (positional) {
    if (const int letter = LetterByPosition(event.nativeScanCode())) return letter;
  }
  // Without positions (tests, other platforms) the reported key is the best we have.
  if (!positional && !keypad && key >= Qt::Key_0 && key <= Qt::Key_9)
    return '0' + (key - Qt::Key_0);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return res::VK_F1 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace:
      return res::VK_BACK;
    case Qt::Key_Insert:
      return res::VK_INSERT;
    case Qt::Key_Delete:
      return res::VK_DELETE;
    default:
      return 0;
  }
}

std::optional<int> TranslateAccelerator(std::span<const res::AccelEntry> table,
                                        const QKeyEvent& event) {
  const Qt::KeyboardModifiers mods = event.modifiers();
  const bool shift = mods.testFlag(Qt::ShiftModifier);
  const bool ctrl = mods.testFlag(Qt::ControlModifier);
  const bool alt = mods.testFlag(Qt::AltModifier);

  if (const int vk = VirtualKeyOf(event)) {
    for (const auto& entry : table) {
      if (!(entry.flags & res::FVIRTKEY) || entry.key != vk) continue;
      if (shift == bool(entry.flags & res::FSHIFT) && ctrl == bool(entry.flags & res::FCONTROL) &&
          alt == bool(entry.flags & res::FALT))
        return entry.command;
    }
  }
  const QString text = event.text();
  if (text.size() == 1 && !ctrl && !alt) {
    const int ch = text.at(0).unicode();
    for (const auto& entry : table)
      if (!(entry.flags & res::FVIRTKEY) && entry.key == ch) return entry.command;
  }
  return std::nullopt;
}

CAcceleratorFilter::CAcceleratorFilter(QWidget& window, std::span<const res::AccelEntry> table,
                                       int helpCommand, std::function<void(int)> dispatch)
    : QObject(&window),
      m_window(window),
      m_table(table),
      m_nHelpCommand(helpCommand),
      m_dispatch(std::move(dispatch)) {
  qApp->installEventFilter(this);
}

bool CAcceleratorFilter::ActsOn(QObject* receiver) const {
  auto* widget = qobject_cast<QWidget*>(receiver);
  if (!widget || widget->window() != &m_window) return false;
  if (QApplication::activePopupWidget()) return false;  // a menu is open
  if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != &m_window) return false;
  // The menu bar has the keyboard while the user walks it with Alt and the arrow keys.
  return !qobject_cast<QMenuBar*>(widget);
}

std::optional<int> CAcceleratorFilter::CommandOf(const QKeyEvent& event) const {
  if (auto command = TranslateAccelerator(m_table, event)) return command;
  const auto mods = event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (event.key() == Qt::Key_F1 && mods == Qt::NoModifier) return m_nHelpCommand;
  return std::nullopt;
}

bool CAcceleratorFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::KeyRelease)
    return false;
  if (!ActsOn(watched)) return false;

  auto* key = static_cast<QKeyEvent*>(event);
  if (type == QEvent::KeyRelease) {
    if (m_onKeyActivity) m_onKeyActivity();
    return false;
  }
  const std::optional<int> command = CommandOf(*key);
  if (type == QEvent::ShortcutOverride) {
    // Claim the keystroke so that no Qt shortcut takes it; the key press follows and is ours.
    if (command) key->accept();
    return command.has_value();
  }
  if (m_onKeyActivity) m_onKeyActivity();
  if (!command) return false;
  key->accept();
  m_dispatch(*command);
  return true;
}
