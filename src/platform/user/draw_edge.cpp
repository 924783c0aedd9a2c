// DrawEdge: up to two one-pixel borders (outer, then inner one pixel further in) on the
// chosen sides of a rectangle, each lit from the top left, then optionally the middle.
#include "../gdi/objects.h"
#include "../gdi/coordinates.h"

namespace ulmaro::platform {

using namespace detail;

namespace {

struct BorderColors {
    int topLeft = -1, bottomRight = -1;  // system colour indices; -1 draws nothing
};

// The colours of the outer or inner border for the edge bits that concern it.
BorderColors borderColors(UINT edge, UINT flags, bool outer) {
    UINT raisedBit = outer ? BDR_RAISEDOUTER : BDR_RAISEDINNER;
    UINT sunkenBit = outer ? BDR_SUNKENOUTER : BDR_SUNKENINNER;
    if (!(edge & (raisedBit | sunkenBit))) return {};
    if (flags & BF_MONO) return outer ? BorderColors{COLOR_WINDOWFRAME, COLOR_WINDOWFRAME} : BorderColors{COLOR_WINDOW, COLOR_WINDOW};
    if (flags & BF_FLAT) return outer ? BorderColors{COLOR_BTNSHADOW, COLOR_BTNSHADOW} : BorderColors{COLOR_BTNFACE, COLOR_BTNFACE};
    bool raised = (edge & raisedBit) != 0;  // raised wins when both bits are given
    bool soft = (flags & BF_SOFT) != 0;
    // BF_SOFT trades the top-left colours of the two borders for a gentler ramp.
    if (outer)
        return raised ? BorderColors{soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW}
                      : BorderColors{soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
    return raised ? BorderColors{soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW}
                  : BorderColors{soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

void fill(const Target& t, const RECT& r, int sysColor) {
    if (sysColor < 0 || r.left >= r.right || r.top >= r.bottom) return;
    COLORREF c = nearestColor(*t.bmp, GetSysColor(sysColor));
    forEachVisible(t, r, [&](const RECT& q) {
        for (int y = q.top; y < q.bottom; ++y) std::fill(t.bmp->row(y) + q.left, t.bmp->row(y) + q.right, c);
    });
}

// One border on the sides in `flags`. The top and left lines stop short of a drawn right or
// bottom line, which then owns the shared corner.
void drawBorder(const Target& t, const RECT& r, UINT flags, BorderColors c) {
    int rightEnd = (flags & BF_RIGHT) ? r.right - 1 : r.right;
    int bottomEnd = (flags & BF_BOTTOM) ? r.bottom - 1 : r.bottom;
    if (flags & BF_TOP) fill(t, RECT{r.left, r.top, rightEnd, r.top + 1}, c.topLeft);
    if (flags & BF_LEFT) fill(t, RECT{r.left, r.top, r.left + 1, bottomEnd}, c.topLeft);
    if (flags & BF_BOTTOM) fill(t, RECT{r.left, r.bottom - 1, r.right, r.bottom}, c.bottomRight);
    if (flags & BF_RIGHT) fill(t, RECT{r.right - 1, r.top, r.right, r.bottom}, c.bottomRight);
}

// Moves the drawn sides of r one pixel in.
void shrink(RECT& r, UINT flags) {
    if (flags & BF_LEFT) ++r.left;
    if (flags & BF_TOP) ++r.top;
    if (flags & BF_RIGHT) --r.right;
    if (flags & BF_BOTTOM) --r.bottom;
}

}  // namespace

BOOL DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags) {
    Dc* dc = lookupDc(hdc);
    if (!dc || !qrc) return FALSE;
    // Diagonal edges are not drawn: callers get a failure rather than a wrong picture.
    if (grfFlags & BF_DIAGONAL) return FALSE;
    Target t = targetOf(*dc);
    if (!t.ok()) return FALSE;
    RECT r{clampCoord(qrc->left), clampCoord(qrc->top), clampCoord(qrc->right), clampCoord(qrc->bottom)};
    for (bool outer : {true, false}) {
        BorderColors c = borderColors(edge, grfFlags, outer);
        if (c.topLeft < 0) continue;
        drawBorder(t, r, grfFlags, c);
        shrink(r, grfFlags);
    }
    if (grfFlags & BF_MIDDLE) fill(t, r, (grfFlags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE);
    if (grfFlags & BF_ADJUST) *qrc = r;
    return TRUE;
}

}  // namespace ulmaro::platform
