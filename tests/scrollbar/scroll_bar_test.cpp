// ZynScrollBar through scripts: value rules, thumb geometry, arrow and track steps with
// auto-repeat on the form's clock, thumb dragging, persistence and its pictures.
#include "support/snapshot.h"

#include "scrollbar/zyn_scroll_bar.h"

using namespace ulmaro;
using namespace ulmaro::platform;
using ulmaro::test::Harness;

namespace {

// A 17 x 200 bar at (10, 10): client y = form y - 10.
struct ScrollBarFixture : ::testing::Test {
    Harness h{60, 220};
    ZynScrollBar* bar = &h.place<ZynScrollBar>("new ZynScrollBar SB 10 10 17 200");
    std::string value() { return h.run("get SB.Value\n"); }
};

}  // namespace

TEST_F(ScrollBarFixture, ThumbShowsSizeAgainstMaxAndValue) {
    RECT t = bar->thumbRect();
    EXPECT_EQ((std::vector<LONG>{t.left, t.top, t.right, t.bottom}), (std::vector<LONG>{0, 83, 16, 101}));
    h.run("set SB.Size 100\n");
    t = bar->thumbRect();
    EXPECT_EQ(t.top, 16);
    EXPECT_EQ(t.bottom - t.top, 200 - 34 + 1);
    // The thumb outline is drawn in BackColor on the composed form.
    h.run("set SB.Size 10\n");
    EXPECT_EQ(h.pixel(10, 10 + 83), RGB(49, 106, 197));
}

TEST_F(ScrollBarFixture, SettersClampValueSizeChangeAndMax) {
    EXPECT_EQ(h.run("set SB.Value -3\nget SB.Value\nset SB.Value 1000\nget SB.Value\n"), "SB.Value = 0\nSB.Value = 100\n");
    EXPECT_EQ(h.run("set SB.Value 45\nset SB.Max 20\nget SB.Value\nget SB.Size\n"), "SB.Value = 20\nSB.Size = 10\n");
    EXPECT_EQ(h.run("set SB.Max 5\nget SB.Value\nget SB.Size\n"), "SB.Value = 5\nSB.Size = 5\n");
    EXPECT_EQ(h.run("set SB.Max 0\nget SB.Max\n"), "SB.Max = 1\n");
    EXPECT_EQ(h.run("set SB.Max 100\nset SB.Size 0\nset SB.Change -2\nget SB.Size\nget SB.Change\nset SB.Change 500\nget SB.Change\n"),
              "SB.Size = 1\nSB.Change = 1\nSB.Change = 100\n");
}

TEST_F(ScrollBarFixture, HeldArrowRepeatsAfterHalfASecond) {
    h.run("move 18 205\ndown 1 18 205\n");
    EXPECT_EQ(value(), "SB.Value = 46\n");
    h.run("tick 500\n");
    EXPECT_EQ(value(), "SB.Value = 46\n");  // not yet more than half a second
    h.run("tick 10\n");
    EXPECT_EQ(value(), "SB.Value = 56\n");  // one step on every tick from then on
    h.run("up 1 18 205\ntick 100\n");
    EXPECT_EQ(value(), "SB.Value = 56\n");
    // Leaving the bar while held stops the repeat too.
    h.run("down 1 18 205\nmove 40 205\ntick 600\n");
    EXPECT_EQ(value(), "SB.Value = 57\n");
    h.run("up 1 40 205\n");
}

TEST_F(ScrollBarFixture, TrackPagesByUntilTheThumbReachesThePointer) {
    h.run("move 18 160\ndown 1 18 160\nup 1 18 160\n");
    EXPECT_EQ(value(), "SB.Value = 55\n");
    h.run("down 1 18 40\nup 1 18 40\n");
    EXPECT_EQ(value(), "SB.Value = 45\n");
    // Held below the thumb: pages until the thumb's bottom passes the pointer.
    h.run("down 1 18 180\ntick 700\n");
    EXPECT_EQ(value(), "SB.Value = 95\n");
    h.run("up 1 18 180\n");
}

TEST_F(ScrollBarFixture, DraggingTheThumbFollowsThePointer) {
    h.run("move 18 100\ndown 1 18 100\n");
    EXPECT_TRUE(bar->dragging());
    EXPECT_EQ(h.run("move 18 25\nget SB.Value\n"), "SB.Value = 0\n");  // Y + offset = 8
    EXPECT_EQ(h.run("move 18 108\nget SB.Value\n"), "SB.Value = 50\n");
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
    // Ticks while dragging change nothing.
    EXPECT_EQ(h.run("tick 800\nget SB.Value\n"), "SB.Value = 50\n");
    h.run("up 1 18 108\n");
    EXPECT_FALSE(bar->dragging());
    EXPECT_EQ(h.run("move 40 108\nget SB.Value\n"), "SB.Value = 50\n");
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

TEST_F(ScrollBarFixture, Pictures) {
    using ulmaro::test::controlPicture;
    ulmaro::test::expectSnapshot("scrollbar", "default", controlPicture(h, "SB"));
    h.run("down 1 18 15\n");
    ulmaro::test::expectSnapshot("scrollbar", "up_arrow_pressed", controlPicture(h, "SB"));
    h.run("up 1 18 15\nset SB.Size 100\n");
    ulmaro::test::expectSnapshot("scrollbar", "thumb_fills_track", controlPicture(h, "SB"));
    h.run("set SB.Size 25\nset SB.Value 100\nset SB.ForeColor &H00E0F0FF\nset SB.BackColor &H000060C0\nresize SB 30 120\n");
    ulmaro::test::expectSnapshot("scrollbar", "wide_coloured_at_max", controlPicture(h, "SB"));
}

TEST(ScrollBarTimer, LeavesOtherControlsPressesAlone) {
    Harness h{200, 220};
    h.run("new ZynScrollBar SB 10 10 17 200\nnew ZynCommand C 60 10 80 23\non C.Click\n");
    // The bar's timer runs once the pointer has crossed it; a press on the button while it
    // runs still ends on the button.
    EXPECT_EQ(h.run("move 18 100\nmove 100 20\ndown 1 100 20\ntick 50\nup 1 100 20\n"), "C.Click\n");
}
