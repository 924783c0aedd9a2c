// Round-rectangle, elliptic and polygon regions, each built as one list of row spans and
// turned into bands by a single sort-and-sweep.
#include "region_shapes.h"

#include "objects.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace ulmaro::platform::detail {

namespace {

// Corner ellipses beyond this size are refused: the walk below works in 64-bit integers
// and a region that large could not be stored anyway.
constexpr std::int64_t kMaxCornerSize = 1 << 18;
// Polygons taller than this are refused for the same reason; the limit also keeps the
// products in the edge stepping inside 64 bits.
constexpr std::int64_t kMaxPolygonRows = 1 << 24;

// For the ellipse that fills a w x h pixel box, the left indent of each row of its top half
// (rows 0 .. (h + 1) / 2 - 1). The ellipse is walked with an integer error term from the
// middle of its left and right sides towards the top, in the form that takes the pixel box
// rather than a centre and radii, so even and odd diameters come out alike; the platform's
// curved regions follow this walk pixel for pixel.
std::vector<int> ellipseIndents(int w, int h) {
    const std::int64_t a = w - 1, b = h - 1, b1 = b & 1;
    std::int64_t dx = 4 * (1 - a) * b * b;       // error increment of an x step
    std::int64_t dy = 4 * (b1 + 1) * a * a;      // error increment of a y step
    std::int64_t err = dx + dy + b1 * a * a;
    const std::int64_t stepX = 8 * b * b, stepY = 8 * a * a;
    // Walk the top-left quadrant: x from the left side towards the middle, y from the
    // middle row up. (x0, y) is the current pixel of the walk in box coordinates; x1 is
    // its mirror image, and the walk ends when the two meet.
    std::int64_t x0 = 0, x1 = a;
    std::int64_t y = b / 2;  // the upper of the two middle rows
    const int rows = (h + 1) / 2;
    std::vector<int> indent(static_cast<std::size_t>(rows), -1);
    auto mark = [&](std::int64_t row, std::int64_t x) {
        if (row >= 0 && row < rows) {
            int& v = indent[static_cast<std::size_t>(row)];
            if (v < 0 || x < v) v = static_cast<int>(x);
        }
    };
    do {
        mark(y, x0);
        std::int64_t e2 = 2 * err;
        if (e2 <= dy) {
            --y;
            dy += stepY;
            err += dy;
        }
        if (e2 >= dx || 2 * err > dy) {
            ++x0;
            --x1;
            dx += stepX;
            err += dx;
        }
    } while (x0 <= x1);
    // Very flat ellipses stop before reaching the top: finish the tip in the middle column.
    while (y >= 0) mark(y--, x0 - 1);
    // Rows the walk skipped over keep the indent of the row below them.
    for (int r = rows - 2; r >= 0; --r)
        if (indent[static_cast<std::size_t>(r)] < 0) indent[static_cast<std::size_t>(r)] = indent[static_cast<std::size_t>(r) + 1];
    for (int& v : indent) v = std::max(v, 0);
    return indent;
}

std::int64_t ceilDiv(std::int64_t num, std::int64_t den) {  // den > 0
    return num >= 0 ? (num + den - 1) / den : -((-num) / den);
}

struct Edge {
    std::int64_t xTop, yTop, xBottom, yBottom;
    int direction;  // +1 going down, -1 going up
    // First pixel column at or right of the edge on row y.
    int xAt(std::int64_t y) const {
        return static_cast<int>(xTop + ceilDiv((xBottom - xTop) * (y - yTop), yBottom - yTop));
    }
};

// The round rectangle covers left .. right - 1 and top .. bottom - 1 (the platform leaves out
// the last column and row, as a drawn round rectangle would). Each corner is a quarter of the
// w x h ellipse; rows between the corners are full.
std::optional<RegionData> roundRectRegion(int left, int top, int right, int bottom, int w, int h) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    const std::int64_t boxW = std::int64_t{right} - left - 1, boxH = std::int64_t{bottom} - top - 1;
    if (boxW <= 0 || boxH <= 0) return RegionData{};
    const std::int64_t cw = std::min<std::int64_t>(std::llabs(w), boxW);
    const std::int64_t ch = std::min<std::int64_t>(std::llabs(h), boxH);
    if (cw < 2 || ch < 2) return regionFromRect(left, top, right - 1, bottom - 1);
    if (cw > kMaxCornerSize || ch > kMaxCornerSize) return std::nullopt;

    const std::vector<int> indent = ellipseIndents(static_cast<int>(cw), static_cast<int>(ch));
    const int rows = static_cast<int>(indent.size());
    const int last = bottom - 2;  // the lowest row of the region
    std::vector<Span> spans;
    spans.reserve(static_cast<std::size_t>(rows) * 2);
    for (int k = 0; k < rows; ++k) {
        int i = indent[static_cast<std::size_t>(k)];
        spans.push_back(Span{top + k, left + i, right - 1 - i});
        spans.push_back(Span{last - k, left + i, right - 1 - i});
    }
    RegionData corners = regionFromSpans(std::move(spans));
    // The straight middle part joins in one combine rather than as a span per row.
    if (top + rows <= last - rows)
        return regionCombine(corners, regionFromRect(left, top + rows, right - 1, last - rows + 1), RGN_OR);
    return corners;
}

}  // namespace

std::optional<RegionData> regionFromPolygons(const std::vector<std::vector<POINT>>& polygons, int fillMode) {
    std::vector<Edge> edges;
    for (const auto& poly : polygons) {
        for (std::size_t i = 0; i < poly.size() && poly.size() > 1; ++i) {
            const POINT& p = poly[i];
            const POINT& q = poly[(i + 1) % poly.size()];
            if (p.y == q.y) continue;  // horizontal edges add nothing to a row
            if (p.y < q.y)
                edges.push_back(Edge{p.x, p.y, q.x, q.y, 1});
            else
                edges.push_back(Edge{q.x, q.y, p.x, p.y, -1});
        }
    }
    if (edges.empty()) return RegionData{};
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.yTop < b.yTop; });
    std::int64_t yEnd = edges.front().yBottom;
    for (const Edge& e : edges) yEnd = std::max(yEnd, e.yBottom);
    if (yEnd - edges.front().yTop > kMaxPolygonRows) return std::nullopt;

    // Rows are sampled at their top: an edge covers rows yTop .. yBottom - 1.
    std::vector<Span> spans;
    std::vector<const Edge*> active;
    std::vector<std::pair<int, int>> crossings;  // x, direction
    std::size_t next = 0;
    for (std::int64_t y = edges.front().yTop; y < yEnd; ++y) {
        std::erase_if(active, [y](const Edge* e) { return e->yBottom <= y; });
        while (next < edges.size() && edges[next].yTop <= y) active.push_back(&edges[next++]);
        if (active.empty()) {
            if (next < edges.size()) y = edges[next].yTop - 1;
            continue;
        }
        crossings.clear();
        for (const Edge* e : active) crossings.emplace_back(e->xAt(y), e->direction);
        std::sort(crossings.begin(), crossings.end());
        int row = static_cast<int>(y);
        if (fillMode == WINDING) {
            int winding = 0;
            for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
                winding += crossings[i].second;
                if (winding != 0) spans.push_back(Span{row, crossings[i].first, crossings[i + 1].first});
            }
        } else {
            for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
                spans.push_back(Span{row, crossings[i].first, crossings[i + 1].first});
        }
    }
    return regionFromSpans(std::move(spans));
}

}  // namespace ulmaro::platform::detail

namespace ulmaro::platform {

using namespace detail;

HRGN CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) {
    std::optional<RegionData> r = roundRectRegion(x1, y1, x2, y2, w, h);
    return r ? newRegion(std::move(*r)) : nullptr;
}

// An ellipse region is the round rectangle whose corners take the whole box.
HRGN CreateEllipticRgn(int x1, int y1, int x2, int y2) {
    std::int64_t w = std::llabs(std::int64_t{x2} - x1), h = std::llabs(std::int64_t{y2} - y1);
    return CreateRoundRectRgn(x1, y1, x2, y2, static_cast<int>(std::min<std::int64_t>(w, INT32_MAX)),
                              static_cast<int>(std::min<std::int64_t>(h, INT32_MAX)));
}

HRGN CreatePolygonRgn(const POINT* pptl, int cPoint, int iMode) {
    if (!pptl || cPoint < 2 || (iMode != ALTERNATE && iMode != WINDING)) return nullptr;
    std::vector<std::vector<POINT>> polygons(1);
    polygons[0].assign(pptl, pptl + cPoint);
    std::optional<RegionData> r = regionFromPolygons(polygons, iMode);
    return r ? newRegion(std::move(*r)) : nullptr;
}

}  // namespace ulmaro::platform
