// ZynScrollBar input: arrow and page steps on a press, thumb dragging, the hand cursor over
// the thumb and arrows, and auto-repeat of a held step from Timer1.
#include "scrollbar/zyn_scroll_bar.h"

#include "framework/variant.h"

namespace ulmaro {

using namespace platform;

namespace {

POINT HitPoint(float X, float Y) {
    return POINT{static_cast<LONG>(roundHalfEven(X)), static_cast<LONG>(roundHalfEven(Y))};
}

}  // namespace

bool ZynScrollBar::InThumb(float X, float Y) const {
    POINT pt = HitPoint(X, Y);
    return PtInRect(&ThumbRect, pt) != 0;
}

bool ZynScrollBar::InArrow(int index, float X, float Y) const {
    POINT pt = HitPoint(X, Y);
    return PtInRect(&ArrowRect[static_cast<std::size_t>(index)], pt) != 0;
}

bool ZynScrollBar::LeftButtonDown() { return (GetKeyState(VK_LBUTTON) & 0x8000) != 0; }

void ZynScrollBar::ShowHand() {
    if (HCURSOR hand = LoadCursorA(nullptr, IDC_HAND)) SetCursor(hand);
}

void ZynScrollBar::MouseDown(std::int16_t& Button, std::int16_t&, float& X, float& Y) {
    if (Button == 1) {
        SetCapture(surface().hWnd());
        Held = true;
    }
    const bool inArrows = InArrow(0, X, Y) || InArrow(1, X, Y);
    if (InThumb(X, Y) && Button == 1) {
        Dragging = true;
        DragOffset = static_cast<float>(ThumbRect.top) - Y;
        DrawScrollBar();
        return;
    }
    if (!inArrows && !InThumb(X, Y) && LeftButtonDown()) {
        if (Y > static_cast<float>(ThumbRect.bottom)) {
            setValue(Value_ + Size_);
            PressTime[PageDown] = HostTimer();
        } else {
            setValue(Value_ - Size_);
            PressTime[PageUp] = HostTimer();
        }
    } else if (InArrow(0, X, Y) && LeftButtonDown()) {
        // The pressed arrow shows its glyph in the outline colour until the next tick or
        // the release, the feedback people expect from a button.
        Pressed[0] = -1;
        setValue(Value_ - Change_);
        PressTime[UpArrow] = HostTimer();
    } else if (InArrow(1, X, Y) && LeftButtonDown()) {
        Pressed[1] = -1;
        setValue(Value_ + Change_);
        PressTime[DownArrow] = HostTimer();
    }
}

void ZynScrollBar::MouseMove(std::int16_t& Button, std::int16_t&, float& X, float& Y) {
    // The timer runs from the first move on: it repeats held steps.
    Timer1.setEnabled(true);
    if (InThumb(X, Y) || Dragging) {
        ShowHand();
        if (Button == 1) setValue((Y - 8 + DragOffset) / (static_cast<float>(surface().ScaleHeight()) - 34) * Max_);
    } else if (InArrow(0, X, Y) || InArrow(1, X, Y)) {
        ShowHand();
    }
}

void ZynScrollBar::MouseUp(std::int16_t& Button, std::int16_t&, float& X, float& Y) {
    if (Button == 1) {
        ReleaseCapture();
        Held = false;
        if (Dragging) {
            Dragging = false;
            DrawScrollBar();
            return;
        }
    }
    const bool inArrows = InArrow(0, X, Y) || InArrow(1, X, Y);
    if (!inArrows && !InThumb(X, Y) && LeftButtonDown()) {
        if (Y <= static_cast<float>(ThumbRect.bottom))
            PressTime[PageUp] = -1;
        else
            PressTime[PageDown] = -1;
    } else if (InArrow(0, X, Y) && Button == 1) {
        Pressed[0] = 0;
        PressTime[UpArrow] = -1;
        DrawScrollBar();
    } else if (InArrow(1, X, Y) && Button == 1) {
        PressTime[DownArrow] = -1;
        Pressed[1] = 0;
        DrawScrollBar();
    }
}

void ZynScrollBar::Timer1_Timer() {
    HWND h = surface().hWnd();
    POINT pt{};
    GetCursorPos(&pt);
    ScreenToClient(h, &pt);
    RECT client{};
    GetClientRect(h, &client);
    Pressed = {0, 0};
    const bool left = LeftButtonDown();
    // The bar keeps the pointer while its own press is held, and gives up only its own
    // capture: a tick never takes the pointer from a control pressed elsewhere.
    if (left && Held)
        SetCapture(h);
    else if (!left && GetCapture() == h)
        ReleaseCapture();
    if (!left) Held = false;
    if (Dragging) return;
    const float X = static_cast<float>(pt.x), Y = static_cast<float>(pt.y);
    const float now = HostTimer();
    const bool inArrows = InArrow(0, X, Y) || InArrow(1, X, Y);
    if (PtInRect(&client, pt) && !inArrows && !InThumb(X, Y) && left) {
        if (PressTime[PageDown] != -1 && pt.y > ThumbRect.bottom && now > PressTime[PageDown] + 0.5f)
            setValue(Value_ + Size_);
        else if (PressTime[PageUp] != -1 && pt.y < ThumbRect.top && now > PressTime[PageUp] + 0.5f)
            setValue(Value_ - Size_);
    } else {
        if (PressTime[UpArrow] != -1 && now > PressTime[UpArrow] + 0.5f && InArrow(0, X, Y) && left)
            setValue(Value_ - Change_);
        else if (PressTime[DownArrow] != -1 && now > PressTime[DownArrow] + 0.5f && InArrow(1, X, Y) && left)
            setValue(Value_ + Change_);
    }
}

}  // namespace ulmaro
