#include "picture_diff.h"

namespace ulmaro::app {

using platform::COLORREF;

PictureDifference comparePictures(const platform::Image& expected, const platform::Image& actual) {
    PictureDifference d;
    d.sameSize = expected.width == actual.width && expected.height == actual.height;
    if (!d.sameSize) return d;
    d.marked = expected;
    d.marked.alpha.clear();
    // Halfway to white, so the red marks stand out.
    auto fade = [](unsigned v) { return static_cast<platform::BYTE>((v + 255) / 2); };
    for (std::size_t i = 0; i < actual.px.size(); ++i) {
        const COLORREF e = expected.px[i];
        if (e != actual.px[i]) {
            ++d.differing;
            d.marked.px[i] = platform::RGB(255, 0, 0);
        } else {
            d.marked.px[i] = platform::RGB(fade(platform::GetRValue(e)), fade(platform::GetGValue(e)),
                                           fade(platform::GetBValue(e)));
        }
    }
    return d;
}

std::string describeDifference(const PictureDifference& d, const platform::Image& expected,
                               const platform::Image& actual, const std::string& referenceName) {
    if (!d.sameSize)
        return referenceName + " is " + std::to_string(expected.width) + " x " + std::to_string(expected.height) +
               ", the picture " + std::to_string(actual.width) + " x " + std::to_string(actual.height);
    if (d.differing == 0) return {};
    return std::to_string(d.differing) + " pixels differ from " + referenceName;
}

}  // namespace ulmaro::app
