// ZynFrame: the Enabled push at run time, and its pictures with and without a title,
// disabled, see-through, and with a border colour whose highlight is clamped.
#include "support/snapshot.h"

#include "frame/zyn_frame.h"

using namespace ulmaro;
using ulmaro::test::Harness;

TEST(FrameEnabled, ReachesContainedControlsOnlyAtRunTime) {
    Harness run;
    EXPECT_EQ(run.run("new ZynFrame F 0 0 150 90\nnew ZynCommand C 10 30 60 23 in F\nset F.Enabled False\n"
                      "get C.Enabled\nget F.Enabled\n"),
              "C.Enabled = False\nF.Enabled = False\n");
    EXPECT_EQ(run.run("set F.Enabled True\nget C.Enabled\n"), "C.Enabled = True\n");
    Harness design{200, 100, false};
    EXPECT_EQ(design.run("new ZynFrame F 0 0 150 90\nnew ZynCommand C 10 30 60 23 in F\nset F.Enabled False\n"
                         "get C.Enabled\nget F.Enabled\n"),
              "C.Enabled = True\nF.Enabled = False\n");
}

TEST(FramePictures, States) {
    Harness h{200, 120};
    h.form->setBackColor(platform::RGB(255, 255, 255));
    h.run("new ZynFrame F 10 10 180 100\nnew ZynCommand C 10 30 80 23 in F\n");
    ulmaro::test::expectSnapshot("frame", "titled_with_button", ulmaro::test::formPicture(h));
    h.run("set F.Enabled False\n");
    ulmaro::test::expectSnapshot("frame", "disabled", ulmaro::test::formPicture(h));
    h.run("set F.Enabled True\nset F.Caption \"\"\nset F.BorderColor &H00A06030\n");
    ulmaro::test::expectSnapshot("frame", "untitled", ulmaro::test::formPicture(h));
    h.run("set F.BackStyle 0\nset F.Caption \"See-through\"\nset F.ForeColor &H00FFFFFF\n");
    ulmaro::test::expectSnapshot("frame", "transparent", ulmaro::test::formPicture(h));
    // Red 200 times 1.3 is taken as 255 in the highlight.
    h.run("set F.BackStyle 1\nset F.BorderColor &H003264C8\nset F.BackColor &H00D0E0F0\n");
    ulmaro::test::expectSnapshot("frame", "highlight_clamped", ulmaro::test::formPicture(h));
}
