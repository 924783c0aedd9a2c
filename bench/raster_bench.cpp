// Raster operations, fills and region building, each timed beside plain memory work on
// the same rows in the same run. Every benchmark reports its ratio as a counter:
//   vs_memcpy / vs_memset   time of memcpy / memset of the same rows over the primitive's time
//                           (1 = as fast as memory; the goal is at least 0.6 for raster
//                           operations and 0.8 for fills)
//   x_of_500                time of 1000 successive unions over the time of 500
#include "bench_surface.h"

#include <ulmaro/platform/win32.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <vector>

using namespace ulmaro::platform;

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

// Not blank, so that copies move real pixels.
struct Surface : ulmaro::bench::Surface {
    Surface(int w, int h) : ulmaro::bench::Surface(w, h) {
        for (int y = 0; y < h; y += 7) SetPixel(dc, y % w, y, RGB(y, 3 * y, 7 * y));
    }
};

// Rows of 32-bit pixels laid out as a surface's, for the memory baseline.
struct Rows {
    int w, h;
    std::vector<std::uint32_t> a, b;
    Rows(int width, int height)
        : w(width), h(height), a(static_cast<std::size_t>(width) * height, 0x00123456u),
          b(static_cast<std::size_t>(width) * height, 0) {}
    void copy() {
        for (int y = 0; y < h; ++y)
            std::memcpy(&b[static_cast<std::size_t>(y) * w], &a[static_cast<std::size_t>(y) * w], static_cast<std::size_t>(w) * 4);
        benchmark::ClobberMemory();
    }
    void set() {
        for (int y = 0; y < h; ++y) std::memset(&b[static_cast<std::size_t>(y) * w], 0x5A, static_cast<std::size_t>(w) * 4);
        benchmark::ClobberMemory();
    }
};

// Times `op` against `baseline` in alternation; the benchmark's time is the primitive's.
template <class Op, class Base>
void sideBySide(benchmark::State& state, const char* counter, Op op, Base baseline) {
    double tOp = 0, tBase = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        op();
        const auto t1 = Clock::now();
        baseline();
        const auto t2 = Clock::now();
        tOp += seconds(t0, t1);
        tBase += seconds(t1, t2);
        state.SetIterationTime(seconds(t0, t1));
    }
    state.counters[counter] = tOp > 0 ? tBase / tOp : 0;
}

void BM_Rop(benchmark::State& state, DWORD rop) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Surface src(w, h), dst(w, h);
    HBRUSH brush = CreateSolidBrush(RGB(49, 106, 197));
    HGDIOBJ oldBrush = SelectObject(dst.dc, brush);
    Rows rows(w, h);
    sideBySide(
        state, "vs_memcpy", [&] { benchmark::DoNotOptimize(BitBlt(dst.dc, 0, 0, w, h, src.dc, 0, 0, rop)); },
        [&] { rows.copy(); });
    SelectObject(dst.dc, oldBrush);
    DeleteObject(brush);
}

void BM_FillRect(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Surface dst(w, h);
    HBRUSH brush = CreateSolidBrush(RGB(236, 233, 216));
    const RECT all{0, 0, w, h};
    Rows rows(w, h);
    sideBySide(state, "vs_memset", [&] { benchmark::DoNotOptimize(FillRect(dst.dc, &all, brush)); }, [&] { rows.set(); });
    DeleteObject(brush);
}

void BM_PatBlt(benchmark::State& state, DWORD rop) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Surface dst(w, h);
    HBRUSH brush = CreateSolidBrush(RGB(236, 233, 216));
    HGDIOBJ old = SelectObject(dst.dc, brush);
    Rows rows(w, h);
    const bool fills = rop == PATCOPY || rop == BLACKNESS || rop == WHITENESS;
    sideBySide(
        state, fills ? "vs_memset" : "vs_memcpy", [&] { benchmark::DoNotOptimize(PatBlt(dst.dc, 0, 0, w, h, rop)); },
        [&] { fills ? rows.set() : rows.copy(); });
    SelectObject(dst.dc, old);
    DeleteObject(brush);
}

// A region built by n successive unions of small scattered squares.
void unions(int n) {
    HRGN all = CreateRectRgn(0, 0, 0, 0);
    HRGN one = CreateRectRgn(0, 0, 0, 0);
    for (int i = 0; i < n; ++i) {
        const int x = (i * 37) % 780, y = (i * 53) % 580;
        SetRectRgn(one, x, y, x + 12, y + 9);
        CombineRgn(all, all, one, RGN_OR);
    }
    DeleteObject(one);
    DeleteObject(all);
}

void BM_Unions1000(benchmark::State& state) {
    sideBySide(state, "x_of_500", [] { unions(1000); }, [] { unions(500); });
    // sideBySide divides the baseline by the primitive; this counter wants the inverse.
    state.counters["x_of_500"] = 1.0 / state.counters["x_of_500"];
}

// The text box's rounded frame: an outer round rectangle less an inner one.
void BM_RoundedFrame(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1)), corner = 10;
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

void BM_EllipticRgn(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    for (auto _ : state) {
        HRGN e = CreateEllipticRgn(0, 0, w, h);
        benchmark::DoNotOptimize(e);
        DeleteObject(e);
    }
}

void BM_PolygonRgn(benchmark::State& state) {
    const POINT star[] = {{100, 0}, {130, 70}, {200, 70}, {145, 115}, {165, 190}, {100, 145}, {35, 190}, {55, 115}, {0, 70}, {70, 70}};
    for (auto _ : state) {
        HRGN p = CreatePolygonRgn(star, 10, WINDING);
        benchmark::DoNotOptimize(p);
        DeleteObject(p);
    }
}

}  // namespace

#define ULMARO_ROP(name)                                                                    \
    BENCHMARK_CAPTURE(BM_Rop, name, name)->Args({800, 600})->Args({256, 256})->UseManualTime()
ULMARO_ROP(SRCCOPY);
ULMARO_ROP(SRCAND);
ULMARO_ROP(SRCPAINT);
ULMARO_ROP(SRCINVERT);
ULMARO_ROP(SRCERASE);
ULMARO_ROP(NOTSRCCOPY);
ULMARO_ROP(NOTSRCERASE);
ULMARO_ROP(MERGEPAINT);
ULMARO_ROP(MERGECOPY);
#undef ULMARO_ROP
#define ULMARO_PAT(name)                                                                    \
    BENCHMARK_CAPTURE(BM_PatBlt, name, name)->Args({800, 600})->Args({256, 256})->UseManualTime()
ULMARO_PAT(PATCOPY);
ULMARO_PAT(PATINVERT);
ULMARO_PAT(DSTINVERT);
ULMARO_PAT(BLACKNESS);
#undef ULMARO_PAT
BENCHMARK(BM_FillRect)->Args({800, 600})->Args({256, 256})->UseManualTime();
BENCHMARK(BM_Unions1000)->UseManualTime();
BENCHMARK(BM_RoundedFrame)->Args({200, 60})->Args({800, 600});
BENCHMARK(BM_EllipticRgn)->Args({200, 60})->Args({800, 600});
BENCHMARK(BM_PolygonRgn);
