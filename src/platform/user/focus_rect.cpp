// DrawFocusRect: a dotted outline that inverts every other pixel, so a second call with the
// same rectangle removes it.
#include "../gdi/objects.h"

#include <algorithm>
#include <cstdint>

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
    // at even steps; each side leaves out its last pixel, which starts the next side. Only
    // the steps that land on the surface are visited, so a rectangle of any size costs no
    // more than the surface's edges.
    using I64 = std::int64_t;
    const I64 l = r.left, tp = r.top, rt = I64{r.right} - 1, bm = I64{r.bottom} - 1;
    const I64 corners[5][2] = {{rt, tp}, {l, tp}, {l, bm}, {rt, bm}, {rt, tp}};
    const COLORREF white = nearestColor(*t.bmp, RGB(255, 255, 255));
    const I64 size[2] = {t.bmp->width, t.bmp->height};
    I64 step = 0;
    for (int side = 0; side < 4; ++side) {
        const I64* from = corners[side];
        const I64* to = corners[side + 1];
        const int axis = from[0] != to[0] ? 0 : 1;   // the coordinate that moves
        const I64 dir = to[axis] > from[axis] ? 1 : -1;
        const I64 length = (to[axis] - from[axis]) * dir;
        const I64 fixed = from[1 - axis];
        if (fixed >= 0 && fixed < size[1 - axis]) {
            // Steps k in [first, last) put the moving coordinate inside [0, size).
            I64 first = dir > 0 ? -from[axis] : from[axis] - size[axis] + 1;
            I64 last = dir > 0 ? size[axis] - from[axis] : from[axis] + 1;
            first = std::max<I64>(first, 0);
            last = std::min(last, length);
            for (I64 k = first + ((step + first) % 2 != 0); k < last; k += 2) {
                const I64 moving = from[axis] + dir * k;
                const int x = static_cast<int>(axis == 0 ? moving : fixed), y = static_cast<int>(axis == 0 ? fixed : moving);
                if (t.visibleAt(x, y)) t.bmp->row(y)[x] ^= white;
            }
        }
        step += length;
    }
    return TRUE;
}

}  // namespace ulmaro::platform
