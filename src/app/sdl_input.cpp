#include "sdl_input.h"

#include <ulmaro/platform/win32.h>

#include <SDL_mouse.h>

#include <cstdint>
#include <string>

namespace ulmaro::app {

int virtualKeyOf(SDL_Keycode key) {
    // SDL names letters by their lower-case character; virtual keys use the capital.
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return 112 + (key - SDLK_F1);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return 97 + (key - SDLK_KP_1);
    switch (key) {
        case SDLK_BACKSPACE: return 8;
        case SDLK_TAB: return 9;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return 13;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT: return 16;
        case SDLK_LCTRL:
        case SDLK_RCTRL: return 17;
        case SDLK_LALT:
        case SDLK_RALT: return 18;
        case SDLK_PAUSE: return 19;
        case SDLK_CAPSLOCK: return 20;
        case SDLK_ESCAPE: return 27;
        case SDLK_SPACE: return 32;
        case SDLK_PAGEUP: return 33;
        case SDLK_PAGEDOWN: return 34;
        case SDLK_END: return 35;
        case SDLK_HOME: return 36;
        case SDLK_LEFT: return 37;
        case SDLK_UP: return 38;
        case SDLK_RIGHT: return 39;
        case SDLK_DOWN: return 40;
        case SDLK_INSERT: return 45;
        case SDLK_DELETE: return 46;
        case SDLK_KP_0: return 96;
        case SDLK_KP_MULTIPLY: return 106;
        case SDLK_KP_PLUS: return 107;
        case SDLK_KP_MINUS: return 109;
        case SDLK_KP_PERIOD: return 110;
        case SDLK_KP_DIVIDE: return 111;
        case SDLK_NUMLOCKCLEAR: return 144;
        case SDLK_SCROLLLOCK: return 145;
        // Punctuation keys as they sit on a US keyboard.
        case SDLK_SEMICOLON: return 186;
        case SDLK_EQUALS: return 187;
        case SDLK_COMMA: return 188;
        case SDLK_MINUS: return 189;
        case SDLK_PERIOD: return 190;
        case SDLK_SLASH: return 191;
        case SDLK_BACKQUOTE: return 192;
        case SDLK_LEFTBRACKET: return 219;
        case SDLK_BACKSLASH: return 220;
        case SDLK_RIGHTBRACKET: return 221;
        case SDLK_QUOTE: return 222;
        default: return 0;
    }
}

int shiftBitsOf(std::uint16_t modifiers) {
    int bits = 0;
    if (modifiers & KMOD_SHIFT) bits |= 1;
    if (modifiers & KMOD_CTRL) bits |= 2;
    if (modifiers & KMOD_ALT) bits |= 4;
    return bits;
}

int buttonOf(std::uint8_t sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT: return 1;
        case SDL_BUTTON_RIGHT: return 2;
        case SDL_BUTTON_MIDDLE: return 4;
        default: return 0;
    }
}

// Typed text arrives as UTF-8; a control takes ANSI characters, so characters the ANSI code
// page lacks (and malformed bytes) are dropped rather than typed as '?'.
std::string ansiOfUtf8(const std::string& utf8) {
    using namespace platform;
    std::string out;
    if (utf8.empty() || utf8.size() > static_cast<std::size_t>(INT32_MAX)) return out;
    const int n = static_cast<int>(utf8.size());
    std::u16string wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), n, nullptr, 0)), u'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), n, wide.data(), static_cast<int>(wide.size()));
    for (char16_t unit : wide) {
        char b = 0;
        BOOL usedDefault = FALSE;
        WideCharToMultiByte(CP_ACP, 0, &unit, 1, &b, 1, nullptr, &usedDefault);
        if (!usedDefault) out.push_back(b);
    }
    return out;
}

int controlCharacterOf(int virtualKey, int shiftBits) {
    using namespace platform;
    if (shiftBits & 4) return 0;  // with Alt the keys go to the menu, not the control
    bool ctrl = (shiftBits & 2) != 0;
    if (virtualKey == VK_RETURN) return ctrl ? 10 : 13;
    if (virtualKey == VK_BACK) return ctrl ? 127 : 8;
    if (virtualKey == VK_ESCAPE) return ctrl ? 0 : 27;
    if (ctrl && virtualKey >= 'A' && virtualKey <= 'Z') return virtualKey - 'A' + 1;
    return 0;
}

}  // namespace ulmaro::app
