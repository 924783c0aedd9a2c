// Paths: the open / closed / consumed life of a path on a device context, and regions made
// from paths matching the polygon regions of the same points.
#include "support/canvas.h"

#include <vector>

using namespace ulmaro::platform;
using ulmaro::test::sameRegion;

namespace {

struct Context {
    HDC dc = CreateCompatibleDC(nullptr);
    ~Context() { DeleteDC(dc); }
};

// Records a closed outline through the points as the current path of dc.
void outline(HDC dc, const std::vector<POINT>& pts) {
    MoveToEx(dc, pts[0].x, pts[0].y, nullptr);
    for (std::size_t i = 1; i < pts.size(); ++i) LineTo(dc, pts[i].x, pts[i].y);
}

}  // namespace

TEST(Paths, RegionOfAPathIsThePolygonRegionInTheContextsFillMode) {
    Context c;
    const std::vector<POINT> star = {{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
    for (int mode : {ALTERNATE, WINDING}) {
        SetPolyFillMode(c.dc, mode);
        ASSERT_TRUE(BeginPath(c.dc));
        outline(c.dc, star);
        ASSERT_TRUE(EndPath(c.dc));
        HRGN fromPath = PathToRegion(c.dc);
        ASSERT_NE(fromPath, nullptr);
        EXPECT_EQ(PtInRegion(fromPath, 10, 10), mode == WINDING);
        EXPECT_TRUE(sameRegion(fromPath, CreatePolygonRgn(star.data(), static_cast<int>(star.size()), mode))) << mode;
    }
}

TEST(Paths, EachMoveStartsAFigure) {
    Context c;
    BeginPath(c.dc);
    outline(c.dc, {{0, 0}, {4, 0}, {4, 3}, {0, 3}});
    outline(c.dc, {{10, 5}, {12, 5}, {12, 9}, {10, 9}});
    EndPath(c.dc);
    HRGN both = CreateRectRgn(0, 0, 4, 3);
    HRGN second = CreateRectRgn(10, 5, 12, 9);
    CombineRgn(both, both, second, RGN_OR);
    DeleteObject(second);
    EXPECT_TRUE(sameRegion(PathToRegion(c.dc), both));
}

TEST(Paths, LinesThatStartAPathStartAtTheCurrentPosition) {
    Context c;
    MoveToEx(c.dc, 2, 2, nullptr);  // before the path: only moves the pen
    BeginPath(c.dc);
    LineTo(c.dc, 8, 2);
    LineTo(c.dc, 8, 6);
    LineTo(c.dc, 2, 6);
    EndPath(c.dc);
    EXPECT_TRUE(sameRegion(PathToRegion(c.dc), CreateRectRgn(2, 2, 8, 6)));
}

TEST(Paths, PhasesAndFailures) {
    Context c;
    // Nothing to end, nothing to convert.
    EXPECT_FALSE(EndPath(c.dc));
    EXPECT_EQ(PathToRegion(c.dc), nullptr);
    // An open path cannot be converted until it is ended.
    BeginPath(c.dc);
    outline(c.dc, {{0, 0}, {5, 0}, {5, 5}});
    EXPECT_EQ(PathToRegion(c.dc), nullptr);
    EXPECT_TRUE(EndPath(c.dc));
    EXPECT_FALSE(EndPath(c.dc));  // already ended
    HRGN r = PathToRegion(c.dc);
    EXPECT_NE(r, nullptr);
    DeleteObject(r);
    EXPECT_EQ(PathToRegion(c.dc), nullptr);  // the region used the path up

    // AbortPath throws the open path away.
    BeginPath(c.dc);
    outline(c.dc, {{0, 0}, {5, 0}, {5, 5}});
    EXPECT_TRUE(AbortPath(c.dc));
    EXPECT_FALSE(EndPath(c.dc));

    // A second BeginPath starts afresh.
    BeginPath(c.dc);
    outline(c.dc, {{0, 0}, {50, 0}, {50, 50}, {0, 50}});
    BeginPath(c.dc);
    outline(c.dc, {{1, 1}, {3, 1}, {3, 3}, {1, 3}});
    EndPath(c.dc);
    EXPECT_TRUE(sameRegion(PathToRegion(c.dc), CreateRectRgn(1, 1, 3, 3)));

    // Paths belong to their context.
    Context other;
    BeginPath(c.dc);
    outline(c.dc, {{0, 0}, {5, 0}, {5, 5}});
    EXPECT_FALSE(EndPath(other.dc));
    EXPECT_TRUE(AbortPath(c.dc));
}
