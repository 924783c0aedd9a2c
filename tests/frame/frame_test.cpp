// ZynFrame: the Enabled push only at run time. Its pictures with and without a title,
// disabled, see-through, and with a border colour whose highlight is clamped, are drawn by
// the scripts in pictures/.
#include "support/transcript.h"

#include "frame/zyn_frame.h"

using namespace ulmaro;
using ulmaro::test::Harness;

TRANSCRIPTS("frame");

// At design time a frame's Enabled stays its own (the run-time side is a transcript).
TEST(FrameEnabled, ReachesContainedControlsOnlyAtRunTime) {
    Harness design{200, 100, false};
    EXPECT_EQ(design.run("new ZynFrame F 0 0 150 90\nnew ZynCommand C 10 30 60 23 in F\nset F.Enabled False\n"
                         "get C.Enabled\nget F.Enabled\n"),
              "C.Enabled = True\nF.Enabled = False\n");
}
