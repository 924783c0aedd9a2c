// GradientFill with rectangles: colours interpolated linearly between two vertices, across
// (GRADIENT_FILL_RECT_H) or down (GRADIENT_FILL_RECT_V). Channels are 16-bit; pixel i of n
// gets (c0 * (n - i) + c1 * i) / n, and its top 8 bits are stored.
#include "objects.h"

#include <algorithm>
#include <cstdint>

namespace ulmaro::platform {

using namespace detail;

namespace {

COLORREF blendAt(const TRIVERTEX& a, const TRIVERTEX& b, std::int64_t i, std::int64_t n) {
    auto channel = [&](COLOR16 c0, COLOR16 c1) { return static_cast<BYTE>(((c0 * (n - i) + c1 * i) / n) >> 8); };
    return RGB(channel(a.Red, b.Red), channel(a.Green, b.Green), channel(a.Blue, b.Blue));
}

void fillRect(const Target& t, TRIVERTEX a, TRIVERTEX b, bool vertical) {
    // Order the two vertices along the gradient's axis.
    if (vertical ? a.y > b.y : a.x > b.x) std::swap(a, b);
    const RECT area{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    const std::int64_t n = vertical ? std::int64_t{area.bottom} - area.top : std::int64_t{area.right} - area.left;
    if (n <= 0) return;
    forEachVisible(t, area, [&](const RECT& q) {
        for (int y = q.top; y < q.bottom; ++y) {
            COLORREF* row = t.bmp->row(y);
            if (vertical) {
                std::fill(row + q.left, row + q.right, nearestColor(*t.bmp, blendAt(a, b, std::int64_t{y} - area.top, n)));
            } else {
                for (int x = q.left; x < q.right; ++x) row[x] = nearestColor(*t.bmp, blendAt(a, b, std::int64_t{x} - area.left, n));
            }
        }
    });
}

}  // namespace

BOOL GradientFill(HDC hdc, PTRIVERTEX pVertex, ULONG nVertex, PVOID pMesh, ULONG nMesh, ULONG ulMode) {
    Dc* dc = lookupDc(hdc);
    if (!dc || !pVertex || !pMesh) return FALSE;
    if (ulMode != GRADIENT_FILL_RECT_H && ulMode != GRADIENT_FILL_RECT_V) return FALSE;
    const auto* rects = static_cast<const GRADIENT_RECT*>(pMesh);
    for (ULONG i = 0; i < nMesh; ++i)
        if (rects[i].UpperLeft >= nVertex || rects[i].LowerRight >= nVertex) return FALSE;
    Target t = targetOf(*dc);
    if (!t.ok()) return FALSE;
    for (ULONG i = 0; i < nMesh; ++i)
        fillRect(t, pVertex[rects[i].UpperLeft], pVertex[rects[i].LowerRight], ulMode == GRADIENT_FILL_RECT_V);
    return TRUE;
}

}  // namespace ulmaro::platform
