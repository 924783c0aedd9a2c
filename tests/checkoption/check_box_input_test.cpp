// ZynCheckBox's capture while the pointer is over it, and its minimum size. The events and
// values of presses, keys and hover are the transcripts in scripts/, the glyphs they leave
// the pictures in pictures/.
#include "support/harness.h"

#include "checkoption/zyn_check_box.h"

#include <ulmaro/platform/win32.h>

using namespace ulmaro;
using ulmaro::test::Harness;

namespace {

struct CheckBoxInput : ::testing::Test {
    Harness h{300, 100};
    ZynCheckBox* box = &h.place<ZynCheckBox>("new ZynCheckBox Check1 10 10 120 17");
    void SetUp() override { h.run("new ZynCheckBox Check2 10 40 120 17\n"); }
};

}  // namespace

TEST_F(CheckBoxInput, HoverTimerHoldsTheCaptureWhileThePointerIsOver) {
    const platform::HWND hwnd = box->surface().hWnd();
    // Both boxes start out taking the pointer to be over them (from Show): on the first
    // tick the second one, finding it outside, lets go of the capture the first just took.
    h.run("move 50 15\ntick 1\n");
    EXPECT_EQ(platform::GetCapture(), nullptr);
    h.run("tick 1\n");
    EXPECT_EQ(platform::GetCapture(), hwnd);
    EXPECT_TRUE(box->IsOver());
    // The capture brings the moves off the box here (the hot glyph stays: the
    // check_hot_moved_off picture) until a tick finds the pointer outside.
    h.run("move 200 90\ntick 1\n");
    EXPECT_EQ(platform::GetCapture(), nullptr);
    EXPECT_FALSE(box->IsOver());
}

TEST_F(CheckBoxInput, GrowsToTheGlyph) {
    h.run("resize Check1 120 10\n");
    platform::RECT r = h.form->boundsOf(*box);
    EXPECT_EQ(r.bottom - r.top, 13);
    h.run("resize Check1 5 20\n");
    r = h.form->boundsOf(*box);
    EXPECT_EQ(r.right - r.left, 13);
}
