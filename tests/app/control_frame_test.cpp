// A control's BorderStyle and Appearance give its window a frame that takes room from the
// client area (how it looks is in the label's border pictures) and receives no client mouse
// messages.
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
