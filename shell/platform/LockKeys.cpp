#include "LockKeys.h"

#include <QGuiApplication>

#ifdef ZELKO_HAVE_XKB
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#endif

#ifdef ZELKO_HAVE_XKB
namespace {

// One connection of our own for the whole run, opened on first use.
Display* LockDisplay() {
  struct Holder {
    Display* display = XOpenDisplay(nullptr);
    ~Holder() {
      if (display) XCloseDisplay(display);
    }
  };
  static Holder holder;
  return holder.display;
}

std::optional<bool> Indicator(Display* display, unsigned state, const char* name) {
  const Atom atom = XInternAtom(display, name, True);
  if (atom == None) return std::nullopt;
  int index = -1;
  Bool on = False;
  if (!XkbGetNamedIndicator(display, atom, &index, &on, nullptr, nullptr) || index < 0)
    return std::nullopt;
  return (state >> index) & 1u;
}

}  // namespace
#endif

CLockKeyState QueryLockKeys() {
  CLockKeyState result;
#ifdef ZELKO_HAVE_XKB
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return result;
  Display* display = LockDisplay();
  if (!display) return result;
  unsigned state = 0;
  if (XkbGetIndicatorState(display, XkbUseCoreKbd, &state) != Success) return result;
  result.m_bCaps = Indicator(display, state, "Caps Lock");
  result.m_bNum = Indicator(display, state, "Num Lock");
  result.m_bScroll = Indicator(display, state, "Scroll Lock");
#endif
  return result;
}

bool CanOpenXDisplay() {
#ifdef ZELKO_HAVE_XKB
  Display* display = XOpenDisplay(nullptr);
  if (!display) return false;
  XCloseDisplay(display);
#endif
  return true;
}
