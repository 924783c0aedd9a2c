// Curved regions, path regions and edges against the pictures the real platform drew for
// the same steps.
#include "oracle_support.h"
#include "support/canvas.h"

#include <cmath>
#include <initializer_list>

using namespace ulmaro::platform;
using ulmaro::test::expectMatchesOracle;

namespace {

// Fills the whole canvas through region r as the clip.
void show(HDC dc, HRGN r, COLORREF c) {
    SelectClipRgn(dc, r);
    ulmaro::test::fillRect(dc, {0, 0, 96, 64}, c);
    SelectClipRgn(dc, nullptr);
}

// A pie as a path of 15-degree chords from the centre, used as a clip for a fill.
void pie(HDC dc, int cx, int cy, int r, float start, float sweep, COLORREF c) {
    auto pt = [&](float a) {
        double rad = a * 3.1415926535 / 180.0;
        return POINT{static_cast<int>(std::nearbyint(cx + r * std::cos(rad))), static_cast<int>(std::nearbyint(cy + r * std::sin(rad)))};
    };
    BeginPath(dc);
    MoveToEx(dc, cx, cy, nullptr);
    POINT p = pt(start);
    LineTo(dc, p.x, p.y);
    float step = sweep > 0 ? 15.0f : -15.0f;
    for (float a = start; sweep > 0 ? a <= start + sweep : a >= start + sweep; a += step) {
        p = pt(a);
        LineTo(dc, p.x, p.y);
    }
    p = pt(start + sweep);
    LineTo(dc, p.x, p.y);
    LineTo(dc, cx, cy);
    EndPath(dc);
    HRGN region = PathToRegion(dc);
    show(dc, region, c);
    DeleteObject(region);
}

}  // namespace

TEST(RegionOracle, RoundRectEllipseAndCombinations) {
    expectMatchesOracle("regions", [](HDC dc) {
        HRGN a = CreateRoundRectRgn(0, 0, 41, 21, 10, 10);
        show(dc, a, RGB(0, 0, 255));
        HRGN b = CreateRoundRectRgn(1, 1, 40, 20, 8, 8);
        show(dc, b, RGB(255, 255, 0));
        HRGN e = CreateEllipticRgn(45, 0, 95, 30);
        show(dc, e, RGB(255, 0, 0));
        HRGN e2 = CreateEllipticRgn(46, 1, 94, 29);
        HRGN ring = CreateRectRgn(0, 0, 1, 1);
        CombineRgn(ring, e, e2, RGN_DIFF);
        show(dc, ring, RGB(0, 0, 0));
        HRGN corner = CreateRoundRectRgn(2, 30, 12, 40, 5, 5);
        HRGN left = CreateRoundRectRgn(14, 30, 30, 60, 3, 3);
        HRGN mix = CreateRectRgn(0, 0, 1, 1);
        CombineRgn(mix, corner, left, RGN_OR);
        OffsetRgn(mix, 1, 1);
        show(dc, mix, RGB(0, 160, 0));
        HRGN x1 = CreateRectRgn(40, 35, 70, 60), x2 = CreateEllipticRgn(55, 40, 90, 63), x = CreateRectRgn(0, 0, 1, 1);
        CombineRgn(x, x1, x2, RGN_XOR);
        show(dc, x, RGB(128, 0, 128));
        HRGN y = CreateRectRgn(0, 0, 1, 1);
        CombineRgn(y, x1, x2, RGN_AND);
        OffsetRgn(y, -30, 0);
        show(dc, y, RGB(0, 128, 128));
        for (HRGN h : {a, b, e, e2, ring, corner, left, mix, x1, x2, x, y}) DeleteObject(h);
    });
}

TEST(RegionOracle, PieFromPathRegion) {
    expectMatchesOracle("pie", [](HDC dc) {
        pie(dc, 24, 30, 22, 0, 90, RGB(0, 0, 255));
        pie(dc, 24, 30, 22, 180, 135, RGB(255, 0, 0));
        pie(dc, 70, 30, 22, 0, -100, RGB(0, 160, 0));
    });
}

TEST(RegionOracle, EdgesAndFocusRectangles) {
    // The reference machine's shadow, light and dark shadow, in place of ours.
    const ulmaro::test::Recolour scheme = {{RGB(0xA6, 0xA6, 0xA6), GetSysColor(COLOR_BTNSHADOW)},
                                           {RGB(0xE3, 0xE3, 0xE3), GetSysColor(COLOR_3DLIGHT)},
                                           {RGB(0x6A, 0x6A, 0x6A), GetSysColor(COLOR_3DDKSHADOW)},
                                           {RGB(0xFF, 0xFF, 0xFF), GetSysColor(COLOR_BTNHIGHLIGHT)}};
    expectMatchesOracle(
        "edges",
        [](HDC dc) {
            struct Edge {
                RECT r;
                UINT edge, flags;
            };
            for (Edge e : {Edge{{2, 2, 30, 20}, EDGE_ETCHED, BF_RECT}, Edge{{34, 2, 62, 20}, EDGE_BUMP, BF_RECT},
                           Edge{{66, 2, 94, 20}, EDGE_RAISED, BF_RECT}, Edge{{2, 24, 30, 42}, EDGE_SUNKEN, BF_RECT},
                           Edge{{34, 24, 62, 42}, EDGE_ETCHED, BF_BOTTOM | BF_TOP}, Edge{{66, 24, 94, 42}, EDGE_SUNKEN, BF_LEFT | BF_RIGHT}})
                DrawEdge(dc, &e.r, e.edge, e.flags);
            RECT f1 = {4, 46, 40, 60};
            DrawFocusRect(dc, &f1);
            RECT f2 = {44, 46, 91, 61};
            ulmaro::test::fillRect(dc, f2, RGB(49, 106, 197));
            InflateRect(&f2, -3, -3);
            DrawFocusRect(dc, &f2);
        },
        scheme);
}
