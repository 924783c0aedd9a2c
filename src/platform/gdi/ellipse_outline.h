// The pixels of ellipses and rounded corners, as the platform's Ellipse, RoundRect,
// CreateEllipticRgn and CreateRoundRectRgn trace them: one quadrant stepped with an integer
// error term, mirrored into the other three.
#pragma once

#include "region_data.h"

#include <ulmaro/platform/win32.h>

#include <cstdint>
#include <vector>

namespace ulmaro::platform::detail {

// The walk takes memory in proportion to a corner's size and its error terms grow with the
// cube of it; larger corners are refused, as an allocation the platform cannot make.
constexpr std::int64_t kLargestCorner = std::int64_t{1} << 18;

// In the functions below `box` has its right and bottom exclusive, and the corner ellipses
// are cornerWidth x cornerHeight pixels, each at least 1, at most the box size and at most
// kLargestCorner.

// The closed outline of `box`. Successive points are neighbours, except along the straight
// sides of a rounded rectangle.
std::vector<POINT> roundRectOutline(const RECT& box, int cornerWidth, int cornerHeight);

// The pixels on and inside that outline.
RegionData roundRectRegion(const RECT& box, int cornerWidth, int cornerHeight);

// The round nib of a wide pen centred on (x, y): a disc `width` pixels across.
void discSpans(int x, int y, int width, std::vector<Span>& out);

}  // namespace ulmaro::platform::detail
