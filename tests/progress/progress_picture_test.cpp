// What ZynProgressBar draws: every drawing state against its reference picture (fill
// lengths, block positions, the two-colour caption split, the pie's quarter), and the shape
// of a round bar.
#include "support/snapshot.h"

#include "progress/zyn_progress_bar.h"

using namespace ulmaro;
using namespace ulmaro::platform;
using ulmaro::test::Harness;

namespace {

struct ProgressPicture : ::testing::Test {
    Harness h{320, 140};
};

}  // namespace

TEST_F(ProgressPicture, RoundBarKeepsItsHeightEqualToItsWidthAndAnEllipticWindow) {
    h.run("new ZynProgressBar C 10 10 80 80\nset C.ProgressType 1\nresize C 60 40\n");
    RECT r = h.form->boundsOf(*h.form->find("C"));
    EXPECT_EQ(r.bottom - r.top, 60);
    EXPECT_EQ(h.pixel(10, 10), h.pixel(5, 5));  // the corner shows the form
}

TEST_F(ProgressPicture, DrawingStates) {
    struct State {
        const char* name;
        int w, h;
        const char* setup;
    } states[] = {
        // Half full: the strip covers x = 2 .. 51 of 104; the caption takes the back colour
        // over the strip and the bar colour beyond it.
        {"right_smooth", 104, 20, ""},
        {"right_smooth_three_captions", 104, 20, "set P.CaptionMask \"%Val %Val %Val\"\n"},
        {"right_empty", 104, 20, "set P.Value 0\nset P.ShowCaption False\n"},
        // Blocks start every six pixels up to the fill length.
        {"right_blocks", 104, 20, "set P.SmoothScrolling False\n"},
        {"left_smooth", 150, 24, "set P.Direction 1\nset P.Value 30\n"},
        {"left_blocks", 150, 24, "set P.Direction 1\nset P.Value 30\nset P.SmoothScrolling False\n"},
        {"up_smooth", 24, 100, "set P.Direction 2\nset P.Value 70\nset P.CaptionType 2\n"},
        {"up_blocks", 24, 100, "set P.Direction 2\nset P.Value 70\nset P.SmoothScrolling False\nset P.ShowCaption False\n"},
        {"up_blocks_short", 20, 40, "set P.Direction 2\nset P.SmoothScrolling False\nset P.ShowCaption False\n"},
        {"down_smooth", 40, 60, "set P.Direction 3\nset P.Value 65\n"},
        {"down_blocks", 40, 60, "set P.Direction 3\nset P.Value 65\nset P.SmoothScrolling False\n"},
        {"caption_colour", 150, 24, "set P.CaptionColor 255\nset P.CaptionOffsetX 20\n"},
        {"caption_offset_steps", 150, 24, "set P.CaptionType 3\nset P.CaptionOffsetX -20\nset P.CaptionOffsetY 3\nset P.CaptionAlignment 38\n"},
        {"full_decimal", 150, 24, "set P.Value 100\nset P.CaptionType 1\n"},
        {"round_clockwise", 80, 80, "set P.ProgressType 1\nset P.Value 25\n"},
        {"round_counterclockwise_quarter", 80, 80, "set P.ProgressType 1\nset P.Value 25\nset P.Direction 5\nset P.CaptionMask \"\"\n"},
        {"round_counterclockwise", 80, 80, "set P.ProgressType 1\nset P.Direction 5\nset P.Value 60\nset P.StartAngle 90\n"},
        {"round_full", 64, 64, "set P.ProgressType 1\nset P.Value 100\n"},
        {"round_caption_colour", 64, 64, "set P.ProgressType 1\nset P.Value 40\nset P.CaptionColor 255\nset P.StartAngle -90\n"},
    };
    for (const State& s : states) {
        Harness one(s.w + 20, s.h + 20);
        one.run("new ZynProgressBar P 10 10 " + std::to_string(s.w) + " " + std::to_string(s.h) + "\n" + s.setup);
        test::expectSnapshot("progress", s.name, test::controlPicture(one, "P"));
    }
}
