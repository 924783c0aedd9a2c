// BlitTransparent: the destination keeps its pixels where the source has the mask colour
// and takes the source elsewhere; nothing else changes and nothing leaks.
#include "framework/blit_transparent.h"

#include <ulmaro/platform/host.h>

#include "support/canvas.h"

#include <gtest/gtest.h>

using namespace ulmaro::platform;

namespace {

using ulmaro::test::Canvas;

// Source: a 4 x 3 block whose pixel (x, y) is (10x + 1, 10y + 1, 7), with mask-coloured
// pixels where `transparent` says so. Destination: 8 x 6, pixel (x, y) = (x, y, 200).
constexpr COLORREF kMask = RGB(255, 0, 255);
COLORREF sourceAt(int x, int y) { return RGB(10 * x + 1, 10 * y + 1, 7); }
COLORREF destAt(int x, int y) { return RGB(x, y, 200); }

void paint(Canvas& src, Canvas& dst, bool (*transparent)(int, int)) {
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) SetPixel(src.dc, x, y, transparent(x, y) ? kMask : sourceAt(x, y));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) SetPixel(dst.dc, x, y, destAt(x, y));
}

void blit(Canvas& dst, int x, int y, Canvas& src, COLORREF mask) {
    HDC d = dst.dc, s = src.dc;
    int32_t X = x, Y = y, W = 4, H = 3, SX = 0, SY = 0, M = static_cast<int32_t>(mask);
    ulmaro::BlitTransparent(d, X, Y, W, H, s, SX, SY, M);
}

}  // namespace

TEST(BlitTransparent, MaskColourAbsentFromTheSourceIsAPlainCopy) {
    Canvas src(4, 3), dst(8, 6);
    paint(src, dst, [](int, int) { return false; });
    blit(dst, 2, 1, src, RGB(1, 2, 3));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 2 && x < 6 && y >= 1 && y < 4;
            EXPECT_EQ(GetPixel(dst.dc, x, y), inside ? sourceAt(x - 2, y - 1) : destAt(x, y)) << x << "," << y;
        }
}

TEST(BlitTransparent, MaskColouredPixelsLeaveTheDestination) {
    Canvas src(4, 3), dst(8, 6);
    auto chequer = [](int x, int y) { return ((x + y) & 1) == 0; };
    paint(src, dst, chequer);
    blit(dst, 3, 2, src, kMask);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 3 && x < 7 && y >= 2 && y < 5;
            const bool opaque = inside && !chequer(x - 3, y - 2);
            EXPECT_EQ(GetPixel(dst.dc, x, y), opaque ? sourceAt(x - 3, y - 2) : destAt(x, y)) << x << "," << y;
        }
}

TEST(BlitTransparent, SourceBackgroundColourAndObjectCountUnchanged) {
    Canvas src(4, 3), dst(8, 6);
    paint(src, dst, [](int x, int) { return x == 0; });
    SetBkColor(src.dc, RGB(12, 34, 56));
    const std::size_t before = LiveGdiObjectCount();
    blit(dst, 0, 0, src, kMask);
    EXPECT_EQ(GetBkColor(src.dc), RGB(12, 34, 56));
    EXPECT_EQ(LiveGdiObjectCount(), before);
    EXPECT_EQ(GetPixel(dst.dc, 0, 0), destAt(0, 0));
    EXPECT_EQ(GetPixel(dst.dc, 1, 0), sourceAt(1, 0));
}
