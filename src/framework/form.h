// The form: the top-level window that hosts controls, each in a child window of the form
// (or of its container's window). It owns the controls, delivers their life cycle, turns
// the host's input into window messages to the window under the pointer or with the focus
// (the window procedure makes notifications of them), keeps the tab order, and runs the
// platform's timers from its clock. The platform composes the window tree into the picture.
#pragma once

#include "control.h"
#include "send_keys.h"
#include "site.h"
#include "size_limit.h"
#include "std_font.h"
#include "timer.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ulmaro {

// The host's identifier rule for control names, so that every script can name them: a
// letter, then letters, digits or "_", at most 40 characters.
bool isControlName(std::string_view name);
// The rule as a message about `name`.
std::string controlNameRule(std::string_view name);

class Form : public Site {
public:
    // The size is kept within the limit of size_limit.h (a side at least 1 pixel).
    Form(int width = 640, int height = 480);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // ---- Controls ----------------------------------------------------------------------------------
    // Places a new control: it gets InitProperties (or ReadProperties from `bag`), Resize,
    // Show and Paint as a host gives them. Throws std::invalid_argument for an unknown or
    // unplaceable class, a duplicate name, a bad container or a size past the limit.
    Control& place(const std::string& className, const std::string& name, int left, int top, int width, int height,
                   Control* container = nullptr, PropertyBag* bag = nullptr);
    // While a form file loads, every control is placed first and shown afterwards, in the
    // order placed, as a host shows a form once it has loaded (a container's Show then
    // finds its contained controls there).
    void beginLoad() { loading_ = true; }
    void endLoad();
    // Creates an object of a class that is not placed on forms (a tooltip collection): no
    // window, no geometry; its name is found as a control's is. Throws std::invalid_argument
    // for an unknown or placeable class or a name in use.
    Control& create(const std::string& className, const std::string& name);
    // A control or an object by name.
    Control* find(std::string_view name) const;
    Control* controlOf(platform::HWND hwnd) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    // Position and size in the container's pixels.
    platform::RECT boundsOf(const Control& c) const;
    // A size past the limit of size_limit.h is refused: the control keeps its size. True
    // when the control has the size asked for.
    bool resize(Control& c, std::int64_t width, std::int64_t height);
    // Moves a control within its container (pixels); its contained controls move with it.
    void move(Control& c, int left, int top);
    // Whether a control takes input: its window and every container around it are enabled.
    bool takesInput(const Control& c) const;

    // ---- Form properties ---------------------------------------------------------------------------
    int width() const { return width_; }
    int height() const { return height_; }
    OLE_COLOR backColor() const { return backColor_; }
    // Setting the back colour clears the form's own drawing to it.
    void setBackColor(OLE_COLOR c);
    OLE_COLOR foreColor() const { return foreColor_; }
    void setForeColor(OLE_COLOR c) { foreColor_ = c; }
    const std::shared_ptr<StdFont>& font() const { return font_; }
    void setFont(std::shared_ptr<StdFont> f) { font_ = std::move(f); }
    void setUserMode(bool on) { userMode_ = on; }
    // Script lines the form runs once it is loaded, as a form's load code fills its lists and
    // sets what is not saved with the controls; kept so that saving writes them back.
    const std::vector<std::string>& loadScript() const { return loadScript_; }
    void setLoadScript(std::vector<std::string> lines) { loadScript_ = std::move(lines); }
    platform::HWND hwnd() const { return hwnd_; }

    // ---- Input, in form pixels ------------------------------------------------------------------
    // At design time (user mode off) the designer keeps the mouse and the keyboard: none of
    // these reach a control, and the focus does not move.
    // Shift, Ctrl and Alt (bits 1, 2, 4) for what follows; GetKeyState reports them too.
    void setShift(int shift);
    int shift() const { return shift_; }
    void mouseMove(int x, int y);
    void mouseDown(int button, int x, int y);
    void mouseUp(int button, int x, int y);
    // A whole double click: press, release, second press, release.
    void doubleClick(int x, int y);
    // The second press of a double click as the window system reports it: DblClick instead
    // of MouseDown; its release (mouseUp) raises no Click.
    void dblClickPress(int x, int y);
    void keyDown(int keyCode);
    void keyUp(int keyCode);
    void keyPress(int keyAscii);
    // The user pressing Alt with `key`: AccessKeyPress goes to the control whose access
    // keys hold it, wherever the focus is; false if no control has that key.
    bool accessKey(char key);
    // Moves the platform's focus to the control's window (the form's own with null).
    void setFocus(Control* c);
    // A form that shows gives the focus to the first control in tab order that can take it
    // (visible, enabled, one that takes the focus), unless one has it already. Controls
    // placed later do not take it by themselves.
    void focusFirstControl();
    // The form's active control: the one whose window last took the focus; it keeps that
    // place while the focus is in another program.
    Control* focused() const { return active_; }
    void tick(std::int64_t ms);
    // The control the pointer is over (or the one holding the capture), for the cursor.
    Control* pointerTarget() const;
    // The control under a point of the form as the window system finds it: the topmost
    // visible one whose window and window region hold the point, passing through the parts
    // a transparent control shows through; contained controls lie above their container.
    Control* controlAt(int x, int y) const;

    // Every event raised by a control passes through here before the control goes on.
    using EventHandler = std::function<void(Control&, const EventInfo&, std::vector<Variant>&)>;
    void setEventHandler(EventHandler h) { onEvent_ = std::move(h); }

    // ---- Picture -------------------------------------------------------------------------------------
    // The form as it shows: its window tree composed by the platform (background, then each
    // visible control's frame and surface in z-order, honouring see-through parts and window
    // regions).
    std::vector<platform::COLORREF> compose() const;

    // ---- Site ----------------------------------------------------------------------------------------
    bool userMode() const override { return userMode_; }
    bool displayAsDefault(const Control&) const override { return false; }
    std::shared_ptr<StdFont> ambientFont() const override { return font_; }
    OLE_COLOR ambientBackColor() const override { return backColor_; }
    OLE_COLOR ambientForeColor() const override { return foreColor_; }
    void raiseEvent(Control& source, const EventInfo& event, std::vector<Variant>& args) override;
    void propertyChanged(Control&, std::string_view) override { dirty_ = true; }
    void sendKeys(Control& source, std::string_view keys) override;
    Clock& clock() override { return clock_; }
    bool resizeControl(Control& c, std::int64_t width, std::int64_t height) override { return resize(c, width, height); }
    std::vector<Control*> parentControls(const Control& c) const override;
    std::vector<Control*> containedControls(const Control& c) const override;
    void moveControl(Control& c, int left, int top) override { move(c, left, top); }
    platform::HWND formHwnd() const override { return hwnd_; }
    platform::HDC formHdc() const override { return hdc_; }
    void focusMessage(Control& c, bool gained, platform::HWND other) override;
    std::int16_t shiftState() const override { return shift_; }
    void adoptWindow(platform::HWND hwnd) override { adopted_.push_back(hwnd); }

private:
    static platform::LRESULT windowProc(platform::HWND h, platform::UINT msg, platform::WPARAM wp, platform::LPARAM lp);
    struct Pointer {
        platform::HWND target = nullptr;
        platform::POINT local{0, 0};
    };
    Pointer pointerAt(int x, int y) const;
    Control* owningControl(platform::HWND hwnd) const;
    void setPress(platform::HWND target, bool held = true);
    platform::WPARAM mouseKeys() const;
    platform::WPARAM buttonKeys(int button) const;
    void moveFocus(int direction);
    void pressTab();
    bool hasTabStops() const;
    void typeStroke(const KeyStroke& k);
    void tabOrder(const Control* container, std::vector<Control*>& out) const;
    void clearForm();
    void showAndPaint(Control& c);
    void showLines() const;
    void flushKeys();
    // Delivers the messages posted to the form's windows (paint waits for composition).
    void drainMessages();
    void afterInput();

    int width_, height_;
    OLE_COLOR backColor_ = 0x8000000F;
    OLE_COLOR foreColor_ = 0x80000012;
    std::shared_ptr<StdFont> font_ = StdFont::New();
    bool userMode_ = true;
    std::vector<std::string> loadScript_;
    bool dirty_ = false;
    platform::HWND hwnd_ = nullptr;
    platform::HDC hdc_ = nullptr;  // draws on the form's own window (Parent.hDC)
    Clock clock_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<Control>> objects_;  // made by code, without windows
    std::vector<platform::HWND> adopted_;
    Control* active_ = nullptr;
    platform::HWND pressed_ = nullptr;  // the window that received the first press of a held button
    bool pressHeld_ = false;            // a press is held; with pressed_ null the form itself has it
    int buttons_ = 0;
    bool doubleClickHeld_ = false;  // the held left button came down as a double click
    std::int16_t shift_ = 0;
    std::vector<KeyStroke> pendingKeys_;
    int flushDepth_ = 0;
    int inputDepth_ = 0;
    EventHandler onEvent_;
    bool loading_ = false;
    std::vector<Control*> unshown_;
};

}  // namespace ulmaro
