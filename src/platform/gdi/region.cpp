// Region handles and clip regions. Shapes with curved outlines live in region_shapes.cpp.
#include "objects.h"

#include <utility>

namespace ulmaro::platform::detail {

HRGN newRegion(RegionData data) {
    auto r = std::make_unique<Region>();
    r->data = std::move(data);
    return reinterpret_cast<HRGN>(static_cast<std::uintptr_t>(addObject(std::move(r))));
}

}  // namespace ulmaro::platform::detail

namespace ulmaro::platform {

using namespace detail;

HRGN CreateRectRgn(int x1, int y1, int x2, int y2) { return newRegion(regionFromRect(x1, y1, x2, y2)); }

// Builds the region in one sweep over the rectangles' rows, however many there are.
HRGN ExtCreateRegion(const XFORM* xform, DWORD nCount, const RGNDATA* data) {
    if (xform || !data || data->rdh.iType != RDH_RECTANGLES || nCount < sizeof(RGNDATAHEADER)) return nullptr;
    if (static_cast<std::uint64_t>(data->rdh.nCount) * sizeof(RECT) > nCount - sizeof(RGNDATAHEADER)) return nullptr;
    const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
    std::vector<Span> spans;
    for (DWORD i = 0; i < data->rdh.nCount; ++i) {
        const RECT& r = rects[i];
        if (r.left >= r.right) continue;
        for (LONG y = r.top; y < r.bottom; ++y) spans.push_back(Span{y, r.left, r.right});
    }
    return newRegion(regionFromSpans(std::move(spans)));
}

HRGN CreateRectRgnIndirect(const RECT* r) {
    return r ? CreateRectRgn(r->left, r->top, r->right, r->bottom) : nullptr;
}

int CombineRgn(HRGN dst, HRGN src1, HRGN src2, int mode) {
    Region* d = lookupRegion(dst);
    Region* a = lookupRegion(src1);
    if (!d || !a || mode < RGN_AND || mode > RGN_COPY) return ERROR;
    if (mode == RGN_COPY) {
        d->data = a->data;
    } else {
        Region* b = lookupRegion(src2);
        if (!b) return ERROR;
        // The result goes to a spare kept from call to call and then changes places with
        // the destination's old data, so that repeated combining (a region built up by many
        // unions) reuses its storage instead of allocating and releasing it every time.
        thread_local RegionData spare;
        regionCombineInto(a->data, b->data, mode, spare);
        std::swap(d->data, spare);
    }
    return d->data.complexity();
}

int OffsetRgn(HRGN h, int x, int y) {
    Region* r = lookupRegion(h);
    if (!r) return ERROR;
    regionOffset(r->data, x, y);
    return r->data.complexity();
}

BOOL PtInRegion(HRGN h, int x, int y) {
    Region* r = lookupRegion(h);
    return r && r->data.contains(x, y);
}

BOOL RectInRegion(HRGN h, const RECT* rect) {
    Region* r = lookupRegion(h);
    if (!r || !rect) return FALSE;
    return !regionIntersectRect(r->data, *rect).empty();
}

BOOL EqualRgn(HRGN h1, HRGN h2) {
    Region* a = lookupRegion(h1);
    Region* b = lookupRegion(h2);
    if (!a || !b) return ERROR;
    return a->data == b->data;
}

int GetRgnBox(HRGN h, LPRECT rc) {
    Region* r = lookupRegion(h);
    if (!r || !rc) return ERROR;
    *rc = r->data.extents;
    return r->data.complexity();
}

BOOL SetRectRgn(HRGN h, int left, int top, int right, int bottom) {
    Region* r = lookupRegion(h);
    if (!r) return FALSE;
    r->data = regionFromRect(left, top, right, bottom);
    return TRUE;
}

int SelectClipRgn(HDC hdc, HRGN h) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return ERROR;
    if (!h) {
        dc->clip.reset();
        return SIMPLEREGION;
    }
    Region* r = lookupRegion(h);
    if (!r) return ERROR;
    dc->clip = r->data;  // the context keeps a copy; the caller may delete its region
    return r->data.complexity();
}

int GetClipRgn(HDC hdc, HRGN h) {
    Dc* dc = lookupDc(hdc);
    Region* r = lookupRegion(h);
    if (!dc || !r) return -1;
    if (!dc->clip) return 0;
    r->data = *dc->clip;
    return 1;
}

int GetClipBox(HDC hdc, LPRECT rc) {
    Dc* dc = lookupDc(hdc);
    if (!dc || !rc) return ERROR;
    Target t = targetOf(*dc);
    *rc = t.visible.extents;
    return t.visible.complexity();
}

static int clipWith(HDC hdc, int left, int top, int right, int bottom, int mode) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return ERROR;
    RegionData base;
    if (dc->clip) {
        base = *dc->clip;
    } else if (Bitmap* b = bitmapOf(*dc)) {
        base = regionFromRect(0, 0, b->width, b->height);
    }
    dc->clip = regionCombine(base, regionFromRect(left, top, right, bottom), mode);
    return dc->clip->complexity();
}

int IntersectClipRect(HDC hdc, int l, int t, int r, int b) { return clipWith(hdc, l, t, r, b, RGN_AND); }
int ExcludeClipRect(HDC hdc, int l, int t, int r, int b) { return clipWith(hdc, l, t, r, b, RGN_DIFF); }

BOOL FillRgn(HDC hdc, HRGN h, HBRUSH hbr) {
    Dc* dc = lookupDc(hdc);
    Region* r = lookupRegion(h);
    Brush* br = lookupBrush(hbr);
    if (!dc || !r || !br) return FALSE;
    if (br->style == BS_NULL) return TRUE;
    Target t = targetOf(*dc);
    if (!t.ok()) return FALSE;
    t.visible = regionCombine(t.visible, r->data, RGN_AND);
    COLORREF c = nearestColor(*t.bmp, br->color);
    forEachVisible(t, t.visible.extents, [&](const RECT& q) {
        for (int y = q.top; y < q.bottom; ++y) std::fill(t.bmp->row(y) + q.left, t.bmp->row(y) + q.right, c);
    });
    return TRUE;
}

BOOL PaintRgn(HDC hdc, HRGN h) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return FALSE;
    return FillRgn(hdc, h, reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(dc->brush)));
}

}  // namespace ulmaro::platform
