// The window system's input as a form receives it from the live window: cursor shapes,
// double clicks, access keys, typed characters, focus in and out.
#include "app/form_input.h"

#include "framework/form.h"

#include <ulmaro/platform/host.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ulmaro::app {
namespace {

using namespace platform;
using Log = std::vector<std::string>;

// Writes down the notifications it gets; its access key is R.
class InputRecorder : public Control {
public:
    static ClassInfo describe() { return ClassBuilder<InputRecorder>("TestInputRecorder", "records input").build(); }
    Log log;

    void InitProperties() override { surface().setAccessKeys("r"); }
    void KeyDown(std::int16_t& k, std::int16_t& s) override { log.push_back("keydown " + std::to_string(k) + " " + std::to_string(s)); }
    void KeyUp(std::int16_t& k, std::int16_t& s) override { log.push_back("keyup " + std::to_string(k) + " " + std::to_string(s)); }
    void KeyPress(std::int16_t& a) override { log.push_back("keypress " + std::to_string(a)); }
    void AccessKeyPress(std::int16_t& a) override { log.push_back("accesskey " + std::to_string(a)); }
    void MouseDown(std::int16_t& b, std::int16_t& s, float&, float&) override { log.push_back("down " + std::to_string(b) + " " + std::to_string(s)); }
    void MouseUp(std::int16_t& b, std::int16_t&, float&, float&) override { log.push_back("up " + std::to_string(b)); }
    void DblClick() override { log.push_back("dblclick"); }
};

struct FormInputTest : ::testing::Test {
    Form form{200, 100};
    FormInput input{form};
    InputRecorder* rec = nullptr;

    void SetUp() override {
        registerLibraryClasses();
        TypeLibrary::instance().addClass(InputRecorder::describe());
        rec = static_cast<InputRecorder*>(&form.place("TestInputRecorder", "Rec", 10, 10, 40, 20));
        form.setFocus(rec);
        rec->log.clear();
    }
};

TEST_F(FormInputTest, PointerShowsTheCursorTheControlUnderItAsksFor) {
    Control& hand = form.place("ZynCommand", "Hand", 100, 10, 60, 20);
    hand.setProperty("HandPointer", Variant(true));
    Control& off = form.place("ZynCommand", "Off", 100, 40, 60, 20);
    off.setProperty("HandPointer", Variant(true));
    off.setProperty("Enabled", Variant(false));

    EXPECT_EQ(input.pointerMoved(120, 20, 0), 32649);  // hand
    EXPECT_EQ(input.pointerMoved(20, 20, 0), 32512);   // a control that sets none: arrow
    EXPECT_EQ(input.pointerMoved(120, 20, 0), 32649);
    EXPECT_EQ(input.pointerMoved(190, 90, 0), 32512);  // the form itself
    EXPECT_EQ(input.pointerMoved(120, 50, 0), 32512);  // a disabled button keeps the arrow
    input.pointerMoved(120, 20, 0);
    EXPECT_EQ(input.button(1, true, 1, 120, 20, 0), 32649);  // a press leaves the shape as it is
}

TEST_F(FormInputTest, EverySecondQuickPressIsADoubleClick) {
    for (int clicks = 1; clicks <= 4; ++clicks) {
        input.button(1, true, clicks, 20, 20, 0);
        input.button(1, false, clicks, 20, 20, 0);
    }
    EXPECT_EQ(rec->log, (Log{"down 1 0", "up 1", "dblclick", "up 1", "down 1 0", "up 1", "dblclick", "up 1"}));
    rec->log.clear();
    // Only the left button double-clicks; the others press again.
    input.button(2, true, 2, 20, 20, 3);
    input.button(2, false, 2, 20, 20, 3);
    EXPECT_EQ(rec->log, (Log{"down 2 3", "up 2"}));
}

TEST_F(FormInputTest, AltWithALetterIsAnAccessKeyWhenAControlHasIt) {
    input.key(18, true, 4);
    input.key('R', true, 4);
    input.key('R', true, 4);  // held: it repeats
    input.typed("r", 4);      // the letter is not typed
    input.key('R', false, 4);
    input.key('Q', true, 4);  // no control has Q: an ordinary key down
    input.key(18, false, 0);
    EXPECT_EQ(rec->log, (Log{"keydown 18 4", "accesskey 82", "accesskey 82", "keyup 82 4", "keydown 81 4", "keyup 18 0"}));
    rec->log.clear();
    // AltGr (Ctrl+Alt) types instead.
    input.key('R', true, 6);
    input.typed("@", 6);
    EXPECT_EQ(rec->log, (Log{"keydown 82 6", "keypress 64"}));
}

TEST_F(FormInputTest, KeysThatTypeAndKeysThatDoNot) {
    input.key(13, true, 0);   // Enter types a carriage return
    input.key(8, true, 0);    // Backspace
    input.key(27, true, 0);   // Escape
    input.key('A', true, 2);  // Ctrl+A types character 1
    input.key('A', true, 1);  // Shift+A: its character comes as typed text
    input.typed("A\xE9", 1);
    input.key(46, true, 0);   // Delete types nothing
    input.key(46, false, 0);
    EXPECT_EQ(rec->log, (Log{"keydown 13 0", "keypress 13", "keydown 8 0", "keypress 8", "keydown 27 0", "keypress 27",
                             "keydown 65 2", "keypress 1", "keydown 65 1", "keypress 65", "keypress 233", "keydown 46 0",
                             "keyup 46 0"}));
}

TEST_F(FormInputTest, LeavingTheWindowForgetsHeldKeysAndComingBackRestoresTheFocus) {
    input.key(16, true, 1);
    input.key('A', true, 1);
    ASSERT_NE(GetKeyState(VK_SHIFT) & 0x8000, 0);
    input.focus(false);
    EXPECT_EQ(GetKeyState(VK_SHIFT) & 0x8000, 0);
    EXPECT_EQ(GetKeyState('A') & 0x8000, 0);
    EXPECT_EQ(GetFocus(), nullptr);
    input.focus(true);
    EXPECT_EQ(GetFocus(), rec->surface().hWnd());
    // No control is told: the focus never left it as far as the form is concerned.
    EXPECT_EQ(form.focused(), rec);
}

TEST_F(FormInputTest, PointerLeavingIsSeenOutsideTheForm) {
    input.pointerMoved(20, 20, 0);
    input.pointerLeft(250, 40);
    POINT p{};
    GetCursorPos(&p);
    EXPECT_EQ(p.x, 250);
    EXPECT_EQ(p.y, 40);
    // A position that still reads inside (the window moved meanwhile) is taken as outside.
    input.pointerLeft(30, 30);
    GetCursorPos(&p);
    EXPECT_EQ(p.x, -1);
    EXPECT_EQ(p.y, -1);
    EXPECT_EQ(rec->log, Log{});
}

}  // namespace
}  // namespace ulmaro::app
