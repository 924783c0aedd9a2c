// Band-sweep region algebra. A region is a list of bands (rows of equal top and bottom)
// each holding sorted, disjoint x intervals. Combining two regions walks the union of
// their band edges once; within a band the two interval lists merge like sorted runs.
#include "region_data.h"

#include "band_writer.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <limits>

namespace ulmaro::platform::detail {

namespace {

bool keep(bool inA, bool inB, int mode) {
    switch (mode) {
        case RGN_AND: return inA && inB;
        case RGN_OR: return inA || inB;
        case RGN_XOR: return inA != inB;
        case RGN_DIFF: return inA && !inB;
        default: return inA;
    }
}

// Writes the intervals of one band of the result: [a0, a1) and [b0, b1) are the
// rectangles of the two inputs' bands (either may be empty), each sorted and disjoint.
// The x edges of both are merged in order, and a span is kept where the mode says so.
void combineBand(const RECT* a0, const RECT* a1, const RECT* b0, const RECT* b1, int mode, BandWriter& w) {
    if (mode == RGN_OR && a0 == a1) {
        for (; b0 != b1; ++b0) w.add(b0->left, b0->right);
        return;
    }
    if (mode != RGN_AND && b0 == b1) {
        for (; a0 != a1; ++a0) w.add(a0->left, a0->right);
        return;
    }
    if (mode == RGN_AND && (a0 == a1 || b0 == b1)) return;
    bool inA = false, inB = false;
    int start = 0;
    bool open = false;
    while (a0 != a1 || b0 != b1) {
        // The next x edge of either input.
        const int xa = a0 == a1 ? INT32_MAX : static_cast<int>(inA ? a0->right : a0->left);
        const int xb = b0 == b1 ? INT32_MAX : static_cast<int>(inB ? b0->right : b0->left);
        const int x = std::min(xa, xb);
        if (xa == x) {
            if (inA) ++a0;
            inA = !inA;
        }
        if (xb == x) {
            if (inB) ++b0;
            inB = !inB;
        }
        const bool in = keep(inA, inB, mode);
        if (in && !open) {
            start = x;
            open = true;
        } else if (!in && open) {
            w.add(start, x);
            open = false;
        }
    }
}

// The end of the band that starts at p.
const RECT* bandEnd(const RECT* p, const RECT* end) {
    const LONG top = p->top;
    while (p != end && p->top == top) ++p;
    return p;
}

// Writes the combination of the bands [a, aEnd) and [b, bEnd). Each step takes the rows
// from the highest unfinished band edge down to the next edge of either input, so that the
// step sees one band (or none) of each input.
void sweep(const RECT* a, const RECT* aEnd, const RECT* b, const RECT* bEnd, int mode, BandWriter& writer) {
    const RECT* ea = a != aEnd ? bandEnd(a, aEnd) : a;
    const RECT* eb = b != bEnd ? bandEnd(b, bEnd) : b;
    long long y = std::numeric_limits<long long>::min();
    while (a != aEnd || b != bEnd) {
        if (mode == RGN_AND && (a == aEnd || b == bEnd)) break;
        if (mode == RGN_DIFF && a == aEnd) break;
        const long long ta = a != aEnd ? std::max<long long>(a->top, y) : LLONG_MAX;
        const long long tb = b != bEnd ? std::max<long long>(b->top, y) : LLONG_MAX;
        const long long top = std::min(ta, tb);
        const long long ba = a != aEnd ? a->bottom : LLONG_MAX;
        const long long bb = b != bEnd ? b->bottom : LLONG_MAX;
        // Down to the next edge: a band ending, or the other input's band starting.
        const long long bottom = std::min(ta == top ? ba : ta, tb == top ? bb : tb);
        const bool useA = ta == top, useB = tb == top;
        writer.begin(static_cast<int>(top), static_cast<int>(bottom));
        combineBand(useA ? a : nullptr, useA ? ea : nullptr, useB ? b : nullptr, useB ? eb : nullptr, mode, writer);
        writer.end();
        y = bottom;
        if (a != aEnd && ba <= y) {
            a = ea;
            ea = a != aEnd ? bandEnd(a, aEnd) : a;
        }
        if (b != bEnd && bb <= y) {
            b = eb;
            eb = b != bEnd ? bandEnd(b, bEnd) : b;
        }
    }
}

}  // namespace

int RegionData::complexity() const {
    if (rects.empty()) return NULLREGION;
    return rects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

bool RegionData::contains(int x, int y) const {
    if (rects.empty() || x < extents.left || x >= extents.right || y < extents.top || y >= extents.bottom) return false;
    auto it = std::lower_bound(rects.begin(), rects.end(), y, [](const RECT& r, int yy) { return r.bottom <= yy; });
    for (; it != rects.end() && it->top <= y; ++it)
        if (x >= it->left && x < it->right) return true;
    return false;
}

bool RegionData::operator==(const RegionData& o) const {
    if (rects.size() != o.rects.size()) return false;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const RECT &a = rects[i], &b = o.rects[i];
        if (a.left != b.left || a.top != b.top || a.right != b.right || a.bottom != b.bottom) return false;
    }
    return true;
}

RegionData regionFromRect(int left, int top, int right, int bottom) {
    RegionData r;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (left < right && top < bottom) r.rects.push_back(RECT{left, top, right, bottom});
    r.extents = bandExtents(r.rects);
    return r;
}

RegionData regionFromSpans(std::vector<Span> spans) {
    // Scan converters give their spans row by row already; sort only what is not in order.
    auto before = [](const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.x0 < b.x0; };
    if (!std::is_sorted(spans.begin(), spans.end(), before)) std::sort(spans.begin(), spans.end(), before);
    RegionData out;
    out.rects.reserve(spans.size());  // never more rectangles than spans
    BandWriter writer(out.rects);
    std::size_t i = 0;
    while (i < spans.size()) {
        const int y = spans[i].y;
        writer.begin(y, y + 1);
        for (; i < spans.size() && spans[i].y == y; ++i) writer.add(spans[i].x0, spans[i].x1);
        writer.end();
    }
    out.extents = bandExtents(out.rects);
    return out;
}

RegionData regionCombine(const RegionData& a, const RegionData& b, int mode) {
    RegionData out;
    regionCombineInto(a, b, mode, out);
    return out;
}

void regionCombineInto(const RegionData& a, const RegionData& b, int mode, RegionData& out) {
    if (mode == RGN_COPY) {
        out = a;
        return;
    }
    // Fast paths for the clip computations that run on every drawing call.
    if (mode == RGN_AND && a.rects.size() == 1 && b.rects.size() == 1) {
        const RECT &p = a.rects[0], &q = b.rects[0];
        out = regionFromRect(std::max(p.left, q.left), std::max(p.top, q.top), std::max(std::max(p.left, q.left), std::min(p.right, q.right)),
                             std::max(std::max(p.top, q.top), std::min(p.bottom, q.bottom)));
        return;
    }
    // The operations that do not care which input is which take the larger one first.
    const bool symmetric = mode == RGN_AND || mode == RGN_OR || mode == RGN_XOR;
    const std::vector<RECT>& ra = symmetric && a.rects.size() < b.rects.size() ? b.rects : a.rects;
    const std::vector<RECT>& rb = &ra == &a.rects ? b.rects : a.rects;
    out.rects.clear();
    out.rects.reserve(mode == RGN_AND ? std::min(ra.size(), rb.size()) : ra.size() + rb.size());
    BandWriter writer(out.rects);
    // The bands of the first input wholly above or below the second are its own in the
    // result (none of them for AND): they are copied, and only the rows between are swept,
    // which keeps a union of a small region into a large one cheap.
    const RECT *aBegin = ra.data(), *aEnd = aBegin + ra.size();
    const RECT *middle = aBegin, *below = aEnd;
    if (!rb.empty()) {
        const LONG top = rb.front().top, bottom = rb.back().bottom;
        middle = std::partition_point(aBegin, aEnd, [&](const RECT& r) { return r.bottom <= top; });
        below = std::partition_point(middle, aEnd, [&](const RECT& r) { return r.top < bottom; });
    }
    if (mode != RGN_AND) writer.copyBands(aBegin, middle);
    sweep(middle, below, rb.data(), rb.data() + rb.size(), mode, writer);
    if (mode != RGN_AND) writer.copyBands(below, aEnd);
    // A union's box is the box of both boxes; the other modes measure what they kept.
    if (mode == RGN_OR && !a.empty() && !b.empty())
        out.extents = RECT{std::min(a.extents.left, b.extents.left), out.rects.front().top, std::max(a.extents.right, b.extents.right), out.rects.back().bottom};
    else
        out.extents = bandExtents(out.rects);
}

void regionOffset(RegionData& r, int dx, int dy) {
    for (RECT& q : r.rects) {
        q.left += dx;
        q.right += dx;
        q.top += dy;
        q.bottom += dy;
    }
    r.extents = bandExtents(r.rects);
}

RegionData regionIntersectRect(const RegionData& r, const RECT& rect) {
    return regionCombine(r, regionFromRect(rect.left, rect.top, rect.right, rect.bottom), RGN_AND);
}

}  // namespace ulmaro::platform::detail
