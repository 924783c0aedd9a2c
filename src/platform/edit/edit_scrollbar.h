// The scroll bars an edit control draws along its right and bottom edges: their parts,
// drawing and hit testing. Positions run from 0 to `max`; `page` units show at once.
#pragma once

#include <ulmaro/platform/win32.h>

namespace ulmaro::platform::edit {

// The width of a vertical bar and the height of a horizontal one, as the desktop's theme
// of the era has them.
constexpr int kScrollBarSize = 17;

struct ScrollState {
    int pos = 0;
    int page = 1;
    int max = 0;  // the largest position a page can start at is max - page + 1
};

enum class ScrollPart { None, LineBack, LineForward, PageBack, PageForward, Thumb };

struct ScrollBarGeometry {
    RECT bar{};
    bool vertical = true;
    // The track between the arrow buttons and the thumb inside it, along the bar's axis.
    int trackStart = 0, trackEnd = 0;
    int thumbStart = 0, thumbEnd = 0;
};

ScrollBarGeometry scrollBarGeometry(const RECT& bar, bool vertical, const ScrollState& s);
void drawScrollBar(HDC hdc, const ScrollBarGeometry& g, bool enabled);
ScrollPart hitScrollBar(const ScrollBarGeometry& g, POINT pt);
// The position a thumb dragged `delta` pixels from where it started at `startPos` reaches.
int thumbDragPos(const ScrollBarGeometry& g, const ScrollState& s, int startPos, int delta);

}  // namespace ulmaro::platform::edit
