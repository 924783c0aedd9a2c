// Bold and italic text in every face we ship, at 8.25, 9.75 and 12 points, against the
// reference pictures (oracle/text/{sans,tahoma}_{bold,italic}.txt and faces_*.txt). Not
// compared: the hand-drawn faces' italics, which the recording implementation draws
// upright where the platform slants them.
#include <cstring>

#include "oracle_support.h"

using namespace ulmaro::platform;

namespace {

// Three lines at -11, -13 and -16 pixels, each with a red dot left of its reference point.
std::function<void(HDC)> styledLines(const char* face, int weight, bool italic, BYTE quality) {
    return [=](HDC dc) {
        SetBkMode(dc, TRANSPARENT);
        const char* lines[3] = {"Cancel Wgjy,.$%0129", "Help OK fix AVW", "Abc 4567 ([&])"};
        const int heights[3] = {-11, -13, -16}, tops[3] = {1, 16, 36};
        for (int i = 0; i < 3; ++i) {
            HFONT f = CreateFontA(heights[i], 0, 0, 0, weight, italic, 0, 0, ANSI_CHARSET, 0, 0, quality, 0, face);
            HGDIOBJ old = SelectObject(dc, f);
            TextOutA(dc, 2, tops[i], lines[i], static_cast<int>(std::strlen(lines[i])));
            SetPixel(dc, 0, tops[i], RGB(255, 0, 0));
            SelectObject(dc, old);
            DeleteObject(f);
        }
    };
}

// A short text at -11, -13 and -16 pixels, twice: regular (or italic) on the left, bold
// (or bold italic) on the right.
std::function<void(HDC)> faceColumns(const char* face, BYTE charset, const char* text, bool italic) {
    return [=](HDC dc) {
        SetBkMode(dc, TRANSPARENT);
        const int heights[3] = {-11, -13, -16}, tops[3] = {1, 18, 38};
        for (int col = 0; col < 2; ++col)
            for (int i = 0; i < 3; ++i) {
                HFONT f = CreateFontA(heights[i], 0, 0, 0, col ? FW_BOLD : FW_NORMAL, italic, 0, 0, charset, 0, 0,
                                      NONANTIALIASED_QUALITY, 0, face);
                HGDIOBJ old = SelectObject(dc, f);
                TextOutA(dc, 1 + col * 48, tops[i], text, static_cast<int>(std::strlen(text)));
                SelectObject(dc, old);
                DeleteObject(f);
            }
    };
}

}  // namespace

// Simulated italics of an outline face come from its outlines (bold italics from the bold
// file's), leaning a quarter pixel per row; the reference smooths them unless told not to.
TEST(TextStylesOracle, BoldAndItalicAtTheControlSizes) {
    using ulmaro::test::expectMatchesOracle;
    expectMatchesOracle("text/sans_bold", styledLines("MS Sans Serif", FW_BOLD, false, DEFAULT_QUALITY));
    expectMatchesOracle("text/tahoma_italic", styledLines("Tahoma", FW_NORMAL, true, NONANTIALIASED_QUALITY));
    expectMatchesOracle("text/tahoma_bold_italic", styledLines("Tahoma", FW_BOLD, true, NONANTIALIASED_QUALITY));
    expectMatchesOracle("text/tahoma_bold", styledLines("Tahoma", FW_BOLD, false, DEFAULT_QUALITY));
}

// The other faces we ship: hand-drawn Courier and System (upright only: the reference draws
// their italics upright), and the symbol faces, whose characters Symbol lacks at U+F000 and
// draws as its default box.
TEST(TextStylesOracle, EveryFaceRegularBoldAndItalic) {
    using ulmaro::test::expectMatchesOracle;
    struct Face {
        const char* key;
        const char* name;
        BYTE charset;
        const char* text;
        bool italicToo;
    };
    for (const Face& f : {Face{"courier", "Courier", ANSI_CHARSET, "Wgy0", false}, Face{"system", "System", ANSI_CHARSET, "Wgy0", false},
                          Face{"marlett", "Marlett", SYMBOL_CHARSET, "r012a", true},
                          Face{"webdings", "Webdings", SYMBOL_CHARSET, "3456=", true},
                          Face{"wingdings", "Wingdings", SYMBOL_CHARSET, "JKL\xE0", true},
                          Face{"symbol", "Symbol", SYMBOL_CHARSET, "abgDp", true}}) {
        expectMatchesOracle(std::string("text/faces_") + f.key + "_rb", faceColumns(f.name, f.charset, f.text, false));
        if (f.italicToo) expectMatchesOracle(std::string("text/faces_") + f.key + "_i", faceColumns(f.name, f.charset, f.text, true));
    }
}
