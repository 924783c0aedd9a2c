// BitBlt and PatBlt. A raster operation is reduced to a function of the source and
// destination (rop.h) and run row by row by the loops of raster_rows.h; plain copies
// between surfaces of one format copy whole rows.
#include "blit.h"

#include "blit_source.h"
#include "raster_rows.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace ulmaro::platform::detail {

bool patternOf(const Dc& dc, const Bitmap& surface, COLORREF& out) {
    Brush* brush = lookupBrush(asHandle(dc.brush));
    if (!brush || brush->style == BS_NULL) return false;
    out = nearestColor(surface, brush->color);
    return true;
}

BOOL patternBlt(Dc& dc, const RECT& area, Rop3 rop) {
    Target t = targetOf(dc);
    if (!t.ok()) return FALSE;
    COLORREF p = 0;
    if (rop.usesPattern() && !patternOf(dc, *t.bmp, p)) return TRUE;  // a hollow brush paints nothing
    // Without a source the table reduces to (P, D): entries with S = 0.
    const unsigned table = (rop.table & 0x03) | ((rop.table >> 2) & 0x0C);
    const RopMask mask = maskFromTable(table, p);
    if (mask.leavesAlone()) return TRUE;
    forEachVisible(t, area, [&](const RECT& r) {
        const Block b{t.bmp->row(r.top) + r.left, t.bmp->width, r.right - r.left, r.bottom - r.top};
        if (mask.overwrites())
            fillBlock(b, mask.xorMask);
        else
            maskBlock(b, mask);
    });
    return TRUE;
}

}  // namespace ulmaro::platform::detail

namespace ulmaro::platform {

using namespace detail;

BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
    Dc* dc = lookupDc(hdc);
    const Rop3 r(rop);
    if (!dc || r.usesSource()) return FALSE;
    return patternBlt(*dc, rectFromSize(x, y, w, h), r);
}

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return FALSE;
    const Rop3 r(rop);
    const RECT area = rectFromSize(x, y, cx, cy);
    if (!r.usesSource()) return patternBlt(*dc, area, r);
    Dc* srcDc = lookupDc(hdcSrc);
    Bitmap* srcBmp = srcDc ? bitmapOf(*srcDc) : nullptr;
    Target t = targetOf(*dc);
    if (!srcBmp || !t.ok()) return FALSE;
    COLORREF p = 0;
    if (r.usesPattern() && !patternOf(*dc, *t.bmp, p)) return TRUE;
    // Source coordinates are destination coordinates moved by (dx, dy); only pixels that
    // exist in the source are transferred.
    const std::int64_t dx = (cx < 0 ? std::int64_t{x1} + cx : x1) - area.left, dy = (cy < 0 ? std::int64_t{y1} + cy : y1) - area.top;
    const RECT& seen = t.visible.extents;
    const RECT fromSource{saturate(std::max<std::int64_t>({area.left, -dx, seen.left})),
                          saturate(std::max<std::int64_t>({area.top, -dy, seen.top})),
                          saturate(std::min<std::int64_t>({area.right, srcBmp->width - dx, seen.right})),
                          saturate(std::min<std::int64_t>({area.bottom, srcBmp->height - dy, seen.bottom}))};
    if (fromSource.left >= fromSource.right || fromSource.top >= fromSource.bottom) return TRUE;
    // Every pixel left exists in both surfaces, so the offset fits an int.
    const int sx = static_cast<int>(dx), sy = static_cast<int>(dy);
    const BlitSource src(*srcDc, *srcBmp, *dc, *t.bmp);
    const SourceRowOp op(r, p);
    const bool copyRows = op.isCopy() && !src.converts();
    std::vector<COLORREF> converted;  // a source row in the destination's format
    forEachVisible(t, fromSource, [&](const RECT& q) {
        const int n = q.right - q.left;
        if (!copyRows && !src.converts()) {
            op(Block{t.bmp->row(q.top) + q.left, t.bmp->width, n, q.bottom - q.top}, src.row(q.top + sy) + (q.left + sx), src.width());
            return;
        }
        for (int yy = q.top; yy < q.bottom; ++yy) {
            COLORREF* out = t.bmp->row(yy) + q.left;
            const COLORREF* in = src.row(yy + sy) + (q.left + sx);
            if (copyRows) {
                std::memmove(out, in, static_cast<std::size_t>(n) * sizeof(COLORREF));
                continue;
            }
            if (src.converts()) {
                converted.resize(static_cast<std::size_t>(n));
                for (int i = 0; i < n; ++i) converted[static_cast<std::size_t>(i)] = src.convert(in[i]);
                in = converted.data();
            }
            op(out, in, n);
        }
    });
    return TRUE;
}

}  // namespace ulmaro::platform
