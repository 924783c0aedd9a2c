// Stand-in MoveToEx / LineTo that only record path points, so that paths can be built and
// tested before the line drawing code exists. Outside a path they move the current
// position and draw nothing.
#include "objects.h"

namespace ulmaro::platform {

using namespace detail;

namespace {

void addPathPoint(Dc& dc, POINT p, BYTE type) {
    if (dc.path.phase != PathState::Phase::Open) return;
    // A line that starts a figure starts at the current position.
    if (type == PT_LINETO && dc.path.points.empty()) {
        dc.path.points.push_back(dc.pos);
        dc.path.types.push_back(PT_MOVETO);
    }
    dc.path.points.push_back(p);
    dc.path.types.push_back(type);
}

}  // namespace

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return FALSE;
    if (lppt) *lppt = dc->pos;
    dc->pos = POINT{x, y};
    addPathPoint(*dc, dc->pos, PT_MOVETO);
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return FALSE;
    addPathPoint(*dc, POINT{x, y}, PT_LINETO);
    dc->pos = POINT{x, y};
    return TRUE;
}

}  // namespace ulmaro::platform
