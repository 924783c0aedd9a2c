// At design time the designer keeps the mouse and the keyboard; at run time a form that
// opens gives the focus to its first control in tab order, after its load lines.
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

namespace {

std::string openForm(const std::string& loadLines, const std::string& script, std::string* focused = nullptr) {
    registerLibraryClasses();
    const std::string text =
        "{\"Form\": {\"Width\": 200, \"Height\": 100}, \"Controls\": [\n"
        "{\"Class\": \"ZynLabel\", \"Name\": \"L1\", \"Left\": 0, \"Top\": 0, \"Width\": 50, \"Height\": 20},\n"
        "{\"Class\": \"ZynCommand\", \"Name\": \"C1\", \"Left\": 0, \"Top\": 20, \"Width\": 50, \"Height\": 20},\n"
        "{\"Class\": \"ZynCommand\", \"Name\": \"C2\", \"Left\": 0, \"Top\": 40, \"Width\": 50, \"Height\": 20},\n"
        "{\"Class\": \"ZynCommand\", \"Name\": \"C3\", \"Left\": 0, \"Top\": 60, \"Width\": 50, \"Height\": 20}],\n"
        "\"Load\": [" + loadLines + "]}";
    std::unique_ptr<Form> form;
    std::ostringstream out, err;
    app::ScriptRunner runner(form, out);
    form = loadFormFromText(text, "focus.json", true, runner.eventHandler());
    EXPECT_EQ(form->focused(), nullptr);
    EXPECT_EQ(runner.runFormLoad("focus.json", err), 0) << err.str();
    std::istringstream in(script);
    EXPECT_EQ(runner.run(in, "script", err), 0) << err.str();
    if (focused) *focused = form->focused() ? form->focused()->name() : "";
    return out.str();
}

}  // namespace

TEST(InitialFocus, TheFirstControlInTabOrderThatCanTakeItHasItBeforeTheScript) {
    std::string focused;
    // The label takes no focus: C1 has it, and keys reach it at once.
    EXPECT_EQ(openForm("", "keydown 32\nkeyup 32\n", &focused), "L1.Change\nC1.Click\n");
    EXPECT_EQ(focused, "C1");
    // The load lines run first: what they hide does not take it.
    EXPECT_EQ(openForm("\"set C1.Visible False\", \"set C2.Visible False\"", "keydown 13\nkeyup 13\n", &focused),
              "L1.Change\nC3.Click\n");
    EXPECT_EQ(focused, "C3");
}

TEST(InitialFocus, ControlsPlacedLaterDoNotTakeIt) {
    Harness h;
    EXPECT_EQ(h.run("new ZynCommand C1 0 0 75 23\nkeydown 32\nkeyup 32\n"), "");
    EXPECT_EQ(h.form->focused(), nullptr);
}
