// ZynOptionButton: properties, glyph, input, the group and persistence.
#include "checkoption/zyn_option_button.h"

#include "framework/blit_transparent.h"
#include "framework/std_font.h"
#include "framework/variant.h"

namespace ulmaro {

using namespace platform;

ZynOptionButton::ZynOptionButton() : GlyphButton(glyphs::kOptionButtonStrip) {}

ClassInfo ZynOptionButton::describe() {
    using C = ZynOptionButton;
    ClassBuilder<C> b("ZynOptionButton", "Owner-drawn option button; one selected per group");
    b.property<&C::Caption, &C::setCaption>("Caption")
        .property<&C::Font, &C::setFont>("Font")
        .property<&C::ForeColor, &C::setForeColor>("ForeColor")
        .property<&C::BackColor, &C::setBackColor>("BackColor")
        .property<&C::Enabled, &C::setEnabled>("Enabled")
        .property<&C::Value, &C::setValue>("Value", "CheckBoxValue")
        .property<&C::BackStyle, &C::setBackStyle>("BackStyle", "BackStyleEnum")
        .property<&C::hwnd>("hwnd")
        .property<&C::Group, &C::setGroup>("Group")
        .event(1, "Changed", {ParamInfo{"Value", VarType::Long, true}});
    return AddInputEvents(b).build();
}

// ---- Properties ------------------------------------------------------------------------------------

// The control grows to the caption's height (it does not shrink).
void ZynOptionButton::setFont(std::shared_ptr<StdFont> f) {
    Surface& s = surface();
    s.setFont(f ? f->Clone() : nullptr);
    const float textHeight = s.TextHeight(Caption_);
    if (static_cast<float>(s.ScaleHeight()) < textHeight)
        s.setHeight(static_cast<std::int32_t>(roundHalfEven(s.ScaleY(textHeight, 3, 1))));
    Paint();
    PropertyChanged("Font");
}

void ZynOptionButton::setBackColor(OLE_COLOR v) {
    surface().setBackColor(v);
    PropertyChanged("BackColor");
    surface().setMaskColor(v);
    Paint();
}

void ZynOptionButton::setEnabled(bool v) {
    Enabled_ = v;
    Paint();
    if (v) {
        RunMouseMove(0, 0, 0, 0);
        setForeColor(0x80000012);
    } else {
        setForeColor(0x80000011);
        DrawGlyph(Value_ == vbChecked ? 7 : 3);
    }
    PropertyChanged("Enabled");
}

// Changed cannot veto, but its handler may change the value. Selecting clears the rest of
// the group first (through the release handling, told not to raise MouseUp and not to
// select again); the glyph is then redrawn without a MouseMove event.
//
// Changed handlers of two buttons that both turn a cleared value back into 1 would clear each
// other for ever; the run time stops such a chain with its out-of-stack-space error.
void ZynOptionButton::setValue(std::int32_t NewValue) {
    constexpr int kOutOfStackSpace = 28;
    constexpr int kMaxNesting = 64;
    struct Nesting {
        int& depth;
        explicit Nesting(int& d) : depth(++d) {}
        ~Nesting() { --depth; }
    } nesting(valueDepth_);
    if (valueDepth_ > kMaxNesting) throw RuntimeError(kOutOfStackSpace, "Out of stack space");
    RaiseEvent("Changed", NewValue);
    Paint();
    if (NewValue == vbChecked) RunMouseUp(0, 0, kNoEvent, kNoEvent);
    Value_ = NewValue;
    RunMouseMove(0, 0, kNoEvent, kNoEvent);
    Paint();
    PropertyChanged("Value");
}

void ZynOptionButton::setGroup(std::int16_t v) {
    Group_ = v;
    PropertyChanged("Group");
}

// ---- Drawing ------------------------------------------------------------------------------------------

// The cell goes through a work bitmap of its own and is copied with blue see-through.
void ZynOptionButton::DrawGlyph(std::int16_t Index) {
    GlyphIndex_ = Index;
    HDC dest = surface().hDC();
    HDC stripDC = CreateCompatibleDC(dest);
    HDC workDC = CreateCompatibleDC(dest);
    HBITMAP work = CreateCompatibleBitmap(dest, 13, 13);
    HGDIOBJ oldStrip = SelectObject(stripDC, Image1.bitmap());
    HGDIOBJ oldWork = SelectObject(workDC, work);
    BitBlt(workDC, 0, 0, 13, 13, stripDC, 13 * Index, 0, SRCCOPY);
    std::int32_t x = 0, y = GlyphTop(), w = 13, h = 13, sx = 0, sy = 0;
    std::int32_t mask = static_cast<std::int32_t>(glyphs::kSeeThrough);
    BlitTransparent(dest, x, y, w, h, workDC, sx, sy, mask);
    SelectObject(workDC, oldWork);
    SelectObject(stripDC, oldStrip);
    DeleteObject(work);
    DeleteDC(workDC);
    DeleteDC(stripDC);
}

// ---- Input ----------------------------------------------------------------------------------------------

void ZynOptionButton::MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
    if (X != kNoEvent) RaiseEvent("MouseMove", Button, Shift, X, Y);
    if (Button != 1 && !KeyPressed_) DrawGlyphForState();
}

// Any button but the right one selects: the others of the group are cleared first, then
// this one is selected (unless Y is -1), wherever the pointer was released.
void ZynOptionButton::MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
    if (X != kNoEvent) RaiseEvent("MouseUp", Button, Shift, X, Y);
    if (Button != 2 && Enabled_) {
        ClearOthersOfGroup();
        if (Y != kNoEvent) setValue(vbChecked);
        MouseMove(Button, Shift, X, Y);
    }
}

// The other option buttons are reached only through the container's Controls collection,
// by class and member names. A button with this control's own name (this one, or an element
// of the same control array) is left alone.
void ZynOptionButton::ClearOthersOfGroup() {
    const std::string me = Ambient().DisplayName;
    for (Control* other : ParentControls()) {
        if (other->classInfo().name != "ZynOptionButton") continue;
        if (other->getProperty("Group").toInt16() != Group_) continue;
        if (other->name() == me) continue;
        other->setProperty("Value", Variant(std::int32_t{vbUnchecked}));
    }
}

// ---- Persistence -------------------------------------------------------------------------------------------

namespace {

Variant ColorValue(OLE_COLOR c) { return Variant(static_cast<std::int32_t>(c)); }

}  // namespace

void ZynOptionButton::InitProperties() {
    const AmbientProperties ambient = Ambient();
    setEnabled(true);
    setValue(vbUnchecked);
    setCaption(ambient.DisplayName);
    setFont(ambient.Font);
    setBackColor(ambient.BackColor);
    setGroup(0);
    setBackStyle(1);
    setForeColor(ambient.ForeColor);
}

void ZynOptionButton::ReadProperties(PropertyBag& bag) {
    const AmbientProperties ambient = Ambient();
    setEnabled(bag.ReadProperty("Enabled", true).toBool());
    setBackStyle(bag.ReadProperty("BackStyle", std::int32_t{1}).toInt32());
    setGroup(bag.ReadProperty("Group", std::int16_t{0}).toInt16());
    setValue(bag.ReadProperty("Value", std::int32_t{vbUnchecked}).toInt32());
    setCaption(bag.ReadProperty("Caption", ambient.DisplayName).toString());
    setFont(bag.ReadProperty("Font", Variant(ambient.Font)).toFont());
    setBackColor(bag.ReadProperty("BackColor", ColorValue(ambient.BackColor)).toColor());
    setForeColor(bag.ReadProperty("ForeColor", ColorValue(ambient.ForeColor)).toColor());
}

void ZynOptionButton::WriteProperties(PropertyBag& bag) {
    const AmbientProperties ambient = Ambient();
    bag.WriteProperty("Enabled", Enabled_, true);
    bag.WriteProperty("BackStyle", BackStyle_, std::int32_t{1});
    bag.WriteProperty("Group", Group_, std::int16_t{0});
    bag.WriteProperty("Value", Value_, std::int32_t{vbUnchecked});
    bag.WriteProperty("Caption", Caption_, ambient.DisplayName);
    bag.WriteProperty("Font", Variant(Font()), Variant(ambient.Font));
    bag.WriteProperty("BackColor", ColorValue(BackColor()), ColorValue(ambient.BackColor));
    bag.WriteProperty("ForeColor", ColorValue(ForeColor()), ColorValue(ambient.ForeColor));
}

}  // namespace ulmaro
