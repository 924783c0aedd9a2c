// DrawEdge and DrawFocusRect: border colours and placement for the flags the reference
// pictures do not cover, clipping, and handle checks.
#include <ulmaro/platform/host.h>
#include <ulmaro/platform/win32.h>

#include "support/canvas.h"

#include <gtest/gtest.h>

#include <vector>

using namespace ulmaro::platform;
using ulmaro::test::Canvas;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);


COLORREF sys(int i) { return GetSysColor(i); }

}  // namespace

TEST(DrawEdge, SingleBorderSitsOnTheRectangle) {
    Canvas c(10, 8);
    RECT r{1, 1, 9, 7};
    ASSERT_TRUE(DrawEdge(c.dc, &r, BDR_SUNKENOUTER, BF_RECT));
    EXPECT_EQ(c.at(1, 1), sys(COLOR_BTNSHADOW));
    EXPECT_EQ(c.at(7, 1), sys(COLOR_BTNSHADOW));  // top stops before the right side
    EXPECT_EQ(c.at(8, 1), sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(c.at(1, 5), sys(COLOR_BTNSHADOW));
    EXPECT_EQ(c.at(1, 6), sys(COLOR_BTNHIGHLIGHT));  // bottom owns its left corner
    EXPECT_EQ(c.at(8, 6), sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(c.at(2, 2), kWhite);  // no inner border
    // Guards.
    EXPECT_EQ(c.at(0, 0), kWhite);
    EXPECT_EQ(c.at(9, 7), kWhite);
    EXPECT_EQ(c.at(0, 3), kWhite);
}

TEST(DrawEdge, InnerBorderAloneAlsoSitsOnTheRectangle) {
    const COLORREF ground = RGB(1, 2, 3);
    Canvas c(10, 8, ground);
    RECT r{1, 1, 9, 7};
    DrawEdge(c.dc, &r, BDR_RAISEDINNER, BF_RECT);
    EXPECT_EQ(c.at(1, 3), sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(c.at(4, 1), sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(c.at(8, 3), sys(COLOR_BTNSHADOW));
    EXPECT_EQ(c.at(4, 6), sys(COLOR_BTNSHADOW));
    EXPECT_EQ(c.at(2, 2), ground);
    EXPECT_EQ(c.at(7, 5), ground);
    EXPECT_EQ(c.at(0, 0), ground);
}

TEST(DrawEdge, AdjustShrinksTheDrawnSidesOnly) {
    Canvas c(20, 20);
    RECT r{2, 2, 18, 18};
    DrawEdge(c.dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    EXPECT_EQ(r.left, 4);
    EXPECT_EQ(r.top, 4);
    EXPECT_EQ(r.right, 16);
    EXPECT_EQ(r.bottom, 16);
    RECT one{2, 2, 18, 18};
    DrawEdge(c.dc, &one, BDR_RAISEDINNER, BF_LEFT | BF_TOP | BF_ADJUST);
    EXPECT_EQ(one.left, 3);
    EXPECT_EQ(one.top, 3);
    EXPECT_EQ(one.right, 18);
    EXPECT_EQ(one.bottom, 18);
    RECT kept{2, 2, 18, 18};
    DrawEdge(c.dc, &kept, EDGE_SUNKEN, BF_RECT);  // without BF_ADJUST the rectangle stays
    EXPECT_EQ(kept.left, 2);
    EXPECT_EQ(kept.right, 18);
}

TEST(DrawEdge, MiddleFillsInsideTheBorders) {
    Canvas c(12, 12);
    RECT r{1, 1, 11, 11};
    DrawEdge(c.dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    EXPECT_EQ(c.at(3, 3), sys(COLOR_BTNFACE));
    EXPECT_EQ(c.at(8, 8), sys(COLOR_BTNFACE));
    EXPECT_EQ(c.at(2, 2), sys(COLOR_BTNHIGHLIGHT));  // inner border untouched by the fill
    EXPECT_EQ(c.at(9, 9), sys(COLOR_BTNSHADOW));
    EXPECT_EQ(c.at(10, 10), sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(c.at(11, 11), kWhite);

    Canvas m(12, 12, RGB(1, 2, 3));
    DrawEdge(m.dc, &r, EDGE_SUNKEN, BF_RECT | BF_MIDDLE | BF_MONO);
    EXPECT_EQ(m.at(1, 1), sys(COLOR_WINDOWFRAME));
    EXPECT_EQ(m.at(10, 10), sys(COLOR_WINDOWFRAME));
    EXPECT_EQ(m.at(2, 2), sys(COLOR_WINDOW));
    EXPECT_EQ(m.at(5, 5), sys(COLOR_WINDOW));
    EXPECT_EQ(m.at(0, 0), RGB(1, 2, 3));
}

TEST(DrawEdge, FlatAndSoftColours) {
    Canvas c(12, 12);
    RECT r{1, 1, 11, 11};
    DrawEdge(c.dc, &r, EDGE_SUNKEN, BF_RECT | BF_FLAT);
    for (POINT p : {POINT{1, 1}, POINT{10, 1}, POINT{1, 10}, POINT{10, 10}}) EXPECT_EQ(c.at(p.x, p.y), sys(COLOR_BTNSHADOW));
    for (POINT p : {POINT{2, 2}, POINT{9, 2}, POINT{2, 9}, POINT{9, 9}}) EXPECT_EQ(c.at(p.x, p.y), sys(COLOR_BTNFACE));

    Canvas s(12, 12);
    DrawEdge(s.dc, &r, EDGE_RAISED, BF_RECT | BF_SOFT);
    EXPECT_EQ(s.at(1, 5), sys(COLOR_BTNHIGHLIGHT));  // soft: outer top-left uses the highlight
    EXPECT_EQ(s.at(2, 5), sys(COLOR_3DLIGHT));
    EXPECT_EQ(s.at(10, 5), sys(COLOR_3DDKSHADOW));  // bottom-right colours stay
    EXPECT_EQ(s.at(9, 5), sys(COLOR_BTNSHADOW));
}

TEST(DrawEdge, HonoursTheClipRegion) {
    Canvas full(24, 16), clipped(24, 16);
    RECT r{1, 1, 23, 15};
    DrawEdge(full.dc, &r, EDGE_BUMP, BF_RECT | BF_MIDDLE);
    HRGN clip = CreateEllipticRgn(0, 0, 24, 16);
    SelectClipRgn(clipped.dc, clip);
    RECT r2 = r;
    DrawEdge(clipped.dc, &r2, EDGE_BUMP, BF_RECT | BF_MIDDLE);
    SelectClipRgn(clipped.dc, nullptr);  // GetPixel reads only inside the clip
    int inside = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 24; ++x) {
            bool in = PtInRegion(clip, x, y);
            inside += in;
            EXPECT_EQ(clipped.at(x, y), in ? full.at(x, y) : kWhite) << x << "," << y;
        }
    }
    EXPECT_GT(inside, 200);
    DeleteObject(clip);
}

TEST(DrawEdge, BadHandlesAndArgumentsFail) {
    std::size_t before = LiveGdiObjectCount();
    RECT r{0, 0, 5, 5};
    HDC dc = CreateCompatibleDC(nullptr);
    DeleteDC(dc);
    EXPECT_FALSE(DrawEdge(dc, &r, EDGE_RAISED, BF_RECT));
    EXPECT_FALSE(DrawFocusRect(dc, &r));
    Canvas c(4, 4);
    EXPECT_FALSE(DrawEdge(c.dc, nullptr, EDGE_RAISED, BF_RECT));
    EXPECT_FALSE(DrawFocusRect(c.dc, nullptr));
    HBRUSH notDc = CreateSolidBrush(0);
    EXPECT_FALSE(DrawEdge(reinterpret_cast<HDC>(notDc), &r, EDGE_RAISED, BF_RECT));
    DeleteObject(notDc);
    EXPECT_EQ(c.pixels(), Canvas(4, 4).pixels());
    EXPECT_EQ(LiveGdiObjectCount(), before + 2);
}

TEST(DrawFocusRect, DotsInvertAndASecondCallRemovesThem) {
    Canvas c(12, 9, RGB(10, 200, 30));
    std::vector<COLORREF> before = c.pixels();
    RECT r{2, 1, 11, 8};
    ASSERT_TRUE(DrawFocusRect(c.dc, &r));
    // Dots start at the top-right pixel and alternate all the way round.
    EXPECT_EQ(c.at(10, 1), RGB(245, 55, 225));
    EXPECT_EQ(c.at(9, 1), RGB(10, 200, 30));
    EXPECT_EQ(c.at(10, 2), RGB(10, 200, 30));
    EXPECT_EQ(c.at(10, 3), RGB(245, 55, 225));
    EXPECT_EQ(c.at(2, 1), RGB(245, 55, 225));
    EXPECT_EQ(c.at(2, 7), RGB(245, 55, 225));
    EXPECT_EQ(c.at(5, 4), RGB(10, 200, 30));  // inside untouched
    EXPECT_EQ(c.at(11, 1), RGB(10, 200, 30));  // guard right of the rectangle
    EXPECT_EQ(c.at(2, 8), RGB(10, 200, 30));   // guard below
    DrawFocusRect(c.dc, &r);
    EXPECT_EQ(c.pixels(), before);
}

TEST(DrawFocusRect, ClippedAndEmpty) {
    Canvas c(10, 10);
    HRGN clip = CreateRectRgn(0, 0, 5, 10);
    SelectClipRgn(c.dc, clip);
    DeleteObject(clip);
    RECT r{0, 0, 10, 10};
    DrawFocusRect(c.dc, &r);
    SelectClipRgn(c.dc, nullptr);
    for (int y = 0; y < 10; ++y)
        for (int x = 5; x < 10; ++x) EXPECT_EQ(c.at(x, y), kWhite);
    EXPECT_EQ(c.at(1, 0), RGB(0, 0, 0));  // (9, 0) starts the dots; (1, 0) is eight steps on
    std::vector<COLORREF> before = c.pixels();
    RECT empty{5, 5, 5, 9};
    EXPECT_TRUE(DrawFocusRect(c.dc, &empty));
    EXPECT_EQ(c.pixels(), before);
}
