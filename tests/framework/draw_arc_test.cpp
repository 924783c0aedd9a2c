// DrawArc: the points it draws lines to, read back from the path the lines go into while a
// path is open, and what it draws on a canvas.
#include "framework/draw_arc.h"


#include <ulmaro/platform/host.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace ulmaro::platform;

namespace {

struct Canvas {
    HDC dc;
    HBITMAP bmp;
    HGDIOBJ old;
    Canvas() {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bmp = CreateCompatibleBitmap(screen, 64, 64);
        ReleaseDC(nullptr, screen);
        old = SelectObject(dc, bmp);
        RECT all{0, 0, 64, 64};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~Canvas() {
        SelectObject(dc, old);
        DeleteObject(bmp);
        DeleteDC(dc);
    }
};

// The points of the LineTo calls DrawArc makes, from a move to (cx, cy).
std::vector<POINT> arcPoints(int cx, int cy, int r, float start, float sweep) {
    Canvas c;
    BeginPath(c.dc);
    MoveToEx(c.dc, cx, cy, nullptr);
    ulmaro::DrawArc(c.dc, cx, cy, r, start, sweep);
    EndPath(c.dc);
    const int n = GetPath(c.dc, nullptr, nullptr, 0);
    std::vector<POINT> pts(static_cast<std::size_t>(std::max(n, 0)));
    std::vector<BYTE> types(pts.size());
    GetPath(c.dc, pts.data(), types.data(), n);
    if (!pts.empty()) pts.erase(pts.begin());
    return pts;
}

// The point at `deg` degrees, rounded to nearest with halves to even.
POINT at(int cx, int cy, int r, double deg) {
    const double rad = deg * 3.1415926535 / 180.0;
    return POINT{static_cast<LONG>(std::nearbyint(cx + r * std::cos(rad))), static_cast<LONG>(std::nearbyint(cy + r * std::sin(rad)))};
}

void expectPoints(const std::vector<POINT>& got, const std::vector<double>& degrees, int cx, int cy, int r) {
    ASSERT_EQ(got.size(), degrees.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        const POINT want = at(cx, cy, r, degrees[i]);
        EXPECT_EQ(got[i].x, want.x) << "point " << i << " at " << degrees[i];
        EXPECT_EQ(got[i].y, want.y) << "point " << i << " at " << degrees[i];
    }
}

}  // namespace

TEST(DrawArc, QuarterVisitsEveryFifteenDegreesAndEndsOnTheEnd) {
    // The start, then 0, 15, ..., 90 (the end is a step), then the end again.
    expectPoints(arcPoints(30, 30, 20, 0.0f, 90.0f), {0, 0, 15, 30, 45, 60, 75, 90, 90}, 30, 30, 20);
}

TEST(DrawArc, NegativeSweepRunsCounterClockwise) {
    expectPoints(arcPoints(30, 30, 20, 0.0f, -30.0f), {0, 0, -15, -30, -30}, 30, 30, 20);
}

TEST(DrawArc, EndBetweenStepsIsReachedByTheLastLine) {
    expectPoints(arcPoints(30, 30, 20, 10.0f, 40.0f), {10, 10, 25, 40, 50}, 30, 30, 20);
}

TEST(DrawArc, ZeroSweepDrawsNothing) {
    EXPECT_TRUE(arcPoints(30, 30, 20, 45.0f, 0.0f).empty());
    Canvas c;
    MoveToEx(c.dc, 5, 5, nullptr);
    ulmaro::DrawArc(c.dc, 30, 30, 20, 45.0f, 0.0f);
    POINT p{};
    GetCurrentPositionEx(c.dc, &p);
    EXPECT_EQ(p.x, 5);
    EXPECT_EQ(GetPixel(c.dc, 5, 5), RGB(255, 255, 255));
}

// Positive angles turn clockwise on screen: the quarter from 0 to 90 lies below and right
// of the centre.
TEST(DrawArc, DrawsWithTheCurrentPen) {
    Canvas c;
    MoveToEx(c.dc, 50, 30, nullptr);
    ulmaro::DrawArc(c.dc, 30, 30, 20, 0.0f, 90.0f);
    EXPECT_EQ(GetPixel(c.dc, 50, 30), RGB(0, 0, 0));  // on the arc at 0 degrees
    const POINT mid = at(30, 30, 20, 45);
    EXPECT_EQ(GetPixel(c.dc, mid.x, mid.y), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(c.dc, 30, 30), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(c.dc, 10, 30), RGB(255, 255, 255));  // the opposite side is untouched
    POINT p{};
    GetCurrentPositionEx(c.dc, &p);
    EXPECT_EQ(p.x, 30);
    EXPECT_EQ(p.y, 50);
}

TEST(DrawArc, TheCounterIsSinglePrecisionAndComparedOnEveryPass) {
    // 0.2 + 15 in single precision is exactly the end value, so the loop's second pass lands
    // on it and draws it (then step 4 draws it once more).
    const float start = 0.2f, end = start + 15.0f;
    const std::vector<POINT> pts = arcPoints(32, 32, 20, start, 15.0f);
    expectPoints(pts, {start, start, end, end}, 32, 32, 20);
}
