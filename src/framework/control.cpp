#include "control.h"

#include "std_font.h"

namespace ulmaro {

Control::Control() : surface_(*this) {}

Control::~Control() = default;

void Control::attach(const ClassInfo& cls, std::string name, Site& site, Control* container) {
    class_ = &cls;
    name_ = std::move(name);
    site_ = &site;
    container_ = container;
}

// A timer's identifier is its place among the control's timers, counted from 1.
void Control::addTimer(Timer& t) {
    timers_.push_back(&t);
    if (surface_.hWnd()) t.bind(surface_.hWnd(), timers_.size());
}

void Control::bindTimers() {
    for (std::size_t i = 0; i < timers_.size(); ++i) timers_[i]->bind(surface_.hWnd(), i + 1);
}

void Control::timerFired(std::uintptr_t id) {
    if (id >= 1 && id <= timers_.size()) timers_[id - 1]->fire();
}

void Control::resizeFromSurface(int width, int height) {
    if (site_) site_->resizeControl(*this, width, height);
}

void Control::PropertyChanged(std::string_view property) {
    if (site_) site_->propertyChanged(*this, property);
}

AmbientProperties Control::Ambient() const {
    AmbientProperties a;
    a.DisplayName = name_;
    if (!site_) {
        a.Font = StdFont::New();
        return a;
    }
    a.UserMode = site_->userMode();
    a.Font = site_->ambientFont();
    a.BackColor = site_->ambientBackColor();
    a.ForeColor = site_->ambientForeColor();
    a.DisplayAsDefault = site_->displayAsDefault(*this);
    return a;
}

void Control::SendKeys(std::string_view keys) {
    if (site_) site_->sendKeys(*this, keys);
}

std::vector<Control*> Control::ParentControls() const {
    return site_ ? site_->parentControls(*this) : std::vector<Control*>{};
}

Variant Control::getProperty(std::string_view name, std::vector<Variant> index) {
    const MemberInfo* m = class_ ? class_->member(name) : nullptr;
    if (!m || m->kind != MemberInfo::Kind::Property) throw RuntimeError(errors::NotSupported);
    return m->get(*this, index);
}

void Control::setProperty(std::string_view name, const Variant& value, std::vector<Variant> index) {
    const MemberInfo* m = class_ ? class_->member(name) : nullptr;
    if (!m || m->kind != MemberInfo::Kind::Property) throw RuntimeError(errors::NotSupported);
    if (!m->let) throw RuntimeError(errors::WrongArguments);
    m->let(*this, index, value);
}

Variant Control::callMethod(std::string_view name, std::vector<Variant>& args) {
    const MemberInfo* m = class_ ? class_->member(name) : nullptr;
    if (!m || m->kind != MemberInfo::Kind::Method) throw RuntimeError(errors::NotSupported);
    return m->get(*this, args);
}

}  // namespace ulmaro
