// The layout pass, seen from outside: the plain text it keeps, the link rectangles and the size AutoSize gives. What each tag draws is in the reference pictures
// of label_states_snapshot_test.cpp.
#include "label_fixture.h"
#include "support/run_time_error.h"

#include "label/markup_tokens.h"

using namespace ulmaro;
using namespace ulmaro::test;

namespace {

constexpr COLORREF kRed = 0x0000FF;

}  // namespace

using MarkupPass = LabelTest;

TEST_F(MarkupPass, EmptyCaptionDrawsNothingAndSizesToNothing) {
    ZynLabel& l = label("");
    EXPECT_EQ(l.Text(), "");
    EXPECT_EQ(colorsIn(l, RECT{0, 0, 300, 60}), std::set<COLORREF>{kWhite});
    l.setAutoSize(true);
    EXPECT_EQ((std::vector<int>{l.surface().ScaleWidth(), l.surface().ScaleHeight(), l.surface().Width(), l.surface().Height()}),
              (std::vector<int>{0, 0, 0, 0}));
}

// Line breaks in the caption leave the text; a lone CR or LF is no line break (the other
// runs and tags are in scripts/plain_text).
TEST_F(MarkupPass, TextKeepsEveryRunWithoutLineBreaks) {
    ZynLabel& l = label("");
    for (auto [caption, text] : {std::pair{"Line1\r\nLine2<BR>Line3<Br>", "Line1Line2Line3"}, {"a\nb\rc", "a\nb\rc"}}) {
        l.setCaption(caption);
        EXPECT_EQ(l.Text(), text) << caption;
    }
}

// Where each link's rectangle lies: around the last non-empty run before its end (only
// that run, a bold word after plain ones; an empty link takes the run before it, and at the
// very start there is none), on the line the breaks put it. A break lowers by the height of
// the run just before it: "a LF b" is two lines high. The ampersand is measured raw.
TEST_F(MarkupPass, LinkRectanglesFollowTheRunsAndBreaks) {
    ZynLabel& l = label("");
    const int h = lineHeight(l);
    struct Case {
        const char* caption;
        const char* before;  // the text left of the run on its line
        const char* run;
        bool bold;
        int line, lines;  // the top line of the run, and how many lines high it is
    } cases[] = {
        {"Intro <A Name=\"home\">Home page</A> after", "Intro ", "Home page", false, 0, 1},
        {"<a name=\"n\">one <b>two</b></a>", "one ", "two", true, 0, 1},
        {"Intro<A Name=\"e\"></A>", "", "Intro", false, 0, 1},
        {"<A Name=\"e\"></A>x", "", "", false, 0, 0},
        {"x<br><a name=\"l2\">y</a>", "", "y", false, 1, 1},
        {"a\nb\r\nc<A Name=\"c\"></A>", "", "c", false, 3, 1},
        {"a\nbb<A Name=\"z\">z</A>", "bb", "z", false, 1, 1},  // beside the wider line, one line down
        {"<a name=\"g\">&Go</a>", "", "&Go", false, 0, 1},
    };
    for (const Case& k : cases) {
        l.setCaption(k.caption);
        ASSERT_EQ(l.links().size(), 2u) << k.caption;
        EXPECT_EQ(edges(l.links()[0].Rect), (Edges{0, 0, 0, 0}));
        const int x = widthOf(l, k.before), w = *k.run ? widthOf(l, k.run, k.bold) : 0;
        EXPECT_EQ(edges(l.links()[1].Rect), (Edges{x, k.line * h, x + w, (k.line + k.lines) * h})) << k.caption;
    }
    EXPECT_GT(widthOf(l, "&Go"), widthOf(l, "Go"));
}

TEST_F(MarkupPass, LinkNamesComeFromTheLastOpeningTagEvenAcrossPasses) {
    ZynLabel& l = label("<a name=\"first\">p</a><A>q</A>r</a>");
    ASSERT_EQ(l.links().size(), 4u);
    EXPECT_EQ(l.links()[1].Name, "first");
    EXPECT_EQ(l.links()[2].Name, "");  // a bare opening tag names nothing
    EXPECT_EQ(l.links()[3].Name, "");
    l.setCaption("<a name=\"kept\">a</a>");
    l.setCaption("b</a>");
    ASSERT_EQ(l.links().size(), 2u);
    EXPECT_EQ(l.links()[1].Name, "kept");
    EXPECT_EQ(l.currentLinkName(), "kept");
}

TEST_F(MarkupPass, AutoSizeFitsTheDrawnTextInTwips) {
    ZynLabel& l = label("<B>Bold</B> plain", 10, 10);
    const int h = lineHeight(l), w = widthOf(l, "Bold", true) + widthOf(l, " plain");
    l.setAutoSize(true);
    EXPECT_EQ(l.surface().ScaleWidth(), w);
    EXPECT_EQ(l.surface().ScaleHeight(), h);
    EXPECT_EQ(l.surface().Width(), w * 15);
    EXPECT_EQ(l.surface().Height(), h * 15);

    l.setCaption("one<br>three<BR>x");
    EXPECT_EQ(l.surface().ScaleWidth(), widthOf(l, "three"));
    EXPECT_EQ(l.surface().ScaleHeight(), 3 * h);

    // The size reaches down to the bottom of the text, from the top edge.
    l.setCaption("\r\nabc");
    EXPECT_EQ(l.surface().ScaleWidth(), widthOf(l, "abc"));
    EXPECT_EQ(l.surface().ScaleHeight(), 2 * h);
}

TEST_F(MarkupPass, AutoSizeOffKeepsSizeAndPictureUntilTheNextPass) {
    ZynLabel& l = label("wide text here", 200, 40);
    l.setAutoSize(true);
    const int w = l.surface().ScaleWidth();
    // A mark made after the pass stays when AutoSize goes off: no pass runs.
    HDC dc = l.surface().hDC();
    SetPixelV(dc, w - 1, 0, kRed);
    l.setAutoSize(false);
    EXPECT_EQ(pixels(l).at(w - 1, 0), kRed);
    l.setCaption("x");
    EXPECT_EQ(l.surface().ScaleWidth(), w);
    EXPECT_NE(pixels(l).at(w - 1, 0), kRed);
}

// ---- Tokens -------------------------------------------------------------------------------

TEST(MarkupTokens, MidCutsLikeTheLanguage) {
    using markup::Mid;
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
