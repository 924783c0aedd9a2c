// Products of two coordinate differences need more than 64 bits when coordinates reach
// the ends of their range; the raster code computes them exactly in 128 bits.
#pragma once

namespace ulmaro::platform::detail {

__extension__ typedef __int128 Int128;

// ceil(n / d) for d > 0.
inline Int128 ceilDiv128(Int128 n, Int128 d) { return n >= 0 ? (n + d - 1) / d : -((-n) / d); }

}  // namespace ulmaro::platform::detail
