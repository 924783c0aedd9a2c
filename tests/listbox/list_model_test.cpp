// ZynListBox's item store, layout and persisted properties (its selection rules are the
// transcripts in scripts/).
#include "list_fixture.h"

#include "framework/property_bag.h"
#include "framework/std_picture.h"
#include "support/run_time_error.h"

using namespace ulmaro;
using ulmaro::test::errorNumber;
using ulmaro::test::ListForm;

// The item store keeps slots beyond ListCount (the transcripts in scripts/ show what they
// hold): a new list has none; of five items less two, three are left.
TEST(ListModel, SlotsOutliveTheItemsTheyHeld) {
    EXPECT_EQ(ListForm().list->slotCount(), 0u);
    ListForm f(5);
    f.h.run("call List1.RemoveItem 1\ncall List1.RemoveItem 100\n");
    EXPECT_EQ(f.list->slotCount(), 3u);
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
