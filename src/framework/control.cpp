#include "control.h"

#include "std_font.h"

#include <stdexcept>

namespace ulmaro {

Control::Control() : surface_(*this) {}

Control::~Control() {
    for (Timer* t : timers_) t->setClock(nullptr);
}

void Control::attach(const ClassInfo& cls, std::string name, Site& site, Control* container) {
    class_ = &cls;
    name_ = std::move(name);
    site_ = &site;
    container_ = container;
    for (Timer* t : timers_) t->setClock(&site.clock());
}

void Control::addTimer(Timer& t) {
    timers_.push_back(&t);
    if (site_) t.setClock(&site_->clock());
}

void Control::resizeFromSurface(int width, int height) {
    if (site_) site_->resizeControl(*this, width, height);
}

void Control::PropertyChanged(std::string_view property) {
    if (class_) {
        const MemberInfo* m = class_->member(property);
        if (!m || m->kind != MemberInfo::Kind::Property) throwUndeclared("a property", property);
    }
    if (site_) site_->propertyChanged(*this, property);
}

void Control::throwUndeclared(const char* what, std::string_view name) const {
    throw std::logic_error(class_->name + " names " + what + " its class does not publish: " + std::string(name));
}

const MemberInfo& Control::persistedMember(std::string_view property) const {
    const MemberInfo* m = class_ ? class_->member(property) : nullptr;
    if (!m || m->kind != MemberInfo::Kind::Property || !m->persisted())
        throw std::logic_error((class_ ? class_->name : std::string("a control")) +
                               " persists a property its description does not save: " + std::string(property));
    return *m;
}

Variant Control::defaultOf(std::string_view property) const {
    const MemberInfo* m = class_ ? class_->member(property) : nullptr;
    if (!m) throw std::logic_error("no property " + std::string(property));
    if (m->ambientDefault == AmbientValue::None) return m->defaultValue;
    AmbientProperties ambient = Ambient();
    switch (m->ambientDefault) {
        case AmbientValue::DisplayName: return Variant(ambient.DisplayName);
        case AmbientValue::Font: return Variant(ambient.Font);
        case AmbientValue::BackColor: return Variant(static_cast<std::int32_t>(ambient.BackColor));
        case AmbientValue::ForeColor: return Variant(static_cast<std::int32_t>(ambient.ForeColor));
        case AmbientValue::None: break;
    }
    return m->defaultValue;
}

void Control::applyDefaults(std::initializer_list<std::string_view> properties) {
    for (std::string_view p : properties) {
        const MemberInfo* m = class_ ? class_->member(p) : nullptr;
        if (!m || !m->let) throw std::logic_error("no settable property " + std::string(p));
        std::vector<Variant> index;
        m->let(*this, index, defaultOf(p));
    }
}

void Control::readFrom(PropertyBag& bag, std::initializer_list<std::string_view> properties) {
    for (std::string_view p : properties) {
        const MemberInfo& m = persistedMember(p);
        std::vector<Variant> index;
        m.let(*this, index, bag.ReadProperty(m.readKey, defaultOf(p)));
    }
}

void Control::writeTo(PropertyBag& bag, std::initializer_list<std::string_view> properties) {
    for (std::string_view p : properties) {
        const MemberInfo& m = persistedMember(p);
        std::vector<Variant> index;
        bag.WriteProperty(m.writeKey, m.get(*this, index), defaultOf(p));
    }
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
