// The layout pass, seen from outside: the plain text it keeps, where it puts runs, what the
// tags do to font and colours, the fills, the link rectangles and the size AutoSize gives.
// Pictures are compared against labels that draw the same runs without mark-up.
#include "label_fixture.h"

using namespace ulmaro;
using namespace ulmaro::test;

namespace {

constexpr COLORREF kRed = 0x0000FF;    // <C=FF0000>
constexpr COLORREF kBlue = 0xFF0000;   // <C=0000FF>
constexpr COLORREF kGreen = 0x00FF00;  // <C=00FF00>
constexpr COLORREF kYellow = 0x00FFFF; // <F=FFFF00>
constexpr COLORREF kCyan = 0xFFFF00;   // <F=00FFFF>

using Colors = std::set<COLORREF>;

}  // namespace

class MarkupPass : public LabelTest {
protected:
    // A label drawing `caption` with the font attributes switched on from the start.
    ZynLabel& reference(const std::string& caption, bool bold = false, bool italic = false, bool underline = false,
                        bool strike = false) {
        ZynLabel& l = label(caption);
        StdFont& f = *l.Font();
        f.SetBold(bold);
        f.SetItalic(italic);
        f.SetUnderline(underline);
        f.SetStrikethrough(strike);
        l.Refresh();
        return l;
    }
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
             {"</b></C></F></A>", ""},
         }) {
        l.setCaption(c.caption);
        EXPECT_EQ(l.Text(), c.text) << c.caption;
        EXPECT_EQ(l.Caption(), c.caption);
    }
}

TEST_F(MarkupPass, RunsOfOneLineSitSideBySide) {
    ZynLabel& l = label("<B>Bold</B> plain");
    ZynLabel& bold = reference("Bold", true);
    ZynLabel& plain = reference(" plain");
    const int h = lineHeight(l), wb = widthOf(l, "Bold", true), wp = widthOf(l, " plain");
    ASSERT_GT(wb, widthOf(l, "Bold"));
    EXPECT_TRUE(sameBlock(l, 0, 0, bold, 0, 0, wb, h));
    EXPECT_TRUE(sameBlock(l, wb, 0, plain, 0, 0, wp, h));
    EXPECT_EQ(colorsIn(l, RECT{wb + wp, 0, 300, 60}), Colors{kWhite});
    EXPECT_EQ(colorsIn(l, RECT{0, h, 300, 60}), Colors{kWhite});
}

TEST_F(MarkupPass, FontTagsInEitherLetterCase) {
    struct Case {
        std::string open, close;
        bool bold, italic, underline, strike;
    };
    for (const Case& c : std::vector<Case>{{"<B>", "</B>", true, false, false, false},
                                           {"<b>", "</b>", true, false, false, false},
                                           {"<I>", "</I>", false, true, false, false},
                                           {"<i>", "</i>", false, true, false, false},
                                           {"<U>", "</U>", false, false, true, false},
                                           {"<u>", "</u>", false, false, true, false},
                                           {"<S>", "</S>", false, false, false, true},
                                           {"<s>", "</s>", false, false, false, true}}) {
        ZynLabel& tagged = label(c.open + "Wg" + c.close);
        ZynLabel& ref = reference("Wg", c.bold, c.italic, c.underline, c.strike);
        ZynLabel& plain = reference("Wg");
        EXPECT_TRUE(samePicture(tagged, ref)) << c.open;
        EXPECT_FALSE(samePicture(tagged, plain)) << c.open;
    }
}

TEST_F(MarkupPass, FontSwitchesAreOnOffNotCounters) {
    // The first </B> ends bold although two <B> came before it.
    ZynLabel& l = label("<B><B>a</B>b</B>");
    ZynLabel& a = reference("a", true);
    ZynLabel& b = reference("b");
    const int h = lineHeight(l), wa = widthOf(l, "a", true), wb = widthOf(l, "b");
    EXPECT_EQ(l.Text(), "ab");
    EXPECT_TRUE(sameBlock(l, 0, 0, a, 0, 0, wa, h));
    EXPECT_TRUE(sameBlock(l, wa, 0, b, 0, 0, wb, h));
}

TEST_F(MarkupPass, FontAndTextColourComeBackAfterThePass) {
    ZynLabel& l = label("<b><i><u><s><c=ff0000>left open");
    StdFont& f = *l.Font();
    EXPECT_FALSE(f.Bold() || f.Italic() || f.Underline() || f.Strikethrough());
    EXPECT_EQ(l.ForeColor(), kBlack);
    // A font that starts bold is bold again after a caption that switched bold off.
    f.SetBold(true);
    l.setCaption("</b>thin");
    EXPECT_TRUE(f.Bold());
    ZynLabel& thin = reference("thin");
    EXPECT_TRUE(samePicture(l, thin));
}

TEST_F(MarkupPass, TextColoursNestAndCloseToTheColourBefore) {
    ZynLabel& l = label("<C=FF0000>red<C=0000FF>blue</C>red again</C>base");
    const int h = lineHeight(l);
    int x = 0;
    for (auto [run, color] : std::vector<std::pair<std::string, COLORREF>>{
             {"red", kRed}, {"blue", kBlue}, {"red again", kRed}, {"base", kBlack}}) {
        const int w = widthOf(l, run);
        EXPECT_EQ(colorsIn(l, RECT{x, 0, x + w, h}), (Colors{kWhite, color})) << run;
        x += w;
    }
    EXPECT_EQ(colorsIn(l, RECT{x, 0, 300, 60}), Colors{kWhite});
}

TEST_F(MarkupPass, SurplusClosingColourTagsGiveTheLabelsColour) {
    ZynLabel& l = label("");
    l.setForeColor(0x008000);
    l.setCaption("</C></c>a<c=ff0000>b</C></C>c");
    const int h = lineHeight(l), wa = widthOf(l, "a"), wb = widthOf(l, "b"), wc = widthOf(l, "c");
    EXPECT_EQ(colorsIn(l, RECT{0, 0, wa, h}), (Colors{kWhite, 0x008000}));
    EXPECT_EQ(colorsIn(l, RECT{wa, 0, wa + wb, h}), (Colors{kWhite, kRed}));
    EXPECT_EQ(colorsIn(l, RECT{wa + wb, 0, wa + wb + wc, h}), (Colors{kWhite, 0x008000}));
    EXPECT_EQ(l.ForeColor(), 0x008000u);
}

TEST_F(MarkupPass, ColourTagDigitsInEitherCaseBareTagIsBlack) {
    ZynLabel& l = label("");
    l.setForeColor(kBlue);
    l.setCaption("<c=00ff00>g</c><C>dark</C>x<C=00FF0>y");
    const int h = lineHeight(l), wg = widthOf(l, "g"), wd = widthOf(l, "dark"), wx = widthOf(l, "x");
    EXPECT_EQ(colorsIn(l, RECT{0, 0, wg, h}), (Colors{kWhite, kGreen}));
    EXPECT_EQ(colorsIn(l, RECT{wg, 0, wg + wd, h}), (Colors{kWhite, kBlack}));
    EXPECT_EQ(colorsIn(l, RECT{wg + wd, 0, wg + wd + wx, h}), (Colors{kWhite, kBlue}));
    // Five digits are no colour tag: drawn as text in the colour in force.
    EXPECT_EQ(l.Text(), "gdarkx<C=00FF0>y");
    EXPECT_EQ(colorsIn(l, RECT{wg + wd + wx, 0, 300, h}), (Colors{kWhite, kBlue}));
}

TEST_F(MarkupPass, FillColoursTheRunBackground) {
    ZynLabel& l = label("<F=FFFF00>marked</F> after");
    const int h = lineHeight(l), wm = widthOf(l, "marked");
    EXPECT_EQ(colorsIn(l, RECT{0, 0, wm, h}), (Colors{kYellow, kBlack}));
    // Guards: right of the run and below it nothing is yellow.
    EXPECT_EQ(colorsIn(l, RECT{wm, 0, 300, h}).count(kYellow), 0u);
    EXPECT_EQ(colorsIn(l, RECT{0, h, wm + 1, h + 1}), Colors{kWhite});
}

TEST_F(MarkupPass, TheLastRunIsNeverFilled) {
    ZynLabel& l = label("<F=FFFF00>still open");
    EXPECT_EQ(colorsIn(l, RECT{0, 0, 300, 60}), (Colors{kWhite, kBlack}));
    // The same run before a tag is filled.
    l.setCaption("<F=FFFF00>still open<b>");
    EXPECT_EQ(colorsIn(l, RECT{0, 0, widthOf(l, "still open"), lineHeight(l)}), (Colors{kYellow, kBlack}));
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

TEST_F(MarkupPass, BareFillTagFillsBlack) {
    ZynLabel& l = label("<F>x</F>y<b>");
    const int h = lineHeight(l), wx = widthOf(l, "x");
    EXPECT_EQ(colorsIn(l, RECT{0, 0, wx, h}), Colors{kBlack});
    EXPECT_EQ(colorsIn(l, RECT{wx, 0, wx + widthOf(l, "y"), h}), (Colors{kWhite, kBlack}));
}

TEST_F(MarkupPass, LineBreaksFromCrLfAndBrInAnyCaseLookTheSame) {
    ZynLabel& crlf = label("Line1\r\nLine2");
    ZynLabel& second = reference("Line2");
    const int h = lineHeight(crlf);
    EXPECT_TRUE(sameBlock(crlf, 0, h, second, 0, 0, 300, h));
    for (std::string br : {"<br>", "<BR>", "<Br>", "<bR>"}) {
        ZynLabel& tagged = label("Line1" + br + "Line2");
        EXPECT_TRUE(samePicture(tagged, crlf)) << br;
    }
    // A second break in a row leaves an empty line.
    ZynLabel& twice = label("Line1<br><br>Line2");
    EXPECT_TRUE(sameBlock(twice, 0, 2 * h, second, 0, 0, 300, h));
    EXPECT_EQ(colorsIn(twice, RECT{0, h, 300, 2 * h}), Colors{kWhite});
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

TEST_F(MarkupPass, AmpersandsAreMeasuredRawAndDrawnAsMnemonics) {
    ZynLabel& l = label("<a name=\"g\">&Go</a>");
    const int h = lineHeight(l);
    EXPECT_EQ(l.Text(), "&Go");
    ASSERT_GT(widthOf(l, "&Go"), widthOf(l, "Go"));
    EXPECT_EQ(edges(l.links()[1].Rect), (Edges{0, 0, widthOf(l, "&Go"), h}));
    // Drawn as DrawTextA draws it with its default format: G underlined, no ampersand.
    ZynLabel& ref = label("");
    RECT r{0, 0, widthOf(l, "&Go"), h};
    DrawTextA(ref.surface().hDC(), "&Go", 3, &r, 0);
    EXPECT_TRUE(samePicture(l, ref));
    EXPECT_FALSE(samePicture(l, reference("Go")));
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
