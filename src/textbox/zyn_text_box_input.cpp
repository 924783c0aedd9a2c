// ZynTextBox: the events of the inner boxes, focus behaviour, the mouse on the surface and
// the cursors. The key filter is in zyn_text_box_filter.cpp.
#include <ulmaro/platform/win32.h>

#include "textbox/zyn_text_box.h"

namespace ulmaro {

using namespace platform;

// Text assigned while the properties load raises nothing: the host hears events only once
// the control is ready.
void ZynTextBox::WireEvents(std::size_t index) {
    EditBox::Events& e = Text1[index]->events;
    e.Change = [this] {
        if (Ready) RaiseEvent("Change");
    };
    e.KeyDown = [this](std::int16_t& KeyCode, std::int16_t& Shift) {
        // Ctrl+A selects everything before the key is reported.
        if (KeyCode == 65 && (Shift & 2)) SelectText(0, -1);
        RaiseEvent("KeyDown", KeyCode, Shift);
    };
    e.KeyUp = [this](std::int16_t& KeyCode, std::int16_t& Shift) { RaiseEvent("KeyUp", KeyCode, Shift); };
    e.KeyPress = [this](std::int16_t& KeyAscii) { FilterKey(KeyAscii); };
    e.MouseDown = [this](std::int16_t& B, std::int16_t& S, float& X, float& Y) { RaiseEvent("MouseDown", B, S, X, Y); };
    e.MouseUp = [this](std::int16_t& B, std::int16_t& S, float& X, float& Y) { RaiseEvent("MouseUp", B, S, X, Y); };
    e.MouseMove = [this](std::int16_t& B, std::int16_t& S, float& X, float& Y) {
        RaiseEvent("MouseMove", B, S, X, Y);
        EditCursor();
    };
    e.Click = [this] { RaiseEvent("Click"); };
    e.DblClick = [this] { RaiseEvent("DblClick"); };
    e.GotFocus = [this] { BoxGotFocus(); };
    e.LostFocus = [this] { BoxLostFocus(); };
}

// ---- Focus ---------------------------------------------------------------------------------------------

void ZynTextBox::BoxGotFocus() {
    if (Terminating_) return;
    // A locked box passes the focus on at once, with a TAB keystroke.
    if (box().Locked()) {
        SendKeys(std::string(1, '\t'));
        return;
    }
    if (SelectOnFocus_) SelectText(0, -1);
    if (ShowFocus_) ApplyColors(FocusBackColor_, FocusForeColor_);
    // The TAB key then reaches the multi-line box instead of moving the focus.
    if (Multiline_) SetFormTabStops(false);
}

void ZynTextBox::BoxLostFocus() {
    if (Terminating_) return;
    if (Multiline_) SetFormTabStops(true);
    if (ShowFocus_) ApplyColors(BackColor_, ForeColor_);
}

// Every control of the form, this one too; one that has no tab stop to set is passed over.
void ZynTextBox::SetFormTabStops(bool on) {
    for (Control* c : ParentControls()) {
        try {
            c->setProperty("TabStop", Variant(on));
        } catch (const RuntimeError&) {
        }
    }
}

// The focus colours go to both boxes and the surface without changing BackColor and
// ForeColor, so that leaving restores the user's colours.
void ZynTextBox::ApplyColors(OLE_COLOR back, OLE_COLOR fore) {
    for (auto& b : Text1) b->setBackColor(back);
    surface().setBackColor(back);
    for (auto& b : Text1) b->setForeColor(fore);
    const OLE_COLOR keep = BackColor_;
    BackColor_ = back;
    Repaint();
    BackColor_ = keep;
}

// Through the control's window, so that the form knows which control has the focus; its
// procedure hands the focus to the shown box.
void ZynTextBox::FocusBox() {
    if (!box().hasFocus()) platform::SetFocus(surface().hWnd());
}

// ---- The surface: legend and frame ------------------------------------------------------------

void ZynTextBox::MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
    RaiseEvent("LegendMouseDown", Button, Shift, X, Y);
}

void ZynTextBox::MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
    RaiseEvent("LegendMouseMove", Button, Shift, X, Y);
    SurfaceCursor(X);
}

void ZynTextBox::MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
    RaiseEvent("LegendMouseUp", Button, Shift, X, Y);
}

// The event first, then the focus to box 0 when it can take it.
void ZynTextBox::Click() {
    RaiseEvent("LegendClick");
    if (Terminating_ || !Text1[0]) return;
    if (Text1[0]->Enabled() && !Text1[0]->Locked() && !Multiline_) FocusBox();
}

void ZynTextBox::DblClick() { RaiseEvent("LegendDblClick"); }

// ---- Cursors ------------------------------------------------------------------------------------------

namespace {

// The custom icon with "Cursor : Icon" (32641), otherwise the system cursor of that number;
// a number that names no system cursor loads nothing.
HCURSOR Chosen(const StdPicturePtr& icon, std::int32_t pointer) {
    if (icon && pointer == 32641) return reinterpret_cast<HCURSOR>(icon->Handle());
    return LoadCursorA(nullptr, MAKEINTRESOURCEA(pointer));
}

void SetCursorIf(HCURSOR c) {
    if (c && c != GetCursor()) SetCursor(c);
}

}  // namespace

// Over a box with MousePointer 0 the box keeps its own cursor.
void ZynTextBox::EditCursor() { SetCursorIf(Chosen(MouseIcon_, MousePointer_)); }

void ZynTextBox::SurfaceCursor(float X) {
    if (X >= static_cast<float>(box().Left()))
        SetCursorIf(MousePointer_ == 0 ? LoadCursorA(nullptr, IDC_IBEAM) : Chosen(MouseIcon_, MousePointer_));
    else
        SetCursorIf(Chosen(LegendMouseIcon_, LegendMousePointer_));
}

}  // namespace ulmaro
