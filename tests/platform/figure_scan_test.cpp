// The scan conversion that drawn figures, regions and paths share: flat ellipses closed up
// to their box, several figures of one path adding up by the fill mode, and slanted edges
// from far-off vertices crossing each row exactly where the pixel rule puts them.
#include "support/canvas.h"

#include <cstdint>
#include <vector>

using namespace ulmaro::platform;
using ulmaro::test::Canvas;
using ulmaro::test::Tools;
using ulmaro::test::sameRegion;

namespace {

constexpr COLORREF kPen = RGB(0, 0, 200);

// The first pixel at or right of x0 + (y - y0) * dx / dy, with dy > 0.
std::int64_t crossing(std::int64_t x0, std::int64_t y0, std::int64_t dx, std::int64_t dy, std::int64_t y) {
    const __int128 n = static_cast<__int128>(y - y0) * dx;
    const __int128 q = n >= 0 ? (n + dy - 1) / dy : -((-n) / dy);
    return x0 + static_cast<std::int64_t>(q);
}

HRGN rect(int l, int t, int r, int b) { return CreateRectRgn(l, t, r, b); }

HRGN combined(HRGN a, HRGN b, int mode) {
    HRGN out = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(out, a, b, mode);
    DeleteObject(a);
    DeleteObject(b);
    return out;
}

// The region of a path holding the two squares [0, 6) x [0, 6) and [3, 9) x [3, 9), the
// second one outlined clockwise or anticlockwise.
HRGN twoSquares(HDC dc, int mode, bool sameDirection) {
    SetPolyFillMode(dc, mode);
    BeginPath(dc);
    const POINT first[] = {{0, 0}, {6, 0}, {6, 6}, {0, 6}};
    const POINT second[] = {{3, 3}, {9, 3}, {9, 9}, {3, 9}};
    MoveToEx(dc, first[0].x, first[0].y, nullptr);
    for (const POINT& p : first) LineTo(dc, p.x, p.y);
    MoveToEx(dc, second[0].x, second[0].y, nullptr);
    for (int i = 0; i < 4; ++i) {
        const POINT& p = second[sameDirection ? i : (4 - i) % 4];
        LineTo(dc, p.x, p.y);
    }
    EndPath(dc);
    return PathToRegion(dc);
}

}  // namespace

// However flat, a drawn ellipse's outline touches all four sides of its box, covers every
// row and column in between, and nothing outside.
TEST(EllipseOutline, ReachesEverySideOfItsBox) {
    for (int w = 3; w <= 20; ++w) {
        for (int h = 3; h <= 20; ++h) {
            Canvas c(w + 4, h + 4);
            Tools t(c.dc, kPen);
            Ellipse(c.dc, 2, 2, 2 + w, 2 + h);
            std::vector<bool> row(static_cast<std::size_t>(h + 4)), column(static_cast<std::size_t>(w + 4));
            for (int y = 0; y < h + 4; ++y)
                for (int x = 0; x < w + 4; ++x)
                    if (c.at(x, y) == kPen) row[static_cast<std::size_t>(y)] = column[static_cast<std::size_t>(x)] = true;
            for (int y = 0; y < h + 4; ++y) ASSERT_EQ(row[static_cast<std::size_t>(y)], y >= 2 && y < 2 + h) << w << "x" << h << " row " << y;
            for (int x = 0; x < w + 4; ++x) ASSERT_EQ(column[static_cast<std::size_t>(x)], x >= 2 && x < 2 + w) << w << "x" << h << " column " << x;
        }
    }
}

// Overlapping figures of one path: by the winding rule figures going the same way add up
// and opposite ones cancel; by the alternate rule the overlap is always out.
TEST(PathFigures, AddUpByTheFillMode) {
    Canvas c(4, 4);
    auto both = [] { return combined(rect(0, 0, 6, 6), rect(3, 3, 9, 9), RGN_OR); };
    auto either = [] { return combined(rect(0, 0, 6, 6), rect(3, 3, 9, 9), RGN_XOR); };
    EXPECT_TRUE(sameRegion(twoSquares(c.dc, WINDING, true), both()));
    EXPECT_TRUE(sameRegion(twoSquares(c.dc, WINDING, false), either()));
    EXPECT_TRUE(sameRegion(twoSquares(c.dc, ALTERNATE, true), either()));
    EXPECT_TRUE(sameRegion(twoSquares(c.dc, ALTERNATE, false), either()));
}

// Edges from vertices near the ends of the coordinate range, leaning either way, cross each
// row at the first pixel at or right of the exact crossing: in regions and in drawn
// polygons alike.
TEST(PolygonEdges, FarVerticesCrossEachRowExactly) {
    for (LONG farX : {-2000000000, 1999999999}) {
        // A region a thousand rows tall whose left edge runs from (farX, -1000) to (3, 61).
        const POINT tall[] = {{farX, -1000}, {2000000000, -1000}, {2000000000, 61}, {3, 61}};
        HRGN r = CreatePolygonRgn(tall, 4, ALTERNATE);
        ASSERT_NE(r, nullptr);
        for (int y = -1000; y < 61; ++y) {
            const std::int64_t x = crossing(farX, -1000, 3 - std::int64_t{farX}, 1061, y);
            ASSERT_TRUE(PtInRegion(r, static_cast<int>(x), y)) << farX << " row " << y;
            ASSERT_FALSE(PtInRegion(r, static_cast<int>(x - 1), y)) << farX << " row " << y;
        }
        DeleteObject(r);

        // A drawn triangle whose left edge comes from a billion rows above and crosses the
        // canvas at a slope of about two, to the right or to the left.
        const POINT near{farX < 0 ? 200 : -100, 100};
        const POINT triangle[] = {{farX, -1000000000}, near, {2000000000, 100}};
        Canvas c(96, 64);
        Tools t(c.dc, -1, kPen);
        Polygon(c.dc, triangle, 3);
        int rowsChecked = 0;
        for (int y = 0; y < 64; ++y) {
            const std::int64_t x = crossing(farX, -1000000000, std::int64_t{near.x} - farX, std::int64_t{near.y} + 1000000000, y);
            if (x < 1 || x >= 96) continue;
            EXPECT_EQ(c.at(static_cast<int>(x), y), kPen) << farX << " row " << y;
            EXPECT_NE(c.at(static_cast<int>(x - 1), y), kPen) << farX << " row " << y;
            ++rowsChecked;
        }
        EXPECT_GT(rowsChecked, 40) << farX;
    }
}
