// The window tree: creation, geometry, visibility, window regions and hit testing.
// Every window keeps a persistent 32-bit drawing surface the size of its client area,
// which its device contexts draw on. A window with a border or a client edge has a frame
// around its client area; window coordinates include the frame, client coordinates start
// inside it.
#include "window_data.h"

#include "../common/handle_table.h"

#include <algorithm>
#include <cstring>

namespace ulmaro::platform::detail {

namespace {

HandleTable<Window>& windows() {
    static HandleTable<Window> t;
    return t;
}

std::uint32_t value(HWND h) { return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(h)); }
HWND toHwnd(std::uint32_t v) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(v)); }

void resizeSurface(Window& w) {
    int nw = std::max<LONG>(0, w.rect.right - w.rect.left - 2 * w.frame());
    int nh = std::max<LONG>(0, w.rect.bottom - w.rect.top - 2 * w.frame());
    Bitmap& s = w.surface;
    if (nw == s.width && nh == s.height) return;
    // Keep what overlaps; new parts start black until the window paints them.
    std::vector<COLORREF> px(static_cast<std::size_t>(nw) * static_cast<std::size_t>(nh), 0);
    for (int y = 0; y < std::min(nh, s.height); ++y)
        std::copy_n(s.row(y), std::min(nw, s.width), px.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(nw));
    s.px = std::move(px);
    s.width = nw;
    s.height = nh;
}

// `pt` in window coordinates; the window region is in window coordinates too.
bool hitsWindow(const Window& w, POINT pt) {
    RECT c{0, 0, w.rect.right - w.rect.left, w.rect.bottom - w.rect.top};
    if (!PtInRect(&c, pt)) return false;
    return !w.region || w.region->contains(pt.x, pt.y);
}

HWND childFromPoint(HWND hwnd, POINT windowPt) {
    Window* w = lookupWindow(hwnd);
    POINT clientPt{windowPt.x - w->frame(), windowPt.y - w->frame()};
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it) {
        Window* c = lookupWindow(*it);
        if (!c || !c->visible) continue;
        POINT local{clientPt.x - c->rect.left, clientPt.y - c->rect.top};
        if (hitsWindow(*c, local)) return childFromPoint(*it, local);
    }
    return hwnd;
}

std::vector<HWND>& topLevel() {
    static std::vector<HWND> v;
    return v;
}

}  // namespace

Window* lookupWindow(HWND hwnd) { return windows().get(value(hwnd)); }

POINT clientOrigin(HWND hwnd) {
    POINT p{0, 0};
    for (Window* w = lookupWindow(hwnd); w; w = lookupWindow(w->parent)) {
        p.x += w->rect.left + w->frame();
        p.y += w->rect.top + w->frame();
    }
    return p;
}

Bitmap* windowSurface(HWND hwnd) {
    Window* w = lookupWindow(hwnd);
    return w ? &w->surface : nullptr;
}

std::optional<RegionData> windowRegionOf(HWND hwnd) {
    Window* w = lookupWindow(hwnd);
    if (!w || !w->region) return std::nullopt;
    RegionData client = *w->region;
    regionOffset(client, -w->frame(), -w->frame());
    return client;
}

void forgetWindowInput(HWND hwnd);

}  // namespace ulmaro::platform::detail

namespace ulmaro::platform {

using namespace detail;

std::size_t LiveWindowCount() { return windows().live(); }
HandleCounts WindowCounts() { return HandleCounts{windows().counted(), windows().peak()}; }
std::size_t LiveGdiObjectCount() { return liveObjectCount(); }

HWND CreateWindowExA(DWORD exStyle, LPCSTR cls, LPCSTR name, DWORD style, int X, int Y, int w, int h, HWND parent,
                     HMENU, HINSTANCE, LPVOID) {
    if (parent && !lookupWindow(parent)) return nullptr;
    if (w < 0 || h < 0 || static_cast<std::int64_t>(w) * h > (std::int64_t{1} << 26)) return nullptr;
    auto win = std::make_unique<Window>();
    win->className = cls ? cls : "";
    win->text = name ? name : "";
    win->style = style;
    win->exStyle = exStyle;
    win->parent = parent;
    win->rect = RECT{X, Y, X + w, Y + h};
    win->visible = (style & WS_VISIBLE) != 0;
    win->enabled = (style & WS_DISABLED) == 0;
    win->surface.bitsPixel = 32;
    resizeSurface(*win);
    HWND hwnd = toHwnd(windows().add(std::move(win)));
    if (!hwnd) return nullptr;
    if (parent)
        lookupWindow(parent)->children.push_back(hwnd);
    else
        topLevel().push_back(hwnd);
    return hwnd;
}

BOOL DestroyWindow(HWND hwnd) {
    Window* w = lookupWindow(hwnd);
    if (!w) return FALSE;
    std::vector<HWND> kids = w->children;
    for (HWND c : kids) DestroyWindow(c);
    w = lookupWindow(hwnd);
    if (Window* p = lookupWindow(w->parent))
        std::erase(p->children, hwnd);
    else
        std::erase(topLevel(), hwnd);
    forgetWindowInput(hwnd);
    windows().remove(value(hwnd));
    return TRUE;
}

BOOL IsWindow(HWND hwnd) { return lookupWindow(hwnd) != nullptr; }

HWND GetParent(HWND hwnd) {
    Window* w = lookupWindow(hwnd);
    return w ? w->parent : nullptr;
}

HWND SetParent(HWND child, HWND newParent) {
    Window* c = lookupWindow(child);
    if (!c || (newParent && !lookupWindow(newParent))) return nullptr;
    for (HWND p = newParent; p; p = GetParent(p))
        if (p == child) return nullptr;  // no cycles
    HWND old = c->parent;
    if (Window* op = lookupWindow(old))
        std::erase(op->children, child);
    else
        std::erase(topLevel(), child);
    c->parent = newParent;
    if (Window* np = lookupWindow(newParent))
        np->children.push_back(child);
    else
        topLevel().push_back(child);
    return old ? old : reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0));
}

BOOL MoveWindow(HWND hwnd, int X, int Y, int w, int h, BOOL) {
    Window* win = lookupWindow(hwnd);
    if (!win || w < 0 || h < 0 || static_cast<std::int64_t>(w) * h > (std::int64_t{1} << 26)) return FALSE;
    win->rect = RECT{X, Y, X + w, Y + h};
    resizeSurface(*win);
    return TRUE;
}

BOOL GetWindowRect(HWND hwnd, LPRECT r) {
    Window* w = lookupWindow(hwnd);
    if (!w || !r) return FALSE;
    POINT o = w->parent ? clientOrigin(w->parent) : POINT{0, 0};
    *r = RECT{o.x + w->rect.left, o.y + w->rect.top, o.x + w->rect.right, o.y + w->rect.bottom};
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT r) {
    Window* w = lookupWindow(hwnd);
    if (!w || !r) return FALSE;
    *r = RECT{0, 0, w->surface.width, w->surface.height};
    return TRUE;
}

LONG GetWindowLongA(HWND hwnd, int index) {
    Window* w = lookupWindow(hwnd);
    if (!w) return 0;
    if (index == GWL_STYLE) return static_cast<LONG>(w->style);
    if (index == GWL_EXSTYLE) return static_cast<LONG>(w->exStyle);
    return 0;
}

// Changing the border style changes the frame, and so the client area.
LONG SetWindowLongA(HWND hwnd, int index, LONG value) {
    Window* w = lookupWindow(hwnd);
    if (!w || (index != GWL_STYLE && index != GWL_EXSTYLE)) return 0;
    DWORD& field = index == GWL_STYLE ? w->style : w->exStyle;
    LONG old = static_cast<LONG>(field);
    field = static_cast<DWORD>(value);
    if (index == GWL_STYLE) {
        w->visible = (field & WS_VISIBLE) != 0;
        w->enabled = (field & WS_DISABLED) == 0;
    }
    resizeSurface(*w);
    return old;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT p) {
    if (!lookupWindow(hwnd) || !p) return FALSE;
    POINT o = clientOrigin(hwnd);
    p->x -= o.x;
    p->y -= o.y;
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT p) {
    if (!lookupWindow(hwnd) || !p) return FALSE;
    POINT o = clientOrigin(hwnd);
    p->x += o.x;
    p->y += o.y;
    return TRUE;
}

HWND WindowFromPoint(POINT pt) {
    auto& tops = topLevel();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        Window* w = lookupWindow(*it);
        if (!w || !w->visible) continue;
        POINT local{pt.x - w->rect.left, pt.y - w->rect.top};
        if (hitsWindow(*w, local)) return childFromPoint(*it, local);
    }
    return nullptr;
}

int SetWindowRgn(HWND hwnd, HRGN hrgn, BOOL) {
    Window* w = lookupWindow(hwnd);
    if (!w) return 0;
    if (!hrgn) {
        w->region.reset();
        return 1;
    }
    Region* r = lookupRegion(hrgn);
    if (!r) return 0;
    // The window owns the region from now on: the platform deletes it for the caller.
    w->region = r->data;
    DeleteObject(hrgn);
    return 1;
}

int GetWindowRgn(HWND hwnd, HRGN hrgn) {
    Window* w = lookupWindow(hwnd);
    Region* r = lookupRegion(hrgn);
    if (!w || !r || !w->region) return ERROR;
    r->data = *w->region;
    return r->data.complexity();
}

BOOL ShowWindow(HWND hwnd, int cmd) {
    Window* w = lookupWindow(hwnd);
    if (!w) return FALSE;
    BOOL was = w->visible;
    w->visible = cmd != SW_HIDE;
    w->style = w->visible ? (w->style | WS_VISIBLE) : (w->style & ~WS_VISIBLE);
    return was;
}

BOOL IsWindowVisible(HWND hwnd) {
    for (Window* w = lookupWindow(hwnd); w; w = lookupWindow(w->parent))
        if (!w->visible) return FALSE;
    return lookupWindow(hwnd) != nullptr;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    Window* w = lookupWindow(hwnd);
    if (!w) return FALSE;
    BOOL wasDisabled = !w->enabled;
    w->enabled = enable != FALSE;
    w->style = w->enabled ? (w->style & ~WS_DISABLED) : (w->style | WS_DISABLED);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    Window* w = lookupWindow(hwnd);
    return w && w->enabled;
}

BOOL InvalidateRect(HWND hwnd, const RECT*, BOOL) { return lookupWindow(hwnd) ? TRUE : FALSE; }

int GetWindowTextA(HWND hwnd, LPSTR s, int n) {
    Window* w = lookupWindow(hwnd);
    if (!w || !s || n <= 0) return 0;
    int len = std::min<int>(n - 1, static_cast<int>(w->text.size()));
    std::memcpy(s, w->text.data(), static_cast<std::size_t>(len));
    s[len] = '\0';
    return len;
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR s) {
    Window* w = lookupWindow(hwnd);
    if (!w) return FALSE;
    w->text = s ? s : "";
    return TRUE;
}

void SetWindowProc(HWND hwnd, WindowProc proc) {
    if (Window* w = lookupWindow(hwnd)) w->proc = std::move(proc);
}

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* w = lookupWindow(hwnd);
    if (!w || !w->proc) return 0;
    WindowProc proc = w->proc;  // the procedure may destroy the window
    return proc(hwnd, msg, wp, lp);
}

PixelView GetWindowSurface(HWND hwnd) {
    Window* w = lookupWindow(hwnd);
    if (!w) return {};
    return PixelView{w->surface.px.data(), w->surface.width, w->surface.height, false};
}

PixelView GetBitmapPixels(HBITMAP h) {
    Bitmap* b = lookupBitmap(h);
    if (!b) return {};
    return PixelView{b->px.data(), b->width, b->height, b->mono()};
}

PixelView GetDcPixels(HDC hdc) {
    Dc* dc = lookupDc(hdc);
    Bitmap* b = dc ? bitmapOf(*dc) : nullptr;
    if (!b) return {};
    return PixelView{b->px.data(), b->width, b->height, b->mono()};
}

}  // namespace ulmaro::platform
