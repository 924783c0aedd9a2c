// At design time the designer keeps the mouse and the keyboard (at run time a form that
// opens gives the focus to its first control in tab order, after its load lines: the
// initial_focus transcripts in scripts/).
#include "support/harness.h"

#include "framework/form_file.h"

using namespace ulmaro;
using ulmaro::test::Harness;

TEST(DesignTime, NoControlReceivesInputOrRaisesInputEvents) {
    Harness h(200, 100, false);
    h.run("new ZynCommand C1 0 0 75 23\nnew ZynLabel L1 0 40 150 20\nset C1.Caption \"&Go\"\n"
          "set L1.Caption \"<a name=\"\"home\"\">Home</a>\"\n");
    EXPECT_EQ(h.run("move 10 10\ndown 1 10 10\nup 1 10 10\ndblclick 10 10\nmove 5 45\ndown 1 5 45\nup 1 5 45\n"
                    "focus C1\nkeydown 32\nkeyup 32\ntype x\naccesskey g\nshift 1\nkeydown 9\n"),
              "");
    EXPECT_EQ(h.form->focused(), nullptr);
    EXPECT_EQ(platform::GetCapture(), nullptr);
    // Properties and methods work as before.
    EXPECT_EQ(h.run("set C1.Caption \"Stop\"\nget C1.Caption\ncall C1.Refresh\n"), "C1.Caption = \"Stop\"\n");
}
