// ZynCommand: properties, persistence and the published table.
#include "zyn_command.h"

#include "framework/standard_enums.h"
#include "framework/std_font.h"

namespace ulmaro {

ZynCommand::ZynCommand() : OverTimer("OverTimer", 3, [this] { OverTimer_Timer(); }) { addTimer(OverTimer); }

// Member numbers are the class's published ones; keys, defaults and Let effects as saved
// forms and scripts expect them. Only Caption and Font have setters with logic of their own.
ClassInfo ZynCommand::describe() {
    using C = ZynCommand;
    constexpr LetEffect Store = LetEffect::Store, Notify = LetEffect::RedrawNotify;
    return ClassBuilder<C>("ZynCommand", "Owner-drawn push button")
        .method<&C::Refresh>(1, "Refresh")
        .field<&C::Enabled_>(2, "Enabled").key().byDefault(true)
        .field<&C::HandPointer_, Store>(3, "HandPointer").key().byDefault(false)
        .field<&C::Value_>(4, "Value").key().byDefault(false)
        .field<&C::MustDrawFocus_>(5, "MustDrawFocus").key().byDefault(true)
        .field<&C::CheckBox_>(6, "CheckBox").key("Checkbox").byDefault(false)
        .property<&C::Caption, &C::setCaption>(7, "Caption").key().byDefault(AmbientValue::DisplayName)
        .property<&C::Font, &C::setFont>(8, "Font").key().byDefault(AmbientValue::Font)
        .field<&C::BackColor_>(9, "BackColor").key().byDefault(SysColor::ButtonFace)
        .field<&C::ButtonType_>(10, "ButtonType").enumType("ZynButtonTypes").key().byDefault(WindowsXp)
        .field<&C::ForeColor_>(11, "ForeColor").key().byDefault(SysColor::ButtonText)
        .field<&C::OfficeOverColor_>(12, "OfficeOverColor").key().byDefault(SysColor::Highlight)
        .field<&C::MaskColor_>(13, "MaskColor").key().byDefault(SysColor::ButtonFace)
        .field<&C::BackStyle_>(14, "BackStyle").enumType("BackStyleEnum").key().byDefault(1)
        .property<&C::hwnd>(15, "hwnd").runtimeOnly()
        .field<&C::CenterText_>(16, "CenterText").key().byDefault(true)
        .field<&C::CenterPicture_, Notify>(17, "CenterPicture").key().byDefault(true)
        .field<&C::UseMask_, Notify>(18, "UseMask").key().byDefault(true)
        .field<&C::Picture_, Notify>(19, "Picture").key().byDefault(nullptr)
        .event(1, "Click")
        .enumeration(BackStyleEnum())
        .enumeration(EnumInfo{"ZynButtonTypes", {{"Windows Xp", WindowsXp}, {"Office Xp", OfficeXp}}})
        .build();
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

std::int32_t ZynCommand::hwnd() const {
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(surface().hWnd()));
}

// ---- Persistence: the button's own key orders; keys and defaults come from describe() --------

void ZynCommand::InitProperties() {
    IsReady_ = false;
    applyDefaults({"Enabled", "Caption", "Font", "BackColor", "ForeColor", "CheckBox", "ButtonType", "HandPointer",
                   "Picture", "UseMask", "MaskColor", "MustDrawFocus", "CenterPicture", "CenterText", "BackStyle",
                   "OfficeOverColor", "Value"});
    IsReady_ = true;
    Refresh();
}

void ZynCommand::ReadProperties(PropertyBag& bag) {
    IsReady_ = false;
    readFrom(bag, {"Enabled", "CenterPicture", "CenterText", "MustDrawFocus", "UseMask", "CheckBox", "HandPointer",
                   "Caption", "BackColor", "MaskColor", "ForeColor", "ButtonType", "Font", "Picture", "OfficeOverColor",
                   "BackStyle", "Value"});
    IsReady_ = true;
    Refresh();
}

void ZynCommand::WriteProperties(PropertyBag& bag) {
    writeTo(bag, {"Enabled", "OfficeOverColor", "CenterPicture", "CenterText", "MustDrawFocus", "UseMask", "CheckBox",
                  "HandPointer", "BackStyle", "Caption", "Font", "Picture", "BackColor", "MaskColor", "ForeColor",
                  "ButtonType", "Value"});
}

}  // namespace ulmaro
