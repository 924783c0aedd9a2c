// The window tree: creation and destruction, geometry, z-order, visibility, enabled state,
// window regions and hit testing. Every window keeps a persistent 32-bit drawing surface
// the size of its client area, which its device contexts draw on. A window with a border
// or a client edge has a frame around its client area; window coordinates include the
// frame, client coordinates start inside it.
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

bool sizeOk(int w, int h) { return w >= 0 && h >= 0 && static_cast<std::int64_t>(w) * h <= kMaxWindowPixels; }

// Resizes the client surface to the window less its frame; true when the client size changed.
bool resizeSurface(Window& w) {
    int nw = std::max(0, w.width() - 2 * w.frame());
    int nh = std::max(0, w.height() - 2 * w.frame());
    Bitmap& s = w.surface;
    if (nw == s.width && nh == s.height) return false;
    // Keep what overlaps; new parts start black until the window paints them.
    std::vector<COLORREF> px(static_cast<std::size_t>(nw) * static_cast<std::size_t>(nh), 0);
    for (int y = 0; y < std::min(nh, s.height); ++y)
        std::copy_n(s.row(y), std::min(nw, s.width), px.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(nw));
    s.px = std::move(px);
    s.width = nw;
    s.height = nh;
    return true;
}

std::vector<HWND>& topLevel() {
    static std::vector<HWND> v;
    return v;
}

std::vector<HWND>& siblingsOf(const Window& w) {
    Window* p = lookupWindow(w.parent);
    return p ? p->children : topLevel();
}

// Whether a point in window coordinates lies in the window's rectangle and region.
bool inShape(const Window& w, POINT pt) {
    if (pt.x < 0 || pt.y < 0 || pt.x >= w.width() || pt.y >= w.height()) return false;
    return !w.region || w.region->contains(pt.x, pt.y);
}

// The deepest window under `windowPt` (window coordinates of `hwnd`): its frame, then its
// children from the top, then its own client area where it is not see-through. A disabled
// window is never found: the point belongs to the enabled window around the outermost
// disabled one.
HWND deepestAt(HWND hwnd, POINT windowPt) {
    Window* w = lookupWindow(hwnd);
    const int f = w->frame();
    POINT client{windowPt.x - f, windowPt.y - f};
    if (client.x < 0 || client.y < 0 || client.x >= w->surface.width || client.y >= w->surface.height) return hwnd;
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it) {
        Window* c = lookupWindow(*it);
        if (!c || !c->visible) continue;
        POINT local{client.x - c->rect.left, client.y - c->rect.top};
        if (!inShape(*c, local)) continue;
        if (HWND hit = deepestAt(*it, local)) return c->enabled ? hit : hwnd;
    }
    if (w->opaque && !w->opaque->contains(client.x, client.y)) return nullptr;
    return hwnd;
}

std::uint64_t nextSerial() {
    static std::uint64_t n = 0;
    return ++n;
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

void collectTree(HWND top, std::vector<HWND>& out) {
    Window* w = lookupWindow(top);
    if (!w) return;
    out.push_back(top);
    for (HWND c : w->children) collectTree(c, out);
}

const std::vector<HWND>& topLevelWindows() { return topLevel(); }

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

}  // namespace ulmaro::platform::detail

namespace ulmaro::platform {

using namespace detail;

std::size_t LiveWindowCount() { return windows().live(); }
HandleCounts WindowCounts() { return HandleCounts{windows().counted(), windows().peak()}; }
std::size_t LiveGdiObjectCount() { return liveObjectCount(); }

HWND CreateWindowExA(DWORD exStyle, LPCSTR cls, LPCSTR name, DWORD style, int X, int Y, int w, int h, HWND parent,
                     HMENU menu, HINSTANCE instance, LPVOID param) {
    if (parent && !lookupWindow(parent)) return nullptr;
    if (!sizeOk(w, h)) return nullptr;
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
    win->serial = nextSerial();
    // A child window's menu argument is its identifier.
    if (style & WS_CHILD) win->id = static_cast<LONG_PTR>(reinterpret_cast<std::uintptr_t>(menu));
    // Windows of a class nobody registered answer with DefWindowProcA: plain drawing
    // surfaces need no class of their own.
    applyClass(*win);
    resizeSurface(*win);
    win->update = regionFromRect(0, 0, win->surface.width, win->surface.height);
    win->erase = true;
    HWND hwnd = toHwnd(windows().add(std::move(win)));
    if (!hwnd) return nullptr;
    Window* made = lookupWindow(hwnd);
    siblingsOf(*made).push_back(hwnd);
    CREATESTRUCTA cs{param, instance, menu, parent, h, w, Y, X, static_cast<LONG>(style), name, cls, exStyle};
    const LPARAM lp = reinterpret_cast<LPARAM>(&cs);
    if (!SendMessageA(hwnd, WM_NCCREATE, 0, lp) || SendMessageA(hwnd, WM_CREATE, 0, lp) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    return IsWindow(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
    Window* w = lookupWindow(hwnd);
    if (!w) return FALSE;
    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    w = lookupWindow(hwnd);
    if (!w) return TRUE;
    std::vector<HWND> kids = w->children;
    for (HWND c : kids) DestroyWindow(c);
    SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
    w = lookupWindow(hwnd);
    if (!w) return TRUE;
    std::erase(siblingsOf(*w), hwnd);
    forgetWindowInput(hwnd);
    forgetWindowTimers(hwnd);
    forgetWindowMessages(hwnd);
    releaseHostProcs(hwnd);
    windows().remove(value(hwnd));
    return TRUE;
}

BOOL IsWindow(HWND hwnd) { return lookupWindow(hwnd) != nullptr; }

HWND GetParent(HWND hwnd) {
    Window* w = lookupWindow(hwnd);
    return w ? w->parent : nullptr;
}

BOOL IsChild(HWND parent, HWND hwnd) {
    if (!lookupWindow(parent)) return FALSE;
    for (HWND p = GetParent(hwnd); p; p = GetParent(p))
        if (p == parent) return TRUE;
    return FALSE;
}

HWND SetParent(HWND child, HWND newParent) {
    Window* c = lookupWindow(child);
    if (!c || (newParent && !lookupWindow(newParent))) return nullptr;
    for (HWND p = newParent; p; p = GetParent(p))
        if (p == child) return nullptr;  // no cycles
    HWND old = c->parent;
    std::erase(siblingsOf(*c), child);
    c->parent = newParent;
    siblingsOf(*c).push_back(child);
    return old;
}

HWND GetWindow(HWND hwnd, UINT cmd) {
    Window* w = lookupWindow(hwnd);
    if (!w) return nullptr;
    if (cmd == GW_CHILD) return w->children.empty() ? nullptr : w->children.back();
    if (cmd == GW_OWNER) return nullptr;
    // Sibling order runs from the top of the z-order down.
    const std::vector<HWND>& sib = siblingsOf(*w);
    auto it = std::find(sib.begin(), sib.end(), hwnd);
    switch (cmd) {
        case GW_HWNDFIRST: return sib.back();
        case GW_HWNDLAST: return sib.front();
        case GW_HWNDNEXT: return it == sib.begin() ? nullptr : *(it - 1);
        case GW_HWNDPREV: return it + 1 == sib.end() ? nullptr : *(it + 1);
        default: return nullptr;
    }
}

// Moves, sizes, restacks, shows or hides a window. A change of size sends WM_SIZE.
BOOL SetWindowPos(HWND hwnd, HWND after, int X, int Y, int cx, int cy, UINT flags) {
    Window* win = lookupWindow(hwnd);
    if (!win) return FALSE;
    if (!(flags & SWP_NOSIZE) && !sizeOk(cx, cy)) return FALSE;
    if (!(flags & SWP_NOZORDER)) {
        std::vector<HWND>& sib = siblingsOf(*win);
        std::erase(sib, hwnd);
        if (after == HWND_TOP) {
            sib.push_back(hwnd);
        } else if (after == HWND_BOTTOM) {
            sib.insert(sib.begin(), hwnd);
        } else {
            // Just below `after`.
            auto at = std::find(sib.begin(), sib.end(), after);
            sib.insert(at == sib.end() ? sib.end() : at, hwnd);
        }
    }
    RECT r = win->rect;
    if (!(flags & SWP_NOMOVE)) OffsetRect(&r, X - r.left, Y - r.top);
    if (!(flags & SWP_NOSIZE)) {
        r.right = r.left + cx;
        r.bottom = r.top + cy;
    }
    const bool sized = r.right - r.left != win->width() || r.bottom - r.top != win->height();
    win->rect = r;
    if (sized || (flags & SWP_FRAMECHANGED)) win->framePending = true;
    bool clientSized = resizeSurface(*win);
    if (clientSized) InvalidateRect(hwnd, nullptr, TRUE);
    if (flags & SWP_SHOWWINDOW) ShowWindow(hwnd, SW_SHOWNA);
    if (flags & SWP_HIDEWINDOW) ShowWindow(hwnd, SW_HIDE);
    if (clientSized || sized) {
        RECT c{};
        GetClientRect(hwnd, &c);
        SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(c.right, c.bottom));
    }
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int X, int Y, int w, int h, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, X, Y, w, h, SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
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

LONG GetWindowLongA(HWND hwnd, int index) { return static_cast<LONG>(GetWindowLongPtrA(hwnd, index)); }

LONG SetWindowLongA(HWND hwnd, int index, LONG value) { return static_cast<LONG>(SetWindowLongPtrA(hwnd, index, value)); }

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) {
    Window* w = lookupWindow(hwnd);
    if (!w) return 0;
    switch (index) {
        case GWL_STYLE: return static_cast<LONG>(w->style);
        case GWL_EXSTYLE: return static_cast<LONG>(w->exStyle);
        case GWLP_USERDATA: return w->userData;
        case GWLP_ID: return w->id;
        case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w->parent);
        case GWLP_WNDPROC:
            if (w->proc.fn) return reinterpret_cast<LONG_PTR>(w->proc.fn);
            return static_cast<LONG_PTR>(0x7FFF0000u | w->proc.hostProc);
        default: return 0;
    }
}

// Changing the border style changes the frame, and so the client area. The new procedure
// of GWLP_WNDPROC may be a value GetWindowLongPtrA gave for a host procedure.
LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
    Window* w = lookupWindow(hwnd);
    if (!w) return 0;
    LONG_PTR old = GetWindowLongPtrA(hwnd, index);
    switch (index) {
        case GWL_STYLE:
        case GWL_EXSTYLE: {
            DWORD& field = index == GWL_STYLE ? w->style : w->exStyle;
            field = static_cast<DWORD>(value);
            if (index == GWL_STYLE) {
                w->visible = (field & WS_VISIBLE) != 0;
                w->enabled = (field & WS_DISABLED) == 0;
            }
            w->framePending = true;
            if (resizeSurface(*w)) InvalidateRect(hwnd, nullptr, TRUE);
            return old;
        }
        case GWLP_USERDATA: w->userData = value; return old;
        case GWLP_ID: w->id = value; return old;
        case GWLP_WNDPROC: {
            auto v = static_cast<std::uintptr_t>(value);
            if ((v & 0xFFFF0000u) == 0x7FFF0000u)
                w->proc = Procedure{nullptr, static_cast<std::uint32_t>(v & 0xFFFFu)};
            else
                w->proc = Procedure{reinterpret_cast<WNDPROC>(value), 0};
            return old;
        }
        default: return 0;
    }
}

int GetClassNameA(HWND hwnd, LPSTR s, int n) {
    Window* w = lookupWindow(hwnd);
    if (!w || !s || n <= 0) return 0;
    int len = std::min<int>(n - 1, static_cast<int>(w->className.size()));
    std::memcpy(s, w->className.data(), static_cast<std::size_t>(len));
    s[len] = '\0';
    return len;
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
        if (!inShape(*w, local)) continue;
        if (HWND hit = deepestAt(*it, local)) return hit;
    }
    return nullptr;
}

HWND WindowFromPointIn(HWND top, POINT clientPt) {
    Window* w = lookupWindow(top);
    if (!w) return nullptr;
    POINT windowPt{clientPt.x + w->frame(), clientPt.y + w->frame()};
    if (!inShape(*w, windowPt)) return nullptr;
    return deepestAt(top, windowPt);
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

void SetWindowOpaqueRgn(HWND hwnd, HRGN hrgn) {
    Window* w = lookupWindow(hwnd);
    if (!w) return;
    if (!hrgn) {
        w->opaque.reset();
        return;
    }
    if (Region* r = lookupRegion(hrgn)) w->opaque = r->data;
    DeleteObject(hrgn);
}

void ClearWindowOverlays(HWND hwnd) {
    if (Window* w = lookupWindow(hwnd)) w->overlays.clear();
}

void AddWindowOverlay(HWND hwnd, HRGN clientRgn, COLORREF color) {
    Window* w = lookupWindow(hwnd);
    Region* r = lookupRegion(clientRgn);
    if (w && r) w->overlays.push_back(Overlay{r->data, color});
    DeleteObject(clientRgn);
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
    if (was != (w->visible ? TRUE : FALSE)) SendMessageA(hwnd, WM_SHOWWINDOW, w->visible ? TRUE : FALSE, 0);
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
    if (wasDisabled == (w->enabled ? TRUE : FALSE)) SendMessageA(hwnd, WM_ENABLE, w->enabled ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    Window* w = lookupWindow(hwnd);
    return w && w->enabled;
}

// The text goes through the window's procedure, so a control that keeps its own text
// (an edit control) answers for it.
int GetWindowTextA(HWND hwnd, LPSTR s, int n) {
    if (!lookupWindow(hwnd) || !s || n <= 0) return 0;
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(s)));
}

int GetWindowTextLengthA(HWND hwnd) {
    if (!lookupWindow(hwnd)) return 0;
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR s) {
    if (!lookupWindow(hwnd)) return FALSE;
    return SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(s)) ? TRUE : FALSE;
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
