// How a stretched transfer maps destination pixels to source pixels along one axis. Pixel
// centres are mapped, with exact halves going to the lower pixel. When a transfer shrinks,
// each destination pixel stands for the group of source pixels whose centres land in it.
#pragma once

#include <cstdint>
#include <vector>

namespace ulmaro::platform::detail {

struct SourceRange {
    int first = 0, last = 0;  // [first, last) in surface pixels, within the surface
    bool empty() const { return first >= last; }
};

struct AxisMap {
    std::int64_t dstLen = 0;     // destination pixels of the transfer
    std::int64_t srcLen = 0;     // source pixels of the transfer
    std::int64_t srcOrigin = 0;  // first source pixel, in surface pixels
    std::int64_t srcLimit = 0;   // surface size: pixels outside [0, srcLimit) are never read
    bool mirrored = false;
    bool groups = false;  // a shrink combines its groups; otherwise it picks one pixel each
    // The source pixels of destination pixels [from, to) of the transfer.
    std::vector<SourceRange> ranges(std::int64_t from, std::int64_t to) const;
};

}  // namespace ulmaro::platform::detail
