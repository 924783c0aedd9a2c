// The check box and the option button repaint on every 1 ms timer tick while the pointer is
// over them: the cost of one such tick, and of a paint with the option button's see-through
// glyph copy.
#include "checkoption/zyn_option_button.h"
#include "framework/form.h"

#include <benchmark/benchmark.h>

using namespace ulmaro;

static void BM_HoverTick(benchmark::State& state, const char* cls) {
    registerLibraryClasses();
    Form form(320, 60);
    form.place(cls, "C", 10, 10, 200, 17);
    form.mouseMove(40, 18);
    form.tick(2);  // the capture is taken; every further tick repaints
    for (auto _ : state) form.tick(1);
}
BENCHMARK_CAPTURE(BM_HoverTick, CheckBox, "ZynCheckBox");
BENCHMARK_CAPTURE(BM_HoverTick, OptionButton, "ZynOptionButton");

static void BM_OptionGroupSelect(benchmark::State& state) {
    registerLibraryClasses();
    Form form(320, 400);
    const int n = static_cast<int>(state.range(0));
    for (int i = 0; i < n; ++i) form.place("ZynOptionButton", "O" + std::to_string(i), 10, 10 + i * 18, 200, 17);
    auto& first = dynamic_cast<ZynOptionButton&>(*form.find("O0"));
    auto& last = dynamic_cast<ZynOptionButton&>(*form.find("O" + std::to_string(n - 1)));
    for (auto _ : state) {
        first.setValue(1);
        last.setValue(1);
    }
}
BENCHMARK(BM_OptionGroupSelect)->Arg(4)->Arg(16);
