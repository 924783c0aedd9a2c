// Text drawing speed: one line of DrawTextA into a large and a small surface, with the
// glyphs already cached (the steady state of a repainting control), plus the cost of
// measuring and of making a font and resolving it on every paint.
#include <benchmark/benchmark.h>
#include <ulmaro/platform/win32.h>

#include <cstring>

using namespace ulmaro::platform;

namespace {

constexpr const char* kLine = "The quick brown fox jumps over the lazy dog &Now 0123456789";

struct Surface {
    HDC dc;
    HBITMAP bmp;
    HGDIOBJ oldBmp;
    HFONT font;
    HGDIOBJ oldFont;
    Surface(int w, int h, const char* face, int height) {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bmp = CreateCompatibleBitmap(screen, w, h);
        ReleaseDC(nullptr, screen);
        oldBmp = SelectObject(dc, bmp);
        font = CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, face);
        oldFont = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
    }
    ~Surface() {
        SelectObject(dc, oldFont);
        DeleteObject(font);
        SelectObject(dc, oldBmp);
        DeleteObject(bmp);
        DeleteDC(dc);
    }
};

void drawLine(benchmark::State& state, int w, int h, const char* face, int height, UINT format) {
    Surface s(w, h, face, height);
    RECT r{0, 0, w, h};
    for (auto _ : state) benchmark::DoNotOptimize(DrawTextA(s.dc, kLine, -1, &r, format));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(std::strlen(kLine)));
}

void BM_DrawText_800x600_MsSansSerif(benchmark::State& state) {
    drawLine(state, 800, 600, "MS Sans Serif", -11, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}
void BM_DrawText_800x600_Tahoma24(benchmark::State& state) {
    drawLine(state, 800, 600, "Tahoma", -24, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}
void BM_DrawText_800x600_WordBreak(benchmark::State& state) {
    drawLine(state, 800, 600, "MS Sans Serif", -11, DT_WORDBREAK);
}
void BM_DrawText_64x24_Clipped(benchmark::State& state) {
    drawLine(state, 64, 24, "MS Sans Serif", -11, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}
void BM_DrawText_64x24_CalcRect(benchmark::State& state) {
    drawLine(state, 64, 24, "MS Sans Serif", -11, DT_CALCRECT | DT_WORDBREAK);
}

void BM_TextExtent(benchmark::State& state) {
    Surface s(8, 8, "Tahoma", -11);
    SIZE sz;
    const int n = static_cast<int>(std::strlen(kLine));
    for (auto _ : state) benchmark::DoNotOptimize(GetTextExtentPoint32A(s.dc, kLine, n, &sz));
}

// Controls create their font on each repaint: creating, selecting and measuring a font
// that was seen before must stay cheap.
void BM_CreateSelectMeasureFont(benchmark::State& state) {
    Surface s(8, 8, "Tahoma", -11);
    TEXTMETRICA tm;
    for (auto _ : state) {
        HFONT f = CreateFontA(-12, 0, 900, 900, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "");
        HGDIOBJ old = SelectObject(s.dc, f);
        benchmark::DoNotOptimize(GetTextMetricsA(s.dc, &tm));
        SelectObject(s.dc, old);
        DeleteObject(f);
    }
}

}  // namespace

BENCHMARK(BM_DrawText_800x600_MsSansSerif);
BENCHMARK(BM_DrawText_800x600_Tahoma24);
BENCHMARK(BM_DrawText_800x600_WordBreak);
BENCHMARK(BM_DrawText_64x24_Clipped);
BENCHMARK(BM_DrawText_64x24_CalcRect);
BENCHMARK(BM_TextExtent);
BENCHMARK(BM_CreateSelectMeasureFont);
