// Scan conversion of polygons by the platform's region rule, for drawn polygons, wide pen
// bands, polygon regions and paths alike: a pixel (x, y) is inside when the point (x, y) is,
// with left and top edges included and right and bottom edges left out, so the polygon
// (0,0) (4,0) (4,4) (0,4) covers exactly 4 x 4 pixels.
#pragma once

#include "region_data.h"

#include <ulmaro/platform/win32.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace ulmaro::platform::detail {

// An edge from its upper end down. On the current row it crosses at x, the first pixel at
// or right of the exact point, which lies r / dy to the left of x, with r in [0, dy).
struct Edge {
    int yTop, yEnd;  // rows [yTop, yEnd) it crosses within the bounds
    int winding;     // +1 if the polygon goes down along it, -1 if up
    std::int64_t x, r, dy;
    std::int64_t stepX, stepR;  // dx = stepX * dy + stepR, with stepR in [0, dy)

    void nextRow() {
        x += stepX;
        r -= stepR;
        if (r < 0) {
            r += dy;
            ++x;
        }
    }
};

// The edges of the polygons that cross rows inside `bounds`, by their first row.
void collectEdges(const POINT* pts, const int* counts, int polygons, const RECT& bounds, std::vector<Edge>& edges);

// Calls span(y, x0, x1) for the spans of `polygons` polygons, each closed implicitly, with
// fill mode ALTERNATE or WINDING: the first counts[0] points of `pts`, then the next
// counts[1], and so on. Rows come top to bottom and spans left to right; only rows and
// columns inside `bounds` are produced.
template <class SpanSink>
void scanPolygonRows(const POINT* pts, const int* counts, int polygons, int fillMode, const RECT& bounds, SpanSink&& span) {
    if (!pts || !counts || bounds.left >= bounds.right || bounds.top >= bounds.bottom) return;
    std::vector<Edge> edges;
    collectEdges(pts, counts, polygons, bounds, edges);

    auto emit = [&](int y, std::int64_t x0, std::int64_t x1) {
        x0 = std::max<std::int64_t>(x0, bounds.left);
        x1 = std::min<std::int64_t>(x1, bounds.right);
        if (x0 < x1) span(y, static_cast<int>(x0), static_cast<int>(x1));
    };
    // edges[0, live) cross the current row; edges[next, end) start further down.
    std::size_t live = 0, next = 0;
    int y = 0;
    while (next < edges.size() || live > 0) {
        if (live == 0) y = edges[next].yTop;  // skip the rows no edge crosses
        while (next < edges.size() && edges[next].yTop <= y) edges[live++] = edges[next++];
        // Left to right; from one row to the next the order changes little.
        for (std::size_t i = 1; i < live; ++i)
            for (std::size_t j = i; j > 0 && edges[j].x < edges[j - 1].x; --j) std::swap(edges[j], edges[j - 1]);
        if (fillMode == WINDING) {
            int w = 0;
            std::int64_t start = 0;
            for (std::size_t i = 0; i < live; ++i) {
                if (w == 0) start = edges[i].x;
                w += edges[i].winding;
                if (w == 0) emit(y, start, edges[i].x);
            }
        } else {
            for (std::size_t i = 0; i + 1 < live; i += 2) emit(y, edges[i].x, edges[i + 1].x);
        }
        ++y;
        std::size_t kept = 0;
        for (std::size_t i = 0; i < live; ++i)
            if (edges[i].yEnd > y) {
                edges[i].nextRow();
                if (kept != i) edges[kept] = edges[i];
                ++kept;
            }
        live = kept;
    }
}

// The same spans appended to `out`.
void scanPolygons(const POINT* pts, const int* counts, int polygons, int fillMode, const RECT& bounds, std::vector<Span>& out);

inline void scanPolygon(const POINT* pts, int count, int fillMode, const RECT& bounds, std::vector<Span>& out) {
    scanPolygons(pts, &count, 1, fillMode, bounds, out);
}

}  // namespace ulmaro::platform::detail
