// What ZynProgressBar draws: fill rectangles and block positions checked pixel by pixel,
// the two-colour caption split, the pie's quarter, and every drawing state against its
// reference picture.
#include "support/snapshot.h"

#include "progress/zyn_progress_bar.h"

#include <ulmaro/platform/host.h>

using namespace ulmaro;
using namespace ulmaro::platform;
using ulmaro::test::Harness;

namespace {

constexpr COLORREF kBar = 0xC57A1F;   // the default bar colour
constexpr COLORREF kBack = 0xEDF2F2;  // the default back colour

// The bar's blues against the back colour's greys.
bool Bluish(COLORREF c) { return ((c >> 16) & 0xFF) > (c & 0xFF) + 60; }

struct ProgressPicture : ::testing::Test {
    Harness h{320, 140};
    ZynProgressBar& place(const std::string& name, int w, int hgt, const std::string& setup) {
        h.run("new ZynProgressBar " + name + " 10 10 " + std::to_string(w) + " " + std::to_string(hgt) + "\n" + setup);
        return dynamic_cast<ZynProgressBar&>(*h.form->find(name));
    }
    static COLORREF at(ZynProgressBar& p, int x, int y) { return GetWindowSurface(p.surface().hWnd()).at(x, y); }
};

}  // namespace

TEST_F(ProgressPicture, SmoothFillStretchesOverTheFillLength) {
    auto& p = place("P", 104, 20, "set P.ShowCaption False\n");
    // L = 100 x 50%: the strip covers x = 2 .. 51, the background starts at 52.
    for (int y = 3; y < 16; ++y) {
        EXPECT_TRUE(Bluish(at(p, 2, y)) && Bluish(at(p, 51, y))) << y;
        EXPECT_FALSE(Bluish(at(p, 52, y))) << y;
    }
    // Value 0: no strip, but the highlight lines still run from x = 2 to 0 (nothing).
    h.run("set P.Value 0\n");
    EXPECT_FALSE(Bluish(at(p, 2, 8)));
}

TEST_F(ProgressPicture, BlocksStartEverySixPixelsUpToTheFillLength) {
    auto& p = place("P", 104, 20, "set P.ShowCaption False\nset P.SmoothScrolling False\n");
    std::string row;
    for (int x = 0; x < 64; ++x) row += Bluish(at(p, x, 8)) ? '#' : '.';
    EXPECT_EQ(row, "..#####.#####.#####.#####.#####.#####.#####.#####.#####.........");
    // Up, 40 high: blocks of 36 / 5 = 7 rows, the first from row 29 to 35, then from 21 and
    // from 13 (the last start not below 36 - 18 - 7 = 11).
    auto& up = place("U", 20, 40, "set U.ShowCaption False\nset U.SmoothScrolling False\nset U.Direction 2\n");
    std::string column;
    for (int y = 0; y < 40; ++y) column += Bluish(at(up, 8, y)) ? '#' : '.';
    EXPECT_EQ(column, ".............#######.#######.#######....");
}

TEST_F(ProgressPicture, TwoColourCaptionSplitsAtTheFillLength) {
    auto& p = place("P", 104, 20, "set P.CaptionMask \"%Val %Val %Val\"\n");
    int back = 0, bar = 0;
    for (int y = 3; y < 16; ++y)
        for (int x = 0; x < 104; ++x) {
            if (at(p, x, y) == kBack) {
                ++back;
                EXPECT_LT(x, 50) << "back-coloured letter at " << x << "," << y;
            }
            if (at(p, x, y) == kBar) {
                ++bar;
                EXPECT_GE(x, 50) << "bar-coloured letter at " << x << "," << y;
            }
        }
    EXPECT_GT(back, 10);
    EXPECT_GT(bar, 10);
}

TEST_F(ProgressPicture, PieCoversTheQuarterItsDirectionTurnsThrough) {
    auto& cw = place("C", 80, 80, "set C.ProgressType 1\nset C.Value 25\nset C.CaptionMask \"\"\n");
    EXPECT_TRUE(Bluish(at(cw, 60, 60)));
    EXPECT_FALSE(Bluish(at(cw, 60, 20)) || Bluish(at(cw, 20, 20)) || Bluish(at(cw, 20, 60)));
    h.run("set C.Direction 5\n");
    EXPECT_TRUE(Bluish(at(cw, 60, 20)));
    EXPECT_FALSE(Bluish(at(cw, 60, 60)) || Bluish(at(cw, 20, 20)) || Bluish(at(cw, 20, 60)));
    // A round control keeps its height equal to its width, and an elliptic window.
    h.run("resize C 60 40\n");
    RECT r = h.form->boundsOf(cw);
    EXPECT_EQ(r.bottom - r.top, 60);
    EXPECT_EQ(h.pixel(10, 10), h.pixel(5, 5));  // the corner shows the form
}

TEST_F(ProgressPicture, DrawingStates) {
    struct State {
        const char* name;
        int w, h;
        const char* setup;
    } states[] = {
        {"right_smooth", 104, 20, ""},
        {"right_blocks", 104, 20, "set P.SmoothScrolling False\n"},
        {"left_smooth", 150, 24, "set P.Direction 1\nset P.Value 30\n"},
        {"left_blocks", 150, 24, "set P.Direction 1\nset P.Value 30\nset P.SmoothScrolling False\n"},
        {"up_smooth", 24, 100, "set P.Direction 2\nset P.Value 70\nset P.CaptionType 2\n"},
        {"up_blocks", 24, 100, "set P.Direction 2\nset P.Value 70\nset P.SmoothScrolling False\nset P.ShowCaption False\n"},
        {"down_smooth", 40, 60, "set P.Direction 3\nset P.Value 65\n"},
        {"down_blocks", 40, 60, "set P.Direction 3\nset P.Value 65\nset P.SmoothScrolling False\n"},
        {"caption_colour", 150, 24, "set P.CaptionColor 255\nset P.CaptionOffsetX 20\n"},
        {"caption_offset_steps", 150, 24, "set P.CaptionType 3\nset P.CaptionOffsetX -20\nset P.CaptionOffsetY 3\nset P.CaptionAlignment 38\n"},
        {"full_decimal", 150, 24, "set P.Value 100\nset P.CaptionType 1\n"},
        {"round_clockwise", 80, 80, "set P.ProgressType 1\nset P.Value 25\n"},
        {"round_counterclockwise", 80, 80, "set P.ProgressType 1\nset P.Direction 5\nset P.Value 60\nset P.StartAngle 90\n"},
        {"round_full", 64, 64, "set P.ProgressType 1\nset P.Value 100\n"},
        {"round_caption_colour", 64, 64, "set P.ProgressType 1\nset P.Value 40\nset P.CaptionColor 255\nset P.StartAngle -90\n"},
    };
    for (const State& s : states) {
        Harness one(s.w + 20, s.h + 20);
        one.run("new ZynProgressBar P 10 10 " + std::to_string(s.w) + " " + std::to_string(s.h) + "\n" + s.setup);
        test::expectSnapshot("progress", s.name, test::controlPicture(one, "P"));
    }
}
