// Key latency in the running window: the real program objects, shown on the platform in use,
// get one keystroke at a time through QApplication, so the accelerator table filters it as it
// filters a user's. The clock runs from the key press until the display has painted the text
// the key produced.
//
//   key_latency [KEYSTROKES] [SEED]   prints the median and the 99th percentile
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "WindowDriver.h"

namespace {

using bench::Keystroke;

// A day at the desk: numbers of one to eight digits, sometimes with a point, chained with the
// four operators, now and then a correction, a sign change, a function or a Clear.
std::vector<Keystroke> DeskSequence(std::size_t count, std::mt19937& rng) {
  std::vector<Keystroke> keys;
  const auto chance = [&](int percent) { return int(rng() % 100) < percent; };
  while (keys.size() < count) {
    const int digits = 1 + int(rng() % 8);
    for (int i = 0; i < digits; ++i) {
      keys.push_back(bench::Char(char('0' + rng() % 10)));
      if (i == digits / 2 && chance(30)) keys.push_back(bench::Char('.'));
    }
    if (chance(10)) keys.push_back({Qt::Key_Backspace, Qt::NoModifier, QString(QChar(8))});
    if (chance(5)) keys.push_back({Qt::Key_F9, Qt::NoModifier, QString()});
    if (chance(5)) keys.push_back(bench::Letter("QXNGL"[rng() % 5]));
    keys.push_back(bench::Char("+-*/="[rng() % 5]));
    if (chance(5)) keys.push_back(bench::Letter('C'));
  }
  keys.resize(count);
  return keys;
}

double Percentile(const std::vector<double>& sorted, double p) {
  if (sorted.empty()) return 0;
  const auto index = static_cast<std::size_t>(p * double(sorted.size() - 1) + 0.5);
  return sorted[std::min(index, sorted.size() - 1)];
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const std::size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 10000;
  const unsigned seed = argc > 2 ? unsigned(std::strtoul(argv[2], nullptr, 10)) : 1u;

  bench::WindowDriver window;
  if (!window.Start()) {
    std::fprintf(stderr, "key_latency: the window never showed\n");
    return 1;
  }
  std::mt19937 rng(seed);
  const std::vector<Keystroke> keys = DeskSequence(count, rng);
  std::vector<double> changed;  // keys that changed the display
  std::vector<double> all;
  std::size_t unpainted = 0;
  for (const Keystroke& k : keys) {
    const double ms = window.TimeKeystroke(k);
    if (ms < 0) {
      ++unpainted;
      continue;
    }
    all.push_back(ms);
    if (window.Watch().m_bChanged) changed.push_back(ms);
  }

  std::sort(changed.begin(), changed.end());
  std::sort(all.begin(), all.end());
  std::printf(
      "key latency, key press to display painted: %zu keystrokes, %zu changed the display: "
      "median %.3f ms, p99 %.3f ms, max %.3f ms (goal: p99 under 1 ms)\n",
      keys.size(), changed.size(), Percentile(changed, 0.5), Percentile(changed, 0.99),
      changed.empty() ? 0.0 : changed.back());
  std::printf("key latency, every keystroke handled: median %.3f ms, p99 %.3f ms\n",
              Percentile(all, 0.5), Percentile(all, 0.99));
  if (unpainted) std::printf("key latency: %zu changes never painted\n", unpainted);
  return unpainted ? 1 : 0;
}
