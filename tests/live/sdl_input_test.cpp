// The window system's input in the platform's terms: key codes, modifier bits, buttons,
// typed text and cursor shapes.
#include "app/cursor_shapes.h"
#include "app/sdl_input.h"

#include <gtest/gtest.h>

namespace ulmaro::app {
namespace {

// Keys without a platform code are not passed on; lock keys are no modifiers of the Shift
// argument; extra buttons have no number.
TEST(SdlInput, KeysModifiersAndButtons) {
    EXPECT_EQ(virtualKeyOf(SDLK_F13), 0);
    EXPECT_EQ(virtualKeyOf(SDLK_AUDIOPLAY), 0);
    for (auto [mods, bits] : {std::pair<int, int>{KMOD_NONE, 0}, {KMOD_RSHIFT, 1}, {KMOD_LCTRL | KMOD_LSHIFT, 3},
                              {KMOD_RALT | KMOD_RCTRL, 6}, {KMOD_CAPS | KMOD_NUM | KMOD_LALT, 4}})
        EXPECT_EQ(shiftBitsOf(static_cast<std::uint16_t>(mods)), bits) << mods;
    for (auto [sdl, button] : {std::pair<int, int>{SDL_BUTTON_LEFT, 1}, {SDL_BUTTON_RIGHT, 2}, {SDL_BUTTON_MIDDLE, 4}, {SDL_BUTTON_X1, 0}})
        EXPECT_EQ(buttonOf(static_cast<std::uint8_t>(sdl)), button) << sdl;
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

// Enter, Backspace, Escape and Ctrl with a letter type control characters; letters without
// Ctrl arrive as typed text, Tab belongs to the form, Alt goes to menus.
TEST(SdlInput, KeysThatTypeControlCharacters) {
    const int cases[][3] = {{13, 0, 13}, {13, 2, 10}, {8, 0, 8},   {8, 2, 127}, {27, 0, 27}, {'A', 2, 1},  {'Z', 3, 26},
                            {'A', 0, 0}, {'A', 1, 0}, {9, 0, 0},   {13, 4, 0},  {'A', 6, 0}, {46, 2, 0}};
    for (const auto& c : cases) EXPECT_EQ(controlCharacterOf(c[0], c[1]), c[2]) << c[0] << " " << c[1];
}

TEST(CursorShapes, UnknownShapesShowTheArrow) {
    EXPECT_EQ(systemCursorOf(32649), SDL_SYSTEM_CURSOR_HAND);
    // No cursor set yet, and shapes without an SDL picture, show the arrow.
    EXPECT_EQ(systemCursorOf(0), SDL_SYSTEM_CURSOR_ARROW);
    EXPECT_EQ(systemCursorOf(32651), SDL_SYSTEM_CURSOR_ARROW);
}

}  // namespace
}  // namespace ulmaro::app
