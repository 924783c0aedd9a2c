// Paths: BeginPath opens a path on a device context, line calls made while it is open add
// points to it instead of drawing, EndPath closes it, and PathToRegion turns its figures into
// a region filled with the context's polygon fill mode.
#include "objects.h"
#include "region_shapes.h"

#include <algorithm>

namespace ulmaro::platform {

using namespace detail;

BOOL BeginPath(HDC hdc) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return FALSE;
    // Opening a path throws away any path the context still holds.
    dc->path = PathState{};
    dc->path.phase = PathState::Phase::Open;
    return TRUE;
}

BOOL EndPath(HDC hdc) {
    Dc* dc = lookupDc(hdc);
    if (!dc || dc->path.phase != PathState::Phase::Open) return FALSE;
    dc->path.phase = PathState::Phase::Closed;
    return TRUE;
}

BOOL AbortPath(HDC hdc) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return FALSE;
    dc->path = PathState{};
    return TRUE;
}

int GetPath(HDC hdc, POINT* points, BYTE* types, int n) {
    Dc* dc = lookupDc(hdc);
    if (!dc || dc->path.phase != PathState::Phase::Closed) return -1;
    const int count = static_cast<int>(dc->path.points.size());
    if (n == 0) return count;
    if (n < count || !points || !types) return -1;
    std::copy(dc->path.points.begin(), dc->path.points.end(), points);
    std::copy(dc->path.types.begin(), dc->path.types.end(), types);
    return count;
}

HRGN PathToRegion(HDC hdc) {
    Dc* dc = lookupDc(hdc);
    if (!dc || dc->path.phase != PathState::Phase::Closed) return nullptr;
    // Every PT_MOVETO starts a figure; a region closes each figure implicitly.
    std::vector<int> counts;
    const PathState& path = dc->path;
    for (std::size_t i = 0; i < path.points.size() && i < path.types.size(); ++i) {
        bool move = (path.types[i] & ~PT_CLOSEFIGURE) == PT_MOVETO;
        if (move || counts.empty()) counts.push_back(0);
        ++counts.back();
    }
    std::optional<RegionData> data = regionFromPolygons(path.points.data(), counts.data(), static_cast<int>(counts.size()), dc->polyFillMode);
    dc->path = PathState{};  // the region consumes the path
    return data ? newRegion(std::move(*data)) : nullptr;
}

}  // namespace ulmaro::platform
