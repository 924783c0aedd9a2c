#include "checkoption/glyph_strip.h"

#include <vector>

namespace ulmaro::glyphs {

GlyphStrip::GlyphStrip(const StripPixels& pixels) {
    // The platform takes 32-bit rows of B, G, R and an unused byte, from the top.
    std::vector<std::uint8_t> bits(pixels.size() * 4);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        bits[i * 4] = platform::GetBValue(pixels[i]);
        bits[i * 4 + 1] = platform::GetGValue(pixels[i]);
        bits[i * 4 + 2] = platform::GetRValue(pixels[i]);
    }
    bitmap_ = platform::CreateBitmap(kStripWidth, kCell, 1, 32, bits.data());
}

GlyphStrip::~GlyphStrip() {
    if (bitmap_) platform::DeleteObject(bitmap_);
}

}  // namespace ulmaro::glyphs
