// The message queue: posted messages wait here until the host drains them with PeekMessageA
// and DispatchMessageA. When nothing is posted, a window waiting for paint yields WM_PAINT,
// as the platform synthesises it, so painting comes after every posted message.
#include "window_data.h"

#include <deque>

namespace ulmaro::platform::detail {

namespace {

std::deque<MSG>& queue() {
    static std::deque<MSG> q;
    return q;
}

bool matches(const MSG& m, HWND filter, UINT lo, UINT hi) {
    if (filter && m.hwnd != filter && !IsChild(filter, m.hwnd)) return false;
    if (lo == 0 && hi == 0) return true;
    return m.message >= lo && m.message <= hi;
}

// The first window (parents before children) with a non-empty update region.
HWND windowWaitingForPaint(HWND filter) {
    std::vector<HWND> tree;
    if (filter) {
        collectTree(filter, tree);
    } else {
        for (HWND top : topLevelWindows()) collectTree(top, tree);
    }
    for (HWND h : tree)
        if (Window* w = lookupWindow(h); w && !w->update.empty()) return h;
    return nullptr;
}

}  // namespace

void forgetWindowMessages(HWND hwnd) { std::erase_if(queue(), [&](const MSG& m) { return m.hwnd == hwnd; }); }

}  // namespace ulmaro::platform::detail

namespace ulmaro::platform {

using namespace detail;

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (hwnd && !IsWindow(hwnd)) return FALSE;
    MSG m{hwnd, msg, wp, lp, GetTickCount(), POINT{0, 0}};
    GetCursorPos(&m.pt);
    queue().push_back(m);
    return TRUE;
}

BOOL PeekMessageA(LPMSG out, HWND hwnd, UINT lo, UINT hi, UINT remove) {
    if (!out) return FALSE;
    auto& q = queue();
    for (auto it = q.begin(); it != q.end(); ++it) {
        if (!matches(*it, hwnd, lo, hi)) continue;
        *out = *it;
        if (remove & PM_REMOVE) q.erase(it);
        return TRUE;
    }
    if (lo > WM_PAINT || (hi != 0 && hi < WM_PAINT)) return FALSE;
    if (HWND h = windowWaitingForPaint(hwnd)) {
        *out = MSG{h, WM_PAINT, 0, 0, GetTickCount(), POINT{0, 0}};
        GetCursorPos(&out->pt);
        return TRUE;  // WM_PAINT stays until the window validates its update region
    }
    return FALSE;
}

LRESULT DispatchMessageA(const MSG* m) {
    if (!m) return 0;
    // A WM_TIMER carrying a timer procedure calls it instead of the window procedure.
    if (m->message == WM_TIMER && m->lParam) {
        reinterpret_cast<TIMERPROC>(m->lParam)(m->hwnd, WM_TIMER, m->wParam, m->time);
        return 0;
    }
    if (!m->hwnd) return 0;
    return SendMessageA(m->hwnd, m->message, m->wParam, m->lParam);
}

}  // namespace ulmaro::platform
