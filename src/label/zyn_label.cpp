// ZynLabel: properties, transparent mode, persistence and the published table.
#include "label/zyn_label.h"

#include "framework/colors.h"
#include "framework/standard_enums.h"
#include "framework/std_font.h"

#include <limits>

namespace ulmaro {

using namespace platform;

namespace {

// The surface keeps Appearance and BorderStyle as Integers: wider values overflow.
std::int16_t NarrowToInteger(std::int32_t v) {
    if (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max())
        throw RuntimeError(errors::Overflow);
    return static_cast<std::int16_t>(v);
}

std::int32_t HandleValue(const void* handle) {
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(handle));
}

}  // namespace

ZynLabel::ZynLabel() : Timer1("Timer1", 1, [this] { Timer1_Timer(); }) { addTimer(Timer1); }

ClassInfo ZynLabel::describe() {
    using C = ZynLabel;
    MemberInfo refresh;
    refresh.dispid = 12;
    refresh.name = "Refresh";
    refresh.kind = MemberInfo::Kind::Method;
    refresh.params = {ParamInfo{"Clear", VarType::Boolean, true, true, Variant(true)}};
    refresh.get = [](Control& c, std::vector<Variant>& args) {
        bool Clear = args.empty() || args[0].isEmpty() ? true : args[0].toBool();
        static_cast<C&>(c).Refresh(Clear);
        if (!args.empty()) args[0] = Variant(Clear);
        return Variant();
    };
    const std::vector<ParamInfo> mouse{ParamInfo{"Button", VarType::Integer, true}, ParamInfo{"Shift", VarType::Integer, true},
                                       ParamInfo{"X", VarType::Single, true}, ParamInfo{"Y", VarType::Single, true}};
    return ClassBuilder<C>("ZynLabel", "Label with inline mark-up and named links")
        .property<&C::hDc>(1, "hDc").runtimeOnly()
        .property<&C::hwnd>(2, "hwnd").runtimeOnly()
        .property<&C::BackStyle, &C::setBackStyle>(3, "BackStyle").enumType("BackStyleEnum").key().byDefault(1)
        .property<&C::AutoSize, &C::setAutoSize>(4, "AutoSize").key().byDefault(false)
        .property<&C::Appearance, &C::setAppearance>(5, "Appearance").enumType("AppearanceConstants").key().byDefault(1)
        .property<&C::BorderStyle, &C::setBorderStyle>(6, "BorderStyle").enumType("BorderStyleConstants").key().byDefault(0)
        .property<&C::ForeColor, &C::setForeColor>(7, "ForeColor").key().byDefault(AmbientValue::ForeColor)
        .property<&C::Caption, &C::setCaption>(8, "Caption").key().byDefault(AmbientValue::DisplayName)
        .property<&C::Font, &C::setFont>(9, "Font").key().byDefault(AmbientValue::Font)
        .property<&C::Text, &C::setText>(10, "Text").runtimeOnly()
        .property<&C::BackColor, &C::setBackColor>(11, "BackColor").key().byDefault(AmbientValue::BackColor)
        .member(std::move(refresh))
        .event(1, "Change")
        .event(2, "MouseDown", mouse)
        .event(3, "MouseUp", mouse)
        .event(4, "MouseMove", mouse)
        .event(5, "Click")
        .event(6, "DblClick")
        .event(7, "LinkClick", {ParamInfo{"LinkName", VarType::String, true}})
        .enumeration(BackStyleEnum())
        .enumeration(AppearanceConstants())
        .enumeration(BorderStyleConstants())
        // A label never takes the focus.
        .flags(true, false)
        .build();
}

// ---- Properties -----------------------------------------------------------------------------------

std::int32_t ZynLabel::hDc() { return HandleValue(surface().hDC()); }

std::int32_t ZynLabel::hwnd() const { return HandleValue(surface().hWnd()); }

// Transparent mode: the surface shows only what differs from the back colour in the picture
// drawn so far; at run time the hover timer keeps the mouse messages coming to the label.
void ZynLabel::setBackStyle(std::int32_t v) {
    BackStyle_ = v;
    Surface& s = surface();
    if (v != 0) {
        s.setBackStyle(1);
        Timer1.setEnabled(false);
        // An opaque label no longer needs the capture the hover timer took for it.
        if (Captured) {
            if (GetCapture() == s.hWnd()) ReleaseCapture();
            Captured = false;
        }
    } else {
        s.setMaskColor(s.BackColor());
        s.setMaskPicture(s.Image());
        s.setBackStyle(0);
        if (Ambient().UserMode) Timer1.setEnabled(true);
    }
    PropertyChanged("BackStyle");
}

void ZynLabel::setAutoSize(bool v) {
    AutoSize_ = v;
    if (v) Refresh();
}

void ZynLabel::setAppearance(std::int32_t v) {
    surface().setAppearance(NarrowToInteger(v));
    Refresh();
}

void ZynLabel::setBorderStyle(std::int32_t v) {
    surface().setBorderStyle(NarrowToInteger(v));
    Refresh();
}

void ZynLabel::setForeColor(OLE_COLOR v) {
    surface().setForeColor(v);
    PropertyChanged("ForeColor");
    Refresh();
}

void ZynLabel::setCaption(std::string v) {
    Caption_ = std::move(v);
    Resize();
    RaiseEvent("Change");
}

void ZynLabel::setFont(std::shared_ptr<StdFont> f) {
    // The label changes its font's attributes while it draws: it keeps its own copy.
    surface().setFont(f ? f->Clone() : nullptr);
    Refresh();
}

// The text given becomes the caption, mark-up and all; Text reads back the plain text.
void ZynLabel::setText(std::string v) {
    Caption_ = std::move(v);
    Refresh();
}

void ZynLabel::setBackColor(OLE_COLOR v) {
    BackColor_ = v;
    surface().setBackColor(static_cast<OLE_COLOR>(TranslateColor(v)));
    Refresh();
}

// ---- Persistence --------------------------------------------------------------------------------------

// The label's own key orders; keys and defaults come from describe().
void ZynLabel::InitProperties() {
    Ready = false;
    applyDefaults({"BackColor", "Caption", "ForeColor", "AutoSize", "BackStyle"});
    // Only the face name comes from the ambient font; size and style stay the surface's.
    if (std::shared_ptr<StdFont> ambientFont = Ambient().Font) surface().Font()->SetName(ambientFont->Name());
    applyDefaults({"BorderStyle", "Appearance"});
    Ready = true;
    Refresh();
}

void ZynLabel::ReadProperties(PropertyBag& bag) {
    Ready = false;
    readFrom(bag, {"BackColor", "BackStyle", "ForeColor", "Caption", "AutoSize", "Appearance", "BorderStyle", "Font"});
    Ready = true;
    Refresh();
}

void ZynLabel::WriteProperties(PropertyBag& bag) {
    writeTo(bag, {"BackColor", "ForeColor", "Caption", "AutoSize", "BackStyle", "Font", "Appearance", "BorderStyle"});
}

}  // namespace ulmaro
