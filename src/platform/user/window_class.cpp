// Window classes and window procedures: registration, the default procedure, calling a
// window's procedure directly (SendMessageA) and through a saved value (CallWindowProcA),
// which is how a subclassing procedure passes messages on.
#include "window_data.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace ulmaro::platform::detail {

namespace {

struct ClassRecord {
    WNDCLASSA wc{};
    std::string name;
    std::string menuName;
};

// Class names compare without regard to case, as the platform's do.
struct NoCase {
    bool operator()(const std::string& a, const std::string& b) const {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
        });
    }
};

std::map<std::string, ClassRecord, NoCase>& classes() {
    static std::map<std::string, ClassRecord, NoCase> m;
    return m;
}

ATOM nextAtom() {
    static ATOM a = 0xC000;
    return a == 0xFFFF ? a : a++;
}

// Host procedures belong to the window they were installed on and live as long as it does:
// a value GetWindowLongPtrA handed out for one stays callable after the window replaces it.
struct HostProc {
    WindowProc fn;
    HWND owner = nullptr;
};
std::vector<HostProc>& hostProcs() {
    static std::vector<HostProc> v;
    return v;
}

// A system colour index plus one stands for that colour's brush, as in a class's background.
HBRUSH classBrush(HBRUSH b) {
    auto v = reinterpret_cast<std::uintptr_t>(b);
    if (v >= 1 && v <= 31) return GetSysColorBrush(static_cast<int>(v) - 1);
    return b;
}

LRESULT hitTest(HWND hwnd, LPARAM lp) {
    RECT window{};
    GetWindowRect(hwnd, &window);
    POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    Window* w = lookupWindow(hwnd);
    POINT local{pt.x - window.left, pt.y - window.top};
    if (!PtInRect(&window, pt) || (w->region && !w->region->contains(local.x, local.y))) return HTNOWHERE;
    POINT client = pt;
    ScreenToClient(hwnd, &client);
    RECT c{};
    GetClientRect(hwnd, &c);
    return PtInRect(&c, client) ? HTCLIENT : HTBORDER;
}

}  // namespace

void applyClass(Window& w) {
    registerSystemClasses();
    auto it = classes().find(w.className);
    if (it == classes().end()) return;
    const WNDCLASSA& wc = it->second.wc;
    w.proc = Procedure{wc.lpfnWndProc, 0};
    w.classStyle = wc.style;
    w.background = wc.hbrBackground;
    w.cursor = wc.hCursor;
}

LRESULT callProcedure(const Procedure& p, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (p.fn) return p.fn(hwnd, msg, wp, lp);
    if (p.hostProc) {
        // A copy: the procedure may replace itself or destroy its window.
        WindowProc proc = hostProcs()[p.hostProc - 1].fn;
        if (proc) return proc(hwnd, msg, wp, lp);
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void releaseHostProcs(HWND hwnd) {
    for (HostProc& p : hostProcs())
        if (p.owner == hwnd) p = HostProc{};
}

}  // namespace ulmaro::platform::detail

namespace ulmaro::platform {

using namespace detail;

ATOM RegisterClassA(const WNDCLASSA* wc) {
    if (!wc || !wc->lpszClassName || !*wc->lpszClassName || !wc->lpfnWndProc) return 0;
    if (classes().count(wc->lpszClassName)) return 0;  // already registered
    ClassRecord r;
    r.wc = *wc;
    r.name = wc->lpszClassName;
    if (wc->lpszMenuName) r.menuName = wc->lpszMenuName;
    r.wc.lpszClassName = nullptr;
    r.wc.lpszMenuName = nullptr;
    auto [it, ok] = classes().emplace(r.name, std::move(r));
    it->second.wc.lpszClassName = it->second.name.c_str();
    it->second.wc.lpszMenuName = it->second.menuName.empty() ? nullptr : it->second.menuName.c_str();
    return nextAtom();
}

BOOL UnregisterClassA(LPCSTR name, HINSTANCE) {
    if (!name) return FALSE;
    return classes().erase(name) ? TRUE : FALSE;
}

BOOL GetClassInfoA(HINSTANCE, LPCSTR name, WNDCLASSA* out) {
    if (!name || !out) return FALSE;
    auto it = classes().find(name);
    if (it == classes().end()) return FALSE;
    *out = it->second.wc;
    return TRUE;
}

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* w = lookupWindow(hwnd);
    if (!w) return 0;
    switch (msg) {
        case WM_NCCREATE: return TRUE;
        case WM_NCHITTEST: return hitTest(hwnd, lp);
        case WM_NCPAINT: paintFrame(hwnd); return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            BeginPaint(hwnd, &ps);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND: {
            HBRUSH b = classBrush(w->background);
            if (!b) return 0;
            RECT c{};
            GetClientRect(hwnd, &c);
            FillRect(reinterpret_cast<HDC>(wp), &c, b);
            return 1;
        }
        case WM_SETCURSOR: {
            // The parent has the first say; in the client area the class cursor shows.
            if (w->parent && SendMessageA(w->parent, WM_SETCURSOR, wp, lp)) return TRUE;
            if (LOWORD(static_cast<std::uintptr_t>(lp)) == HTCLIENT && w->cursor) {
                SetCursor(w->cursor);
                return TRUE;
            }
            return FALSE;
        }
        case WM_SETTEXT:
            w->text = lp ? reinterpret_cast<LPCSTR>(lp) : "";
            return TRUE;
        case WM_GETTEXT: {
            auto* s = reinterpret_cast<LPSTR>(lp);
            int n = static_cast<int>(wp);
            if (!s || n <= 0) return 0;
            int len = std::min<int>(n - 1, static_cast<int>(w->text.size()));
            std::memcpy(s, w->text.data(), static_cast<std::size_t>(len));
            s[len] = '\0';
            return len;
        }
        case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w->text.size());
        case WM_CLOSE: DestroyWindow(hwnd); return 0;
        default: return 0;
    }
}

LRESULT CallWindowProcA(WNDPROC prev, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto v = reinterpret_cast<std::uintptr_t>(prev);
    if ((v & 0xFFFF0000u) == 0x7FFF0000u) {
        std::uint32_t index = static_cast<std::uint32_t>(v & 0xFFFFu);
        if (index == 0 || index > hostProcs().size()) return DefWindowProcA(hwnd, msg, wp, lp);
        return callProcedure(Procedure{nullptr, index}, hwnd, msg, wp, lp);
    }
    if (!prev) return 0;
    return prev(hwnd, msg, wp, lp);
}

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* w = lookupWindow(hwnd);
    if (!w) return 0;
    Procedure p = w->proc;  // the procedure may replace itself or destroy the window
    return callProcedure(p, hwnd, msg, wp, lp);
}

void SetWindowProc(HWND hwnd, WindowProc proc) {
    Window* w = lookupWindow(hwnd);
    if (!w) return;
    if (!proc) {
        w->proc = Procedure{};
        return;
    }
    auto& table = hostProcs();
    auto slot = std::find_if(table.begin(), table.end(), [](const HostProc& p) { return !p.fn; });
    if (slot == table.end()) {
        // The table index must fit the low 16 bits of the value GetWindowLongPtrA hands out.
        if (table.size() >= 0xFFFF) return;
        slot = table.insert(table.end(), HostProc{});
    }
    *slot = HostProc{std::move(proc), hwnd};
    w->proc = Procedure{nullptr, static_cast<std::uint32_t>(slot - table.begin() + 1)};
}

}  // namespace ulmaro::platform
