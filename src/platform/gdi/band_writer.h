// Writing regions band by band, in the canonical form every region keeps.
#pragma once

#include "region_data.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace ulmaro::platform::detail {

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

    // Appends the bands [first, last) of a region as they are; only the first may join the
    // band before it, the others already keep the form.
    void copyBands(const RECT* first, const RECT* last) {
        if (first == last) return;
        const RECT* p = first;
        begin(first->top, first->bottom);
        for (; p != last && p->top == first->top; ++p) add(p->left, p->right);
        end();
        if (p == last) return;
        const std::size_t at = out_.size();
        out_.insert(out_.end(), p, last);
        std::size_t s = out_.size() - 1;
        while (s > at && out_[s - 1].top == out_.back().top) --s;
        prevStart_ = s;
    }

private:
    std::vector<RECT>& out_;
    std::size_t start_ = 0;
    std::size_t prevStart_ = static_cast<std::size_t>(-1);
    int top_ = 0, bottom_ = 0;
};

// The bounding box of a banded rectangle list.
inline RECT bandExtents(const std::vector<RECT>& rects) {
    if (rects.empty()) return RECT{0, 0, 0, 0};
    // Bands are in order: the first and last rectangles give the top and bottom.
    RECT e{rects.front().left, rects.front().top, rects.front().right, rects.back().bottom};
    for (const RECT& r : rects) {
        e.left = std::min(e.left, r.left);
        e.right = std::max(e.right, r.right);
    }
    return e;
}

}  // namespace ulmaro::platform::detail
