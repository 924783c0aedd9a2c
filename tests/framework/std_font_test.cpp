// The standard font object: sharing, equality and the platform description (its sizes and
// weights as a script sees them are in scripts/font).
#include "framework/std_font.h"

#include "support/transcript.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace ulmaro;
using namespace ulmaro::platform;

TRANSCRIPTS("framework");

TEST(StdFont, ANewSizedFontKeepsItsSizeAndIsNotBold) {
    const StdFont f("Tahoma", 12);
    EXPECT_DOUBLE_EQ(f.Size(), 12);
    EXPECT_EQ(f.Weight(), 400);
}

TEST(StdFont, HoldersShareOneFontUntilCloned) {
    StdFontPtr ambient = StdFont::New();
    StdFontPtr surface = ambient;  // handed over by reference
    surface->SetBold(true);
    EXPECT_TRUE(ambient->Bold());

    StdFontPtr copy = ambient->Clone();
    EXPECT_NE(copy, ambient);
    EXPECT_TRUE(*copy == *ambient);
    copy->SetItalic(true);
    EXPECT_FALSE(ambient->Italic());
    EXPECT_FALSE(*copy == *ambient);
}

TEST(StdFont, EqualityComparesEveryAttributeButFaceCase) {
    StdFont a("Tahoma", 9.75);
    StdFont b("TAHOMA", 9.75);
    EXPECT_TRUE(a == b);
    auto differs = [&](auto change) {
        StdFont c = a;
        change(c);
        return !(c == a);
    };
    EXPECT_TRUE(differs([](StdFont& c) { c.SetName("Tahoma Bold"); }));
    EXPECT_TRUE(differs([](StdFont& c) { c.SetSize(9.7501); }));
    EXPECT_TRUE(differs([](StdFont& c) { c.SetWeight(401); }));
    EXPECT_TRUE(differs([](StdFont& c) { c.SetItalic(true); }));
    EXPECT_TRUE(differs([](StdFont& c) { c.SetUnderline(true); }));
    EXPECT_TRUE(differs([](StdFont& c) { c.SetStrikethrough(true); }));
    EXPECT_TRUE(differs([](StdFont& c) { c.SetCharset(2); }));
}

// A new font is the form's font; its description, and one with every attribute set.
// Heights round halves to even (10.5 and 11.5 pixels).
TEST(StdFont, LogFontCarriesTheAttributesAndRoundsTheHeight) {
    LOGFONTA lf = StdFont::New()->ToLogFont();
    EXPECT_EQ((std::vector<LONG>{lf.lfHeight, lf.lfWidth, lf.lfEscapement, lf.lfWeight, lf.lfItalic, lf.lfUnderline,
                                 lf.lfStrikeOut, lf.lfCharSet}),
              (std::vector<LONG>{-11, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET}));
    EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
    StdFont f("Webdings", 12);
    f.SetBold(true);
    f.SetItalic(true);
    f.SetUnderline(true);
    f.SetStrikethrough(true);
    f.SetCharset(SYMBOL_CHARSET);
    lf = f.ToLogFont();
    EXPECT_EQ((std::vector<LONG>{lf.lfHeight, lf.lfWeight, lf.lfItalic, lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet}),
              (std::vector<LONG>{-16, FW_BOLD, 1, 1, 1, SYMBOL_CHARSET}));
    EXPECT_STREQ(lf.lfFaceName, "Webdings");
    for (auto [size, height] : {std::pair{7.875, -10}, {8.625, -12}, {9.75, -13}, {8.0, -11}})
        EXPECT_EQ(StdFont("Tahoma", size).ToLogFont().lfHeight, height) << size;
}

TEST(StdFont, LogFontTruncatesLongFaceNames) {
    std::string name(40, 'x');
    LOGFONTA lf = StdFont(name, 10).ToLogFont();
    EXPECT_EQ(std::strlen(lf.lfFaceName), 31u);
    EXPECT_EQ(lf.lfFaceName[LF_FACESIZE - 1], '\0');
}
