// DrawEdge and DrawFocusRect: borders and dots for the flags the oracle pictures do not
// cover (reference pictures in tests/snapshots/edges/), the adjusted rectangle, clipping,
// and handle checks.
#include "support/canvas.h"
#include "support/snapshot.h"

#include <vector>

using namespace ulmaro::platform;
using ulmaro::test::Canvas;

namespace {

constexpr COLORREF kGround = RGB(1, 2, 3);

void clipTo(HDC dc, HRGN clip) {
    SelectClipRgn(dc, clip);
    DeleteObject(clip);
}

struct Drawing {
    const char* name;
    int w, h;
    COLORREF ground;
    void (*draw)(HDC);
};

// Each on a canvas of its size and ground colour.
const Drawing kDrawings[] = {
    // The top stops before the right side; the bottom owns its left corner.
    {"sunken_outer", 10, 8, RGB(255, 255, 255), [](HDC dc) { RECT r{1, 1, 9, 7}; DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT); }},
    {"raised_inner", 10, 8, kGround, [](HDC dc) { RECT r{1, 1, 9, 7}; DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT); }},
    {"raised_middle", 12, 12, RGB(255, 255, 255), [](HDC dc) { RECT r{1, 1, 11, 11}; DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE); }},
    {"sunken_middle_mono", 12, 12, kGround, [](HDC dc) { RECT r{1, 1, 11, 11}; DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_MIDDLE | BF_MONO); }},
    {"sunken_flat", 12, 12, RGB(255, 255, 255), [](HDC dc) { RECT r{1, 1, 11, 11}; DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_FLAT); }},
    {"raised_soft", 12, 12, RGB(255, 255, 255), [](HDC dc) { RECT r{1, 1, 11, 11}; DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_SOFT); }},
    {"bump_clipped", 24, 16, RGB(255, 255, 255), [](HDC dc) {
         clipTo(dc, CreateEllipticRgn(0, 0, 24, 16));
         RECT r{1, 1, 23, 15};
         DrawEdge(dc, &r, EDGE_BUMP, BF_RECT | BF_MIDDLE);
     }},
    // Dots start at the top-right pixel and alternate all the way round, inverting.
    {"focus_rect", 12, 9, RGB(10, 200, 30), [](HDC dc) { RECT r{2, 1, 11, 8}; EXPECT_TRUE(DrawFocusRect(dc, &r)); }},
    {"focus_rect_clipped", 10, 10, RGB(255, 255, 255), [](HDC dc) {
         clipTo(dc, CreateRectRgn(0, 0, 5, 10));
         RECT r{0, 0, 10, 10};
         DrawFocusRect(dc, &r);
     }},
};

}  // namespace

TEST(DrawEdge, EveryDrawingMatchesItsReferencePicture) {
    for (const Drawing& d : kDrawings) {
        SCOPED_TRACE(d.name);
        Canvas c(d.w, d.h, d.ground);
        d.draw(c.dc);
        SelectClipRgn(c.dc, nullptr);
        ulmaro::test::expectSnapshot("edges", d.name, ulmaro::test::dcPicture(c.dc));
    }
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

TEST(DrawFocusRect, ASecondCallRemovesTheDotsAndAnEmptyOneDrawsNothing) {
    Canvas c(12, 9, RGB(10, 200, 30));
    std::vector<COLORREF> before = c.pixels();
    RECT r{2, 1, 11, 8};
    ASSERT_TRUE(DrawFocusRect(c.dc, &r));
    EXPECT_NE(c.pixels(), before);
    DrawFocusRect(c.dc, &r);
    RECT empty{5, 5, 5, 9};
    EXPECT_TRUE(DrawFocusRect(c.dc, &empty));
    EXPECT_EQ(c.pixels(), before);
}
