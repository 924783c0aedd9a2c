// Regions as y-x banded rectangle lists: rectangles sorted by top, then left; rectangles of
// one band share top and bottom; bands do not overlap and no two rectangles in a band touch.
// Every operation builds its result with one sweep over the band edges of its inputs.
#pragma once

#include <ulmaro/platform/win32.h>

#include <vector>

namespace ulmaro::platform::detail {

struct RegionData {
    std::vector<RECT> rects;
    RECT extents{0, 0, 0, 0};

    bool empty() const { return rects.empty(); }
    // NULLREGION, SIMPLEREGION or COMPLEXREGION.
    int complexity() const;
    bool contains(int x, int y) const;
    bool operator==(const RegionData& other) const;
};

RegionData regionFromRect(int left, int top, int right, int bottom);
// Builds a region from horizontal spans, one list of [x0, x1) per row starting at `top`.
struct Span {
    int y, x0, x1;
};
RegionData regionFromSpans(std::vector<Span> spans);
RegionData regionCombine(const RegionData& a, const RegionData& b, int mode);
// The same into `out`, which may be neither input; its storage is reused.
void regionCombineInto(const RegionData& a, const RegionData& b, int mode, RegionData& out);
void regionOffset(RegionData& r, int dx, int dy);
RegionData regionIntersectRect(const RegionData& r, const RECT& rect);

}  // namespace ulmaro::platform::detail
