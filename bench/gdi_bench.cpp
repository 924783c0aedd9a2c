// Block transfers at a form's size (800 x 600) and a small control's (64 x 24); raster
// operations and fills beside memory speed are in raster_bench.cpp.
#include "bench_surface.h"

#include <ulmaro/platform/win32.h>

#include <benchmark/benchmark.h>

using namespace ulmaro::platform;

namespace {

using ulmaro::bench::Surface;

void setSize(benchmark::State& state, int w, int h) {
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(w) * h);
}

void BM_BitBltSrcCopy(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Surface src(w, h), dst(w, h);
    for (auto _ : state) benchmark::DoNotOptimize(BitBlt(dst.dc, 0, 0, w, h, src.dc, 0, 0, SRCCOPY));
    setSize(state, w, h);
}
BENCHMARK(BM_BitBltSrcCopy)->Args({800, 600})->Args({64, 24});

// The progress bar's fill: a one-pixel strip stretched over the whole area.
void BM_StretchBltStrip(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Surface src(1, h), dst(w, h);
    for (auto _ : state) benchmark::DoNotOptimize(StretchBlt(dst.dc, 0, 0, w, h, src.dc, 0, 0, 1, h, SRCCOPY));
    setSize(state, w, h);
}
BENCHMARK(BM_StretchBltStrip)->Args({800, 600})->Args({64, 24});

// A picture halved in each direction, black-on-white combining.
void BM_StretchBltShrink(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Surface src(w * 2, h * 2), dst(w, h);
    for (auto _ : state) benchmark::DoNotOptimize(StretchBlt(dst.dc, 0, 0, w, h, src.dc, 0, 0, w * 2, h * 2, SRCCOPY));
    setSize(state, w, h);
}
BENCHMARK(BM_StretchBltShrink)->Args({800, 600})->Args({64, 24});

}  // namespace
