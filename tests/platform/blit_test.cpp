// Block transfers beyond the reference pictures of raster_oracle_test.cpp (the raster
// operations themselves are in rop_table_test.cpp): clipping by clip region and source
// bounds, overlapping copies, mirrored and shrunk stretching, gradients and bad input.
#include "support/canvas.h"

using namespace ulmaro::platform;
using ulmaro::test::Canvas;
using ulmaro::test::rows;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

}  // namespace

TEST(PatBlt, NegativeSizesExtendLeftAndUpAndASourceIsRefused) {
    Canvas c(5, 5);
    EXPECT_FALSE(PatBlt(c.dc, 0, 0, 1, 1, SRCCOPY));
    PatBlt(c.dc, 4, 3, -2, -2, BLACKNESS);
    EXPECT_EQ(c.mask(kBlack), rows({".....", "..##.", "..##.", ".....", "....."}));
}

TEST(PatBlt, HollowBrushPaintsNothing) {
    Canvas c(3, 3);
    HGDIOBJ old = SelectObject(c.dc, GetStockObject(NULL_BRUSH));
    EXPECT_TRUE(PatBlt(c.dc, 0, 0, 3, 3, PATCOPY));
    EXPECT_EQ(c.mask(kWhite), rows({"###", "###", "###"}));
    SelectObject(c.dc, old);
}

// Colour to monochrome and back are held to the real platform's pictures in
// raster_oracle_test.cpp; between two monochrome surfaces the bits are copied as they are.
TEST(BitBlt, MonochromeToMonochromeCopiesBits) {
    Canvas a(3, 1, kBlack, true), b(3, 1, kBlack, true);
    SetPixel(a.dc, 0, 0, kWhite);
    SetBkColor(a.dc, RGB(0, 0, 0));
    SetBkColor(b.dc, RGB(0, 0, 0));
    SetTextColor(b.dc, RGB(255, 255, 255));
    BitBlt(b.dc, 0, 0, 3, 1, a.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(b.at(0, 0), kWhite);
    EXPECT_EQ(b.at(1, 0), kBlack);
}

TEST(BitBlt, ClippedByTheClipRegion) {
    Canvas src(6, 6, RGB(1, 2, 3)), dst(6, 6);
    HRGN clip = CreateRectRgn(1, 2, 4, 5);
    SelectClipRgn(dst.dc, clip);
    DeleteObject(clip);
    BitBlt(dst.dc, 0, 0, 6, 6, src.dc, 0, 0, SRCCOPY);
    SelectClipRgn(dst.dc, nullptr);
    EXPECT_EQ(dst.mask(RGB(1, 2, 3)), rows({"......", "......", ".###..", ".###..", ".###..", "......"}));
}

// Pixels that would come from outside the source are left alone.
TEST(BitBlt, OnlyPixelsThatExistInTheSourceAreTransferred) {
    Canvas src(3, 3, RGB(1, 2, 3)), dst(6, 6);
    BitBlt(dst.dc, 1, 1, 5, 5, src.dc, -1, 1, SRCCOPY);
    EXPECT_EQ(dst.mask(RGB(1, 2, 3)), rows({"......", "..###.", "..###.", "......", "......", "......"}));
    // Past the destination's edge nothing is written either.
    BitBlt(dst.dc, 4, 4, 5, 5, src.dc, 0, 0, BLACKNESS);
    EXPECT_EQ(dst.at(5, 5), kBlack);
    EXPECT_EQ(dst.at(3, 5), kWhite);
}

TEST(BitBlt, OverlappingCopyWithinOneSurface) {
    Canvas c(6, 1);
    for (int x = 0; x < 6; ++x) SetPixel(c.dc, x, 0, RGB(x, 0, 0));
    BitBlt(c.dc, 1, 0, 5, 1, c.dc, 0, 0, SRCCOPY);  // shift right by one
    for (int x = 1; x < 6; ++x) EXPECT_EQ(c.at(x, 0), RGB(x - 1, 0, 0));
    BitBlt(c.dc, 0, 0, 5, 1, c.dc, 1, 0, SRCCOPY);  // and back
    for (int x = 0; x < 5; ++x) EXPECT_EQ(c.at(x, 0), RGB(x, 0, 0));
}

TEST(BitBlt, ExtremeOffsetsTransferNothing) {
    Canvas src(4, 4, kBlack), dst(4, 4);
    EXPECT_TRUE(BitBlt(dst.dc, 2000000000, 0, 4, 4, src.dc, -2000000000, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(dst.dc, -2000000000, 0, 2000000000, 4, src.dc, 2000000000, 0, SRCCOPY));
    EXPECT_TRUE(StretchBlt(dst.dc, 0, 0, 2000000000, 4, src.dc, -2000000000, 0, 2000000000, 4, SRCCOPY));
    EXPECT_EQ(dst.mask(kWhite), rows({"####", "####", "####", "####"}));
    // A huge shrink still reads the source pixels it covers: mirrored, they fall in the
    // last column; straight, in the first.
    EXPECT_TRUE(StretchBlt(dst.dc, 0, 0, 4, 4, src.dc, 2000000000, 0, -2000000000, 4, SRCCOPY));
    EXPECT_EQ(dst.mask(kBlack), rows({"...#", "...#", "...#", "...#"}));
    EXPECT_TRUE(StretchBlt(dst.dc, 0, 0, 4, 4, src.dc, 0, 0, 2000000000, 2000000000, SRCCOPY));
    EXPECT_EQ(dst.mask(kBlack), rows({"#..#", "...#", "...#", "...#"}));
}

namespace {

// A one-row source with pixel i coloured (i + 1, 0, 0).
struct Strip {
    Canvas c;
    explicit Strip(int n, bool mono = false) : c(n, 1, kBlack, mono) {
        if (!mono)
            for (int i = 0; i < n; ++i) SetPixel(c.dc, i, 0, RGB(i + 1, 0, 0));
    }
};

std::vector<int> reds(const Canvas& c, int n) {
    std::vector<int> v;
    for (int x = 0; x < n; ++x) v.push_back(GetRValue(c.at(x, 0)));
    return v;
}

}  // namespace

// Shrinking: the stretch mode decides what the pixels falling on one destination pixel
// become. Source 4 -> destination 2: pairs (0,1) and (2,3).
TEST(StretchBlt, ShrinkFollowsTheStretchMode) {
    Canvas src(4, 1);
    const COLORREF px[] = {RGB(0xF0, 0x0F, 0x33), RGB(0x3C, 0xFF, 0x0F), RGB(0x81, 0x42, 0x24), RGB(0x18, 0x24, 0x42)};
    for (int i = 0; i < 4; ++i) SetPixel(src.dc, i, 0, px[i]);
    Canvas dst(2, 1);
    EXPECT_EQ(GetStretchBltMode(dst.dc), BLACKONWHITE);
    StretchBlt(dst.dc, 0, 0, 2, 1, src.dc, 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(dst.at(0, 0), px[0] & px[1]);
    EXPECT_EQ(dst.at(1, 0), px[2] & px[3]);
    SetStretchBltMode(dst.dc, WHITEONBLACK);
    StretchBlt(dst.dc, 0, 0, 2, 1, src.dc, 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(dst.at(0, 0), px[0] | px[1]);
    SetStretchBltMode(dst.dc, COLORONCOLOR);
    StretchBlt(dst.dc, 0, 0, 2, 1, src.dc, 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(dst.at(0, 0), px[0]);
    EXPECT_EQ(dst.at(1, 0), px[2]);
}

TEST(StretchBlt, OppositeSignsMirror) {
    Strip src(4);
    Canvas dst(6, 1);
    // A negative destination width covers the pixels left of the origin, mirrored.
    StretchBlt(dst.dc, 5, 0, -4, 1, src.c.dc, 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(reds(dst, 6), (std::vector<int>{255, 4, 3, 2, 1, 255}));
    StretchBlt(dst.dc, 0, 0, 4, 1, src.c.dc, 4, 0, -4, 1, SRCCOPY);
    EXPECT_EQ(reds(dst, 4), (std::vector<int>{4, 3, 2, 1}));
    // Both negative: no mirror.
    StretchBlt(dst.dc, 4, 0, -4, 1, src.c.dc, 4, 0, -4, 1, SRCCOPY);
    EXPECT_EQ(reds(dst, 4), (std::vector<int>{1, 2, 3, 4}));
}

TEST(StretchBlt, SourceOutsideItsSurfaceLeavesTheDestination) {
    Strip src(2);
    Canvas dst(6, 1);
    StretchBlt(dst.dc, 0, 0, 6, 1, src.c.dc, 0, 0, 3, 1, SRCCOPY);  // source pixel 2 does not exist
    EXPECT_EQ(reds(dst, 6), (std::vector<int>{1, 1, 2, 2, 255, 255}));
}

TEST(StretchBlt, MonochromeSourceIsConverted) {
    Canvas mono(2, 1, kBlack, true), dst(4, 1);
    SetPixel(mono.dc, 1, 0, kWhite);
    SetTextColor(dst.dc, RGB(7, 0, 0));
    SetBkColor(dst.dc, RGB(9, 0, 0));
    StretchBlt(dst.dc, 0, 0, 4, 1, mono.dc, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(reds(dst, 4), (std::vector<int>{7, 7, 9, 9}));
}

TEST(GradientFill, VerticalRowsAndVertexOrder) {
    Canvas c(3, 5);
    TRIVERTEX v[2] = {{0, 0, 0, 0, 0, 0}, {2, 4, 0xFF00, 0x8000, 0, 0}};
    GRADIENT_RECT g = {0, 1};
    ASSERT_TRUE(GradientFill(c.dc, v, 2, &g, 1, GRADIENT_FILL_RECT_V));
    // Row i of 4 gets c1 * i / 4, top 8 bits.
    EXPECT_EQ(c.at(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(c.at(1, 1), RGB(0x3F, 0x20, 0));
    EXPECT_EQ(c.at(0, 2), RGB(0x7F, 0x40, 0));
    EXPECT_EQ(c.at(1, 3), RGB(0xBF, 0x60, 0));
    EXPECT_EQ(c.at(2, 3), kWhite);  // right edge excluded
    EXPECT_EQ(c.at(0, 4), kWhite);  // bottom edge excluded
    Canvas d(3, 5);
    GRADIENT_RECT swapped = {1, 0};
    GradientFill(d.dc, v, 2, &swapped, 1, GRADIENT_FILL_RECT_V);
    EXPECT_EQ(c.pixels(), d.pixels());
}

TEST(GradientFill, RefusesBadInput) {
    Canvas c(2, 2);
    TRIVERTEX v[2] = {{0, 0, 0, 0, 0, 0}, {2, 2, 0xFF00, 0, 0, 0}};
    GRADIENT_RECT bad = {0, 2};
    EXPECT_FALSE(GradientFill(c.dc, v, 2, &bad, 1, GRADIENT_FILL_RECT_H));
    GRADIENT_RECT g = {0, 1};
    EXPECT_FALSE(GradientFill(c.dc, v, 2, &g, 1, 2));  // triangles are not supported
    EXPECT_EQ(c.mask(kWhite), rows({"##", "##"}));
}

TEST(AlphaBlend, StretchesTheSource) {
    Strip src(2);
    Canvas dst(4, 1, kBlack);
    AlphaBlend(dst.dc, 0, 0, 4, 1, src.c.dc, 0, 0, 2, 1, BLENDFUNCTION{AC_SRC_OVER, 0, 255, 0});
    EXPECT_EQ(reds(dst, 4), (std::vector<int>{1, 1, 2, 2}));
}

TEST(AlphaBlend, RefusesBadInput) {
    Canvas src(2, 2), dst(2, 2);
    const BLENDFUNCTION half{AC_SRC_OVER, 0, 128, 0};
    EXPECT_FALSE(AlphaBlend(dst.dc, 0, 0, 2, 2, src.dc, 1, 0, 2, 2, half));  // source rectangle past its surface
    EXPECT_FALSE(AlphaBlend(dst.dc, 0, 0, -2, 2, src.dc, 0, 0, 2, 2, half));
    EXPECT_FALSE(AlphaBlend(dst.dc, 0, 0, 2, 2, src.dc, 0, 0, 2, 2, BLENDFUNCTION{7, 0, 128, 0}));
}
