// The standard icons of tips, drawn with the platform's pens and brushes: information (a
// blue disc with a white "i"), warning (a yellow triangle with a black "!") and error (a
// red disc with a white cross), each 16 by 16 pixels.
#include "tooltip.h"

#include <ulmaro/platform/scoped_gdi.h>

namespace ulmaro::platform::comctl {

namespace {

void fill(HDC dc, int l, int t, int r, int b, COLORREF c) {
    ScopedBrush brush(CreateSolidBrush(c));
    RECT rc{l, t, r, b};
    FillRect(dc, &rc, brush.get());
}

// A filled shape with a one-pixel outline.
struct Paint {
    ScopedPen pen;
    ScopedBrush brush;
    SelectedObject selPen, selBrush;
    Paint(HDC dc, COLORREF edge, COLORREF inside)
        : pen(CreatePen(PS_SOLID, 1, edge)), brush(CreateSolidBrush(inside)), selPen(dc, pen.get()), selBrush(dc, brush.get()) {}
};

void info(HDC dc, int x, int y) {
    {
        Paint p(dc, RGB(23, 65, 160), RGB(45, 110, 220));
        Ellipse(dc, x, y, x + 16, y + 16);
    }
    const COLORREF white = RGB(255, 255, 255);
    fill(dc, x + 7, y + 3, x + 9, y + 5, white);   // the dot
    fill(dc, x + 7, y + 6, x + 9, y + 12, white);  // the stroke
    fill(dc, x + 6, y + 6, x + 7, y + 7, white);   // its serifs
    fill(dc, x + 6, y + 11, x + 10, y + 12, white);
}

void warning(HDC dc, int x, int y) {
    {
        Paint p(dc, RGB(160, 110, 0), RGB(255, 206, 30));
        const POINT tri[] = {{x + 7, y}, {x + 8, y}, {x + 15, y + 14}, {x + 15, y + 15}, {x, y + 15}, {x, y + 14}};
        Polygon(dc, tri, 6);
    }
    const COLORREF black = RGB(0, 0, 0);
    fill(dc, x + 7, y + 5, x + 9, y + 10, black);  // the stroke
    fill(dc, x + 7, y + 11, x + 9, y + 13, black); // the dot
}

void error(HDC dc, int x, int y) {
    {
        Paint p(dc, RGB(140, 20, 20), RGB(215, 40, 40));
        Ellipse(dc, x, y, x + 16, y + 16);
    }
    // A cross of two diagonals, two pixels thick.
    const COLORREF white = RGB(255, 255, 255);
    for (int i = 0; i < 6; ++i) {
        fill(dc, x + 5 + i, y + 5 + i, x + 7 + i, y + 6 + i, white);
        fill(dc, x + 9 - i, y + 5 + i, x + 11 - i, y + 6 + i, white);
    }
}

}  // namespace

void DrawTipIcon(HDC hdc, int icon, int x, int y) {
    switch (icon) {
        case TTI_INFO: info(hdc, x, y); break;
        case TTI_WARNING: warning(hdc, x, y); break;
        case TTI_ERROR: error(hdc, x, y); break;
        default: break;
    }
}

}  // namespace ulmaro::platform::comctl
