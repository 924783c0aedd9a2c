// DrawTextA: alignment in the rectangle, the mnemonic prefix, clipping, measuring, line
// breaks, tabs, ellipsis and background. Most cases compare with TextOutA at the place the
// text must go, so the layout is checked pixel for pixel.
#include "text_support.h"

using namespace ulmaro::test;

namespace {

struct Pair {
    TextCanvas drawn, ref;
    Pair(int w, int h, const char* face = "MS Sans Serif", int height = -11) : drawn(w, h), ref(w, h) {
        drawn.useFont(face, height);
        ref.useFont(face, height);
    }
};

}  // namespace

TEST(DrawText, SingleLineIsAlignedInTheRectangle) {
    Pair p(130, 60);
    const std::string s = "Centre me";
    const RECT r{10, 5, 110, 45};
    const int w = p.ref.extent(s), h = p.ref.metrics().tmHeight;
    const UINT horizontal[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    const UINT vertical[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
    const int xs[] = {10, 10 + (100 - w) / 2, 110 - w};
    const int ys[] = {5, 5 + (40 - h) / 2, 45 - h};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            p.drawn.clear(kPaper);
            p.ref.clear(kPaper);
            EXPECT_EQ(p.drawn.drawText(s, r, DT_SINGLELINE | horizontal[i] | vertical[j]), ys[j] - 5 + h)
                << i << "," << j;
            p.ref.textOut(xs[i], ys[j], s);
            EXPECT_TRUE(samePixels(p.drawn, p.ref)) << i << "," << j;
        }
    // Without DT_SINGLELINE the vertical flags do nothing.
    for (UINT v : {DT_VCENTER, DT_BOTTOM}) {
        p.drawn.clear(kPaper);
        p.ref.clear(kPaper);
        EXPECT_EQ(p.drawn.drawText(s, r, DT_CENTER | v), h);
        p.ref.textOut(xs[1], 5, s);
        EXPECT_TRUE(samePixels(p.drawn, p.ref)) << v;
    }
}

TEST(DrawText, PrefixUnderlinesTheCharacterAfterIt) {
    Pair p(100, 30);
    const TEXTMETRICA tm = p.ref.metrics();
    p.drawn.drawText("Save &As", RECT{5, 5, 95, 25}, DT_SINGLELINE);
    p.ref.textOut(5, 5, "Save As");
    // The only difference: a one-pixel line under "A", below the baseline.
    const int x0 = 5 + p.ref.extent("Save "), x1 = 5 + p.ref.extent("Save A");
    const int row = 5 + tm.tmAscent + 1;
    for (int y = 0; y < p.ref.h; ++y)
        for (int x = 0; x < p.ref.w; ++x) {
            bool line = y == row && x >= x0 && x < x1;
            EXPECT_EQ(p.drawn.at(x, y), line ? 0 : p.ref.at(x, y)) << x << "," << y;
        }
    // DT_PREFIXONLY draws that line alone; DT_HIDEPREFIX everything else.
    TextCanvas only(100, 30);
    only.useFont("MS Sans Serif", -11);
    only.drawText("Save &As", RECT{5, 5, 95, 25}, DT_SINGLELINE | DT_PREFIXONLY);
    EXPECT_TRUE(sameRect(only.inkBox(), RECT{x0, row, x1, row + 1})) << show(only.inkBox());
    p.drawn.clear(kPaper);
    p.drawn.drawText("Save &As", RECT{5, 5, 95, 25}, DT_SINGLELINE | DT_HIDEPREFIX);
    EXPECT_TRUE(samePixels(p.drawn, p.ref));
}

TEST(DrawText, PrefixCharactersAreNotDrawnOrMeasured) {
    struct Case {
        const char* text;
        UINT format;
        const char* same;  // TextOut of this draws the same
    } cases[] = {
        {"Fish && Chips", 0, "Fish & Chips"},
        {"Done&", 0, "Done"},
        {"&&&&", 0, "&&"},
        {"Save &As", DT_NOPREFIX, "Save &As"},
        {"Fish && Chips", DT_NOPREFIX, "Fish && Chips"},
    };
    for (const Case& k : cases) {
        Pair p(120, 24);
        p.drawn.drawText(k.text, RECT{3, 3, 117, 20}, DT_SINGLELINE | k.format);
        p.ref.textOut(3, 3, k.same);
        EXPECT_TRUE(samePixels(p.drawn, p.ref)) << k.text;
    }
    // Right alignment uses the width without the prefix.
    Pair p(120, 24);
    p.drawn.drawText("Ri&&ght", RECT{3, 3, 117, 20}, DT_SINGLELINE | DT_RIGHT);
    p.ref.textOut(117 - p.ref.extent("Ri&ght"), 3, "Ri&ght");
    EXPECT_TRUE(samePixels(p.drawn, p.ref));
    RECT calc{0, 0, 0, 0};
    DrawTextA(p.ref.dc, "&Open", -1, &calc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(calc.right, p.ref.extent("Open"));
}

TEST(DrawText, ClipsToTheRectangleUnlessNoClip) {
    Pair p(80, 30);
    const RECT r{20, 10, 50, 19};  // narrower and lower than the text
    const std::string s = "Overflowing text";
    const UINT format = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
    p.ref.drawText(s, r, format | DT_NOCLIP);
    p.drawn.drawText(s, r, format);
    int inside = 0, outside = 0;
    for (int y = 0; y < p.ref.h; ++y)
        for (int x = 0; x < p.ref.w; ++x) {
            bool in = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
            EXPECT_EQ(p.drawn.at(x, y), in ? p.ref.at(x, y) : kPaper) << x << "," << y;
            (in ? inside : outside) += p.ref.at(x, y) != kPaper;
        }
    EXPECT_GT(inside, 0);
    EXPECT_GT(outside, 0);  // DT_NOCLIP did draw outside
}

TEST(DrawText, CalcRectMeasuresAndDrawsNothing) {
    TextCanvas c(120, 80);
    c.useFont("Tahoma", -11);
    const int h = c.metrics().tmHeight;
    RECT r{5, 7, 6, 8};
    EXPECT_EQ(DrawTextA(c.dc, "Measure me", -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_CENTER | DT_VCENTER), h);
    EXPECT_TRUE(sameRect(r, RECT{5, 7, 5 + c.extent("Measure me"), 7 + h})) << show(r);

    r = RECT{5, 7, 6, 8};
    EXPECT_EQ(DrawTextA(c.dc, "one\r\nthree\nfive", -1, &r, DT_CALCRECT), 3 * h);
    EXPECT_TRUE(sameRect(r, RECT{5, 7, 5 + c.extent("three"), 7 + 3 * h})) << show(r);
    EXPECT_TRUE(sameRect(c.inkBox(), RECT{0, 0, 0, 0}));

    // Wrapped text: the rectangle found holds exactly what is then drawn.
    const std::string s = "Words that wrap into a narrow column";
    r = RECT{5, 7, 65, 7};
    int height = DrawTextA(c.dc, s.data(), -1, &r, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(r.bottom - r.top, height);
    EXPECT_GT(height, 2 * h);
    EXPECT_LE(r.right, 65);
    c.drawText(s, r, DT_WORDBREAK | DT_NOCLIP);
    RECT ink = c.inkBox();
    EXPECT_GE(ink.left, r.left);
    EXPECT_LE(ink.right, r.right);
    EXPECT_GE(ink.top, r.top);
    EXPECT_LE(ink.bottom, r.bottom);
    EXPECT_GT(ink.right, r.right - 8);  // the widest line fills the width found
}

TEST(DrawText, CrLfCrAndLfEachEndALine) {
    Pair p(60, 90);
    const int h = p.ref.metrics().tmHeight;
    EXPECT_EQ(p.drawn.drawText("ab\r\ncd\ref\ngh", RECT{4, 2, 56, 88}, 0), 4 * h);
    const char* lines[] = {"ab", "cd", "ef", "gh"};
    for (int i = 0; i < 4; ++i) p.ref.textOut(4, 2 + i * h, lines[i]);
    EXPECT_TRUE(samePixels(p.drawn, p.ref));

    RECT r{0, 0, 50, 50};
    EXPECT_EQ(DrawTextA(p.ref.dc, "a\n", -1, &r, DT_CALCRECT), h);  // a break at the end adds no line
    EXPECT_EQ(DrawTextA(p.ref.dc, "\n\nx", -1, &r, DT_CALCRECT), 3 * h);
    EXPECT_EQ(DrawTextA(p.ref.dc, "a\n\rb", -1, &r, DT_CALCRECT), 3 * h);  // LF then CR: two breaks
    // In single-line mode they are characters of the one line.
    r = RECT{0, 0, 1, 1};
    EXPECT_EQ(DrawTextA(p.ref.dc, "ab\r\ncd", -1, &r, DT_CALCRECT | DT_SINGLELINE), h);
    EXPECT_EQ(r.right, p.ref.extent("ab\r\ncd"));
}

TEST(DrawText, WordBreakFitsLinesToTheWidth) {
    Pair p(120, 80);
    const int h = p.ref.metrics().tmHeight;
    // A word fits when the blank after it fits too, and that blank belongs to the line.
    const int w = p.ref.extent("aaa bbb ") + 2;
    RECT narrower{5, 5, 5 + w - 3, 75};
    EXPECT_EQ(DrawTextA(p.drawn.dc, "aaa bbb ccc", -1, &narrower, DT_WORDBREAK | DT_CALCRECT), 2 * h);
    EXPECT_EQ(narrower.right, 5 + p.ref.extent("bbb ccc"));  // "aaa " / "bbb ccc"
    EXPECT_EQ(p.drawn.drawText("aaa bbb ccc", RECT{5, 5, 5 + w, 75}, DT_WORDBREAK), 2 * h);
    p.ref.textOut(5, 5, "aaa bbb");
    p.ref.textOut(5, 5 + h, "ccc");
    EXPECT_TRUE(samePixels(p.drawn, p.ref));

    // Each line is centred by itself.
    p.drawn.clear(kPaper);
    p.ref.clear(kPaper);
    p.drawn.drawText("aaa bbb ccc", RECT{5, 5, 5 + w, 75}, DT_WORDBREAK | DT_CENTER);
    p.ref.textOut(5 + (w - p.ref.extent("aaa bbb ")) / 2, 5, "aaa bbb");
    p.ref.textOut(5 + (w - p.ref.extent("ccc")) / 2, 5 + h, "ccc");
    EXPECT_TRUE(samePixels(p.drawn, p.ref));

    // A word wider than the rectangle keeps a line of its own and runs past the edge; with
    // DT_EDITCONTROL it is broken between characters (fixed pitch, so that four characters
    // fit on each line).
    Pair mono(120, 80, "Courier", -13);
    const int narrow = mono.ref.extent("abcd");
    const int hm = mono.ref.metrics().tmHeight;
    const RECT column{5, 5, 5 + narrow, 75};
    EXPECT_EQ(mono.drawn.drawText("ab abcdefghij cd", column, DT_WORDBREAK | DT_NOCLIP), 3 * hm);
    mono.ref.textOut(5, 5, "ab");
    mono.ref.textOut(5, 5 + hm, "abcdefghij");
    mono.ref.textOut(5, 5 + 2 * hm, "cd");
    EXPECT_TRUE(samePixels(mono.drawn, mono.ref));
    RECT calc = column;
    DrawTextA(mono.ref.dc, "ab abcdefghij cd", -1, &calc, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(calc.right, 5 + mono.ref.extent("abcdefghij"));

    mono.drawn.clear(kPaper);
    mono.ref.clear(kPaper);
    EXPECT_EQ(mono.drawn.drawText("abcdefghij", column, DT_WORDBREAK | DT_EDITCONTROL | DT_NOCLIP), 3 * hm);
    mono.ref.textOut(5, 5, "abcd");
    mono.ref.textOut(5, 5 + hm, "efgh");
    mono.ref.textOut(5, 5 + 2 * hm, "ij");
    EXPECT_TRUE(samePixels(mono.drawn, mono.ref));
}

TEST(DrawText, TabsExpandWithDtExpandTabs) {
    Pair p(200, 24);
    const int avg = p.ref.metrics().tmAveCharWidth;
    p.drawn.drawText("ab\tc", RECT{3, 3, 200, 20}, DT_SINGLELINE | DT_EXPANDTABS);
    p.ref.textOut(3, 3, "ab");
    p.ref.textOut(3 + 8 * avg, 3, "c");
    EXPECT_TRUE(samePixels(p.drawn, p.ref));

    p.drawn.clear(kPaper);
    p.ref.clear(kPaper);
    p.drawn.drawText("ab\tc\td", RECT{3, 3, 200, 20}, DT_SINGLELINE | DT_EXPANDTABS | DT_TABSTOP | (3 << 8));
    p.ref.textOut(3, 3, "ab");
    p.ref.textOut(3 + 3 * avg, 3, "c");
    p.ref.textOut(3 + 6 * avg, 3, "d");
    EXPECT_TRUE(samePixels(p.drawn, p.ref));
}

TEST(DrawText, EndEllipsisShortensWhatDoesNotFit) {
    Pair p(120, 24);
    const RECT r{4, 4, 64, 20};
    p.drawn.drawText("A long caption that does not fit", r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
    RECT ink = p.drawn.inkBox();
    EXPECT_LE(ink.right, r.right);
    EXPECT_GT(ink.right, r.right - p.ref.extent("W..."));
    // The last thing drawn is "...": three dots on the baseline row.
    const int baseline = r.top + p.ref.metrics().tmAscent - 1;
    int dots = 0;
    for (int x = ink.right - p.ref.extent("..."); x < ink.right; ++x)
        dots += p.drawn.at(x, baseline) != kPaper && p.drawn.at(x, baseline - 3) == kPaper;
    EXPECT_GE(dots, 3);
    // Text that fits is left alone.
    p.drawn.clear(kPaper);
    p.drawn.drawText("Fits", r, DT_SINGLELINE | DT_END_ELLIPSIS);
    p.ref.textOut(4, 4, "Fits");
    EXPECT_TRUE(samePixels(p.drawn, p.ref));
}

TEST(DrawText, OpaqueBackgroundCoversTheTextOnly) {
    Pair p(100, 40);
    for (TextCanvas* k : {&p.drawn, &p.ref}) {
        SetBkMode(k->dc, OPAQUE);
        SetBkColor(k->dc, RGB(255, 255, 0));
    }
    const int w = p.ref.extent("Boxed"), h = p.ref.metrics().tmHeight;
    p.drawn.drawText("Boxed", RECT{5, 5, 95, 35}, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    p.ref.textOut(5 + (90 - w) / 2, 5 + (30 - h) / 2, "Boxed");
    EXPECT_TRUE(samePixels(p.drawn, p.ref));
    EXPECT_TRUE(sameRect(p.drawn.inkBox(),
                         RECT{5 + (90 - w) / 2, 5 + (30 - h) / 2, 5 + (90 - w) / 2 + w, 5 + (30 - h) / 2 + h}));
}

TEST(DrawText, EmptyTextDrawsNothing) {
    TextCanvas c(40, 20);
    SetBkMode(c.dc, OPAQUE);
    SetBkColor(c.dc, RGB(255, 0, 0));
    RECT r{2, 2, 30, 15};
    EXPECT_EQ(DrawTextA(c.dc, "", -1, &r, DT_SINGLELINE), 0);
    EXPECT_EQ(DrawTextA(c.dc, "abc", 0, &r, 0), 0);
    EXPECT_TRUE(sameRect(c.inkBox(), RECT{0, 0, 0, 0}));
    EXPECT_EQ(DrawTextA(c.dc, "", -1, &r, DT_CALCRECT), 0);
    EXPECT_TRUE(sameRect(r, RECT{2, 2, 2, 2})) << show(r);
}

TEST(DrawText, CountLimitsTheText) {
    Pair p(80, 20);
    RECT r{2, 2, 78, 18};
    DrawTextA(p.drawn.dc, "Partly drawn", 6, &r, DT_SINGLELINE);
    p.ref.textOut(2, 2, "Partly");
    EXPECT_TRUE(samePixels(p.drawn, p.ref));
}
