#include "edit_scrollbar.h"

#include <algorithm>

namespace ulmaro::platform::edit {

namespace {

constexpr int kMinThumb = 8;

void fill(HDC hdc, RECT r, COLORREF c) {
    HBRUSH b = CreateSolidBrush(c);
    FillRect(hdc, &r, b);
    DeleteObject(b);
}

// A raised button face with a small filled triangle pointing along `dir` (0 up, 1 down,
// 2 left, 3 right).
void drawArrowButton(HDC hdc, RECT r, int dir, bool enabled) {
    fill(hdc, r, GetSysColor(COLOR_BTNFACE));
    DrawEdge(hdc, &r, EDGE_RAISED, BF_RECT);
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    const COLORREF ink = GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    // Four rows of 7, 5, 3 and 1 pixels, the tip towards `dir`.
    for (int i = 0; i < 4; ++i) {
        const int half = 3 - i;
        const int along = (dir == 0 || dir == 2) ? 1 - i : -2 + i;
        for (int k = -half; k <= half; ++k) {
            if (dir <= 1)
                SetPixelV(hdc, cx + k, cy + along, ink);
            else
                SetPixelV(hdc, cx + along, cy + k, ink);
        }
    }
}

}  // namespace

ScrollBarGeometry scrollBarGeometry(const RECT& bar, bool vertical, const ScrollState& s) {
    ScrollBarGeometry g;
    g.bar = bar;
    g.vertical = vertical;
    const int a0 = vertical ? bar.top : bar.left;
    const int a1 = vertical ? bar.bottom : bar.right;
    const int button = std::min(kScrollBarSize, (a1 - a0) / 2);
    g.trackStart = a0 + button;
    g.trackEnd = a1 - button;
    const int track = g.trackEnd - g.trackStart;
    const int range = std::max(s.max + 1, 1);
    const int page = std::clamp(s.page, 1, range);
    int thumb = static_cast<int>(static_cast<long long>(track) * page / range);
    thumb = std::max(thumb, kMinThumb);
    if (thumb >= track || page >= range) {
        g.thumbStart = g.thumbEnd = g.trackStart;  // nothing to scroll: no thumb
        return g;
    }
    const int travel = track - thumb;
    const int span = range - page;
    g.thumbStart = g.trackStart + static_cast<int>(static_cast<long long>(travel) * std::clamp(s.pos, 0, span) / span);
    g.thumbEnd = g.thumbStart + thumb;
    return g;
}

void drawScrollBar(HDC hdc, const ScrollBarGeometry& g, bool enabled) {
    const RECT& b = g.bar;
    RECT back = g.vertical ? RECT{b.left, b.top, b.right, g.trackStart} : RECT{b.left, b.top, g.trackStart, b.bottom};
    RECT fwd = g.vertical ? RECT{b.left, g.trackEnd, b.right, b.bottom} : RECT{g.trackEnd, b.top, b.right, b.bottom};
    drawArrowButton(hdc, back, g.vertical ? 0 : 2, enabled);
    drawArrowButton(hdc, fwd, g.vertical ? 1 : 3, enabled);
    // The track: a fine checkerboard of the face and highlight colours.
    const COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    RECT track = g.vertical ? RECT{b.left, g.trackStart, b.right, g.trackEnd} : RECT{g.trackStart, b.top, g.trackEnd, b.bottom};
    for (int y = track.top; y < track.bottom; ++y)
        for (int x = track.left; x < track.right; ++x) SetPixelV(hdc, x, y, ((x + y) & 1) ? face : light);
    if (g.thumbEnd > g.thumbStart && enabled) {
        RECT thumb = g.vertical ? RECT{b.left, g.thumbStart, b.right, g.thumbEnd} : RECT{g.thumbStart, b.top, g.thumbEnd, b.bottom};
        fill(hdc, thumb, face);
        DrawEdge(hdc, &thumb, EDGE_RAISED, BF_RECT);
    }
}

ScrollPart hitScrollBar(const ScrollBarGeometry& g, POINT pt) {
    if (!PtInRect(&g.bar, pt)) return ScrollPart::None;
    const int a = g.vertical ? pt.y : pt.x;
    if (a < g.trackStart) return ScrollPart::LineBack;
    if (a >= g.trackEnd) return ScrollPart::LineForward;
    if (g.thumbEnd == g.thumbStart) return ScrollPart::None;
    if (a < g.thumbStart) return ScrollPart::PageBack;
    if (a >= g.thumbEnd) return ScrollPart::PageForward;
    return ScrollPart::Thumb;
}

int thumbDragPos(const ScrollBarGeometry& g, const ScrollState& s, int startPos, int delta) {
    const int range = std::max(s.max + 1, 1);
    const int span = range - std::clamp(s.page, 1, range);
    const int travel = (g.trackEnd - g.trackStart) - (g.thumbEnd - g.thumbStart);
    if (span <= 0 || travel <= 0) return 0;
    const long long moved = static_cast<long long>(delta) * span;
    // Round to the nearest position, halves away from the start.
    const int step = static_cast<int>((moved + (moved >= 0 ? travel / 2 : -(travel / 2))) / travel);
    return std::clamp(startPos + step, 0, span);
}

}  // namespace ulmaro::platform::edit
