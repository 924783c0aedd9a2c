// The arc starts with a line from the current position to its first point, then visits
// every 15 degrees from the start angle, then its end point. The angle runs as a
// single-precision counted loop: the number of passes is fixed on entry from the end value
// and the step, so the end itself is visited when a step lands on it.
#include "framework/draw_arc.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ulmaro {

using namespace platform;

namespace {

constexpr double kPi = 3.1415926535;
constexpr double kMostSteps = 1e6;  // sweeps beyond thousands of turns are cut short

// Coordinates become integers rounded to nearest, halves to even (the default rounding
// mode of nearbyint).
// Coordinates that do not fit (or are not numbers) are held at the nearest limit.
int toCoordinate(double v) {
    const double r = std::nearbyint(v);
    if (!(r >= std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    if (!(r <= std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    return static_cast<int>(r);
}

void lineToAngle(HDC dc, int32_t x, int32_t y, int32_t radius, float angle) {
    const double rad = static_cast<double>(angle) * kPi / 180.0;
    LineTo(dc, toCoordinate(x + radius * std::cos(rad)), toCoordinate(y + radius * std::sin(rad)));
}

}  // namespace

void DrawArc(HDC DC, int32_t X, int32_t Y, int32_t Radius, float StartAngle, float SweepAngle) {
    // 1. No sweep, no arc.
    if (SweepAngle == 0.0f) return;
    // 2. From the current position to the start of the arc.
    lineToAngle(DC, X, Y, Radius, StartAngle);
    // 3. Every 15 degrees from the start, the end included when a step lands on it: a
    // counted loop on a single-precision counter, compared with the end on every pass as
    // the language's For loop does. The cap only stops sweeps so large that adding 15 no
    // longer changes the counter.
    const float endAngle = StartAngle + SweepAngle;
    const float step = SweepAngle > 0.0f ? 15.0f : -15.0f;
    long passes = 0;
    for (float a = StartAngle; (step > 0 ? a <= endAngle : a >= endAngle) && passes <= kMostSteps; a += step, ++passes)
        lineToAngle(DC, X, Y, Radius, a);
    // 4. The end of the arc.
    lineToAngle(DC, X, Y, Radius, endAngle);
}

}  // namespace ulmaro
