// ZynFrame: properties, the Enabled push to contained controls, persistence and the
// published table.
#include "frame/zyn_frame.h"

namespace ulmaro {

using namespace platform;

ClassInfo ZynFrame::describe() {
    using C = ZynFrame;
    return ClassBuilder<C>("ZynFrame", "Titled frame with a shaded border that groups controls")
        .property<&C::Enabled, &C::setEnabled>("Enabled")
        .property<&C::Caption, &C::setCaption>("Caption")
        .property<&C::BackStyle, &C::setBackStyle>("BackStyle", "BackStyleEnum")
        .property<&C::BackColor, &C::setBackColor>("BackColor")
        .property<&C::BorderColor, &C::setBorderColor>("BorderColor")
        .property<&C::ForeColor, &C::setForeColor>("ForeColor")
        .property<&C::hwnd>("hwnd")
        // A frame holds controls and never takes the focus itself.
        .flags(true, false, true)
        .build();
}

std::int32_t ZynFrame::hwnd() const {
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(surface().hWnd()));
}

// ---- Properties -----------------------------------------------------------------------------------

void ZynFrame::setEnabled(bool v) {
    if (Ambient().UserMode && Shown) {
        setExtenderEnabled(v);
        for (Control* c : ContainedControls()) {
            try {
                c->setProperty("Enabled", Variant(v));
            } catch (const RuntimeError&) {
                // A control without an Enabled property keeps its state.
            }
        }
    }
    Enabled_ = v;
    PropertyChanged("Enabled");
}

void ZynFrame::setCaption(std::string v) {
    Caption_ = std::move(v);
    DrawFrame();
    PropertyChanged("Caption");
}

void ZynFrame::setBackStyle(std::int32_t v) {
    BackStyle_ = v;
    PropertyChanged("BackStyle");
    DrawFrame();
}

void ZynFrame::setBackColor(OLE_COLOR v) {
    BackColor_ = v;
    PropertyChanged("BackColor");
    DrawFrame();
}

void ZynFrame::setBorderColor(OLE_COLOR v) {
    BorderColor_ = v;
    PropertyChanged("BorderColor");
    DrawFrame();
}

void ZynFrame::setForeColor(OLE_COLOR v) {
    surface().setForeColor(v);
    PropertyChanged("ForeColor");
    DrawFrame();
}

void ZynFrame::Show() {
    Shown = true;
    setEnabled(Enabled_);
}

// ---- Persistence ------------------------------------------------------------------------------------

void ZynFrame::InitProperties() {
    setBorderColor(15594226);
    setBackColor(0x8000000F);
    setForeColor(0x8000000C);
    setCaption(Ambient().DisplayName);
    setEnabled(true);
    setBackStyle(1);
}

void ZynFrame::ReadProperties(PropertyBag& bag) {
    setBorderColor(bag.ReadProperty("BorderColor", static_cast<std::int32_t>(15594226)).toColor());
    setBackColor(bag.ReadProperty("BackColor", static_cast<std::int32_t>(0x8000000F)).toColor());
    setForeColor(bag.ReadProperty("ForeColor", static_cast<std::int32_t>(0x8000000C)).toColor());
    setCaption(bag.ReadProperty("Caption", Ambient().DisplayName).toString());
    setBackStyle(bag.ReadProperty("BackStyle", static_cast<std::int32_t>(1)).toInt32());
    setEnabled(bag.ReadProperty("Enabled", true).toBool());
}

void ZynFrame::WriteProperties(PropertyBag& bag) {
    auto color = [](OLE_COLOR c) { return Variant(static_cast<std::int32_t>(c)); };
    bag.WriteProperty("BorderColor", color(BorderColor_), color(15594226));
    bag.WriteProperty("BackColor", color(BackColor_), color(0x8000000F));
    bag.WriteProperty("ForeColor", color(ForeColor()), color(0x8000000C));
    bag.WriteProperty("Caption", Caption_, Ambient().DisplayName);
    bag.WriteProperty("BackStyle", BackStyle_, static_cast<std::int32_t>(1));
    bag.WriteProperty("Enabled", Enabled_, true);
}

}  // namespace ulmaro
