// ZynLabel: properties, transparent mode, persistence and the published table.
#include "label/zyn_label.h"

#include "framework/colors.h"
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

Variant ColorValue(OLE_COLOR c) { return Variant(static_cast<std::int32_t>(c)); }

}  // namespace

ZynLabel::ZynLabel() : Timer1("Timer1", 1, [this] { Timer1_Timer(); }) { addTimer(Timer1); }

ClassInfo ZynLabel::describe() {
    using C = ZynLabel;
    MemberInfo refresh;
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
        .property<&C::hDc>("hDc")
        .property<&C::hwnd>("hwnd")
        .property<&C::BackStyle, &C::setBackStyle>("BackStyle", "BackStyleEnum")
        .property<&C::AutoSize, &C::setAutoSize>("AutoSize")
        .property<&C::Appearance, &C::setAppearance>("Appearance", "AppearanceConstants")
        .property<&C::BorderStyle, &C::setBorderStyle>("BorderStyle", "BorderStyleConstants")
        .property<&C::ForeColor, &C::setForeColor>("ForeColor")
        .property<&C::Caption, &C::setCaption>("Caption")
        .property<&C::Font, &C::setFont>("Font")
        .property<&C::Text, &C::setText>("Text")
        .property<&C::BackColor, &C::setBackColor>("BackColor")
        .member(std::move(refresh))
        .event(1, "Change")
        .event(2, "MouseDown", mouse)
        .event(3, "MouseUp", mouse)
        .event(4, "MouseMove", mouse)
        .event(5, "Click")
        .event(6, "DblClick")
        .event(7, "LinkClick", {ParamInfo{"LinkName", VarType::String, true}})
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

void ZynLabel::InitProperties() {
    Ready = false;
    AmbientProperties ambient = Ambient();
    setBackColor(ambient.BackColor);
    setCaption(ambient.DisplayName);
    setForeColor(ambient.ForeColor);
    setAutoSize(false);
    setBackStyle(1);
    // Only the face name comes from the ambient font; size and style stay the surface's.
    if (ambient.Font) surface().Font()->SetName(ambient.Font->Name());
    setBorderStyle(0);
    setAppearance(1);
    Ready = true;
    Refresh();
}

void ZynLabel::ReadProperties(PropertyBag& bag) {
    Ready = false;
    AmbientProperties ambient = Ambient();
    setBackColor(bag.ReadProperty("BackColor", ColorValue(ambient.BackColor)).toColor());
    setBackStyle(bag.ReadProperty("BackStyle", static_cast<std::int32_t>(1)).toInt32());
    setForeColor(bag.ReadProperty("ForeColor", ColorValue(ambient.ForeColor)).toColor());
    setCaption(bag.ReadProperty("Caption", ambient.DisplayName).toString());
    setAutoSize(bag.ReadProperty("AutoSize", false).toBool());
    setAppearance(bag.ReadProperty("Appearance", static_cast<std::int32_t>(1)).toInt32());
    setBorderStyle(bag.ReadProperty("BorderStyle", static_cast<std::int32_t>(0)).toInt32());
    setFont(bag.ReadProperty("Font", Variant(ambient.Font)).toFont());
    Ready = true;
    Refresh();
}

void ZynLabel::WriteProperties(PropertyBag& bag) {
    AmbientProperties ambient = Ambient();
    bag.WriteProperty("BackColor", ColorValue(BackColor_), ColorValue(ambient.BackColor));
    bag.WriteProperty("ForeColor", ColorValue(ForeColor()), ColorValue(ambient.ForeColor));
    bag.WriteProperty("Caption", Caption_, ambient.DisplayName);
    bag.WriteProperty("AutoSize", AutoSize_, false);
    bag.WriteProperty("BackStyle", BackStyle_, static_cast<std::int32_t>(1));
    bag.WriteProperty("Font", Variant(Font()), Variant(ambient.Font));
    bag.WriteProperty("Appearance", static_cast<std::int32_t>(Appearance()), static_cast<std::int32_t>(1));
    bag.WriteProperty("BorderStyle", static_cast<std::int32_t>(BorderStyle()), static_cast<std::int32_t>(0));
}

}  // namespace ulmaro
