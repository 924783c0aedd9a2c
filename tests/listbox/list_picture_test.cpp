// ZynListBox as it draws: reference pictures of its states, and the rules a picture shows.
#include "list_fixture.h"

#include "support/snapshot.h"

#include <ulmaro/platform/host.h>

using namespace ulmaro;
using ulmaro::test::controlPicture;
using ulmaro::test::expectSnapshot;
using ulmaro::test::ListForm;

namespace {

const std::string kStar = ULMARO_SOURCE_DIR "/examples/pictures/star32.png";

void expectList(ListForm& f, const std::string& state) { expectSnapshot("listbox", state, controlPicture(f.h, "List1")); }

}  // namespace

TEST(ListPicture, TitleFrameAndSelection) {
    ListForm f(4);
    expectList(f, "title_and_frame");
    f.h.run("set List1.ListIndex 1\n");
    expectList(f, "single_selection");
    f.h.run("set List1.Caption \"\"\n");  // no title: its line lies on the top of the frame
    expectList(f, "no_title");
}

TEST(ListPicture, AdjacentSelectedItemsMakeOneOutlinedBlock) {
    ListForm f(6, "set List1.MultiSelect True\nset List1.Round True\n");
    f.h.run("set List1.ListIndex 1\nset List1.Selected 2 True\nset List1.Selected 3 True\nset List1.Selected 5 True\n");
    expectList(f, "multiple_selection_round");
    // Without a current item nothing is highlighted, selected or not.
    f.h.run("set List1.ListIndex -1\nset List1.Selected 0 True\n");
    expectList(f, "multiple_selection_no_current");
}

TEST(ListPicture, ThumbFollowsTheScrollPositionAndArrowsShowPressed) {
    ListForm f(20, "focus List1\n");
    expectList(f, "scroll_top");
    f.h.run("keydown 35\n");
    expectList(f, "scroll_end");
    f.h.run("keydown 33\ndown 1 150 120\n");
    expectList(f, "down_arrow_pressed");
    f.h.run("up 1 150 120\n");
}

TEST(ListPicture, IconAndAZeroChannelTitleRamp) {
    ListForm f(3, "set List1.Icon \"" + kStar + "\"\nset List1.UseMask True\nset List1.MaskColor &HFF00FF\n");
    expectList(f, "icon_title");
    // Pure blue: red and green ramp up the title rows instead of staying at 0.
    f.h.run("set List1.BorderColor &HFF0000\nset List1.Icon \"\"\n");
    expectList(f, "zero_channel_border");
}

TEST(ListPicture, NothingIsDrawnBeforeShow) {
    ListForm f(3);
    ZynListBox hidden;
    hidden.setCaption("not shown");
    hidden.AddItem("x");
    EXPECT_EQ(hidden.surface().clearCount(), 0);
    EXPECT_GT(f.list->surface().clearCount(), 0);
}

TEST(ListPicture, RedrawsFromTheCacheMatchAFullRebuild) {
    ListForm f(20, "set List1.Round True\nset List1.MultiSelect True\n");
    f.h.run("set List1.ListIndex 3\nset List1.Selected 4 True\ncall List1.RemoveItem 0\n");  // rebuilt by the layout
    const platform::Image rebuilt = controlPicture(f.h, "List1");
    f.list->Paint();  // from the off-screen copy
    EXPECT_EQ(controlPicture(f.h, "List1").px, rebuilt.px);
}
