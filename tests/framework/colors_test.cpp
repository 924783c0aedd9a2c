// Colour translation, splitting and shading.
#include "framework/colors.h"
#include "framework/numeric.h"

#include "support/run_time_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace ulmaro;

// System colours come from the scheme (an index with no colour is black); RGB values pass
// through; splitting translates first, red is the low byte.
TEST(TranslateColor, SystemColoursComeFromTheSchemeRgbPassesThrough) {
    const std::pair<OLE_COLOR, std::int32_t> cases[] = {
        {0x8000000F, 0x00D8E9EC}, {0x80000012, 0}, {0x80000005, 0x00FFFFFF}, {SystemColor(24), 0x00E1FFFF},
        {0x800000FF, 0},          {0xFF, 0xFF},    {0x00ABCDEF, 0x00ABCDEF}, {0, 0}};
    for (auto [in, out] : cases) EXPECT_EQ(TranslateColor(in), out) << std::hex << in;
    std::int32_t r = -1, g = -1, b = -1;
    SplitColor(0x00123456, r, g, b);
    EXPECT_EQ((std::vector<std::int32_t>{r, g, b}), (std::vector<std::int32_t>{0x56, 0x34, 0x12}));
    SplitColor(0x8000000F, r, g, b);
    EXPECT_EQ((std::vector<std::int32_t>{r, g, b}), (std::vector<std::int32_t>{236, 233, 216}));
}

// Mode 0 adds and clamps each channel alone; 1 runs from the colour to white (rounding the
// factor, then the result); 2 multiplies; any other mode keeps the colour. Halves round to
// even everywhere.
TEST(ShadeColor, EveryModeClampsAndRoundsHalvesToEven) {
    struct Case {
        OLE_COLOR color;
        double amount, mode;
        std::int32_t expected;
    } cases[] = {
        {0x00F0F0F0, 48, 0, 0x00FFFFFF}, {0x00101010, -32, 0, 0}, {0x001010F0, 32, 0, 0x003030FF},
        {0x00F01010, -32, 0, 0x00D00000}, {0x8000000F, -20, 0, 0x00C4D5D8},
        {0x00020100, 0.5, 0, 0x00020200},   // 0.5, 1.5, 2.5 give 0, 2, 2
        {0x00030201, -0.5, 0, 0x00020200},  // the same halves from above
        {0x00123456, 0, 1, 0x00123456}, {0x8000000F, 0, 1, 0x00D8E9EC}, {0x00123456, 255, 1, 0x00FFFFFF},
        {0x00FF0064, 128, 1, 0x00FF80B1},   // 128 + 100 * 127 \ 255 = 128 + 49
        {0x00000064, 127.5, 1, 0x00808000 | 178},  // factor 128 (even); 127.5 + 50 gives 178
        {0x000000C9, 1.5, 1, 0x000202CA},   // factor 254: 201 * 254 \ 255 = 200, 201.5 gives 202
        {0x000000FF, 2.5, 1, 0x000202FE},   // factor 252 (even); 254.5 gives 254
        {0x00090705, 0.5, 2, 0x00040402},   // 2.5, 3.5, 4.5 give 2, 4, 4
        {0x00808080, 2, 2, 0x00FFFFFF}, {0x00102030, 1.5, 2, 0x00183048}, {0x00102030, -1, 2, 0},
        {0x00123456, 100, 7, 0x00123456}, {0x00123456, -100, 3, 0x00123456}, {0x00123456, 10, 0.5, 0x00123456},
        {0x8000000F, 50, 7, 0x00D8E9EC},    // still translated
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShadeColor(c.color, c.amount, c.mode), c.expected) << std::hex << c.color << " " << c.amount << " " << c.mode;
    // An amount that is no number overflows.
    EXPECT_EQ(test::errorNumber([] { ShadeColor(0x00123456, std::nan(""), 0); }), 6);
}
