// ZynTextBox: focus behaviour, keys and the key filter, the mouse on the boxes and on the
// surface, and cursors.
#include "textbox/zyn_text_box.h"

#include "framework/colors.h"

#include <ulmaro/platform/host.h>

#include <algorithm>
#include <cctype>

namespace ulmaro {

using namespace platform;

// ---- Focus ---------------------------------------------------------------------------------------------

// The host gives the control the focus; the control passes it to the box it shows.
void ZynTextBox::GotFocus() {
    if (Text1[0]) box().SetFocus();
}

void ZynTextBox::LostFocus() {
    for (auto& b : Text1)
        if (b && b->hasFocus()) b->deliver(WM_KILLFOCUS, 0, 0);
}

void ZynTextBox::BoxGotFocus() {
    // A locked box passes the focus on at once.
    if (box().Locked()) {
        SendKeys(std::string(1, '\t'));
        return;
    }
    if (SelectOnFocus_) SelectText(0, -1);
    if (ShowFocus_) ApplyFocusColors(true);
    // The TAB key then reaches the multi-line box instead of moving the focus.
    if (Multiline_) SetFormTabStops(false);
}

void ZynTextBox::BoxLostFocus() {
    if (Multiline_) SetFormTabStops(true);
    if (ShowFocus_) ApplyFocusColors(false);
}

void ZynTextBox::SetFormTabStops(bool on) {
    for (Control* c : ParentControls()) {
        try {
            c->setProperty("TabStop", Variant(on));
        } catch (...) {
            // A control without a tab stop keeps none.
        }
    }
}

void ZynTextBox::ApplyFocusColors(bool focused) {
    const OLE_COLOR back = focused ? FocusBackColor_ : BackColor_;
    // ForeColor reads box 0, which shows the focus colour meanwhile: the user's colour is
    // the one kept in the field.
    const OLE_COLOR fore = focused ? FocusForeColor_ : ForeColor_;
    for (auto& b : Text1) b->setBackColor(back);
    surface().setBackColor(back);
    for (auto& b : Text1) b->setForeColor(fore);
    const OLE_COLOR keep = BackColor_;
    BackColor_ = back;
    Repaint();
    BackColor_ = keep;
}

// ---- Keys -------------------------------------------------------------------------------------------------

// Keys reach the control while one of its boxes holds the focus: they belong to that box.
void ZynTextBox::KeyDown(std::int16_t& KeyCode, std::int16_t&) {
    for (auto& b : Text1)
        if (b && b->hasFocus()) return void(b->deliver(WM_KEYDOWN, static_cast<WPARAM>(static_cast<std::uint16_t>(KeyCode)), 0));
}

void ZynTextBox::KeyUp(std::int16_t& KeyCode, std::int16_t&) {
    for (auto& b : Text1)
        if (b && b->hasFocus()) return void(b->deliver(WM_KEYUP, static_cast<WPARAM>(static_cast<std::uint16_t>(KeyCode)), 0));
}

void ZynTextBox::KeyPress(std::int16_t& KeyAscii) {
    for (auto& b : Text1)
        if (b && b->hasFocus()) return void(b->deliver(WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(KeyAscii)), 0));
}

namespace {

// Whether `list` holds the character, letter case ignored.
bool Holds(const std::string& list, std::int16_t k) {
    const auto c = static_cast<unsigned char>(k & 0xFF);
    return std::any_of(list.begin(), list.end(), [c](char m) {
        return std::tolower(static_cast<unsigned char>(m)) == std::tolower(c);
    });
}

}  // namespace

void ZynTextBox::FilterKey(std::int16_t& KeyAscii) {
    if (KeyAscii == 9) {
        EditBox& ml = *Text1[1];
        const bool shift = GetKeyState(VK_SHIFT) < 0;
        if (ml.SelLength() != 0) {
            IndentLines(shift);
            KeyAscii = 0;
        } else if (shift) {
            // Remove the indentation just after the caret.
            const std::string t = ml.Text();
            const auto at = static_cast<std::size_t>(ml.SelStart());
            auto deleteAfterCaret = [&] {
                ml.setSelLength(1);
                ml.setSelText("");
            };
            if (at < t.size() && t[at] == '\t') {
                deleteAfterCaret();
            } else {
                for (int i = 0; i < TabSize_; ++i) {
                    const std::string now = ml.Text();
                    if (static_cast<std::size_t>(ml.SelStart()) < now.size() && now[static_cast<std::size_t>(ml.SelStart())] == ' ')
                        deleteAfterCaret();
                }
            }
            KeyAscii = 0;
        }
    }
    RaiseEvent("KeyPress", KeyAscii);
    if (KeyAscii == 8 || KeyAscii == 13 || KeyAscii == 3 || KeyAscii == 24 || KeyAscii == 22) return;
    if (Filter_ && !FilterForbid_.empty() && Holds(FilterForbid_, KeyAscii)) {
        std::int16_t k = KeyAscii;
        RaiseEvent("ForbidKey", k);
        KeyAscii = 0;
        return;
    }
    if (Filter_ && !FilterAllow_.empty() && !Holds(FilterAllow_, KeyAscii)) {
        std::int16_t k = KeyAscii;
        RaiseEvent("ForbidKey", k);
        KeyAscii = 0;
    }
}

// TAB with lines selected in the multi-line box: indent (Shift up) or unindent (Shift down)
// every line the selection touches. The new lines replace the selected text.
void ZynTextBox::IndentLines(bool unindent) {
    EditBox& ml = *Text1[1];
    const std::int32_t s = ml.SelStart(), n = ml.SelLength();
    const std::int32_t first = ml.send(EM_LINEFROMCHAR, static_cast<WPARAM>(s));
    const std::int32_t last = ml.send(EM_LINEFROMCHAR, static_cast<WPARAM>(s + n));
    std::string T;
    std::int32_t count = 0;
    for (std::int32_t L = first; L <= last; ++L) {
        const std::size_t start = static_cast<std::size_t>(ml.send(EM_LINEINDEX, static_cast<WPARAM>(L)));
        std::string line = ml.Text().substr(start, static_cast<std::size_t>(ml.send(EM_LINELENGTH, start)));
        if (!unindent) {
            T += "\t" + line + "\r\n";
            ++count;
            continue;
        }
        if (!line.empty() && line[0] == '\t') {
            line.erase(0, 1);
            ++count;
        } else {
            for (int i = 0; i < TabSize_; ++i)
                if (!line.empty() && line[0] == ' ') {
                    line.erase(0, 1);
                    ++count;
                }
        }
        T += line + "\r\n";
    }
    ml.setSelText(T.substr(0, T.size() - 2));
    ml.send(EM_SETSEL, static_cast<WPARAM>(s), s + (unindent ? n - count : n + count));
    ml.send(EM_SCROLLCARET);
}

// ---- Mouse ---------------------------------------------------------------------------------------------

EditBox* ZynTextBox::boxAt(float X, float Y) const {
    if (pressedBox_) return pressedBox_;
    EditBox& b = box();
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    const bool hasRegion = GetWindowRgn(b.hWnd(), rgn) != ERROR;
    const int x = static_cast<int>(X) - b.Left(), y = static_cast<int>(Y) - b.Top();
    const bool inside = x >= 0 && y >= 0 && x < b.Width() && y < b.Height() && (!hasRegion || PtInRegion(rgn, x, y));
    DeleteObject(rgn);
    return inside ? &b : nullptr;
}

namespace {
LPARAM PointIn(const EditBox& b, float X, float Y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<int>(X) - b.Left()), static_cast<WORD>(static_cast<int>(Y) - b.Top()));
}
WPARAM Keys(std::int16_t Button, std::int16_t Shift) {
    return static_cast<WPARAM>((Button & 1 ? MK_LBUTTON : 0) | (Shift & 1 ? MK_SHIFT : 0) | (Shift & 2 ? MK_CONTROL : 0));
}
}  // namespace

void ZynTextBox::MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
    if (EditBox* b = boxAt(X, Y)) {
        if (Button == 1) {
            pressedBox_ = b;
            b->deliver(WM_LBUTTONDOWN, Keys(Button, Shift), PointIn(*b, X, Y));
        }
        return;
    }
    RaiseEvent("LegendMouseDown", Button, Shift, X, Y);
}

void ZynTextBox::MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
    if (EditBox* b = boxAt(X, Y)) return void(b->deliver(WM_MOUSEMOVE, Keys(Button, Shift), PointIn(*b, X, Y)));
    RaiseEvent("LegendMouseMove", Button, Shift, X, Y);
    SurfaceCursor(X);
}

void ZynTextBox::MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
    if (EditBox* b = boxAt(X, Y)) {
        if (Button == 1) {
            pressedBox_ = nullptr;
            b->deliver(WM_LBUTTONUP, Keys(0, Shift), PointIn(*b, X, Y));
        }
        return;
    }
    RaiseEvent("LegendMouseUp", Button, Shift, X, Y);
}

// A click on the surface (legend and frame): the event, then the focus to box 0 when it
// can take it.
void ZynTextBox::Click() {
    POINT pt{};
    GetCursorPos(&pt);
    ScreenToClient(surface().hWnd(), &pt);
    if (boxAt(static_cast<float>(pt.x), static_cast<float>(pt.y))) return;
    RaiseEvent("LegendClick");
    if (Text1[0]->Enabled() && !Text1[0]->Locked() && !Multiline_) Text1[0]->SetFocus();
}

void ZynTextBox::DblClick() {
    POINT pt{};
    GetCursorPos(&pt);
    ScreenToClient(surface().hWnd(), &pt);
    if (EditBox* b = boxAt(static_cast<float>(pt.x), static_cast<float>(pt.y))) {
        pressedBox_ = b;
        b->deliver(WM_LBUTTONDBLCLK, MK_LBUTTON, PointIn(*b, static_cast<float>(pt.x), static_cast<float>(pt.y)));
        return;
    }
    RaiseEvent("LegendDblClick");
}

// ---- Cursors ------------------------------------------------------------------------------------------

void ZynTextBox::SetCursorIf(HCURSOR c) {
    if (c && c != GetCursor()) SetCursor(c);
}

namespace {
HCURSOR Chosen(const StdPicturePtr& icon, std::int32_t pointer) {
    if (icon && pointer == 32641) return reinterpret_cast<HCURSOR>(icon->Handle());
    return LoadCursorA(nullptr, MAKEINTRESOURCEA(pointer));
}
}  // namespace

// Over a box: the box keeps its own cursor (the I-beam) when MousePointer is 0.
void ZynTextBox::EditCursor() {
    if (MousePointer_ == 0) {
        SetCursorIf(LoadCursorA(nullptr, IDC_IBEAM));
        return;
    }
    SetCursorIf(Chosen(MouseIcon_, MousePointer_));
}

void ZynTextBox::SurfaceCursor(float X) {
    if (X >= static_cast<float>(box().Left()))
        SetCursorIf(MousePointer_ == 0 ? LoadCursorA(nullptr, IDC_IBEAM) : Chosen(MouseIcon_, MousePointer_));
    else
        SetCursorIf(Chosen(LegendMouseIcon_, LegendMousePointer_));
}

}  // namespace ulmaro
