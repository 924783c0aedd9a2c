// Band-sweep region algebra. A region is a list of bands (rows of equal top and bottom)
// each holding sorted, disjoint x intervals. Combining two regions walks the union of
// their band edges once; within a band the two interval lists merge like sorted runs.
#include "region_data.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <limits>

namespace ulmaro::platform::detail {

namespace {

RECT extentsOf(const std::vector<RECT>& rects) {
    if (rects.empty()) return RECT{0, 0, 0, 0};
    // Bands are in order: the first and last rectangles give the top and bottom.
    RECT e{rects.front().left, rects.front().top, rects.front().right, rects.back().bottom};
    for (const RECT& r : rects) {
        e.left = std::min(e.left, r.left);
        e.right = std::max(e.right, r.right);
    }
    return e;
}

// Appends bands to a rectangle list, merging a band into the one above when the two touch
// and have the same intervals, so that every region has one canonical form (needed by
// EqualRgn). A band is written interval by interval between begin() and end().
class BandWriter {
public:
    explicit BandWriter(std::vector<RECT>& out) : out_(out) {}
    void begin(int top, int bottom) {
        top_ = top;
        bottom_ = bottom;
        start_ = out_.size();
    }
    // Intervals come in order; one that touches the previous one extends it.
    void add(int x0, int x1) {
        if (x0 >= x1) return;
        if (out_.size() > start_ && out_.back().right >= x0) {
            out_.back().right = std::max<LONG>(out_.back().right, x1);
            return;
        }
        out_.push_back(RECT{x0, top_, x1, bottom_});
    }
    void end() {
        const std::size_t n = out_.size() - start_;
        if (n == 0) return;
        // The band above: the rectangles just before this band, if they end where it starts.
        if (prevStart_ < start_ && start_ - prevStart_ == n && out_[start_ - 1].bottom == top_) {
            bool same = true;
            for (std::size_t i = 0; i < n && same; ++i)
                same = out_[prevStart_ + i].left == out_[start_ + i].left && out_[prevStart_ + i].right == out_[start_ + i].right;
            if (same) {
                for (std::size_t i = prevStart_; i < start_; ++i) out_[i].bottom = bottom_;
                out_.resize(start_);
                return;
            }
        }
        prevStart_ = start_;
    }

private:
    std::vector<RECT>& out_;
    std::size_t start_ = 0;
    std::size_t prevStart_ = static_cast<std::size_t>(-1);
    int top_ = 0, bottom_ = 0;
};

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

// The end of the band that starts at index i.
std::size_t bandEnd(const std::vector<RECT>& r, std::size_t i) {
    const LONG top = r[i].top;
    while (i < r.size() && r[i].top == top) ++i;
    return i;
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
    r.extents = extentsOf(r.rects);
    return r;
}

RegionData regionFromSpans(std::vector<Span> spans) {
    // Scan converters give their spans row by row already; sort only what is not in order.
    auto before = [](const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.x0 < b.x0; };
    if (!std::is_sorted(spans.begin(), spans.end(), before)) std::sort(spans.begin(), spans.end(), before);
    RegionData out;
    BandWriter writer(out.rects);
    std::size_t i = 0;
    while (i < spans.size()) {
        const int y = spans[i].y;
        writer.begin(y, y + 1);
        for (; i < spans.size() && spans[i].y == y; ++i) writer.add(spans[i].x0, spans[i].x1);
        writer.end();
    }
    out.extents = extentsOf(out.rects);
    return out;
}

RegionData regionCombine(const RegionData& a, const RegionData& b, int mode) {
    if (mode == RGN_COPY) return a;
    // Fast paths for the clip computations that run on every drawing call.
    if (mode == RGN_AND && a.rects.size() == 1 && b.rects.size() == 1) {
        const RECT &p = a.rects[0], &q = b.rects[0];
        return regionFromRect(std::max(p.left, q.left), std::max(p.top, q.top), std::max(std::max(p.left, q.left), std::min(p.right, q.right)),
                              std::max(std::max(p.top, q.top), std::min(p.bottom, q.bottom)));
    }
    // Walk the bands of both inputs from the top. Each step takes the rows from the
    // highest unfinished band edge down to the next edge of either input, so that the
    // step sees one band (or none) of each input.
    const std::vector<RECT>& ra = a.rects;
    const std::vector<RECT>& rb = b.rects;
    RegionData out;
    out.rects.reserve(mode == RGN_AND ? std::min(ra.size(), rb.size()) : ra.size() + rb.size());
    BandWriter writer(out.rects);
    std::size_t ia = 0, ib = 0;
    std::size_t ea = ia < ra.size() ? bandEnd(ra, ia) : ia, eb = ib < rb.size() ? bandEnd(rb, ib) : ib;
    long long y = std::numeric_limits<long long>::min();
    while (ia < ra.size() || ib < rb.size()) {
        if (mode == RGN_AND && (ia == ra.size() || ib == rb.size())) break;
        if (mode == RGN_DIFF && ia == ra.size()) break;
        const long long ta = ia < ra.size() ? std::max<long long>(ra[ia].top, y) : LLONG_MAX;
        const long long tb = ib < rb.size() ? std::max<long long>(rb[ib].top, y) : LLONG_MAX;
        const long long top = std::min(ta, tb);
        const long long ba = ia < ra.size() ? ra[ia].bottom : LLONG_MAX;
        const long long bb = ib < rb.size() ? rb[ib].bottom : LLONG_MAX;
        // Down to the next edge: a band ending, or the other input's band starting.
        long long bottom = std::min(ta == top ? ba : ta, tb == top ? bb : tb);
        const bool useA = ta == top, useB = tb == top;
        writer.begin(static_cast<int>(top), static_cast<int>(bottom));
        combineBand(useA ? &ra[ia] : nullptr, useA ? ra.data() + ea : nullptr, useB ? &rb[ib] : nullptr,
                    useB ? rb.data() + eb : nullptr, mode, writer);
        writer.end();
        y = bottom;
        if (ia < ra.size() && ba <= y) {
            ia = ea;
            ea = ia < ra.size() ? bandEnd(ra, ia) : ia;
        }
        if (ib < rb.size() && bb <= y) {
            ib = eb;
            eb = ib < rb.size() ? bandEnd(rb, ib) : ib;
        }
    }
    out.extents = extentsOf(out.rects);
    return out;
}

void regionOffset(RegionData& r, int dx, int dy) {
    for (RECT& q : r.rects) {
        q.left += dx;
        q.right += dx;
        q.top += dy;
        q.bottom += dy;
    }
    r.extents = extentsOf(r.rects);
}

RegionData regionIntersectRect(const RegionData& r, const RECT& rect) {
    return regionCombine(r, regionFromRect(rect.left, rect.top, rect.right, rect.bottom), RGN_AND);
}

}  // namespace ulmaro::platform::detail
