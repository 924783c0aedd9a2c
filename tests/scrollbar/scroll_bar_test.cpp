// ZynScrollBar: dragging state and persistence; its value rules, arrow and track steps with
// auto-repeat on the form's clock and thumb dragging are the transcripts in scripts/, its
// thumb against Size, Max and Value the pictures in pictures/.
#include "support/transcript.h"

#include "scrollbar/zyn_scroll_bar.h"

using namespace ulmaro;
using namespace ulmaro::platform;
using ulmaro::test::Harness;

namespace {

// A 17 x 200 bar at (10, 10): client y = form y - 10.
struct ScrollBarFixture : ::testing::Test {
    Harness h{60, 220};
    ZynScrollBar* bar = &h.place<ZynScrollBar>("new ZynScrollBar SB 10 10 17 200");
};

}  // namespace

TEST_F(ScrollBarFixture, DraggingTheThumbFollowsThePointer) {
    h.run("move 18 100\ndown 1 18 100\n");
    EXPECT_TRUE(bar->dragging());
    h.run("move 18 108\n");
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
    h.run("up 1 18 108\n");
    EXPECT_FALSE(bar->dragging());
}

TEST_F(ScrollBarFixture, SavedFormKeepsEveryPropertyInOrder) {
    h.run("set SB.Max 20\nset SB.Change 2.5\nset SB.ForeColor &HFF\nset SB.BackColor &H8000000F\n");
    PropertyBag bag;
    bar->WriteProperties(bag);
    std::string keys;
    for (const auto& [k, v] : bag.entries()) keys += k + "=" + v.toString() + " ";
    EXPECT_EQ(keys, "Max=20 Size=10 Change=2.5 Value=20 ForeColor=255 BackColor=-2147483633 ");
    Harness other{60, 220};
    other.form->place("ZynScrollBar", "SB", 0, 0, 17, 200, nullptr, &bag);
    EXPECT_EQ(other.run("get SB.Change\nget SB.Value\n"), "SB.Change = 2.5\nSB.Value = 20\n");
}

TRANSCRIPTS("scrollbar");
PICTURES("scrollbar", "SB", 0);
