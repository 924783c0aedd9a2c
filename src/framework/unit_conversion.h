// The host's ScaleX / ScaleY unit conversion for a 96 dpi screen (15 twips per pixel).
#pragma once

namespace ulmaro {

// The host's scale modes. Characters, user scales and container scales are not supported.
enum ScaleMode : int {
    vbTwips = 1,
    vbPoints = 2,
    vbPixels = 3,
    vbInches = 5,
    vbMillimeters = 6,
    vbCentimeters = 7,
    vbHimetric = 8,
};

// Converts a width (ScaleX) or height (ScaleY) from one scale mode to another. The result is
// not rounded: callers that need whole pixels round it themselves. An unsupported scale
// mode raises the run-time's invalid procedure call error (5).
double ScaleX(double Width, int FromScale, int ToScale);
double ScaleY(double Height, int FromScale, int ToScale);

}  // namespace ulmaro
