// Update regions and painting: invalidating parts of a window's client area, WM_PAINT with
// BeginPaint/EndPaint, and the non-client frame that DefWindowProcA draws on WM_NCPAINT.
#include "window_data.h"

namespace ulmaro::platform::detail {

namespace {

RegionData clientArea(const Window& w) { return regionFromRect(0, 0, w.surface.width, w.surface.height); }

void invalidate(HWND hwnd, const RegionData& area, bool erase) {
    Window* w = lookupWindow(hwnd);
    if (!w) return;
    RegionData add = regionCombine(area, clientArea(*w), RGN_AND);
    if (add.empty()) return;
    w->update = regionCombine(w->update, add, RGN_OR);
    w->erase = w->erase || erase;
}

void validate(HWND hwnd, const RegionData* area) {
    Window* w = lookupWindow(hwnd);
    if (!w) return;
    if (!area) {
        w->update = RegionData{};
        w->erase = false;
        return;
    }
    w->update = regionCombine(w->update, *area, RGN_DIFF);
    if (w->update.empty()) w->erase = false;
}

RegionData areaOf(const Window& w, const RECT* r) {
    return r ? regionFromRect(r->left, r->top, r->right, r->bottom) : clientArea(w);
}

// Sends the frame and paint messages a window is waiting for.
void updateNow(HWND hwnd) {
    Window* w = lookupWindow(hwnd);
    if (!w) return;
    if (w->framePending) {
        w->framePending = false;
        SendMessageA(hwnd, WM_NCPAINT, 1, 0);
    }
    w = lookupWindow(hwnd);
    if (w && !w->update.empty()) SendMessageA(hwnd, WM_PAINT, 0, 0);
}

}  // namespace

void paintFrame(HWND hwnd) {
    Window* w = lookupWindow(hwnd);
    if (!w) return;
    w->framePending = false;
    w->framePx.clear();
    if (w->frame() == 0 || w->width() <= 0 || w->height() <= 0) return;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w->width(), w->height());
    HGDIOBJ old = SelectObject(dc, bmp);
    RECT r{0, 0, w->width(), w->height()};
    // A client edge is the sunken two-pixel edge; a plain border one line in the frame colour.
    if (w->exStyle & WS_EX_CLIENTEDGE)
        DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
    else
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    PixelView v = GetBitmapPixels(bmp);
    w = lookupWindow(hwnd);
    if (w && v.px) w->framePx.assign(v.px, v.px + static_cast<std::size_t>(v.width) * static_cast<std::size_t>(v.height));
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

}  // namespace ulmaro::platform::detail

namespace ulmaro::platform {

using namespace detail;

BOOL InvalidateRect(HWND hwnd, const RECT* r, BOOL erase) {
    Window* w = lookupWindow(hwnd);
    if (!w) return FALSE;
    invalidate(hwnd, areaOf(*w, r), erase != FALSE);
    return TRUE;
}

BOOL InvalidateRgn(HWND hwnd, HRGN rgn, BOOL erase) {
    Window* w = lookupWindow(hwnd);
    if (!w) return FALSE;
    if (!rgn) return InvalidateRect(hwnd, nullptr, erase);
    Region* r = lookupRegion(rgn);
    if (!r) return FALSE;
    invalidate(hwnd, r->data, erase != FALSE);
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* r) {
    Window* w = lookupWindow(hwnd);
    if (!w) return FALSE;
    if (!r) {
        validate(hwnd, nullptr);
    } else {
        RegionData area = areaOf(*w, r);
        validate(hwnd, &area);
    }
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT r, BOOL) {
    Window* w = lookupWindow(hwnd);
    if (!w) return FALSE;
    if (r) *r = w->update.empty() ? RECT{0, 0, 0, 0} : w->update.extents;
    return w->update.empty() ? FALSE : TRUE;
}

int GetUpdateRgn(HWND hwnd, HRGN rgn, BOOL) {
    Window* w = lookupWindow(hwnd);
    Region* r = lookupRegion(rgn);
    if (!w || !r) return ERROR;
    r->data = w->update;
    return r->data.complexity();
}

BOOL UpdateWindow(HWND hwnd) {
    if (!IsWindow(hwnd)) return FALSE;
    updateNow(hwnd);
    return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN rgn, UINT flags) {
    Window* w = lookupWindow(hwnd);
    if (!w) return FALSE;
    std::vector<HWND> tree;
    if (flags & RDW_ALLCHILDREN)
        collectTree(hwnd, tree);
    else
        tree.push_back(hwnd);
    for (HWND h : tree) {
        Window* t = lookupWindow(h);
        if (!t) continue;
        // The rectangle or region applies to `hwnd`; its children are taken whole.
        RegionData area = clientArea(*t);
        if (h == hwnd) {
            if (Region* r = rgn ? lookupRegion(rgn) : nullptr)
                area = r->data;
            else if (rect)
                area = areaOf(*t, rect);
        }
        if (flags & RDW_INVALIDATE) invalidate(h, area, (flags & RDW_ERASE) != 0);
        if (flags & RDW_VALIDATE) validate(h, &area);
        if ((flags & RDW_FRAME) && (flags & RDW_INVALIDATE)) t->framePending = true;
    }
    if (flags & RDW_UPDATENOW)
        for (HWND h : tree) updateNow(h);
    return TRUE;
}

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT ps) {
    Window* w = lookupWindow(hwnd);
    if (!w || !ps) return nullptr;
    RegionData area = w->update;
    const bool erase = w->erase;
    validate(hwnd, nullptr);
    HDC dc = GetDC(hwnd);
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    if (Region* r = lookupRegion(clip)) r->data = area;
    SelectClipRgn(dc, clip);
    DeleteObject(clip);
    *ps = PAINTSTRUCT{};
    ps->hdc = dc;
    ps->rcPaint = area.empty() ? RECT{0, 0, 0, 0} : area.extents;
    // fErase tells the window the background still needs erasing: nobody erased it.
    const bool erased = erase && SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) != 0;
    ps->fErase = erase && !erased ? TRUE : FALSE;
    return dc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
    if (!ps) return FALSE;
    ReleaseDC(hwnd, ps->hdc);
    return TRUE;
}

}  // namespace ulmaro::platform
