// Quadrant stepping after the integer ellipse rasteriser by Alois Zingl: the error term
// decides at each step whether x, y or both move, so the outline is 8-connected.
#include "ellipse_outline.h"

#include <algorithm>
#include <cstdint>

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

}  // namespace

std::vector<POINT> roundRectOutline(const RECT& box, int cornerWidth, int cornerHeight) {
    std::vector<POINT> q = quadrant(cornerWidth, cornerHeight);
    const std::size_t n = q.size();
    std::vector<POINT> pts(n * 4);
    for (std::size_t i = 0; i < n; ++i)
        pts[i] = POINT{box.right - cornerWidth + q[i].x, box.bottom - cornerHeight + q[i].y};
    // Lower-left quarter: mirrored left to right, walked backwards so the outline continues.
    for (std::size_t i = 0; i < n; ++i) pts[2 * n - 1 - i] = POINT{box.left + box.right - 1 - pts[i].x, pts[i].y};
    // Upper half: the lower half mirrored top to bottom, walked backwards.
    for (std::size_t i = 0; i < 2 * n; ++i) pts[4 * n - 1 - i] = POINT{pts[i].x, box.top + box.bottom - 1 - pts[i].y};
    return pts;
}

void outlineInteriorSpans(const std::vector<POINT>& outline, const RECT& box, std::vector<Span>& out) {
    const int rows = box.bottom - box.top;
    if (rows <= 0 || box.right <= box.left) return;
    // Rows between outline rows lie along the straight sides of a rounded rectangle: they
    // span the box. Rows beyond the outline (the tips of very flat ellipses) stay empty.
    std::vector<std::pair<int, int>> span(static_cast<std::size_t>(rows), {box.left, box.right});
    std::vector<bool> seen(static_cast<std::size_t>(rows), false);
    for (const POINT& p : outline) {
        if (p.y < box.top || p.y >= box.bottom) continue;
        auto i = static_cast<std::size_t>(p.y - box.top);
        if (!seen[i]) {
            span[i] = {p.x, p.x + 1};
            seen[i] = true;
        } else {
            span[i].first = std::min<int>(span[i].first, p.x);
            span[i].second = std::max<int>(span[i].second, p.x + 1);
        }
    }
    auto first = std::find(seen.begin(), seen.end(), true);
    if (first == seen.end()) return;
    auto last = std::find(seen.rbegin(), seen.rend(), true);
    const int r0 = static_cast<int>(first - seen.begin()), r1 = rows - static_cast<int>(last - seen.rbegin());
    for (int r = r0; r < r1; ++r) out.push_back(Span{box.top + r, span[static_cast<std::size_t>(r)].first, span[static_cast<std::size_t>(r)].second});
}

void discSpans(int x, int y, int width, std::vector<Span>& out) {
    if (width < 1) return;
    RECT box{x - width / 2, y - width / 2, x - width / 2 + width, y - width / 2 + width};
    outlineInteriorSpans(roundRectOutline(box, width, width), box, out);
}

}  // namespace ulmaro::platform::detail
