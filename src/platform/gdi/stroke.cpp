// Pens on lines and outlines. A thin pen steps pixel by pixel; a wide pen is geometric: each
// segment becomes a band as wide as the pen, and every point gets a round nib, which makes
// the round caps and joins the platform's solid pens have.
#include "stroke.h"

#include "ellipse_outline.h"
#include "polygon_scan.h"

#include <cmath>
#include <initializer_list>

namespace ulmaro::platform::detail {

namespace {
// Wider pens are drawn this wide: enough to cover any surface, small enough to rasterise.
constexpr int kWidestPen = 1 << 16;
}  // namespace

Dashes dashesOf(int penStyle) {
    // Runs of drawn and left steps, starting with a drawn one.
    auto runs = [](std::initializer_list<int> lengths) {
        Dashes d;
        bool drawn = true;
        for (int len : lengths) {
            if (drawn) d.drawn |= ((std::uint32_t{1} << len) - 1) << d.period;
            d.period += len;
            drawn = !drawn;
        }
        return d;
    };
    switch (penStyle) {
    case PS_DASH: return runs({18, 6});
    case PS_DOT: return runs({3, 3});
    case PS_DASHDOT: return runs({9, 6, 3, 6});
    case PS_DASHDOTDOT: return runs({9, 3, 3, 3, 3, 3});
    case PS_ALTERNATE: return runs({1, 1});
    default: return Dashes{};
    }
}

bool drawStateOf(Dc& dc, DrawState& s) {
    s.target = targetOf(dc);
    if (!s.target.ok()) return false;
    s.bounds = s.target.visible.extents;
    s.rop2 = dc.rop2;
    const Bitmap& surface = *s.target.bmp;
    if (Pen* pen = lookupPen(asHandle(dc.pen)); pen && pen->style != PS_NULL) {
        s.hasPen = true;
        s.penWidth = std::clamp(pen->width, 1, kWidestPen);
        s.penColor = nearestColor(surface, pen->color);
        if (s.penWidth == 1) s.dashes = dashesOf(pen->style);
        // The alternate pen leaves its gaps alone whatever the background mode.
        s.fillsGaps = !s.dashes.solid() && dc.bkMode == OPAQUE && pen->style != PS_ALTERNATE;
        s.bkColor = nearestColor(surface, dc.bkColor);
    }
    if (Brush* brush = lookupBrush(asHandle(dc.brush)); brush && brush->style != BS_NULL) {
        s.hasBrush = true;
        s.brushColor = nearestColor(surface, brush->color);
    }
    return true;
}

void paintWithRop(const Target& t, const RegionData& area, RopMask mask) {
    if (area.empty() || mask.leavesAlone()) return;
    const RegionData visible = regionCombine(area, t.visible, RGN_AND);
    for (const RECT& r : visible.rects)
        for (int y = r.top; y < r.bottom; ++y) {
            COLORREF* row = t.bmp->row(y);
            if (mask.overwrites())
                std::fill(row + r.left, row + r.right, mask.xorMask);
            else
                for (int x = r.left; x < r.right; ++x) row[x] = mask.apply(row[x]);
        }
}

namespace {

LONG roundHalfUp(double v) { return static_cast<LONG>(std::floor(v + 0.5)); }

// Cuts the segment a-b to `box` (Liang-Barsky); false if nothing of it is inside.
bool clipSegment(POINT& a, POINT& b, const RECT& box) {
    const double x0 = a.x, y0 = a.y, dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
    double t0 = 0.0, t1 = 1.0;
    auto edge = [&](double p, double q) {  // keeps the part where p * t <= q
        if (p == 0.0) return q >= 0.0;
        const double t = q / p;
        if (p < 0.0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
        return true;
    };
    if (!edge(-dx, x0 - box.left) || !edge(dx, box.right - x0) || !edge(-dy, y0 - box.top) || !edge(dy, box.bottom - y0)) return false;
    b = POINT{static_cast<LONG>(std::llround(x0 + t1 * dx)), static_cast<LONG>(std::llround(y0 + t1 * dy))};
    a = POINT{static_cast<LONG>(std::llround(x0 + t0 * dx)), static_cast<LONG>(std::llround(y0 + t0 * dy))};
    return true;
}

bool far(POINT p) {
    constexpr LONG kNear = LONG{1} << 28;
    return p.x < -kNear || p.x > kNear || p.y < -kNear || p.y > kNear;
}

// One segment of a wide pen, without its end nibs. Horizontal and vertical segments are
// bands of whole pixels; others are parallelograms whose sides are offset from the centre
// line by the pen's half width along each axis, rounded; the half toward +x gets the larger
// rounding when the width does not split evenly.
void wideSegmentSpans(POINT a, POINT b, int width, const RECT& bounds, std::vector<Span>& out) {
    // Segments reaching far outside are first cut to the area that can touch the bounds, so
    // that the corner arithmetic below stays within range.
    if (far(a) || far(b)) {
        const RECT reach{bounds.left - width - 2, bounds.top - width - 2, bounds.right + width + 2, bounds.bottom + width + 2};
        if (!clipSegment(a, b, reach)) return;
    }
    const LONG dx = b.x - a.x, dy = b.y - a.y;
    if (dx == 0 && dy == 0) return;
    if (dy == 0 || dx == 0) {
        RECT band = dy == 0 ? RECT{std::min(a.x, b.x), a.y - width / 2, std::max(a.x, b.x), a.y - width / 2 + width}
                            : RECT{a.x - width / 2, std::min(a.y, b.y), a.x - width / 2 + width, std::max(a.y, b.y)};
        const int x0 = std::max(band.left, bounds.left), x1 = std::min(band.right, bounds.right);
        if (x0 >= x1) return;
        for (int y = std::max(band.top, bounds.top); y < std::min(band.bottom, bounds.bottom); ++y) out.push_back(Span{y, x0, x1});
        return;
    }
    const double len = std::hypot(static_cast<double>(dx), static_cast<double>(dy));
    const double extentX = width * std::abs(static_cast<double>(dy)) / len;  // the band's width along x
    const double extentY = width * std::abs(static_cast<double>(dx)) / len;
    const POINT narrow{roundHalfUp(extentX / 2), roundHalfUp(extentY / 2)};
    const POINT broad{roundHalfUp((extentX + 1) / 2), roundHalfUp((extentY + 1) / 2)};
    // For a line falling to the right the +x side of the band faces up, otherwise down.
    const LONG s = (dx > 0) == (dy > 0) ? 1 : -1;
    const POINT right{broad.x, -s * broad.y}, left{-narrow.x, s * narrow.y};
    const POINT quad[4] = {{a.x + right.x, a.y + right.y}, {b.x + right.x, b.y + right.y}, {b.x + left.x, b.y + left.y}, {a.x + left.x, a.y + left.y}};
    scanPolygon(quad, 4, ALTERNATE, bounds, out);
}

bool allSame(const POINT* pts, int n) {
    for (int i = 1; i < n; ++i)
        if (pts[i].x != pts[0].x || pts[i].y != pts[0].y) return false;
    return true;
}

}  // namespace

void penOutlineSpans(const POINT* pts, int n, bool closed, int width, const RECT& bounds, std::vector<Span>& out) {
    if (!pts || n < 2) return;
    const int segments = closed ? n : n - 1;
    if (width <= 1) {
        for (int i = 0; i < segments; ++i)
            thinLinePixels(pts[i], pts[(i + 1) % n], bounds, [&](int x, int y) {
                if (y >= bounds.top && y < bounds.bottom) out.push_back(Span{y, x, x + 1});
            });
        return;
    }
    if (allSame(pts, n)) return;
    for (int i = 0; i < segments; ++i) wideSegmentSpans(pts[i], pts[(i + 1) % n], width, bounds, out);
    std::vector<Span> nib;
    discSpans(0, 0, width, nib);
    for (int i = 0; i < n; ++i)
        for (const Span& sp : nib) {
            const std::int64_t y = std::int64_t{pts[i].y} + sp.y;
            const std::int64_t x0 = std::max<std::int64_t>(std::int64_t{pts[i].x} + sp.x0, bounds.left);
            const std::int64_t x1 = std::min<std::int64_t>(std::int64_t{pts[i].x} + sp.x1, bounds.right);
            if (y >= bounds.top && y < bounds.bottom && x0 < x1) out.push_back(Span{static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1)});
        }
}

void drawShape(const DrawState& s, const std::vector<POINT>& outline, RegionData interior) {
    RegionData pen, gaps;
    if (s.hasPen && !s.dashes.solid() && !outline.empty()) {
        std::vector<Span> drawn, left;
        const RECT& b = s.bounds;
        dashedPixels(outline.data(), static_cast<int>(outline.size()), true, s.dashes, b, [&](int x, int y, bool on) {
            if (y >= b.top && y < b.bottom && (on || s.fillsGaps)) (on ? drawn : left).push_back(Span{y, x, x + 1});
        });
        pen = regionFromSpans(std::move(drawn));
        gaps = regionFromSpans(std::move(left));
        // Where the pen leaves a gap the brush shows, if the figure's inside reaches there.
        if (s.hasBrush) interior = regionCombine(interior, gaps, RGN_DIFF);
    } else if (s.hasPen) {
        std::vector<Span> spans;
        penOutlineSpans(outline.data(), static_cast<int>(outline.size()), true, s.penWidth, s.bounds, spans);
        pen = regionFromSpans(std::move(spans));
    }
    if (s.hasBrush) {
        if (!pen.empty()) interior = regionCombine(interior, pen, RGN_DIFF);
        paintWithRop(s.target, interior, s.brushMask());
    }
    if (s.hasPen) paintWithRop(s.target, pen, s.penMask());
    if (!gaps.empty()) paintWithRop(s.target, gaps, s.gapMask());
}

void recordPathMoveTo(Dc& dc, POINT p) {
    PathState& path = dc.path;
    // A move right after a move replaces it: a figure starts where the last move went.
    if (!path.types.empty() && path.types.back() == PT_MOVETO) {
        path.points.back() = p;
        return;
    }
    path.points.push_back(p);
    path.types.push_back(PT_MOVETO);
}

void recordPathLineTo(Dc& dc, POINT p) {
    PathState& path = dc.path;
    // A line with no figure open starts one at the current position.
    if (path.types.empty() || (path.types.back() & PT_CLOSEFIGURE)) {
        path.points.push_back(dc.pos);
        path.types.push_back(PT_MOVETO);
    }
    path.points.push_back(p);
    path.types.push_back(PT_LINETO);
}

void recordPathCloseFigure(Dc& dc) {
    PathState& path = dc.path;
    if (!path.types.empty() && path.types.back() != PT_MOVETO) path.types.back() |= PT_CLOSEFIGURE;
}

}  // namespace ulmaro::platform::detail
