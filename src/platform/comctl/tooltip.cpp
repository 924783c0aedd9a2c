// The tooltip class: its window procedure, its tools, title, colours and delays, and the
// TTM_ messages that reach them.
#include "tooltip.h"

#include <ulmaro/platform/host.h>

#include "../user/window_data.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <utility>

namespace ulmaro::platform::comctl {

namespace {

// Tips live as long as their windows; the table itself is never torn down, so no tip
// outlives the platform's own tables at exit.
std::map<HWND, std::unique_ptr<ToolTip>>& tips() {
    static auto* m = new std::map<HWND, std::unique_ptr<ToolTip>>;
    return *m;
}

LRESULT tipProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_NCCREATE: {
            const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lp);
            // A tip is always a popup: top level, whatever window the program named, which
            // becomes its owner.
            DWORD style = static_cast<DWORD>(cs->style) | WS_POPUP;
            style &= ~(WS_CHILD | WS_BORDER);
            SetWindowLongPtrA(h, GWL_STYLE, static_cast<LONG_PTR>(style & ~WS_VISIBLE));
            if (GetParent(h)) SetParent(h, nullptr);
            tips()[h] = std::make_unique<ToolTip>(h, style, cs->hwndParent);
            return TRUE;
        }
        case WM_NCDESTROY: {
            auto node = tips().extract(h);
            return 0;
        }
        default: {
            ToolTip* t = ToolTip::from(h);
            return t ? t->handle(msg, wp, lp) : DefWindowProcA(h, msg, wp, lp);
        }
    }
}

// Text of a tool record: a string, or nothing for a resource number or a callback, which
// this host has no way to answer.
std::string textOf(LPCSTR s) {
    if (!s || s == LPSTR_TEXTCALLBACKA || reinterpret_cast<std::uintptr_t>(s) < 0x10000) return {};
    return s;
}

std::string ansiOf(LPCWSTR w) {
    if (!w) return {};
    int n = WideCharToMultiByte(CP_ACP, 0, w, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return {};
    std::string s(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, w, -1, s.data(), n, nullptr, nullptr);
    s.resize(static_cast<std::size_t>(n - 1));
    return s;
}

// Text longer than this is cut, as the platform's tips keep at most this many characters.
constexpr std::size_t kMaxTitle = 99;

}  // namespace

ToolTip* ToolTip::from(HWND hwnd) {
    if (!IsWindow(hwnd)) return nullptr;
    auto it = tips().find(hwnd);
    return it == tips().end() ? nullptr : it->second.get();
}

ToolTip::ToolTip(HWND hwnd, DWORD style, HWND owner)
    : hwnd_(hwnd), style_(style), owner_(owner), back_(GetSysColor(COLOR_INFOBK)), textColor_(GetSysColor(COLOR_INFOTEXT)) {
    // Tips write in the status font of the desktop scheme: Tahoma 8 point, the title bold.
    ownFont_ = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma");
    titleFont_ = CreateFontA(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma");
}

ToolTip::~ToolTip() {
    *alive_ = false;
    DeleteObject(ownFont_);
    DeleteObject(titleFont_);
}

LRESULT ToolTip::handle(UINT msg, WPARAM wp, LPARAM lp) {
    auto* info = reinterpret_cast<TTTOOLINFOA*>(lp);
    switch (msg) {
        case WM_DESTROY:
            unsubclassAll();
            return 0;
        case WM_NCHITTEST: return HTTRANSPARENT;  // the pointer passes through to the tool
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            BeginPaint(hwnd_, &ps);
            EndPaint(hwnd_, &ps);
            paint();
            return 0;
        }
        case WM_TIMER: onTimer(wp); return 0;
        case WM_SETFONT: font_ = reinterpret_cast<HFONT>(wp); return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(font());
        case TTM_ACTIVATE:
            active_ = wp != 0;
            if (!active_) leave();
            return 0;
        case TTM_ADDTOOLA: return addTool(info);
        case TTM_DELTOOLA: {
            int i = findTool(info);
            if (i < 0) return 0;
            if (i == showing_ || i == current_ || i == tracked_) leave();
            if (i == tracked_) tracked_ = -1;
            tools_.erase(tools_.begin() + i);
            return 0;
        }
        case TTM_NEWTOOLRECTA: {
            int i = findTool(info);
            if (i >= 0) tools_[static_cast<std::size_t>(i)].rect = info->rect;
            return 0;
        }
        case TTM_RELAYEVENT: {
            const auto* m = reinterpret_cast<const MSG*>(lp);
            if (m) relay(m->hwnd, m->message, m->lParam);
            return 0;
        }
        case TTM_GETTOOLINFOA:
        case TTM_GETTEXTA: {
            int i = findTool(info);
            if (i < 0) return FALSE;
            if (msg == TTM_GETTOOLINFOA) {
                fillInfo(tools_[static_cast<std::size_t>(i)], info);
            } else if (info->lpszText) {
                // The buffer holds up to wp characters (80, the record's customary size, when
                // the program does not say).
                std::size_t room = wp ? wp : 80;
                const std::string& t = tools_[static_cast<std::size_t>(i)].text;
                std::size_t n = std::min(t.size(), room - 1);
                std::memcpy(info->lpszText, t.data(), n);
                info->lpszText[n] = '\0';
            }
            return TRUE;
        }
        case TTM_SETTOOLINFOA:
        case TTM_UPDATETIPTEXTA: {
            int i = findTool(info);
            if (i < 0) return 0;
            Tool& t = tools_[static_cast<std::size_t>(i)];
            t.text = textOf(info->lpszText);
            if (msg == TTM_SETTOOLINFOA) {
                t.flags = info->uFlags;
                t.rect = info->rect;
                t.hinst = info->hinst;
                if (info->cbSize >= TTTOOLINFOA_V2_SIZE) t.lParam = info->lParam;
            }
            if (i == showing_) show(i, i == tracked_);
            return 0;
        }
        case TTM_GETTOOLCOUNT: return static_cast<LRESULT>(tools_.size());
        case TTM_ENUMTOOLSA:
            if (!info || wp >= tools_.size()) return FALSE;
            fillInfo(tools_[wp], info);
            return TRUE;
        case TTM_GETCURRENTTOOLA:
            if (showing_ < 0) return FALSE;
            if (info) fillInfo(tools_[static_cast<std::size_t>(showing_)], info);
            return TRUE;
        case TTM_WINDOWFROMPOINT: {
            const auto* p = reinterpret_cast<const POINT*>(lp);
            return p ? reinterpret_cast<LRESULT>(WindowFromPoint(*p)) : 0;
        }
        case TTM_TRACKACTIVATE: {
            int i = findTool(info);
            if (wp && i >= 0) {
                tracked_ = i;
                show(i, true);
            } else if (!wp && tracked_ >= 0 && (i < 0 || i == tracked_)) {
                tracked_ = -1;
                hide();
            }
            return 0;
        }
        case TTM_TRACKPOSITION:
            trackAt_ = POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            if (tracked_ >= 0) show(tracked_, true);
            return 0;
        case TTM_SETTIPBKCOLOR:
            back_ = static_cast<COLORREF>(wp) & 0x00FFFFFF;
            if (showing_ >= 0) paint();
            return 0;
        case TTM_SETTIPTEXTCOLOR:
            textColor_ = static_cast<COLORREF>(wp) & 0x00FFFFFF;
            if (showing_ >= 0) paint();
            return 0;
        case TTM_GETTIPBKCOLOR: return static_cast<LRESULT>(back_);
        case TTM_GETTIPTEXTCOLOR: return static_cast<LRESULT>(textColor_);
        case TTM_SETDELAYTIME: setDelay(wp, static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lp)))); return 0;
        case TTM_GETDELAYTIME: return static_cast<LRESULT>(delay(wp));
        case TTM_SETMAXTIPWIDTH: return std::exchange(maxWidth_, static_cast<int>(lp));
        case TTM_GETMAXTIPWIDTH: return maxWidth_;
        case TTM_SETMARGIN:
            if (lp) margin_ = *reinterpret_cast<const RECT*>(lp);
            return 0;
        case TTM_GETMARGIN:
            if (lp) *reinterpret_cast<RECT*>(lp) = margin_;
            return 0;
        case TTM_POP: hide(); return 0;
        case TTM_POPUP: {
            POINT p{};
            GetCursorPos(&p);
            HWND w = WindowFromPoint(p);
            POINT c = p;
            ScreenToClient(w, &c);
            int i = toolAt(w, c);
            if (i >= 0) {
                current_ = i;
                rest_ = p;
                show(i, false);
            }
            return 0;
        }
        case TTM_UPDATE:
            if (showing_ >= 0) show(showing_, showing_ == tracked_);
            return 0;
        case TTM_GETBUBBLESIZE: {
            int i = findTool(info);
            if (i < 0) return 0;
            Layout l = layout(tools_[static_cast<std::size_t>(i)].text);
            return MAKELONG(static_cast<WORD>(l.body.cx), static_cast<WORD>(l.body.cy));
        }
        case TTM_SETTITLEA:
            setTitle(static_cast<int>(wp), textOf(reinterpret_cast<LPCSTR>(lp)));
            return TRUE;
        case TTM_SETTITLEW:
            setTitle(static_cast<int>(wp), ansiOf(reinterpret_cast<LPCWSTR>(lp)));
            return TRUE;
        case TTM_GETTITLE: {
            auto* g = reinterpret_cast<TTGETTITLE*>(lp);
            if (!g) return 0;
            g->uTitleBitmap = static_cast<UINT>(icon_);
            if (g->pszTitle && g->cch > 0) {
                int n = MultiByteToWideChar(CP_ACP, 0, title_.c_str(), -1, g->pszTitle, static_cast<int>(g->cch));
                if (n == 0) g->pszTitle[g->cch - 1] = 0;
            }
            return 0;
        }
        default: return DefWindowProcA(hwnd_, msg, wp, lp);
    }
}

void ToolTip::setTitle(int icon, std::string title) {
    if (title.size() > kMaxTitle) title.resize(kMaxTitle);
    icon_ = icon;
    title_ = std::move(title);
    if (showing_ >= 0) show(showing_, showing_ == tracked_);
}

LRESULT ToolTip::addTool(const TTTOOLINFOA* info) {
    if (!info || info->cbSize < TTTOOLINFOA_V1_SIZE) return FALSE;
    Tool t;
    t.flags = info->uFlags;
    t.hwnd = info->hwnd;
    t.id = info->uId;
    t.rect = info->rect;
    t.hinst = info->hinst;
    t.text = textOf(info->lpszText);
    if (info->cbSize >= TTTOOLINFOA_V2_SIZE) t.lParam = info->lParam;
    tools_.push_back(t);
    if ((t.flags & TTF_SUBCLASS) && IsWindow(t.window())) subclass(t.window());
    return TRUE;
}

// A tool is named by its window and identifier.
int ToolTip::findTool(const TTTOOLINFOA* info) const {
    if (!info) return -1;
    for (std::size_t i = 0; i < tools_.size(); ++i)
        if (tools_[i].hwnd == info->hwnd && tools_[i].id == info->uId) return static_cast<int>(i);
    return -1;
}

void ToolTip::fillInfo(const Tool& t, TTTOOLINFOA* info) const {
    info->uFlags = t.flags;
    info->hwnd = t.hwnd;
    info->uId = t.id;
    info->rect = t.rect;
    info->hinst = t.hinst;
    if (info->cbSize >= TTTOOLINFOA_V2_SIZE) info->lParam = t.lParam;
    // The text goes into the program's buffer, which holds the customary 80 characters.
    if (info->lpszText && info->lpszText != LPSTR_TEXTCALLBACKA) {
        std::size_t n = std::min<std::size_t>(t.text.size(), 79);
        std::memcpy(info->lpszText, t.text.data(), n);
        info->lpszText[n] = '\0';
    }
}

// The tip hears the tool window's pointer messages before the window does. The procedure
// it puts in front stays valid after the tip is gone (it then only passes messages on),
// since another procedure may have been put in front of it meanwhile.
void ToolTip::subclass(HWND window) {
    if (std::find(subclassed_.begin(), subclassed_.end(), window) != subclassed_.end()) return;
    auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    std::weak_ptr<bool> alive = alive_;
    HWND tip = hwnd_;
    SetWindowProc(window, [previous, alive, tip](HWND h, UINT msg, WPARAM wp, LPARAM lp) {
        auto on = alive.lock();
        if (on && *on && ((msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || msg == WM_NCDESTROY))
            if (ToolTip* t = ToolTip::from(tip)) t->relay(h, msg, lp);
        return CallWindowProcA(previous, h, msg, wp, lp);
    });
    subclassed_.push_back(window);
    installed_.push_back(GetWindowLongPtrA(window, GWLP_WNDPROC));
    previous_.push_back(previous);
}

void ToolTip::unsubclassAll() {
    for (std::size_t i = 0; i < subclassed_.size(); ++i) {
        HWND w = subclassed_[i];
        if (IsWindow(w) && GetWindowLongPtrA(w, GWLP_WNDPROC) == installed_[i])
            SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_[i]));
    }
    subclassed_.clear();
    installed_.clear();
    previous_.clear();
    *alive_ = false;
}

}  // namespace ulmaro::platform::comctl

namespace ulmaro::platform::detail {

void registerToolTipClass() {
    static const bool done = [] {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = comctl::tipProc;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = TOOLTIPS_CLASSA;
        return RegisterClassA(&wc) != 0;
    }();
    (void)done;
}

}  // namespace ulmaro::platform::detail
