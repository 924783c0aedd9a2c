// ZynListBox as it draws: its states are drawn by the scripts in pictures/; here what is
// drawn when, and redraws from the off-screen copy.
#include "list_fixture.h"

#include "support/transcript.h"

#include <ulmaro/platform/host.h>

using namespace ulmaro;
using ulmaro::test::controlPicture;
using ulmaro::test::ListForm;

PICTURES("listbox", "List1", 0);

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
