// The range of logical coordinates drawing calls work in. Like the platform, which keeps
// coordinates to 27 bits, calls bring larger values back to the edge of that range before
// any arithmetic, so sums of a few coordinates and sizes never overflow an int. Nothing
// outside the range can be visible: no surface is that large.
#pragma once

#include <algorithm>

namespace ulmaro::platform::detail {

inline constexpr int kCoordLimit = (1 << 27) - 1;

inline int clampCoord(int v) { return std::clamp(v, -kCoordLimit, kCoordLimit); }

}  // namespace ulmaro::platform::detail
