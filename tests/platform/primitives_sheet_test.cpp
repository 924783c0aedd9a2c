// A sheet of every primitive family on one canvas, written to primitives_sheet.png in the
// build folder for a person to look at. Drawing it twice must give the same pixels and
// leave no objects behind: the platform keeps no hidden state between drawings.
#include <ulmaro/platform/host.h>
#include <ulmaro/platform/png.h>
#include <ulmaro/platform/win32.h>

#include "framework/draw_arc.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace ulmaro::platform;

namespace {

constexpr int W = 320, H = 200;

void drawSheet(HDC dc) {
    RECT all{0, 0, W, H};
    HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    FillRect(dc, &all, face);
    DeleteObject(face);

    // Lines and wide pens.
    HPEN red = CreatePen(PS_SOLID, 1, RGB(200, 0, 0)), blue = CreatePen(PS_SOLID, 3, RGB(0, 0, 200));
    HGDIOBJ oldPen = SelectObject(dc, red);
    for (int i = 0; i < 8; ++i) {
        MoveToEx(dc, 10, 10, nullptr);
        LineTo(dc, 10 + i * 6, 50 - i * 5);
    }
    SelectObject(dc, blue);
    MoveToEx(dc, 60, 12, nullptr);
    LineTo(dc, 90, 48);
    LineTo(dc, 60, 48);
    // Shapes: pen outline, brush fill.
    HBRUSH yellow = CreateSolidBrush(RGB(255, 210, 0));
    HGDIOBJ oldBrush = SelectObject(dc, yellow);
    SelectObject(dc, red);
    Rectangle(dc, 100, 10, 140, 50);
    Ellipse(dc, 150, 10, 200, 50);
    RoundRect(dc, 210, 10, 260, 50, 12, 12);
    // An arc of 15-degree segments.
    MoveToEx(dc, 290, 30, nullptr);
    ulmaro::DrawArc(dc, 290, 30, 20, 0, 270);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(yellow);
    DeleteObject(red);
    DeleteObject(blue);

    // Regions: a rounded frame (round rect minus a smaller one) filled through a clip.
    HRGN outer = CreateRoundRectRgn(10, 60, 90, 110, 14, 14), inner = CreateRoundRectRgn(14, 64, 86, 106, 10, 10);
    HRGN ring = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(ring, outer, inner, RGN_DIFF);
    HBRUSH navy = CreateSolidBrush(RGB(0, 60, 115));
    FillRgn(dc, ring, navy);
    HRGN ellipse = CreateEllipticRgn(100, 60, 160, 110);
    SelectClipRgn(dc, ellipse);
    TRIVERTEX v[2] = {{100, 60, 0x3100, 0x6A00, 0xC500, 0}, {160, 110, 0xFF00, 0xFF00, 0xFF00, 0}};
    GRADIENT_RECT g{0, 1};
    GradientFill(dc, v, 2, &g, 1, GRADIENT_FILL_RECT_H);
    SelectClipRgn(dc, nullptr);
    for (HRGN h : {outer, inner, ring, ellipse}) DeleteObject(h);
    DeleteObject(navy);

    // Raster operations from a chequered source, and a faded copy.
    HDC src = CreateCompatibleDC(dc);
    HBITMAP chk = CreateCompatibleBitmap(dc, 20, 20);
    HGDIOBJ oldSrc = SelectObject(src, chk);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) SetPixel(src, x, y, ((x / 5 + y / 5) & 1) ? RGB(200, 40, 90) : RGB(20, 220, 120));
    const DWORD rops[] = {SRCCOPY, SRCAND, SRCPAINT, SRCINVERT, NOTSRCCOPY, MERGEPAINT};
    for (int i = 0; i < 6; ++i) BitBlt(dc, 170 + i * 24, 62, 20, 20, src, 0, 0, rops[i]);
    StretchBlt(dc, 170, 86, 60, 24, src, 0, 0, 20, 20, SRCCOPY);
    BLENDFUNCTION fade{AC_SRC_OVER, 0, 100, 0};
    AlphaBlend(dc, 240, 86, 24, 24, src, 0, 0, 20, 20, fade);
    SelectObject(src, oldSrc);
    DeleteObject(chk);
    DeleteDC(src);

    // Text: alignments, a mnemonic, upward text.
    LOGFONTA lf{};
    lf.lfHeight = -11;
    std::snprintf(lf.lfFaceName, LF_FACESIZE, "%s", "MS Sans Serif");
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    RECT t{10, 120, 150, 136};
    DrawTextA(dc, "&Left aligned", -1, &t, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
    OffsetRect(&t, 0, 16);
    DrawTextA(dc, "Centred && clipped text that runs on", -1, &t, DT_CENTER | DT_SINGLELINE);
    OffsetRect(&t, 0, 16);
    DrawTextA(dc, "Right aligned", -1, &t, DT_RIGHT | DT_SINGLELINE);
    lf.lfEscapement = 900;
    lf.lfWeight = FW_BOLD;
    std::snprintf(lf.lfFaceName, LF_FACESIZE, "%s", "Tahoma");
    HFONT up = CreateFontIndirectA(&lf);
    SelectObject(dc, up);
    TextOutA(dc, 160, 190, "Upward", 6);
    SelectObject(dc, oldFont);
    DeleteObject(font);
    DeleteObject(up);

    // Edges and a focus rectangle.
    RECT e{180, 120, 240, 150};
    DrawEdge(dc, &e, EDGE_RAISED, BF_RECT);
    OffsetRect(&e, 70, 0);
    DrawEdge(dc, &e, EDGE_ETCHED, BF_RECT);
    RECT f{180, 160, 310, 190};
    DrawFocusRect(dc, &f);
}

std::vector<COLORREF> render() {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, W, H);
    HGDIOBJ old = SelectObject(dc, bmp);
    drawSheet(dc);
    PixelView v = GetBitmapPixels(bmp);
    std::vector<COLORREF> px(v.px, v.px + W * H);
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return px;
}

}  // namespace

TEST(PrimitivesSheet, DrawsTheSameTwiceAndLeavesNothingBehind) {
    std::size_t before = LiveGdiObjectCount();
    std::vector<COLORREF> first = render();
    EXPECT_EQ(LiveGdiObjectCount(), before);
    EXPECT_EQ(render(), first);
    ASSERT_TRUE(WritePng(std::string(ULMARO_BINARY_DIR) + "/primitives_sheet.png", PixelView{first.data(), W, H, false}));
}
