// Quadrant stepping after the integer ellipse rasteriser by Alois Zingl: the error term
// decides at each step whether x, y or both move, so the outline is 8-connected.
#include "ellipse_outline.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace ulmaro::platform::detail {

namespace {

// The lower-right quadrant of a width x height ellipse in its own 0-based box, from the
// rightmost point of the middle row down to the middle column.
std::vector<POINT> quadrant(int width, int height) {
    const std::int64_t a = width - 1, b = height - 1;
    const std::int64_t stepX = 8 * b * b, stepY = 8 * a * a;
    std::int64_t dx = 4 * b * b * (1 - a);
    std::int64_t dy = 4 * a * a * (1 + b % 2);
    std::int64_t err = dx + dy + a * a * (b % 2);
    std::vector<POINT> pts;
    LONG x = static_cast<LONG>(a), y = height / 2;
    // Each pass moves x or y; the guard only protects against a broken invariant.
    for (std::int64_t guard = 0; x >= width / 2 && guard <= 2 * (std::int64_t{width} + height) + 4; ++guard) {
        const std::int64_t e2 = 2 * err;
        pts.push_back(POINT{x, y});
        if (e2 >= dx) {
            --x;
            dx += stepX;
            err += dx;
        }
        if (e2 <= dy) {
            ++y;
            dy += stepY;
            err += dy;
        }
    }
    return pts;
}

// The pixel facing v across the middle of [lo, hi).
LONG mirror(LONG lo, LONG hi, LONG v) { return static_cast<LONG>(std::int64_t{lo} + hi - 1 - v); }

}  // namespace

std::vector<POINT> roundRectOutline(const RECT& box, int cornerWidth, int cornerHeight) {
    std::vector<POINT> q = quadrant(cornerWidth, cornerHeight);
    const std::size_t n = q.size();
    std::vector<POINT> pts(n * 4);
    for (std::size_t i = 0; i < n; ++i)
        pts[i] = POINT{static_cast<LONG>(std::int64_t{box.right} - cornerWidth + q[i].x), static_cast<LONG>(std::int64_t{box.bottom} - cornerHeight + q[i].y)};
    // Lower-left quarter: mirrored left to right, walked backwards so the outline continues.
    for (std::size_t i = 0; i < n; ++i) pts[2 * n - 1 - i] = POINT{mirror(box.left, box.right, pts[i].x), pts[i].y};
    // Upper half: the lower half mirrored top to bottom, walked backwards.
    for (std::size_t i = 0; i < 2 * n; ++i) pts[4 * n - 1 - i] = POINT{pts[i].x, mirror(box.top, box.bottom, pts[i].y)};
    return pts;
}

void outlineInteriorSpans(const std::vector<POINT>& outline, const RECT& box, const RECT& bounds, std::vector<Span>& out) {
    // The outline's extent on each row it touches, rows in order.
    std::map<LONG, std::pair<LONG, LONG>> rows;
    for (const POINT& p : outline) {
        if (p.y < box.top || p.y >= box.bottom) continue;
        auto [it, fresh] = rows.try_emplace(p.y, p.x, p.x + 1);
        if (!fresh) {
            it->second.first = std::min(it->second.first, p.x);
            it->second.second = std::max(it->second.second, p.x + 1);
        }
    }
    if (rows.empty()) return;
    // Rows between outline rows lie along the straight sides of a rounded rectangle: they
    // span the box. Rows beyond the outline (the tips of very flat ellipses) stay empty.
    const LONG top = std::max(rows.begin()->first, bounds.top), bottom = std::min(rows.rbegin()->first + 1, bounds.bottom);
    auto next = rows.lower_bound(top);
    for (LONG y = top; y < bottom; ++y) {
        std::pair<LONG, LONG> span{box.left, box.right};
        if (next != rows.end() && next->first == y) span = (next++)->second;
        const LONG x0 = std::max(span.first, bounds.left), x1 = std::min(span.second, bounds.right);
        if (x0 < x1) out.push_back(Span{y, x0, x1});
    }
}

void discSpans(int x, int y, int width, std::vector<Span>& out) {
    if (width < 1) return;
    RECT box{x - width / 2, y - width / 2, x - width / 2 + width, y - width / 2 + width};
    outlineInteriorSpans(roundRectOutline(box, width, width), box, box, out);
}

}  // namespace ulmaro::platform::detail
