// ZynCommand driven as a user drives it: pointer, keys, focus and access keys are the
// transcripts in scripts/; here the hover timer and the persisted property set. Its
// pictures are in command_states_snapshot_test.cpp.
#include "support/transcript.h"

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
};

}  // namespace

TRANSCRIPTS("command");

// The hover timer runs from Show while the pointer may be over the button, stops when a tick
// finds it gone and starts again when it comes back (the looks are the xp_hover_* pictures).
TEST_F(Input, HoverTimerStopsWhileThePointerIsAway) {
    EXPECT_TRUE(button->overTimer().Enabled());
    h.run("move 40 20\nmove 200 80\ntick 3\n");
    EXPECT_FALSE(button->overTimer().Enabled());
    h.run("move 40 20\n");
    EXPECT_TRUE(button->overTimer().Enabled());
}

TEST_F(Input, DisabledButtonTracksHoverButNothingElse) {
    h.run("set Command1.Enabled False\nset Command1.HandPointer True\nmove 40 20\n");
    EXPECT_TRUE(button->IsOver());
    EXPECT_NE(platform::CursorId(platform::GetCursor()), 32649);
    h.run("set Command1.Enabled True\nmove 41 20\n");
    EXPECT_EQ(platform::CursorId(platform::GetCursor()), 32649);
}

TEST_F(Input, FlatSeeThroughButtonsHoverTimerSeesItsSeeThroughParts) {
    h.run("set Command1.ButtonType 1\nset Command1.BackStyle 0\n");
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

TEST(CommandPersistence, HandPointerDoesNotRedrawOtherLetsDo) {
    Harness h;
    auto& c = h.place<ZynCommand>("new ZynCommand Command1 0 0 75 23");
    int before = c.surface().clearCount();
    h.run("set Command1.HandPointer True\n");
    EXPECT_EQ(c.surface().clearCount(), before);
    h.run("set Command1.ButtonType 7\nset Command1.BackStyle -3\n");
    EXPECT_EQ(c.surface().clearCount(), before + 2);
}
