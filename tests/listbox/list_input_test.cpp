// ZynListBox driven as a user drives it: the scroll bar's state and the hand cursor. Clicks,
// keys and the key handler are the transcripts in scripts/; where keys, arrows and the thumb
// scroll the list to, the pictures in pictures/.
#include "list_fixture.h"

#include "support/transcript.h"

#include <ulmaro/platform/win32.h>

using namespace ulmaro;
using ulmaro::test::ListForm;

namespace {

bool handShown() { return platform::GetCursor() == platform::LoadCursorA(nullptr, platform::IDC_HAND); }

}  // namespace

TRANSCRIPTS("listbox");

// The scroll bar's state beyond what it draws (the pictures in pictures/ show where the
// list scrolls to and the arrows pressed).
TEST(ListScrollBar, TheRepeatStopsOnReleaseAndPausesOffTheArrow) {
    ListForm f(20);
    f.h.run("down 1 150 120\ntick 703\n");
    EXPECT_TRUE(f.list->downPressed());
    f.h.run("up 1 150 120\ntick 50\n");
    EXPECT_FALSE(f.list->timer1().Enabled());
    EXPECT_FALSE(f.list->downPressed());
    f.h.run("down 1 150 35\nmove 50 60\ntick 1\n");
    EXPECT_FALSE(f.list->upPressed());
    EXPECT_FALSE(f.list->timer1().Enabled());
    f.h.run("up 1 50 60\n");
}

TEST(ListScrollBar, AThumbDragLastsFromThePressToTheRelease) {
    ListForm f(20);
    EXPECT_EQ(f.list->thumbRect().top, 36);
    EXPECT_EQ(f.list->thumbRect().bottom, 57);  // 66 * 6 / 20 pixels long, plus one
    f.h.run("down 1 150 50\nmove 150 83\n");
    EXPECT_TRUE(f.list->thumbDragging());
    f.h.run("up 1 50 60\n");
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
