// The current position, lines and polylines. While a path is being built these calls add
// to the path instead of drawing.
#include "stroke.h"

namespace ulmaro::platform {

using namespace detail;

namespace {

// Draws the open polyline pts[0..n) with the context's pen. A thin pen draws segment by
// segment, each without its last pixel, as the platform does, its dash pattern running on
// from one segment to the next; a wide pen covers the whole polyline at once so that
// overlapping bands are painted once.
void strokeOpen(Dc& dc, const POINT* pts, int n) {
    DrawState s;
    if (!drawStateOf(dc, s) || !s.hasPen || s.target.visible.empty()) return;
    const RopMask mask = s.penMask();
    if (!s.dashes.solid()) {
        const Target& t = s.target;
        const RopMask gap = s.gapMask();
        dashedPixels(pts, n, false, s.dashes, s.bounds, [&](int x, int y, bool on) {
            if ((on || s.fillsGaps) && t.visibleAt(x, y)) {
                COLORREF& px = t.bmp->row(y)[x];
                px = (on ? mask : gap).apply(px);
            }
        });
        return;
    }
    if (s.penWidth <= 1) {
        const Target& t = s.target;
        for (int i = 0; i + 1 < n; ++i)
            thinLinePixels(pts[i], pts[i + 1], s.bounds, [&](int x, int y) {
                if (t.visibleAt(x, y)) {
                    COLORREF& px = t.bmp->row(y)[x];
                    px = mask.apply(px);
                }
            });
        return;
    }
    std::vector<Span> spans;
    penOutlineSpans(pts, n, false, s.penWidth, s.bounds, spans);
    paintWithRop(s.target, regionFromSpans(std::move(spans)), mask);
}

}  // namespace

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return FALSE;
    if (lppt) *lppt = dc->pos;
    dc->pos = POINT{x, y};
    if (pathOpen(*dc)) recordPathMoveTo(*dc, dc->pos);
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, LPPOINT lppt) {
    Dc* dc = lookupDc(hdc);
    if (!dc || !lppt) return FALSE;
    *lppt = dc->pos;
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return FALSE;
    const POINT to{x, y};
    if (pathOpen(*dc)) {
        recordPathLineTo(*dc, to);
    } else {
        const POINT pts[2] = {dc->pos, to};
        strokeOpen(*dc, pts, 2);
    }
    dc->pos = to;
    return TRUE;
}

// Polyline neither uses nor moves the current position.
BOOL Polyline(HDC hdc, const POINT* apt, int cpt) {
    Dc* dc = lookupDc(hdc);
    if (!dc || !apt || cpt < 2) return FALSE;
    if (pathOpen(*dc)) {
        const POINT keep = dc->pos;
        dc->pos = apt[0];
        recordPathMoveTo(*dc, apt[0]);
        for (int i = 1; i < cpt; ++i) recordPathLineTo(*dc, apt[i]);
        dc->pos = keep;
        return TRUE;
    }
    strokeOpen(*dc, apt, cpt);
    return TRUE;
}

}  // namespace ulmaro::platform
