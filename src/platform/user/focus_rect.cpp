// DrawFocusRect: a dotted outline that inverts every other pixel, so a second call with the
// same rectangle removes it.
#include "../gdi/objects.h"

namespace ulmaro::platform {

using namespace detail;

BOOL DrawFocusRect(HDC hDC, const RECT* lprc) {
    Dc* dc = lookupDc(hDC);
    if (!dc || !lprc) return FALSE;
    Target t = targetOf(*dc);
    if (!t.ok()) return FALSE;
    const RECT& r = *lprc;
    if (r.left >= r.right || r.top >= r.bottom) return TRUE;
    // The platform walks the outline anticlockwise from the top-right pixel with the dots on
    // at even steps; each side leaves out its last pixel, which starts the next side.
    const int l = r.left, tp = r.top, rt = r.right - 1, bm = r.bottom - 1;
    const POINT corners[5] = {{rt, tp}, {l, tp}, {l, bm}, {rt, bm}, {rt, tp}};
    const COLORREF white = nearestColor(*t.bmp, RGB(255, 255, 255));
    long step = 0;
    for (int side = 0; side < 4; ++side) {
        POINT p = corners[side];
        const POINT& end = corners[side + 1];
        int sx = (end.x > p.x) - (end.x < p.x), sy = (end.y > p.y) - (end.y < p.y);
        while (p.x != end.x || p.y != end.y) {
            if (step++ % 2 == 0 && t.visibleAt(p.x, p.y)) t.bmp->row(p.y)[p.x] ^= white;
            p.x += sx;
            p.y += sy;
        }
    }
    return TRUE;
}

}  // namespace ulmaro::platform
