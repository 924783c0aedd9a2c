// Lines, polylines, the current position and pens: which pixels a line covers, what the
// raster operation does to them, and what happens while a path is being built.
#include "support/canvas.h"

#include "platform/gdi/objects.h"

#include <random>
#include <set>
#include <utility>

using namespace ulmaro::platform;
using ulmaro::test::Canvas;
using ulmaro::test::rows;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

struct PenScope {
    HDC dc;
    HPEN pen;
    HGDIOBJ old;
    PenScope(HDC d, int style, int width, COLORREF c) : dc(d), pen(CreatePen(style, width, c)), old(SelectObject(d, pen)) {}
    ~PenScope() {
        SelectObject(dc, old);
        DeleteObject(pen);
    }
};

std::set<std::pair<int, int>> inked(const Canvas& c, COLORREF ink) {
    std::set<std::pair<int, int>> s;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.at(x, y) == ink) s.insert({x, y});
    return s;
}

}  // namespace

TEST(Lines, LastPixelIsLeftOutInEveryDirection) {
    Canvas c(7, 7);
    PenScope pen(c.dc, PS_SOLID, 1, kRed);
    MoveToEx(c.dc, 1, 1, nullptr);
    LineTo(c.dc, 5, 1);  // right: (5,1) left out
    MoveToEx(c.dc, 5, 5, nullptr);
    LineTo(c.dc, 5, 2);  // up: (5,2) left out
    MoveToEx(c.dc, 1, 5, nullptr);
    LineTo(c.dc, 4, 2);  // diagonal up-right: (4,2) left out
    EXPECT_EQ(c.mask(kRed), rows({".......",
                                  ".####..",
                                  ".......",
                                  "...#.#.",
                                  "..#..#.",
                                  ".#...#.",
                                  "......."}));
}

TEST(Lines, ZeroLengthLineDrawsNothingButMoves) {
    Canvas c(4, 4);
    PenScope pen(c.dc, PS_SOLID, 1, kRed);
    MoveToEx(c.dc, 2, 2, nullptr);
    EXPECT_TRUE(LineTo(c.dc, 2, 2));
    EXPECT_EQ(inked(c, kRed).size(), 0u);
}

// A line covers the same pixels whichever way it is drawn (apart from the end left out),
// including lines that pass exactly between two pixels.
TEST(Lines, SamePixelsInBothDirections) {
    std::mt19937 rng(0x5EED1);
    std::uniform_int_distribution<int> coord(0, 31);
    for (int iteration = 0; iteration < 300; ++iteration) {
        POINT a{coord(rng), coord(rng)}, b{coord(rng), coord(rng)};
        Canvas forward(32, 32), backward(32, 32);
        {
            PenScope pen(forward.dc, PS_SOLID, 1, kRed);
            MoveToEx(forward.dc, a.x, a.y, nullptr);
            LineTo(forward.dc, b.x, b.y);
            SetPixel(forward.dc, b.x, b.y, kRed);
        }
        {
            PenScope pen(backward.dc, PS_SOLID, 1, kRed);
            MoveToEx(backward.dc, b.x, b.y, nullptr);
            LineTo(backward.dc, a.x, a.y);
            SetPixel(backward.dc, a.x, a.y, kRed);
        }
        ASSERT_EQ(inked(forward, kRed), inked(backward, kRed))
            << "iteration " << iteration << ": (" << a.x << "," << a.y << ")-(" << b.x << "," << b.y << ")";
    }
}

// Lines that pass exactly half way between two pixels take the upper or left one.
TEST(Lines, HalfwayPixelsGoToTheSmallerCoordinate) {
    Canvas c(6, 3);
    PenScope pen(c.dc, PS_SOLID, 1, kRed);
    MoveToEx(c.dc, 0, 0, nullptr);
    LineTo(c.dc, 4, 2);  // y = x / 2: x = 1 and x = 3 fall half way
    EXPECT_EQ(c.mask(kRed), rows({"##....",
                                  "..##..",
                                  "......"}));
}

TEST(Lines, FarEndpointsAreClippedQuickly) {
    Canvas c(8, 8);
    PenScope pen(c.dc, PS_SOLID, 1, kRed);
    MoveToEx(c.dc, -1000000000, 3, nullptr);
    LineTo(c.dc, 1000000000, 3);
    MoveToEx(c.dc, 5, -2000000000, nullptr);
    LineTo(c.dc, 5, 2000000000);
    auto s = inked(c, kRed);
    EXPECT_EQ(s.size(), 15u);  // row 3 and column 5, sharing one pixel
    EXPECT_TRUE(s.count({0, 3}) && s.count({7, 3}) && s.count({5, 0}) && s.count({5, 7}));
}

TEST(Lines, CurrentPosition) {
    Canvas c(4, 4);
    POINT p{-1, -1};
    EXPECT_TRUE(MoveToEx(c.dc, 3, 1, &p));
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
    EXPECT_TRUE(LineTo(c.dc, 1, 2));
    ASSERT_TRUE(GetCurrentPositionEx(c.dc, &p));
    EXPECT_EQ(p.x, 1);
    EXPECT_EQ(p.y, 2);
    const POINT poly[] = {{0, 0}, {3, 3}};
    EXPECT_TRUE(Polyline(c.dc, poly, 2));  // Polyline leaves the position alone
    GetCurrentPositionEx(c.dc, &p);
    EXPECT_EQ(p.x, 1);
    EXPECT_EQ(p.y, 2);
}

TEST(Lines, NullPenDrawsNothingButMoves) {
    Canvas c(5, 5);
    HGDIOBJ old = SelectObject(c.dc, GetStockObject(NULL_PEN));
    MoveToEx(c.dc, 0, 0, nullptr);
    LineTo(c.dc, 4, 4);
    POINT p{};
    GetCurrentPositionEx(c.dc, &p);
    EXPECT_EQ(p.x, 4);
    EXPECT_EQ(inked(c, kWhite).size(), 25u);
    SelectObject(c.dc, old);
}

TEST(Lines, RasterOperations) {
    Canvas c(4, 3, RGB(0x10, 0x20, 0x30));
    PenScope pen(c.dc, PS_SOLID, 1, RGB(0xF0, 0x0F, 0x55));
    EXPECT_EQ(SetROP2(c.dc, R2_XORPEN), R2_COPYPEN);
    MoveToEx(c.dc, 0, 0, nullptr);
    LineTo(c.dc, 4, 0);
    EXPECT_EQ(c.at(0, 0), RGB(0x10 ^ 0xF0, 0x20 ^ 0x0F, 0x30 ^ 0x55));
    MoveToEx(c.dc, 0, 0, nullptr);
    LineTo(c.dc, 4, 0);  // xor twice restores
    EXPECT_EQ(c.at(3, 0), RGB(0x10, 0x20, 0x30));
    SetROP2(c.dc, R2_NOT);
    MoveToEx(c.dc, 0, 1, nullptr);
    LineTo(c.dc, 4, 1);
    EXPECT_EQ(c.at(2, 1), RGB(0xEF, 0xDF, 0xCF));
    SetROP2(c.dc, R2_BLACK);
    MoveToEx(c.dc, 0, 2, nullptr);
    LineTo(c.dc, 2, 2);
    EXPECT_EQ(c.at(1, 2), RGB(0, 0, 0));
    EXPECT_EQ(c.at(2, 2), RGB(0x10, 0x20, 0x30));  // guard: the end pixel
}

// A polyline drawn with xor touches each vertex once: every segment leaves out its end.
TEST(Lines, XorPolylineTouchesVerticesOnce) {
    Canvas c(6, 6);
    PenScope pen(c.dc, PS_SOLID, 1, RGB(255, 255, 255));
    SetROP2(c.dc, R2_XORPEN);
    const POINT pts[] = {{1, 1}, {4, 1}, {4, 4}, {1, 4}, {1, 1}};
    Polyline(c.dc, pts, 5);
    EXPECT_EQ(c.mask(RGB(0, 0, 0)), rows({"......",
                                          ".####.",
                                          ".#..#.",
                                          ".#..#.",
                                          ".####.",
                                          "......"}));
}

// A wide line is a band as wide as the pen, centred on the line, with a round nib at both
// ends (which the last-pixel rule of thin lines does not touch).
TEST(Lines, WidePenHasRoundEnds) {
    Canvas c(12, 9);
    PenScope pen(c.dc, PS_SOLID, 5, kRed);
    MoveToEx(c.dc, 3, 4, nullptr);
    LineTo(c.dc, 8, 4);
    EXPECT_EQ(c.mask(kRed), rows({"............",
                                  "............",
                                  "..########..",
                                  ".##########.",
                                  ".##########.",
                                  ".##########.",
                                  "..########..",
                                  "............",
                                  "............"}));
}

TEST(Lines, EvenWidthPenCoversTheRowsAboveMore) {
    Canvas c(10, 8);
    PenScope pen(c.dc, PS_SOLID, 2, kRed);
    MoveToEx(c.dc, 2, 4, nullptr);
    LineTo(c.dc, 7, 4);
    EXPECT_EQ(c.mask(kRed), rows({"..........",
                                  "..........",
                                  "..........",
                                  ".#######..",
                                  ".#######..",
                                  "..........",
                                  "..........",
                                  ".........."}));
}

// A wide polyline is painted as one area: xor leaves no holes where segments overlap.
TEST(Lines, WideXorPolylineIsPaintedOnce) {
    Canvas c(16, 16, RGB(0, 0, 0));
    PenScope pen(c.dc, PS_SOLID, 3, RGB(255, 255, 255));
    SetROP2(c.dc, R2_XORPEN);
    const POINT pts[] = {{2, 2}, {12, 2}, {12, 12}, {3, 6}};
    Polyline(c.dc, pts, 4);
    Canvas copy(16, 16, RGB(0, 0, 0));
    PenScope pen2(copy.dc, PS_SOLID, 3, RGB(255, 255, 255));
    Polyline(copy.dc, pts, 4);
    EXPECT_EQ(c.pixels(), copy.pixels());
}

TEST(Lines, ClippedByTheClipRegion) {
    Canvas c(8, 3);
    PenScope pen(c.dc, PS_SOLID, 1, kRed);
    HRGN clip = CreateRectRgn(2, 0, 5, 3);
    SelectClipRgn(c.dc, clip);
    DeleteObject(clip);
    MoveToEx(c.dc, 0, 1, nullptr);
    LineTo(c.dc, 8, 1);
    SelectClipRgn(c.dc, nullptr);
    EXPECT_EQ(c.mask(kRed), rows({"........",
                                  "..###...",
                                  "........"}));
}

TEST(Lines, MonochromeSurfaceTakesTheNearestOfBlackAndWhite) {
    Canvas c(4, 1, RGB(0, 0, 0), true);
    PenScope pen(c.dc, PS_SOLID, 1, RGB(200, 220, 180));
    MoveToEx(c.dc, 0, 0, nullptr);
    LineTo(c.dc, 3, 0);
    EXPECT_EQ(c.at(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(c.at(3, 0), RGB(0, 0, 0));
}

TEST(Lines, WhileAPathIsOpenLinesAreRecorded) {
    Canvas c(8, 8);
    PenScope pen(c.dc, PS_SOLID, 1, kRed);
    auto* dc = ulmaro::platform::detail::lookupDc(c.dc);
    ASSERT_NE(dc, nullptr);
    dc->path.phase = ulmaro::platform::detail::PathState::Phase::Open;
    MoveToEx(c.dc, 1, 1, nullptr);
    LineTo(c.dc, 6, 1);
    LineTo(c.dc, 6, 6);
    const POINT more[] = {{0, 7}, {7, 7}};
    Polyline(c.dc, more, 2);
    dc->path.phase = ulmaro::platform::detail::PathState::Phase::None;
    EXPECT_EQ(inked(c, kRed).size(), 0u);
    const std::vector<BYTE> types{PT_MOVETO, PT_LINETO, PT_LINETO, PT_MOVETO, PT_LINETO};
    EXPECT_EQ(dc->path.types, types);
    ASSERT_EQ(dc->path.points.size(), 5u);
    EXPECT_EQ(dc->path.points[2].x, 6);
    EXPECT_EQ(dc->path.points[2].y, 6);
    EXPECT_EQ(dc->path.points[3].x, 0);
    POINT p{};
    GetCurrentPositionEx(c.dc, &p);
    EXPECT_EQ(p.x, 6);  // Polyline did not move it
    EXPECT_EQ(p.y, 6);
}

TEST(Lines, StaleAndWrongHandlesFail) {
    Canvas c(2, 2);
    HDC gone = CreateCompatibleDC(nullptr);
    DeleteDC(gone);
    EXPECT_FALSE(MoveToEx(gone, 0, 0, nullptr));
    EXPECT_FALSE(LineTo(gone, 1, 1));
    POINT p{};
    EXPECT_FALSE(GetCurrentPositionEx(gone, &p));
    EXPECT_FALSE(LineTo(reinterpret_cast<HDC>(c.bmp), 1, 1));
    const POINT pts[] = {{0, 0}, {1, 1}};
    EXPECT_FALSE(Polyline(gone, pts, 2));
    EXPECT_FALSE(Polyline(c.dc, pts, 1));
    EXPECT_FALSE(Polyline(c.dc, nullptr, 2));
}
