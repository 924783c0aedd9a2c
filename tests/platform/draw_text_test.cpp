// DrawTextA beyond what the text oracle pictures hold: alignment in the rectangle with and
// without DT_SINGLELINE, the mnemonic prefix, clipping, the three line ends, the opaque
// background and the count (reference pictures in tests/snapshots/draw_text/), then the
// heights and rectangles it returns.
#include "text_support.h"

#include "support/snapshot.h"

using namespace ulmaro::test;

namespace {

struct Drawing {
    const char* name;
    int w, h;
    void (*draw)(TextCanvas& c);
};

void text(TextCanvas& c, const char* s, RECT r, UINT format, int count = -1) { DrawTextA(c.dc, s, count, &r, format); }

const Drawing kDrawings[] = {
    // Left, centre, right by top, vertical centre, bottom, each in a framed cell; the last
    // row without DT_SINGLELINE, where the vertical flags do nothing.
    {"alignment", 390, 240, [](TextCanvas& c) {
         const UINT horizontal[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
         const UINT vertical[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
         const int h = c.metrics().tmHeight;
         for (int i = 0; i < 3; ++i)
             for (int j = 0; j < 4; ++j) {
                 RECT r{10 + 130 * i, 5 + 60 * j, 110 + 130 * i, 45 + 60 * j};
                 const UINT format = horizontal[i] | (j < 3 ? DT_SINGLELINE | vertical[j] : DT_VCENTER | DT_BOTTOM);
                 const int expected = j == 1 ? 40 / 2 - h / 2 + h : j == 2 ? 40 : h;
                 EXPECT_EQ(DrawTextA(c.dc, "Centre me", -1, &r, format), expected) << i << "," << j;
                 InflateRect(&r, 1, 1);
                 FrameRect(c.dc, &r, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
             }
     }},
    // One line per case: the prefix underlines the next character, && is one &, a last &
    // vanishes; DT_PREFIXONLY draws the underline alone, DT_HIDEPREFIX all but it, and
    // DT_NOPREFIX draws every &. Right alignment measures without the prefix.
    {"prefix", 120, 150, [](TextCanvas& c) {
         struct Line { const char* s; UINT format; } lines[] = {
             {"Save &As", 0}, {"Save &As", DT_PREFIXONLY}, {"Save &As", DT_HIDEPREFIX}, {"Fish && Chips", 0},
             {"Done&", 0},    {"&&&&", 0},                 {"Save &As", DT_NOPREFIX},  {"Fish && Chips", DT_NOPREFIX},
             {"Ri&&ght", DT_RIGHT}};
         for (int i = 0; i < 9; ++i) text(c, lines[i].s, RECT{3, 3 + 16 * i, 117, 19 + 16 * i}, DT_SINGLELINE | lines[i].format);
     }},
    // Centred in a rectangle narrower and lower than the text: clipped to it, then the
    // same with DT_NOCLIP.
    {"clip", 80, 50, [](TextCanvas& c) {
         text(c, "Overflowing text", RECT{20, 10, 50, 19}, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
         text(c, "Overflowing text", RECT{20, 30, 50, 39}, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOCLIP);
     }},
    // CR LF, CR and LF each end a line; in single-line mode they are characters.
    {"line_ends", 120, 70, [](TextCanvas& c) {
         RECT r{4, 2, 56, 68};
         EXPECT_EQ(DrawTextA(c.dc, "ab\r\ncd\ref\ngh", -1, &r, 0), 4 * c.metrics().tmHeight);
         text(c, "ab\r\ncd", RECT{60, 2, 118, 20}, DT_SINGLELINE);
     }},
    // The opaque background covers the text only, not the rectangle; the count cuts the
    // text.
    {"opaque_and_count", 100, 60, [](TextCanvas& c) {
         SetBkMode(c.dc, OPAQUE);
         SetBkColor(c.dc, RGB(255, 255, 0));
         text(c, "Boxed", RECT{5, 5, 95, 35}, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
         text(c, "Partly drawn", RECT{2, 40, 98, 56}, DT_SINGLELINE, 6);
     }},
};

}  // namespace

TEST(DrawText, EveryDrawingMatchesItsReferencePicture) {
    for (const Drawing& d : kDrawings) {
        SCOPED_TRACE(d.name);
        TextCanvas c(d.w, d.h);
        c.useFont("MS Sans Serif", -11);
        d.draw(c);
        expectSnapshot("draw_text", d.name, dcPicture(c.dc));
    }
}

// DT_CALCRECT: the height returned and the rectangle found, with nothing drawn.
TEST(DrawText, CalcRectMeasuresAndDrawsNothing) {
    TextCanvas c(120, 80);
    c.useFont("Tahoma", -11);
    const int h = c.metrics().tmHeight;
    struct Case {
        const char* s;
        UINT format;
        int lines;
        const char* widest;
    } cases[] = {
        {"Measure me", DT_SINGLELINE | DT_CENTER | DT_VCENTER, 1, "Measure me"},
        {"one\r\nthree\nfive", 0, 3, "three"},
        {"a\n", 0, 1, "a"},  // a break at the end adds no line
        {"\n\nx", 0, 3, "x"},
        {"a\n\ra", 0, 3, "a"},  // LF then CR: two breaks
        {"ab\r\ncd", DT_SINGLELINE, 1, "ab\r\ncd"},
        {"&Open", DT_SINGLELINE, 1, "Open"},
        {"", 0, 0, ""},
    };
    for (const Case& k : cases) {
        RECT r{5, 7, 6, 8};
        EXPECT_EQ(DrawTextA(c.dc, k.s, -1, &r, DT_CALCRECT | k.format), k.lines * h) << k.s;
        EXPECT_TRUE(sameRect(r, RECT{5, 7, 5 + c.extent(k.widest), 7 + k.lines * h})) << k.s << " " << show(r);
    }
    EXPECT_TRUE(sameRect(c.inkBox(), RECT{0, 0, 0, 0}));
    RECT r{2, 2, 30, 15};
    EXPECT_EQ(DrawTextA(c.dc, "abc", 0, &r, 0), 0);
}
