// What a control asks of the host that holds it: ambient properties, event delivery,
// focus moves, the clock its timers run on, its size and its container's controls.
#pragma once

#include "dispatch.h"
#include "ole_color.h"

#include <ulmaro/platform/win32.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ulmaro {

class Clock;
class Control;
class StdFont;

class Site {
public:
    virtual ~Site() = default;
    virtual bool userMode() const = 0;
    virtual bool displayAsDefault(const Control& c) const = 0;
    virtual std::shared_ptr<StdFont> ambientFont() const = 0;
    virtual OLE_COLOR ambientBackColor() const = 0;
    virtual OLE_COLOR ambientForeColor() const = 0;
    // Delivers an event synchronously; handlers may change the by-reference arguments.
    virtual void raiseEvent(Control& source, const EventInfo& event, std::vector<Variant>& args) = 0;
    virtual void propertyChanged(Control& source, std::string_view property) = 0;
    // Keys as the host's SendKeys takes them (send_keys.h); "{Tab}" and "+{Tab}" move the
    // focus to the next and previous tab stop.
    virtual void sendKeys(Control& source, std::string_view keys) = 0;
    virtual Clock& clock() = 0;
    // The control asks to be resized (its Width or Height was set); the host raises Resize.
    // A size the host cannot grant leaves the control as it is: false.
    virtual bool resizeControl(Control& c, std::int64_t width, std::int64_t height) = 0;
    // The controls of the container that holds `c` (its Parent.Controls).
    virtual std::vector<Control*> parentControls(const Control& c) const = 0;
    // The controls placed inside the container `c`.
    virtual std::vector<Control*> containedControls(const Control& c) const = 0;
    // Extender Left and Top: moves the control within its container (pixels).
    virtual void moveControl(Control& c, int left, int top) = 0;
    // The form's own window and a device context that draws on it.
    virtual platform::HWND formHwnd() const = 0;
    virtual platform::HDC formHdc() const = 0;
    // The platform moved the focus to (`gained`) or away from the control's window; `other`
    // is the window it came from or goes to.
    virtual void focusMessage(Control& c, bool gained, platform::HWND other) = 0;
    // Shift, Ctrl and Alt (bits 1, 2, 4) as the host reports them with input notifications.
    virtual std::int16_t shiftState() const = 0;
    // A top-level window an object made (a tooltip) that only the program's code destroys:
    // the host ends it with the program if the code has not.
    virtual void adoptWindow(platform::HWND) {}
};

}  // namespace ulmaro
