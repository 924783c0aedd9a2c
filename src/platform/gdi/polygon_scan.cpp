// Edges are stepped row by row exactly in integers: an edge crosses row y at
// x0 + (y - y0) * dx / dy, and the first pixel at or right of that point is its ceiling.
#include "polygon_scan.h"

#include "int128.h"

#include <algorithm>
#include <cstdint>

namespace ulmaro::platform::detail {

namespace {

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

void addEdge(POINT a, POINT b, const RECT& bounds, std::vector<Edge>& edges) {
    if (a.y == b.y) return;  // horizontal edges cross no row
    int winding = 1;
    if (a.y > b.y) {
        std::swap(a, b);
        winding = -1;
    }
    const int yTop = std::max<int>(a.y, bounds.top), yEnd = std::min<int>(b.y, bounds.bottom);
    if (yTop >= yEnd) return;
    const std::int64_t dx = std::int64_t{b.x} - a.x, dy = std::int64_t{b.y} - a.y;
    // The first row is found with one exact division; the products can pass 64 bits.
    const Int128 n = Int128{std::int64_t{yTop} - a.y} * dx;
    const Int128 q = ceilDiv128(n, dy);
    std::int64_t stepX = dx / dy;
    if (stepX * dy > dx) --stepX;
    edges.push_back(Edge{yTop, yEnd, winding, a.x + static_cast<std::int64_t>(q), static_cast<std::int64_t>(q * dy - n), dy, stepX, dx - stepX * dy});
}

}  // namespace

void scanPolygons(const POINT* pts, const int* counts, int polygons, int fillMode, const RECT& bounds, std::vector<Span>& out) {
    if (!pts || !counts || bounds.left >= bounds.right || bounds.top >= bounds.bottom) return;
    std::vector<Edge> edges;
    std::size_t total = 0;
    for (int p = 0; p < polygons; ++p) total += static_cast<std::size_t>(std::max(counts[p], 0));
    edges.reserve(total);
    for (int p = 0; p < polygons; ++p) {
        const int n = std::max(counts[p], 0);
        for (int i = 0; i < n; ++i) addEdge(pts[i], pts[(i + 1) % n], bounds, edges);
        pts += n;
    }
    std::sort(edges.begin(), edges.end(), [](const Edge& p, const Edge& q) { return p.yTop < q.yTop; });

    auto emit = [&](int y, std::int64_t x0, std::int64_t x1) {
        x0 = std::max<std::int64_t>(x0, bounds.left);
        x1 = std::min<std::int64_t>(x1, bounds.right);
        if (x0 < x1) out.push_back(Span{y, static_cast<int>(x0), static_cast<int>(x1)});
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

}  // namespace ulmaro::platform::detail
