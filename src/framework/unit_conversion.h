// The host's ScaleX / ScaleY unit conversion for a 96 dpi screen (15 twips per pixel).
#pragma once

namespace ulmaro {

// The host's scale modes by number. Characters (4), user scales (0) and container scales
// are not supported.
namespace scale {
constexpr int Twips = 1;
constexpr int Points = 2;
constexpr int Pixels = 3;
constexpr int Inches = 5;
constexpr int Millimeters = 6;
constexpr int Centimeters = 7;
constexpr int Himetric = 8;  // hundredths of a millimetre
}  // namespace scale

// Converts a width (ScaleX) or height (ScaleY) from one scale mode to another. The result is
// not rounded: callers that need whole pixels round it themselves. An unsupported scale
// mode raises the run-time's invalid procedure call error (5).
double ScaleX(double Width, int FromScale, int ToScale);
double ScaleY(double Height, int FromScale, int ToScale);

}  // namespace ulmaro
