// Colour translation, splitting and shading.
#include "framework/colors.h"
#include "framework/numeric.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace ulmaro;

TEST(TranslateColor, SystemColoursComeFromTheScheme) {
    EXPECT_EQ(TranslateColor(0x8000000F), 0x00D8E9EC);  // button face (236, 233, 216)
    EXPECT_EQ(TranslateColor(0x80000012), 0x00000000);  // button text
    EXPECT_EQ(TranslateColor(0x80000005), 0x00FFFFFF);  // window
    EXPECT_EQ(TranslateColor(SystemColor(24)), 0x00E1FFFF);  // tooltip background (255, 255, 225)
    EXPECT_EQ(TranslateColor(0x800000FF), 0);  // an index with no colour is black
}

TEST(TranslateColor, RgbValuesPassThrough) {
    EXPECT_EQ(TranslateColor(0xFF), 0xFF);
    EXPECT_EQ(TranslateColor(0x00ABCDEF), 0x00ABCDEF);
    EXPECT_EQ(TranslateColor(0), 0);
}

TEST(SplitColor, RedIsTheLowByte) {
    std::int32_t r = -1, g = -1, b = -1;
    SplitColor(0x00123456, r, g, b);
    EXPECT_EQ(r, 0x56);
    EXPECT_EQ(g, 0x34);
    EXPECT_EQ(b, 0x12);
    SplitColor(0x8000000F, r, g, b);  // translated first
    EXPECT_EQ(r, 236);
    EXPECT_EQ(g, 233);
    EXPECT_EQ(b, 216);
}

TEST(ShadeColor, AddModeClampsEachChannel) {
    EXPECT_EQ(ShadeColor(0x00F0F0F0, 48, 0), 0x00FFFFFF);
    EXPECT_EQ(ShadeColor(0x00101010, -32, 0), 0);
    // Only the channel that runs over is clamped; red is the low byte.
    EXPECT_EQ(ShadeColor(0x001010F0, 32, 0), 0x003030FF);
    EXPECT_EQ(ShadeColor(0x00F01010, -32, 0), 0x00D00000);
    EXPECT_EQ(ShadeColor(0x8000000F, -20, 0), 0x00C4D5D8);  // button face darkened
}

TEST(ShadeColor, AddModeRoundsHalvesToEven) {
    // Channels 0, 1, 2 plus 0.5 give 0.5, 1.5, 2.5: rounded to 0, 2, 2.
    EXPECT_EQ(ShadeColor(0x00020100, 0.5, 0), 0x00020200);
    EXPECT_EQ(ShadeColor(0x00030201, -0.5, 0), 0x00020200);  // 0.5, 1.5, 2.5 again
}

TEST(ShadeColor, LightenModeRunsFromTheColourToWhite) {
    for (OLE_COLOR c : {0x00000000u, 0x00123456u, 0x00FFFFFFu, 0x8000000Fu}) {
        EXPECT_EQ(ShadeColor(c, 0, 1), TranslateColor(c)) << std::hex << c;
        EXPECT_EQ(ShadeColor(c, 255, 1), 0x00FFFFFF) << std::hex << c;
    }
    // 128 + 100 * 127 \ 255 = 128 + 49 (the division truncates); 0 gives 128; 255 gives 255.
    EXPECT_EQ(ShadeColor(0x00FF0064, 128, 1), 0x00FF80B1);
}

TEST(ShadeColor, LightenModeRoundsTheFactorThenTheResult) {
    // 255 - 127.5 rounds to 128 (even); 100 * 128 \ 255 = 50; 127.5 + 50 = 177.5 rounds to 178.
    // Channel 0 gives 127.5, rounded to 128.
    EXPECT_EQ(ShadeColor(0x00000064, 127.5, 1), 0x00808000 | 178);
    // 255 - 1.5 = 253.5 rounds to 254: 201 * 254 \ 255 = 200, and 1.5 + 200 rounds to 202
    // (the unrounded factor would give 199 and 200). Channel 0 gives 1.5, rounded to 2.
    EXPECT_EQ(ShadeColor(0x000000C9, 1.5, 1), 0x000202CA);
    // 255 - 2.5 = 252.5 rounds to the even 252: 255 * 252 \ 255 = 252; 254.5 rounds to 254.
    EXPECT_EQ(ShadeColor(0x000000FF, 2.5, 1), 0x000202FE);
}

TEST(ShadeColor, MultiplyModeRoundsHalvesToEven) {
    // 5, 7, 9 times 0.5: 2.5, 3.5, 4.5 become 2, 4, 4.
    EXPECT_EQ(ShadeColor(0x00090705, 0.5, 2), 0x00040402);
    EXPECT_EQ(ShadeColor(0x00808080, 2, 2), 0x00FFFFFF);
    EXPECT_EQ(ShadeColor(0x00102030, 1.5, 2), 0x00183048);
    EXPECT_EQ(ShadeColor(0x00102030, -1, 2), 0);
}

TEST(ShadeColor, OtherModesKeepTheColour) {
    EXPECT_EQ(ShadeColor(0x00123456, 100, 7), 0x00123456);
    EXPECT_EQ(ShadeColor(0x00123456, -100, 3), 0x00123456);
    EXPECT_EQ(ShadeColor(0x00123456, 10, 0.5), 0x00123456);
    EXPECT_EQ(ShadeColor(0x8000000F, 50, 7), 0x00D8E9EC);  // still translated
}

TEST(ShadeColor, AnAmountThatIsNoNumberOverflows) {
    try {
        ShadeColor(0x00123456, std::nan(""), 0);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number, 6);
    }
}
