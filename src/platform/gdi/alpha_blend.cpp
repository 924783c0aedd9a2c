// AlphaBlend. With a constant source alpha a each channel becomes
// (s * a + d * (255 - a)) / 255 rounded to nearest. With AC_SRC_ALPHA the source is taken
// as premultiplied by its own alpha (the top byte of a pixel made by CreateBitmap; zero for
// anything drawn): the source, scaled by the constant alpha, is added to the destination
// scaled by what the source's alpha leaves, as whole pixels, so a channel that overflows
// carries into the next, as on the platform. Sizes that differ
// stretch the source by picking, for each destination pixel, the source pixel its centre
// maps to.
#include "blit.h"
#include "blit_source.h"
#include "stretch_map.h"

namespace ulmaro::platform {

using namespace detail;

namespace {

BYTE mix(unsigned s, unsigned d, unsigned a) { return static_cast<BYTE>((s * a + d * (255 - a) + 127) / 255); }

unsigned scale(unsigned v, unsigned a) { return (v * a + 127) / 255; }

COLORREF overPremultiplied(COLORREF s, COLORREF d, unsigned constantAlpha) {
    const unsigned sa = scale(s >> 24, constantAlpha);
    // Added as the platform's pixels lie in memory, blue in the low byte: an overflow in
    // blue carries into green, in green into red.
    auto packed = [](unsigned r, unsigned g, unsigned b) { return (r << 16) | (g << 8) | b; };
    const unsigned src = packed(scale(GetRValue(s), constantAlpha), scale(GetGValue(s), constantAlpha),
                                scale(GetBValue(s), constantAlpha));
    const unsigned dst = packed(scale(GetRValue(d), 255 - sa), scale(GetGValue(d), 255 - sa), scale(GetBValue(d), 255 - sa));
    const unsigned sum = src + dst;
    return RGB(static_cast<BYTE>(sum >> 16), static_cast<BYTE>(sum >> 8), static_cast<BYTE>(sum));
}

}  // namespace

BOOL AlphaBlend(HDC hdcDest, int xoriginDest, int yoriginDest, int wDest, int hDest, HDC hdcSrc, int xoriginSrc,
                int yoriginSrc, int wSrc, int hSrc, BLENDFUNCTION ftn) {
    Dc* dc = lookupDc(hdcDest);
    Dc* srcDc = lookupDc(hdcSrc);
    if (!dc || !srcDc || ftn.BlendOp != AC_SRC_OVER || (ftn.AlphaFormat & ~AC_SRC_ALPHA) != 0) return FALSE;
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
    const bool perPixel = (ftn.AlphaFormat & AC_SRC_ALPHA) != 0 && !src.converts();
    forEachVisible(t, area, [&](const RECT& q) {
        const auto cols = mapX.ranges(std::int64_t{q.left} - area.left, std::int64_t{q.right} - area.left);
        const auto rows = mapY.ranges(std::int64_t{q.top} - area.top, std::int64_t{q.bottom} - area.top);
        for (int y = q.top; y < q.bottom; ++y) {
            const COLORREF* in = src.row(rows[static_cast<std::size_t>(y - q.top)].first);
            COLORREF* out = t.bmp->row(y);
            for (int x = q.left; x < q.right; ++x) {
                const COLORREF s = src.convert(in[cols[static_cast<std::size_t>(x - q.left)].first]);
                const COLORREF d = out[x];
                if (perPixel) {
                    out[x] = overPremultiplied(s, d, a);
                    continue;
                }
                const COLORREF mixed = RGB(mix(GetRValue(s), GetRValue(d), a), mix(GetGValue(s), GetGValue(d), a),
                                           mix(GetBValue(s), GetBValue(d), a));
                out[x] = nearestColor(*t.bmp, mixed);
            }
        }
    });
    return TRUE;
}

}  // namespace ulmaro::platform
