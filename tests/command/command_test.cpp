// ZynCommand driven as a user drives it (pointer, keys, focus, access keys and the hover
// timer, through input scripts) and its persisted property set. Its pictures are in
// command_states_snapshot_test.cpp.
#include "support/harness.h"

#include "command/zyn_command.h"
#include "framework/form_file.h"

#include <fstream>

#include <ulmaro/platform/host.h>

using namespace ulmaro;
using ulmaro::test::Harness;

namespace {

struct Input : ::testing::Test {
    Harness h{300, 100};
    ZynCommand* button = &h.place<ZynCommand>("new ZynCommand Command1 10 10 75 23");
    void SetUp() override { h.run("new ZynCommand Command2 100 10 75 23\n"); }
    std::string focused() const { return h.form->focused()->name(); }
    // Runs each step's script lines, checking what they print and the Value after them.
    void steps(std::initializer_list<std::tuple<const char*, const char*, bool>> list) {
        for (const auto& [script, printed, value] : list) {
            EXPECT_EQ(h.run(std::string(script) + "\n"), printed) << script;
            EXPECT_EQ(button->Value(), value) << script;
        }
    }
};

}  // namespace

// The left button pushes while held and clicks on release, moving the focus here; dragged
// off it shows raised, back on pushed again, and a release outside clicks nothing.
TEST_F(Input, LeftClickAndDraggingOffAndBack) {
    steps({{"move 40 20\ndown 1 40 20", "", true}, {"up 1 40 20", "Command1.Click\n", false}});
    EXPECT_TRUE(button->HasFocus());
    steps({{"down 1 40 20\nmove 150 80", "", false}, {"move 41 21", "", true}, {"move 150 80\nup 1 150 80", "", false}});
}

// A press on the form keeps the pointer from the button; the right button and both
// buttons are ignored.
TEST_F(Input, PressesThatAreNotTheButtonsAreIgnored) {
    steps({{"down 1 150 80\nmove 40 20", "", false},
           {"up 1 40 20", "", false},
           {"down 1 40 20\nup 1 40 20", "Command1.Click\n", false},
           {"down 2 40 20\nup 2 40 20", "", false},
           {"down 3 40 20", "", false},
           {"up 3 40 20", "", false}});
}

// Space shows the button pushed, Enter clicks without; other keys do nothing. Losing the
// focus releases a pushed button.
TEST_F(Input, SpaceShowsPushedEnterDoesNot) {
    steps({{"focus Command1\nkeydown 32", "", true},
           {"keyup 32", "Command1.Click\n", false},
           {"keydown 13", "", false},
           {"keyup 13", "Command1.Click\n", false},
           {"keydown 65\nkeyup 65", "", false},
           {"keydown 32", "", true},
           {"focus Command2", "", false}});
}

TEST_F(Input, ArrowsMoveTheFocusEvenInCheckMode) {
    h.run("set Command1.CheckBox True\nfocus Command1\n");
    for (auto [key, to] : {std::pair{"39", "Command2"}, {"38", "Command1"}, {"40", "Command2"}, {"40", "Command1"}}) {
        h.run(std::string("keydown ") + key + "\n");
        EXPECT_EQ(focused(), to) << key;  // round the tab order
    }
}

TEST_F(Input, AccessKeysClickWithoutStateChange) {
    steps({{"set Command1.Caption \"&Go\"\nfocus Command2\naccesskey g", "Command1.Click\n", false},
           {"set Command1.Enabled False\naccesskey G", "", false}});
    EXPECT_EQ(focused(), "Command2");
}

// Space toggles a check-mode button on each key down (repeats too) and the release keeps
// the latch; pressing a checked button unchecks it, moving inside before the release sets
// it again; losing the focus leaves it latched.
TEST_F(Input, CheckModeLatchesAndToggles) {
    steps({{"set Command1.CheckBox True\nfocus Command1\nkeydown 32", "", true},
           {"keydown 32", "", false},
           {"keydown 32", "", true},
           {"keyup 32", "Command1.Click\n", true},
           {"down 1 40 20", "", false},
           {"move 42 20", "", true},
           {"up 1 42 20", "Command1.Click\n", true},
           {"focus Command2", "", true}});
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
    steps({{"set Command1.Enabled False\nset Command1.HandPointer True\nmove 40 20\ndown 1 40 20\nup 1 40 20\nkeydown 32\nkeyup 32",
            "", false}});
    EXPECT_TRUE(button->IsOver());
    EXPECT_NE(platform::CursorId(platform::GetCursor()), 32649);
    h.run("set Command1.Enabled True\nmove 41 20\n");
    EXPECT_EQ(platform::CursorId(platform::GetCursor()), 32649);
}

TEST_F(Input, FlatSeeThroughButtonLetsPressesThroughButNotTheHoverTimer) {
    h.run("set Command1.ButtonType 1\nset Command1.BackStyle 0\n");
    // A press on a see-through part goes to the form behind: no Click.
    EXPECT_EQ(h.run("down 1 12 12\nup 1 12 12\n"), "");
    // The hover timer finds the pointer over the button even where it is see-through, and
    // never stops for this style.
    h.run("move 12 12\ntick 3\n");
    EXPECT_TRUE(button->IsOver());
    h.run("move 300 300\ntick 3\n");
    EXPECT_FALSE(button->IsOver());
    EXPECT_TRUE(button->overTimer().Enabled());
}

TEST(InputDesignMode, HoverTimerOnlyRunsAtRunTime) {
    Harness design(200, 60, false);
    EXPECT_FALSE(design.place<ZynCommand>("new ZynCommand Command1 0 0 75 23").overTimer().Enabled());
}

// ---- Persistence -------------------------------------------------------------------------

namespace {

std::string tempPath(const std::string& name) { return std::string(ULMARO_BINARY_DIR) + "/" + name; }

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

// Loading draws once at its end; the host's Resize, Show and Paint that follow draw too.
TEST(CommandPersistence, LoadingDrawsOnceThenTheHostDraws) {
    registerLibraryClasses();
    Form form(200, 100);
    PropertyBag bag;
    bag.WriteProperty("Caption", Variant("OK"));
    EXPECT_EQ(form.place("ZynCommand", "Command1", 0, 0, 75, 23, nullptr, &bag).surface().clearCount(), 3);
}

TEST(CommandPersistence, LoadingThenSavingGivesTheSameFile) {
    Harness h;
    std::string first = tempPath("command_round1.json"), second = tempPath("command_round2.json");
    h.run("new ZynCommand Command1 4 4 75 23\nset Command1.Caption \"&Save \"\"all\"\"\"\nset Command1.ButtonType 1\n"
          "set Command1.CheckBox True\nset Command1.Value True\nset Command1.Font.Bold True\nsave " + first + "\n");
    auto form = loadForm(first);
    saveForm(*form, second);
    EXPECT_EQ(readFile(first), readFile(second));
    auto* c = dynamic_cast<ZynCommand*>(form->find("Command1"));
    EXPECT_EQ(c->Caption(), "&Save \"all\"");
    EXPECT_TRUE(c->CheckBox() && c->Value() && c->Font()->Bold());
}

TEST(CommandPersistence, LetsStoreAnyNumberAndHandPointerDoesNotRedraw) {
    Harness h;
    auto& c = h.place<ZynCommand>("new ZynCommand Command1 0 0 75 23");
    int before = c.surface().clearCount();
    EXPECT_EQ(h.run("set Command1.HandPointer True\nget Command1.HandPointer\n"), "Command1.HandPointer = True\n");
    EXPECT_EQ(c.surface().clearCount(), before);
    EXPECT_EQ(h.run("set Command1.ButtonType 7\nget Command1.ButtonType\nset Command1.BackStyle -3\nget Command1.BackStyle\n"),
              "Command1.ButtonType = 7\nCommand1.BackStyle = -3\n");
    EXPECT_EQ(c.surface().clearCount(), before + 2);
}

TEST(CommandPersistence, AccessKeyFollowsTheCaption) {
    Harness h;
    h.run("new ZynCommand Command1 0 0 75 23\n");
    auto& s = h.form->find("Command1")->surface();
    // No ampersand, or one at the end: the previous key stays.
    const std::pair<const char*, const char*> kCases[] = {{"&Apply", "A"}, {"Fish && Chips", ""}, {"R&&D &Lab", "L"},
                                                          {"&Next", "N"},  {"No key", "N"},        {"Last&", "N"}};
    for (const auto& [caption, key] : kCases) {
        h.run(std::string("set Command1.Caption \"") + caption + "\"\n");
        EXPECT_EQ(s.AccessKeys(), key) << caption;
    }
}
