// ZynCommand's picture: placement beside or without the caption, the mask colour, and the
// faded picture of a disabled button.
#include "support/harness.h"

#include "command/zyn_command.h"

#include <ulmaro/platform/host.h>

#include <cmath>

using namespace ulmaro;
using namespace ulmaro::platform;
using ulmaro::test::Harness;

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kBlue = RGB(0, 0, 200);

// 16 x 16: magenta with a blue 8 x 8 square in the middle.
StdPicturePtr squarePicture() {
    std::vector<COLORREF> px(16 * 16, kMagenta);
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x) px[y * 16 + x] = kBlue;
    return StdPicture::FromPixels(16, 16, px);
}

struct PictureFixture : ::testing::Test {
    Harness h{200, 80};
    ZynCommand* button = nullptr;
    void SetUp() override {
        h.run("new ZynCommand Command1 0 0 100 40\nset Command1.MaskColor &HFF00FF\n");
        button = dynamic_cast<ZynCommand*>(h.form->find("Command1"));
        button->setProperty("Picture", Variant(squarePicture()));
    }
    COLORREF surface(int x, int y) const { return GetWindowSurface(button->surface().hWnd()).at(x, y); }
    // Left and top of the blue square on the surface.
    POINT blue() const {
        PixelView v = GetWindowSurface(button->surface().hWnd());
        for (int y = 0; y < v.height; ++y)
            for (int x = 0; x < v.width; ++x)
                if (v.at(x, y) == kBlue) return POINT{x, y};
        return POINT{-1, -1};
    }
};

}  // namespace

TEST_F(PictureFixture, PictureAloneIsCentredAndMaskedOut) {
    h.run("set Command1.Caption \"\"\n");
    // X = (100 - 4 - 16) / 2 + 2 = 42, Y = (40 - 4 - 16) / 2 + 2 = 12; the square sits 4 in.
    EXPECT_EQ(blue().x, 46);
    EXPECT_EQ(blue().y, 16);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x) ASSERT_NE(surface(x, y), kMagenta) << x << "," << y;
    h.run("set Command1.Value True\n");
    EXPECT_EQ(blue().x, 47);
    EXPECT_EQ(blue().y, 17);
}

TEST_F(PictureFixture, PictureAndCaptionFormOneGroup) {
    h.run("set Command1.Caption \"Go\"\n");
    float tw = button->surface().TextWidth("Go");
    int x = static_cast<int>(std::nearbyint(((100 - 4 - 16) - (tw + 10)) / 2 + 2));
    EXPECT_EQ(blue().x, x + 4);
    h.run("set Command1.CenterPicture False\n");
    EXPECT_EQ(blue().x, 10 + 4);
}

TEST_F(PictureFixture, WithoutMaskTheMaskColourShows) {
    h.run("set Command1.UseMask False\n");
    int magenta = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x) magenta += surface(x, y) == kMagenta;
    EXPECT_EQ(magenta, 16 * 16 - 8 * 8);
}

TEST_F(PictureFixture, DisabledPictureIsFadedWithTheMaskStillSeeThrough) {
    h.run("set Command1.Caption \"\"\nset Command1.Enabled False\n");
    EXPECT_EQ(blue().x, -1);  // no pure blue any more
    // The square fades toward the back colour with alpha 100 of 255.
    COLORREF faded = surface(46, 16);
    EXPECT_NE(faded, kBlue);
    EXPECT_LT(GetBValue(faded), 236);
    EXPECT_GT(GetRValue(faded), 100);
    // Where the picture had its mask colour the disabled face shows, not a faded magenta.
    EXPECT_EQ(surface(43, 13), RGB(231, 231, 231));
}

TEST_F(PictureFixture, DisabledPictureWithoutMaskColourHasNothingSeeThrough) {
    // Blue on the left, white on the right: white must not turn see-through either.
    std::vector<COLORREF> px(16 * 16, kBlue);
    for (int y = 0; y < 16; ++y)
        for (int x = 8; x < 16; ++x) px[y * 16 + x] = RGB(255, 255, 255);
    button->setProperty("Picture", Variant(StdPicture::FromPixels(16, 16, px)));
    h.run("set Command1.Caption \"\"\nset Command1.Enabled False\nset Command1.BackColor &HFFFFFF\n");
    COLORREF left = surface(42, 12), right = surface(57, 27);
    EXPECT_NE(left, RGB(231, 231, 231));  // the whole picture is drawn faded
    EXPECT_EQ(right, RGB(255, 255, 255));  // white faded onto a white back stays white
    EXPECT_NE(surface(57, 27), surface(5, 20));
}
