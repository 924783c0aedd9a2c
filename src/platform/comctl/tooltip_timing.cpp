// When a tip shows and hides. The pointer must rest in a tool for the initial delay (moving
// it starts the wait again); the tip then shows until the pointer leaves the tool, a
// button is pressed in it, or the auto-pop delay runs out. A tip that hid by auto-pop or a
// press stays hidden until the pointer leaves the tool. Moving from one tool to another
// while a tip shows brings the next tip after the shorter reshow delay.
#include "tooltip.h"

#include <ulmaro/platform/host.h>

namespace ulmaro::platform::comctl {

namespace {

HWND topLevelOf(HWND h) {
    while (HWND p = GetParent(h)) h = p;
    return h;
}

}  // namespace

// The default delays follow the double-click time: the initial delay is that time, the
// auto-pop delay ten times it, the reshow delay a fifth of it.
UINT ToolTip::delay(WPARAM which) const {
    const int base = static_cast<int>(GetDoubleClickTime());
    switch (which) {
        case TTDT_AUTOPOP: return static_cast<UINT>(autoPop_ >= 0 ? autoPop_ : base * 10);
        case TTDT_RESHOW: return static_cast<UINT>(reshow_ >= 0 ? reshow_ : base / 5);
        default: return static_cast<UINT>(initial_ >= 0 ? initial_ : base);
    }
}

// A negative time goes back to the default; TTDT_AUTOMATIC sets all three from one.
void ToolTip::setDelay(WPARAM which, int ms) {
    switch (which) {
        case TTDT_AUTOMATIC:
            initial_ = ms < 0 ? -1 : ms;
            autoPop_ = ms < 0 ? -1 : ms * 10;
            reshow_ = ms < 0 ? -1 : ms / 5;
            break;
        case TTDT_RESHOW: reshow_ = ms < 0 ? -1 : ms; break;
        case TTDT_AUTOPOP: autoPop_ = ms < 0 ? -1 : ms; break;
        case TTDT_INITIAL: initial_ = ms < 0 ? -1 : ms; break;
        default: break;
    }
}

int ToolTip::toolAt(HWND window, POINT client) const {
    for (std::size_t i = 0; i < tools_.size(); ++i) {
        const Tool& t = tools_[i];
        if (t.flags & TTF_TRACK) continue;
        if (t.window() != window) continue;
        RECT r = t.rect;
        if (t.flags & TTF_IDISHWND) GetClientRect(window, &r);
        if (PtInRect(&r, client)) return static_cast<int>(i);
    }
    return -1;
}

// Whether the pointer is still over the tool: its window is the one the pointer reaches in
// its top-level window (tips let the pointer through), at a point of the tool's rectangle.
bool ToolTip::pointerIn(int tool) const {
    if (tool < 0 || static_cast<std::size_t>(tool) >= tools_.size()) return false;
    HWND w = tools_[static_cast<std::size_t>(tool)].window();
    if (!IsWindow(w) || !IsWindowVisible(w)) return false;
    POINT p{};
    GetCursorPos(&p);
    HWND top = topLevelOf(w);
    POINT inTop = p;
    ScreenToClient(top, &inTop);
    if (WindowFromPointIn(top, inTop) != w) return false;
    POINT c = p;
    ScreenToClient(w, &c);
    return toolAt(w, c) == tool;
}

// Without TTS_ALWAYSTIP a tip shows only while the tool's top-level window is the active
// one, which on this host means it holds the focus.
bool ToolTip::mayShow(int tool) const {
    if (!active_ || tool < 0) return false;
    if (style_ & TTS_ALWAYSTIP) return true;
    HWND f = GetFocus();
    return f && topLevelOf(f) == topLevelOf(tools_[static_cast<std::size_t>(tool)].window());
}

void ToolTip::relay(HWND window, UINT msg, LPARAM lp) {
    if (msg == WM_NCDESTROY) {
        if (current_ >= 0 && tools_[static_cast<std::size_t>(current_)].window() == window) leave();
        return;
    }
    POINT client{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    int tool = toolAt(window, client);
    switch (msg) {
        case WM_MOUSEMOVE: {
            POINT screen = client;
            ClientToScreen(window, &screen);
            pointerMoved(tool, screen);
            break;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            // A press puts the tip away until the pointer leaves the tool.
            if (tool >= 0 && tool == current_) {
                hide();
                KillTimer(hwnd_, kShowTimer);
                KillTimer(hwnd_, kPopTimer);
                state_ = State::Spent;
            }
            break;
        default: break;
    }
}

void ToolTip::pointerMoved(int tool, POINT screen) {
    if (tool < 0 || !mayShow(tool)) {
        if (current_ >= 0) leave();
        return;
    }
    if (tool == current_) {
        // Resting means not moving: a move while waiting starts the wait again.
        if (state_ == State::Waiting && (screen.x != rest_.x || screen.y != rest_.y)) {
            rest_ = screen;
            SetTimer(hwnd_, kShowTimer, wait_, nullptr);
        }
        return;
    }
    const bool wasShown = state_ == State::Shown;
    if (wasShown) hide();
    current_ = tool;
    rest_ = screen;
    state_ = State::Waiting;
    wait_ = delay(wasShown ? TTDT_RESHOW : TTDT_INITIAL);
    SetTimer(hwnd_, kShowTimer, wait_, nullptr);
    SetTimer(hwnd_, kLeaveTimer, kLeaveCheckMs, nullptr);
}

void ToolTip::onTimer(UINT_PTR id) {
    switch (id) {
        case kShowTimer:
            KillTimer(hwnd_, kShowTimer);
            if (state_ != State::Waiting) return;
            if (!pointerIn(current_) || !mayShow(current_)) return leave();
            show(current_, false);
            return;
        case kPopTimer:
            KillTimer(hwnd_, kPopTimer);
            if (state_ == State::Shown && showing_ != tracked_) {
                hide();
                state_ = State::Spent;
            }
            return;
        case kLeaveTimer:
            if (!pointerIn(current_)) leave();
            return;
        default: return;
    }
}

// The pointer has left the tool (or the tip was switched off): everything stops.
void ToolTip::leave() {
    KillTimer(hwnd_, kShowTimer);
    KillTimer(hwnd_, kPopTimer);
    KillTimer(hwnd_, kLeaveTimer);
    if (showing_ >= 0 && showing_ != tracked_) hide();
    current_ = -1;
    state_ = State::Idle;
}

void ToolTip::show(int tool, bool tracking) {
    const Tool& t = tools_[static_cast<std::size_t>(tool)];
    // A tool without text has no tip.
    if (t.text.empty() && title_.empty()) {
        hide();
        return;
    }
    Layout l = layout(t.text);
    POINT at = rest_;
    // A tip under the pointer goes below the arrow's height.
    RECT avoid{at.x, at.y, at.x + 1, at.y + kPointerHeight};
    bool centred = false;
    if (tracking) {
        at = trackAt_;
        avoid = RECT{at.x, at.y, at.x, at.y};
    } else if (t.flags & TTF_CENTERTIP) {
        // Centred under the tool, pointing at the middle of its lower edge.
        RECT r = t.rect;
        if (t.flags & TTF_IDISHWND) GetClientRect(t.window(), &r);
        POINT o{0, 0};
        ClientToScreen(t.window(), &o);
        OffsetRect(&r, o.x, o.y);
        at = POINT{(r.left + r.right) / 2, r.bottom};
        avoid = r;
        centred = true;
    }
    showing_ = tool;
    shown_ = l;
    place(l, at, avoid, centred, tracking);
    paint();
    if (!tracking) {
        state_ = State::Shown;
        SetTimer(hwnd_, kPopTimer, delay(TTDT_AUTOPOP), nullptr);
    }
}

void ToolTip::hide() {
    if (showing_ < 0 && !IsWindowVisible(hwnd_)) return;
    showing_ = -1;
    KillTimer(hwnd_, kPopTimer);
    ShowWindow(hwnd_, SW_HIDE);
}

}  // namespace ulmaro::platform::comctl
