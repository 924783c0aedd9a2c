// The source side of a block transfer: its pixels, read in the destination's format.
// A colour source going to a monochrome surface turns white where it has the source
// context's background colour and black elsewhere; a monochrome source going to a colour
// surface takes the destination context's background colour for white and its text colour
// for black. Like formats copy as they are.
#pragma once

#include "objects.h"

#include <vector>

namespace ulmaro::platform::detail {

class BlitSource {
public:
    BlitSource(const Dc& srcDc, const Bitmap& src, const Dc& dstDc, const Bitmap& dst);

    int width() const { return width_; }
    int height() const { return height_; }
    const COLORREF* row(int y) const { return pixels_ + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_); }
    bool converts() const { return mode_ != Mode::Same; }
    COLORREF convert(COLORREF s) const {
        switch (mode_) {
            case Mode::Same: return s;
            case Mode::ColorToMono: return (s & 0x00FFFFFF) == sourceBackground_ ? 0x00FFFFFF : 0;
            case Mode::MonoToColor: return s ? background_ : foreground_;
        }
        return s;
    }

private:
    enum class Mode { Same, ColorToMono, MonoToColor } mode_ = Mode::Same;
    int width_ = 0, height_ = 0;
    const COLORREF* pixels_ = nullptr;
    std::vector<COLORREF> snapshot_;  // a copy when source and destination are one surface
    COLORREF sourceBackground_ = 0, background_ = 0, foreground_ = 0;
};

}  // namespace ulmaro::platform::detail
