// Scan conversion of polygons by the platform's region rule: a pixel (x, y) is inside when
// the point (x, y) is, with left and top edges included and right and bottom edges left
// out, so the polygon (0,0) (4,0) (4,4) (0,4) covers exactly 4 x 4 pixels.
#pragma once

#include "region_data.h"

#include <ulmaro/platform/win32.h>

#include <vector>

namespace ulmaro::platform::detail {

// Appends the spans of the polygon `pts[0..count)` (closed implicitly) with fill mode
// ALTERNATE or WINDING. Only rows and columns inside `bounds` are produced.
void scanPolygon(const POINT* pts, int count, int fillMode, const RECT& bounds, std::vector<Span>& out);

}  // namespace ulmaro::platform::detail
