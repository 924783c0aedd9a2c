// ZynFrame: properties, the Enabled push to contained controls, persistence and the
// published table.
#include "frame/zyn_frame.h"

namespace ulmaro {

using namespace platform;

ClassInfo ZynFrame::describe() {
    using C = ZynFrame;
    return ClassBuilder<C>("ZynFrame", "Titled frame with a shaded border that groups controls")
        .property<&C::Enabled, &C::setEnabled>(1, "Enabled").key().byDefault(true)
        .property<&C::Caption, &C::setCaption>(2, "Caption").key().byDefault(AmbientValue::DisplayName)
        .property<&C::BackStyle, &C::setBackStyle>(3, "BackStyle").enumType("BackStyleEnum").key().byDefault(1)
        .property<&C::BackColor, &C::setBackColor>(4, "BackColor").key().byDefault(SysColor::ButtonFace)
        .property<&C::BorderColor, &C::setBorderColor>(5, "BorderColor").key().byDefault(OLE_COLOR{15594226})
        .property<&C::ForeColor, &C::setForeColor>(6, "ForeColor").key().byDefault(SysColor::ApplicationWorkspace)
        .property<&C::hwnd>(7, "hwnd").runtimeOnly()
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
    applyDefaults({"BorderColor", "BackColor", "ForeColor", "Caption", "Enabled", "BackStyle"});
}

void ZynFrame::ReadProperties(PropertyBag& bag) {
    readFrom(bag, {"BorderColor", "BackColor", "ForeColor", "Caption", "BackStyle", "Enabled"});
}

void ZynFrame::WriteProperties(PropertyBag& bag) {
    writeTo(bag, {"BorderColor", "BackColor", "ForeColor", "Caption", "BackStyle", "Enabled"});
}

}  // namespace ulmaro
