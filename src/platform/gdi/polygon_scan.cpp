// Edge crossings are computed exactly in integers: each edge crosses row y at
// x = x0 + (y - y0) * dx / dy, and the first pixel at or right of that point is ceil(x).
#include "polygon_scan.h"

#include "int128.h"

#include <algorithm>
#include <cstdint>

namespace ulmaro::platform::detail {

namespace {

struct Edge {
    std::int64_t x0, y0, dx, dy;  // dy > 0: the edge runs from its top point downwards
    int ymin, ymax;               // rows [ymin, ymax) it crosses
    int winding;                  // +1 if the polygon goes down along it, -1 if up
};

struct Crossing {
    std::int64_t x;
    int winding;
};

}  // namespace

void scanPolygon(const POINT* pts, int count, int fillMode, const RECT& bounds, std::vector<Span>& out) {
    if (!pts || count < 3 || bounds.left >= bounds.right || bounds.top >= bounds.bottom) return;
    std::vector<Edge> edges;
    edges.reserve(static_cast<std::size_t>(count));
    int top = bounds.bottom, bottom = bounds.top;
    for (int i = 0; i < count; ++i) {
        POINT a = pts[i], b = pts[(i + 1) % count];
        if (a.y == b.y) continue;  // horizontal edges cross no row
        int winding = 1;
        if (a.y > b.y) {
            std::swap(a, b);
            winding = -1;
        }
        Edge e{a.x, a.y, std::int64_t{b.x} - a.x, std::int64_t{b.y} - a.y, std::max<int>(a.y, bounds.top), std::min<int>(b.y, bounds.bottom), winding};
        if (e.ymin >= e.ymax) continue;
        top = std::min(top, e.ymin);
        bottom = std::max(bottom, e.ymax);
        edges.push_back(e);
    }
    std::sort(edges.begin(), edges.end(), [](const Edge& p, const Edge& q) { return p.ymin < q.ymin; });
    std::vector<Crossing> xs;
    std::size_t firstLive = 0;
    for (int y = top; y < bottom; ++y) {
        xs.clear();
        while (firstLive < edges.size() && edges[firstLive].ymax <= y) ++firstLive;
        for (std::size_t i = firstLive; i < edges.size() && edges[i].ymin <= y; ++i) {
            const Edge& e = edges[i];
            if (y >= e.ymax) continue;
            xs.push_back(Crossing{e.x0 + static_cast<std::int64_t>(ceilDiv128(Int128{y - e.y0} * e.dx, e.dy)), e.winding});
        }
        std::sort(xs.begin(), xs.end(), [](const Crossing& p, const Crossing& q) { return p.x < q.x; });
        auto emit = [&](std::int64_t x0, std::int64_t x1) {
            x0 = std::max<std::int64_t>(x0, bounds.left);
            x1 = std::min<std::int64_t>(x1, bounds.right);
            if (x0 < x1) out.push_back(Span{y, static_cast<int>(x0), static_cast<int>(x1)});
        };
        if (fillMode == WINDING) {
            int w = 0;
            std::int64_t start = 0;
            for (const Crossing& c : xs) {
                if (w == 0) start = c.x;
                w += c.winding;
                if (w == 0) emit(start, c.x);
            }
        } else {
            for (std::size_t i = 0; i + 1 < xs.size(); i += 2) emit(xs[i].x, xs[i + 1].x);
        }
    }
}

}  // namespace ulmaro::platform::detail
