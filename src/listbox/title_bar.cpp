#include "listbox/title_bar.h"

#include "framework/blit_transparent.h"
#include "framework/colors.h"
#include "framework/numeric.h"
#include "framework/variant.h"

namespace ulmaro {

using namespace platform;

namespace {

// A channel 0..255 as the 16-bit vertex channel the gradient takes: value in the high byte.
COLOR16 VertexChannel(std::int32_t v) {
    std::int32_t wide = v * 256;
    return static_cast<COLOR16>(UnsignedToInteger(wide));
}

}  // namespace

OLE_COLOR AccentShadeOf(OLE_COLOR BorderColor) { return static_cast<OLE_COLOR>(ShadeColor(BorderColor, 176, 1)); }

void DrawTitleGradient(HDC hdc, float SW, std::int32_t TitleHeight, OLE_COLOR BorderColor, OLE_COLOR AccentShade) {
    std::int32_t A[3], B[3];
    SplitColor(BorderColor, A[0], A[1], A[2]);
    SplitColor(AccentShade, B[0], B[1], B[2]);
    // A zero channel would stay black all the way down; it ramps up with the rows instead.
    for (std::int32_t& a : A)
        if (a == 0) a = TitleHeight;
    const LONG right = RoundToLong(SW);
    for (std::int32_t r = 0; r < TitleHeight; ++r) {
        auto channel = [&](const std::int32_t (&c)[3], int k) { return VertexChannel(MaxOf(c[k] + r - TitleHeight, 0)); };
        TRIVERTEX v[2] = {{0, r, channel(A, 0), channel(A, 1), channel(A, 2), 0},
                          {right, r + 1, channel(B, 0), channel(B, 1), channel(B, 2), 0}};
        GRADIENT_RECT rect{0, 1};
        GradientFill(hdc, v, 2, &rect, 1, GRADIENT_FILL_RECT_H);
    }
}

void DrawTitleIconAndCaption(Surface& s, const TitleContent& title) {
    HDC hdc = s.hDC();
    const float SW = static_cast<float>(s.ScaleWidth());
    LONG left = 5;
    if (title.Icon) {
        std::int32_t IW = RoundToLong(s.ScaleX(title.Icon->Width(), 8, 3));
        std::int32_t IH = RoundToLong(s.ScaleY(title.Icon->Height(), 8, 3));
        HDC iconDc = CreateCompatibleDC(hdc);
        HGDIOBJ old = SelectObject(iconDc, title.Icon->Handle());
        std::int32_t x = 5, y = RoundToLong((title.TitleHeight - IH) / 2.0 + 1);
        if (title.UseMask) {
            std::int32_t zero = 0, mask = TranslateColor(title.MaskColor);
            BlitTransparent(hdc, x, y, IW, IH, iconDc, zero, zero, mask);
        } else {
            BitBlt(hdc, x, y, IW, IH, iconDc, 0, 0, SRCCOPY);
        }
        SelectObject(iconDc, old);
        DeleteDC(iconDc);
        left = IW + 10;
    }
    RECT rc{left, RoundToLong((title.TitleHeight - s.TextHeight(title.Caption)) / 2.0), RoundToLong(SW - 6),
            title.TitleHeight};
    DrawTextA(hdc, title.Caption.c_str(), static_cast<int>(title.Caption.size()), &rc, 0);
}

void DrawCornerMarks(HDC hdc, float SW, float SH, OLE_COLOR color) {
    const COLORREF c = static_cast<COLORREF>(TranslateColor(color));
    const float points[16][2] = {{2, 1},      {2, SH - 2},      {3, 1},      {3, SH - 2},
                                 {1, 2},      {1, SH - 3},      {1, 3},      {1, SH - 4},
                                 {SW - 4, 1}, {SW - 3, 1},      {SW - 2, 2}, {SW - 2, 3},
                                 {SW - 4, SH - 2}, {SW - 3, SH - 2}, {SW - 2, SH - 3}, {SW - 2, SH - 4}};
    for (const auto& p : points) SetPixel(hdc, RoundToLong(p[0]), RoundToLong(p[1]), c);
}

}  // namespace ulmaro
