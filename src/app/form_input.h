// The window system's input delivered to a form as the desktop delivers it, in the
// platform's terms (virtual keys, Shift bits, form pixels): the cursor shape a pointer move
// leaves, a double click's second press, Alt with a letter as an access key, the characters
// that keys type, and the keys a window forgets when it loses the focus.
#pragma once

#include "framework/form.h"

#include <string>

namespace ulmaro::app {

class FormInput {
public:
    explicit FormInput(Form& form) : form_(form) {}

    // Each returns the cursor the pointer should show now (a platform cursor identifier).
    int pointerMoved(int x, int y, int shift);
    // `clicks` counts quick presses at one place; every second one is a double click.
    int button(int button, bool down, int clicks, int x, int y, int shift);

    // The pointer went elsewhere on the screen, to (x, y) in form pixels.
    void pointerLeft(int x, int y);
    // A key going down (again and again while it is held) or up.
    void key(int virtualKey, bool down, int shift);
    // Characters typed, in the single-byte character set.
    void typed(const std::string& ansi, int shift);
    void focus(bool gained);

private:
    Form& form_;
};

}  // namespace ulmaro::app
