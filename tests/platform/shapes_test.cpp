// Rectangles, ellipses, rounded rectangles and polygons: outline and fill pixels, the
// null-pen and null-brush forms, fill modes and raster operations.
#include "support/canvas.h"

#include "platform/gdi/objects.h"

using namespace ulmaro::platform;
using ulmaro::test::Canvas;
using ulmaro::test::rows;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kPen = RGB(0, 0, 200);
constexpr COLORREF kBrush = RGB(250, 200, 0);

// Selects a pen and a brush for the life of the scope; a negative colour selects the
// stock null object instead.
struct Tools {
    HDC dc;
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HGDIOBJ oldPen, oldBrush;
    Tools(HDC d, long penColor, long brushColor, int penWidth = 1) : dc(d) {
        if (penColor >= 0) pen = CreatePen(PS_SOLID, penWidth, static_cast<COLORREF>(penColor));
        if (brushColor >= 0) brush = CreateSolidBrush(static_cast<COLORREF>(brushColor));
        oldPen = SelectObject(d, pen ? static_cast<HGDIOBJ>(pen) : GetStockObject(NULL_PEN));
        oldBrush = SelectObject(d, brush ? static_cast<HGDIOBJ>(brush) : GetStockObject(NULL_BRUSH));
    }
    ~Tools() {
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        if (pen) DeleteObject(pen);
        if (brush) DeleteObject(brush);
    }
};

char ink(COLORREF c) { return c == kPen ? 'o' : c == kBrush ? '+' : c == kWhite ? '.' : '?'; }

}  // namespace

TEST(Rectangle, OutlineThroughCornersAndFillInside) {
    Canvas c(8, 6);
    Tools t(c.dc, kPen, kBrush);
    EXPECT_TRUE(Rectangle(c.dc, 1, 1, 6, 5));
    EXPECT_EQ(c.picture(ink), rows({"........",
                                    ".ooooo..",
                                    ".o+++o..",
                                    ".o+++o..",
                                    ".ooooo..",
                                    "........"}));
}

TEST(Rectangle, CornersInAnyOrderGiveOneRectangle) {
    Canvas a(8, 6), b(8, 6);
    Tools ta(a.dc, kPen, kBrush), tb(b.dc, kPen, kBrush);
    Rectangle(a.dc, 1, 1, 6, 5);
    Rectangle(b.dc, 6, 5, 1, 1);
    EXPECT_EQ(a.pixels(), b.pixels());
}

TEST(Rectangle, WithoutPenTheFillIsOnePixelSmaller) {
    Canvas c(7, 5);
    Tools t(c.dc, -1, kBrush);
    Rectangle(c.dc, 1, 1, 5, 4);
    EXPECT_EQ(c.picture(ink), rows({".......",
                                    ".+++...",
                                    ".+++...",
                                    ".......",
                                    "......."}));
}

TEST(Rectangle, WithoutBrushOnlyTheOutline) {
    Canvas c(6, 5, RGB(1, 2, 3));
    Tools t(c.dc, kPen, -1);
    Rectangle(c.dc, 0, 0, 5, 4);
    EXPECT_EQ(c.at(2, 2), RGB(1, 2, 3));
    EXPECT_EQ(c.at(4, 3), kPen);
    EXPECT_EQ(c.at(5, 3), RGB(1, 2, 3));
}

TEST(Rectangle, EmptyRectangleDrawsNothing) {
    Canvas c(4, 4);
    Tools t(c.dc, kPen, kBrush);
    EXPECT_TRUE(Rectangle(c.dc, 2, 0, 2, 4));
    EXPECT_EQ(c.mask(kWhite), rows({"####", "####", "####", "####"}));
}

TEST(Rectangle, WidePenIsCentredWithRoundedCorners) {
    Canvas c(10, 9);
    Tools t(c.dc, kPen, kBrush, 3);
    Rectangle(c.dc, 2, 2, 8, 7);
    EXPECT_EQ(c.picture(ink), rows({"..........",
                                    "..oooooo..",
                                    ".oooooooo.",
                                    ".oooooooo.",
                                    ".ooo++ooo.",
                                    ".oooooooo.",
                                    ".oooooooo.",
                                    "..oooooo..",
                                    ".........."}));
}

// Brush and pen together touch every pixel once, so xor drawn twice restores the canvas.
TEST(Rectangle, XorTwiceRestores) {
    for (int width : {1, 3}) {
        Canvas c(12, 12, RGB(10, 20, 30));
        const auto before = c.pixels();
        Tools t(c.dc, RGB(255, 0, 255), RGB(0, 255, 0), width);
        SetROP2(c.dc, R2_XORPEN);
        Rectangle(c.dc, 2, 2, 10, 9);
        EXPECT_NE(c.pixels(), before);
        Rectangle(c.dc, 2, 2, 10, 9);
        EXPECT_EQ(c.pixels(), before) << "pen width " << width;
    }
}

TEST(Ellipse, SmallCircleOutlineAndFill) {
    Canvas c(9, 9);
    Tools t(c.dc, kPen, kBrush);
    Ellipse(c.dc, 1, 1, 8, 8);
    EXPECT_EQ(c.picture(ink), rows({".........",
                                    "...ooo...",
                                    "..o+++o..",
                                    ".o+++++o.",
                                    ".o+++++o.",
                                    ".o+++++o.",
                                    "..o+++o..",
                                    "...ooo...",
                                    "........."}));
}

// Without a pen an ellipse is filled like the outline and inside of an ellipse one pixel
// narrower and shorter drawn with a pen.
TEST(Ellipse, WithoutPenFillsTheEllipseOneSmaller) {
    Canvas a(30, 20), b(30, 20);
    Tools ta(a.dc, -1, kBrush), tb(b.dc, kBrush, kBrush);
    Ellipse(a.dc, 2, 3, 27, 18);
    Ellipse(b.dc, 2, 3, 26, 17);
    EXPECT_EQ(a.pixels(), b.pixels());
}

TEST(Ellipse, TinyEllipsesAreRectangles) {
    Canvas a(6, 6), b(6, 6);
    Tools ta(a.dc, kPen, kBrush), tb(b.dc, kPen, kBrush);
    Ellipse(a.dc, 1, 1, 3, 5);
    Rectangle(b.dc, 1, 1, 3, 5);
    EXPECT_EQ(a.pixels(), b.pixels());
    EXPECT_EQ(a.at(1, 1), kPen);
}

TEST(Ellipse, XorTwiceRestores) {
    for (int width : {1, 3, 4}) {
        Canvas c(24, 20, RGB(10, 20, 30));
        const auto before = c.pixels();
        Tools t(c.dc, RGB(255, 0, 255), RGB(0, 255, 0), width);
        SetROP2(c.dc, R2_XORPEN);
        Ellipse(c.dc, 3, 2, 21, 17);
        Ellipse(c.dc, 3, 2, 21, 17);
        EXPECT_EQ(c.pixels(), before) << "pen width " << width;
    }
}

TEST(RoundRect, CornersAreQuarterEllipses) {
    Canvas c(12, 9);
    Tools t(c.dc, kPen, kBrush);
    RoundRect(c.dc, 1, 1, 11, 8, 4, 4);
    EXPECT_EQ(c.picture(ink), rows({"............",
                                    "..oooooooo..",
                                    ".o++++++++o.",
                                    ".o++++++++o.",
                                    ".o++++++++o.",
                                    ".o++++++++o.",
                                    ".o++++++++o.",
                                    "..oooooooo..",
                                    "............"}));
}

TEST(RoundRect, LargerCornersCutMore) {
    Canvas c(14, 10);
    Tools t(c.dc, kPen, kBrush);
    RoundRect(c.dc, 1, 1, 13, 9, 8, 6);
    EXPECT_EQ(c.picture(ink), rows({"..............",
                                    "...oooooooo...",
                                    "..o++++++++o..",
                                    ".o++++++++++o.",
                                    ".o++++++++++o.",
                                    ".o++++++++++o.",
                                    ".o++++++++++o.",
                                    "..o++++++++o..",
                                    "...oooooooo...",
                                    ".............."}));
}

TEST(RoundRect, CornersAsLargeAsTheBoxMakeAnEllipse) {
    Canvas a(20, 16), b(20, 16);
    Tools ta(a.dc, kPen, kBrush), tb(b.dc, kPen, kBrush);
    RoundRect(a.dc, 2, 1, 18, 14, 100, 100);
    Ellipse(b.dc, 2, 1, 18, 14);
    EXPECT_EQ(a.pixels(), b.pixels());
}

TEST(RoundRect, NoCornersMakeARectangle) {
    Canvas a(10, 8), b(10, 8);
    Tools ta(a.dc, kPen, kBrush), tb(b.dc, kPen, kBrush);
    RoundRect(a.dc, 1, 1, 9, 7, 0, 0);
    Rectangle(b.dc, 1, 1, 9, 7);
    EXPECT_EQ(a.pixels(), b.pixels());
}

TEST(Polygon, SquareCoversItsPixelsButNotItsRightAndBottomEdges) {
    Canvas c(7, 7);
    Tools t(c.dc, -1, kBrush);
    const POINT square[] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
    EXPECT_TRUE(Polygon(c.dc, square, 4));
    EXPECT_EQ(c.picture(ink), rows({".......",
                                    ".++++..",
                                    ".++++..",
                                    ".++++..",
                                    ".++++..",
                                    ".......",
                                    "......."}));
}

TEST(Polygon, OutlineDrawnOverTheFill) {
    Canvas c(7, 7);
    Tools t(c.dc, kPen, kBrush);
    const POINT tri[] = {{1, 1}, {5, 1}, {1, 5}};
    Polygon(c.dc, tri, 3);
    EXPECT_EQ(c.picture(ink), rows({".......",
                                    ".ooooo.",
                                    ".o++o..",
                                    ".o+o...",
                                    ".oo....",
                                    ".o.....",
                                    "......."}));
}

// A five-pointed star drawn in one stroke: its centre is inside by the winding rule and
// outside by the alternate rule.
TEST(Polygon, FillModes) {
    const POINT star[] = {{10, 1}, {16, 19}, {1, 7}, {19, 7}, {4, 19}};
    Canvas alt(21, 21), wind(21, 21);
    Tools ta(alt.dc, -1, kBrush), tw(wind.dc, -1, kBrush);
    EXPECT_EQ(SetPolyFillMode(wind.dc, WINDING), ALTERNATE);
    Polygon(alt.dc, star, 5);
    Polygon(wind.dc, star, 5);
    EXPECT_EQ(alt.at(10, 11), kWhite);
    EXPECT_EQ(wind.at(10, 11), kBrush);
    EXPECT_EQ(alt.at(10, 4), kBrush);  // a point of the star is inside either way
    EXPECT_EQ(wind.at(10, 4), kBrush);
    EXPECT_EQ(alt.at(10, 0), kWhite);
}

TEST(Shapes, ClippedByTheClipRegion) {
    Canvas c(10, 10);
    Tools t(c.dc, kPen, kBrush);
    HRGN clip = CreateRectRgn(0, 0, 5, 10);
    SelectClipRgn(c.dc, clip);
    DeleteObject(clip);
    Ellipse(c.dc, 0, 0, 10, 10);
    Rectangle(c.dc, 0, 0, 10, 3);
    SelectClipRgn(c.dc, nullptr);
    for (int y = 0; y < 10; ++y)
        for (int x = 5; x < 10; ++x) EXPECT_EQ(c.at(x, y), kWhite) << x << "," << y;
    EXPECT_EQ(c.at(2, 0), kPen);
}

TEST(Shapes, InsideAPathFiguresAreRecorded) {
    Canvas c(10, 10);
    Tools t(c.dc, kPen, kBrush);
    auto* dc = ulmaro::platform::detail::lookupDc(c.dc);
    dc->path.phase = ulmaro::platform::detail::PathState::Phase::Open;
    Rectangle(c.dc, 1, 1, 5, 5);
    dc->path.phase = ulmaro::platform::detail::PathState::Phase::None;
    EXPECT_EQ(c.mask(kWhite).find('.'), std::string::npos);  // nothing drawn
    ASSERT_EQ(dc->path.points.size(), 4u);
    EXPECT_EQ(dc->path.types.front(), ulmaro::platform::PT_MOVETO);
    EXPECT_EQ(dc->path.types.back(), ulmaro::platform::PT_LINETO | ulmaro::platform::PT_CLOSEFIGURE);
}

// Far-off and huge figures are cut to the surface (or refused) instead of being traced
// pixel by pixel.
TEST(Shapes, HugeFiguresStayCheap) {
    Canvas c(8, 8);
    Tools t(c.dc, kPen, kBrush, 3);
    EXPECT_TRUE(Rectangle(c.dc, -2000000000, 2, 2000000000, 2000000000));
    EXPECT_EQ(c.at(4, 2), kPen);
    EXPECT_EQ(c.at(4, 5), kBrush);
    EXPECT_EQ(c.at(4, 0), kWhite);
    EXPECT_FALSE(Ellipse(c.dc, -2000000000, -2000000000, 2000000000, 2000000000));
    EXPECT_TRUE(RoundRect(c.dc, -2000000000, -2000000000, 2000000000, 2000000000, 10, 10));
    EXPECT_EQ(c.at(4, 4), kBrush);
    EXPECT_TRUE(RoundRect(c.dc, 1500000000, 1500000000, 2100000000, 2100000000, 10, 10));
    Canvas d(8, 8);
    Tools u(d.dc, kPen, kBrush);
    const POINT far[] = {{-2000000000, -2000000000}, {2000000000, 2000000000}, {-2000000000, 2000000000}};
    EXPECT_TRUE(Polygon(d.dc, far, 3));
    EXPECT_EQ(d.at(1, 6), kBrush);  // below the diagonal: inside
    EXPECT_EQ(d.at(3, 3), kPen);    // on it
    EXPECT_EQ(d.at(6, 1), kWhite);
}

TEST(Shapes, StaleHandlesFail) {
    HDC gone = CreateCompatibleDC(nullptr);
    DeleteDC(gone);
    EXPECT_FALSE(Rectangle(gone, 0, 0, 2, 2));
    EXPECT_FALSE(Ellipse(gone, 0, 0, 5, 5));
    EXPECT_FALSE(RoundRect(gone, 0, 0, 5, 5, 2, 2));
    const POINT pts[] = {{0, 0}, {3, 0}, {0, 3}};
    EXPECT_FALSE(Polygon(gone, pts, 3));
    Canvas c(2, 2);
    EXPECT_FALSE(Polygon(c.dc, pts, 1));
}
