// ZynTextBox and the focus: the control hands it to its shown box, a locked box passes it
// on, a multi-line box takes the form's tab stops while it has it, and the focus colours
// come and go without losing the user's colours.
#include <ulmaro/platform/win32.h>

#include "framework/colors.h"
#include "text_box_support.h"

using namespace ulmaro;
using ulmaro::test::TextBoxForm;

namespace {

struct Focus : ::testing::Test {
    TextBoxForm f;
    void SetUp() override {
        f.run(
            "new ZynTextBox Text1 10 10 200 21\nnew ZynTextBox Text2 10 40 200 21\nnew ZynTextBox Text3 10 70 200 60\n"
            "new ZynLabel Label1 10 140 100 20\nnew ZynCommand Command1 10 170 100 24\n");
    }
    Control* focused() { return f.h.form->focused(); }
    Control* control(const char* name) { return f.h.form->find(name); }
};

}  // namespace

TEST_F(Focus, TheControlHandsTheFocusToItsShownBoxAndSelectsAll) {
    f.run("focus Text1\n");
    EXPECT_EQ(platform::GetFocus(), f.box("Text1").textBox(0).hWnd());
    EXPECT_EQ(f.box("Text1").SelLength(), 5);
    // Focused again from inside, nothing changes; without SelectOnFocus nothing is selected.
    f.run("call Text1.SelectText 2 0\nfocus Text1\nset Text2.SelectOnFocus False\nkeydown 9\n");
    EXPECT_EQ(f.box("Text1").SelLength(), 0);
    EXPECT_EQ(focused(), control("Text2"));
    EXPECT_EQ(f.box("Text2").SelLength(), 0);
    // A click on the legend of a single-line box focuses its box.
    f.run("set Text3.Legend \"Name\"\ndown 1 14 80\nup 1 14 80\n");
    EXPECT_EQ(platform::GetFocus(), f.box("Text3").textBox(0).hWnd());
}

TEST_F(Focus, ALockedBoxPassesTheFocusOn) {
    f.run("set Text2.Locked True\nfocus Text1\nkeydown 9\n");
    EXPECT_EQ(focused(), control("Text3"));
    // A click lands on the box and moves on as well; so does a click on its legend.
    f.run("down 1 100 50\nup 1 100 50\n");
    EXPECT_EQ(focused(), control("Text3"));
    // With every box locked the focus goes round once and stops at the button.
    f.run("set Text1.Locked True\nset Text3.Locked True\nfocus Text1\n");
    EXPECT_EQ(focused(), control("Command1"));
}

TEST_F(Focus, AMultilineBoxTakesTheFormsTabStopsWhileFocused) {
    f.run("set Text3.Multiline True\nset Command1.TabStop False\nfocus Text3\n");
    for (const char* name : {"Text1", "Text2", "Text3", "Command1"})
        EXPECT_EQ(f.run(std::string("get ") + name + ".TabStop\n"), std::string(name) + ".TabStop = False\n");
    // A label has no tab stop: it refuses quietly.
    EXPECT_NE(f.run("get Label1.TabStop\n").find("error 438"), std::string::npos);
    f.run("set Text3.Text \"\"\nkeydown 9\n");
    EXPECT_EQ(f.text("Text3"), "\t");
    EXPECT_EQ(focused(), control("Text3"));
    // Leaving gives every control a tab stop, also the one that had none.
    f.run("focus Text1\n");
    EXPECT_EQ(f.run("get Command1.TabStop\n"), "Command1.TabStop = True\n");
    f.run("keydown 9\n");
    EXPECT_EQ(focused(), control("Text2"));
}

TEST_F(Focus, FocusColoursRestoreTheUsersColours) {
    f.run(
        "set Text1.ShowFocus True\nset Text1.BackColor 255\nset Text1.ForeColor 65280\nset Text1.FocusBackColor "
        "16711680\n");
    ZynTextBox& t = f.box("Text1");
    f.run("focus Text1\n");
    EXPECT_EQ(t.textBox(0).BackColor(), 16711680u);
    EXPECT_EQ(t.textBox(1).ForeColor(), 0x80000017u);
    EXPECT_EQ(f.h.pixel(10 + 100, 10 + 1), platform::RGB(0, 0, 255));  // the interior behind the box
    f.run("focus Text2\n");
    EXPECT_EQ(t.textBox(0).BackColor(), 255u);
    EXPECT_EQ(t.textBox(0).ForeColor(), 65280u);
    EXPECT_EQ(f.run("get Text1.BackColor\n"), "Text1.BackColor = 255\n");
}
