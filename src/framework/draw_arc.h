// DrawArc: an arc of a circle drawn with the context's pen as a polyline of 15-degree steps.
#pragma once

#include <ulmaro/platform/win32.h>

#include <cstdint>

namespace ulmaro {

// Angles in degrees; positive angles turn clockwise on screen (y grows downwards).
void DrawArc(platform::HDC DC, int32_t X, int32_t Y, int32_t Radius, float StartAngle, float SweepAngle);

}  // namespace ulmaro
