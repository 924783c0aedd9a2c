// ZynListBox driven as a user drives it: where keys scroll to, the scroll bar's arrows and
// thumb, the hold-to-repeat timer and the hand cursor. Clicks, Ctrl+A, Ctrl+I and the key
// handler are the transcripts in scripts/.
#include "list_fixture.h"

#include "support/transcript.h"

#include <ulmaro/platform/win32.h>

using namespace ulmaro;
using ulmaro::test::ListForm;

namespace {

bool handShown() { return platform::GetCursor() == platform::LoadCursorA(nullptr, platform::IDC_HAND); }

}  // namespace

TRANSCRIPTS("listbox");

// ---- Keys --------------------------------------------------------------------------------------------

TEST(ListKeys, NavigationMovesTheIndexAndScrollsWithTheScrollBar) {
    ListForm f(20);
    f.h.run("focus List1\nkeydown 40\n");
    EXPECT_EQ(f.get("ListIndex"), "List1.ListIndex = 0\n");
    for (int i = 0; i < 6; ++i) f.h.run("keydown 40\n");
    EXPECT_EQ(f.list->TopIndex(), 1);  // item 6 left the view at the bottom
    f.h.run("keydown 35\n");
    EXPECT_EQ(f.get("ListIndex") + std::to_string(f.list->TopIndex()), "List1.ListIndex = 19\n14");
    f.h.run("keydown 33\n");
    EXPECT_EQ(f.get("ListIndex") + std::to_string(f.list->TopIndex()), "List1.ListIndex = 13\n8");
    f.h.run("keydown 34\nkeydown 40\n");  // Down on the last item goes one past it, and scrolls
    EXPECT_EQ(f.get("ListIndex") + std::to_string(f.list->TopIndex()), "List1.ListIndex = 20\n15");
    f.h.run("keydown 36\n");
    EXPECT_EQ(f.get("ListIndex") + std::to_string(f.list->TopIndex()), "List1.ListIndex = 0\n0");
    f.h.run("keydown 38\n");
    EXPECT_EQ(f.get("ListIndex"), "List1.ListIndex = 0\n");
}

TEST(ListKeys, ShiftArrowsGrowAndShrinkTheSelectionAndOnlyDownScrolls) {
    ListForm f(20, "set List1.MultiSelect True\nfocus List1\n");
    f.h.run("set List1.ListIndex 2\nshift 1\nkeydown 40\nkeydown 40\n");
    EXPECT_EQ(f.selection().substr(0, 6) + f.get("ListIndex"), "001110List1.ListIndex = 4\n");
    f.h.run("keydown 38\n");
    EXPECT_EQ(f.selection().substr(0, 6) + f.get("ListIndex"), "001100List1.ListIndex = 3\n");

    f.h.run("shift 0\nkeydown 35\nset List1.ListIndex 14\nshift 1\nkeydown 38\n");
    EXPECT_EQ(f.get("ListIndex"), "List1.ListIndex = 13\n");
    EXPECT_EQ(f.list->TopIndex(), 14);  // above the view, not scrolled
    f.h.run("shift 0\nset List1.ListIndex 14\nkeydown 38\n");
    EXPECT_EQ(f.list->TopIndex(), 13);
}

// ---- Scroll bar --------------------------------------------------------------------------------------

TEST(ListScrollBar, HoldingAnArrowRepeatsAfterSevenTenthsOfASecond) {
    ListForm f(20);
    f.h.run("down 1 150 120\n");  // the down arrow, pressed at second 0
    EXPECT_EQ(f.list->TopIndex(), 1);
    EXPECT_TRUE(f.list->downPressed());
    f.h.run("tick 700\n");
    EXPECT_EQ(f.list->TopIndex(), 1);
    f.h.run("tick 3\n");  // one row per tick from then on
    EXPECT_EQ(f.list->TopIndex(), 4);
    f.h.run("up 1 150 120\ntick 50\n");
    EXPECT_EQ(f.list->TopIndex(), 4);
    EXPECT_FALSE(f.list->timer1().Enabled());
    EXPECT_FALSE(f.list->downPressed());

    f.h.run("tick 99\ndown 1 150 35\n");  // the up arrow, pressed at 0.852 s: second 1
    EXPECT_EQ(f.list->TopIndex(), 3);
    f.h.run("tick 848\n");  // 1.7 s
    EXPECT_EQ(f.list->TopIndex(), 3);
    f.h.run("tick 2\n");
    EXPECT_EQ(f.list->TopIndex(), 1);
    f.h.run("tick 5\n");  // stops at the top
    EXPECT_EQ(f.list->TopIndex(), 0);
    f.h.run("move 50 60\ntick 1\n");  // off the arrow: the repeat pauses
    EXPECT_FALSE(f.list->upPressed());
    EXPECT_FALSE(f.list->timer1().Enabled());
    f.h.run("up 1 50 60\n");
}

TEST(ListScrollBar, DraggingTheThumbScrollsWithThePointer) {
    ListForm f(20);
    EXPECT_EQ(f.list->thumbRect().top, 36);
    EXPECT_EQ(f.list->thumbRect().bottom, 57);  // 66 * 6 / 20 pixels long, plus one
    f.h.run("down 1 150 50\nmove 150 83\n");  // grabbed 4 pixels below the thumb's top
    EXPECT_TRUE(f.list->thumbDragging());
    EXPECT_EQ(f.list->TopIndex(), 10);
    f.h.run("tick 1\n");  // the tick redraws the thumb at its new place
    EXPECT_EQ(f.list->thumbRect().top, 36 + 33);
    f.h.run("move 150 400\n");
    EXPECT_EQ(f.list->TopIndex(), 14);
    f.h.run("move 150 -50\n");
    EXPECT_EQ(f.list->TopIndex(), 0);
    // The release ends the drag wherever it is, and never selects.
    EXPECT_EQ(f.h.run("up 1 50 60\n").find("ClickOnItem"), std::string::npos);
    EXPECT_FALSE(f.list->thumbDragging());
}

TEST(ListScrollBar, TheHandShowsOverItemsOnRequestAndOverArrowsAlways) {
    ListForm f(20);
    f.h.run("move 50 60\n");
    EXPECT_FALSE(handShown());
    f.h.run("move 150 120\n");
    EXPECT_TRUE(handShown());
    f.h.run("set List1.HandPointer True\nmove 50 60\n");
    EXPECT_TRUE(handShown());
    f.h.run("move 50 20\n");  // the title
    EXPECT_FALSE(handShown());
}
