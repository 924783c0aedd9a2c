// A control's BorderStyle and Appearance give its window a frame that takes room from the
// client area, shows on the form, and receives no client mouse messages.
#include "support/harness.h"

using namespace ulmaro;
using namespace ulmaro::platform;
using ulmaro::test::Harness;

TEST(ControlFrame, SunkenEdgeWithAppearance3D) {
    Harness h(100, 60);
    h.run("new ZynLabel L1 10 10 40 20\nset L1.Caption \"\"\nset L1.BorderStyle 1\n");
    Surface& s = h.form->find("L1")->surface();
    EXPECT_EQ(s.ScaleWidth(), 36);
    EXPECT_EQ(s.ScaleHeight(), 16);
    EXPECT_EQ(s.Width(), 40 * 15);  // the whole control, frame included
    EXPECT_EQ(h.pixel(10, 10), RGB(172, 168, 153));  // outer top-left: button shadow
    EXPECT_EQ(h.pixel(11, 11), RGB(113, 111, 100));  // inner top-left: dark shadow
    EXPECT_EQ(h.pixel(49, 29), RGB(255, 255, 255));  // outer bottom-right: highlight
    EXPECT_EQ(h.pixel(48, 28), RGB(241, 239, 226));  // inner bottom-right: 3-D light
    h.run("set L1.BorderStyle 0\n");
    EXPECT_EQ(s.ScaleWidth(), 40);
}

TEST(ControlFrame, FlatLineWithAppearanceFlat) {
    Harness h(100, 60);
    h.run("new ZynLabel L1 10 10 40 20\nset L1.Caption \"\"\nset L1.Appearance 0\nset L1.BorderStyle 1\n");
    EXPECT_EQ(h.form->find("L1")->surface().ScaleWidth(), 38);
    EXPECT_EQ(h.pixel(10, 10), RGB(0, 0, 0));
    EXPECT_EQ(h.pixel(49, 29), RGB(0, 0, 0));
    EXPECT_NE(h.pixel(11, 11), RGB(0, 0, 0));
}

TEST(ControlFrame, MouseOnTheFrameReachesNoClientHandler) {
    Harness h(100, 60);
    h.run("new ZynLabel L1 10 10 40 20\nset L1.BorderStyle 1\n");
    EXPECT_EQ(h.run("down 1 11 11\nup 1 11 11\n"), "");
    EXPECT_EQ(h.run("down 1 13 14\nup 1 13 14\n"), "L1.MouseDown 1 0 1 2\nL1.MouseUp 1 0 1 2\nL1.Click\n");
}

TEST(ControlHitTest, SeeThroughPartsPassThePointerToWhatIsBehind) {
    Harness h(200, 60);  // the clock stands still: the label's hover timer never takes the capture
    h.run("new ZynCommand Command1 0 0 200 60\nnew ZynLabel Label1 10 10 150 30\n"
          "set Label1.Caption \"x\"\nset Label1.BackStyle 0\n");
    // Over the drawn "x" the label takes the press; over its see-through part the button does.
    const Surface& label = h.form->find("Label1")->surface();
    POINT ink{-1, -1};
    for (int y = 0; y < 30 && ink.x < 0; ++y)
        for (int x = 0; x < 150 && ink.x < 0; ++x)
            if (label.opaqueAt(x, y)) ink = POINT{x, y};
    ASSERT_GE(ink.x, 0);
    std::string at = std::to_string(10 + ink.x) + " " + std::to_string(10 + ink.y);
    std::string local = std::to_string(ink.x) + " " + std::to_string(ink.y);
    EXPECT_EQ(h.run("down 1 " + at + "\nup 1 " + at + "\n"),
              "Label1.MouseDown 1 0 " + local + "\nLabel1.MouseUp 1 0 " + local + "\nLabel1.Click\n");
    EXPECT_EQ(h.run("down 1 140 30\nup 1 140 30\n"), "Command1.Click\n");
    EXPECT_EQ(h.form->controlAt(140, 30)->name(), "Command1");
    EXPECT_EQ(h.form->controlAt(300, 30), nullptr);
}
