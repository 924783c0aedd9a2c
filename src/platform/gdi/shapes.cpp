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

void rectSpans(const RECT& r, const RECT& bounds, std::vector<Span>& out) {
    const int x0 = std::max(r.left, bounds.left), x1 = std::min(r.right, bounds.right);
    if (x0 >= x1) return;
    for (int y = std::max(r.top, bounds.top); y < std::min(r.bottom, bounds.bottom); ++y) out.push_back(Span{y, x0, x1});
}

void drawRectangle(const DrawState& s, const RECT& r) {
    std::vector<Span> inside;
    if (!s.hasPen) {
        rectSpans(RECT{r.left, r.top, r.right - 1, r.bottom - 1}, s.bounds, inside);
        drawShape(s, {}, std::move(inside));
        return;
    }
    rectSpans(RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, s.bounds, inside);
    drawShape(s, cornersOf(r), std::move(inside));
}

// The outline of a corner ellipse takes memory in proportion to its size, and its error
// terms grow with the cube of it; like an allocation the platform cannot make, larger
// ones fail.
constexpr std::int64_t kLargestCorner = std::int64_t{1} << 18;

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
    const std::vector<POINT> outline = roundRectOutline(box, cw, ch);
    std::vector<Span> inside;
    if (s.hasBrush) outlineInteriorSpans(outline, box, s.bounds, inside);
    drawShape(s, s.hasPen ? outline : std::vector<POINT>{}, std::move(inside));
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
    drawShape(s, s.hasPen ? pts : std::vector<POINT>{}, std::move(inside));
    return TRUE;
}

}  // namespace ulmaro::platform
