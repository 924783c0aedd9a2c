// Edges are stepped row by row exactly in integers: an edge crosses row y at
// x0 + (y - y0) * dx / dy, and the first pixel at or right of that point is its ceiling.
#include "polygon_scan.h"

#include "int128.h"

#include <algorithm>
#include <cstdint>

namespace ulmaro::platform::detail {

namespace {

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

void collectEdges(const POINT* pts, const int* counts, int polygons, const RECT& bounds, std::vector<Edge>& edges) {
    std::size_t total = 0;
    for (int p = 0; p < polygons; ++p) total += static_cast<std::size_t>(std::max(counts[p], 0));
    edges.reserve(total);
    for (int p = 0; p < polygons; ++p) {
        const int n = std::max(counts[p], 0);
        for (int i = 0; i < n; ++i) addEdge(pts[i], pts[(i + 1) % n], bounds, edges);
        pts += n;
    }
    std::sort(edges.begin(), edges.end(), [](const Edge& p, const Edge& q) { return p.yTop < q.yTop; });
}

void scanPolygons(const POINT* pts, const int* counts, int polygons, int fillMode, const RECT& bounds, std::vector<Span>& out) {
    scanPolygonRows(pts, counts, polygons, fillMode, bounds, [&](int y, int x0, int x1) { out.push_back(Span{y, x0, x1}); });
}

}  // namespace ulmaro::platform::detail
