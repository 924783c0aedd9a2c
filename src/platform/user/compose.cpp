// Composing a window tree into one picture. Each window's visible shape is a region: its
// rectangle, cut by its window region and by its parent's client shape; the frame ring and
// the client area (less its see-through parts) are copied from the frame picture and the
// client surface one rectangle at a time, row spans with no per-pixel tests; overlays are
// filled over the client area the same way.
#include "window_data.h"

#include <algorithm>
#include <cstring>

namespace ulmaro::platform::detail {

namespace {

struct Canvas {
    std::vector<COLORREF>& px;
    int width;
};

// Copies `from` (a picture of `srcWidth` columns whose origin sits at `origin` on the
// canvas) into the canvas wherever `area` (canvas coordinates) covers.
void copyArea(Canvas& out, const RegionData& area, const COLORREF* from, int srcWidth, POINT origin) {
    for (const RECT& r : area.rects) {
        const auto n = static_cast<std::size_t>(r.right - r.left);
        for (int y = r.top; y < r.bottom; ++y) {
            const COLORREF* src = from + static_cast<std::size_t>(y - origin.y) * static_cast<std::size_t>(srcWidth) +
                                  static_cast<std::size_t>(r.left - origin.x);
            COLORREF* dst = out.px.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(out.width) +
                            static_cast<std::size_t>(r.left);
            std::memcpy(dst, src, n * sizeof(COLORREF));
        }
    }
}

void fillArea(Canvas& out, const RegionData& area, COLORREF c) {
    for (const RECT& r : area.rects)
        for (int y = r.top; y < r.bottom; ++y) {
            COLORREF* row = out.px.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(out.width);
            std::fill(row + r.left, row + r.right, c);
        }
}

// Composes the children of `hwnd`, whose client origin sits at `origin` on the canvas and
// whose client shape there is `clip`.
void composeChildren(Canvas& out, const Window& parent, POINT origin, const RegionData& clip) {
    for (HWND h : parent.children) {
        const Window* w = lookupWindow(h);
        if (!w || !w->visible) continue;
        const POINT at{origin.x + w->rect.left, origin.y + w->rect.top};
        RegionData shape = regionIntersectRect(clip, RECT{at.x, at.y, at.x + w->width(), at.y + w->height()});
        if (shape.empty()) continue;
        if (w->region) {
            RegionData r = *w->region;
            regionOffset(r, at.x, at.y);
            shape = regionCombine(shape, r, RGN_AND);
        }
        const int f = w->frame();
        const POINT client{at.x + f, at.y + f};
        const RECT clientRect{client.x, client.y, client.x + w->surface.width, client.y + w->surface.height};
        RegionData inner = regionIntersectRect(shape, clientRect);
        if (f > 0 && !w->framePx.empty())
            copyArea(out, regionCombine(shape, inner, RGN_DIFF), w->framePx.data(), w->width(), at);
        if (!inner.empty()) {
            RegionData shown = inner;
            if (w->opaque) {
                RegionData o = *w->opaque;
                regionOffset(o, client.x, client.y);
                shown = regionCombine(shown, o, RGN_AND);
            }
            copyArea(out, shown, w->surface.px.data(), w->surface.width, client);
            for (const Overlay& o : w->overlays) {
                RegionData area = o.area;
                regionOffset(area, client.x, client.y);
                fillArea(out, regionCombine(area, inner, RGN_AND), o.color);
            }
            composeChildren(out, *w, client, inner);
        }
    }
}

}  // namespace

}  // namespace ulmaro::platform::detail

namespace ulmaro::platform {

using namespace detail;

std::vector<COLORREF> ComposeWindow(HWND top) {
    RedrawWindow(top, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Window* w = lookupWindow(top);
    if (!w) return {};
    std::vector<COLORREF> px(static_cast<std::size_t>(w->surface.width) * static_cast<std::size_t>(w->surface.height), 0);
    Canvas out{px, w->surface.width};
    RegionData all = regionFromRect(0, 0, w->surface.width, w->surface.height);
    RegionData shown = all;
    if (w->opaque) shown = regionCombine(shown, *w->opaque, RGN_AND);
    copyArea(out, shown, w->surface.px.data(), w->surface.width, POINT{0, 0});
    composeChildren(out, *w, POINT{0, 0}, all);
    return px;
}

}  // namespace ulmaro::platform
