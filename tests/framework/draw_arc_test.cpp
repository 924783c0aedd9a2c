// DrawArc: the points it draws lines to, read back from the path the lines go into while a
// path is open, and what it draws on a canvas.
#include "framework/draw_arc.h"

#include "support/canvas.h"

#include <ulmaro/platform/host.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace ulmaro::platform;
using ulmaro::test::Canvas;

namespace {

// The points of the LineTo calls DrawArc makes, from a move to (cx, cy).
std::vector<POINT> arcPoints(int cx, int cy, int r, float start, float sweep) {
    Canvas c(64, 64);
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

}  // namespace

TEST(DrawArc, VisitsEveryFifteenDegreesFromTheStartAndEndsOnTheEnd) {
    struct Case {
        float start, sweep;
        std::vector<double> degrees;  // of the points drawn to: the start, the steps, the end again
    };
    const Case kCases[] = {
        {0.0f, 90.0f, {0, 0, 15, 30, 45, 60, 75, 90, 90}},  // the end is a step
        {0.0f, -30.0f, {0, 0, -15, -30, -30}},               // counter-clockwise
        {10.0f, 40.0f, {10, 10, 25, 40, 50}},                // the end between steps
        {45.0f, 0.0f, {}},                                   // nothing
        // 0.2 + 15 in single precision is exactly the end value, so the loop's second pass
        // lands on it and draws it (then the last step draws it once more).
        {0.2f, 15.0f, {0.2f, 0.2f, 0.2f + 15.0f, 0.2f + 15.0f}},
    };
    for (const Case& c : kCases) {
        const std::vector<POINT> got = arcPoints(32, 32, 20, c.start, c.sweep);
        ASSERT_EQ(got.size(), c.degrees.size()) << c.start << " " << c.sweep;
        for (std::size_t i = 0; i < got.size(); ++i) {
            const POINT want = at(32, 32, 20, c.degrees[i]);
            EXPECT_TRUE(got[i].x == want.x && got[i].y == want.y) << c.start << " " << c.sweep << ": point " << i;
        }
    }
}

// Positive angles turn clockwise on screen: the quarter from 0 to 90 lies below and right
// of the centre. A zero sweep neither draws nor moves.
TEST(DrawArc, DrawsWithTheCurrentPenAndEndsAtTheEnd) {
    Canvas c(64, 64);
    MoveToEx(c.dc, 5, 5, nullptr);
    ulmaro::DrawArc(c.dc, 30, 30, 20, 45.0f, 0.0f);
    POINT p{};
    GetCurrentPositionEx(c.dc, &p);
    EXPECT_EQ(p.x, 5);
    EXPECT_EQ(c.mask(RGB(0, 0, 0)).find('#'), std::string::npos);
    MoveToEx(c.dc, 50, 30, nullptr);
    ulmaro::DrawArc(c.dc, 30, 30, 20, 0.0f, 90.0f);
    const POINT mid = at(30, 30, 20, 45);
    EXPECT_EQ(c.at(50, 30), RGB(0, 0, 0));
    EXPECT_EQ(c.at(mid.x, mid.y), RGB(0, 0, 0));
    EXPECT_EQ(c.at(10, 30), RGB(255, 255, 255));  // the opposite side is untouched
    GetCurrentPositionEx(c.dc, &p);
    EXPECT_EQ(p.x, 30);
    EXPECT_EQ(p.y, 50);
}
