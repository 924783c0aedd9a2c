// Handle checking, object selection and clipped fills.
#include <ulmaro/platform/host.h>
#include <ulmaro/platform/win32.h>

#include "support/canvas.h"

#include <gtest/gtest.h>

using namespace ulmaro::platform;

namespace {

// Canvases here start black, as a new compatible bitmap does.
struct Canvas : ulmaro::test::Canvas {
    Canvas(int w, int h) : ulmaro::test::Canvas(w, h, RGB(0, 0, 0)) {}
};

}  // namespace

TEST(Handles, StaleAndWrongKindHandlesFail) {
    std::size_t before = LiveGdiObjectCount();
    HBRUSH b = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(LiveGdiObjectCount(), before + 1);
    EXPECT_TRUE(DeleteObject(b));
    EXPECT_FALSE(DeleteObject(b));  // already gone
    HBRUSH reused = CreateSolidBrush(RGB(4, 5, 6));
    EXPECT_NE(reused, b);  // the slot is reused with a new generation
    Canvas c(4, 4);
    RECT r{0, 0, 4, 4};
    EXPECT_FALSE(FillRect(c.dc, &r, b));
    EXPECT_FALSE(FillRect(c.dc, &r, reinterpret_cast<HBRUSH>(c.bmp)));  // a bitmap is no brush
    EXPECT_EQ(GetPixel(reinterpret_cast<HDC>(reused), 0, 0), CLR_INVALID);
    DeleteObject(reused);
    EXPECT_EQ(LiveGdiObjectCount(), before + 2);  // the canvas' context and bitmap
}

TEST(Handles, SelectReturnsPreviousAndSelectedBitmapIsNotDeleted) {
    Canvas c(2, 2);
    HBITMAP other = CreateCompatibleBitmap(c.dc, 2, 2);
    EXPECT_EQ(SelectObject(c.dc, other), c.bmp);
    EXPECT_FALSE(DeleteObject(other));  // still selected
    EXPECT_EQ(SelectObject(c.dc, c.bmp), other);
    EXPECT_TRUE(DeleteObject(other));
}

TEST(Handles, MemoryContextStartsMonochrome) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP b = CreateCompatibleBitmap(dc, 3, 3);
    BITMAP bm{};
    ASSERT_EQ(GetObjectA(b, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmBitsPixel, 1);
    DeleteObject(b);
    DeleteDC(dc);
}

TEST(Fill, FillRectHonoursClipRegionAndExcludesRightBottom) {
    Canvas c(8, 8);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HRGN clip = CreateRectRgn(2, 2, 5, 5);
    SelectClipRgn(c.dc, clip);
    DeleteObject(clip);  // the context keeps its own copy
    RECT r{0, 0, 4, 8};
    FillRect(c.dc, &r, red);
    SelectClipRgn(c.dc, nullptr);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            bool in = x >= 2 && x < 4 && y >= 2 && y < 5;
            EXPECT_EQ(GetPixel(c.dc, x, y), in ? RGB(255, 0, 0) : RGB(0, 0, 0)) << x << "," << y;
        }
    DeleteObject(red);
}

TEST(Regions, CombineModesAndEquality) {
    HRGN a = CreateRectRgn(0, 0, 10, 10), b = CreateRectRgn(5, 5, 15, 15), d = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(d, a, b, RGN_AND), SIMPLEREGION);
    RECT box;
    GetRgnBox(d, &box);
    EXPECT_TRUE(EqualRect(&box, &(const RECT&)RECT{5, 5, 10, 10}));
    EXPECT_EQ(CombineRgn(d, a, b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(d, 14, 14));
    EXPECT_FALSE(PtInRegion(d, 14, 2));
    EXPECT_EQ(CombineRgn(d, a, b, RGN_XOR), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(d, 7, 7));
    EXPECT_EQ(CombineRgn(d, a, b, RGN_DIFF), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(d, 2, 7));
    EXPECT_FALSE(PtInRegion(d, 7, 7));
    // The same area built two ways is equal.
    HRGN top = CreateRectRgn(0, 0, 10, 5), bottom = CreateRectRgn(0, 5, 10, 10), u = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(u, top, bottom, RGN_OR);
    EXPECT_TRUE(EqualRgn(u, a));
    EXPECT_EQ(CombineRgn(d, a, a, RGN_DIFF), NULLREGION);
    for (HRGN h : {a, b, d, top, bottom, u}) DeleteObject(h);
}
