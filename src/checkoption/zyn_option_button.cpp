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
    b.property<&C::Caption, &C::setCaption>(1, "Caption").key().byDefault(AmbientValue::DisplayName)
        .property<&C::Font, &C::setFont>(2, "Font").key().byDefault(AmbientValue::Font)
        .property<&C::ForeColor, &C::setForeColor>(3, "ForeColor").key().byDefault(AmbientValue::ForeColor)
        .property<&C::BackColor, &C::setBackColor>(4, "BackColor").key().byDefault(AmbientValue::BackColor)
        .property<&C::Enabled, &C::setEnabled>(5, "Enabled").key().byDefault(true)
        .property<&C::Value, &C::setValue>(6, "Value").enumType("CheckBoxValue").key().byDefault(std::int32_t{vbUnchecked})
        .property<&C::BackStyle, &C::setBackStyle>(7, "BackStyle").enumType("BackStyleEnum").key().byDefault(std::int32_t{1})
        .property<&C::hwnd>(8, "hwnd").runtimeOnly()
        .property<&C::Group, &C::setGroup>(9, "Group").key().byDefault(std::int16_t{0})
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

void ZynOptionButton::InitProperties() {
    applyDefaults({"Enabled", "Value", "Caption", "Font", "BackColor", "Group", "BackStyle", "ForeColor"});
}

void ZynOptionButton::ReadProperties(PropertyBag& bag) {
    readFrom(bag, {"Enabled", "BackStyle", "Group", "Value", "Caption", "Font", "BackColor", "ForeColor"});
}

void ZynOptionButton::WriteProperties(PropertyBag& bag) {
    writeTo(bag, {"Enabled", "BackStyle", "Group", "Value", "Caption", "Font", "BackColor", "ForeColor"});
}

}  // namespace ulmaro
