// ZynCommand: properties, persistence and the published table.
#include "zyn_command.h"

#include "framework/std_font.h"

namespace ulmaro {

ZynCommand::ZynCommand() : OverTimer("OverTimer", 3, [this] { OverTimer_Timer(); }) { addTimer(OverTimer); }

ClassInfo ZynCommand::describe() {
    using C = ZynCommand;
    return ClassBuilder<C>("ZynCommand", "Owner-drawn push button")
        .method<&C::Refresh>("Refresh")
        .property<&C::Enabled, &C::setEnabled>("Enabled")
        .property<&C::HandPointer, &C::setHandPointer>("HandPointer")
        .property<&C::Value, &C::setValue>("Value")
        .property<&C::MustDrawFocus, &C::setMustDrawFocus>("MustDrawFocus")
        .property<&C::CheckBox, &C::setCheckBox>("CheckBox")
        .property<&C::Caption, &C::setCaption>("Caption")
        .property<&C::Font, &C::setFont>("Font")
        .property<&C::BackColor, &C::setBackColor>("BackColor")
        .property<&C::ButtonType, &C::setButtonType>("ButtonType", "ZynButtonTypes")
        .property<&C::ForeColor, &C::setForeColor>("ForeColor")
        .property<&C::OfficeOverColor, &C::setOfficeOverColor>("OfficeOverColor")
        .property<&C::MaskColor, &C::setMaskColor>("MaskColor")
        .property<&C::BackStyle, &C::setBackStyle>("BackStyle", "BackStyleEnum")
        .property<&C::hwnd>("hwnd")
        .property<&C::CenterText, &C::setCenterText>("CenterText")
        .property<&C::CenterPicture, &C::setCenterPicture>("CenterPicture")
        .property<&C::UseMask, &C::setUseMask>("UseMask")
        .property<&C::Picture, &C::setPicture>("Picture")
        .event(1, "Click")
        .enumeration("ZynButtonTypes")
        .build();
}

// ---- Property Lets: store, then redraw (HandPointer only stores) --------------------------------

void ZynCommand::setEnabled(bool v) {
    Enabled_ = v;
    Refresh();
}

void ZynCommand::setValue(bool v) {
    Value_ = v;
    Refresh();
}

void ZynCommand::setMustDrawFocus(bool v) {
    MustDrawFocus_ = v;
    Refresh();
}

void ZynCommand::setCheckBox(bool v) {
    CheckBox_ = v;
    Refresh();
}

void ZynCommand::setCaption(std::string v) {
    Caption_ = std::move(v);
    Refresh();
    SetAccessKeyFromCaption();
}

// The first "&" marks the access key; "&&" stands for a literal ampersand and is skipped.
void ZynCommand::SetAccessKeyFromCaption() {
    const std::string& c = Caption_;
    std::size_t amp = c.find('&');
    if (amp == std::string::npos || amp == c.size() - 1) return;
    std::string key(1, c[amp + 1]);
    while (key == "&") {
        std::size_t next = c.find('&', amp + 2);
        if (next != std::string::npos && next < c.size() - 1) {
            amp = next;
            key = std::string(1, c[amp + 1]);
        } else {
            key.clear();
        }
    }
    surface().setAccessKeys(key);
}

void ZynCommand::setFont(std::shared_ptr<StdFont> f) {
    surface().setFont(f ? f->Clone() : nullptr);
    Refresh();
}

void ZynCommand::setBackColor(OLE_COLOR v) {
    BackColor_ = v;
    Refresh();
}

void ZynCommand::setButtonType(std::int32_t v) {
    ButtonType_ = v;
    Refresh();
}

void ZynCommand::setForeColor(OLE_COLOR v) {
    ForeColor_ = v;
    Refresh();
}

void ZynCommand::setOfficeOverColor(OLE_COLOR v) {
    OfficeOverColor_ = v;
    Refresh();
}

void ZynCommand::setMaskColor(OLE_COLOR v) {
    MaskColor_ = v;
    Refresh();
}

void ZynCommand::setBackStyle(std::int32_t v) {
    BackStyle_ = v;
    Refresh();
}

std::int32_t ZynCommand::hwnd() const {
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(surface().hWnd()));
}

void ZynCommand::setCenterText(bool v) {
    CenterText_ = v;
    Refresh();
}

void ZynCommand::setCenterPicture(bool v) {
    CenterPicture_ = v;
    Refresh();
    PropertyChanged("CenterPicture");
}

void ZynCommand::setUseMask(bool v) {
    UseMask_ = v;
    Refresh();
    PropertyChanged("UseMask");
}

void ZynCommand::setPicture(StdPicturePtr p) {
    Picture_ = std::move(p);
    Refresh();
    PropertyChanged("Picture");
}

// ---- Persistence ------------------------------------------------------------------------------------

void ZynCommand::InitProperties() {
    IsReady_ = false;
    AmbientProperties ambient = Ambient();
    setEnabled(true);
    setCaption(ambient.DisplayName);
    setFont(ambient.Font);
    setBackColor(0x8000000F);
    setForeColor(0x80000012);
    setCheckBox(false);
    setButtonType(WindowsXp);
    setHandPointer(false);
    setPicture(nullptr);
    setUseMask(true);
    setMaskColor(0x8000000F);
    setMustDrawFocus(true);
    setCenterPicture(true);
    setCenterText(true);
    setBackStyle(1);
    setOfficeOverColor(0x8000000D);
    setValue(false);
    IsReady_ = true;
    Refresh();
}

void ZynCommand::ReadProperties(PropertyBag& bag) {
    IsReady_ = false;
    AmbientProperties ambient = Ambient();
    setEnabled(bag.ReadProperty("Enabled", true).toBool());
    setCenterPicture(bag.ReadProperty("CenterPicture", true).toBool());
    setCenterText(bag.ReadProperty("CenterText", true).toBool());
    setMustDrawFocus(bag.ReadProperty("MustDrawFocus", true).toBool());
    setUseMask(bag.ReadProperty("UseMask", true).toBool());
    setCheckBox(bag.ReadProperty("Checkbox", false).toBool());
    setHandPointer(bag.ReadProperty("HandPointer", false).toBool());
    setCaption(bag.ReadProperty("Caption", ambient.DisplayName).toString());
    setBackColor(bag.ReadProperty("BackColor", static_cast<std::int32_t>(0x8000000F)).toColor());
    setMaskColor(bag.ReadProperty("MaskColor", static_cast<std::int32_t>(0x8000000F)).toColor());
    setForeColor(bag.ReadProperty("ForeColor", static_cast<std::int32_t>(0x80000012)).toColor());
    setButtonType(bag.ReadProperty("ButtonType", static_cast<std::int32_t>(WindowsXp)).toInt32());
    setFont(bag.ReadProperty("Font", Variant(ambient.Font)).toFont());
    setPicture(bag.ReadProperty("Picture", Variant::nothing()).toPicture());
    setOfficeOverColor(bag.ReadProperty("OfficeOverColor", static_cast<std::int32_t>(0x8000000D)).toColor());
    setBackStyle(bag.ReadProperty("BackStyle", static_cast<std::int32_t>(1)).toInt32());
    setValue(bag.ReadProperty("Value", false).toBool());
    IsReady_ = true;
    Refresh();
}

void ZynCommand::WriteProperties(PropertyBag& bag) {
    AmbientProperties ambient = Ambient();
    auto color = [](OLE_COLOR c) { return Variant(static_cast<std::int32_t>(c)); };
    bag.WriteProperty("Enabled", Enabled_, true);
    bag.WriteProperty("OfficeOverColor", color(OfficeOverColor_), color(0x8000000D));
    bag.WriteProperty("CenterPicture", CenterPicture_, true);
    bag.WriteProperty("CenterText", CenterText_, true);
    bag.WriteProperty("MustDrawFocus", MustDrawFocus_, true);
    bag.WriteProperty("UseMask", UseMask_, true);
    bag.WriteProperty("Checkbox", CheckBox_, false);
    bag.WriteProperty("HandPointer", HandPointer_, false);
    bag.WriteProperty("BackStyle", BackStyle_, static_cast<std::int32_t>(1));
    bag.WriteProperty("Caption", Caption_, ambient.DisplayName);
    bag.WriteProperty("Font", Variant(Font()), Variant(ambient.Font));
    bag.WriteProperty("Picture", Variant(Picture_), Variant::nothing());
    bag.WriteProperty("BackColor", color(BackColor_), color(0x8000000F));
    bag.WriteProperty("MaskColor", color(MaskColor_), color(0x8000000F));
    bag.WriteProperty("ForeColor", color(ForeColor_), color(0x80000012));
    bag.WriteProperty("ButtonType", ButtonType_, static_cast<std::int32_t>(WindowsXp));
    bag.WriteProperty("Value", Value_, false);
}

}  // namespace ulmaro
