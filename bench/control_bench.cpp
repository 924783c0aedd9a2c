// Redrawing a command button and composing a form full of them.
#include "command/zyn_command.h"
#include "framework/form.h"

#include <benchmark/benchmark.h>

using namespace ulmaro;

static void BM_CommandRefresh(benchmark::State& state) {
    registerLibraryClasses();
    Form form(640, 480);
    auto& c = dynamic_cast<ZynCommand&>(form.place("ZynCommand", "Command1", 10, 10, static_cast<int>(state.range(0)),
                                                   static_cast<int>(state.range(1))));
    for (auto _ : state) c.Refresh();
}
BENCHMARK(BM_CommandRefresh)->Args({75, 23})->Args({400, 120});

static void BM_FormCompose(benchmark::State& state) {
    registerLibraryClasses();
    Form form(640, 480);
    for (int i = 0; i < 24; ++i)
        form.place("ZynCommand", "Command" + std::to_string(i), 10 + (i % 6) * 100, 10 + (i / 6) * 40, 90, 30);
    for (auto _ : state) benchmark::DoNotOptimize(form.compose());
}
BENCHMARK(BM_FormCompose);
