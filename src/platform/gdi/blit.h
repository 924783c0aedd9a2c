// Shared by the block transfer calls: the pattern of a context and the transfers that read
// no source.
#pragma once

#include "objects.h"
#include "rop.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace ulmaro::platform::detail {

// The colour the context's brush gives a raster operation's pattern on `surface`; false
// for a hollow brush.
bool patternOf(const Dc& dc, const Bitmap& surface, COLORREF& out);

// Applies a raster operation that reads no source to `area` (device coordinates, in order).
BOOL patternBlt(Dc& dc, const RECT& area, Rop3 rop);

// A coordinate computed in 64 bits, held within the range of LONG.
inline LONG saturate(std::int64_t v) {
    return static_cast<LONG>(std::clamp<std::int64_t>(v, std::numeric_limits<LONG>::min(), std::numeric_limits<LONG>::max()));
}

// A rectangle from an origin and a size that may be negative: a negative size extends to
// the left of (or above) the origin.
inline RECT rectFromSize(int x, int y, int w, int h) {
    RECT r{x, y, saturate(std::int64_t{x} + w), saturate(std::int64_t{y} + h)};
    if (w < 0) std::swap(r.left, r.right);
    if (h < 0) std::swap(r.top, r.bottom);
    return r;
}

}  // namespace ulmaro::platform::detail
