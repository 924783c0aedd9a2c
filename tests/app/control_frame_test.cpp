// A control's BorderStyle and Appearance give its window a frame that takes room from the
// client area (how it looks is in the label's border pictures; the pointer on the frame and
// on see-through parts are transcripts in scripts/).
#include "support/harness.h"

using namespace ulmaro;
using namespace ulmaro::platform;
using ulmaro::test::Harness;

TEST(ControlFrame, SunkenEdgeAndFlatLineTakeRoomFromTheClientArea) {
    Harness h(100, 60);
    h.run("new ZynLabel L1 10 10 40 20\nset L1.Caption \"\"\nset L1.BorderStyle 1\n");
    Surface& s = h.form->find("L1")->surface();
    EXPECT_EQ(s.ScaleWidth(), 36);
    EXPECT_EQ(s.ScaleHeight(), 16);
    EXPECT_EQ(s.Width(), 40 * 15);  // the whole control, frame included
    h.run("set L1.Appearance 0\n");  // a flat line
    EXPECT_EQ(s.ScaleWidth(), 38);
    h.run("set L1.BorderStyle 0\n");
    EXPECT_EQ(s.ScaleWidth(), 40);
}
