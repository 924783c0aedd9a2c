// A progress bar's redraw after a value change (the buffers kept) against a full rebuild of
// its buffers: the change should cost at most a fifth of the rebuild.
#include "framework/form.h"
#include "progress/zyn_progress_bar.h"

#include <benchmark/benchmark.h>

using namespace ulmaro;

namespace {

// Arguments: width, height, round (1) or bar (0), smooth (1) or blocks (0).
ZynProgressBar& placeBar(Form& form, const benchmark::State& state) {
    auto& p = dynamic_cast<ZynProgressBar&>(
        form.place("ZynProgressBar", "P", 10, 10, static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    p.setProgressType(static_cast<std::int32_t>(state.range(2)));
    p.setProperty("SmoothScrolling", Variant(state.range(3) != 0));
    return p;
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({300, 24, 0, 1})->Args({300, 24, 0, 0})->Args({300, 60, 0, 0})->Args({24, 300, 0, 1})->Args({24, 300, 0, 0});
    b->Args({160, 160, 1, 1});
}

}  // namespace

static void BM_ProgressValueChange(benchmark::State& state) {
    registerLibraryClasses();
    Form form(640, 480);
    ZynProgressBar& p = placeBar(form, state);
    double v = 0;
    for (auto _ : state) {
        v = v >= 100 ? 0 : v + 1;
        p.setValue(v);
    }
}
BENCHMARK(BM_ProgressValueChange)->Apply(Sizes);

static void BM_ProgressRebuild(benchmark::State& state) {
    registerLibraryClasses();
    Form form(640, 480);
    ZynProgressBar& p = placeBar(form, state);
    double v = 0;
    for (auto _ : state) {
        v = v >= 100 ? 0 : v + 1;
        p.ReleaseBuffers();
        p.setValue(v);
    }
}
BENCHMARK(BM_ProgressRebuild)->Apply(Sizes);
