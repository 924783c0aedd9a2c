// Round-rectangle, elliptic and polygon regions: small shapes pixel by pixel (reference
// pictures in tests/snapshots/regions/), the degenerate arguments, and how curved regions combine.
#include "support/canvas.h"
#include "support/snapshot.h"

#include <string>
#include <vector>

using namespace ulmaro::platform;

namespace {

// Deletes the regions a test makes.
struct Regions {
    std::vector<HRGN> all;
    HRGN operator()(HRGN r) {
        all.push_back(r);
        return r;
    }
    ~Regions() {
        for (HRGN r : all) DeleteObject(r);
    }
};

RECT box(HRGN r) {
    RECT b{};
    GetRgnBox(r, &b);
    return b;
}

}  // namespace

// Small shapes pixel by pixel, each filled on a white canvas one pixel larger than its box:
// curved shapes leave out their last column and row; polygons hold the pixels whose top-left
// corner is inside (on a slanted edge: on the left, in; on the right, out).
TEST(SmallRegions, EachMatchesItsReferencePicture) {
    const POINT triangle[] = {{0, 0}, {4, 0}, {0, 4}};
    const POINT diamond[] = {{4, 0}, {8, 4}, {4, 8}, {0, 4}};
    const POINT slant[] = {{0, 0}, {3, 0}, {5, 4}, {2, 4}};
    const std::pair<const char*, HRGN> kShapes[] = {
        {"circle_4", CreateEllipticRgn(1, 1, 6, 6)},
        {"round_rect_8x6", CreateRoundRectRgn(0, 0, 8, 6, 4, 4)},
        {"flat_ellipse", CreateEllipticRgn(1, 1, 8, 5)},
        {"round_rect_11x8", CreateRoundRectRgn(1, 1, 12, 9, 6, 6)},
        {"polygon_triangle", CreatePolygonRgn(triangle, 3, ALTERNATE)},
        {"polygon_diamond", CreatePolygonRgn(diamond, 4, ALTERNATE)},
        {"polygon_slant", CreatePolygonRgn(slant, 4, ALTERNATE)},
    };
    for (const auto& [name, region] : kShapes) {
        RECT b = box(region);
        ulmaro::test::Canvas c(b.right + 1, b.bottom + 1);
        FillRgn(c.dc, region, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ulmaro::test::expectSnapshot("regions", name, ulmaro::test::dcPicture(c.dc));
        DeleteObject(region);
    }
}

TEST(CurvedRegions, EllipsesOfEverySmallSizeAreSymmetricConvexAndFillTheirBox) {
    Regions keep;
    for (int w = 2; w <= 24; ++w) {
        for (int h = 2; h <= 24; ++h) {
            HRGN e = keep(CreateEllipticRgn(3, 2, 3 + w, 2 + h));
            RECT b = box(e);
            ASSERT_EQ(b.left, 3) << w << "x" << h;
            ASSERT_EQ(b.top, 2) << w << "x" << h;
            ASSERT_EQ(b.right, 3 + w - 1) << w << "x" << h;
            ASSERT_EQ(b.bottom, 2 + h - 1) << w << "x" << h;
            int previousIndent = w;
            for (int y = b.top; y < b.bottom; ++y) {
                int left = b.left;
                while (left < b.right && !PtInRegion(e, left, y)) ++left;
                int right = left;
                while (right < b.right && PtInRegion(e, right, y)) ++right;
                ASSERT_LT(left, right) << "empty row " << y << " in " << w << "x" << h;
                for (int x = right; x < b.right; ++x) ASSERT_FALSE(PtInRegion(e, x, y)) << "two spans";
                // Mirror images left/right and top/bottom.
                ASSERT_EQ(left - b.left, b.right - right) << w << "x" << h << " row " << y;
                int mirrorY = b.top + b.bottom - 1 - y;
                ASSERT_TRUE(PtInRegion(e, left, mirrorY) && !PtInRegion(e, left - 1, mirrorY)) << w << "x" << h;
                // Indents shrink towards the middle row.
                int indent = left - b.left;
                if (y < (b.top + b.bottom) / 2) {
                    ASSERT_LE(indent, previousIndent) << w << "x" << h;
                    previousIndent = indent;
                }
            }
        }
    }
}

TEST(CurvedRegions, DegenerateArguments) {
    Regions keep;
    // Corners under two pixels make a plain rectangle (without its last column and row).
    for (int c : {0, 1, -1}) {
        EXPECT_TRUE(EqualRgn(keep(CreateRoundRectRgn(2, 3, 12, 9, c, 6)), keep(CreateRectRgn(2, 3, 11, 8)))) << c;
        EXPECT_TRUE(EqualRgn(keep(CreateRoundRectRgn(2, 3, 12, 9, 6, c)), keep(CreateRectRgn(2, 3, 11, 8)))) << c;
    }
    // Corners larger than the rectangle are cut to it: the result is the ellipse.
    EXPECT_TRUE(EqualRgn(keep(CreateRoundRectRgn(0, 0, 20, 10, 100, 50)), keep(CreateEllipticRgn(0, 0, 20, 10))));
    // Negative corner sizes count by their size.
    EXPECT_TRUE(EqualRgn(keep(CreateRoundRectRgn(0, 0, 20, 10, -8, -6)), keep(CreateRoundRectRgn(0, 0, 20, 10, 8, 6))));
    // Reversed corners describe the same rectangle.
    EXPECT_TRUE(EqualRgn(keep(CreateRoundRectRgn(20, 10, 0, 0, 8, 6)), keep(CreateRoundRectRgn(0, 0, 20, 10, 8, 6))));
    EXPECT_TRUE(EqualRgn(keep(CreateEllipticRgn(30, 2, 5, 17)), keep(CreateEllipticRgn(5, 17, 30, 2))));
    // Too narrow or too flat to hold a pixel once the last column and row go.
    RECT b{};
    EXPECT_EQ(GetRgnBox(keep(CreateEllipticRgn(4, 4, 5, 20)), &b), NULLREGION);
    EXPECT_EQ(GetRgnBox(keep(CreateRoundRectRgn(4, 4, 20, 4, 3, 3)), &b), NULLREGION);
    EXPECT_EQ(GetRgnBox(keep(CreateEllipticRgn(4, 4, 6, 6)), &b), SIMPLEREGION);  // one pixel
    EXPECT_TRUE(PtInRegion(keep(CreateEllipticRgn(4, 4, 6, 6)), 4, 4));
    // Huge boxes: small corners are cheap at any size; a huge ellipse is refused.
    HRGN wide = keep(CreateRoundRectRgn(-2000000000, -2000000000, 2000000000, 2000000000, 8, 8));
    ASSERT_NE(wide, nullptr);
    EXPECT_TRUE(PtInRegion(wide, 0, 0));
    EXPECT_FALSE(PtInRegion(wide, -2000000000, -2000000000));
    EXPECT_EQ(CreateEllipticRgn(-2000000000, -2000000000, 2000000000, 2000000000), nullptr);
}

TEST(CurvedRegions, OffsetAndCombineLikeAnyRegion) {
    Regions keep;
    HRGN moved = keep(CreateEllipticRgn(0, 0, 31, 17));
    EXPECT_EQ(OffsetRgn(moved, 7, -4), COMPLEXREGION);
    EXPECT_TRUE(EqualRgn(moved, keep(CreateEllipticRgn(7, -4, 38, 13))));
    EXPECT_FALSE(EqualRgn(moved, keep(CreateEllipticRgn(7, -4, 38, 14))));

    // A rounded frame: outer round rectangle less the inner one, moved as a whole.
    HRGN frame = keep(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(CombineRgn(frame, keep(CreateRoundRectRgn(0, 0, 41, 21, 10, 10)), keep(CreateRoundRectRgn(1, 1, 40, 20, 8, 8)), RGN_DIFF),
              COMPLEXREGION);
    HRGN shifted = keep(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(shifted, keep(CreateRoundRectRgn(5, 6, 46, 27, 10, 10)), keep(CreateRoundRectRgn(6, 7, 45, 26, 8, 8)), RGN_DIFF);
    OffsetRgn(frame, 5, 6);
    EXPECT_TRUE(EqualRgn(frame, shifted));
    // The frame is one pixel wide along the straight parts and open inside.
    EXPECT_TRUE(PtInRegion(frame, 25, 6));
    EXPECT_FALSE(PtInRegion(frame, 25, 7));
    EXPECT_TRUE(PtInRegion(frame, 5, 16));
    EXPECT_FALSE(PtInRegion(frame, 6, 16));

    // Union of an ellipse with itself changes nothing; XOR with itself empties it.
    HRGN e = keep(CreateEllipticRgn(2, 2, 19, 13));
    HRGN out = keep(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(out, e, e, RGN_OR);
    EXPECT_TRUE(EqualRgn(out, e));
    EXPECT_EQ(CombineRgn(out, e, e, RGN_XOR), NULLREGION);
}

TEST(PolygonRegions, AxisAlignedPolygonsAreRectangles) {
    Regions keep;
    // An axis-aligned polygon is the rectangle it outlines, in either winding direction.
    POINT square[] = {{1, 1}, {4, 1}, {4, 3}, {1, 3}};
    EXPECT_TRUE(EqualRgn(keep(CreatePolygonRgn(square, 4, ALTERNATE)), keep(CreateRectRgn(1, 1, 4, 3))));
    POINT backwards[] = {{1, 1}, {1, 3}, {4, 3}, {4, 1}};
    EXPECT_TRUE(EqualRgn(keep(CreatePolygonRgn(backwards, 4, WINDING)), keep(CreateRectRgn(1, 1, 4, 3))));
}

TEST(PolygonRegions, AlternateAndWindingDifferWhereTheOutlineCrossesItself) {
    Regions keep;
    // A five-pointed star drawn in one stroke: its middle is wound twice.
    POINT star[] = {{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
    HRGN alternate = keep(CreatePolygonRgn(star, 5, ALTERNATE));
    HRGN winding = keep(CreatePolygonRgn(star, 5, WINDING));
    EXPECT_FALSE(PtInRegion(alternate, 10, 10));
    EXPECT_TRUE(PtInRegion(winding, 10, 10));
    EXPECT_TRUE(PtInRegion(alternate, 10, 3));  // a tip is in both
    EXPECT_TRUE(PtInRegion(winding, 10, 3));
    HRGN difference = keep(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(CombineRgn(difference, alternate, winding, RGN_DIFF), NULLREGION);  // alternate is inside winding

    // A rectangle outlined twice: every row is crossed twice on each side.
    POINT twice[] = {{0, 0}, {6, 0}, {6, 4}, {0, 4}, {0, 0}, {6, 0}, {6, 4}, {0, 4}};
    RECT b{};
    EXPECT_EQ(GetRgnBox(keep(CreatePolygonRgn(twice, 8, ALTERNATE)), &b), NULLREGION);
    EXPECT_TRUE(EqualRgn(keep(CreatePolygonRgn(twice, 8, WINDING)), keep(CreateRectRgn(0, 0, 6, 4))));
}

TEST(PolygonRegions, BadArgumentsFail) {
    POINT pts[] = {{0, 0}, {5, 0}, {0, 5}};
    EXPECT_EQ(CreatePolygonRgn(nullptr, 3, ALTERNATE), nullptr);
    EXPECT_EQ(CreatePolygonRgn(pts, 1, ALTERNATE), nullptr);
    EXPECT_EQ(CreatePolygonRgn(pts, 3, 0), nullptr);
    EXPECT_EQ(CreatePolygonRgn(pts, 3, 3), nullptr);
    POINT tall[] = {{0, -2000000000}, {5, 2000000000}, {-5, 2000000000}};
    EXPECT_EQ(CreatePolygonRgn(tall, 3, ALTERNATE), nullptr);
}

TEST(CurvedRegions, StaleHandlesFailAndNothingLeaks) {
    std::size_t before = LiveGdiObjectCount();
    HRGN e = CreateEllipticRgn(0, 0, 10, 10);
    HRGN r = CreateRoundRectRgn(0, 0, 10, 10, 4, 4);
    HRGN out = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(LiveGdiObjectCount(), before + 3);
    EXPECT_TRUE(DeleteObject(e));
    EXPECT_EQ(CombineRgn(out, e, r, RGN_OR), ERROR);
    EXPECT_EQ(CombineRgn(out, r, e, RGN_AND), ERROR);
    EXPECT_EQ(OffsetRgn(e, 1, 1), ERROR);
    EXPECT_FALSE(PtInRegion(e, 5, 5));
    EXPECT_EQ(EqualRgn(e, r), ERROR);
    DeleteObject(r);
    DeleteObject(out);
    EXPECT_EQ(LiveGdiObjectCount(), before);
}
