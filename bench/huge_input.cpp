// Huge inputs in the running window, step by step: a number of a million digits typed (the
// first thousand and the last two as keystrokes, the bulk as the commands those keystrokes
// give), then + 1 =; a million characters pasted into the display through its context menu,
// then + 1 =. Each step's time runs until the display has painted its result.
//
//   huge_input [DIGITS]   prints one line per step; exit status 1 when a result is wrong
#include <QClipboard>
#include <QMenu>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "KeyCommands.h"
#include "WindowDriver.h"

namespace {

using bench::Clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Report(const char* step, double ms) {
  if (ms < 0)
    std::printf("  %-58s never painted\n", step);
  else
    std::printf("  %-58s %10.1f ms\n", step, ms);
}

bool Check(const char* what, bool ok) {
  if (!ok) std::printf("  WRONG: %s\n", what);
  return ok;
}

// Types `keys` one keystroke at a time and reports each.
void TypeAndReport(bench::WindowDriver& window, const char* keys, const char* when) {
  for (const char* c = keys; *c; ++c) {
    const std::string step = std::string("keystroke ") + *c + " " + when;
    Report(step.c_str(), window.TimeKeystroke(bench::Char(*c)));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const int digits = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
  constexpr int kTypedFirst = 1000;
  if (digits < kTypedFirst + 2) return 2;

  bench::WindowDriver window;
  if (!window.Start()) {
    std::fprintf(stderr, "huge_input: the window never showed\n");
    return 1;
  }
  CEdit& display = window.Display();
  bool ok = true;
  std::printf("huge inputs (%d digits):\n", digits);

  // Zeros, then 42: a text cut anywhere changes the sum.
  Clock::time_point start = Clock::now();
  for (int i = 0; i < kTypedFirst; ++i) window.TimeKeystroke(bench::Char('0'));
  Report("first 1000 digits as keystrokes (total)", MsSince(start));

  start = Clock::now();
  window.Watch().Reset();
  for (int i = kTypedFirst; i < digits - 2; ++i) window.Frame().OnCommand(IDC_KEY_0);
  Report("the bulk as key commands", MsSince(start));
  start = Clock::now();
  Report("  then until the display painted it", window.WaitUntilShown() ? MsSince(start) : -1);

  TypeAndReport(window, "42", "at full length");
  const QString typed = QString(digits - 2, QLatin1Char('0')) + QStringLiteral("42");
  ok &= Check("the display holds every digit typed", display.text() == typed);
  ok &= Check("the keypad holds every digit typed",
              window.View().m_keypad.Engine().m_strEntry == typed.toStdString());
  TypeAndReport(window, "+1=", "after it");
  ok &= Check("0...042 + 1 = 43", display.text() == QStringLiteral("43"));
  Report("Clear", window.TimeKeystroke(bench::Letter('C')));

  // The paste: the display focused, its own context menu's Paste, as a user does it.
  const QString pasted = QString(digits - 2, QLatin1Char('0')) + QStringLiteral("17");
  QApplication::clipboard()->setText(pasted);
  display.setFocus(Qt::MouseFocusReason);
  bench::WindowDriver::ProcessPending();
  ok &= Check("the display has the focus", window.View().m_bDisplayFocus == 1);
  QMenu* menu = display.createStandardContextMenu();
  QAction* paste = nullptr;
  for (QAction* action : menu->actions())
    if (action->text().startsWith(QLatin1String("&Paste"))) paste = action;
  ok &= Check("the context menu offers Paste", paste && paste->isEnabled());
  if (paste) {
    window.Watch().Reset();
    start = Clock::now();
    paste->trigger();
    Report("paste from the context menu", window.WaitUntilShown() ? MsSince(start) : -1);
  }
  delete menu;
  ok &= Check("the display holds the whole paste", display.text() == pasted);
  ok &= Check("the keypad holds the whole paste",
              window.View().m_keypad.Engine().m_strEntry == pasted.toStdString());
  TypeAndReport(window, "+1=", "after the paste");
  ok &= Check("0...017 + 1 = 18", display.text() == QStringLiteral("18"));
  return ok ? 0 : 1;
}
