// ZynCommand driven as a user drives it: pointer, keys, focus, access keys and the hover
// timer, through input scripts.
#include "support/harness.h"

#include "command/zyn_command.h"

#include <ulmaro/platform/host.h>

using namespace ulmaro;
using ulmaro::test::Harness;

namespace {

struct Input : ::testing::Test {
    Harness h{300, 100};
    ZynCommand* button = nullptr;
    void SetUp() override {
        h.run("new ZynCommand Command1 10 10 75 23\nnew ZynCommand Command2 100 10 75 23\n");
        button = dynamic_cast<ZynCommand*>(h.form->find("Command1"));
    }
    std::string value() { return h.run("get Command1.Value\n"); }
};

const std::string kTrue = "Command1.Value = True\n";
const std::string kFalse = "Command1.Value = False\n";

}  // namespace

TEST_F(Input, LeftClickPushesWhileHeldAndClicksOnRelease) {
    EXPECT_EQ(h.run("move 40 20\ndown 1 40 20\n"), "");
    EXPECT_EQ(value(), kTrue);
    EXPECT_EQ(h.run("up 1 40 20\n"), "Command1.Click\n");
    EXPECT_EQ(value(), kFalse);
    EXPECT_TRUE(button->HasFocus());  // the press moved the focus here
}

TEST_F(Input, DraggingOffAndBackFollowsThePointer) {
    h.run("down 1 40 20\nmove 150 80\n");
    EXPECT_EQ(value(), kFalse);  // shown raised while outside
    h.run("move 41 21\n");
    EXPECT_EQ(value(), kTrue);  // pushed again on the way back
    h.run("move 150 80\n");
    EXPECT_EQ(h.run("up 1 150 80\n"), "");  // released outside: no Click
    EXPECT_EQ(value(), kFalse);
}

TEST_F(Input, APressOnTheFormKeepsThePointerFromTheButton) {
    EXPECT_EQ(h.run("down 1 150 80\nmove 40 20\n"), "");
    EXPECT_EQ(value(), kFalse);
    EXPECT_EQ(h.run("up 1 40 20\n"), "");
    EXPECT_EQ(value(), kFalse);
    EXPECT_EQ(h.run("down 1 40 20\nup 1 40 20\n"), "Command1.Click\n");  // the next press is the button's
}

TEST_F(Input, RightAndBothButtonsAreIgnored) {
    EXPECT_EQ(h.run("down 2 40 20\nup 2 40 20\n"), "");
    EXPECT_EQ(value(), kFalse);
    EXPECT_EQ(h.run("down 3 40 20\n"), "");
    EXPECT_EQ(value(), kFalse);
    EXPECT_EQ(h.run("up 3 40 20\n"), "");
}

TEST_F(Input, SpaceShowsPushedEnterDoesNot) {
    h.run("focus Command1\nkeydown 32\n");
    EXPECT_EQ(value(), kTrue);
    EXPECT_EQ(h.run("keyup 32\n"), "Command1.Click\n");
    EXPECT_EQ(value(), kFalse);
    h.run("keydown 13\n");
    EXPECT_EQ(value(), kFalse);
    EXPECT_EQ(h.run("keyup 13\n"), "Command1.Click\n");
    EXPECT_EQ(h.run("keydown 65\nkeyup 65\n"), "");
}

TEST_F(Input, ArrowsMoveTheFocusEvenInCheckMode) {
    h.run("set Command1.CheckBox True\nfocus Command1\nkeydown 39\n");
    EXPECT_EQ(h.form->focused()->name(), "Command2");
    EXPECT_FALSE(button->HasFocus());
    h.run("keydown 38\n");
    EXPECT_EQ(h.form->focused()->name(), "Command1");
    h.run("keydown 40\n");
    EXPECT_EQ(h.form->focused()->name(), "Command2");
    h.run("keydown 40\n");  // wraps round the tab order
    EXPECT_EQ(h.form->focused()->name(), "Command1");
}

TEST_F(Input, AccessKeysClickWithoutStateChange) {
    h.run("set Command1.Caption \"&Go\"\nfocus Command2\n");
    EXPECT_EQ(h.run("accesskey g\n"), "Command1.Click\n");
    EXPECT_EQ(value(), kFalse);
    EXPECT_EQ(h.form->focused()->name(), "Command2");
    EXPECT_EQ(h.run("set Command1.Enabled False\naccesskey G\n"), "");
}

TEST_F(Input, CheckModeLatchesAndToggles) {
    h.run("set Command1.CheckBox True\nfocus Command1\n");
    h.run("keydown 32\n");
    EXPECT_EQ(value(), kTrue);
    h.run("keydown 32\n");  // key repeat toggles again
    EXPECT_EQ(value(), kFalse);
    h.run("keydown 32\n");
    EXPECT_EQ(value(), kTrue);
    EXPECT_EQ(h.run("keyup 32\n"), "Command1.Click\n");
    EXPECT_EQ(value(), kTrue);  // release keeps the latch
    // Pressing a checked button unchecks it, but moving inside before the release sets it again.
    h.run("down 1 40 20\n");
    EXPECT_EQ(value(), kFalse);
    h.run("move 42 20\n");
    EXPECT_EQ(value(), kTrue);
    EXPECT_EQ(h.run("up 1 42 20\n"), "Command1.Click\n");
    EXPECT_EQ(value(), kTrue);
    // Losing the focus leaves a latched button latched.
    h.run("focus Command2\n");
    EXPECT_EQ(value(), kTrue);
}

TEST_F(Input, LosingTheFocusReleasesAPushButton) {
    h.run("focus Command1\nkeydown 32\n");
    EXPECT_EQ(value(), kTrue);
    h.run("focus Command2\n");
    EXPECT_EQ(value(), kFalse);
}

TEST_F(Input, HoverTimerLeavesAndEnters) {
    EXPECT_TRUE(button->overTimer().Enabled());  // started by Show at run time
    h.run("move 40 20\n");
    EXPECT_TRUE(button->IsOver());
    h.run("move 200 80\ntick 2\n");
    EXPECT_TRUE(button->IsOver());  // the timer has not looked yet
    h.run("tick 1\n");
    EXPECT_FALSE(button->IsOver());
    EXPECT_FALSE(button->overTimer().Enabled());  // stopped until the pointer comes back
    h.run("move 40 20\n");
    EXPECT_TRUE(button->IsOver());
    EXPECT_TRUE(button->overTimer().Enabled());
}

TEST_F(Input, TimerFindsThePointerInsideWithoutAMove) {
    // The pointer arrives over the button while no mouse move reaches it (a press elsewhere
    // holds the pointer): the next tick finds it inside.
    h.run("move 150 80\ndown 1 150 80\nmove 40 20\n");
    EXPECT_FALSE(button->IsOver());
    h.run("tick 3\n");
    EXPECT_TRUE(button->IsOver());
}

TEST_F(Input, DisabledButtonTracksHoverButNothingElse) {
    h.run("set Command1.Enabled False\nset Command1.HandPointer True\n");
    EXPECT_EQ(h.run("move 40 20\ndown 1 40 20\nup 1 40 20\nkeydown 32\nkeyup 32\n"), "");
    EXPECT_TRUE(button->IsOver());
    EXPECT_EQ(value(), kFalse);
    EXPECT_NE(platform::CursorId(platform::GetCursor()), 32649);
    h.run("set Command1.Enabled True\nmove 41 20\n");
    EXPECT_EQ(platform::CursorId(platform::GetCursor()), 32649);
}

TEST(InputDesignMode, HoverTimerOnlyRunsAtRunTime) {
    Harness design(200, 60, false);
    design.run("new ZynCommand Command1 0 0 75 23\n");
    auto* b = dynamic_cast<ZynCommand*>(design.form->find("Command1"));
    EXPECT_FALSE(b->overTimer().Enabled());
}
