// Lines, rectangles, ellipses, rounded rectangles and polygons: which pixels each covers
// (reference pictures in tests/snapshots/figures/), drawings that must equal one another,
// the current position, raster operations, paths being recorded, far-off coordinates and
// handle checks.
#include "support/canvas.h"
#include "support/seeded.h"
#include "support/snapshot.h"

#include "platform/gdi/objects.h"

#include <random>
#include <tuple>

using namespace ulmaro::platform;
using ulmaro::test::Canvas;
using ulmaro::test::line;
using ulmaro::test::Tools;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kPen = RGB(0, 0, 200);
constexpr COLORREF kBrush = RGB(250, 200, 0);

void clipTo(HDC dc, RECT r) {
    HRGN clip = CreateRectRgn(r.left, r.top, r.right, r.bottom);
    SelectClipRgn(dc, clip);
    DeleteObject(clip);
}

using Draw = void (*)(HDC);

struct Figure {
    const char* name;
    int w, h;
    Draw draw;
};

// Each on a white canvas of its size.
const Figure kFigures[] = {
    // Thin lines leave out their last pixel in every direction; halfway pixels go to the
    // smaller coordinate.
    {"line_ends", 7, 7, [](HDC dc) { Tools t(dc, kPen); line(dc, 1, 1, 5, 1); line(dc, 5, 5, 5, 2); line(dc, 1, 5, 4, 2); }},
    {"line_halfway", 6, 3, [](HDC dc) { Tools t(dc, kPen); line(dc, 0, 0, 4, 2); }},
    {"line_far_ends", 8, 8, [](HDC dc) { Tools t(dc, kPen); line(dc, -1000000000, 3, 1000000000, 3); line(dc, 5, -2000000000, 5, 2000000000); }},
    {"line_wide_round_ends", 12, 9, [](HDC dc) { Tools t(dc, kPen, -1, 5); line(dc, 3, 4, 8, 4); }},
    {"line_even_width", 10, 8, [](HDC dc) { Tools t(dc, kPen, -1, 2); line(dc, 2, 4, 7, 4); }},
    {"line_clipped", 8, 3, [](HDC dc) { Tools t(dc, kPen); clipTo(dc, {2, 0, 5, 3}); line(dc, 0, 1, 8, 1); }},
    {"line_raster_operations", 4, 3, [](HDC dc) {
         Tools t(dc, RGB(0xF0, 0x0F, 0x55));
         SetROP2(dc, R2_XORPEN);
         line(dc, 0, 0, 4, 0);
         SetROP2(dc, R2_NOT);
         line(dc, 0, 1, 4, 1);
         SetROP2(dc, R2_BLACK);
         line(dc, 0, 2, 2, 2);
     }},
    {"polyline_xor_vertices_once", 6, 6, [](HDC dc) {
         Tools t(dc, kWhite);
         SetROP2(dc, R2_XORPEN);
         const POINT pts[] = {{1, 1}, {4, 1}, {4, 4}, {1, 4}, {1, 1}};
         Polyline(dc, pts, 5);
     }},
    {"rectangle", 8, 6, [](HDC dc) { Tools t(dc, kPen, kBrush); Rectangle(dc, 1, 1, 6, 5); }},
    {"rectangle_no_pen", 7, 5, [](HDC dc) { Tools t(dc, -1, kBrush); Rectangle(dc, 1, 1, 5, 4); }},
    {"rectangle_no_brush", 7, 5, [](HDC dc) { Tools t(dc, kPen); Rectangle(dc, 0, 0, 5, 4); }},
    {"rectangle_empty", 4, 4, [](HDC dc) { Tools t(dc, kPen, kBrush); Rectangle(dc, 2, 0, 2, 4); }},
    {"rectangle_wide_pen", 10, 9, [](HDC dc) { Tools t(dc, kPen, kBrush, 3); Rectangle(dc, 2, 2, 8, 7); }},
    {"ellipse", 9, 9, [](HDC dc) { Tools t(dc, kPen, kBrush); Ellipse(dc, 1, 1, 8, 8); }},
    {"ellipse_wide_pens", 60, 20, [](HDC dc) {
         const int widths[] = {1, 3, 4};
         for (int i = 0; i < 3; ++i) {
             Tools t(dc, kPen, kBrush, widths[i]);
             Ellipse(dc, 2 + 20 * i, 2, 18 + 20 * i, 17);
         }
     }},
    {"round_rect", 12, 9, [](HDC dc) { Tools t(dc, kPen, kBrush); RoundRect(dc, 1, 1, 11, 8, 4, 4); }},
    {"round_rect_larger_corners", 14, 10, [](HDC dc) { Tools t(dc, kPen, kBrush); RoundRect(dc, 1, 1, 13, 9, 8, 6); }},
    {"polygon_square_fill", 7, 7, [](HDC dc) {
         Tools t(dc, -1, kBrush);
         const POINT square[] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
         Polygon(dc, square, 4);
     }},
    {"polygon_outline_over_fill", 7, 7, [](HDC dc) {
         Tools t(dc, kPen, kBrush);
         const POINT tri[] = {{1, 1}, {5, 1}, {1, 5}};
         Polygon(dc, tri, 3);
     }},
    // A star drawn in one stroke: alternate (left) leaves the centre out, winding fills it.
    {"polygon_fill_modes", 42, 21, [](HDC dc) {
         Tools t(dc, -1, kBrush);
         const POINT star[] = {{10, 1}, {16, 19}, {1, 7}, {19, 7}, {4, 19}};
         Polygon(dc, star, 5);
         EXPECT_EQ(SetPolyFillMode(dc, WINDING), ALTERNATE);
         const POINT moved[] = {{31, 1}, {37, 19}, {22, 7}, {40, 7}, {25, 19}};
         Polygon(dc, moved, 5);
     }},
    {"figures_clipped", 10, 10, [](HDC dc) { Tools t(dc, kPen, kBrush); clipTo(dc, {0, 0, 5, 10}); Ellipse(dc, 0, 0, 10, 10); Rectangle(dc, 0, 0, 10, 3); }},
    // Far-off and huge figures are cut to the surface instead of being traced pixel by pixel.
    {"huge_figures", 24, 8, [](HDC dc) {
         {
             Tools t(dc, kPen, kBrush);
             clipTo(dc, {16, 0, 24, 8});
             const POINT far[] = {{16 - 2000000000, -2000000000}, {16 + 2000000000, 2000000000}, {16 - 2000000000, 2000000000}};
             EXPECT_TRUE(Polygon(dc, far, 3));
         }
         Tools t(dc, kPen, kBrush, 3);
         clipTo(dc, {0, 0, 8, 8});
         EXPECT_TRUE(Rectangle(dc, -2000000000, 2, 2000000000, 2000000000));
         clipTo(dc, {8, 0, 16, 8});
         EXPECT_FALSE(Ellipse(dc, -2000000000, -2000000000, 2000000000, 2000000000));
         EXPECT_TRUE(RoundRect(dc, -2000000000, -2000000000, 2000000000, 2000000000, 10, 10));
         EXPECT_TRUE(RoundRect(dc, 1500000000, 1500000000, 2100000000, 2100000000, 10, 10));
         SelectClipRgn(dc, nullptr);
     }},
};

// Drawings that must give the same pixels.
struct Same {
    const char* what;
    int w, h;
    Draw a, b;
};
const Same kSame[] = {
    {"rectangle corners in any order", 8, 6, [](HDC dc) { Tools t(dc, kPen, kBrush); Rectangle(dc, 1, 1, 6, 5); },
     [](HDC dc) { Tools t(dc, kPen, kBrush); Rectangle(dc, 6, 5, 1, 1); }},
    {"ellipse without pen fills the ellipse one smaller", 30, 20, [](HDC dc) { Tools t(dc, -1, kBrush); Ellipse(dc, 2, 3, 27, 18); },
     [](HDC dc) { Tools t(dc, kBrush, kBrush); Ellipse(dc, 2, 3, 26, 17); }},
    {"tiny ellipse is a rectangle", 6, 6, [](HDC dc) { Tools t(dc, kPen, kBrush); Ellipse(dc, 1, 1, 3, 5); },
     [](HDC dc) { Tools t(dc, kPen, kBrush); Rectangle(dc, 1, 1, 3, 5); }},
    {"corners as large as the box make an ellipse", 20, 16, [](HDC dc) { Tools t(dc, kPen, kBrush); RoundRect(dc, 2, 1, 18, 14, 100, 100); },
     [](HDC dc) { Tools t(dc, kPen, kBrush); Ellipse(dc, 2, 1, 18, 14); }},
    {"no corners make a rectangle", 10, 8, [](HDC dc) { Tools t(dc, kPen, kBrush); RoundRect(dc, 1, 1, 9, 7, 0, 0); },
     [](HDC dc) { Tools t(dc, kPen, kBrush); Rectangle(dc, 1, 1, 9, 7); }},
    {"wide xor polyline is painted once", 16, 16, [](HDC dc) {
         Tools t(dc, kWhite, -1, 3);
         SetROP2(dc, R2_XORPEN);
         const POINT pts[] = {{2, 2}, {12, 2}, {12, 12}, {3, 6}};
         Polyline(dc, pts, 4);
     },
     [](HDC dc) {
         Tools t(dc, RGB(0, 0, 0), -1, 3);  // xor of white on white, painted once
         const POINT pts[] = {{2, 2}, {12, 2}, {12, 12}, {3, 6}};
         Polyline(dc, pts, 4);
     }},
    // Pen and brush together touch every pixel once, so xor drawn twice restores the canvas.
    {"xor rectangle drawn twice", 12, 12, [](HDC dc) {
         Tools t(dc, RGB(255, 0, 255), RGB(0, 255, 0), 3);
         SetROP2(dc, R2_XORPEN);
         Rectangle(dc, 2, 2, 10, 9);
         Rectangle(dc, 2, 2, 10, 9);
     },
     [](HDC) {}},
    {"xor ellipses drawn twice", 24, 20, [](HDC dc) {
         SetROP2(dc, R2_XORPEN);
         for (int w : {1, 3, 4}) {
             Tools t(dc, RGB(255, 0, 255), RGB(0, 255, 0), w);
             Ellipse(dc, 3, 2, 21, 17);
             Ellipse(dc, 3, 2, 21, 17);
         }
     },
     [](HDC) {}},
    {"null pen draws nothing", 5, 5, [](HDC dc) { Tools t(dc, -1); line(dc, 0, 0, 4, 4); }, [](HDC) {}},
    {"zero-length line draws nothing", 4, 4, [](HDC dc) { Tools t(dc, kPen); line(dc, 2, 2, 2, 2); }, [](HDC) {}},
};

}  // namespace

TEST(Figures, EveryFigureMatchesItsReferencePicture) {
    for (const Figure& f : kFigures) {
        SCOPED_TRACE(f.name);
        Canvas c(f.w, f.h);
        f.draw(c.dc);
        ulmaro::test::expectSnapshot("figures", f.name, ulmaro::test::dcPicture(c.dc));
    }
}

TEST(Figures, DrawingsThatMustBeTheSame) {
    for (const Same& s : kSame) {
        Canvas a(s.w, s.h), b(s.w, s.h);
        s.a(a.dc);
        s.b(b.dc);
        EXPECT_EQ(a.pixels(), b.pixels()) << s.what;
    }
}

// A line covers the same pixels whichever way it is drawn (apart from the end left out),
// including lines that pass exactly between two pixels.
TEST(Figures, LinesCoverTheSamePixelsInBothDirections) {
    ulmaro::test::forEachSeed(0x5EED0000u, 300, [](std::uint32_t seed) {
        std::mt19937 rng(seed);
        std::uniform_int_distribution<int> coord(0, 31);
        POINT a{coord(rng), coord(rng)}, b{coord(rng), coord(rng)};
        Canvas forward(32, 32), backward(32, 32);
        for (auto [c, from, to] : {std::tuple{&forward, a, b}, std::tuple{&backward, b, a}}) {
            Tools t(c->dc, kPen);
            line(c->dc, from.x, from.y, to.x, to.y);
            SetPixel(c->dc, to.x, to.y, kPen);
        }
        EXPECT_EQ(forward.pixels(), backward.pixels()) << "(" << a.x << "," << a.y << ")-(" << b.x << "," << b.y << ")";
    });
}

TEST(Figures, CurrentPositionMovesWithLinesNotPolylines) {
    Canvas c(4, 4);
    POINT p{-1, -1};
    EXPECT_TRUE(MoveToEx(c.dc, 3, 1, &p));
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
    EXPECT_TRUE(LineTo(c.dc, 1, 2));
    const POINT poly[] = {{0, 0}, {3, 3}};
    EXPECT_TRUE(Polyline(c.dc, poly, 2));
    ASSERT_TRUE(GetCurrentPositionEx(c.dc, &p));
    EXPECT_EQ(p.x, 1);
    EXPECT_EQ(p.y, 2);
    Tools none(c.dc, -1);
    LineTo(c.dc, 3, 3);  // the null pen still moves
    GetCurrentPositionEx(c.dc, &p);
    EXPECT_EQ(p.x, 3);
}

TEST(Figures, MonochromeSurfaceTakesTheNearestOfBlackAndWhite) {
    Canvas c(4, 1, RGB(0, 0, 0), true);
    Tools t(c.dc, RGB(200, 220, 180));
    line(c.dc, 0, 0, 3, 0);
    EXPECT_EQ(c.at(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(c.at(3, 0), RGB(0, 0, 0));
}

TEST(Figures, WhileAPathIsOpenFiguresAreRecorded) {
    namespace d = ulmaro::platform::detail;
    Canvas c(8, 8);
    Tools t(c.dc, kPen, kBrush);
    auto* dc = d::lookupDc(c.dc);
    dc->path.phase = d::PathState::Phase::Open;
    line(c.dc, 1, 1, 6, 1);
    LineTo(c.dc, 6, 6);
    const POINT more[] = {{0, 7}, {7, 7}};
    Polyline(c.dc, more, 2);
    Rectangle(c.dc, 1, 1, 5, 5);
    dc->path.phase = d::PathState::Phase::None;
    EXPECT_EQ(c.mask(kWhite).find('.'), std::string::npos);  // nothing drawn
    const std::vector<BYTE> types{PT_MOVETO, PT_LINETO, PT_LINETO, PT_MOVETO, PT_LINETO,
                                  PT_MOVETO, PT_LINETO, PT_LINETO, PT_LINETO | PT_CLOSEFIGURE};
    EXPECT_EQ(dc->path.types, types);
    ASSERT_EQ(dc->path.points.size(), 9u);
    EXPECT_EQ(dc->path.points[2].x, 6);
    EXPECT_EQ(dc->path.points[3].x, 0);
    POINT p{};
    GetCurrentPositionEx(c.dc, &p);
    EXPECT_EQ(p.x, 6);  // Polyline and Rectangle did not move it
}
