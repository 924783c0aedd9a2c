// ZynListBox input: keyboard navigation (Home, End, pages, arrows, Shift to extend, Ctrl+A
// and Ctrl+I), selection on mouse release (plain, Ctrl toggles, Shift selects a range), the
// scroll bar's arrows with hold-to-repeat and its draggable thumb, and the hand cursor.
#include "listbox/zyn_list_box.h"

#include "framework/numeric.h"
#include "framework/variant.h"

namespace ulmaro {

using namespace platform;

namespace {

constexpr std::int16_t kShiftKey = 1;
constexpr std::int16_t kCtrlKey = 2;

// After its event the key handler skips any step that fails and goes on with the next.
template <class F>
void ResumeNext(F&& step) {
    try {
        step();
    } catch (const RuntimeError&) {
    }
}

POINT HitPoint(float X, float Y) { return POINT{RoundToLong(X), RoundToLong(Y)}; }

}  // namespace

// The arrow and thumb rectangles keep their last drawn place while the scroll bar is hidden;
// a hidden scroll bar cannot be pressed, so they count only while it shows.
bool ZynListBox::InScrollRect(const RECT& r, POINT pt) const { return ScrollNeeded_ && PtInRect(&r, pt); }

void ZynListBox::ShowHandCursor() const {
    if (HCURSOR hand = LoadCursorA(nullptr, IDC_HAND)) SetCursor(hand);
}

// The host's Timer: seconds since midnight, on the form's clock.
float ZynListBox::HostTimer() const {
    if (!site()) return 0;
    return static_cast<float>(static_cast<double>(site()->clock().now() % 86400000) / 1000.0);
}

// ---- Keys ------------------------------------------------------------------------------------------

void ZynListBox::KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
    RaiseEvent("KeyDown", KeyCode, Shift);
    Shift = static_cast<std::int16_t>(Shift & 7);
    switch (KeyCode) {
        case 36:  // Home
            ResumeNext([&] { setListIndex(0); });
            if (ScrollNeeded_) {
                TopIndex_ = 0;
                Paint();
            }
            break;
        case 35:  // End
            ResumeNext([&] { setListIndex(static_cast<std::int16_t>(ListCount_ - 1)); });
            if (ScrollNeeded_) {
                TopIndex_ = ListCount_ - VisibleRows_;
                Paint();
            }
            break;
        case 33:  // Page Up
            PageBy(-1);
            break;
        case 34:  // Page Down
            PageBy(1);
            break;
        case 65:  // A
            if ((Shift & kCtrlKey) && MultiSelect_) SelectAll();
            break;
        case 73:  // I
            if ((Shift & kCtrlKey) && MultiSelect_) SelectInvert();
            break;
        case 40:  // Down
            ArrowDown((Shift & kShiftKey) && MultiSelect_);
            break;
        case 38:  // Up
            ArrowUp((Shift & kShiftKey) && MultiSelect_);
            break;
        default:
            break;
    }
}

// A page is as many rows as fit below the title in the control's font.
void ZynListBox::PageBy(std::int32_t direction) {
    std::int32_t n = 0;
    ResumeNext([&] { n = RowsBelowTitle(); });
    if (direction < 0) {
        ResumeNext([&] { setListIndex(toInteger(MaxOf<std::int32_t>(ListIndex_ - n, 0))); });
        if (ScrollNeeded_) {
            TopIndex_ = MaxOf<std::int32_t>(TopIndex_ - VisibleRows_, 0);
            Paint();
        }
    } else {
        ResumeNext([&] { setListIndex(toInteger(static_cast<double>(ListIndex_) + n)); });
        if (ScrollNeeded_) {
            TopIndex_ = MinOf<std::int32_t>(TopIndex_ + VisibleRows_, ListCount_ - VisibleRows_);
            Paint();
        }
    }
}

// Down moves one item on (up to one past the last). With Shift in a multiple-selection list
// it grows the selection onto the next item, or shrinks it when that item is selected
// already. Either way the list follows an index that leaves the view at the bottom.
void ZynListBox::ArrowDown(bool extend) {
    if (!extend) {
        ResumeNext([&] { setListIndex(MinOf(toInteger(ListIndex_ + 1.0), ListCount_)); });
    } else {
        std::int16_t next = 0;
        ResumeNext([&] { next = MinOf(toInteger(ListIndex_ + 1.0), ListCount_); });
        if (!Selected(next)) {
            ListIndex_ = next;
            SetItemSelected(ListIndex_, true);
            Paint();
        } else {
            if (ListIndex_ != ListCount_) SetItemSelected(ListIndex_, false);
            ListIndex_ = next;
            Paint();
        }
    }
    if (ListIndex_ > TopIndex_ + VisibleRows_ - 1 && ScrollNeeded_) {
        TopIndex_ = TopIndex_ + 1;
        Paint();
    }
}

// Up mirrors Down, except that only the plain move scrolls: growing or shrinking a selection
// upward may take the index above the first visible row.
void ZynListBox::ArrowUp(bool extend) {
    if (!extend) {
        ResumeNext([&] { setListIndex(MaxOf<std::int16_t>(static_cast<std::int16_t>(ListIndex_ - 1), 0)); });
        if (ListIndex_ < TopIndex_ && ScrollNeeded_) {
            TopIndex_ = TopIndex_ - 1;
            Paint();
        }
        return;
    }
    const std::int16_t previous = MaxOf<std::int16_t>(static_cast<std::int16_t>(ListIndex_ - 1), 0);
    if (!Selected(previous)) {
        ListIndex_ = previous;
        SetItemSelected(ListIndex_, true);
    } else {
        if (ListIndex_ != 0) SetItemSelected(ListIndex_, false);
        ListIndex_ = previous;
    }
    Paint();
}

void ZynListBox::KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) { RaiseEvent("KeyUp", KeyCode, Shift); }

void ZynListBox::KeyPress(std::int16_t& KeyAscii) { RaiseEvent("KeyPress", KeyAscii); }

void ZynListBox::Click() { RaiseEvent("Click"); }

void ZynListBox::DblClick() { RaiseEvent("DblClick"); }

// ---- Mouse -----------------------------------------------------------------------------------------

// A press on the scroll bar scrolls at once; items are selected on release instead.
void ZynListBox::MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
    RaiseEvent("MouseDown", Button, Shift, X, Y);
    const POINT pt = HitPoint(X, Y);
    if (Button != 1) return;
    if (InScrollRect(ThumbRect_, pt)) {
        ThumbDragging_ = true;
        ThumbGrabOffset_ = Y - static_cast<float>(ThumbRect_.top);
        Paint();
    } else if (InScrollRect(DownArrowRect_, pt)) {
        TopIndex_ = MinOf<std::int32_t>(TopIndex_ + 1, ListCount_ - VisibleRows_);
        DownPressTime_ = RoundToLong(HostTimer());
        DownPressed_ = true;
        Paint();
        Timer1.setEnabled(true);
    } else if (InScrollRect(UpArrowRect_, pt)) {
        TopIndex_ = MaxOf<std::int32_t>(TopIndex_ - 1, 0);
        UpPressTime_ = RoundToLong(HostTimer());
        UpPressed_ = true;
        Paint();
        Timer1.setEnabled(true);
    }
}

// While the thumb is dragged the list scrolls with the pointer; the timer's next tick
// redraws it.
void ZynListBox::MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
    RaiseEvent("MouseMove", Button, Shift, X, Y);
    const Surface& s = surface();
    const float SW = static_cast<float>(s.ScaleWidth()), SH = static_cast<float>(s.ScaleHeight());
    if (Y > TitleHeight_ && (!ScrollNeeded_ || X < SW - 15) && HandPointer_) ShowHandCursor();
    if (ThumbDragging_) {
        Timer1.setEnabled(true);
        ShowHandCursor();
        if (Button == 1) {
            const double track = (SH - 34.0) - TitleHeight_;
            if (track == 0) throw RuntimeError(errors::DivisionByZero);
            TopIndex_ = RoundToLong(((Y - TitleHeight_) - 16.0 - ThumbGrabOffset_) / track * ListCount_);
            TopIndex_ = MinOf<std::int32_t>(ListCount_ - VisibleRows_, TopIndex_);
            TopIndex_ = MaxOf<std::int32_t>(0, TopIndex_);
        }
    } else {
        const POINT pt = HitPoint(X, Y);
        if (InScrollRect(DownArrowRect_, pt) || InScrollRect(UpArrowRect_, pt)) ShowHandCursor();
    }
}

void ZynListBox::MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
    RaiseEvent("MouseUp", Button, Shift, X, Y);
    Shift = static_cast<std::int16_t>(Shift & 7);
    const Surface& s = surface();
    const float SW = static_cast<float>(s.ScaleWidth()), SH = static_cast<float>(s.ScaleHeight());
    const POINT pt = HitPoint(X, Y);
    const bool overItems = (X < SW - 15 || !ScrollNeeded_) && ListCount_ != 0 && !ThumbDragging_ && Y > TitleHeight_;
    if (!overItems) {
        if (Button == 1 && ThumbDragging_) {
            ThumbDragging_ = false;
            Paint();
        } else if (Button == 1 && InScrollRect(DownArrowRect_, pt)) {
            DownPressTime_ = -1;
            DownPressed_ = false;
            Paint();
        } else if (Button == 1 && InScrollRect(UpArrowRect_, pt)) {
            UpPressTime_ = -1;
            UpPressed_ = false;
            Paint();
        }
        return;
    }

    // The row under the pointer; a release below the last item finds ListCount.
    const std::int32_t R = 2 * toInteger(Font()->Size());
    RECT rc{};
    SetRect(&rc, 0, TitleHeight_, ScrollNeeded_ ? RoundToLong(SW - 16) : RoundToLong(SW), TitleHeight_ + R);
    std::int32_t i = TopIndex_;
    while (R > 0 && SH > rc.top && !PtInRect(&rc, pt)) {
        OffsetRect(&rc, 0, R);
        i = MinOf<std::int32_t>(i + 1, ListCount_);
    }
    if (Button != 1) return;

    ResumeNext([&] {
        const bool ctrl = (Shift & kCtrlKey) != 0, shiftKey = (Shift & kShiftKey) != 0;
        if (MultiSelect_ && ctrl) {
            setSelected(i, !Selected(i));
            ListIndex_ = toInteger(i);
        } else if (MultiSelect_ && shiftKey && ListIndex_ != -1 && ListIndex_ != i) {
            // A range from the anchor, which stays where it is.
            Deselect(0, ListCount_);
            const std::int32_t step = ListIndex_ < i ? 1 : -1;
            for (std::int32_t k = ListIndex_; k != i + step; k += step) SetItemSelected(k, true);
        } else {
            if (MultiSelect_) {
                Deselect(0, ListCount_);
                SetItemSelected(i, true);
            }
            ListIndex_ = toInteger(i);
        }
    });
    Paint();
    std::int16_t Item = static_cast<std::int16_t>(i);
    RaiseEvent("ClickOnItem", Button, Shift, X, Y, Item);
}

// ---- Hold-to-repeat and drag timer -------------------------------------------------------------------

// Ticks while an arrow is held or the thumb dragged. It switches itself off at every tick and
// on again while the left button stays down over what was pressed; an arrow held longer
// than 0.7 seconds past its press second scrolls one row per tick.
void ZynListBox::Timer1_Timer() {
    const HWND h = surface().hWnd();
    POINT pt{};
    GetCursorPos(&pt);
    ScreenToClient(h, &pt);
    DownPressed_ = false;
    UpPressed_ = false;
    Timer1.setEnabled(false);
    const bool leftDown = GetKeyState(VK_LBUTTON) < 0;
    if (leftDown)
        SetCapture(h);
    else
        ReleaseCapture();
    if (leftDown && ThumbDragging_) {
        ThumbDragging_ = true;
        Timer1.setEnabled(true);
        Paint();
    } else if (InScrollRect(DownArrowRect_, pt) && leftDown) {
        DownPressed_ = true;
        Timer1.setEnabled(true);
        if (HostTimer() > static_cast<float>(DownPressTime_ + 0.7) && DownPressTime_ != -1) {
            TopIndex_ = MinOf<std::int32_t>(TopIndex_ + 1, ListCount_ - VisibleRows_);
            Paint();
        }
    } else if (InScrollRect(UpArrowRect_, pt) && leftDown) {
        UpPressed_ = true;
        Timer1.setEnabled(true);
        if (HostTimer() > static_cast<float>(UpPressTime_ + 0.7) && UpPressTime_ != -1) {
            TopIndex_ = MaxOf<std::int32_t>(TopIndex_ - 1, 0);
            Paint();
        }
    }
}

}  // namespace ulmaro
