// AlphaBlend with a constant source alpha a: each channel becomes
// (s * a + d * (255 - a)) / 255 rounded to nearest. Sizes that differ stretch the source by
// picking, for each destination pixel, the source pixel its centre maps to. Our surfaces
// carry no alpha channel, so AC_SRC_ALPHA sees every source pixel as opaque.
#include "blit.h"
#include "blit_source.h"
#include "stretch_map.h"

namespace ulmaro::platform {

using namespace detail;

namespace {

BYTE mix(unsigned s, unsigned d, unsigned a) { return static_cast<BYTE>((s * a + d * (255 - a) + 127) / 255); }

}  // namespace

BOOL AlphaBlend(HDC hdcDest, int xoriginDest, int yoriginDest, int wDest, int hDest, HDC hdcSrc, int xoriginSrc,
                int yoriginSrc, int wSrc, int hSrc, BLENDFUNCTION ftn) {
    Dc* dc = lookupDc(hdcDest);
    Dc* srcDc = lookupDc(hdcSrc);
    if (!dc || !srcDc || ftn.BlendOp != AC_SRC_OVER) return FALSE;
    if (wDest < 0 || hDest < 0 || wSrc < 0 || hSrc < 0) return FALSE;
    Bitmap* srcBmp = bitmapOf(*srcDc);
    Target t = targetOf(*dc);
    if (!srcBmp || !t.ok()) return FALSE;
    // The platform refuses a source rectangle that reaches outside the source surface.
    if (xoriginSrc < 0 || yoriginSrc < 0 || static_cast<std::int64_t>(xoriginSrc) + wSrc > srcBmp->width ||
        static_cast<std::int64_t>(yoriginSrc) + hSrc > srcBmp->height)
        return FALSE;
    if (wDest == 0 || hDest == 0 || wSrc == 0 || hSrc == 0 || ftn.SourceConstantAlpha == 0) return TRUE;

    const RECT area = rectFromSize(xoriginDest, yoriginDest, wDest, hDest);
    const AxisMap mapX{wDest, wSrc, xoriginSrc, srcBmp->width, false, false};
    const AxisMap mapY{hDest, hSrc, yoriginSrc, srcBmp->height, false, false};
    const BlitSource src(*srcDc, *srcBmp, *dc, *t.bmp);
    const unsigned a = ftn.SourceConstantAlpha;
    forEachVisible(t, area, [&](const RECT& q) {
        const auto cols = mapX.ranges(q.left - area.left, q.right - area.left);
        const auto rows = mapY.ranges(q.top - area.top, q.bottom - area.top);
        for (int y = q.top; y < q.bottom; ++y) {
            const COLORREF* in = src.row(rows[static_cast<std::size_t>(y - q.top)].first);
            COLORREF* out = t.bmp->row(y);
            for (int x = q.left; x < q.right; ++x) {
                const COLORREF s = src.convert(in[cols[static_cast<std::size_t>(x - q.left)].first]);
                const COLORREF d = out[x];
                const COLORREF mixed = RGB(mix(GetRValue(s), GetRValue(d), a), mix(GetGValue(s), GetGValue(d), a),
                                           mix(GetBValue(s), GetBValue(d), a));
                out[x] = nearestColor(*t.bmp, mixed);
            }
        }
    });
    return TRUE;
}

}  // namespace ulmaro::platform
