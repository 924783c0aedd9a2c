// The part the check box and the option button share: caption, focus rectangle, keys,
// the press, and the hover timer.
#include "checkoption/glyph_button.h"

#include "framework/variant.h"

namespace ulmaro {

using namespace platform;

namespace {

LONG Round(double v) { return static_cast<LONG>(roundHalfEven(v)); }

}  // namespace

bool AccessKeyOfCaption(const std::string& c, std::string& key) {
    std::size_t amp = c.find('&');
    if (amp == std::string::npos || amp == c.size() - 1) return false;
    key.assign(1, c[amp + 1]);
    while (key == "&") {
        std::size_t next = c.find('&', amp + 2);
        if (next != std::string::npos && next < c.size() - 1) {
            amp = next;
            key.assign(1, c[amp + 1]);
        } else {
            key.clear();
        }
    }
    return true;
}

GlyphButton::GlyphButton(const glyphs::StripPixels& strip) : Image1(strip), Timer1("Timer1", 1, [this] { Timer1_Timer(); }) {
    addTimer(Timer1);
}

// ---- Shared properties -----------------------------------------------------------------------------

void GlyphButton::setCaption(std::string v) {
    Caption_ = std::move(v);
    std::string key;
    if (AccessKeyOfCaption(Caption_, key)) surface().setAccessKeys(key);
    PropertyChanged("Caption");
    Paint();
}

void GlyphButton::setForeColor(OLE_COLOR v) {
    surface().setForeColor(v);
    PropertyChanged("ForeColor");
    Paint();
}

void GlyphButton::setBackStyle(std::int32_t v) {
    BackStyle_ = v;
    PropertyChanged("BackStyle");
    Paint();
}

std::int32_t GlyphButton::hwnd() const {
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(surface().hWnd()));
}

// ---- Drawing -----------------------------------------------------------------------------------------

std::int32_t GlyphButton::GlyphTop() const { return Round((surface().ScaleHeight() - 13) / 2.0); }

float GlyphButton::CaptionTop() {
    Surface& s = surface();
    return (static_cast<float>(s.ScaleHeight()) - s.TextHeight(Caption_)) / 2;
}

void GlyphButton::Paint() {
    Surface& s = surface();
    s.Cls();
    s.setCurrentY(CaptionTop());
    s.setCurrentX(20);
    RECT r{Round(s.CurrentX()), Round(s.CurrentY()), Round(s.CurrentX() + s.TextWidth(Caption_)),
           Round(s.CurrentY() + s.TextHeight(Caption_))};
    DrawTextA(s.hDC(), Caption_.c_str(), static_cast<int>(Caption_.size()), &r, DT_CENTER);
    DrawGlyph(GlyphIndex_);
    if (HasFocus_) GotFocus();
    if (BackStyle_ != 0) {
        s.setBackStyle(1);
    } else {
        // Whatever is drawn in the back colour becomes see-through.
        s.setBackStyle(0);
        s.setMaskColor(s.BackColor());
        s.setMaskPicture(s.Image());
    }
}

// Never smaller than the glyph.
void GlyphButton::Resize() {
    Surface& s = surface();
    if (s.ScaleHeight() < 13) s.setHeight(static_cast<std::int32_t>(s.ScaleY(13, 3, 1)));
    if (s.ScaleWidth() < 13) s.setWidth(static_cast<std::int32_t>(s.ScaleX(13, 3, 1)));
    Paint();
}

// The glyph for the value and the pointer: disabled, hot while the pointer is over the
// control, normal otherwise; the checked cells only for Value 1.
void GlyphButton::DrawGlyphForState() {
    const std::int16_t checked = Value_ == vbChecked ? 4 : 0;
    if (!Enabled_)
        DrawGlyph(static_cast<std::int16_t>(checked + 3));
    else if (IsOver_)
        DrawGlyph(static_cast<std::int16_t>(checked + 1));
    else
        DrawGlyph(checked);
}

// ---- Focus ---------------------------------------------------------------------------------------------

// A disabled control does not keep the focus: it passes it on to the next control.
void GlyphButton::GotFocus() {
    if (!Enabled_) {
        SendKeys("{Tab}");
        return;
    }
    HasFocus_ = true;
    Surface& s = surface();
    const std::string& c = Caption_;
    const LONG top = Round((static_cast<float>(s.ScaleHeight()) - s.TextHeight(c)) / 2);
    RECT r{17, top, Round(s.TextWidth(c) + 23), Round(top + s.TextHeight(c))};
    DrawFocusRect(s.hDC(), &r);
}

void GlyphButton::LostFocus() {
    HasFocus_ = false;
    Paint();
}

// ---- Keys ------------------------------------------------------------------------------------------------

// Space presses like the mouse at (0, 0); the arrows move the focus as Tab and Shift+Tab do.
void GlyphButton::KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
    RaiseEvent("KeyDown", KeyCode, Shift);
    switch (KeyCode) {
        case 32:
            KeyPressed_ = true;
            RunMouseDown(1, 0, 0, 0);
            break;
        case 37:
        case 38: SendKeys("+{Tab}"); break;
        case 39:
        case 40: SendKeys("{Tab}"); break;
        default: break;
    }
}

void GlyphButton::KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
    RaiseEvent("KeyUp", KeyCode, Shift);
    if (KeyCode == 32) {
        KeyPressed_ = false;
        RunMouseUp(0, 0, 0, 0);
    }
}

void GlyphButton::KeyPress(std::int16_t& KeyAscii) { RaiseEvent("KeyPress", KeyAscii); }

// ---- Mouse -------------------------------------------------------------------------------------------------

// Any button but the right one shows the pressed glyph.
void GlyphButton::MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
    RaiseEvent("MouseDown", Button, Shift, X, Y);
    if (Button != 2 && Enabled_) DrawGlyph(Value_ == vbChecked ? 6 : 2);
}

void GlyphButton::Click() { RaiseEvent("Click"); }

void GlyphButton::RunMouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) { MouseDown(Button, Shift, X, Y); }
void GlyphButton::RunMouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) { MouseMove(Button, Shift, X, Y); }
void GlyphButton::RunMouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) { MouseUp(Button, Shift, X, Y); }

// ---- Hover tracking ---------------------------------------------------------------------------------------

void GlyphButton::Show() {
    if (Ambient().UserMode) {
        IsOver_ = true;
        Timer1.setEnabled(true);
    }
}

// While the pointer is over the window and nothing lies above it there, the control holds
// the capture, so that its MouseMove keeps coming and shows the hot glyph. On the way out it
// draws the normal glyph and lets the capture go.
void GlyphButton::Timer1_Timer() {
    if (!TimerMayRun()) return;
    const HWND h = surface().hWnd();
    POINT pt{};
    GetCursorPos(&pt);
    RECT r{};
    GetWindowRect(h, &r);
    if (PtInRect(&r, pt)) {
        if (WindowFromPoint(pt) == h) {
            SetCapture(h);
            IsOver_ = true;
            Paint();
        } else if (IsOver_) {
            IsOver_ = false;
            ReleaseCapture();
        }
    } else {
        if (IsOver_) {
            Paint();
            DrawGlyph(Value_ == vbChecked ? 4 : 0);
            ReleaseCapture();
        }
        IsOver_ = false;
    }
}

void GlyphButton::Terminate() {
    Timer1.setEnabled(false);
    if (GetCapture() == surface().hWnd()) ReleaseCapture();
}

}  // namespace ulmaro
