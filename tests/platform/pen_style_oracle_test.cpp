// Pens against the real platform's pictures: dashed one-pixel pens (every style on lines in
// every direction and on figure outlines, opaque and transparent background, the alternate
// pen, a wide dashed pen drawn solid, a raster operation on the gaps) and wide pens on
// small ellipses.
#include "oracle_support.h"
#include "support/canvas.h"

using namespace ulmaro::platform;
using namespace ulmaro::test;

namespace {

void line(HDC dc, POINT a, POINT b) { lines(dc, {a, b}); }

void drawDashedLines(HDC dc) {
    SetBkColor(dc, RGB(0, 200, 0));
    SetBkMode(dc, OPAQUE);
    for (int i = 0; i < 4; ++i) {
        Tools t(dc, RGB(0, 0, 160), -1, 1, PS_DASH + i);
        line(dc, {-5, 2 + 3 * i}, {60, 2 + 3 * i});
        line(dc, {60, 14 + 3 * i}, {1, 14 + 3 * i});
        line(dc, {64 + 3 * i, 2}, {64 + 3 * i, 62});
        line(dc, {77 + 3 * i, 62}, {77 + 3 * i, 1});
    }
    const POINT diagonals[5][2] = {{{2, 27}, {58, 35}}, {{58, 38}, {2, 46}}, {{2, 62}, {20, 30}}, {{40, 30}, {24, 62}}, {{44, 62}, {60, 40}}};
    for (int i = 0; i < 5; ++i) {
        Tools t(dc, RGB(160, 0, 0), -1, 1, PS_DASH + i % 4);
        line(dc, diagonals[i][0], diagonals[i][1]);
    }
    // Each LineTo starts the pattern afresh; one Polyline runs it on.
    Tools t(dc, RGB(0, 0, 0), -1, 1, PS_DASHDOT);
    lines(dc, {{90, 2}, {90, 13}, {90, 40}, {90, 62}});
    const POINT pl[4] = {{93, 2}, {93, 13}, {93, 40}, {93, 62}};
    Polyline(dc, pl, 4);
}

void drawDashedShapes(HDC dc) {
    SetBkColor(dc, RGB(0, 200, 0));
    SetBkMode(dc, OPAQUE);
    {
        Tools t(dc, RGB(0, 0, 160), -1, 1, PS_DASH);
        Rectangle(dc, 2, 2, 30, 20);
    }
    {
        Tools t(dc, RGB(0, 0, 160), RGB(250, 220, 0), 1, PS_DOT);
        Ellipse(dc, 34, 2, 63, 21);
    }
    {
        Tools t(dc, RGB(160, 0, 0), -1, 1, PS_DASHDOTDOT);
        RoundRect(dc, 66, 2, 94, 22, 10, 7);
    }
    {
        Tools t(dc, RGB(160, 0, 0), RGB(250, 220, 0), 1, PS_DASHDOT);
        const POINT triangle[3] = {{4, 26}, {28, 30}, {10, 44}};
        Polygon(dc, triangle, 3);
        SetBkMode(dc, TRANSPARENT);
        Rectangle(dc, 34, 26, 60, 44);
    }
    {
        Tools t(dc, RGB(0, 0, 160), RGB(250, 220, 0), 1, PS_DASH);
        Ellipse(dc, 64, 26, 93, 47);
    }
    {
        Tools t(dc, RGB(0, 0, 160), RGB(250, 220, 0), 1, PS_DOT);
        Ellipse(dc, 2, 48, 12, 58);
    }
    SetBkMode(dc, OPAQUE);
    {
        // The alternate pen: every other pixel.
        const LOGBRUSH lb = {BS_SOLID, RGB(0, 0, 0), 0};
        HPEN alternate = ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &lb, 0, nullptr);
        Tools t(dc, -1, RGB(250, 220, 0));
        SelectObject(dc, alternate);
        Rectangle(dc, 16, 48, 41, 62);
        Ellipse(dc, 44, 48, 70, 61);
        lines(dc, {{74, 54}, {79, 54}, {94, 54}});
        SelectObject(dc, t.oldPen);
        DeleteObject(alternate);
    }
    {
        Tools t(dc, RGB(0, 0, 160), -1, 2, PS_DASH);
        line(dc, {74, 50}, {94, 50});
    }
    Tools t(dc, RGB(0, 0, 160), -1, 1, PS_DOT);
    SetROP2(dc, R2_NOT);
    line(dc, {74, 58}, {94, 58});
    SetROP2(dc, R2_COPYPEN);
}

// Wide pens (2 to 5 pixels) on small circles and ellipses, with and without a brush.
void drawWideSmallEllipses(HDC dc) {
    HBRUSH yellow = CreateSolidBrush(RGB(250, 220, 0));
    const int sizes[7] = {2, 3, 4, 5, 6, 8, 11};
    for (int row = 0; row < 4; ++row) {
        const int w = row + 2;
        HPEN pen = CreatePen(PS_SOLID, w, RGB(0, 0, 160));
        HGDIOBJ oldPen = SelectObject(dc, pen);
        int x = 1 + w / 2;
        const int y = 1 + row * 16 + w / 2;
        for (int i = 0; i < 7; ++i) {
            HGDIOBJ oldBrush = SelectObject(dc, i % 2 ? yellow : GetStockObject(NULL_BRUSH));
            const int h = row % 2 ? sizes[i] : sizes[i] - i / 2;
            Ellipse(dc, x, y, x + sizes[i], y + h);
            SelectObject(dc, oldBrush);
            x += sizes[i] + w + 3;
        }
        SelectObject(dc, oldPen);
        DeleteObject(pen);
    }
    DeleteObject(yellow);
}

}  // namespace

TEST(PenStyleOracle, WidePensOnSmallEllipses) { expectMatchesOracle("wide_ellipses", drawWideSmallEllipses); }
TEST(PenStyleOracle, DashedLines) { expectMatchesOracle("dash_lines", drawDashedLines); }
TEST(PenStyleOracle, DashedShapes) { expectMatchesOracle("dash_shapes", drawDashedShapes); }

TEST(PenStyleOracle, ExtCreatePenTakesOnlyCosmeticSolidBrushPens) {
    const LOGBRUSH solid = {BS_SOLID, RGB(1, 2, 3), 0}, hollow = {BS_NULL, 0, 0};
    const DWORD user[2] = {4, 2};
    EXPECT_EQ(ExtCreatePen(PS_GEOMETRIC | PS_DASH, 1, &solid, 0, nullptr), nullptr);
    EXPECT_EQ(ExtCreatePen(PS_COSMETIC | PS_DOT, 2, &solid, 0, nullptr), nullptr);
    EXPECT_EQ(ExtCreatePen(PS_COSMETIC | PS_DOT, 1, &hollow, 0, nullptr), nullptr);
    EXPECT_EQ(ExtCreatePen(PS_COSMETIC | 7, 1, &solid, 2, user), nullptr);
    EXPECT_EQ(ExtCreatePen(PS_COSMETIC, 1, nullptr, 0, nullptr), nullptr);
    HPEN p = ExtCreatePen(PS_COSMETIC | PS_DASHDOT, 1, &solid, 0, nullptr);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(GetObjectType(p), static_cast<DWORD>(OBJ_PEN));
    DeleteObject(p);
}
