#include "control.h"

#include "std_font.h"

#include <stdexcept>

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

bool Control::resizeFromSurface(std::int64_t width, std::int64_t height) {
    return site_ && site_->resizeControl(*this, width, height);
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

std::vector<Control*> Control::ContainedControls() const {
    return site_ ? site_->containedControls(*this) : std::vector<Control*>{};
}

float Control::HostTimer() const {
    if (!site_) return 0.0f;
    constexpr std::int64_t kDayMs = 86400000;
    return static_cast<float>(static_cast<double>(site_->clock().now() % kDayMs) / 1000.0);
}

platform::HWND Control::ParentHwnd() const { return site_ ? site_->formHwnd() : nullptr; }

platform::HDC Control::ParentHdc() const { return site_ ? site_->formHdc() : nullptr; }

// ---- Extender -----------------------------------------------------------------------------------

bool Control::extenderVisible() const {
    platform::HWND h = surface_.hWnd();
    return h && (platform::GetWindowLongA(h, platform::GWL_STYLE) & platform::WS_VISIBLE) != 0;
}

void Control::setExtenderVisible(bool v) {
    if (v == extenderVisible()) return;
    platform::ShowWindow(surface_.hWnd(), v ? platform::SW_SHOW : platform::SW_HIDE);
    if (v) {
        Show();
        Paint();
    } else {
        Hide();
    }
}

bool Control::extenderEnabled() const { return platform::IsWindowEnabled(surface_.hWnd()) != 0; }

void Control::setExtenderEnabled(bool v) { platform::EnableWindow(surface_.hWnd(), v ? platform::TRUE : platform::FALSE); }

void Control::setExtenderTabStop(bool v) {
    if (class_ && !class_->canGetFocus) throw RuntimeError(errors::NotSupported);
    tabStop_ = v;
}

namespace {

enum class Extender { None, Visible, Enabled, Left, Top, TabStop, HWnd };

Extender extenderMember(std::string_view name) {
    if (sameName(name, "TabStop")) return Extender::TabStop;
    if (sameName(name, "Visible")) return Extender::Visible;
    if (sameName(name, "Enabled")) return Extender::Enabled;
    if (sameName(name, "Left")) return Extender::Left;
    if (sameName(name, "Top")) return Extender::Top;
    if (sameName(name, "hWnd")) return Extender::HWnd;
    return Extender::None;
}

}  // namespace

Variant Control::getProperty(std::string_view name, std::vector<Variant> index) {
    const MemberInfo* m = class_ ? class_->member(name) : nullptr;
    if (!m && index.empty()) {
        platform::RECT r{};
        switch (extenderMember(name)) {
            case Extender::Visible: return Variant(extenderVisible());
            case Extender::TabStop:
                if (class_ && !class_->canGetFocus) throw RuntimeError(errors::NotSupported);
                return Variant(extenderTabStop());
            case Extender::Enabled: return Variant(extenderEnabled());
            case Extender::Left:
            case Extender::Top:
                platform::GetWindowRect(surface_.hWnd(), &r);
                {
                    platform::POINT o{0, 0};
                    platform::ClientToScreen(platform::GetParent(surface_.hWnd()), &o);
                    return Variant(static_cast<std::int32_t>(extenderMember(name) == Extender::Left ? r.left - o.x : r.top - o.y));
                }
            case Extender::HWnd:
                return Variant(static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(surface_.hWnd())));
            case Extender::None: break;
        }
    }
    if (!m || m->kind != MemberInfo::Kind::Property) throw RuntimeError(errors::NotSupported);
    return m->get(*this, index);
}

void Control::setProperty(std::string_view name, const Variant& value, std::vector<Variant> index) {
    const MemberInfo* m = class_ ? class_->member(name) : nullptr;
    if (!m && index.empty()) {
        Extender e = extenderMember(name);
        if (e == Extender::Visible) return setExtenderVisible(value.toBool());
        if (e == Extender::Enabled) return setExtenderEnabled(value.toBool());
        if (e == Extender::TabStop) return setExtenderTabStop(value.toBool());
        if ((e == Extender::Left || e == Extender::Top) && site_) {
            std::int32_t left = getProperty("Left").toInt32(), top = getProperty("Top").toInt32();
            (e == Extender::Left ? left : top) = value.toInt32();
            return site_->moveControl(*this, left, top);
        }
    }
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
