// Round-rectangle, elliptic and polygon regions, made by the same scan converters that fill
// the drawn figures.
#include "region_shapes.h"

#include "band_writer.h"
#include "ellipse_outline.h"
#include "objects.h"
#include "polygon_scan.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace ulmaro::platform::detail {

namespace {

// Polygons taller than this are refused: a region that tall could not be stored.
constexpr std::int64_t kMaxPolygonRows = 1 << 24;

// Whether the rows the polygons cross are few enough to store; a figure along one row
// crosses none.
bool fewEnoughRows(const POINT* pts, const int* counts, int polygons) {
    std::int64_t top = std::numeric_limits<std::int64_t>::max(), bottom = std::numeric_limits<std::int64_t>::min();
    for (int p = 0; p < polygons; ++p) {
        const int n = std::max(counts[p], 0);
        const auto [lo, hi] = std::minmax_element(pts, pts + n, [](const POINT& a, const POINT& b) { return a.y < b.y; });
        if (n > 0 && lo->y < hi->y) {
            top = std::min<std::int64_t>(top, lo->y);
            bottom = std::max<std::int64_t>(bottom, hi->y);
        }
        pts += n;
    }
    return top > bottom || bottom - top <= kMaxPolygonRows;
}

// The round rectangle covers left .. right - 1 and top .. bottom - 1 (the platform leaves out
// the last column and row, as a drawn round rectangle would). Each corner is a quarter of the
// w x h ellipse.
std::optional<RegionData> roundRectRgn(int left, int top, int right, int bottom, int w, int h) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    const std::int64_t boxW = std::int64_t{right} - left - 1, boxH = std::int64_t{bottom} - top - 1;
    if (boxW <= 0 || boxH <= 0) return RegionData{};
    const std::int64_t cw = std::min<std::int64_t>(std::llabs(w), boxW);
    const std::int64_t ch = std::min<std::int64_t>(std::llabs(h), boxH);
    // Corners under two pixels round nothing off, whatever the other size.
    if (cw < 2 || ch < 2) return regionFromRect(left, top, right - 1, bottom - 1);
    if (cw > kLargestCorner || ch > kLargestCorner) return std::nullopt;
    return roundRectRegion(RECT{left, top, right - 1, bottom - 1}, static_cast<int>(cw), static_cast<int>(ch));
}

}  // namespace

std::optional<RegionData> regionFromPolygons(const POINT* pts, const int* counts, int polygons, int fillMode) {
    if (!fewEnoughRows(pts, counts, polygons)) return std::nullopt;
    constexpr LONG kMin = std::numeric_limits<LONG>::min(), kMax = std::numeric_limits<LONG>::max();
    // The rows come in order, so they go straight into bands.
    RegionData out;
    BandWriter bands(out.rects);
    std::optional<int> row;
    scanPolygonRows(pts, counts, polygons, fillMode, RECT{kMin, kMin, kMax, kMax}, [&](int y, int x0, int x1) {
        if (row != y) {
            if (row) bands.end();
            bands.begin(y, y + 1);
            row = y;
        }
        bands.add(x0, x1);
    });
    if (row) bands.end();
    out.extents = bandExtents(out.rects);
    return out;
}

}  // namespace ulmaro::platform::detail

namespace ulmaro::platform {

using namespace detail;

HRGN CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) {
    std::optional<RegionData> r = roundRectRgn(x1, y1, x2, y2, w, h);
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
    std::optional<RegionData> r = regionFromPolygons(pptl, &cPoint, 1, iMode);
    return r ? newRegion(std::move(*r)) : nullptr;
}

}  // namespace ulmaro::platform
