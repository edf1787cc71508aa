// Keypad throughput and display formatting cost, with a display that discards its texts.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "CalcKeypad.h"
#include "KeyCommands.h"

namespace {

struct NullDisplay : CDisplaySink {
  void ShowText(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
};
struct NullFaces : CKeyFaceSink {
  void SetKeyFace(int, int) override {}
};

// A day at the desk: chains, a group, functions with INV, memory, power and exponent entry.
const std::vector<int> kMixedSequence = {
    IDC_KEY_1, IDC_KEY_2, IDC_KEY_POINT, IDC_KEY_5, IDC_KEY_ADD, IDC_KEY_3, IDC_KEY_MULTIPLY,
    IDC_KEY_LPAREN, IDC_KEY_4, IDC_KEY_SUBTRACT, IDC_KEY_1, IDC_KEY_RPAREN, IDC_KEY_EQUALS,
    IDC_KEY_MS, IDC_KEY_SQRT, IDC_KEY_DIVIDE, IDC_KEY_7, IDC_KEY_EQUALS, IDC_KEY_SIGN,
    IDC_KEY_INV, IDC_KEY_SIN, IDC_KEY_INV, IDC_KEY_2, IDC_KEY_POWER, IDC_KEY_8, IDC_KEY_EQUALS,
    IDC_KEY_1, IDC_KEY_POINT, IDC_KEY_5, IDC_KEY_SCI, IDC_KEY_3, IDC_KEY_ADD, IDC_KEY_MR,
    IDC_KEY_EQUALS, IDC_KEY_LOG, IDC_KEY_PERCENT, IDC_KEY_RECIPROCAL, IDC_KEY_9, IDC_KEY_BACKSPACE,
    IDC_KEY_PI, IDC_KEY_SQUARE, IDC_KEY_EQUALS, IDC_KEY_CLEAR,
};

void BM_KeypadMixedKeys(benchmark::State& state) {
  CCalcEngine engine;
  NullDisplay display;
  NullFaces faces;
  CCalcKeypad keypad(engine, display, faces);
  std::size_t i = 0;
  for (auto _ : state) {
    PressKey(keypad, kMixedSequence[i]);
    if (++i == kMixedSequence.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["keys/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_KeypadMixedKeys);

void BM_FormatValue(benchmark::State& state) {
  CCalcEngine engine;
  engine.m_nPrecision = static_cast<int>(state.range(0));
  const double values[] = {1.0 / 3, 1234.5, -0.5, 123456789.123456789, 1e20, 2e-14, 3.14159265358979, 100};
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine.FormatValue(values[i]));
    i = (i + 1) % std::size(values);
  }
}
BENCHMARK(BM_FormatValue)->Arg(2)->Arg(4)->Arg(6)->Arg(14)->ArgName("precision");

}  // namespace

BENCHMARK_MAIN();
