// ZynCheckBox: properties, glyph, input and persistence.
#include "checkoption/zyn_check_box.h"

#include "framework/std_font.h"
#include "framework/variant.h"

namespace ulmaro {

using namespace platform;

ZynCheckBox::ZynCheckBox() : GlyphButton(glyphs::kCheckBoxStrip) {}

ClassInfo ZynCheckBox::describe() {
    using C = ZynCheckBox;
    ClassBuilder<C> b("ZynCheckBox", "Owner-drawn check box");
    b.property<&C::Caption, &C::setCaption>(1, "Caption").key().byDefault(AmbientValue::DisplayName)
        .property<&C::Font, &C::setFont>(2, "Font").key().byDefault(AmbientValue::Font)
        .property<&C::BackColor, &C::setBackColor>(3, "BackColor").key().byDefault(AmbientValue::BackColor)
        .property<&C::ForeColor, &C::setForeColor>(4, "ForeColor").key().byDefault(AmbientValue::ForeColor)
        .property<&C::BackStyle, &C::setBackStyle>(5, "BackStyle").enumType("BackStyleEnum").key().byDefault(std::int32_t{1})
        .property<&C::Enabled, &C::setEnabled>(6, "Enabled").key().byDefault(true)
        .property<&C::Value, &C::setValue>(7, "Value").enumType("CheckBoxValue").key().byDefault(std::int32_t{vbUnchecked})
        .property<&C::hwnd>(8, "hwnd").runtimeOnly()
        .event(1, "Changed", {ParamInfo{"Value", VarType::Long, true}, ParamInfo{"Cancel", VarType::Boolean, true}});
    return AddInputEvents(b).build();
}

// ---- Properties ------------------------------------------------------------------------------------

void ZynCheckBox::setFont(std::shared_ptr<StdFont> f) {
    surface().setFont(f ? f->Clone() : nullptr);
    Resize();
    PropertyChanged("Font");
}

void ZynCheckBox::setBackColor(OLE_COLOR v) {
    surface().setBackColor(v);
    PropertyChanged("BackColor");
    Paint();
}

// Enabling and disabling also set the caption's colour, through ForeColor: a colour the
// user chose is replaced, and saved with the form.
void ZynCheckBox::setEnabled(bool v) {
    Enabled_ = v;
    if (v) {
        RunMouseMove(0, 0, 0, 0);
        setForeColor(0x80000012);
    } else {
        setForeColor(0x80000011);
        DrawGlyph(Value_ == vbChecked ? 7 : 3);
    }
    Paint();
    PropertyChanged("Enabled");
}

// Changed comes first: its handler may cancel, or replace the new value (2, grayed, is
// stored as it is and drawn unchecked).
void ZynCheckBox::setValue(std::int32_t NewValue) {
    bool Cancel = false;
    RaiseEvent("Changed", NewValue, Cancel);
    if (Cancel) return;
    Value_ = NewValue;
    Paint();
    RunMouseMove(0, 0, 0, 0);
    PropertyChanged("Value");
}

// ---- Drawing ------------------------------------------------------------------------------------------

void ZynCheckBox::DrawGlyph(std::int16_t Index) {
    GlyphIndex_ = Index;
    HDC dc = surface().hDC();
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, Image1.bitmap());
    BitBlt(dc, 0, GlyphTop(), 13, 13, mem, 13 * Index, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
}

// ---- Input ----------------------------------------------------------------------------------------------

// While the left button or the space bar is down the pressed glyph stays.
void ZynCheckBox::MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
    RaiseEvent("MouseMove", Button, Shift, X, Y);
    if (Button != 1 && !KeyPressed_) DrawGlyphForState();
}

// The release toggles wherever the pointer is; the right button never does.
void ZynCheckBox::MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
    RaiseEvent("MouseUp", Button, Shift, X, Y);
    if (Button != 2 && Enabled_) {
        setValue(Value_ == vbChecked ? vbUnchecked : vbChecked);
        MouseMove(Button, Shift, X, Y);
    }
}

bool ZynCheckBox::TimerMayRun() { return Enabled_ && Ambient().UserMode; }

// ---- Persistence -------------------------------------------------------------------------------------------

// Every value goes through its property, which draws; Value raises Changed on the way.
void ZynCheckBox::InitProperties() {
    applyDefaults({"Enabled", "Value", "Caption", "Font", "BackColor", "ForeColor", "BackStyle"});
}

void ZynCheckBox::ReadProperties(PropertyBag& bag) {
    readFrom(bag, {"BackStyle", "Enabled", "Value", "Caption", "Font", "BackColor", "ForeColor"});
}

void ZynCheckBox::WriteProperties(PropertyBag& bag) {
    writeTo(bag, {"Enabled", "Value", "Caption", "Font", "BackColor", "BackStyle", "ForeColor"});
}

}  // namespace ulmaro
