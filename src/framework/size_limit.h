// One limit for the sizes of forms and controls, wherever a size comes from: a script's
// `new` and `resize`, a form file, or a control sizing itself (an auto-sized label). Sizes
// are checked in 64 bits, so whatever the host lets a control grow to, it saves and loads
// again.
#pragma once

#include <ulmaro/platform/host.h>

#include <cstdint>
#include <string>

namespace ulmaro {

// A side is at most this many pixels (in twips it still fits a Long), and a control or
// form at most as many pixels in all as a window's surface holds.
inline constexpr std::int64_t kMaxSide = std::int64_t{1} << 26;
inline constexpr std::int64_t kMaxArea = platform::kMaxWindowPixels;
// Positions within a container run as far either way, so that a right edge still fits the
// platform's 32-bit coordinates.
inline constexpr std::int64_t kMaxPosition = kMaxSide;

inline bool sizeFits(std::int64_t width, std::int64_t height) {
    return width >= 0 && height >= 0 && width <= kMaxSide && height <= kMaxSide && width * height <= kMaxArea;
}

// "W x H pixels is too large (at most ... pixels in all)", or "... is not a size".
std::string sizeProblem(std::int64_t width, std::int64_t height);

}  // namespace ulmaro
