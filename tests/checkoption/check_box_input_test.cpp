// ZynCheckBox's glyph and capture through a user's presses, keys and hover (the events and
// values they give are the transcripts in scripts/), and its minimum size.
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
    // The glyph cell after each script, in order.
    std::string glyphs(std::initializer_list<const char*> scripts) {
        std::string s;
        for (const char* script : scripts) s += (h.run(script), std::to_string(box->GlyphIndex()));
        return s;
    }
};

}  // namespace

// Cells: 0-3 unchecked normal, hot, pressed, disabled; 4-7 the same checked. A Value other
// than 1 draws unchecked.
TEST_F(CheckBoxInput, GlyphFollowsPressesValuesAndTheEnabledState) {
    // Pressed, then checked and hot (the pointer is over it since Show), then unchecked.
    EXPECT_EQ(glyphs({"down 1 30 18\n", "up 1 30 18\n", "down 1 30 18\nup 1 30 18\n"}), "251");
    // A cancelled change keeps the pressed glyph; a handler's 2 draws unchecked.
    EXPECT_EQ(glyphs({"on Check1.Changed Cancel=True\ndown 1 30 18\nup 1 30 18\n",
                      "on Check1.Changed Value=2\ndown 1 30 18\nup 1 30 18\noff Check1.Changed\n"}),
              "21");
    // The middle button presses too; disabled shows its cell through presses.
    EXPECT_EQ(glyphs({"down 4 30 18\n", "up 4 30 18\nset Check1.Enabled False\n", "down 1 30 18\nup 1 30 18\n"}), "277");
}

TEST_F(CheckBoxInput, SpaceBarHoldsThePressedGlyphWhateverTheMouseDoes) {
    h.run("focus Check1\nkeydown 32\n");
    EXPECT_TRUE(box->KeyPressed());
    EXPECT_EQ(glyphs({"move 40 15\n", "tick 2\nmove 200 90\n", "keyup 32\n", "tick 1\n"}), "2254");
    EXPECT_FALSE(box->KeyPressed());
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
    // The capture brings the moves off the box here, hot glyph and all.
    EXPECT_EQ(glyphs({"", "move 200 90\n", "tick 1\n"}), "110");
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
