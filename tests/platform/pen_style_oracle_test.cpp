// Pens against the real platform's pictures: dashed one-pixel pens (every style on lines in
// every direction and on figure outlines, opaque and transparent background, the alternate
// pen, a wide dashed pen drawn solid, a raster operation on the gaps) and wide pens on
// small ellipses.
#include "oracle_support.h"

using namespace ulmaro::platform;
using ulmaro::test::expectMatchesOracle;

namespace {

void line(HDC dc, POINT a, POINT b) {
    MoveToEx(dc, a.x, a.y, nullptr);
    LineTo(dc, b.x, b.y);
}

void drawDashedLines(HDC dc) {
    SetBkColor(dc, RGB(0, 200, 0));
    SetBkMode(dc, OPAQUE);
    for (int i = 0; i < 4; ++i) {
        HPEN p = CreatePen(PS_DASH + i, 1, RGB(0, 0, 160));
        HGDIOBJ old = SelectObject(dc, p);
        line(dc, {-5, 2 + 3 * i}, {60, 2 + 3 * i});
        line(dc, {60, 14 + 3 * i}, {1, 14 + 3 * i});
        line(dc, {64 + 3 * i, 2}, {64 + 3 * i, 62});
        line(dc, {77 + 3 * i, 62}, {77 + 3 * i, 1});
        SelectObject(dc, old);
        DeleteObject(p);
    }
    const POINT diagonals[5][2] = {{{2, 27}, {58, 35}}, {{58, 38}, {2, 46}}, {{2, 62}, {20, 30}}, {{40, 30}, {24, 62}}, {{44, 62}, {60, 40}}};
    for (int i = 0; i < 5; ++i) {
        HPEN p = CreatePen(PS_DASH + i % 4, 1, RGB(160, 0, 0));
        HGDIOBJ old = SelectObject(dc, p);
        line(dc, diagonals[i][0], diagonals[i][1]);
        SelectObject(dc, old);
        DeleteObject(p);
    }
    // Each LineTo starts the pattern afresh; one Polyline runs it on.
    HPEN p = CreatePen(PS_DASHDOT, 1, RGB(0, 0, 0));
    HGDIOBJ old = SelectObject(dc, p);
    MoveToEx(dc, 90, 2, nullptr);
    LineTo(dc, 90, 13);
    LineTo(dc, 90, 40);
    LineTo(dc, 90, 62);
    const POINT pl[4] = {{93, 2}, {93, 13}, {93, 40}, {93, 62}};
    Polyline(dc, pl, 4);
    SelectObject(dc, old);
    DeleteObject(p);
}

HPEN alternatePen(COLORREF c) {
    const LOGBRUSH lb = {BS_SOLID, c, 0};
    return ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &lb, 0, nullptr);
}

void drawDashedShapes(HDC dc) {
    SetBkColor(dc, RGB(0, 200, 0));
    HBRUSH yellow = CreateSolidBrush(RGB(250, 220, 0));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    HPEN pens[5] = {CreatePen(PS_DASH, 1, RGB(0, 0, 160)), CreatePen(PS_DOT, 1, RGB(0, 0, 160)), CreatePen(PS_DASHDOT, 1, RGB(160, 0, 0)),
                    CreatePen(PS_DASHDOTDOT, 1, RGB(160, 0, 0)), alternatePen(RGB(0, 0, 0))};
    HGDIOBJ oldPen = SelectObject(dc, pens[0]);
    SetBkMode(dc, OPAQUE);
    Rectangle(dc, 2, 2, 30, 20);
    SelectObject(dc, pens[1]);
    SelectObject(dc, yellow);
    Ellipse(dc, 34, 2, 63, 21);
    SelectObject(dc, pens[3]);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, 66, 2, 94, 22, 10, 7);
    SelectObject(dc, pens[2]);
    SelectObject(dc, yellow);
    const POINT triangle[3] = {{4, 26}, {28, 30}, {10, 44}};
    Polygon(dc, triangle, 3);
    SetBkMode(dc, TRANSPARENT);
    Rectangle(dc, 34, 26, 60, 44);
    SelectObject(dc, pens[0]);
    Ellipse(dc, 64, 26, 93, 47);
    SelectObject(dc, pens[1]);
    Ellipse(dc, 2, 48, 12, 58);
    SetBkMode(dc, OPAQUE);
    SelectObject(dc, pens[4]);
    Rectangle(dc, 16, 48, 41, 62);
    Ellipse(dc, 44, 48, 70, 61);
    MoveToEx(dc, 74, 54, nullptr);
    LineTo(dc, 79, 54);
    LineTo(dc, 94, 54);
    HPEN wide = CreatePen(PS_DASH, 2, RGB(0, 0, 160));
    SelectObject(dc, wide);
    line(dc, {74, 50}, {94, 50});
    SelectObject(dc, pens[1]);
    SetROP2(dc, R2_NOT);
    line(dc, {74, 58}, {94, 58});
    SetROP2(dc, R2_COPYPEN);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    for (HPEN p : pens) DeleteObject(p);
    DeleteObject(wide);
    DeleteObject(yellow);
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
