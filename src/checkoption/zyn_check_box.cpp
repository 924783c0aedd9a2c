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
    b.property<&C::Caption, &C::setCaption>("Caption")
        .property<&C::Font, &C::setFont>("Font")
        .property<&C::BackColor, &C::setBackColor>("BackColor")
        .property<&C::ForeColor, &C::setForeColor>("ForeColor")
        .property<&C::BackStyle, &C::setBackStyle>("BackStyle", "BackStyleEnum")
        .property<&C::Enabled, &C::setEnabled>("Enabled")
        .property<&C::Value, &C::setValue>("Value", "CheckBoxValue")
        .property<&C::hwnd>("hwnd")
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

namespace {

Variant ColorValue(OLE_COLOR c) { return Variant(static_cast<std::int32_t>(c)); }

}  // namespace

void ZynCheckBox::InitProperties() {
    const AmbientProperties ambient = Ambient();
    setEnabled(true);
    setValue(vbUnchecked);
    setCaption(ambient.DisplayName);
    setFont(ambient.Font);
    setBackColor(ambient.BackColor);
    setForeColor(ambient.ForeColor);
    setBackStyle(1);
}

// Every value goes through its property, which draws; Value raises Changed on the way.
void ZynCheckBox::ReadProperties(PropertyBag& bag) {
    const AmbientProperties ambient = Ambient();
    setBackStyle(bag.ReadProperty("BackStyle", std::int32_t{1}).toInt32());
    setEnabled(bag.ReadProperty("Enabled", true).toBool());
    setValue(bag.ReadProperty("Value", std::int32_t{vbUnchecked}).toInt32());
    setCaption(bag.ReadProperty("Caption", ambient.DisplayName).toString());
    setFont(bag.ReadProperty("Font", Variant(ambient.Font)).toFont());
    setBackColor(bag.ReadProperty("BackColor", ColorValue(ambient.BackColor)).toColor());
    setForeColor(bag.ReadProperty("ForeColor", ColorValue(ambient.ForeColor)).toColor());
}

void ZynCheckBox::WriteProperties(PropertyBag& bag) {
    const AmbientProperties ambient = Ambient();
    bag.WriteProperty("Enabled", Enabled_, true);
    bag.WriteProperty("Value", Value_, std::int32_t{vbUnchecked});
    bag.WriteProperty("Caption", Caption_, ambient.DisplayName);
    bag.WriteProperty("Font", Variant(Font()), Variant(ambient.Font));
    bag.WriteProperty("BackColor", ColorValue(BackColor()), ColorValue(ambient.BackColor));
    bag.WriteProperty("BackStyle", BackStyle_, std::int32_t{1});
    bag.WriteProperty("ForeColor", ColorValue(ForeColor()), ColorValue(ambient.ForeColor));
}

}  // namespace ulmaro
