// ZynTextBox and the focus: the control hands it to its shown box, a locked box passes it
// on, and the focus colours come and go without losing the user's colours (a multi-line
// box taking the form's tab stops while it has it is in scripts/multiline_tab_stops).
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
