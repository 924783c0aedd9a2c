// The window system's input in the platform's terms: key codes, modifier bits, buttons,
// typed text and cursor shapes.
#include "app/cursor_shapes.h"
#include "app/sdl_input.h"

#include <gtest/gtest.h>

namespace ulmaro::app {
namespace {

TEST(SdlInput, KeysWithoutAPlatformCodeAreNotPassedOn) {
    EXPECT_EQ(virtualKeyOf(SDLK_F13), 0);
    EXPECT_EQ(virtualKeyOf(SDLK_AUDIOPLAY), 0);
}

TEST(SdlInput, ModifiersAndButtons) {
    EXPECT_EQ(shiftBitsOf(KMOD_NONE), 0);
    EXPECT_EQ(shiftBitsOf(KMOD_RSHIFT), 1);
    EXPECT_EQ(shiftBitsOf(KMOD_LCTRL | KMOD_LSHIFT), 3);
    EXPECT_EQ(shiftBitsOf(KMOD_RALT | KMOD_RCTRL), 6);
    // Lock keys are not modifiers of the Shift argument.
    EXPECT_EQ(shiftBitsOf(KMOD_CAPS | KMOD_NUM | KMOD_LALT), 4);

    EXPECT_EQ(buttonOf(SDL_BUTTON_LEFT), 1);
    EXPECT_EQ(buttonOf(SDL_BUTTON_RIGHT), 2);
    EXPECT_EQ(buttonOf(SDL_BUTTON_MIDDLE), 4);
    EXPECT_EQ(buttonOf(SDL_BUTTON_X1), 0);
}

TEST(SdlInput, TypedTextBecomesSingleByteCharacters) {
    EXPECT_EQ(ansiOfUtf8("aZ9 ~"), "aZ9 ~");
    EXPECT_EQ(ansiOfUtf8("\xC3\xA9"), "\xE9");                  // e acute
    EXPECT_EQ(ansiOfUtf8("\xC3\xBF"), "\xFF");                  // y diaeresis
    EXPECT_EQ(ansiOfUtf8("\xE2\x82\xAC"), "\x80");              // euro sign
    EXPECT_EQ(ansiOfUtf8("\xE2\x80\x9C" "x" "\xE2\x80\x9D"), "\x93x\x94");  // curly quotes
    // Characters the code page lacks are left out; so are broken sequences.
    EXPECT_EQ(ansiOfUtf8("a\xE4\xB8\xAD" "b"), "ab");
    EXPECT_EQ(ansiOfUtf8("a\xF0\x9F\x98\x80" "b"), "ab");
    EXPECT_EQ(ansiOfUtf8("a\x80" "b"), "ab");
    EXPECT_EQ(ansiOfUtf8("a\xC3"), "a");
    EXPECT_EQ(ansiOfUtf8("\xC3(x"), "(x");
}

TEST(SdlInput, KeysThatTypeControlCharacters) {
    EXPECT_EQ(controlCharacterOf(13, 0), 13);
    EXPECT_EQ(controlCharacterOf(13, 2), 10);
    EXPECT_EQ(controlCharacterOf(8, 0), 8);
    EXPECT_EQ(controlCharacterOf(8, 2), 127);
    EXPECT_EQ(controlCharacterOf(27, 0), 27);
    EXPECT_EQ(controlCharacterOf('A', 2), 1);
    EXPECT_EQ(controlCharacterOf('Z', 3), 26);
    // Letters without Ctrl arrive as typed text; Tab belongs to the form; Alt goes to menus.
    EXPECT_EQ(controlCharacterOf('A', 0), 0);
    EXPECT_EQ(controlCharacterOf('A', 1), 0);
    EXPECT_EQ(controlCharacterOf(9, 0), 0);
    EXPECT_EQ(controlCharacterOf(13, 4), 0);
    EXPECT_EQ(controlCharacterOf('A', 6), 0);
    EXPECT_EQ(controlCharacterOf(46, 2), 0);
}

TEST(CursorShapes, UnknownShapesShowTheArrow) {
    EXPECT_EQ(systemCursorOf(32649), SDL_SYSTEM_CURSOR_HAND);
    // No cursor set yet, and shapes without an SDL picture, show the arrow.
    EXPECT_EQ(systemCursorOf(0), SDL_SYSTEM_CURSOR_ARROW);
    EXPECT_EQ(systemCursorOf(32651), SDL_SYSTEM_CURSOR_ARROW);
}

}  // namespace
}  // namespace ulmaro::app
