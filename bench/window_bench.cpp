// The window system at scale: a second of timer ticks on forms of many buttons (each
// button's hover timer fires every 3 ms), and the gallery repainted and composed as a
// frame of the live window.
#include "framework/form.h"
#include "framework/form_file.h"

#include <ulmaro/platform/win32.h>

#include <benchmark/benchmark.h>

using namespace ulmaro;


static void BM_Tick1000(benchmark::State& state) {
    registerLibraryClasses();
    const int n = static_cast<int>(state.range(0));
    Form form(640, 480);
    for (int i = 0; i < n; ++i)
        form.place("ZynCommand", "Command" + std::to_string(i), (i % 50) * 12, (i / 50) * 9, 12, 9);
    for (auto _ : state) form.tick(1000);
    state.SetComplexityN(n);
}
BENCHMARK(BM_Tick1000)->Arg(250)->Arg(2500)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// Every window invalidated, painted again by its control and composed into the picture.
static void BM_GalleryRepaintAndCompose(benchmark::State& state) {
    registerLibraryClasses();
    auto form = loadForm(ULMARO_SOURCE_DIR "/examples/gallery.json");
    using namespace platform;
    for (auto _ : state) {
        RedrawWindow(form->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        benchmark::DoNotOptimize(form->compose());
    }
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GalleryRepaintAndCompose)->Unit(benchmark::kMillisecond);
