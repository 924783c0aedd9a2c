// The raster reference pictures: lines, shapes, raster operations, monochrome conversion,
// stretching, gradients and alpha blending, drawn by our layer and compared pixel for pixel.
#include "oracle_support.h"
#include "support/canvas.h"

#include "framework/blit_transparent.h"

#include <algorithm>
#include <vector>

using namespace ulmaro::platform;
using namespace ulmaro::test;

namespace {

// Lines in every direction with 1- and 3-pixel pens.
void drawLines(HDC dc) {
    {
        Tools thin(dc, RGB(200, 0, 0), RGB(255, 255, 255));
        lines(dc, {{2, 2}, {40, 2}, {40, 30}, {2, 30}, {2, 2}});
        line(dc, 5, 5, 30, 20);
        line(dc, 30, 5, 6, 25);
        line(dc, 20, 28, 22, 8);
    }
    Tools wide(dc, RGB(0, 0, 200), RGB(255, 255, 255), 3);
    lines(dc, {{50, 5}, {90, 5}, {90, 40}, {50, 60}});
    line(dc, 48, 50, 70, 20);
}

// Rectangle and ellipses with 1- and 3-pixel pens, FillRect, SetPixel.
void drawShapes(HDC dc) {
    {
        Tools t(dc, RGB(0, 128, 0), RGB(255, 200, 0));
        Rectangle(dc, 2, 2, 20, 15);
        Ellipse(dc, 24, 2, 45, 17);
        Ellipse(dc, 48, 2, 57, 9);
        RECT r = {60, 2, 70, 12};
        FillRect(dc, &r, t.brush);
    }
    Tools wide(dc, RGB(0, 0, 160), RGB(255, 255, 255), 3);
    Ellipse(dc, 2, 20, 41, 59);
    Ellipse(dc, 50, 20, 91, 61);
    for (int i = 0; i < 10; ++i) SetPixel(dc, 75 + i, 2 + i, RGB(i * 25, 0, 255 - i * 25));
}

// Every raster operation from a chequered source onto a striped destination, plus blits
// that reach past the source and past the canvas.
void drawRops(HDC dc) {
    Canvas src(12, 12);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) SetPixel(src.dc, x, y, ((x / 3 + y / 3) & 1) ? RGB(200, 40, 90) : RGB(20, 220, 120));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 96; ++x)
            if ((x / 2) & 1) SetPixel(dc, x, y, RGB(90, 90, 250));
    const DWORD rops[] = {SRCCOPY,  SRCAND,      SRCPAINT,  SRCINVERT, MERGEPAINT, NOTSRCCOPY,
                          SRCERASE, NOTSRCERASE, DSTINVERT, BLACKNESS, WHITENESS,  MERGECOPY};
    for (int i = 0; i < 12; ++i) BitBlt(dc, 2 + (i % 6) * 15, 4 + (i / 6) * 20, 12, 12, src.dc, 0, 0, rops[i]);
    BitBlt(dc, 2, 48, 12, 12, src.dc, 3, 3, SRCCOPY);
    BitBlt(dc, 88, 50, 12, 12, src.dc, 0, 0, SRCCOPY);
}

// Colour to monochrome and back, and the mask-based transparent copy.
void drawMono(HDC dc) {
    Canvas src(13, 13), mono(13, 13, RGB(0, 0, 0), true);
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x) {
            int dx = x - 6, dy = y - 6;
            SetPixel(src.dc, x, y, dx * dx + dy * dy <= 30 ? RGB(35 + x * 10, 86, 130 + y * 5) : RGB(0, 0, 255));
        }
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 96; ++x) SetPixel(dc, x, y, RGB(x * 2, 180, y * 3));
    int32_t x = 4, y = 4, w = 13, h = 13, sx = 0, sy = 0, mask = static_cast<int32_t>(RGB(0, 0, 255));
    ulmaro::BlitTransparent(dc, x, y, w, h, src.dc, sx, sy, mask);
    x = 24;
    mask = static_cast<int32_t>(RGB(1, 2, 3));
    ulmaro::BlitTransparent(dc, x, y, w, h, src.dc, sx, sy, mask);
    SetBkColor(src.dc, RGB(0, 0, 255));
    BitBlt(mono.dc, 0, 0, 13, 13, src.dc, 0, 0, SRCCOPY);
    SetTextColor(dc, RGB(255, 0, 0));
    SetBkColor(dc, RGB(0, 255, 0));
    BitBlt(dc, 44, 4, 13, 13, mono.dc, 0, 0, SRCCOPY);
    BitBlt(dc, 64, 4, 13, 13, mono.dc, 0, 0, SRCAND);
    BitBlt(dc, 4, 30, 13, 13, mono.dc, 0, 0, MERGEPAINT);
}

// Stretched one-pixel strips and a small picture, enlarged and shrunk.
void drawStretch(HDC dc) {
    Canvas col(1, 20), row(30, 1), pic(5, 4);
    for (int i = 0; i < 20; ++i) SetPixel(col.dc, 0, i, RGB(31 + i * 5, 122 - i * 3, 197 - i * 4));
    StretchBlt(dc, 2, 2, 50, 20, col.dc, 0, 0, 1, 20, SRCCOPY);
    StretchBlt(dc, 60, 2, 7, 20, col.dc, 0, 0, 1, 20, SRCCOPY);
    for (int i = 0; i < 30; ++i) SetPixel(row.dc, i, 0, RGB(255 - i * 6, i * 8, 40));
    StretchBlt(dc, 2, 26, 30, 33, row.dc, 0, 0, 30, 1, SRCCOPY);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) SetPixel(pic.dc, x, y, RGB(x * 60, y * 80, 128));
    StretchBlt(dc, 40, 28, 23, 17, pic.dc, 0, 0, 5, 4, SRCCOPY);
    StretchBlt(dc, 70, 28, 4, 3, pic.dc, 0, 0, 5, 4, SRCCOPY);
}

// Horizontal gradient rows and constant-alpha blending.
void drawGradientAlpha(HDC dc) {
    for (int r = 0; r < 20; ++r) {
        TRIVERTEX v[2];
        v[0] = {0, r, static_cast<COLOR16>((49 + r) * 256), static_cast<COLOR16>((106 - r) * 256), static_cast<COLOR16>(197 * 256), 0};
        v[1] = {96, r + 1, static_cast<COLOR16>(191 * 256), static_cast<COLOR16>(208 * 256), static_cast<COLOR16>((237 - r) * 256), 0};
        GRADIENT_RECT g = {0, 1};
        GradientFill(dc, v, 2, &g, 1, GRADIENT_FILL_RECT_H);
    }
    Canvas pic(30, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) SetPixel(pic.dc, x, y, RGB(x * 8, 255 - y * 8, (x + y) * 4));
    for (int y = 24; y < 64; ++y)
        for (int x = 0; x < 96; ++x) SetPixel(dc, x, y, RGB(236, 233, 216));
    AlphaBlend(dc, 4, 28, 30, 30, pic.dc, 0, 0, 30, 30, BLENDFUNCTION{AC_SRC_OVER, 0, 100, 0});
    AlphaBlend(dc, 40, 28, 30, 30, pic.dc, 0, 0, 30, 30, BLENDFUNCTION{AC_SRC_OVER, 0, 200, 0});
}

// Per-pixel alpha: a 32-bit bitmap made from premultiplied B, G, R, A bytes (alpha rising
// left to right, a first pixel whose colour exceeds its zero alpha), blended whole, at half
// constant alpha and stretched; then drawn on with a brush (drawn pixels have alpha zero)
// and blended and copied again.
void drawSourceAlpha(HDC dc) {
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 96; ++x) SetPixel(dc, x, y, RGB(40 + x * 2, 200 - y * 2, (x * y) & 0xFF));
    std::vector<BYTE> bits(16 * 16 * 4);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int a = (x * 17) & 0xFF;
            BYTE* p = &bits[static_cast<std::size_t>((y * 16 + x) * 4)];
            p[0] = static_cast<BYTE>(30 * a / 255);
            p[1] = static_cast<BYTE>(((y * 16) & 0xFF) * a / 255);
            p[2] = static_cast<BYTE>(250 * a / 255);
            p[3] = static_cast<BYTE>(a);
        }
    const BYTE first[4] = {200, 100, 50, 0};
    std::copy(first, first + 4, bits.begin());
    HBITMAP bmp = CreateBitmap(16, 16, 1, 32, bits.data());
    HDC src = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(src, bmp);
    const BLENDFUNCTION full{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA}, half{AC_SRC_OVER, 0, 128, AC_SRC_ALPHA};
    AlphaBlend(dc, 2, 2, 16, 16, src, 0, 0, 16, 16, full);
    AlphaBlend(dc, 22, 2, 16, 16, src, 0, 0, 16, 16, half);
    AlphaBlend(dc, 42, 2, 32, 24, src, 0, 0, 16, 16, full);
    fillRect(src, {4, 4, 8, 8}, RGB(255, 0, 0));
    AlphaBlend(dc, 2, 30, 16, 16, src, 0, 0, 16, 16, full);
    BitBlt(dc, 22, 30, 16, 16, src, 0, 0, SRCCOPY);
    SelectObject(src, old);
    DeleteObject(bmp);
    DeleteDC(src);
}

}  // namespace

TEST(RasterOracle, SourceAlpha) { expectMatchesOracle("src_alpha", drawSourceAlpha); }
TEST(RasterOracle, Lines) { expectMatchesOracle("lines", drawLines); }
TEST(RasterOracle, Shapes) { expectMatchesOracle("shapes", drawShapes); }
TEST(RasterOracle, Rops) { expectMatchesOracle("rops", drawRops); }
TEST(RasterOracle, Mono) { expectMatchesOracle("mono", drawMono); }
TEST(RasterOracle, Stretch) { expectMatchesOracle("stretch", drawStretch); }
TEST(RasterOracle, GradientAlpha) { expectMatchesOracle("gradient_alpha", drawGradientAlpha); }
