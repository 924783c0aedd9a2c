#include "edit_text.h"

#include <algorithm>
#include <cstring>

namespace ulmaro::platform::edit {

std::string EditText::slice(std::size_t pos, std::size_t count) const {
    pos = std::min(pos, length());
    count = std::min(count, length() - pos);
    std::string out;
    out.reserve(count);
    const std::size_t end = pos + count;
    if (pos < gapStart_) out.append(buf_.data() + pos, std::min(end, gapStart_) - pos);
    if (end > gapStart_) {
        const std::size_t from = std::max(pos, gapStart_);
        out.append(buf_.data() + from + gapLength(), end - from);
    }
    return out;
}

void EditText::assign(std::string_view s) {
    buf_.assign(s.begin(), s.end());
    gapStart_ = gapEnd_ = buf_.size();
    starts_.assign(1, 0);
    pendingFrom_ = 1;
    pendingShift_ = 0;
    for (std::size_t i = 1; i < s.size(); ++i)
        if (s[i - 1] == '\r' && s[i] == '\n') starts_.push_back(i + 1);
}

void EditText::moveGap(std::size_t pos) {
    if (pos < gapStart_) {
        const std::size_t n = gapStart_ - pos;
        std::memmove(buf_.data() + gapEnd_ - n, buf_.data() + pos, n);
        gapStart_ -= n;
        gapEnd_ -= n;
    } else if (pos > gapStart_) {
        const std::size_t n = pos - gapStart_;
        std::memmove(buf_.data() + gapStart_, buf_.data() + gapEnd_, n);
        gapStart_ += n;
        gapEnd_ += n;
    }
}

void EditText::reserveGap(std::size_t need) {
    if (gapLength() >= need) return;
    const std::size_t tail = buf_.size() - gapEnd_;
    const std::size_t newSize = std::max(buf_.size() * 2, length() + need + 64);
    std::vector<char> grown(newSize);
    // std::copy rather than memcpy: the buffer starts out empty, with no storage to copy from.
    std::copy_n(buf_.begin(), gapStart_, grown.begin());
    std::copy_n(buf_.begin() + static_cast<std::ptrdiff_t>(gapEnd_), tail, grown.end() - static_cast<std::ptrdiff_t>(tail));
    gapEnd_ = newSize - tail;
    buf_ = std::move(grown);
}

void EditText::movePending(std::size_t i) {
    const auto shift = static_cast<std::size_t>(pendingShift_);
    for (; pendingFrom_ < i; ++pendingFrom_) starts_[pendingFrom_] += shift;
    for (; pendingFrom_ > i; --pendingFrom_) starts_[pendingFrom_ - 1] -= shift;
}

std::size_t EditText::lineStart(std::size_t line) const {
    if (line >= starts_.size()) return length();
    return line >= pendingFrom_ ? starts_[line] + static_cast<std::size_t>(pendingShift_) : starts_[line];
}

std::size_t EditText::lineLength(std::size_t line) const {
    if (line >= starts_.size()) return 0;
    const std::size_t start = lineStart(line);
    if (line + 1 == starts_.size()) return length() - start;
    return lineStart(line + 1) - 2 - start;
}

std::size_t EditText::lineOf(std::size_t pos) const {
    std::size_t lo = 0, hi = starts_.size();  // the answer is in [lo, hi)
    while (hi - lo > 1) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (lineStart(mid) <= pos)
            lo = mid;
        else
            hi = mid;
    }
    return lo;
}

void EditText::replace(std::size_t pos, std::size_t count, std::string_view s) {
    pos = std::min(pos, length());
    count = std::min(count, length() - pos);
    // Lines first..last change; `last` reaches one line past the edit, so that a line break
    // split or joined at either end of the edit is found again by the rescan below.
    const std::size_t first = lineOf(pos);
    const std::size_t last = std::min(lineOf(pos + count) + 1, starts_.size() - 1);
    const bool toEnd = last + 1 >= starts_.size();
    const std::size_t scanFrom = lineStart(first);
    const std::ptrdiff_t delta = static_cast<std::ptrdiff_t>(s.size()) - static_cast<std::ptrdiff_t>(count);
    movePending(last + 1);

    moveGap(pos);
    gapEnd_ += count;
    reserveGap(s.size());
    std::copy(s.begin(), s.end(), buf_.begin() + static_cast<std::ptrdiff_t>(gapStart_));
    gapStart_ += s.size();

    const std::size_t scanEnd =
        toEnd ? length() : starts_[last + 1] + static_cast<std::size_t>(pendingShift_ + delta);
    std::vector<std::size_t> found;
    for (std::size_t i = std::max(scanFrom, std::size_t{1}); i < scanEnd; ++i)
        if (at(i - 1) == '\r' && at(i) == '\n' && i + 1 < scanEnd + (toEnd ? 1 : 0)) found.push_back(i + 1);
    const auto begin = starts_.begin() + static_cast<std::ptrdiff_t>(first) + 1;
    const auto end = starts_.begin() + static_cast<std::ptrdiff_t>(last) + 1;
    const std::size_t removed = last - first;
    starts_.erase(begin, end);
    starts_.insert(starts_.begin() + static_cast<std::ptrdiff_t>(first) + 1, found.begin(), found.end());
    pendingFrom_ = pendingFrom_ - removed + found.size();
    pendingShift_ += delta;
}

}  // namespace ulmaro::platform::edit
