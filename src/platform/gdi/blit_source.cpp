#include "blit_source.h"

namespace ulmaro::platform::detail {

BlitSource::BlitSource(const Dc& srcDc, const Bitmap& src, const Dc& dstDc, const Bitmap& dst)
    : width_(src.width), height_(src.height), pixels_(src.px.data()) {
    if (src.mono() && !dst.mono()) mode_ = Mode::MonoToColor;
    if (!src.mono() && dst.mono()) mode_ = Mode::ColorToMono;
    sourceBackground_ = srcDc.bkColor & 0x00FFFFFF;
    background_ = dstDc.bkColor & 0x00FFFFFF;
    foreground_ = dstDc.textColor & 0x00FFFFFF;
    // Reading and writing one surface: read from a copy so that overlapping areas move
    // as a whole.
    if (&src == &dst) {
        snapshot_ = src.px;
        pixels_ = snapshot_.data();
    }
}

}  // namespace ulmaro::platform::detail
