// Painting text: glyph masks and text-cell fills through the clip, turned with the font's
// escapement; TextOutA, ExtTextOutA and the text alignment of a context.
#include "coordinates.h"
#include "text_paint.h"

#include <algorithm>
#include <climits>

namespace ulmaro::platform::detail {

// How far a run of text may reach from its reference point: with the reference point within
// the coordinate range, every glyph's corner stays within an int.
constexpr long long kRunLimit = 1LL << 29;

// A turn maps the text-space pixel (x, y) to the device pixel
//   0: (ox + x, oy + y)   1: (ox + y, oy - x - 1)   2: (ox - x - 1, oy - y - 1)   3: (ox - y - 1, oy + x)
// that is, the pixel square turned about the origin's corner.
RECT TextPainter::toDevice(int x0, int y0, int x1, int y1) const {
    const int ox = origin.x, oy = origin.y;
    switch (turns) {
        case 1:
            return {ox + y0, oy - x1, ox + y1, oy - x0};
        case 2:
            return {ox - x1, oy - y1, ox - x0, oy - y0};
        case 3:
            return {ox - y1, oy + x0, ox - y0, oy + x1};
        default:
            return {ox + x0, oy + y0, ox + x1, oy + y1};
    }
}

// Device pixel (X, Y) back to text space: (ax X + ay Y + a0, bx X + by Y + b0).
TextPainter::Inverse TextPainter::inverse() const {
    const int ox = origin.x, oy = origin.y;
    switch (turns) {
        case 1:
            return {0, -1, oy - 1, 1, 0, -ox};
        case 2:
            return {-1, 0, ox - 1, 0, -1, oy - 1};
        case 3:
            return {0, 1, -oy, -1, 0, ox - 1};
        default:
            return {1, 0, -ox, 0, 1, -oy};
    }
}

void TextPainter::fill(int x0, int y0, int x1, int y1, COLORREF color) const {
    if (x0 >= x1 || y0 >= y1) return;
    COLORREF c = nearestColor(*target.bmp, color);
    forEachVisible(target, toDevice(x0, y0, x1, y1), [&](const RECT& r) {
        for (int y = r.top; y < r.bottom; ++y) std::fill(target.bmp->row(y) + r.left, target.bmp->row(y) + r.right, c);
    });
}

int TextPainter::glyphs(int x, int y, std::string_view s, COLORREF color, const int* dx) const {
    const COLORREF c = nearestColor(*target.bmp, color);
    const int baseline = y + static_cast<int>(face->metrics().tmAscent);
    const Inverse inv = inverse();
    for (std::size_t i = 0; i < s.size(); ++i) {
        const Glyph& g = face->glyph(static_cast<unsigned char>(s[i]));
        if (g.width > 0 && g.height > 0) {
            const int gx = x + g.left, gy = baseline + g.top;
            forEachVisible(target, toDevice(gx, gy, gx + g.width, gy + g.height), [&](const RECT& r) {
                for (int dy = r.top; dy < r.bottom; ++dy) {
                    COLORREF* row = target.bmp->row(dy);
                    for (int dxp = r.left; dxp < r.right; ++dxp) {
                        // The text-space pixel, relative to the glyph's corner.
                        const int u = inv.ax * dxp + inv.ay * dy + inv.a0 - gx;
                        const int v = inv.bx * dxp + inv.by * dy + inv.b0 - gy;
                        if (g.ink[static_cast<std::size_t>(v) * g.width + u]) row[dxp] = c;
                    }
                }
            });
        }
        x = static_cast<int>(std::clamp<long long>(static_cast<long long>(x) + (dx ? dx[i] : g.advance), -kRunLimit, kRunLimit));
    }
    return x;
}

namespace {

// Whether a run turned 270 degrees that starts in surface row `startRow` sits one row higher
// (back along its baseline): it does near the top of the surface, in a row at or above the
// first power of two that is at least five thirds of the ascent. The platform places such
// runs so, by the row where the run starts whatever the alignment (measured for ascents of
// 3 to 48 pixels in several faces); other turns show nothing alike.
bool raisedWhenTurnedDown(long long startRow, long long ascent) {
    const long long reach = (5 * ascent + 2) / 3;
    long long limit = 1;
    while (limit < reach) limit <<= 1;
    return startRow <= limit;
}

}  // namespace

int runWidth(FontFace& face, std::string_view s, const int* dx) {
    if (!dx) return face.width(s);
    long long w = 0;
    for (std::size_t i = 0; i < s.size(); ++i) w += dx[i];
    return static_cast<int>(std::clamp<long long>(w, -kRunLimit, kRunLimit));
}

BOOL drawTextRun(Dc& dc, int x, int y, const TextRun& run) {
    FontFace* face = faceOf(dc);
    if (!face) return FALSE;
    Target target = targetOf(dc);
    if (!target.ok()) return FALSE;
    const LOGFONTA& lf = fontOf(dc)->lf;
    const TEXTMETRICA& tm = face->metrics();
    const int w = runWidth(*face, run.text, run.dx);
    const int h = static_cast<int>(tm.tmHeight);

    // The opaque rectangle is a device rectangle: it does not turn with the text.
    if (run.opaque) {
        const COLORREF c = nearestColor(*target.bmp, dc.bkColor);
        forEachVisible(target, *run.opaque, [&](const RECT& r) {
            for (int yy = r.top; yy < r.bottom; ++yy) std::fill(target.bmp->row(yy) + r.left, target.bmp->row(yy) + r.right, c);
        });
    }
    if (run.clip) target.visible = regionIntersectRect(target.visible, *run.clip);

    // The reference point and where the text cell sits around it.
    const UINT align = dc.textAlign;
    const bool updateCp = (align & TA_UPDATECP) != 0;
    const int x0 = (align & TA_CENTER) == TA_CENTER ? -w / 2 : (align & TA_RIGHT) ? -w : 0;
    const int y0 = (align & TA_BASELINE) == TA_BASELINE ? -static_cast<int>(tm.tmAscent) : (align & TA_BOTTOM) ? -h : 0;
    const POINT ref = updateCp ? POINT{clampCoord(dc.pos.x), clampCoord(dc.pos.y)} : POINT{clampCoord(x), clampCoord(y)};
    TextPainter p{std::move(target), face, face->raster() ? 0 : quarterTurns(lf.lfEscapement), ref};
    if (p.turns == 3 && raisedWhenTurnedDown(static_cast<long long>(ref.y) + x0, tm.tmAscent))
        p.origin.y = clampCoord(ref.y - 1);

    if (dc.bkMode == OPAQUE) p.fill(x0, y0, x0 + w, y0 + h, dc.bkColor);
    p.glyphs(x0, y0, run.text, dc.textColor, run.dx);
    const LineMetrics& lm = face->lines();
    if (lf.lfUnderline)
        p.fill(x0, y0 + lm.underlineTop, x0 + w, y0 + lm.underlineTop + lm.underlineThickness, dc.textColor);
    if (lf.lfStrikeOut)
        p.fill(x0, y0 + lm.strikeoutTop, x0 + w, y0 + lm.strikeoutTop + lm.strikeoutThickness, dc.textColor);

    if (updateCp) {
        // The current position moves along the baseline past the text, away from the
        // reference point; centred text leaves it where it was.
        int d = (align & TA_CENTER) == TA_CENTER ? 0 : (align & TA_RIGHT) ? -w : w;
        static const int dirX[4] = {1, 0, -1, 0}, dirY[4] = {0, -1, 0, 1};
        dc.pos.x = clampCoord(ref.x + d * dirX[p.turns]);
        dc.pos.y = clampCoord(ref.y + d * dirY[p.turns]);
    }
    return TRUE;
}

}  // namespace ulmaro::platform::detail

namespace ulmaro::platform {

using namespace detail;

constexpr UINT kGdiError = 0xFFFFFFFF;  // the platform's failure value for SetTextAlign

UINT SetTextAlign(HDC hdc, UINT align) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return kGdiError;
    UINT old = dc->textAlign;
    dc->textAlign = align;
    return old;
}

UINT GetTextAlign(HDC hdc) {
    Dc* dc = lookupDc(hdc);
    return dc ? dc->textAlign : kGdiError;
}

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
    Dc* dc = lookupDc(hdc);
    if (!dc || c < 0 || (!lpString && c > 0)) return FALSE;
    return drawTextRun(*dc, x, y, TextRun{std::string_view(c > 0 ? lpString : "", static_cast<std::size_t>(c))});
}

// The rectangle counts only with ETO_OPAQUE or ETO_CLIPPED; it is taken in order, as the
// platform does with a rectangle given inside out.
BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCSTR lpString, UINT c, const INT* lpDx) {
    Dc* dc = lookupDc(hdc);
    if (!dc || c > static_cast<UINT>(INT_MAX) || (!lpString && c > 0)) return FALSE;
    RECT rc{};
    const bool useRect = lprect && (options & (ETO_OPAQUE | ETO_CLIPPED));
    if (useRect) {
        rc = RECT{std::min(lprect->left, lprect->right), std::min(lprect->top, lprect->bottom),
                  std::max(lprect->left, lprect->right), std::max(lprect->top, lprect->bottom)};
    }
    TextRun run{std::string_view(c > 0 ? lpString : "", c), c > 0 ? lpDx : nullptr,
                useRect && (options & ETO_OPAQUE) ? &rc : nullptr, useRect && (options & ETO_CLIPPED) ? &rc : nullptr};
    return drawTextRun(*dc, x, y, run);
}

}  // namespace ulmaro::platform
