// Enumerations several classes publish; each class that uses one lists it in its description
// and the library registers it once.
#pragma once

#include "dispatch.h"

namespace ulmaro {

inline EnumInfo BackStyleEnum() { return EnumInfo{"BackStyleEnum", {{"Transparent", 0}, {"Opaque", 1}}}; }
inline EnumInfo AppearanceConstants() { return EnumInfo{"AppearanceConstants", {{"Flat", 0}, {"3D", 1}}}; }
inline EnumInfo BorderStyleConstants() { return EnumInfo{"BorderStyleConstants", {{"None", 0}, {"Fixed Single", 1}}}; }

}  // namespace ulmaro
