// Region algebra against a pixel reference: seeded random regions built from rectangles,
// ellipses and round rectangles (ULMARO_SEED replays one), combined in every mode; the
// result holds exactly the pixels the mode says, and equal pixel sets compare equal (one
// canonical form).
#include "support/seeded.h"

#include <gtest/gtest.h>
#include <ulmaro/platform/win32.h>

#include <random>
#include <vector>

using namespace ulmaro::platform;

namespace {

constexpr int kSize = 40;

// A region of a few random shapes, and its pixels.
HRGN randomRegion(std::mt19937& rng, std::vector<bool>& pixels) {
    std::uniform_int_distribution<int> coord(-3, kSize + 3), kind(0, 2), count(1, 6);
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    const int n = count(rng);
    for (int i = 0; i < n; ++i) {
        int x0 = coord(rng), y0 = coord(rng), x1 = coord(rng), y1 = coord(rng);
        HRGN s = kind(rng) == 0 ? CreateRectRgn(x0, y0, x1, y1)
                 : kind(rng) == 1 ? CreateEllipticRgn(x0, y0, x1, y1)
                                  : CreateRoundRectRgn(x0, y0, x1, y1, 7, 5);
        CombineRgn(r, r, s, i % 3 == 2 ? RGN_XOR : RGN_OR);
        DeleteObject(s);
    }
    pixels.assign(kSize * kSize, false);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) pixels[y * kSize + x] = PtInRegion(r, x, y);
    return r;
}

}  // namespace

TEST(RegionCombine, EveryModeHoldsExactlyItsPixels) {
    ulmaro::test::forEachSeed(0x5EED0000u, 300, [](std::uint32_t seed) {
        std::mt19937 rng(seed);
        std::vector<bool> pa, pb;
        HRGN a = randomRegion(rng, pa), b = randomRegion(rng, pb);
        for (int mode : {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF}) {
            HRGN out = CreateRectRgn(0, 0, 0, 0);
            CombineRgn(out, a, b, mode);
            int bad = 0;
            for (int i = 0; i < kSize * kSize; ++i) {
                const bool want = mode == RGN_AND ? pa[i] && pb[i] : mode == RGN_OR ? pa[i] || pb[i]
                                : mode == RGN_XOR ? pa[i] != pb[i] : pa[i] && !pb[i];
                bad += PtInRegion(out, i % kSize, i / kSize) != want;
            }
            EXPECT_EQ(bad, 0) << "mode " << mode;
            // The same pixels reached another way compare equal: (a - b) | (a & b) is a.
            if (mode == RGN_DIFF) {
                HRGN both = CreateRectRgn(0, 0, 0, 0), again = CreateRectRgn(0, 0, 0, 0);
                CombineRgn(both, a, b, RGN_AND);
                CombineRgn(again, out, both, RGN_OR);
                EXPECT_TRUE(EqualRgn(again, a));
                DeleteObject(both);
                DeleteObject(again);
            }
            DeleteObject(out);
        }
        DeleteObject(a);
        DeleteObject(b);
    });
}

// Many unions in a row build the same region as one pass would, and the box and the
// complexity follow.
TEST(RegionCombine, SuccessiveUnionsOfScatteredSquares) {
    HRGN all = CreateRectRgn(0, 0, 0, 0), one = CreateRectRgn(0, 0, 0, 0);
    std::vector<bool> pixels(200 * 200, false);
    for (int i = 0; i < 400; ++i) {
        const int x = (i * 37) % 190, y = (i * 53) % 190;
        SetRectRgn(one, x, y, x + 7, y + 5);
        CombineRgn(all, all, one, RGN_OR);
        for (int yy = y; yy < y + 5; ++yy)
            for (int xx = x; xx < x + 7; ++xx) pixels[yy * 200 + xx] = true;
    }
    int bad = 0;
    for (int i = 0; i < 200 * 200; ++i) bad += PtInRegion(all, i % 200, i / 200) != pixels[i];
    EXPECT_EQ(bad, 0);
    RECT box{};
    EXPECT_EQ(GetRgnBox(all, &box), COMPLEXREGION);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    DeleteObject(one);
    DeleteObject(all);
}
