// Rectangles, ellipses, rounded rectangles and polygons: the brush fills the inside, the pen
// draws the outline. The outline runs through the corner pixels (right and bottom edges
// excluded), a wide pen centred on it. Without a pen the platform fills a figure one pixel
// narrower and shorter; so do we.
#include "ellipse_outline.h"
#include "polygon_scan.h"
#include "stroke.h"

#include <cstdlib>

namespace ulmaro::platform {

using namespace detail;

namespace {

RECT ordered(int left, int top, int right, int bottom) {
    return RECT{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

// Inside a path a figure adds its outline as a closed figure instead of drawing.
void recordFigure(Dc& dc, const std::vector<POINT>& pts) {
    if (pts.empty()) return;
    const POINT keep = dc.pos;
    recordPathMoveTo(dc, pts[0]);
    for (std::size_t i = 1; i < pts.size(); ++i) recordPathLineTo(dc, pts[i]);
    recordPathCloseFigure(dc);
    dc.pos = keep;
}

std::vector<POINT> cornersOf(const RECT& r) {
    return {{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}};
}

// The pixels of [left, right) x [top, bottom); none when that is empty.
RegionData rectPixels(int left, int top, int right, int bottom) {
    return left < right && top < bottom ? regionFromRect(left, top, right, bottom) : RegionData{};
}

void drawRectangle(const DrawState& s, const RECT& r) {
    if (!s.hasPen) {
        drawShape(s, {}, rectPixels(r.left, r.top, r.right - 1, r.bottom - 1));
        return;
    }
    // Drawn from the top right corner counter-clockwise: where a dashed pen's pattern starts.
    const std::vector<POINT> outline{{r.right - 1, r.top}, {r.left, r.top}, {r.left, r.bottom - 1}, {r.right - 1, r.bottom - 1}};
    drawShape(s, outline, rectPixels(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1));
}

// Ellipse and RoundRect: corner ellipses of cornerWidth x cornerHeight pixels (the whole box
// for an ellipse).
BOOL drawRounded(HDC hdc, RECT r, std::int64_t cornerWidth, std::int64_t cornerHeight) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return FALSE;
    if (r.left == r.right || r.top == r.bottom) return TRUE;
    cornerWidth = std::min<std::int64_t>(std::int64_t{r.right} - r.left, cornerWidth);
    cornerHeight = std::min<std::int64_t>(std::int64_t{r.bottom} - r.top, cornerHeight);
    if (cornerWidth > kLargestCorner || cornerHeight > kLargestCorner) return FALSE;
    int cw = static_cast<int>(cornerWidth), ch = static_cast<int>(cornerHeight);
    if (pathOpen(*dc)) {
        recordFigure(*dc, roundRectOutline(r, std::max(1, cw), std::max(1, ch)));
        return TRUE;
    }
    DrawState s;
    if (!drawStateOf(*dc, s)) return FALSE;
    RECT box = r;
    if (!s.hasPen) {
        --box.right;
        --box.bottom;
    }
    cw = static_cast<int>(std::min<std::int64_t>(std::int64_t{box.right} - box.left, cw));
    ch = static_cast<int>(std::min<std::int64_t>(std::int64_t{box.bottom} - box.top, ch));
    // Corners this small round nothing off: the platform draws a rectangle.
    if (cw <= 2 || ch <= 2) {
        drawRectangle(s, r);
        return TRUE;
    }
    std::vector<POINT> outline;
    if (s.hasPen) {
        // The platform draws the outline counter-clockwise from the right end of the upper
        // half's lowest row: where a dashed pen's pattern starts.
        outline = roundRectOutline(box, cw, ch);
        std::reverse(outline.begin(), outline.end());
    }
    drawShape(s, outline, s.hasBrush ? roundRectRegion(box, cw, ch) : RegionData{});
    return TRUE;
}

}  // namespace

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return FALSE;
    const RECT r = ordered(left, top, right, bottom);
    if (r.left == r.right || r.top == r.bottom) return TRUE;
    if (pathOpen(*dc)) {
        recordFigure(*dc, cornersOf(r));
        return TRUE;
    }
    DrawState s;
    if (!drawStateOf(*dc, s)) return FALSE;
    drawRectangle(s, r);
    return TRUE;
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    const RECT r = ordered(left, top, right, bottom);
    return drawRounded(hdc, r, std::int64_t{r.right} - r.left, std::int64_t{r.bottom} - r.top);
}

BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
    return drawRounded(hdc, ordered(left, top, right, bottom), std::llabs(width), std::llabs(height));
}

BOOL Polygon(HDC hdc, const POINT* apt, int cpt) {
    Dc* dc = lookupDc(hdc);
    if (!dc || !apt || cpt < 2) return FALSE;
    std::vector<POINT> pts(apt, apt + cpt);
    if (pathOpen(*dc)) {
        recordFigure(*dc, pts);
        return TRUE;
    }
    DrawState s;
    if (!drawStateOf(*dc, s)) return FALSE;
    std::vector<Span> inside;
    if (s.hasBrush) scanPolygon(apt, cpt, dc->polyFillMode, s.bounds, inside);
    drawShape(s, s.hasPen ? pts : std::vector<POINT>{}, regionFromSpans(std::move(inside)));
    return TRUE;
}

}  // namespace ulmaro::platform
