// Pens, brushes and rectangle fills.
#include "objects.h"
#include "raster_rows.h"

namespace ulmaro::platform {

using namespace detail;

HPEN CreatePen(int iStyle, int cWidth, COLORREF color) {
    if (iStyle < PS_SOLID || iStyle > PS_NULL) return nullptr;
    auto p = std::make_unique<Pen>();
    p->style = iStyle;
    p->width = cWidth < 1 ? 1 : cWidth;
    p->color = color & 0x00FFFFFF;
    return reinterpret_cast<HPEN>(static_cast<std::uintptr_t>(addObject(std::move(p))));
}

HPEN ExtCreatePen(DWORD iPenStyle, DWORD cWidth, const LOGBRUSH* plbrush, DWORD cStyle, const DWORD* pstyle) {
    const DWORD style = iPenStyle & PS_STYLE_MASK;
    if ((iPenStyle & PS_TYPE_MASK) != PS_COSMETIC || cWidth != 1 || !plbrush || plbrush->lbStyle != BS_SOLID || cStyle != 0 || pstyle) return nullptr;
    if (style != PS_ALTERNATE && style > PS_NULL) return nullptr;
    auto p = std::make_unique<Pen>();
    p->style = static_cast<int>(style);
    p->color = plbrush->lbColor & 0x00FFFFFF;
    return reinterpret_cast<HPEN>(static_cast<std::uintptr_t>(addObject(std::move(p))));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    auto b = std::make_unique<Brush>();
    b->color = color & 0x00FFFFFF;
    return reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(addObject(std::move(b))));
}

namespace {

// Runs blockOp(block) over the visible parts of a rectangle.
template <class F>
BOOL forRect(HDC hdc, const RECT* rc, F blockOp) {
    Dc* dc = lookupDc(hdc);
    if (!dc || !rc) return FALSE;
    Target t = targetOf(*dc);
    if (!t.ok()) return FALSE;
    RECT r = *rc;
    if (r.left >= r.right || r.top >= r.bottom) return TRUE;
    forEachVisible(t, r, [&](const RECT& q) { blockOp(Block{t.bmp->row(q.top) + q.left, t.bmp->width, q.right - q.left, q.bottom - q.top}); });
    return TRUE;
}

}  // namespace

int FillRect(HDC hdc, const RECT* lprc, HBRUSH hbr) {
    Brush* br = lookupBrush(hbr);
    Dc* dc = lookupDc(hdc);
    if (!br || !dc) return FALSE;
    if (br->style == BS_NULL) return TRUE;
    Bitmap* b = bitmapOf(*dc);
    if (!b) return FALSE;
    COLORREF c = nearestColor(*b, br->color);
    return forRect(hdc, lprc, [c](const Block& b) { fillBlock(b, c); });
}

int FrameRect(HDC hdc, const RECT* r, HBRUSH hbr) {
    if (!r) return FALSE;
    if (r->left >= r->right || r->top >= r->bottom) return TRUE;
    RECT sides[4] = {{r->left, r->top, r->right, r->top + 1},
                     {r->left, r->bottom - 1, r->right, r->bottom},
                     {r->left, r->top, r->left + 1, r->bottom},
                     {r->right - 1, r->top, r->right, r->bottom}};
    for (const RECT& s : sides)
        if (!FillRect(hdc, &s, hbr)) return FALSE;
    return TRUE;
}

BOOL InvertRect(HDC hdc, const RECT* lprc) {
    const RopMask invert{kRgbBits, kRgbBits};
    return forRect(hdc, lprc, [&](const Block& b) { maskBlock(b, invert); });
}

}  // namespace ulmaro::platform
