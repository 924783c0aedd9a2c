// Rounded frames as the text box builds them: an outer round rectangle less an inner one.
#include <ulmaro/platform/win32.h>

#include <benchmark/benchmark.h>

using namespace ulmaro::platform;

namespace {

void roundedFrame(benchmark::State& state, int w, int h, int corner) {
    for (auto _ : state) {
        HRGN outer = CreateRoundRectRgn(0, 0, w + 1, h + 1, corner, corner);
        HRGN inner = CreateRoundRectRgn(1, 1, w, h, corner - 2, corner - 2);
        HRGN frame = CreateRectRgn(0, 0, 0, 0);
        benchmark::DoNotOptimize(CombineRgn(frame, outer, inner, RGN_DIFF));
        DeleteObject(outer);
        DeleteObject(inner);
        DeleteObject(frame);
    }
}

void BM_RoundedFrame800x600(benchmark::State& state) { roundedFrame(state, 800, 600, 24); }
void BM_RoundedFrame64x24(benchmark::State& state) { roundedFrame(state, 64, 24, 10); }
void BM_Ellipse800x600(benchmark::State& state) {
    for (auto _ : state) {
        HRGN e = CreateEllipticRgn(0, 0, 800, 600);
        benchmark::DoNotOptimize(e);
        DeleteObject(e);
    }
}

}  // namespace

BENCHMARK(BM_RoundedFrame800x600);
BENCHMARK(BM_RoundedFrame64x24);
BENCHMARK(BM_Ellipse800x600);
