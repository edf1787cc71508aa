#include "LockKeys.h"

#include <QGuiApplication>

#ifdef ZELKO_HAVE_XKB
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#endif

#ifdef ZELKO_HAVE_XKB
namespace {

// The indicator's bit in the state word, -1 when the keyboard has no such indicator.
int IndicatorIndex(Display* display, const char* name) {
  const Atom atom = XInternAtom(display, name, True);
  if (atom == None) return -1;
  int index = -1;
  Bool on = False;
  if (!XkbGetNamedIndicator(display, atom, &index, &on, nullptr, nullptr)) return -1;
  return index;
}

std::optional<bool> Indicator(unsigned state, int index) {
  if (index < 0 || index >= 32) return std::nullopt;
  return (state >> index) & 1u;
}

// One connection of our own for the whole run, opened on first use. The state is asked for
// once; from then on the server reports each change as an event, so the query that runs on
// every key press and release reads what has arrived instead of waiting for a round trip.
class CLockConnection {
 public:
  CLockConnection() : m_pDisplay(XOpenDisplay(nullptr)) {
    if (!m_pDisplay) return;
    int opcode = 0;
    int error = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    if (!XkbQueryExtension(m_pDisplay, &opcode, &m_nXkbEvent, &error, &major, &minor) ||
        !XkbSelectEventDetails(m_pDisplay, XkbUseCoreKbd, XkbIndicatorStateNotify,
                               XkbAllIndicatorsMask, XkbAllIndicatorsMask) ||
        XkbGetIndicatorState(m_pDisplay, XkbUseCoreKbd, &m_nState) != Success) {
      XCloseDisplay(m_pDisplay);
      m_pDisplay = nullptr;
      return;
    }
    m_nCaps = IndicatorIndex(m_pDisplay, "Caps Lock");
    m_nNum = IndicatorIndex(m_pDisplay, "Num Lock");
    m_nScroll = IndicatorIndex(m_pDisplay, "Scroll Lock");
  }
  ~CLockConnection() {
    if (m_pDisplay) XCloseDisplay(m_pDisplay);
  }
  CLockConnection(const CLockConnection&) = delete;
  CLockConnection& operator=(const CLockConnection&) = delete;

  bool IsOpen() const { return m_pDisplay != nullptr; }

  CLockKeyState State() {
    // Takes in what the server has sent, without blocking.
    while (XEventsQueued(m_pDisplay, QueuedAfterReading) > 0) {
      XEvent event;
      XNextEvent(m_pDisplay, &event);
      const auto* xkb = reinterpret_cast<const XkbEvent*>(&event);
      if (event.type == m_nXkbEvent && xkb->any.xkb_type == XkbIndicatorStateNotify)
        m_nState = xkb->indicators.state;
    }
    CLockKeyState result;
    result.m_bCaps = Indicator(m_nState, m_nCaps);
    result.m_bNum = Indicator(m_nState, m_nNum);
    result.m_bScroll = Indicator(m_nState, m_nScroll);
    return result;
  }

 private:
  Display* m_pDisplay;
  int m_nXkbEvent = 0;
  unsigned m_nState = 0;
  int m_nCaps = -1;
  int m_nNum = -1;
  int m_nScroll = -1;
};

}  // namespace
#endif

CLockKeyState QueryLockKeys() {
#ifdef ZELKO_HAVE_XKB
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return {};
  static CLockConnection connection;
  if (connection.IsOpen()) return connection.State();
#endif
  return {};
}

bool CanOpenXDisplay() {
#ifdef ZELKO_HAVE_XKB
  Display* display = XOpenDisplay(nullptr);
  if (!display) return false;
  XCloseDisplay(display);
#endif
  return true;
}
