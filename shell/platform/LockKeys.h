// The state of the Caps Lock, Num Lock and Scroll Lock indicators, where the platform tells it:
// on X11 from the keyboard's indicator state. Elsewhere each state is unknown.
#pragma once

#include <optional>

struct CLockKeyState {
  std::optional<bool> m_bCaps;
  std::optional<bool> m_bNum;
  std::optional<bool> m_bScroll;
};

CLockKeyState QueryLockKeys();

// Whether the X server named by DISPLAY accepts a connection; true where X11 is not in use or
// cannot be checked.
bool CanOpenXDisplay();
