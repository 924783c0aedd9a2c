// Comparing a picture with a reference picture, pixel for pixel: how many pixels differ,
// and a picture of where (differing pixels red over a faded copy of the reference).
#pragma once

#include <ulmaro/platform/png.h>

#include <string>

namespace ulmaro::app {

struct PictureDifference {
    bool sameSize = false;
    long differing = 0;      // pixels that differ, when the sizes agree
    platform::Image marked;  // the reference faded, with the differing pixels in red
};

PictureDifference comparePictures(const platform::Image& expected, const platform::Image& actual);

// "N pixels differ from REF" or "REF is W x H, the picture W x H"; empty when equal.
std::string describeDifference(const PictureDifference& d, const platform::Image& expected,
                               const platform::Image& actual, const std::string& referenceName);

}  // namespace ulmaro::app
