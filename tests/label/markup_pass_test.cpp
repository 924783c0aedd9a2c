// The layout pass, seen from outside: the plain text it keeps, the fills it leaves, the link
// rectangles and the size AutoSize gives. What each tag draws is in the reference pictures
// of label_states_snapshot_test.cpp.
#include "label_fixture.h"
#include "support/run_time_error.h"

#include "label/markup_tokens.h"

using namespace ulmaro;
using namespace ulmaro::test;

namespace {

constexpr COLORREF kRed = 0x0000FF;    // <C=FF0000>
constexpr COLORREF kYellow = 0x00FFFF; // <F=FFFF00>
constexpr COLORREF kCyan = 0xFFFF00;   // <F=00FFFF>

using Colors = std::set<COLORREF>;
using namespace ulmaro::markup;

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

class MarkupPass : public LabelTest {
protected:
    // Paints the whole label black, then lays it out again without clearing: whatever the
    // pass fills shows against the black.
    void refreshOverBlack(ZynLabel& l) {
        HDC dc = l.surface().hDC();
        RECT all{0, 0, l.surface().ScaleWidth(), l.surface().ScaleHeight()};
        HBRUSH b = CreateSolidBrush(kBlack);
        FillRect(dc, &all, b);
        DeleteObject(b);
        bool clear = false;
        l.Refresh(clear);
    }
};

TEST_F(MarkupPass, EmptyCaptionDrawsNothingAndSizesToNothing) {
    ZynLabel& l = label("");
    EXPECT_EQ(l.Text(), "");
    EXPECT_EQ(colorsIn(l, RECT{0, 0, 300, 60}), Colors{kWhite});
    l.setAutoSize(true);
    EXPECT_EQ(l.surface().ScaleWidth(), 0);
    EXPECT_EQ(l.surface().ScaleHeight(), 0);
    EXPECT_EQ(l.surface().Width(), 0);
    EXPECT_EQ(l.surface().Height(), 0);
}

TEST_F(MarkupPass, TextKeepsEveryRunWithoutTagsOrLineBreaks) {
    ZynLabel& l = label("");
    struct Case {
        std::string caption, text;
    };
    for (const Case& c : std::vector<Case>{
             {"<B>Bold</B> plain", "Bold plain"},
             {"Line1<br>Line2", "Line1Line2"},
             {"Line1\r\nLine2<BR>Line3<Br>", "Line1Line2Line3"},
             {"<c=00ff00>g</C><F=FFFF00>f</F><A Name=\"n\">a</A><u><i><s>x", "gfax"},
             // Not tokens: drawn and kept as text. A lone CR or LF is not a line break.
             {"<C=00FF0>x<X><b ><Bold></ B><A Name=\"\">", "<C=00FF0>x<X><b ><Bold></ B><A Name=\"\">"},
             {"a\nb\rc", "a\nb\rc"},
             // A failed candidate does not hide a token that starts inside it.
             {"<C=00FF0<i>x<<b>>", "<C=00FF0x<>"},
             {"</b></C></F></A>", ""},
         }) {
        l.setCaption(c.caption);
        EXPECT_EQ(l.Text(), c.text) << c.caption;
        EXPECT_EQ(l.Caption(), c.caption);
    }
}

TEST_F(MarkupPass, ClosedFillsPopToTheBackColourAndKeepFilling) {
    // Drawn without clearing over black: a run filled with the back colour shows white,
    // a run without fill keeps the black.
    ZynLabel& l = label("<F=FFFF00><F=00FFFF>a</F>b</F>c</F>d<b>e");
    refreshOverBlack(l);
    const int h = lineHeight(l);
    int x = 0;
    for (auto [run, fill] : std::vector<std::pair<std::string, COLORREF>>{
             {"a", kCyan}, {"b", kYellow}, {"c", kWhite}, {"d", kWhite}}) {
        const int w = widthOf(l, run);
        EXPECT_EQ(colorsIn(l, RECT{x, 0, x + w, h}), (Colors{fill, kBlack})) << run;
        x += w;
    }
    EXPECT_EQ(colorsIn(l, RECT{x, 0, 300, 60}), Colors{kBlack});
}

TEST_F(MarkupPass, ABreakLowersByTheHeightOfTheRunJustBeforeIt) {
    // The run "a LF b" is two lines high: it moves the pen down one line itself, and the
    // break after it adds its full two lines.
    ZynLabel& l = label("a\nb\r\nc<A Name=\"c\"></A>");
    const int h = lineHeight(l);
    ASSERT_EQ(l.links().size(), 2u);
    EXPECT_EQ(edges(l.links()[1].Rect), (Edges{0, 3 * h, widthOf(l, "c"), 4 * h}));
    // Without a break, the next run goes on beside the wider line, one line down.
    l.setCaption("a\nbb<A Name=\"z\">z</A>");
    const int wab = widthOf(l, "bb");
    EXPECT_EQ(edges(l.links()[1].Rect), (Edges{wab, h, wab + widthOf(l, "z"), 2 * h}));
}

TEST_F(MarkupPass, LinkTakesTheLastNonEmptyRunBeforeItsEnd) {
    ZynLabel& l = label("Intro <A Name=\"home\">Home page</A> after");
    const int h = lineHeight(l), wi = widthOf(l, "Intro ");
    ASSERT_EQ(l.links().size(), 2u);
    EXPECT_EQ(l.links()[0].Name, "");
    EXPECT_EQ(edges(l.links()[0].Rect), (Edges{0, 0, 0, 0}));
    EXPECT_EQ(l.links()[1].Name, "home");
    EXPECT_EQ(edges(l.links()[1].Rect), (Edges{wi, 0, wi + widthOf(l, "Home page"), h}));

    // Only the bold word, the last run inside the link, counts.
    l.setCaption("<a name=\"n\">one <b>two</b></a>");
    const int wo = widthOf(l, "one ");
    ASSERT_EQ(l.links().size(), 2u);
    EXPECT_EQ(edges(l.links()[1].Rect), (Edges{wo, 0, wo + widthOf(l, "two", true), h}));

    // An empty link takes the run before it; at the very start there is none.
    l.setCaption("Intro<A Name=\"e\"></A>");
    EXPECT_EQ(edges(l.links()[1].Rect), (Edges{0, 0, widthOf(l, "Intro"), h}));
    l.setCaption("<A Name=\"e\"></A>x");
    EXPECT_EQ(edges(l.links()[1].Rect), (Edges{0, 0, 0, 0}));

    // On a second line.
    l.setCaption("x<br><a name=\"l2\">y</a>");
    EXPECT_EQ(edges(l.links()[1].Rect), (Edges{0, h, widthOf(l, "y"), 2 * h}));
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

TEST_F(MarkupPass, AmpersandsAreMeasuredRaw) {
    ZynLabel& l = label("<a name=\"g\">&Go</a>");
    const int h = lineHeight(l);
    EXPECT_EQ(l.Text(), "&Go");
    ASSERT_GT(widthOf(l, "&Go"), widthOf(l, "Go"));
    EXPECT_EQ(edges(l.links()[1].Rect), (Edges{0, 0, widthOf(l, "&Go"), h}));
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
