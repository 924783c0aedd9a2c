#include "stretch_map.h"

#include <algorithm>

namespace ulmaro::platform::detail {

namespace {

std::int64_t floorDiv(std::int64_t n, std::int64_t d) { return n >= 0 ? n / d : -((-n + d - 1) / d); }  // d > 0

// Where the centre of pixel i of an axis of `from` pixels falls on an axis of `to` pixels:
// ceil((i + 1/2) * to / from) - 1, so that exact halves go down.
std::int64_t centreOf(std::int64_t i, std::int64_t from, std::int64_t to) { return floorDiv((2 * i + 1) * to - 1, 2 * from); }

// The first source pixel whose centre falls in destination pixel d or after it.
std::int64_t firstOfGroup(std::int64_t d, std::int64_t src, std::int64_t dst) {
    return std::max<std::int64_t>(0, -floorDiv(-(2 * src * d + 1 - dst), 2 * dst));
}

}  // namespace

std::vector<SourceRange> AxisMap::ranges(std::int64_t from, std::int64_t to) const {
    std::vector<SourceRange> out;
    if (srcLen <= 0 || dstLen <= 0 || from >= to) return out;
    out.reserve(static_cast<std::size_t>(to - from));
    for (std::int64_t d = from; d < to; ++d) {
        std::int64_t i0, i1;  // transfer pixels [i0, i1)
        if (groups && srcLen > dstLen) {
            i0 = firstOfGroup(d, srcLen, dstLen);
            i1 = std::min<std::int64_t>(srcLen, firstOfGroup(d + 1, srcLen, dstLen));
        } else {
            i0 = centreOf(d, dstLen, srcLen);
            i1 = i0 + 1;
        }
        std::int64_t s0 = mirrored ? srcOrigin + srcLen - i1 : srcOrigin + i0;
        std::int64_t s1 = mirrored ? srcOrigin + srcLen - i0 : srcOrigin + i1;
        s0 = std::clamp<std::int64_t>(s0, 0, srcLimit);
        s1 = std::clamp<std::int64_t>(s1, 0, srcLimit);
        out.push_back(SourceRange{static_cast<int>(s0), static_cast<int>(s1)});
    }
    return out;
}

}  // namespace ulmaro::platform::detail
