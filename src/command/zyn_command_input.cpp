// ZynCommand input: mouse, keys, focus and the hover timer turn into Value, IsOver and
// HasFocus changes, redraws and the Click event.
#include "zyn_command.h"

namespace ulmaro {

using namespace platform;

// Whether the pointer is over the button's window, from the pointer's screen position; the
// coordinates of mouse notifications are not used for this.
bool ZynCommand::IsPointerInside() const {
    POINT pt{};
    GetCursorPos(&pt);
    RECT r{};
    GetWindowRect(surface().hWnd(), &r);
    return PtInRect(&r, pt);
}

void ZynCommand::Show() {
    if (Ambient().UserMode) OverTimer.setEnabled(true);
}

void ZynCommand::MouseDown(std::int16_t& Button, std::int16_t&, float&, float&) {
    if (Button != 1 || !Enabled_) return;
    Value_ = CheckBox_ ? !Value_ : true;
    Refresh();
}

void ZynCommand::MouseMove(std::int16_t& Button, std::int16_t&, float&, float&) {
    if (HandPointer_ && Enabled_) {
        if (HCURSOR hand = LoadCursorA(nullptr, IDC_HAND)) SetCursor(hand);
    }
    if (Button == 0 && !IsOver_) {
        IsOver_ = true;
        Refresh();
        OverTimer.setEnabled(true);
    }
    if (Button == 1) {
        bool inside = IsPointerInside();
        if (!inside && Value_) {
            Value_ = false;
            Refresh();
        } else if (inside && !Value_) {
            Value_ = true;
            Refresh();
        }
    }
}

void ZynCommand::MouseUp(std::int16_t& Button, std::int16_t&, float&, float&) {
    if (Button != 1 || !Enabled_) return;
    if (!CheckBox_) Value_ = false;
    Refresh();
    if (IsPointerInside()) RaiseEvent("Click");
}

void ZynCommand::KeyDown(std::int16_t& KeyCode, std::int16_t&) {
    if (!Enabled_) return;
    if (KeyCode == VK_SPACE) {
        Value_ = CheckBox_ ? !Value_ : true;
    } else if (KeyCode == VK_LEFT || KeyCode == VK_UP) {
        SendKeys("+{Tab}");
    } else if (KeyCode == VK_RIGHT || KeyCode == VK_DOWN) {
        SendKeys("{Tab}");
    }
    Refresh();
}

void ZynCommand::KeyUp(std::int16_t& KeyCode, std::int16_t&) {
    if ((KeyCode != VK_SPACE && KeyCode != VK_RETURN) || !Enabled_) return;
    if (!CheckBox_) Value_ = false;
    Refresh();
    RaiseEvent("Click");
}

void ZynCommand::AccessKeyPress(std::int16_t&) {
    if (Enabled_) RaiseEvent("Click");
}

void ZynCommand::EnterFocus() {
    HasFocus_ = true;
    Refresh();
}

void ZynCommand::ExitFocus() {
    HasFocus_ = false;
    if (!CheckBox_) Value_ = false;
    Refresh();
}

void ZynCommand::OverTimer_Timer() {
    if (!IsPointerInside() && IsOver_) {
        // An "Office Xp" button drawn see-through keeps its timer running.
        if (!(ButtonType_ == OfficeXp && BackStyle_ == 0)) OverTimer.setEnabled(false);
        IsOver_ = false;
        Refresh();
    } else if (IsPointerInside() && !IsOver_) {
        IsOver_ = true;
        Refresh();
    }
}

}  // namespace ulmaro
