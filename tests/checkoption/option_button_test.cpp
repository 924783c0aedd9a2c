// ZynOptionButton groups: a selection clears the rest of its group in the same container,
// by Group and name; programmatic selection raises no mouse events; -1 as a coordinate
// means "no event" (X) and "do not select" (Y).
#include "support/harness.h"

#include "checkoption/zyn_option_button.h"

#include <ulmaro/platform/win32.h>

using namespace ulmaro;
using ulmaro::test::Harness;

namespace {

// Two groups in two columns: A1..A3 in group 0 at x 10, B1..B2 in group 1 at x 150.
struct Groups : ::testing::Test {
    Harness h{300, 100};
    void SetUp() override {
        h.run("new ZynOptionButton A1 10 10 120 17\nnew ZynOptionButton A2 10 30 120 17\n"
              "new ZynOptionButton A3 10 50 120 17\n"
              "new ZynOptionButton B1 150 10 120 17\nnew ZynOptionButton B2 150 30 120 17\n"
              "set B1.Group 1\nset B2.Group 1\nset A2.Value 1\nset B1.Value 1\ntick 1\n");
    }
    std::int32_t value(const char* name) { return dynamic_cast<ZynOptionButton*>(h.form->find(name))->Value(); }
    std::string values() {
        std::string s;
        for (const char* n : {"A1", "A2", "A3", "B1", "B2"}) s += std::to_string(value(n));
        return s;
    }
};

}  // namespace

TEST_F(Groups, ClickSelectsAndClearsOnlyItsOwnGroup) {
    EXPECT_EQ(values(), "01010");
    EXPECT_EQ(h.run("down 1 30 58\nup 1 30 58\n"),
              "A3.MouseDown 1 0 20 8\n"
              "A3.MouseUp 1 0 20 8\n"
              "A1.Changed 0\n"
              "A2.Changed 0\n"
              "A3.Changed 1\n"
              // selecting clears the group once more, from the Value property
              "A1.Changed 0\n"
              "A2.Changed 0\n"
              "A3.MouseMove 1 0 20 8\n"
              "A3.Click\n");
    EXPECT_EQ(values(), "00110");
    // A click on the selected button selects it again.
    EXPECT_EQ(h.run("down 1 30 58\nup 1 30 58\n"),
              "A3.MouseDown 1 0 20 8\nA3.MouseUp 1 0 20 8\nA1.Changed 0\nA2.Changed 0\nA3.Changed 1\n"
              "A1.Changed 0\nA2.Changed 0\nA3.MouseMove 1 0 20 8\nA3.Click\n");
    h.run("down 4 170 38\nup 4 170 38\n");  // the middle button selects too
    EXPECT_EQ(values(), "00101");
    h.run("down 2 30 18\nup 2 30 18\n");  // the right button never does
    EXPECT_EQ(values(), "00101");
}

TEST_F(Groups, ValueSetInCodeClearsTheGroupWithoutMouseEvents) {
    EXPECT_EQ(h.run("set A1.Value 1\n"), "A1.Changed 1\nA2.Changed 0\nA3.Changed 0\n");
    EXPECT_EQ(values(), "10010");
    EXPECT_EQ(dynamic_cast<ZynOptionButton*>(h.form->find("A1"))->GlyphIndex(), 4);
    // A disabled button takes the value but leaves the others alone.
    h.run("set A3.Enabled False\n");
    EXPECT_EQ(h.run("set A3.Value 1\n"), "A3.Changed 1\n");
    EXPECT_EQ(values(), "10110");
    EXPECT_EQ(dynamic_cast<ZynOptionButton*>(h.form->find("A3"))->GlyphIndex(), 7);
    // Moving a button to another group takes it out of the first one.
    h.run("set A1.Group 1\nset A2.Value 1\n");
    EXPECT_EQ(values(), "11010");
}

TEST_F(Groups, ChangedHandlerCanRefuseTheSelectionAfterTheOthersAreCleared) {
    h.run("on A1.Changed Value=0\n");
    EXPECT_EQ(h.run("down 1 30 18\nup 1 30 18\n"),
              "A1.MouseDown 1 0 20 8\nA1.MouseUp 1 0 20 8\nA2.Changed 0\nA3.Changed 0\nA1.Changed 0\n"
              "A1.MouseMove 1 0 20 8\nA1.Click\n");
    EXPECT_EQ(values(), "00010");
}

TEST_F(Groups, HandlersThatReselectEndInAnErrorNotACrash) {
    h.run("on A1.Changed Value=1\non A2.Changed Value=1\n");
    const std::string out = h.run("set A1.Value 1\n");
    EXPECT_NE(out.find("error 28: Out of stack space"), std::string::npos);
    EXPECT_EQ(h.run("off A1.Changed\noff A2.Changed\nset A3.Value 1\n"), "A3.Changed 1\nA1.Changed 0\nA2.Changed 0\n");
    EXPECT_EQ(values(), "00110");
}

TEST_F(Groups, SpaceSelectsOnRelease) {
    h.run("focus A1\n");
    EXPECT_EQ(h.run("keydown 32\n"), "A1.KeyDown 32 0\nA1.MouseDown 1 0 0 0\n");
    EXPECT_EQ(values(), "01010");
    EXPECT_EQ(h.run("keyup 32\n"),
              "A1.KeyUp 32 0\nA1.MouseUp 0 0 0 0\nA2.Changed 0\nA3.Changed 0\nA1.Changed 1\nA2.Changed 0\n"
              "A3.Changed 0\nA1.MouseMove 0 0 0 0\n");
    EXPECT_EQ(values(), "10010");
}

// Right and Down move the focus as Tab does, Left and Up as Shift+Tab; nothing is selected.
TEST_F(Groups, ArrowsMoveTheFocusInTabOrder) {
    h.run("focus A2\n");
    for (auto [key, to] : {std::pair{"39", "A3"}, {"40", "B1"}, {"38", "A3"}, {"37", "A2"}}) {
        h.run(std::string("keydown ") + key + "\nkeyup " + key + "\n");
        EXPECT_EQ(h.form->focused()->name(), to) << key;
    }
    EXPECT_EQ(values(), "01010");
}

TEST_F(Groups, MinusOneCoordinatesUnderTheCaptureRaiseNoEventAndDoNotSelect) {
    // The pointer over A1 with the capture taken; then just left of it (X = -1).
    h.run("move 30 18\ntick 1\n");
    ASSERT_EQ(platform::GetCapture(), h.form->find("A1")->surface().hWnd());
    EXPECT_EQ(h.run("move 9 18\n"), "");
    EXPECT_EQ(h.run("down 1 9 18\n"), "A1.MouseDown 1 0 -1 8\n");
    EXPECT_EQ(h.run("up 1 9 18\n"), "A2.Changed 0\nA3.Changed 0\nA1.Changed 1\nA2.Changed 0\nA3.Changed 0\n");
    EXPECT_EQ(values(), "10010");
    // Just above A2 (Y = -1): the group is cleared but A2 is not selected.
    h.run("move 30 38\ntick 1\nmove 30 29\n");
    ASSERT_EQ(platform::GetCapture(), h.form->find("A2")->surface().hWnd());
    EXPECT_EQ(h.run("down 1 30 29\nup 1 30 29\n"),
              "A2.MouseDown 1 0 20 -1\nA2.MouseUp 1 0 20 -1\nA1.Changed 0\nA3.Changed 0\nA2.MouseMove 1 0 20 -1\n");
    EXPECT_EQ(values(), "00010");
}

TEST(OptionButton, EnabledSwitchesTheForeColourAndFontGrowsTheControl) {
    Harness h(300, 100);
    h.run("new ZynOptionButton O 10 10 120 13\n");
    EXPECT_EQ(h.run("set O.Enabled False\nget O.ForeColor\n"), "O.ForeColor = -2147483631\n");
    EXPECT_EQ(h.run("set O.Enabled True\nget O.ForeColor\n"), "O.MouseMove 0 0 0 0\nO.ForeColor = -2147483630\n");
    h.run("set O.Font.Size 24\n");
    platform::RECT r = h.form->boundsOf(*h.form->find("O"));
    EXPECT_GT(r.bottom - r.top, 30);
}
