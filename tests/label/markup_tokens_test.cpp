// What a matched token means: tag letters and closing slashes, the colour notation of C and
// F tags, the colour stacks, and the Mid$ the pass cuts runs with.
#include "label/markup_tokens.h"

#include "support/run_time_error.h"

#include <gtest/gtest.h>

using namespace ulmaro;
using namespace ulmaro::markup;

namespace {

std::vector<Match> tokens(const std::string& work) {
    RegExp re;
    re.SetIgnoreCase(true);
    re.SetMultiline(true);
    re.SetGlobal(true);
    re.SetPattern(std::string(kTokenPattern));
    return re.Execute(work);
}

Tag only(const std::string& token) {
    auto m = tokens(token);
    EXPECT_EQ(m.size(), 1u) << token;
    return m.empty() ? Tag{'?', false} : TagOf(m[0]);
}

}  // namespace

TEST(MarkupTokens, TagLetterIsTheBodysFirstCharacterUpperCased) {
    struct Case {
        const char* token;
        char letter;
        bool closing;
    };
    for (const Case& c : std::vector<Case>{{"<b>", 'B', false},      {"</B>", 'B', true},        {"<u>", 'U', false},
                                           {"</i>", 'I', true},      {"<S>", 'S', false},        {"<c=00ff00>", 'C', false},
                                           {"</C=FF0000>", 'C', true}, {"<C>", 'C', false},      {"<f=FFFF00>", 'F', false},
                                           {"</f>", 'F', true},      {"<a name=\"x\">", 'A', false}, {"</A>", 'A', true},
                                           {"</A Name=\"y\">", 'A', true}}) {
        Tag t = only(c.token);
        EXPECT_EQ(t.letter, c.letter) << c.token;
        EXPECT_EQ(t.closing, c.closing) << c.token;
    }
    // A line break has no letter and does not close anything.
    Tag br = only("\r\n");
    EXPECT_EQ(br.letter, '\0');
    EXPECT_FALSE(br.closing);
}

TEST(MarkupTokens, ColourDigitsAreRedGreenBlueReadAsBlueGreenRed) {
    // RRGGBB 112233 is red 0x11, green 0x22, blue 0x33: the COLORREF 0x00332211.
    EXPECT_EQ(ColorOfDigits("112233"), 0x00332211);
    EXPECT_EQ(ColorOfBody("C=112233"), 0x00332211);
    EXPECT_EQ(ColorOfDigits("FF0000"), 0x000000FF);
    EXPECT_EQ(ColorOfDigits("0000ff"), 0x00FF0000);
    EXPECT_EQ(ColorOfBody("c=ff8000"), 0x000080FF);
    EXPECT_EQ(ColorOfBody("C=FFFFFF"), 0x00FFFFFF);
    // A tag without digits gives black.
    EXPECT_EQ(ColorOfBody("C"), 0);
    EXPECT_EQ(ColorOfDigits(""), 0);
    EXPECT_EQ(HexColor("", "", ""), 0);
}

TEST(MarkupTokens, ColourComesFromTheMatchedGroups) {
    auto m = tokens("<C=A0B0C0><F=0a0b0c>");
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(ColorOfBody(m[0].SubMatches[Body]), 0x00C0B0A0);
    EXPECT_EQ(ColorOfDigits(m[1].SubMatches[FillDigits]), 0x000C0B0A);
}

TEST(MarkupTokens, PopRestoresThePreviousEntryAndStopsAtTheBase) {
    std::vector<std::int32_t> stack{7};
    Push(stack, 1);
    Push(stack, 2);
    EXPECT_EQ(Pop(stack), 1);
    EXPECT_EQ(Pop(stack), 7);
    EXPECT_EQ(stack.size(), 1u);
    // Surplus pops keep giving the base and never empty the stack.
    EXPECT_EQ(Pop(stack), 7);
    EXPECT_EQ(Pop(stack), 7);
    EXPECT_EQ(stack, std::vector<std::int32_t>{7});
}

TEST(MarkupTokens, MidCutsLikeTheLanguage) {
    EXPECT_EQ(Mid("abcdef", 1, 3), "abc");
    EXPECT_EQ(Mid("abcdef", 4, 0), "");
    EXPECT_EQ(Mid("abcdef", 5, 10), "ef");
    EXPECT_EQ(Mid("abcdef", 7, 1), "");
    EXPECT_EQ(Mid("abcdef", 3), "cdef");
    EXPECT_EQ(Mid("abcdef", 7), "");
    EXPECT_EQ(Mid("", 1), "");
    EXPECT_EQ(test::errorNumber([] { Mid("abc", 0, 1); }), 5);
    EXPECT_EQ(test::errorNumber([] { Mid("abc", 1, -1); }), 5);
}
