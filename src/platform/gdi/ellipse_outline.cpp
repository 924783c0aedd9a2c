// Quadrant stepping after the integer ellipse rasteriser by Alois Zingl, in the form that
// takes the pixel box rather than a centre and radii, so even and odd diameters come out
// alike. The error term decides at each step whether x, y or both move, so the outline is
// 8-connected; drawn figures and regions follow the same walk pixel for pixel.
#include "ellipse_outline.h"

#include <algorithm>

namespace ulmaro::platform::detail {

namespace {

// Calls visit(x, y) for each pixel of the lower-right quadrant of a width x height ellipse
// in its own 0-based box, from the rightmost pixel of the middle row to the bottom row.
// Rows come in order, none left out; the y bound only guards the walk's invariant.
template <class Visit>
void walkQuadrant(int width, int height, Visit visit) {
    const std::int64_t a = width - 1, b = height - 1, b1 = b & 1;
    const std::int64_t stepX = 8 * b * b, stepY = 8 * a * a;
    std::int64_t dx = 4 * (1 - a) * b * b;   // error increment of an x step
    std::int64_t dy = 4 * (b1 + 1) * a * a;  // error increment of a y step
    std::int64_t err = dx + dy + b1 * a * a;
    std::int64_t x = a, y = height / 2, lastY = y;
    do {
        visit(x, y);
        lastY = y;
        const std::int64_t e2 = 2 * err;
        if (e2 <= dy) {
            ++y;
            dy += stepY;
            err += dy;
        }
        if (e2 >= dx || 2 * err > dy) {
            --x;
            dx += stepX;
            err += dx;
        }
    } while (x >= width / 2 && y < height);
    // Very flat ellipses reach the middle column before the bottom row: the tip runs on
    // down that column.
    for (y = lastY + 1; y < height; ++y) visit(x + 1, y);
}

// The lower-right quadrant as points.
std::vector<POINT> quadrant(int width, int height) {
    std::vector<POINT> pts;
    walkQuadrant(width, height, [&](std::int64_t x, std::int64_t y) { pts.push_back(POINT{static_cast<LONG>(x), static_cast<LONG>(y)}); });
    return pts;
}

// The pixel facing v across the middle of [lo, hi).
LONG mirror(LONG lo, LONG hi, LONG v) { return static_cast<LONG>(std::int64_t{lo} + hi - 1 - v); }

// Appends one span for each row the corners of a rounded `box` cut into: row d from the top
// and from the bottom both lose the corner's indent on that row at either end.
void cornerRows(const RECT& box, int cornerWidth, int cornerHeight, std::vector<Span>& out) {
    const int rows = (cornerHeight + 1) / 2;
    // The walk meets each row first at its outermost pixel.
    std::vector<LONG> indent(static_cast<std::size_t>(rows), -1);
    walkQuadrant(cornerWidth, cornerHeight, [&](std::int64_t x, std::int64_t y) {
        LONG& v = indent[static_cast<std::size_t>(cornerHeight - 1 - y)];
        if (v < 0) v = static_cast<LONG>(cornerWidth - 1 - x);
    });
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

RegionData roundRectRegion(const RECT& box, int cornerWidth, int cornerHeight) {
    std::vector<Span> spans;
    cornerRows(box, cornerWidth, cornerHeight, spans);
    RegionData corners = regionFromSpans(std::move(spans));
    // The straight middle part joins as one rectangle rather than as a span per row.
    const int rows = (cornerHeight + 1) / 2;
    if (box.top + rows < box.bottom - rows)
        return regionCombine(corners, regionFromRect(box.left, box.top + rows, box.right, box.bottom - rows), RGN_OR);
    return corners;
}

void discSpans(int x, int y, int width, std::vector<Span>& out) {
    if (width < 1) return;
    cornerRows(RECT{x - width / 2, y - width / 2, x - width / 2 + width, y - width / 2 + width}, width, width, out);
}

}  // namespace ulmaro::platform::detail
