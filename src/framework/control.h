// The base of every control: the notifications its host delivers (as virtual functions,
// with by-reference arguments where the host passes them by reference), its surface, and
// the host services it calls (events, ambient properties, timers, focus moves).
#pragma once

#include "dispatch.h"
#include "line_object.h"
#include "property_bag.h"
#include "site.h"
#include "surface.h"
#include "timer.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace ulmaro {

struct AmbientProperties {
    bool UserMode = true;
    std::string DisplayName;
    std::shared_ptr<StdFont> Font;
    OLE_COLOR BackColor = 0x8000000F;
    OLE_COLOR ForeColor = 0x80000012;
    bool DisplayAsDefault = false;
};

class Control {
public:
    Control();
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // ---- Host notifications ---------------------------------------------------------------
    virtual void InitProperties() {}
    virtual void ReadProperties(PropertyBag&) {}
    virtual void WriteProperties(PropertyBag&) {}
    virtual void Resize() {}
    virtual void Paint() {}
    virtual void Show() {}
    virtual void Hide() {}
    virtual void Terminate() {}
    virtual void GotFocus() {}
    virtual void LostFocus() {}
    virtual void EnterFocus() {}
    virtual void ExitFocus() {}
    virtual void AccessKeyPress(std::int16_t& /*KeyAscii*/) {}
    virtual void KeyDown(std::int16_t& /*KeyCode*/, std::int16_t& /*Shift*/) {}
    virtual void KeyUp(std::int16_t& /*KeyCode*/, std::int16_t& /*Shift*/) {}
    virtual void KeyPress(std::int16_t& /*KeyAscii*/) {}
    virtual void MouseDown(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void MouseMove(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void MouseUp(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void Click() {}
    virtual void DblClick() {}

    // ---- Identity and placement (set by the host) -------------------------------------------
    const ClassInfo& classInfo() const { return *class_; }
    const std::string& name() const { return name_; }
    Site* site() const { return site_; }
    Control* container() const { return container_; }
    void attach(const ClassInfo& cls, std::string name, Site& site, Control* container);
    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }
    const std::vector<Timer*>& timers() const { return timers_; }
    // Line objects placed on the control; the form draws them.
    const std::vector<LineObject*>& lines() const { return lines_; }
    // Width or Height set on the surface: forwarded to the host.
    // False when the host refuses the size (the control keeps the size it had).
    bool resizeFromSurface(std::int64_t width, std::int64_t height);
    // The control's window exists: its timers run as that window's timers.
    void bindTimers();
    // WM_TIMER `id` of the control's window.
    void timerFired(std::uintptr_t id);

    // ---- Extender: what the host adds to every control it places ------------------------------
    // Visible and Enabled are the control window's; Left and Top its place in the container.
    // Scripts and form code reach them by name when the class publishes no member of that name.
    bool extenderVisible() const;
    void setExtenderVisible(bool v);
    bool extenderEnabled() const;
    void setExtenderEnabled(bool v);
    // TabStop: whether Tab stops at the control. Only a control that takes the focus has
    // one; asking another for it is error 438, as the host has it.
    bool extenderTabStop() const { return tabStop_; }
    void setExtenderTabStop(bool v);

    // ---- Dispatch ------------------------------------------------------------------------------
    Variant getProperty(std::string_view name, std::vector<Variant> index = {});
    void setProperty(std::string_view name, const Variant& value, std::vector<Variant> index = {});
    Variant callMethod(std::string_view name, std::vector<Variant>& args);
    // The default the class description gives a property, ambient values resolved.
    Variant defaultOf(std::string_view property) const;

protected:
    // Raises an event of the control's event interface; by-reference arguments come back
    // with whatever the host's handlers assigned. An event the class does not publish is a
    // mistake in the control's code: std::logic_error, in every build.
    template <class... A>
    void RaiseEvent(std::string_view event, A&... args) {
        if (!class_) return;
        const EventInfo* info = class_->event(event);
        if (!info) throwUndeclared("an event", event);
        if (!site_) return;
        std::vector<Variant> values{VariantCast<std::decay_t<A>>::to(args)...};
        site_->raiseEvent(*this, *info, values);
        std::size_t i = 0;
        ((args = VariantCast<std::decay_t<A>>::from(values[i++])), ...);
    }
    // Tells the container a property changed; a name the class does not publish as a
    // property throws std::logic_error.
    void PropertyChanged(std::string_view property);
    AmbientProperties Ambient() const;
    void SendKeys(std::string_view keys);
    // The controls of this control's container (Parent.Controls).
    std::vector<Control*> ParentControls() const;
    // The controls placed inside this control, when it is a container.
    std::vector<Control*> ContainedControls() const;
    // The host's Timer function: seconds since midnight on the form's clock.
    float HostTimer() const;
    // The window and a device context of the form that holds the control (Parent.hWnd and
    // Parent.hDC); null without a host.
    platform::HWND ParentHwnd() const;
    platform::HDC ParentHdc() const;
    // Timers placed on the control run as timers of its window.
    void addTimer(Timer& t);
    void addLine(LineObject& l) { lines_.push_back(&l); }

    // Persistence served by the class description. Each call handles the named properties
    // in the order given, through their Lets, so that a control keeps its own key order and
    // the side effects of its setters: applyDefaults sets each to its default, readFrom to
    // the bag's value under its read key (or the default), writeTo writes each under its
    // write key.
    void applyDefaults(std::initializer_list<std::string_view> properties);
    void readFrom(PropertyBag& bag, std::initializer_list<std::string_view> properties);
    void writeTo(PropertyBag& bag, std::initializer_list<std::string_view> properties);

private:
    template <class>
    friend class ClassBuilder;
    [[noreturn]] void throwUndeclared(const char* what, std::string_view name) const;
    const MemberInfo& persistedMember(std::string_view property) const;
    const ClassInfo* class_ = nullptr;
    std::string name_;
    Site* site_ = nullptr;
    Control* container_ = nullptr;
    Surface surface_;
    std::vector<Timer*> timers_;
    std::vector<LineObject*> lines_;
    bool tabStop_ = true;
};

}  // namespace ulmaro
