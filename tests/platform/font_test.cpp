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

TEST(FontMetrics, MsSansSerifEightPointIsTheThirteenPixelStrike) {
    TextCanvas c(4, 4);
    for (int height : {-11, 13}) {  // by character height, and by cell height
        c.useFont("MS Sans Serif", height);
        TEXTMETRICA tm = c.metrics();
        EXPECT_EQ(tm.tmHeight, 13) << height;
        EXPECT_EQ(tm.tmAscent, 11);
        EXPECT_EQ(tm.tmDescent, 2);
        EXPECT_EQ(tm.tmInternalLeading, 2);
        EXPECT_EQ(tm.tmExternalLeading, 0);
        EXPECT_EQ(tm.tmAveCharWidth, 5);
        EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);
        EXPECT_EQ(tm.tmWeight, FW_NORMAL);
        EXPECT_EQ(tm.tmCharSet, ANSI_CHARSET);
        // A hand-drawn variable-pitch sans serif: no outline bits.
        EXPECT_EQ(tm.tmPitchAndFamily, FF_SWISS | kVariablePitch);
        EXPECT_EQ(c.face(), "MS Sans Serif");
    }
    // The stock GUI font is the same font.
    HGDIOBJ old = SelectObject(c.dc, GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(c.metrics().tmHeight, 13);
    EXPECT_EQ(c.face(), "MS Sans Serif");
    SelectObject(c.dc, old);
}

TEST(FontMetrics, MsSansSerifLargerStrikesAndSizesBetween) {
    TextCanvas c(4, 4);
    c.useFont("MS Sans Serif", -13);  // 10 pt
    EXPECT_EQ(c.metrics().tmHeight, 16);
    c.useFont("MS Sans Serif", -16);  // 12 pt
    EXPECT_EQ(c.metrics().tmHeight, 20);
    c.useFont("MS Sans Serif", -12);  // 9 pt: the 8 pt strike, never a larger one
    EXPECT_EQ(c.metrics().tmHeight, 13);
    // Far above every strike the letters are drawn from outlines at the size asked.
    c.useFont("MS Sans Serif", -32);
    TEXTMETRICA tm = c.metrics();
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 32);
    EXPECT_TRUE(tm.tmPitchAndFamily & kTrueTypeBit);
    EXPECT_EQ(c.face(), "MS Sans Serif");
}

TEST(FontMetrics, OutlineFontsScaleToTheRequestedHeight) {
    TextCanvas c(4, 4);
    c.useFont("Tahoma", -11);
    TEXTMETRICA tm = c.metrics();
    EXPECT_EQ(tm.tmHeight, 13);
    EXPECT_EQ(tm.tmAscent, 11);
    EXPECT_EQ(tm.tmDescent, 2);
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 11);
    EXPECT_EQ(tm.tmPitchAndFamily & (kTrueTypeBit | kVariablePitch), kTrueTypeBit | kVariablePitch);
    for (int em : {8, 12, 20, 40}) {
        c.useFont("Arial", -em);
        tm = c.metrics();
        EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, em);
        EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
        EXPECT_GT(tm.tmAveCharWidth, 0);
        EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);
    }
    // A positive height asks for the whole cell.
    for (int cell : {14, 24, 33}) {
        c.useFont("Tahoma", cell);
        EXPECT_NEAR(c.metrics().tmHeight, cell, 1) << cell;
    }
    // Height 0 is a default size, not an empty font.
    c.useFont("Tahoma", 0);
    EXPECT_GT(c.metrics().tmHeight, 10);
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

TEST(FontHandles, BadHandlesAndArgumentsAreRefused) {
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

    HDC stale = CreateCompatibleDC(nullptr);
    DeleteDC(stale);
    TEXTMETRICA tm{};
    SIZE sz{};
    char name[8];
    RECT r{0, 0, 8, 8};
    EXPECT_FALSE(GetTextMetricsA(stale, &tm));
    EXPECT_FALSE(GetTextMetricsA(c.dc, nullptr));
    EXPECT_FALSE(GetTextExtentPoint32A(stale, "a", 1, &sz));
    EXPECT_FALSE(GetTextExtentPoint32A(c.dc, "a", -1, &sz));
    EXPECT_FALSE(GetTextExtentPoint32A(c.dc, "a", 1, nullptr));
    EXPECT_EQ(GetTextFaceA(stale, 8, name), 0);
    EXPECT_FALSE(TextOutA(stale, 0, 0, "a", 1));
    EXPECT_FALSE(TextOutA(c.dc, 0, 0, nullptr, 1));
    EXPECT_EQ(DrawTextA(stale, "a", 1, &r, 0), 0);
    EXPECT_EQ(DrawTextA(c.dc, "a", 1, nullptr, 0), 0);
    EXPECT_EQ(SetTextAlign(stale, TA_RIGHT), 0xFFFFFFFFu);
    EXPECT_EQ(GetTextAlign(stale), 0xFFFFFFFFu);
    // A brush is no font to draw text with.
    HBRUSH b = CreateSolidBrush(0);
    EXPECT_FALSE(GetTextExtentPoint32A(reinterpret_cast<HDC>(b), "a", 1, &sz));
    DeleteObject(b);
    EXPECT_TRUE(sameRect(c.inkBox(), RECT{0, 0, 0, 0}));
    EXPECT_EQ(LiveGdiObjectCount(), before + 2);  // the canvas
}
