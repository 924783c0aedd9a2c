// Band-sweep region algebra. A region is a list of bands (rows of equal top and bottom)
// each holding sorted, disjoint x intervals. Combining two regions walks the union of
// their band edges once; within a band the two interval lists merge like sorted runs.
#include "region_data.h"

#include <algorithm>

namespace ulmaro::platform::detail {

namespace {

using Intervals = std::vector<std::pair<int, int>>;

RECT extentsOf(const std::vector<RECT>& rects) {
    if (rects.empty()) return RECT{0, 0, 0, 0};
    RECT e = rects.front();
    for (const RECT& r : rects) {
        e.left = std::min(e.left, r.left);
        e.top = std::min(e.top, r.top);
        e.right = std::max(e.right, r.right);
        e.bottom = std::max(e.bottom, r.bottom);
    }
    return e;
}

// Appends one band, merging it into the band above when the two have the same intervals
// and touch, so that every region has one canonical form (needed by EqualRgn).
class BandWriter {
public:
    explicit BandWriter(std::vector<RECT>& out) : out_(out) {}
    void add(int top, int bottom, const Intervals& xs) {
        if (xs.empty() || top >= bottom) return;
        if (lastStart_ < out_.size() && out_.back().bottom == top && sameAsLast(xs)) {
            for (std::size_t i = lastStart_; i < out_.size(); ++i) out_[i].bottom = bottom;
            return;
        }
        lastStart_ = out_.size();
        for (auto [x0, x1] : xs) out_.push_back(RECT{x0, top, x1, bottom});
    }

private:
    bool sameAsLast(const Intervals& xs) const {
        if (out_.size() - lastStart_ != xs.size()) return false;
        for (std::size_t i = 0; i < xs.size(); ++i)
            if (out_[lastStart_ + i].left != xs[i].first || out_[lastStart_ + i].right != xs[i].second) return false;
        return true;
    }
    std::vector<RECT>& out_;
    std::size_t lastStart_ = static_cast<std::size_t>(-1);
};

// The intervals of the band of `r` that covers row y; `cursor` walks forward over bands.
Intervals bandAt(const std::vector<RECT>& r, std::size_t& cursor, int y) {
    while (cursor < r.size() && r[cursor].bottom <= y) ++cursor;
    Intervals xs;
    for (std::size_t i = cursor; i < r.size() && r[i].top <= y; ++i)
        if (r[i].bottom > y) xs.emplace_back(r[i].left, r[i].right);
    return xs;
}

bool keep(bool inA, bool inB, int mode) {
    switch (mode) {
        case RGN_AND: return inA && inB;
        case RGN_OR: return inA || inB;
        case RGN_XOR: return inA != inB;
        case RGN_DIFF: return inA && !inB;
        default: return inA;
    }
}

Intervals combineIntervals(const Intervals& a, const Intervals& b, int mode) {
    std::vector<int> xs;
    xs.reserve((a.size() + b.size()) * 2);
    for (auto [x0, x1] : a) xs.insert(xs.end(), {x0, x1});
    for (auto [x0, x1] : b) xs.insert(xs.end(), {x0, x1});
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    Intervals out;
    std::size_t ia = 0, ib = 0;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        int x = xs[i];
        while (ia < a.size() && a[ia].second <= x) ++ia;
        while (ib < b.size() && b[ib].second <= x) ++ib;
        bool inA = ia < a.size() && a[ia].first <= x;
        bool inB = ib < b.size() && b[ib].first <= x;
        if (!keep(inA, inB, mode)) continue;
        if (!out.empty() && out.back().second == x)
            out.back().second = xs[i + 1];
        else
            out.emplace_back(x, xs[i + 1]);
    }
    return out;
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
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) {
        return a.y != b.y ? a.y < b.y : a.x0 < b.x0;
    });
    RegionData out;
    BandWriter writer(out.rects);
    std::size_t i = 0;
    while (i < spans.size()) {
        int y = spans[i].y;
        Intervals xs;
        for (; i < spans.size() && spans[i].y == y; ++i) {
            if (spans[i].x0 >= spans[i].x1) continue;
            if (!xs.empty() && spans[i].x0 <= xs.back().second)
                xs.back().second = std::max(xs.back().second, spans[i].x1);
            else
                xs.emplace_back(spans[i].x0, spans[i].x1);
        }
        writer.add(y, y + 1, xs);
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
    std::vector<int> ys;
    ys.reserve((a.rects.size() + b.rects.size()) * 2);
    for (const RECT& r : a.rects) ys.insert(ys.end(), {static_cast<int>(r.top), static_cast<int>(r.bottom)});
    for (const RECT& r : b.rects) ys.insert(ys.end(), {static_cast<int>(r.top), static_cast<int>(r.bottom)});
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    RegionData out;
    BandWriter writer(out.rects);
    std::size_t ca = 0, cb = 0;
    for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
        Intervals ia = bandAt(a.rects, ca, ys[i]);
        Intervals ib = bandAt(b.rects, cb, ys[i]);
        writer.add(ys[i], ys[i + 1], combineIntervals(ia, ib, mode));
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
