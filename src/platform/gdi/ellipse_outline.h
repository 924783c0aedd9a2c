// The pixel outline of ellipses and rounded corners, as the platform's Ellipse and RoundRect
// trace them: one quadrant stepped with an integer error term, mirrored into the other three.
#pragma once

#include "region_data.h"

#include <ulmaro/platform/win32.h>

#include <vector>

namespace ulmaro::platform::detail {

// The closed outline of `box` (right and bottom exclusive) with corner ellipses of
// cornerWidth x cornerHeight; both must be at least 1 and at most the box size. Successive
// points are neighbours, except along the straight sides of a rounded rectangle.
std::vector<POINT> roundRectOutline(const RECT& box, int cornerWidth, int cornerHeight);

// Appends one span per row covering an outline and everything inside it, within `box`,
// for the rows and columns inside `bounds`.
void outlineInteriorSpans(const std::vector<POINT>& outline, const RECT& box, const RECT& bounds, std::vector<Span>& out);

// The round nib of a wide pen centred on (x, y): a disc `width` pixels across.
void discSpans(int x, int y, int width, std::vector<Span>& out);

}  // namespace ulmaro::platform::detail
