// Regions with curved or slanted outlines, shared by the region constructors and paths.
#pragma once

#include "region_data.h"

#include <optional>
#include <vector>

namespace ulmaro::platform::detail {

// A new region handle owning `data` (region.cpp).
HRGN newRegion(RegionData data);

// The pixels inside closed polygons (each implicitly closed), with the ALTERNATE or
// WINDING rule. A pixel belongs to the region when its top-left corner lies inside; corners
// on a left or top edge are inside, on a right or bottom edge outside. None when the
// polygons are too tall to store.
std::optional<RegionData> regionFromPolygons(const std::vector<std::vector<POINT>>& polygons, int fillMode);

}  // namespace ulmaro::platform::detail
