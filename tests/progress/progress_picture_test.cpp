// What ZynProgressBar draws: every drawing state against its reference picture (fill
// lengths, block positions, the two-colour caption split, the pie's quarter), and the shape
// of a round bar.
#include "support/transcript.h"

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

// Every drawing state: each pictures/STATE.script places P and draws one state (fill
// lengths, block positions, the two-colour caption split, the pie's quarter).
PICTURES("progress", "P", 0);
