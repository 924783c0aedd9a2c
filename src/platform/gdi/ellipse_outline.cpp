// Quadrant stepping after the integer ellipse rasteriser by Alois Zingl, in the form that
// takes the pixel box rather than a centre and radii, so even and odd diameters come out
// alike. The error term decides at each step whether x, y or both move, so the outline is
// 8-connected; drawn figures and regions follow the same walk pixel for pixel.
#include "ellipse_outline.h"

#include <algorithm>

namespace ulmaro::platform::detail {

namespace {

// Calls visit(x, y) for each pixel of the lower-right quadrant of a width x height ellipse
// in its own 0-based box, from the rightmost pixel of the middle row to the bottom row; or,
// with kRowEntries, only for the first pixel met in each row, its outermost. Rows come in
// order, none left out; the y bound only guards the walk's invariant.
template <bool kRowEntries, class Visit>
void walkQuadrant(int width, int height, Visit visit) {
    const std::int64_t a = width - 1, b = height - 1, b1 = b & 1;
    const std::int64_t stepX = 8 * b * b, stepY = 8 * a * a;
    std::int64_t dx = 4 * (1 - a) * b * b;   // error increment of an x step
    std::int64_t dy = 4 * (b1 + 1) * a * a;  // error increment of a y step
    std::int64_t err = dx + dy + b1 * a * a;
    std::int64_t x = a, y = height / 2, lastY = y;
    visit(x, y);
    for (;;) {
        const std::int64_t e2 = 2 * err;
        bool down = false;
        if (e2 <= dy) {
            ++y;
            dy += stepY;
            err += dy;
            down = true;
        }
        if (e2 >= dx || 2 * err > dy) {
            --x;
            dx += stepX;
            err += dx;
        }
        if (x < width / 2 || y >= height) break;
        if (!kRowEntries || down) {
            visit(x, y);
            lastY = y;
        }
    }
    // Very flat ellipses reach the middle column before the bottom row: the tip runs on
    // down that column.
    for (y = lastY + 1; y < height; ++y) visit(x + 1, y);
}

// The lower-right quadrant as points.
std::vector<POINT> quadrant(int width, int height) {
    std::vector<POINT> pts;
    walkQuadrant<false>(width, height, [&](std::int64_t x, std::int64_t y) { pts.push_back(POINT{static_cast<LONG>(x), static_cast<LONG>(y)}); });
    return pts;
}

// The pixel facing v across the middle of [lo, hi).
LONG mirror(LONG lo, LONG hi, LONG v) { return static_cast<LONG>(std::int64_t{lo} + hi - 1 - v); }

// How far the corners of a cornerWidth x cornerHeight ellipse cut into each row from the
// top, down to the middle: (cornerHeight + 1) / 2 rows, each cut to its outermost pixel.
std::vector<LONG> cornerIndents(int cornerWidth, int cornerHeight) {
    std::vector<LONG> indent(static_cast<std::size_t>(cornerHeight + 1) / 2);
    walkQuadrant<true>(cornerWidth, cornerHeight, [&](std::int64_t x, std::int64_t y) {
        indent[static_cast<std::size_t>(cornerHeight - 1 - y)] = static_cast<LONG>(cornerWidth - 1 - x);
    });
    return indent;
}

// Appends one span for each row the corners of a rounded `box` cut into: row d from the top
// and from the bottom both lose the corner's indent on that row at either end.
void cornerRows(const RECT& box, int cornerWidth, int cornerHeight, std::vector<Span>& out) {
    const std::vector<LONG> indent = cornerIndents(cornerWidth, cornerHeight);
    const int rows = static_cast<int>(indent.size());
    out.reserve(out.size() + 2 * static_cast<std::size_t>(rows));
    for (int d = 0; d < rows; ++d) {
        const LONG i = indent[static_cast<std::size_t>(d)];
        out.push_back(Span{box.top + d, box.left + i, box.right - i});
        // The middle row of an odd ellipse is its own mirror image.
        if (box.bottom - 1 - d != box.top + d) out.push_back(Span{box.bottom - 1 - d, box.left + i, box.right - i});
    }
}

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

// One rectangle per band, written top to bottom as the rows are known: the upper corner
// rows, the straight middle, the lower corner rows mirrored. Rows cut in alike join into
// one band, as every region keeps its bands.
RegionData roundRectRegion(const RECT& box, int cornerWidth, int cornerHeight) {
    const std::vector<LONG> indent = cornerIndents(cornerWidth, cornerHeight);
    const int rows = static_cast<int>(indent.size());
    // Rows [0, k) lie above their mirror images; the rows between are the straight middle,
    // or the middle row of an odd ellipse.
    const int k = static_cast<int>(std::min<std::int64_t>(rows, (std::int64_t{box.bottom} - box.top) / 2));
    // The bands are written into a buffer kept from call to call, then copied once at their
    // final count.
    thread_local std::vector<RECT> scratch;
    if (scratch.size() < 2 * static_cast<std::size_t>(k) + 1) scratch.resize(2 * static_cast<std::size_t>(k) + 1);
    RegionData out;
    RECT* const first = scratch.data();
    RECT* end = first;
    // A band one row tall below the last joins it when both are cut in alike.
    auto band = [&](LONG top, LONG bottom, LONG cut) {
        const LONG left = box.left + cut, right = box.right - cut;
        if (top >= bottom || left >= right) return;
        if (end != first && end[-1].bottom == top && end[-1].left == left)
            end[-1].bottom = bottom;
        else
            *end++ = RECT{left, top, right, bottom};
    };
    // The upper corner rows, one row at a time. The band being grown is kept in locals and
    // stored once it is complete: reading back a rectangle just stored stalls the processor.
    {
        RECT cur{0, 0, 0, 0};
        bool open = false;
        for (int d = 0; d < k; ++d) {
            const LONG cut = indent[static_cast<std::size_t>(d)], left = box.left + cut, right = box.right - cut;
            const LONG top = box.top + d;
            if (left >= right) continue;
            if (open && cur.left == left && cur.bottom == top) {
                cur.bottom = top + 1;
                continue;
            }
            if (open) *end++ = cur;
            cur = RECT{left, top, right, top + 1};
            open = true;
        }
        if (open) *end++ = cur;
    }
    RECT* const upper = end;
    band(box.top + k, box.bottom - k, k < rows ? indent[static_cast<std::size_t>(k)] : 0);
    if (end == first) return out;
    // The cuts shrink toward the middle: the last band so far is the widest.
    const LONG left = end[-1].left, right = end[-1].right;
    // The lower half mirrors the upper bands, the one nearest the middle first, which may
    // join the band above it: its upper part ends at box.top + k.
    const std::int64_t mirror = std::int64_t{box.top} + box.bottom;
    if (upper != first) {
        const RECT r = upper[-1];
        band(static_cast<LONG>(mirror - (box.top + k)), static_cast<LONG>(mirror - r.top), r.left - box.left);
        for (const RECT* q = upper - 1; q-- != first;)
            *end++ = RECT{q->left, static_cast<LONG>(mirror - q->bottom), q->right, static_cast<LONG>(mirror - q->top)};
    }
    out.rects.assign(first, end);
    out.extents = RECT{left, first->top, right, end[-1].bottom};
    return out;
}

void discSpans(int x, int y, int width, std::vector<Span>& out) {
    if (width < 1) return;
    cornerRows(RECT{x - width / 2, y - width / 2, x - width / 2 + width, y - width / 2 + width}, width, width, out);
}

}  // namespace ulmaro::platform::detail
