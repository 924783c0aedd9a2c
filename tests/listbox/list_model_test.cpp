// ZynListBox's item store, selection rules, layout and persisted properties.
#include "list_fixture.h"

#include "framework/property_bag.h"
#include "framework/std_picture.h"
#include "support/run_time_error.h"

using namespace ulmaro;
using ulmaro::test::errorNumber;
using ulmaro::test::ListForm;

TEST(ListModel, SlotsOutliveTheItemsTheyHeld) {
    ListForm f;
    // A new list has no slots: out-of-range reads answer quietly, Text raises error 9.
    EXPECT_EQ(f.list->slotCount(), 0u);
    EXPECT_EQ(f.h.run("get List1.List 0\nget List1.Selected 0\nget List1.Text\n"),
              "List1.List = \"\"\nList1.Selected = False\nerror 9: Subscript out of range\n");
    // Clear makes slot 0, which can be selected although the list is empty.
    f.h.run("call List1.Clear\nset List1.MultiSelect True\nset List1.Selected 0 True\n");
    EXPECT_EQ(f.get("ListCount"), "List1.ListCount = 0\n");
    EXPECT_EQ(f.get("Selected 0"), "List1.Selected = True\n");
    // Removing the only item keeps its text in slot 0, and its flag for the next item added.
    f.h.run("call List1.AddItem \"Apple\"\ncall List1.RemoveItem 0\n");
    EXPECT_EQ(f.get("ListCount") + f.get("List 0"), "List1.ListCount = 0\nList1.List = \"Apple\"\n");
    f.h.run("call List1.AddItem \"Pear\"\n");
    EXPECT_EQ(f.get("List 0") + f.get("Selected 0"), "List1.List = \"Pear\"\nList1.Selected = True\n");
}

TEST(ListModel, RemoveItemShiftsTheRestAndLeavesListIndex) {
    ListForm f(5);
    f.h.run("set List1.ListIndex 1\ncall List1.RemoveItem 1\n");
    EXPECT_EQ(f.get("Text") + f.get("ListCount"), "List1.Text = \"Item 2\"\nList1.ListCount = 4\n");
    f.h.run("call List1.RemoveItem 100\n");  // beyond the end: the last item goes
    EXPECT_EQ(f.get("List 2") + f.get("List 3"), "List1.List = \"Item 3\"\nList1.List = \"\"\n");
    EXPECT_EQ(f.list->slotCount(), 3u);
    // A negative index fails at its first copy, before anything changed.
    EXPECT_EQ(f.h.run("call List1.RemoveItem -1\n"), "error 9: Subscript out of range\n");
    EXPECT_EQ(f.get("ListCount"), "List1.ListCount = 3\n");
}

TEST(ListModel, ListIndexClampsToListCountAndDeselectsOnlyUpToThePreviousIndex) {
    ListForm f(3);
    f.h.run("set List1.ListIndex 1000\n");
    EXPECT_EQ(f.get("ListIndex") + f.h.run("get List1.Text\n"), "List1.ListIndex = 3\nerror 9: Subscript out of range\n");
    EXPECT_EQ(f.selection(), "000");
    f.h.run("set List1.ListIndex -5\n");
    EXPECT_EQ(f.get("ListIndex"), "List1.ListIndex = -1\n");

    f.h.run("set List1.MultiSelect True\nset List1.Selected 2 True\nset List1.ListIndex 0\n");
    EXPECT_EQ(f.selection(), "101");
    f.h.run("set List1.ListIndex 1\n");  // clears 0..0 only: item 2 stays selected
    EXPECT_EQ(f.selection(), "011");
}

TEST(ListModel, SelectedClearsOthersOnlyInSingleMode) {
    ListForm f(4);
    f.h.run("set List1.ListIndex 1\nset List1.Selected 3 True\n");
    EXPECT_EQ(f.selection(), "0001");
    f.h.run("set List1.MultiSelect True\nset List1.Selected 0 True\nset List1.Selected 9 True\n");
    EXPECT_EQ(f.selection(), "1001");
    EXPECT_EQ(f.get("ListIndex"), "List1.ListIndex = 1\n");
}

TEST(ListModel, SelectAllAndSelectInvertNeedMultipleSelection) {
    ListForm f(4);
    f.h.run("set List1.ListIndex 2\ncall List1.SelectAll\ncall List1.SelectInvert\n");
    EXPECT_EQ(f.selection() + f.get("ListIndex"), "0010List1.ListIndex = 2\n");
    f.h.run("set List1.MultiSelect True\nset List1.Selected 0 True\ncall List1.SelectInvert\n");
    EXPECT_EQ(f.selection() + f.get("ListIndex"), "0101List1.ListIndex = 1\n");  // first selected
    f.h.run("call List1.SelectAll\n");
    EXPECT_EQ(f.selection() + f.get("ListIndex"), "1111List1.ListIndex = 0\n");
    f.h.run("call List1.SelectInvert\n");
    EXPECT_EQ(f.selection() + f.get("ListIndex"), "0000List1.ListIndex = -1\n");

    ListForm empty(0, "set List1.MultiSelect True\nset List1.ListIndex -1\n");
    empty.h.run("call List1.SelectAll\n");
    EXPECT_EQ(empty.get("ListIndex"), "List1.ListIndex = 0\n");
}

TEST(ListModel, RowsFollowTheFontAndTheTitle) {
    ListForm f(10);
    EXPECT_EQ(f.list->TitleHeight(), 20);
    EXPECT_EQ(f.list->VisibleRows(), 6);  // 100 pixels of 16-pixel rows
    EXPECT_TRUE(f.list->ScrollNeeded());
    f.h.run("set List1.Font.Size 9.75\n");  // rows of Long(19.5) = 20 pixels
    EXPECT_EQ(f.list->VisibleRows(), 5);
    f.h.run("set List1.Caption \"\"\n");
    EXPECT_EQ(f.list->TitleHeight(), 0);
    EXPECT_EQ(f.list->VisibleRows(), 6);
    // An icon makes a title bar of at least its height plus 6, even without a caption.
    f.h.run("set List1.Icon \"" ULMARO_SOURCE_DIR "/examples/pictures/star32.png\"\n");
    EXPECT_EQ(f.list->TitleHeight(), 38);
    // A font whose row pitch rounds to nothing cannot be laid out.
    EXPECT_EQ(f.h.run("set List1.Font.Size 0.2\n"), "error 11: Division by zero\n");
}

TEST(ListModel, ScrollPositionStaysWithinTheList) {
    ListForm f(20, "focus List1\n");
    f.h.run("keydown 35\n");  // End scrolls to the last page
    EXPECT_EQ(f.list->TopIndex(), 14);
    f.h.run("call List1.RemoveItem 0\ncall List1.RemoveItem 0\n");
    EXPECT_EQ(f.list->TopIndex(), 12);
    f.h.run("resize List1 150 400\n");
    EXPECT_FALSE(f.list->ScrollNeeded());
    EXPECT_EQ(f.list->TopIndex(), 0);
}

TEST(ListModel, AutoSizeFitsTheHeightToTheItems) {
    ListForm f(3, "set List1.AutoSize True\n");
    // (20 + 3 * 18.5) pixels in twips, less 20 twips: 1112 twips, shown as 74 pixels.
    EXPECT_EQ(f.h.form->boundsOf(*f.list).bottom - f.h.form->boundsOf(*f.list).top, 74);
    f.add(2);
    EXPECT_EQ(f.h.form->boundsOf(*f.list).bottom - f.h.form->boundsOf(*f.list).top, 111);
}

TEST(ListModel, AddItemStopsQuietlyWhenTheCountWouldOverflow) {
    registerLibraryClasses();
    ZynListBox list;  // not placed: nothing is drawn, so adding is quick
    for (int i = 0; i < 32767; ++i) list.AddItem("x");
    list.AddItem("last");
    EXPECT_EQ(list.ListCount(), 32767);
    EXPECT_EQ(list.List(32767), "last");  // the slot was made before the count failed
}

TEST(ListModel, PersistsItsPropertiesAndReadsAutoSizeBack) {
    ListForm f(0, "set List1.AutoSize True\nset List1.Round True\nset List1.BorderColor 32768\n");
    PropertyBag bag;
    f.list->WriteProperties(bag);
    EXPECT_EQ(bag.ReadProperty("MaskColor").toInt32(), 0);  // a new list never sets it
    ListForm g;
    auto& loaded = dynamic_cast<ZynListBox&>(g.h.form->place("ZynListBox", "List2", 0, 0, 100, 100, nullptr, &bag));
    EXPECT_TRUE(loaded.AutoSize() && loaded.Round());
    EXPECT_EQ(loaded.BorderColor(), 0x8000u);
    EXPECT_TRUE(bag.unreadKeys().empty());
    PropertyBag empty;
    EXPECT_EQ(dynamic_cast<ZynListBox&>(g.h.form->place("ZynListBox", "List3", 0, 0, 100, 100, nullptr, &empty)).MaskColor(), 255u);
}

TEST(ListModel, TerminateReleasesTheOffScreenCopy) {
    ListForm f(3);
    EXPECT_TRUE(f.list->hasCache());
    f.list->Terminate();
    EXPECT_FALSE(f.list->hasCache());
    EXPECT_EQ(errorNumber([&] { f.list->Paint(); }), 0);  // a later redraw makes a new one
    EXPECT_TRUE(f.list->hasCache());
}
