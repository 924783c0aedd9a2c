// The window system's input in the platform's terms: SDL key codes as virtual-key codes,
// modifier state as the Shift argument's bits, SDL buttons as Button values, typed text as
// single-byte (ANSI) characters.
#pragma once

#include <SDL_keyboard.h>

#include <cstdint>
#include <string>

namespace ulmaro::app {

// The virtual-key code of a key, 0 for keys the platform has no code for.
int virtualKeyOf(SDL_Keycode key);

// Shift 1, Ctrl 2, Alt 4.
int shiftBitsOf(std::uint16_t modifiers);

// Left 1, right 2, middle 4; 0 for the other buttons.
int buttonOf(std::uint8_t sdlButton);

// UTF-8 text as the platform's single-byte character set (Windows-1252) bytes; characters
// it cannot represent are left out.
std::string ansiOfUtf8(const std::string& utf8);

// The character a key produces with Ctrl held, or the control character of Enter,
// Backspace and Escape (which arrive as keys, not as typed text); 0 if none.
int controlCharacterOf(int virtualKey, int shiftBits);

}  // namespace ulmaro::app
