// Bold text in a label, driven through a script as a user would: bold must come out bolder
// and wider than regular. (Not Tahoma from 9.75 to 12 points: its bold file carries copies
// of the regular bitmaps at 13 to 16 pixels, and the platform draws those as they are.)
#include "support/harness.h"

using namespace ulmaro;
using ulmaro::test::Harness;

namespace {

struct Ink {
    int pixels = 0;
    int right = 0;  // one past the rightmost inked column
};

// The dark pixels of the form in rows [top, bottom).
Ink inkIn(const Harness& h, int top, int bottom) {
    Ink ink;
    const auto picture = h.form->compose();
    const int w = h.form->width();
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < w; ++x) {
            const platform::COLORREF c = picture[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)];
            if (platform::GetRValue(c) + platform::GetGValue(c) + platform::GetBValue(c) < 3 * 96) {
                ++ink.pixels;
                ink.right = std::max(ink.right, x + 1);
            }
        }
    return ink;
}

}  // namespace

TEST(BoldText, BoldIsBolderThanRegularAtTheSizesControlsUse) {
    for (const char* face : {"Tahoma", "MS Sans Serif"}) {
        for (const char* size : {"8.25", "9.75", "10", "11", "12"}) {
            if (std::string(face) == "Tahoma" && std::string(size) != "8.25") continue;
            Harness h(400, 80);
            h.run(std::string("new ZynLabel R 0 0 10 10\nnew ZynLabel B 0 40 10 10\n") +
                  "set R.Font.Name \"" + face + "\"\nset B.Font.Name \"" + face + "\"\n" +
                  "set R.Font.Size " + size + "\nset B.Font.Size " + size + "\n" +
                  "set R.AutoSize True\nset B.AutoSize True\n"
                  "set R.Caption \"Bold Hamburg 0123\"\nset B.Caption \"<b>Bold Hamburg 0123</b>\"\n");
            const Ink regular = inkIn(h, 0, 40), bold = inkIn(h, 40, 80);
            EXPECT_GT(bold.right, regular.right) << face << " " << size;
            EXPECT_GT(bold.pixels, regular.pixels * 5 / 4) << face << " " << size;
        }
    }
}
