// A form and its controls, driven from a program: place controls by class name, set and
// get their properties, call their methods, give them input as a user would, hear their
// events, load and save form files and draw the form into a PNG file.
#pragma once

#include <ulmaro/value.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ulmaro::api {

// An event a control raised. A handler may change the arguments the control passes by
// reference (KeyCode, Cancel, ...); the control goes on with the changed values.
struct Event {
    std::string control;  // the name of the control that raised it
    std::string name;     // Click, MouseDown, ...
    int number = 0;       // its number in the class's event interface
    std::vector<Value> args;
};
using EventHandler = std::function<void(Event&)>;

class Form {
public:
    // An empty form of that size in pixels. In design mode the designer keeps the mouse and
    // the keyboard: controls draw and answer properties and methods but get no input.
    explicit Form(int width = 640, int height = 480, bool design = false);
    // Loads a form file as `ulmaro render` does: every control, then the form's "Load"
    // lines; then the first control in tab order takes the focus. Throws Error.
    static Form load(const std::string& path, bool design = false);
    ~Form();
    Form(Form&&) noexcept;
    Form& operator=(Form&&) noexcept;

    int width() const;
    int height() const;
    // Every event raised from now on, after the answers of any `on` script line.
    void onEvent(EventHandler handler);

    // ---- Controls (names and members are found ignoring letter case) ----
    // Places a control of a class (ZynCommand, ...) at a position and size in pixels of the
    // form, or of `container` (a frame).
    void place(const std::string& className, const std::string& name, int left, int top, int width, int height,
               const std::string& container = "");
    // Makes an object of a class that is not placed on forms (ZynToolTips, ZynToolTip).
    void create(const std::string& className, const std::string& name);
    // Names of the controls and objects, in the order they were made.
    std::vector<std::string> controls() const;
    std::string classOf(const std::string& control) const;

    // A property (also Visible, Enabled, Left, Top, TabStop and hWnd of every control, and a
    // font's attributes as "Font.Bold"); `index` for an indexed property. A picture
    // property takes a file name (an empty one clears it).
    Value get(const std::string& control, const std::string& property, const std::vector<Value>& index = {}) const;
    void set(const std::string& control, const std::string& property, const Value& value,
             const std::vector<Value>& index = {});
    Value call(const std::string& control, const std::string& method, const std::vector<Value>& args = {});

    // ---- Input, in pixels of the form (a button, shift state or key code out of range throws Error) ----
    void move(int x, int y);
    void down(int button, int x, int y);  // button 1 left, 2 right, 4 middle
    void up(int button, int x, int y);
    void click(int x, int y);             // move there, press and release the left button
    void doubleClick(int x, int y);
    void shift(int state);                // 1 Shift, 2 Ctrl, 4 Alt, for what follows
    void keyDown(int keyCode);
    void keyUp(int keyCode);
    void type(const std::string& text);   // typed characters (UTF-8)
    // Alt with a character; false if no control has that access key.
    bool accessKey(const std::string& character);
    void focus(const std::string& control);
    void tick(int milliseconds);          // runs the form's clock (timers)
    // Input-script lines (`ulmaro render --script`), one a line; returns what they print:
    // results of get and call, one line per event raised. A bad line throws Error naming it.
    std::string run(const std::string& lines);

    // ---- Files and pictures ----
    void save(const std::string& path) const;
    void render(const std::string& pngPath) const;
    // The picture, row by row, each pixel 0x00RRGGBB.
    std::vector<std::uint32_t> pixels() const;

private:
    struct State;
    explicit Form(std::unique_ptr<State> state);
    std::unique_ptr<State> s_;
};

// The version of the library the program runs with (ULMARO_VERSION_STRING is the one it
// was built against).
std::string version();
// The classes a program can place (placeable true) or create.
std::vector<std::string> classes(bool placeable = true);

}  // namespace ulmaro::api
