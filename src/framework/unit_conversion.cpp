#include "framework/unit_conversion.h"

#include "framework/numeric.h"

namespace ulmaro {

namespace {

constexpr int kInvalidProcedureCall = 5;

// Twips per unit as an exact fraction, so that a conversion multiplies whole numbers and
// divides once. 1440 twips make an inch, 25.4 mm and 2540 HIMETRIC (0.01 mm) units.
struct TwipsPer {
    double num;
    double den;
};

TwipsPer twipsPer(int mode) {
    switch (mode) {
        case scale::Twips: return {1, 1};
        case scale::Points: return {20, 1};
        case scale::Pixels: return {15, 1};
        case scale::Inches: return {1440, 1};
        case scale::Millimeters: return {14400, 254};
        case scale::Centimeters: return {144000, 254};
        case scale::Himetric: return {1440, 2540};
        default: throw RuntimeError(kInvalidProcedureCall);
    }
}

double convert(double value, int fromScale, int toScale) {
    TwipsPer from = twipsPer(fromScale);
    TwipsPer to = twipsPer(toScale);
    return value * from.num * to.den / (from.den * to.num);
}

}  // namespace

// The screen has square pixels, so both axes convert alike.
double ScaleX(double Width, int FromScale, int ToScale) { return convert(Width, FromScale, ToScale); }
double ScaleY(double Height, int FromScale, int ToScale) { return convert(Height, FromScale, ToScale); }

}  // namespace ulmaro
