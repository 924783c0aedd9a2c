// Colour translation, channel splitting and shading shared by every control's drawing code.
#pragma once

#include "framework/ole_color.h"

#include <cstdint>

namespace ulmaro {

// A system colour becomes the RGB the platform gives for it; an RGB value is returned as is.
std::int32_t TranslateColor(OLE_COLOR Color);

// Translates, then splits into channels 0..255.
void SplitColor(OLE_COLOR Color, std::int32_t& Red, std::int32_t& Green, std::int32_t& Blue);

// Mode 0 adds Amount to each channel, 1 lightens toward white by Amount (0 keeps the colour,
// 255 gives white), 2 multiplies each channel by Amount; any other mode keeps the colour.
// Channels are clamped only on the side Amount pushes them to.
std::int32_t ShadeColor(OLE_COLOR Color, double Amount, double Mode);

}  // namespace ulmaro
