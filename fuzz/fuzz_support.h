// What the fuzz targets share: reading the input as a stream of choices, and checking that
// a run left no platform handle behind.
#pragma once

#include "fuzz_targets.h"

#include <ulmaro/platform/host.h>

#include <algorithm>
#include <cstdint>
#include <string>

namespace ulmaro::fuzz {

// The input as a sequence of small decisions, then a tail of text.
class Choices {
public:
    Choices(const std::uint8_t* data, std::size_t size) : p_(data), end_(data + size) {}
    bool empty() const { return p_ == end_; }
    std::uint8_t byte() { return p_ == end_ ? 0 : *p_++; }
    std::uint32_t u32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = (v << 8) | byte();
        return v;
    }
    // A value in [0, n).
    std::size_t pick(std::size_t n) { return n == 0 ? 0 : u32() % n; }
    // A string of up to `max` bytes, length first.
    std::string text(std::size_t max) {
        std::size_t n = std::min<std::size_t>({pick(max + 1), static_cast<std::size_t>(end_ - p_)});
        std::string s(reinterpret_cast<const char*>(p_), n);
        p_ += n;
        return s;
    }
    std::string rest() {
        std::string s(reinterpret_cast<const char*>(p_), static_cast<std::size_t>(end_ - p_));
        p_ = end_;
        return s;
    }

private:
    const std::uint8_t* p_;
    const std::uint8_t* end_;
};

// Fails when the GDI objects and windows alive at the end of a run differ from the start.
class HandleBaseline {
public:
    HandleBaseline() : gdi_(platform::LiveGdiObjectCount()), windows_(platform::LiveWindowCount()) {}
    void check() const {
        if (platform::LiveGdiObjectCount() != gdi_)
            Fault("GDI objects leaked: " + std::to_string(gdi_) + " before, " +
                  std::to_string(platform::LiveGdiObjectCount()) + " after");
        if (platform::LiveWindowCount() != windows_)
            Fault("windows leaked: " + std::to_string(windows_) + " before, " +
                  std::to_string(platform::LiveWindowCount()) + " after");
    }

private:
    std::size_t gdi_, windows_;
};

}  // namespace ulmaro::fuzz
