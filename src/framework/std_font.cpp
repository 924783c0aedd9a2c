#include "framework/std_font.h"

#include "framework/numeric.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

namespace ulmaro {

namespace {

bool sameFace(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

StdFont::StdFont(std::string name, double size) : name_(std::move(name)) { SetSize(size); }

void StdFont::SetSize(double points) {
    // Currency keeps four decimals, rounding halves to even; its range is far beyond any
    // font size, so only a NaN or an absurd size overflows.
    double scaled = std::nearbyint(points * 10000.0);
    if (!(std::fabs(scaled) < 9.2e18)) throw RuntimeError(kOverflowError);
    // A font has a size above nothing and up to 2160 points, as the host's font object
    // accepts; anything else is an invalid property value.
    if (!(points > 0 && points <= 2160)) throw RuntimeError(errors::InvalidPropertyValue);
    sizeTenThousandths_ = static_cast<std::int64_t>(scaled);
}

bool StdFont::operator==(const StdFont& other) const {
    return sameFace(name_, other.name_) && sizeTenThousandths_ == other.sizeTenThousandths_ &&
           weight_ == other.weight_ && italic_ == other.italic_ && underline_ == other.underline_ &&
           strikethrough_ == other.strikethrough_ && charset_ == other.charset_;
}

platform::LOGFONTA StdFont::ToLogFont() const {
    platform::LOGFONTA lf{};
    // A negative height asks for the character height (without internal leading) in pixels:
    // points at 96 pixels per 72-point inch.
    lf.lfHeight = -RoundToLong(Size() * 96.0 / 72.0);
    lf.lfWeight = weight_;
    lf.lfItalic = italic_ ? 1 : 0;
    lf.lfUnderline = underline_ ? 1 : 0;
    lf.lfStrikeOut = strikethrough_ ? 1 : 0;
    lf.lfCharSet = static_cast<platform::BYTE>(charset_);
    lf.lfOutPrecision = platform::OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = platform::CLIP_DEFAULT_PRECIS;
    lf.lfQuality = platform::DEFAULT_QUALITY;
    lf.lfPitchAndFamily = platform::DEFAULT_PITCH | platform::FF_DONTCARE;
    // The face name field holds at most 31 characters and a terminating zero.
    std::size_t n = std::min(name_.size(), static_cast<std::size_t>(platform::LF_FACESIZE - 1));
    std::memcpy(lf.lfFaceName, name_.data(), n);
    return lf;
}

}  // namespace ulmaro
