// ZynListBox driven as a user drives it: clicks, keys, the scroll bar's arrows and thumb,
// the hold-to-repeat timer and the hand cursor.
#include "list_fixture.h"

#include <ulmaro/platform/win32.h>

using namespace ulmaro;
using ulmaro::test::ListForm;

namespace {

std::string click(int x, int y, int button = 1) {
    return "down " + std::to_string(button) + " " + std::to_string(x) + " " + std::to_string(y) + "\nup " +
           std::to_string(button) + " " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

bool handShown() { return platform::GetCursor() == platform::LoadCursorA(nullptr, platform::IDC_HAND); }

}  // namespace

// ---- Clicks ------------------------------------------------------------------------------------------

TEST(ListClicks, AReleaseOverAnItemMakesItCurrentAndReportsIt) {
    ListForm f(5);
    EXPECT_EQ(f.h.run(click(50, 70)),
              "List1.MouseDown 1 0 40 60\nList1.MouseUp 1 0 40 60\nList1.ClickOnItem 1 0 40 60 2\nList1.Click\n");
    EXPECT_EQ(f.get("ListIndex"), "List1.ListIndex = 2\n");
    EXPECT_EQ(f.selection(), "00000");  // a single-selection click leaves the flags alone
    // Below the last item the row search stops at ListCount.
    EXPECT_EQ(f.h.run(click(50, 120)).find("List1.ClickOnItem 1 0 40 110 5\n") != std::string::npos, true);
    EXPECT_EQ(f.get("ListIndex"), "List1.ListIndex = 5\n");
}

TEST(ListClicks, OtherButtonsTheTitleAndTheScrollStripNeverSelect) {
    ListForm f(20);
    f.h.run("set List1.ListIndex 1\n");
    EXPECT_EQ(f.h.run(click(50, 70, 2)).find("ClickOnItem"), std::string::npos);
    EXPECT_EQ(f.h.run(click(50, 20)).find("ClickOnItem"), std::string::npos);   // on the title
    EXPECT_EQ(f.h.run(click(150, 95)).find("ClickOnItem"), std::string::npos);  // on the track
    EXPECT_EQ(f.get("ListIndex"), "List1.ListIndex = 1\n");
}

TEST(ListClicks, CtrlTogglesAndShiftSelectsARangeFromTheAnchor) {
    ListForm f(6, "set List1.MultiSelect True\n");
    f.h.run(click(50, ListForm::rowY(1)));
    EXPECT_EQ(f.selection(), "010000");
    f.h.run("shift 1\n" + click(50, ListForm::rowY(4)));
    EXPECT_EQ(f.selection() + f.get("ListIndex"), "011110List1.ListIndex = 1\n");  // the anchor stays
    f.h.run(click(50, ListForm::rowY(0)));
    EXPECT_EQ(f.selection(), "110000");
    f.h.run("shift 2\n" + click(50, ListForm::rowY(3)) + click(50, ListForm::rowY(0)));
    EXPECT_EQ(f.selection() + f.get("ListIndex"), "010100List1.ListIndex = 0\n");
    f.h.run("shift 0\n" + click(50, ListForm::rowY(5)));
    EXPECT_EQ(f.selection(), "000001");
}

TEST(ListClicks, ShiftClickWithoutACurrentItemIsAPlainClick) {
    ListForm f(4, "set List1.MultiSelect True\nset List1.ListIndex -1\n");
    f.h.run("shift 1\n" + click(50, ListForm::rowY(2)));
    EXPECT_EQ(f.selection() + f.get("ListIndex"), "0010List1.ListIndex = 2\n");
}

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

TEST(ListKeys, CtrlAAndCtrlIWorkOnlyInMultipleSelection) {
    ListForm f(3, "focus List1\n");
    f.h.run("set List1.ListIndex 1\nshift 2\nkeydown 65\nkeydown 73\n");
    EXPECT_EQ(f.selection(), "010");
    f.h.run("set List1.MultiSelect True\nshift 0\nkeydown 65\n");
    EXPECT_EQ(f.selection(), "010");
    f.h.run("shift 2\nkeydown 65\n");
    EXPECT_EQ(f.selection(), "111");
    f.h.run("set List1.Selected 1 False\nkeydown 73\n");
    EXPECT_EQ(f.selection() + f.get("ListIndex"), "010List1.ListIndex = 1\n");
}

TEST(ListKeys, AKeyDownHandlerCanTakeTheKeyAway) {
    ListForm f(5, "focus List1\n");
    f.h.run("on List1.KeyDown KeyCode=0\n");
    EXPECT_EQ(f.h.run("keydown 40\n"), "List1.KeyDown 0 0\n");
    EXPECT_EQ(f.get("ListIndex"), "List1.ListIndex = -1\n");
    // The handler's Shift comes back masked to the three modifier bits.
    f.h.run("on List1.KeyDown KeyCode=40 Shift=9\nset List1.MultiSelect True\nset List1.ListIndex 0\n");
    f.h.run("keydown 13\n");
    EXPECT_EQ(f.selection(), "11000");  // Shift+Down
    EXPECT_EQ(f.h.run("keyup 40\n"), "List1.KeyUp 40 0\n");
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
