#include "form_input.h"

#include "sdl_input.h"

#include <ulmaro/platform/host.h>

namespace ulmaro::app {

using namespace platform;

namespace {

int shownCursor() { return CursorId(GetCursor()); }

bool altOnly(int shift) { return (shift & 6) == 4; }

}  // namespace

int FormInput::pointerMoved(int x, int y, int shift) {
    form_.setShift(shift);
    form_.mouseMove(x, y);  // resets the cursor to the arrow; a control may set another
    return shownCursor();
}

int FormInput::button(int button, bool down, int clicks, int x, int y, int shift) {
    form_.setShift(shift);
    if (!down)
        form_.mouseUp(button, x, y);
    else if (button == 1 && clicks >= 2 && clicks % 2 == 0)
        form_.dblClickPress(x, y);
    else
        form_.mouseDown(button, x, y);
    return shownCursor();
}

// Controls that poll the pointer position (hover timers) must see it outside the form; no
// control gets a move.
void FormInput::pointerLeft(int x, int y) {
    if (x >= 0 && y >= 0 && x < form_.width() && y < form_.height()) x = y = -1;
    SetCursorPos(x, y);
}

void FormInput::key(int virtualKey, bool down, int shift) {
    form_.setShift(shift);
    if (!down) {
        form_.keyUp(virtualKey);
        return;
    }
    bool letterOrDigit = (virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9');
    if (altOnly(shift) && letterOrDigit && form_.accessKey(static_cast<char>(virtualKey))) return;
    form_.keyDown(virtualKey);
    if (int ch = controlCharacterOf(virtualKey, shift)) form_.keyPress(ch);
}

void FormInput::typed(const std::string& ansi, int shift) {
    // Alt with a key is a menu or access key, not typing (AltGr comes as Ctrl+Alt).
    if (altOnly(shift)) return;
    for (char c : ansi) form_.keyPress(static_cast<unsigned char>(c));
}

// Leaving the window, keys still held are released as far as the controls can tell (their
// key-up goes to another program); coming back, the focused control has the focus again.
void FormInput::focus(bool gained) {
    if (gained) {
        Control* c = form_.focused();
        SetFocus(c ? c->surface().hWnd() : form_.hwnd());
        return;
    }
    for (int vk = VK_BACK; vk < 256; ++vk) SetKeyDown(vk, false);
    SetFocus(nullptr);
}

}  // namespace ulmaro::app
