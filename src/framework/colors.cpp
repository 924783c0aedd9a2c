#include "framework/colors.h"

#include "framework/numeric.h"

#include <ulmaro/platform/win32.h>

#include <cmath>

namespace ulmaro {

std::int32_t TranslateColor(OLE_COLOR Color) {
    if (!IsSystemColor(Color)) return static_cast<std::int32_t>(Color);
    return static_cast<std::int32_t>(platform::GetSysColor(SystemColorIndex(Color)));
}

void SplitColor(OLE_COLOR Color, std::int32_t& Red, std::int32_t& Green, std::int32_t& Blue) {
    std::int32_t rgb = TranslateColor(Color);
    Red = rgb & 0xFF;
    Green = (rgb >> 8) & 0xFF;
    Blue = (rgb >> 16) & 0xFF;
}

namespace {

// Lightening toward white: Amount + channel * (255 - Amount) \ 255, where 255 - Amount is
// rounded first and \ truncates toward zero.
double Lighten(double channel, double amount) {
    double scale = std::nearbyint(255.0 - amount);
    return amount + std::trunc(channel * scale / 255.0);
}

}  // namespace

std::int32_t ShadeColor(OLE_COLOR Color, double Amount, double Mode) {
    std::int32_t r = 0, g = 0, b = 0;
    SplitColor(Color, r, g, b);
    double ch[3] = {static_cast<double>(r), static_cast<double>(g), static_cast<double>(b)};

    // Results become whole numbers rounded to nearest, halves to even (the default rounding
    // mode of nearbyint).
    for (double& c : ch) {
        if (Mode == 0)
            c = std::nearbyint(c + Amount);
        else if (Mode == 1)
            c = std::nearbyint(Lighten(c, Amount));
        else if (Mode == 2)
            c = std::nearbyint(c * Amount);
    }

    for (double& c : ch) {
        if (Amount > 0 && c > 255) c = 255;
        if (Amount < 0 && c < 0) c = 0;
    }

    // Only a NaN or an Amount far beyond the colour range can leave a channel out of range;
    // the sum then overflows as the run-time's conversion to Long does.
    return RoundToLong(ch[0] + ch[1] * 256.0 + ch[2] * 65536.0);
}

}  // namespace ulmaro
