// ZynCommand driven as a user drives it (pointer, keys, focus, access keys and the hover
// timer, through input scripts) and its persisted property set. Its pictures are in
// command_states_snapshot_test.cpp.
#include "support/harness.h"

#include "command/zyn_command.h"
#include "framework/form_file.h"

#include <nlohmann/json.hpp>

#include <fstream>

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
    design.run("new ZynCommand Command1 0 0 75 23\n");
    auto* b = dynamic_cast<ZynCommand*>(design.form->find("Command1"));
    EXPECT_FALSE(b->overTimer().Enabled());
}

// ---- Persistence -------------------------------------------------------------------------

namespace {

std::string tempPath(const std::string& name) { return std::string(ULMARO_BINARY_DIR) + "/" + name; }

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(CommandPersistence, ABagWithOnlyCaptionSavesEveryKeyInOrderWithItsDefault) {
    registerLibraryClasses();
    Form form(200, 100);
    PropertyBag bag;
    bag.WriteProperty("Caption", Variant("OK"));
    auto& c = dynamic_cast<ZynCommand&>(form.place("ZynCommand", "Command1", 0, 0, 75, 23, nullptr, &bag));
    // Loading draws once at its end; the host's Resize, Show and Paint that follow draw too.
    EXPECT_EQ(c.surface().clearCount(), 3);
    std::string path = tempPath("command_keys.json");
    saveForm(form, path);
    auto props = nlohmann::ordered_json::parse(readFile(path))["Controls"][0]["Properties"];
    props.erase("Font");
    EXPECT_EQ(props.dump(),
              R"({"Enabled":true,"OfficeOverColor":-2147483635,"CenterPicture":true,"CenterText":true,)"
              R"("MustDrawFocus":true,"UseMask":true,"Checkbox":false,"HandPointer":false,"BackStyle":1,"Caption":"OK",)"
              R"("Picture":null,"BackColor":-2147483633,"MaskColor":-2147483633,"ForeColor":-2147483630,"ButtonType":0,"Value":false})");
    EXPECT_EQ(c.Font()->Name(), "MS Sans Serif");
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
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->Caption(), "&Save \"all\"");
    EXPECT_TRUE(c->CheckBox() && c->Value() && c->Font()->Bold());
}

TEST(CommandPersistence, LetsStoreAnyNumberAndHandPointerDoesNotRedraw) {
    Harness h;
    h.run("new ZynCommand Command1 0 0 75 23\n");
    auto& c = dynamic_cast<ZynCommand&>(*h.form->find("Command1"));
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

TEST(CommandPersistence, MalformedFormFilesAreRefusedWithFileLineAndControl) {
    registerLibraryClasses();
    auto message = [](const std::string& text) {
        try {
            loadFormFromText(text, "bad.json");
        } catch (const FormFileError& e) {
            return std::string(e.what());
        }
        return std::string("loaded");
    };
    const std::string head = "{\"Form\": {\"Width\": 100, \"Height\": 50},\n\"Controls\": [\n";
    const std::string control = "{\"Class\": \"ZynCommand\", \"Name\": \"Command2\", \"Left\": 0, \"Top\": 0, \"Width\": 75, \"Height\": 23";
    const std::pair<std::string, std::string> kCases[] = {
        {head, "bad.json:3"},
        {head + "{\"Class\": \"ZynCommand\", \"Name\": \"Command1\", \"Left\": 0, \"Top\": 0, \"Width\": 75, \"Height\": 23},\n" +
             control + ",\n \"Properties\": {\"Enabled\": \"maybe\"}}]}\n",
         "bad.json:5: control Command2: property \"Enabled\""},
        {head + "{\"Class\": \"ZynNothing\", \"Name\": \"X\", \"Left\": 0, \"Top\": 0, \"Width\": 1, \"Height\": 1}]}", "unknown class ZynNothing"},
        {head + control + ", \"Properties\": {\"Captoin\": \"x\"}}]}", "unknown property \"Captoin\""},
    };
    for (const auto& [text, expected] : kCases) EXPECT_NE(message(text).find(expected), std::string::npos) << message(text);
}
