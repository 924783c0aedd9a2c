// Logical fonts: which face and size they resolve to, the metrics and extents reported,
// and handle checks.
#include <cstdlib>
#include <cstring>

#include "text_support.h"

using namespace ulmaro::test;

namespace {

constexpr BYTE kTrueTypeBit = 0x04;    // TMPF_TRUETYPE
constexpr BYTE kVariablePitch = 0x01;  // TMPF_FIXED_PITCH: set for variable pitch

}  // namespace

// The 8-point MS Sans Serif strike in full; then which strike or outline size each request
// gets: hand-drawn strikes by cell height, never a larger strike than asked, well above the
// largest strike that strike scaled by whole pixels, and outlines at the character height asked.
TEST(FontMetrics, StrikesAndOutlineSizes) {
    TextCanvas c(4, 4);
    c.useFont("MS Sans Serif", -11);
    TEXTMETRICA tm = c.metrics();
    EXPECT_EQ((std::vector<LONG>{tm.tmHeight, tm.tmAscent, tm.tmDescent, tm.tmInternalLeading, tm.tmExternalLeading,
                                 tm.tmAveCharWidth, tm.tmWeight}),
              (std::vector<LONG>{13, 11, 2, 2, 0, 5, FW_NORMAL}));
    EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);
    EXPECT_EQ(tm.tmCharSet, ANSI_CHARSET);
    EXPECT_EQ(tm.tmPitchAndFamily, FF_SWISS | kVariablePitch);  // hand-drawn: no outline bit
    struct Case {
        const char* face;
        int height, cell, em;  // -1: not checked
        bool outline;
    } cases[] = {{"MS Sans Serif", 13, 13, -1, false}, {"MS Sans Serif", -13, 16, -1, false},
                 {"MS Sans Serif", -16, 20, -1, false}, {"MS Sans Serif", -12, 13, -1, false},
                 {"MS Sans Serif", -31, 20, -1, false}, {"MS Sans Serif", -32, 40, 32, false},
                 {"MS Sans Serif", 35, 20, -1, false},  {"MS Sans Serif", 55, 60, -1, false},
                 {"MS Sans Serif", 0, 13, -1, false},   {"Tahoma", -11, 13, 11, true},
                 {"Arial", -8, -1, 8, true},           {"Arial", -40, -1, 40, true},
                 {"Tahoma", 24, 24, -1, true}};
    for (const Case& k : cases) {
        c.useFont(k.face, k.height);
        tm = c.metrics();
        if (k.cell >= 0) {
            EXPECT_EQ(tm.tmHeight, k.cell) << k.face << " " << k.height;
        }
        if (k.em >= 0) {
            EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, k.em) << k.face << " " << k.height;
        }
        EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
        EXPECT_EQ((tm.tmPitchAndFamily & kTrueTypeBit) != 0, k.outline) << k.face << " " << k.height;
        if (k.height == -32) {
            EXPECT_EQ(c.face(), "MS Sans Serif");
        }
    }
    c.useFont("Tahoma", 0);  // a default size, not an empty font
    EXPECT_GT(c.metrics().tmHeight, 10);
    // The stock GUI font is the 8-point strike.
    HGDIOBJ old = SelectObject(c.dc, GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(c.metrics().tmHeight, 13);
    EXPECT_EQ(c.face(), "MS Sans Serif");
    SelectObject(c.dc, old);
}

// A scaled strike draws each pixel of the strike as a block: the 12-point strike at 24
// points inks exactly twice the box, measured from the same point.
TEST(FontMetrics, ScaledStrikeDrawsBlocks) {
    TextCanvas strike(64, 64), scaled(64, 64);
    strike.useFont("MS Sans Serif", -16);
    scaled.useFont("MS Sans Serif", -32);
    strike.textOut(0, 0, "Hg");
    scaled.textOut(0, 0, "Hg");
    const RECT a = strike.inkBox(), b = scaled.inkBox();
    EXPECT_TRUE(sameRect(b, RECT{2 * a.left, 2 * a.top, 2 * a.right, 2 * a.bottom})) << show(a) << " " << show(b);
    EXPECT_EQ(scaled.count(RGB(0, 0, 0)), 4 * strike.count(RGB(0, 0, 0)));
    EXPECT_EQ(scaled.extent("Hg"), 2 * strike.extent("Hg"));
    // Its underline and strike-out lines are as thick as the factor, raised by half of it
    // (rows as the platform draws them at 2, 3 and 4 times the 12-point strike).
    const std::pair<int, std::vector<int>> lines[] = {
        {-32, {15, 16, 31, 32}}, {-52, {23, 24, 25, 47, 48, 49}}, {-72, {30, 31, 32, 33, 62, 63, 64, 65}}};
    for (const auto& [height, rows] : lines) {
        TextCanvas c(64, 100);
        c.useFont("MS Sans Serif", height, FW_NORMAL, 0, false, true, true);
        c.textOut(0, 0, " ");
        std::vector<int> inked;
        for (int y = 0; y < 100; ++y)
            if (c.at(0, y) != kPaper) inked.push_back(y);
        EXPECT_EQ(inked, rows) << height;
    }
}

TEST(FontMetrics, StyleIsReported) {
    TextCanvas c(4, 4);
    c.useFont("Tahoma", -11, FW_BOLD, 0, true, true, true);
    TEXTMETRICA tm = c.metrics();
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    EXPECT_NE(tm.tmItalic, 0);
    EXPECT_NE(tm.tmUnderlined, 0);
    EXPECT_NE(tm.tmStruckOut, 0);
    c.useFont("MS Sans Serif", -11, FW_BOLD);  // simulated bold
    EXPECT_EQ(c.metrics().tmWeight, FW_BOLD);
    c.useFont("MS Sans Serif", -11);
    tm = c.metrics();
    EXPECT_EQ(tm.tmItalic, 0);
    EXPECT_EQ(tm.tmUnderlined, 0);
    EXPECT_EQ(tm.tmStruckOut, 0);
}

TEST(FontFaces, NamesMapToFacesOrFallBack) {
    TextCanvas c(4, 4);
    struct Case {
        const char* asked;
        BYTE pitch;
        const char* face;
    } cases[] = {
        {"Tahoma", DEFAULT_PITCH, "Tahoma"},       {"tahoma", DEFAULT_PITCH, "Tahoma"},
        {"Marlett", DEFAULT_PITCH, "Marlett"},     {"Webdings", DEFAULT_PITCH, "Webdings"},
        {"Wingdings", DEFAULT_PITCH, "Wingdings"}, {"Symbol", DEFAULT_PITCH, "Symbol"},
        {"Courier", DEFAULT_PITCH, "Courier"},     {"Arial", DEFAULT_PITCH, "DejaVu Sans"},
        {"", DEFAULT_PITCH, "DejaVu Sans"},        {"Courier New", FIXED_PITCH, "DejaVu Sans Mono"},
    };
    for (const Case& k : cases) {
        c.useFont(k.asked, -12, FW_NORMAL, 0, false, false, false, k.pitch);
        EXPECT_EQ(c.face(), k.face) << k.asked;
    }
    c.useFont("Marlett", -12);
    EXPECT_EQ(c.metrics().tmCharSet, SYMBOL_CHARSET);
    c.useFont("Courier New", -12, FW_NORMAL, 0, false, false, false, FIXED_PITCH);
    EXPECT_EQ(c.extent("iiii"), c.extent("WWWW"));
    EXPECT_FALSE(c.metrics().tmPitchAndFamily & kVariablePitch);
}

TEST(FontFaces, GetTextFaceCopiesWithinTheBuffer) {
    TextCanvas c(4, 4);
    c.useFont("Tahoma", -11);
    EXPECT_EQ(GetTextFaceA(c.dc, 0, nullptr), 7);  // "Tahoma" and its NUL
    char buf[8];
    std::memset(buf, 'x', sizeof buf);
    EXPECT_EQ(GetTextFaceA(c.dc, 4, buf), 4);
    EXPECT_STREQ(buf, "Tah");
    EXPECT_EQ(buf[4], 'x');
    EXPECT_EQ(GetTextFaceA(c.dc, 8, buf), 7);
    EXPECT_STREQ(buf, "Tahoma");
}

TEST(FontFaces, NewContextsStartWithTheSystemFont) {
    HDC dc = CreateCompatibleDC(nullptr);
    TEXTMETRICA tm{};
    ASSERT_TRUE(GetTextMetricsA(dc, &tm));
    EXPECT_EQ(tm.tmHeight, 16);
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    char name[LF_FACESIZE];
    GetTextFaceA(dc, LF_FACESIZE, name);
    EXPECT_STREQ(name, "System");
    DeleteDC(dc);
}

TEST(TextExtent, AddsUpTheAdvancesOfTheCharacters) {
    TextCanvas c(4, 4);
    const char* faces[][2] = {{"MS Sans Serif", "-11"}, {"Tahoma", "-11"}, {"Arial", "-15"}, {"Courier", "-13"}};
    for (auto& f : faces) {
        for (int weight : {FW_NORMAL, FW_BOLD}) {
            c.useFont(f[0], std::atoi(f[1]), weight);
            std::string all;
            int sum = 0;
            for (const char* piece : {"Hello", ", ", "world", "&", "\x80\x93\xE9", "1234"}) {
                sum += c.extent(piece);
                all += piece;
                EXPECT_EQ(c.extent(all), sum) << f[0] << " " << weight << " " << all;
            }
            SIZE sz{};
            ASSERT_TRUE(GetTextExtentPoint32A(c.dc, "", 0, &sz));
            EXPECT_EQ(sz.cx, 0);
            EXPECT_EQ(sz.cy, c.metrics().tmHeight);
            // The prefix character is measured like any other.
            EXPECT_GT(c.extent("&File"), c.extent("File"));
        }
    }
}

TEST(TextExtent, BoldIsWider) {
    TextCanvas c(4, 4);
    for (const char* face : {"MS Sans Serif", "Tahoma", "Arial", "Symbol"}) {
        c.useFont(face, -11);
        int regular = c.extent("Hello world");
        c.useFont(face, -11, FW_BOLD);
        EXPECT_GT(c.extent("Hello world"), regular) << face;
    }
    // Simulated bold (a hand-drawn strike has no bold face): one pixel more per character.
    c.useFont("MS Sans Serif", -11);
    int regular = c.extent("Hello");
    c.useFont("MS Sans Serif", -11, FW_BOLD);
    EXPECT_EQ(c.extent("Hello"), regular + 5);
}

TEST(FontHandles, FontObjectsAreCheckedLikeAnyObject) {
    std::size_t before = LiveGdiObjectCount();
    EXPECT_EQ(CreateFontIndirectA(nullptr), nullptr);
    LOGFONTA lf{};
    lf.lfHeight = -11;
    std::strcpy(lf.lfFaceName, "Tahoma");
    HFONT f = CreateFontIndirectA(&lf);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(GetObjectType(f), OBJ_FONT);
    LOGFONTA back{};
    EXPECT_EQ(GetObjectA(f, sizeof back, &back), static_cast<int>(sizeof back));
    EXPECT_STREQ(back.lfFaceName, "Tahoma");

    TextCanvas c(8, 8);
    HGDIOBJ old = SelectObject(c.dc, f);
    EXPECT_FALSE(DeleteObject(f));  // selected
    SelectObject(c.dc, old);
    EXPECT_TRUE(DeleteObject(f));
    EXPECT_EQ(SelectObject(c.dc, f), nullptr);  // stale

    EXPECT_EQ(LiveGdiObjectCount(), before + 2);  // the canvas
}
