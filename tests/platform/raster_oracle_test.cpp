// The raster reference pictures: lines, shapes, raster operations, monochrome conversion,
// stretching, gradients and alpha blending, drawn by our layer and compared pixel for pixel.
#include "oracle_support.h"

#include "framework/blit_transparent.h"

#include <algorithm>
#include <vector>

using namespace ulmaro::platform;
using ulmaro::test::expectMatchesOracle;

namespace {

// Lines in every direction with 1- and 3-pixel pens.
void drawLines(HDC dc) {
    HPEN thin = CreatePen(PS_SOLID, 1, RGB(200, 0, 0));
    HGDIOBJ old = SelectObject(dc, thin);
    MoveToEx(dc, 2, 2, nullptr);
    LineTo(dc, 40, 2);
    LineTo(dc, 40, 30);
    LineTo(dc, 2, 30);
    LineTo(dc, 2, 2);
    MoveToEx(dc, 5, 5, nullptr);
    LineTo(dc, 30, 20);
    MoveToEx(dc, 30, 5, nullptr);
    LineTo(dc, 6, 25);
    MoveToEx(dc, 20, 28, nullptr);
    LineTo(dc, 22, 8);
    HPEN wide = CreatePen(PS_SOLID, 3, RGB(0, 0, 200));
    SelectObject(dc, wide);
    DeleteObject(thin);
    MoveToEx(dc, 50, 5, nullptr);
    LineTo(dc, 90, 5);
    LineTo(dc, 90, 40);
    LineTo(dc, 50, 60);
    MoveToEx(dc, 48, 50, nullptr);
    LineTo(dc, 70, 20);
    SelectObject(dc, old);
    DeleteObject(wide);
}

// Rectangle and ellipses with 1- and 3-pixel pens, FillRect, SetPixel.
void drawShapes(HDC dc) {
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 128, 0));
    HBRUSH brush = CreateSolidBrush(RGB(255, 200, 0));
    HGDIOBJ oldPen = SelectObject(dc, pen), oldBrush = SelectObject(dc, brush);
    Rectangle(dc, 2, 2, 20, 15);
    Ellipse(dc, 24, 2, 45, 17);
    Ellipse(dc, 48, 2, 57, 9);
    HPEN wide = CreatePen(PS_SOLID, 3, RGB(0, 0, 160));
    SelectObject(dc, wide);
    SelectObject(dc, oldBrush);
    Ellipse(dc, 2, 20, 41, 59);
    Ellipse(dc, 50, 20, 91, 61);
    RECT r = {60, 2, 70, 12};
    FillRect(dc, &r, brush);
    for (int i = 0; i < 10; ++i) SetPixel(dc, 75 + i, 2 + i, RGB(i * 25, 0, 255 - i * 25));
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    DeleteObject(wide);
    DeleteObject(brush);
}

// Every raster operation from a chequered source onto a striped destination, plus blits
// that reach past the source and past the canvas.
void drawRops(HDC dc) {
    HDC src = CreateCompatibleDC(dc);
    HBITMAP bmp = CreateCompatibleBitmap(dc, 12, 12);
    HGDIOBJ old = SelectObject(src, bmp);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) SetPixel(src, x, y, ((x / 3 + y / 3) & 1) ? RGB(200, 40, 90) : RGB(20, 220, 120));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 96; ++x)
            if ((x / 2) & 1) SetPixel(dc, x, y, RGB(90, 90, 250));
    const DWORD rops[] = {SRCCOPY,  SRCAND,      SRCPAINT,  SRCINVERT, MERGEPAINT, NOTSRCCOPY,
                          SRCERASE, NOTSRCERASE, DSTINVERT, BLACKNESS, WHITENESS,  MERGECOPY};
    for (int i = 0; i < 12; ++i) BitBlt(dc, 2 + (i % 6) * 15, 4 + (i / 6) * 20, 12, 12, src, 0, 0, rops[i]);
    BitBlt(dc, 2, 48, 12, 12, src, 3, 3, SRCCOPY);
    BitBlt(dc, 88, 50, 12, 12, src, 0, 0, SRCCOPY);
    SelectObject(src, old);
    DeleteObject(bmp);
    DeleteDC(src);
}

// Colour to monochrome and back, and the mask-based transparent copy.
void drawMono(HDC dc) {
    HDC src = CreateCompatibleDC(dc);
    HBITMAP bmp = CreateCompatibleBitmap(dc, 13, 13);
    HGDIOBJ old = SelectObject(src, bmp);
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x) {
            int dx = x - 6, dy = y - 6;
            SetPixel(src, x, y, dx * dx + dy * dy <= 30 ? RGB(35 + x * 10, 86, 130 + y * 5) : RGB(0, 0, 255));
        }
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 96; ++x) SetPixel(dc, x, y, RGB(x * 2, 180, y * 3));
    int32_t x = 4, y = 4, w = 13, h = 13, sx = 0, sy = 0, mask = static_cast<int32_t>(RGB(0, 0, 255));
    ulmaro::BlitTransparent(dc, x, y, w, h, src, sx, sy, mask);
    x = 24;
    mask = static_cast<int32_t>(RGB(1, 2, 3));
    ulmaro::BlitTransparent(dc, x, y, w, h, src, sx, sy, mask);
    HDC mdc = CreateCompatibleDC(dc);
    HBITMAP mb = CreateBitmap(13, 13, 1, 1, nullptr);
    HGDIOBJ om = SelectObject(mdc, mb);
    SetBkColor(src, RGB(0, 0, 255));
    BitBlt(mdc, 0, 0, 13, 13, src, 0, 0, SRCCOPY);
    SetTextColor(dc, RGB(255, 0, 0));
    SetBkColor(dc, RGB(0, 255, 0));
    BitBlt(dc, 44, 4, 13, 13, mdc, 0, 0, SRCCOPY);
    BitBlt(dc, 64, 4, 13, 13, mdc, 0, 0, SRCAND);
    BitBlt(dc, 4, 30, 13, 13, mdc, 0, 0, MERGEPAINT);
    SelectObject(mdc, om);
    DeleteObject(mb);
    DeleteDC(mdc);
    SelectObject(src, old);
    DeleteObject(bmp);
    DeleteDC(src);
}

// Stretched one-pixel strips and a small picture, enlarged and shrunk.
void drawStretch(HDC dc) {
    HDC s = CreateCompatibleDC(dc);
    HBITMAP col = CreateCompatibleBitmap(dc, 1, 20);
    HGDIOBJ old = SelectObject(s, col);
    for (int i = 0; i < 20; ++i) SetPixel(s, 0, i, RGB(31 + i * 5, 122 - i * 3, 197 - i * 4));
    StretchBlt(dc, 2, 2, 50, 20, s, 0, 0, 1, 20, SRCCOPY);
    StretchBlt(dc, 60, 2, 7, 20, s, 0, 0, 1, 20, SRCCOPY);
    HBITMAP row = CreateCompatibleBitmap(dc, 30, 1);
    SelectObject(s, row);
    for (int i = 0; i < 30; ++i) SetPixel(s, i, 0, RGB(255 - i * 6, i * 8, 40));
    StretchBlt(dc, 2, 26, 30, 33, s, 0, 0, 30, 1, SRCCOPY);
    HBITMAP pic = CreateCompatibleBitmap(dc, 5, 4);
    SelectObject(s, pic);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) SetPixel(s, x, y, RGB(x * 60, y * 80, 128));
    StretchBlt(dc, 40, 28, 23, 17, s, 0, 0, 5, 4, SRCCOPY);
    StretchBlt(dc, 70, 28, 4, 3, s, 0, 0, 5, 4, SRCCOPY);
    SelectObject(s, old);
    DeleteObject(col);
    DeleteObject(row);
    DeleteObject(pic);
    DeleteDC(s);
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
    HDC s = CreateCompatibleDC(dc);
    HBITMAP pic = CreateCompatibleBitmap(dc, 30, 30);
    HGDIOBJ old = SelectObject(s, pic);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) SetPixel(s, x, y, RGB(x * 8, 255 - y * 8, (x + y) * 4));
    for (int y = 24; y < 64; ++y)
        for (int x = 0; x < 96; ++x) SetPixel(dc, x, y, RGB(236, 233, 216));
    AlphaBlend(dc, 4, 28, 30, 30, s, 0, 0, 30, 30, BLENDFUNCTION{AC_SRC_OVER, 0, 100, 0});
    AlphaBlend(dc, 40, 28, 30, 30, s, 0, 0, 30, 30, BLENDFUNCTION{AC_SRC_OVER, 0, 200, 0});
    SelectObject(s, old);
    DeleteObject(pic);
    DeleteDC(s);
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
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    const RECT r{4, 4, 8, 8};
    FillRect(src, &r, red);
    DeleteObject(red);
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
