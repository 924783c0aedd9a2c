// Scan conversion of polygons by the platform's region rule, for drawn polygons, wide pen
// bands, polygon regions and paths alike: a pixel (x, y) is inside when the point (x, y) is,
// with left and top edges included and right and bottom edges left out, so the polygon
// (0,0) (4,0) (4,4) (0,4) covers exactly 4 x 4 pixels.
#pragma once

#include "region_data.h"

#include <ulmaro/platform/win32.h>

#include <vector>

namespace ulmaro::platform::detail {

// Appends the spans of `polygons` polygons, each closed implicitly, with fill mode ALTERNATE
// or WINDING: the first counts[0] points of `pts`, then the next counts[1], and so on. Only
// rows and columns inside `bounds` are produced.
void scanPolygons(const POINT* pts, const int* counts, int polygons, int fillMode, const RECT& bounds, std::vector<Span>& out);

inline void scanPolygon(const POINT* pts, int count, int fillMode, const RECT& bounds, std::vector<Span>& out) {
    scanPolygons(pts, &count, 1, fillMode, bounds, out);
}

}  // namespace ulmaro::platform::detail
