// ZynFrame: its fixed pixels with and without a title, see-through corners and body, the
// highlight clamp, the Enabled push at run time, and its pictures.
#include "support/snapshot.h"

#include "frame/zyn_frame.h"

using namespace ulmaro;
using namespace ulmaro::platform;
using ulmaro::test::Harness;

namespace {

constexpr COLORREF kFormGreen = RGB(0, 255, 0);

// A 120 x 80 frame at (10, 10) on a green form, so see-through pixels are easy to tell.
struct FrameFixture : ::testing::Test {
    Harness h{140, 100};
    void SetUp() override {
        h.form->setBackColor(kFormGreen);
        h.run("new ZynFrame F 10 10 120 80\nset F.BorderColor &H003264C8\nset F.BackColor &H00D0E0F0\n");
    }
    COLORREF at(int x, int y) { return h.pixel(10 + x, 10 + y); }
};

}  // namespace

TEST_F(FrameFixture, TitledFrameBandBorderAndCutCorners) {
    const COLORREF border = RGB(200, 100, 50);
    EXPECT_EQ(at(100, 8), border);                   // title band
    EXPECT_EQ(at(100, 16), RGB(196, 98, 49));        // band's lower line, x 0.98
    EXPECT_EQ(at(60, 50), RGB(240, 224, 208));       // body
    EXPECT_EQ(at(119, 40), RGB(255, 130, 65));       // right highlight, 200 x 1.3 taken as 255
    EXPECT_EQ(at(2, 40), RGB(120, 60, 30));          // inner outline, x 0.6
    for (POINT p : {POINT{0, 0}, POINT{1, 0}, POINT{0, 1}, POINT{119, 79}, POINT{118, 79}, POINT{119, 78},
                    POINT{0, 79}, POINT{1, 79}, POINT{0, 78}, POINT{119, 0}, POINT{118, 0}, POINT{119, 1}})
        EXPECT_EQ(at(p.x, p.y), kFormGreen) << p.x << "," << p.y;
    EXPECT_EQ(at(2, 79), border);
}

TEST_F(FrameFixture, UntitledAndTransparentBodies) {
    h.run("set F.Caption \"\"\n");
    EXPECT_EQ(at(1, 1), RGB(188, 94, 47));    // x 0.94
    EXPECT_EQ(at(2, 2), RGB(120, 60, 30));    // x 0.6
    EXPECT_EQ(at(60, 4), RGB(240, 224, 208));  // the body starts at y 4
    h.run("set F.BackStyle 0\n");
    EXPECT_EQ(at(60, 40), kFormGreen);
    EXPECT_EQ(at(60, 0), RGB(255, 130, 65));  // top highlight
    auto* f = dynamic_cast<ZynFrame*>(h.form->find("F"));
    EXPECT_NE(f->keyColor(), RGB(200, 100, 50));
    EXPECT_NE(f->keyColor(), RGB(240, 224, 208));
}

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
    h.form->setBackColor(RGB(255, 255, 255));
    h.run("new ZynFrame F 10 10 180 100\nnew ZynCommand C 10 30 80 23 in F\n");
    ulmaro::test::expectSnapshot("frame", "titled_with_button", ulmaro::test::formPicture(h));
    h.run("set F.Enabled False\n");
    ulmaro::test::expectSnapshot("frame", "disabled", ulmaro::test::formPicture(h));
    h.run("set F.Enabled True\nset F.Caption \"\"\nset F.BorderColor &H00A06030\n");
    ulmaro::test::expectSnapshot("frame", "untitled", ulmaro::test::formPicture(h));
    h.run("set F.BackStyle 0\nset F.Caption \"See-through\"\nset F.ForeColor &H00FFFFFF\n");
    ulmaro::test::expectSnapshot("frame", "transparent", ulmaro::test::formPicture(h));
}
