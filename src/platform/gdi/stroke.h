// What the line and shape calls share: the pen, brush, raster operation and surface of a
// context looked up once per call, the pixels of a thin line, the outline a wide pen
// covers, and painting a set of pixels with a raster operation.
#pragma once

#include "int128.h"
#include "objects.h"
#include "rop.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace ulmaro::platform::detail {

// The dash pattern of a thin styled pen: step i along a line is drawn when bit (i mod
// period) of `drawn` is set. A period of 0 is a solid pen.
struct Dashes {
    int period = 0;
    std::uint32_t drawn = 0;
    bool solid() const { return period == 0; }
    bool on(std::int64_t step) const { return (drawn >> (step % period)) & 1u; }
};

// The pattern of a pen style as the platform draws it with a one-pixel pen.
Dashes dashesOf(int penStyle);

struct DrawState {
    Target target;
    RECT bounds{0, 0, 0, 0};  // extents of the visible area
    int rop2 = R2_COPYPEN;
    bool hasPen = false;
    int penWidth = 1;
    COLORREF penColor = 0;  // as the surface stores it
    Dashes dashes;           // thin styled pens only; wider ones draw solid
    bool fillsGaps = false;  // the gaps between dashes take the background colour
    COLORREF bkColor = 0;    // as the surface stores it
    bool hasBrush = false;
    COLORREF brushColor = 0;
    RopMask penMask() const { return rop2Mask(rop2, penColor); }
    RopMask gapMask() const { return rop2Mask(rop2, bkColor); }
    RopMask brushMask() const { return rop2Mask(rop2, brushColor); }
};

// False when the context has no surface to draw on.
bool drawStateOf(Dc& dc, DrawState& out);

// Applies `mask` once to every visible pixel of `area`.
void paintWithRop(const Target& t, const RegionData& area, RopMask mask);

// Calls f(x, y) for each pixel of the thin line from a to b, leaving out b as the platform
// does, limited to the columns and rows of `bounds`. The minor coordinate is the exact one
// rounded to nearest, with halves going to the smaller value; so a line has the same
// pixels whichever way it is drawn.
template <class F>
void thinLinePixels(POINT a, POINT b, const RECT& bounds, F f) {
    const std::int64_t dx = std::int64_t{b.x} - a.x, dy = std::int64_t{b.y} - a.y;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    const std::int64_t len = std::llabs(major);
    if (len == 0) return;
    const int step = major > 0 ? 1 : -1;
    const std::int64_t start = xMajor ? a.x : a.y, minorStart = xMajor ? a.y : a.x;
    const std::int64_t lo = xMajor ? bounds.left : bounds.top, hi = (xMajor ? bounds.right : bounds.bottom) - 1;
    // Steps i in [0, len) whose major coordinate start + step * i lies in [lo, hi].
    std::int64_t i0 = 0, i1 = len - 1;
    if (step > 0) {
        i0 = std::max(i0, lo - start);
        i1 = std::min(i1, hi - start);
    } else {
        i0 = std::max(i0, start - hi);
        i1 = std::min(i1, start - lo);
    }
    if (i0 > i1) return;
    // At step i the minor coordinate is minorStart + ceil((2 i minor - len) / (2 len)):
    // nearest, halves down. It is found exactly at the first step, then stepped with the
    // remainder r = q * d - n kept in [0, d).
    const std::int64_t d = 2 * len, dn = 2 * minor;
    const Int128 n0 = Int128{2} * i0 * minor - len;
    const Int128 q0 = ceilDiv128(n0, d);
    std::int64_t m = minorStart + static_cast<std::int64_t>(q0);
    std::int64_t r = static_cast<std::int64_t>(q0 * d - n0);
    for (std::int64_t i = i0; i <= i1; ++i) {
        const std::int64_t p = start + step * i;
        if (xMajor)
            f(static_cast<int>(p), static_cast<int>(m));
        else
            f(static_cast<int>(m), static_cast<int>(p));
        r -= dn;
        if (r < 0) {
            r += d;
            ++m;
        } else if (r >= d) {
            r -= d;
            --m;
        }
    }
}

// Calls f(x, y, drawn) for each pixel of the thin polyline pts[0..n) (closed: back to the
// first point), each segment without its last pixel, with `drawn` false in the gaps of the
// dash pattern. The pattern starts at the first point and runs on across the segments; it
// counts the steps outside `bounds` too.
template <class F>
void dashedPixels(const POINT* pts, int n, bool closed, const Dashes& dashes, const RECT& bounds, F f) {
    const int segments = closed ? n : n - 1;
    std::int64_t done = 0;
    for (int i = 0; i < segments; ++i) {
        const POINT a = pts[i], b = pts[(i + 1) % n];
        const std::int64_t dx = std::llabs(std::int64_t{b.x} - a.x), dy = std::llabs(std::int64_t{b.y} - a.y);
        const bool xMajor = dx >= dy;
        thinLinePixels(a, b, bounds, [&](int x, int y) {
            const std::int64_t step = xMajor ? std::llabs(std::int64_t{x} - a.x) : std::llabs(std::int64_t{y} - a.y);
            f(x, y, dashes.on(done + step));
        });
        done = (done + std::max(dx, dy)) % dashes.period;
    }
}

// Appends the pixels a pen of `width` covers along the polyline pts[0..n) (closed: back to
// the first point). A thin pen leaves out the last pixel of every segment; a wide pen draws
// each segment as a band `width` across, with a round nib at every point.
void penOutlineSpans(const POINT* pts, int n, bool closed, int width, const RECT& bounds, std::vector<Span>& out);

// Draws a filled shape: the brush inside `interior` except where the pen outline goes, then
// the outline, so that every pixel is touched once.
// A thin dashed pen starts its pattern at the outline's first point.
void drawShape(const DrawState& s, const std::vector<POINT>& outline, RegionData interior);

// Path recording while BeginPath is in effect: figures as PT_MOVETO / PT_LINETO points.
void recordPathMoveTo(Dc& dc, POINT p);
void recordPathLineTo(Dc& dc, POINT p);
void recordPathCloseFigure(Dc& dc);
inline bool pathOpen(const Dc& dc) { return dc.path.phase == PathState::Phase::Open; }

}  // namespace ulmaro::platform::detail
