// ZynCheckBox driven as a user drives it: the events in their order, the Changed veto, the
// space bar, the buttons, disabled boxes, hover tracking and the minimum size.
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
    std::int32_t value() const { return box->Value(); }
};

}  // namespace

TEST_F(CheckBoxInput, LeftClickEventOrderAndToggle) {
    EXPECT_EQ(h.run("down 1 30 18\n"), "Check1.MouseDown 1 0 20 8\n");
    EXPECT_EQ(box->GlyphIndex(), 2);  // pressed, unchecked
    EXPECT_EQ(h.run("up 1 30 18\n"),
              "Check1.MouseUp 1 0 20 8\n"
              "Check1.Changed 1 False\n"
              "Check1.MouseMove 0 0 0 0\n"
              "Check1.MouseMove 1 0 20 8\n"
              "Check1.Click\n");
    EXPECT_EQ(value(), 1);
    EXPECT_EQ(box->GlyphIndex(), 5);  // checked, hot: the pointer is over it since Show
    h.run("down 1 30 18\nup 1 30 18\n");
    EXPECT_EQ(value(), 0);
}

TEST_F(CheckBoxInput, ChangedCanCancelOrReplaceTheValue) {
    h.run("on Check1.Changed Cancel=True\n");
    EXPECT_EQ(h.run("down 1 30 18\nup 1 30 18\n"),
              "Check1.MouseDown 1 0 20 8\n"
              "Check1.MouseUp 1 0 20 8\n"
              "Check1.Changed 1 True\n"
              "Check1.MouseMove 1 0 20 8\n"
              "Check1.Click\n");
    EXPECT_EQ(value(), 0);
    EXPECT_EQ(box->GlyphIndex(), 2);  // the release kept the left button's pressed glyph
    EXPECT_EQ(h.run("set Check1.Value 1\nget Check1.Value\n"), "Check1.Changed 1 True\nCheck1.Value = 0\n");

    h.run("on Check1.Changed Value=2\n");
    h.run("down 1 30 18\nup 1 30 18\n");
    EXPECT_EQ(value(), 2);
    EXPECT_EQ(box->GlyphIndex(), 1);  // grayed draws with the unchecked cells
    h.run("off Check1.Changed\ndown 1 30 18\nup 1 30 18\n");
    EXPECT_EQ(value(), 1);  // anything but 1 toggles to 1
}

TEST_F(CheckBoxInput, SpaceBarPressesAtOriginAndHoldsThePressedGlyph) {
    h.run("focus Check1\n");
    EXPECT_EQ(h.run("keydown 32\n"), "Check1.KeyDown 32 0\nCheck1.MouseDown 1 0 0 0\n");
    EXPECT_TRUE(box->KeyPressed());
    // Moves over the box and, under its capture, off it do not change the pressed glyph.
    h.run("move 40 15\ntick 2\nmove 200 90\n");
    EXPECT_EQ(box->GlyphIndex(), 2);
    EXPECT_EQ(value(), 0);
    EXPECT_EQ(h.run("keyup 32\n"),
              "Check1.KeyUp 32 0\nCheck1.MouseUp 0 0 0 0\nCheck1.Changed 1 False\n"
              "Check1.MouseMove 0 0 0 0\nCheck1.MouseMove 0 0 0 0\n");
    EXPECT_EQ(value(), 1);
    EXPECT_EQ(box->GlyphIndex(), 5);  // hot until a tick finds the pointer gone
    h.run("tick 1\n");
    EXPECT_EQ(box->GlyphIndex(), 4);
    EXPECT_EQ(h.run("type x\n"), "Check1.KeyPress 120\n");
}

TEST_F(CheckBoxInput, MiddleButtonTogglesRightButtonDoesNot) {
    EXPECT_EQ(h.run("down 2 30 18\nup 2 30 18\n"), "Check1.MouseDown 2 0 20 8\nCheck1.MouseUp 2 0 20 8\nCheck1.Click\n");
    EXPECT_EQ(value(), 0);
    h.run("down 4 30 18\n");
    EXPECT_EQ(box->GlyphIndex(), 2);
    h.run("up 4 30 18\n");
    EXPECT_EQ(value(), 1);
}

TEST_F(CheckBoxInput, ReleaseTogglesWhereverThePointerIs) {
    EXPECT_EQ(h.run("down 1 30 18\nup 1 250 90\n"),
              "Check1.MouseDown 1 0 20 8\nCheck1.MouseUp 1 0 240 80\nCheck1.Changed 1 False\n"
              "Check1.MouseMove 0 0 0 0\nCheck1.MouseMove 1 0 240 80\n");
    EXPECT_EQ(value(), 1);
}

TEST_F(CheckBoxInput, DisabledBoxPassesFocusOnAndIgnoresPressesButRaisesEvents) {
    h.run("set Check1.Enabled False\n");
    EXPECT_EQ(h.run("get Check1.ForeColor\n"), "Check1.ForeColor = -2147483631\n");
    EXPECT_EQ(box->GlyphIndex(), 3);
    h.run("focus Check2\nkeydown 9\n");  // Tab onto the disabled box ...
    EXPECT_EQ(h.form->focused()->name(), "Check2");  // ... which passes it on
    EXPECT_FALSE(box->HasFocus());
    EXPECT_EQ(h.run("down 1 30 18\nup 1 30 18\n"), "Check1.MouseDown 1 0 20 8\nCheck1.MouseUp 1 0 20 8\nCheck1.Click\n");
    EXPECT_EQ(value(), 0);
    EXPECT_EQ(box->GlyphIndex(), 3);
    EXPECT_EQ(h.run("tick 10\n"), "");  // no hover tracking either
    EXPECT_EQ(h.run("set Check1.Enabled True\nget Check1.ForeColor\n"),
              "Check1.MouseMove 0 0 0 0\nCheck1.ForeColor = -2147483630\n");
}

TEST_F(CheckBoxInput, HoverTimerHoldsTheCaptureWhileThePointerIsOver) {
    const platform::HWND hwnd = box->surface().hWnd();
    // Both boxes start out taking the pointer to be over them (from Show): on the first
    // tick the second one, finding it outside, lets go of the capture the first just took.
    h.run("move 50 15\ntick 1\n");
    EXPECT_EQ(platform::GetCapture(), nullptr);
    h.run("tick 1\n");
    EXPECT_EQ(platform::GetCapture(), hwnd);
    EXPECT_TRUE(box->IsOver());
    EXPECT_EQ(box->GlyphIndex(), 1);
    // The capture brings the moves off the box here, hot glyph and all.
    EXPECT_EQ(h.run("move 200 90\n"), "Check1.MouseMove 0 0 190 80\n");
    EXPECT_EQ(box->GlyphIndex(), 1);
    h.run("tick 1\n");
    EXPECT_EQ(platform::GetCapture(), nullptr);
    EXPECT_FALSE(box->IsOver());
    EXPECT_EQ(box->GlyphIndex(), 0);
    EXPECT_EQ(h.run("move 200 91\n"), "");
}

TEST_F(CheckBoxInput, GrowsToTheGlyphAndKeepsTheFocusRectangle) {
    h.run("resize Check1 120 10\n");
    platform::RECT r = h.form->boundsOf(*box);
    EXPECT_EQ(r.bottom - r.top, 13);
    h.run("resize Check1 5 20\n");
    r = h.form->boundsOf(*box);
    EXPECT_EQ(r.right - r.left, 13);
}
