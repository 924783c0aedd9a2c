// StretchBlt. Each destination pixel takes the source pixel its centre maps to; when the
// transfer shrinks, the context's stretch mode decides what becomes of the source pixels
// that fall on one destination pixel: BLACKONWHITE ands them (black wins), WHITEONBLACK ors
// them (white wins), COLORONCOLOR and HALFTONE keep one.
#include "blit.h"
#include "blit_source.h"
#include "stretch_map.h"

#include <algorithm>
#include <cstdlib>

namespace ulmaro::platform {

using namespace detail;

BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc, int wSrc,
                int hSrc, DWORD rop) {
    Dc* dc = lookupDc(hdcDest);
    if (!dc) return FALSE;
    const Rop3 r(rop);
    const RECT area = rectFromSize(xDest, yDest, wDest, hDest);
    if (!r.usesSource()) return patternBlt(*dc, area, r);
    if (wSrc == wDest && hSrc == hDest) return BitBlt(hdcDest, xDest, yDest, wDest, hDest, hdcSrc, xSrc, ySrc, rop);
    Dc* srcDc = lookupDc(hdcSrc);
    Bitmap* srcBmp = srcDc ? bitmapOf(*srcDc) : nullptr;
    Target t = targetOf(*dc);
    if (!srcBmp || !t.ok()) return FALSE;
    if (wSrc == 0 || hSrc == 0 || wDest == 0 || hDest == 0) return TRUE;
    COLORREF p = 0;
    if (r.usesPattern() && !patternOf(*dc, *t.bmp, p)) return TRUE;

    const int mode = dc->stretchMode;
    const bool groups = mode == BLACKONWHITE || mode == WHITEONBLACK;
    const RECT from = rectFromSize(xSrc, ySrc, wSrc, hSrc);
    const AxisMap mapX{std::int64_t{area.right} - area.left, std::int64_t{from.right} - from.left, from.left, srcBmp->width,
                       (wSrc < 0) != (wDest < 0), groups};
    const AxisMap mapY{std::int64_t{area.bottom} - area.top, std::int64_t{from.bottom} - from.top, from.top, srcBmp->height,
                       (hSrc < 0) != (hDest < 0), groups};
    // A transfer whose source or destination lies past the end of the coordinate range
    // covers nothing.
    if (mapX.srcLen <= 0 || mapY.srcLen <= 0 || mapX.dstLen <= 0 || mapY.dstLen <= 0) return TRUE;
    const BlitSource src(*srcDc, *srcBmp, *dc, *t.bmp);
    const SourceRop op(r, p);
    auto combine = [mode](COLORREF a, COLORREF b) { return mode == WHITEONBLACK ? (a | b) : (a & b); };

    const bool plainCopy = op.isCopy() && !src.converts();
    forEachVisible(t, area, [&](const RECT& q) {
        const std::vector<SourceRange> cols = mapX.ranges(std::int64_t{q.left} - area.left, std::int64_t{q.right} - area.left);
        const std::vector<SourceRange> rows = mapY.ranges(std::int64_t{q.top} - area.top, std::int64_t{q.bottom} - area.top);
        for (int y = q.top; y < q.bottom; ++y) {
            const SourceRange& ry = rows[static_cast<std::size_t>(y - q.top)];
            if (ry.empty()) continue;
            const COLORREF* in = src.row(ry.first);
            COLORREF* out = t.bmp->row(y);
            for (int x = q.left; x < q.right; ++x) {
                const SourceRange& rx = cols[static_cast<std::size_t>(x - q.left)];
                if (rx.empty()) continue;
                COLORREF s = in[rx.first];
                if (rx.last - rx.first > 1 || ry.last - ry.first > 1)
                    for (int sy = ry.first; sy < ry.last; ++sy) {
                        const COLORREF* group = src.row(sy);
                        for (int sx = rx.first; sx < rx.last; ++sx) s = combine(s, group[sx]);
                    }
                out[x] = plainCopy ? s : op.apply(src.convert(s), out[x]);
            }
        }
    });
    return TRUE;
}

}  // namespace ulmaro::platform
