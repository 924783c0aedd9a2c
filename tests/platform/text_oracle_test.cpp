// The text reference pictures: text drawn by TextOutA, ExtTextOutA and DrawTextA in the
// faces we ship, compared pixel for pixel with what the real platform drew for the same
// steps (tests/platform/oracle/text/); then the DrawTextA flags the controls rely on: tab
// expansion, edit-control breaking, measured wrapping, and the three ellipses with
// DT_MODIFYSTRING.
#include <cstring>

#include "oracle_support.h"
#include "support/canvas.h"

using namespace ulmaro::platform;
using ulmaro::test::expectMatchesOracle;
using ulmaro::test::fillRect;
using ulmaro::test::frameRect;

namespace {

HFONT makeFont(const char* face, int height, int weight, BYTE quality = DEFAULT_QUALITY, bool underline = false,
               bool strike = false, int escapement = 0, BYTE charset = ANSI_CHARSET) {
    return CreateFontA(height, 0, escapement, escapement, weight, FALSE, underline, strike, charset, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, quality, DEFAULT_PITCH | FF_DONTCARE, face);
}

// Selects a font for the life of the object and deletes it afterwards.
struct UseFont {
    HDC dc;
    HFONT font;
    HGDIOBJ old;
    UseFont(HDC d, HFONT f) : dc(d), font(f), old(SelectObject(d, f)) {}
    ~UseFont() {
        SelectObject(dc, old);
        DeleteObject(font);
    }
};

// A button-like cell: face colour, dark frame, then the text.
void cell(HDC dc, RECT r, const char* s, int n, UINT format) {
    fillRect(dc, r, RGB(236, 233, 216));
    frameRect(dc, r, RGB(0, 60, 116));
    DrawTextA(dc, s, n, &r, format);
}

void textOut(HDC dc, int x, int y, const char* s) { TextOutA(dc, x, y, s, static_cast<int>(std::strlen(s))); }

// Text lines in MS Sans Serif framed by their measured extent, a red dot at the ascent.
void drawSansTextOut(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    struct Row { int y, weight; const char* s; };
    for (const Row& r : {Row{1, FW_NORMAL, "Cancel OK"}, Row{17, FW_BOLD, "Cancel OK"},
                         Row{33, FW_NORMAL, "Wgjy,.$%0129"}, Row{49, FW_BOLD, "Wgjy,.$%0129"}}) {
        UseFont f(dc, makeFont("MS Sans Serif", -11, r.weight));
        SIZE sz{};
        GetTextExtentPoint32A(dc, r.s, static_cast<int>(std::strlen(r.s)), &sz);
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        frameRect(dc, {2, r.y - 1, 3 + sz.cx + 1, r.y + sz.cy + 1}, RGB(0, 0, 255));
        SetPixel(dc, 1, r.y + tm.tmAscent, RGB(255, 0, 0));
        textOut(dc, 3, r.y, r.s);
    }
}

// Tahoma at the sizes its files carry hand-drawn bitmaps for.
void drawTahomaTextOut(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    struct Row { int x, y, height, weight; const char* s; };
    for (const Row& r : {Row{3, 0, -11, FW_NORMAL, "Cancel OK"}, Row{60, 0, -11, FW_BOLD, "Bold"},
                         Row{3, 13, -11, FW_BOLD, "Wgjy,.$%0129"}, Row{3, 26, -13, FW_NORMAL, "Wgjy,.$%0129"},
                         Row{3, 43, -16, FW_BOLD, "Cancel OK"}}) {
        UseFont f(dc, makeFont("Tahoma", r.height, r.weight));
        textOut(dc, r.x, r.y, r.s);
        SetPixel(dc, r.x - 2, r.y, RGB(255, 0, 0));
    }
}

// Underline and strike-out, regular and bold, small raster and large outline faces.
void drawDecorations(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 128));
    struct Row { int x, y; const char* face; int height, weight; BYTE quality; bool under, strike; const char* s; };
    const Row rows[] = {{2, 1, "MS Sans Serif", -11, FW_NORMAL, DEFAULT_QUALITY, true, false, "Under gy "},
                        {50, 1, "MS Sans Serif", -11, FW_BOLD, DEFAULT_QUALITY, true, false, "Bold gy"},
                        {2, 16, "MS Sans Serif", -11, FW_NORMAL, DEFAULT_QUALITY, false, true, "Struck x"},
                        {50, 16, "MS Sans Serif", -11, FW_BOLD, DEFAULT_QUALITY, true, true, "Both x"},
                        {2, 33, "Tahoma", -24, FW_NORMAL, NONANTIALIASED_QUALITY, true, false, "gy "},
                        {46, 33, "Tahoma", -24, FW_BOLD, NONANTIALIASED_QUALITY, true, true, "Fix"}};
    for (const Row& r : rows) {
        UseFont f(dc, makeFont(r.face, r.height, r.weight, r.quality, r.under, r.strike));
        textOut(dc, r.x, r.y, r.s);
    }
}

// DrawTextA placing a line in a cell, several lines, and DT_CALCRECT measuring (framed in
// blue, the returned height as a red bar to the right).
void drawTextLayout(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    HFONT sans = makeFont("MS Sans Serif", -11, FW_NORMAL), bold = makeFont("MS Sans Serif", -11, FW_BOLD),
          tahoma = makeFont("Tahoma", -24, FW_NORMAL, NONANTIALIASED_QUALITY);
    HGDIOBJ old = SelectObject(dc, sans);
    cell(dc, {1, 1, 51, 24}, "Cancel", -1, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, tahoma);
    cell(dc, {53, 1, 95, 31}, "Go", -1, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    struct Measured { HFONT font; int x, y; const char* s; UINT format; };
    for (const Measured& m : {Measured{sans, 3, 29, "Two\nlines", 0}, Measured{bold, 34, 29, "Bold", DT_SINGLELINE},
                              Measured{tahoma, 66, 34, "Fit", DT_SINGLELINE}}) {
        SelectObject(dc, m.font);
        RECT r{m.x, m.y, m.x, m.y};
        const int h = DrawTextA(dc, m.s, -1, &r, m.format | DT_CALCRECT);
        frameRect(dc, {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1}, RGB(0, 0, 255));
        for (int i = 0; i < h; ++i) SetPixel(dc, r.right + 2, m.y + i, RGB(255, 0, 0));
        DrawTextA(dc, m.s, -1, &r, m.format);
    }
    SelectObject(dc, old);
    DeleteObject(sans);
    DeleteObject(bold);
    DeleteObject(tahoma);
}

// Word wrapping in a narrow column, a measured wrap, a word too long for its cell, and an
// end ellipsis.
void drawTextWrap(HDC dc) {
    UseFont f(dc, makeFont("MS Sans Serif", -11, FW_NORMAL));
    SetBkMode(dc, TRANSPARENT);
    const COLORREF green = RGB(0, 128, 0);
    RECT wrap{2, 2, 46, 45};
    frameRect(dc, {1, 1, 47, 46}, green);
    DrawTextA(dc, "Word wrap in a narrow cell", -1, &wrap, DT_WORDBREAK);
    RECT calc{50, 2, 94, 2};
    DrawTextA(dc, "Fits in two lines", -1, &calc, DT_WORDBREAK | DT_CALCRECT);
    frameRect(dc, {calc.left - 1, calc.top - 1, calc.right + 1, calc.bottom + 1}, RGB(0, 0, 255));
    DrawTextA(dc, "Fits in two lines", -1, &calc, DT_WORDBREAK);
    RECT longWord{50, 33, 80, 46};
    frameRect(dc, {49, 32, 81, 47}, green);
    DrawTextA(dc, "Unbreakable", -1, &longWord, DT_WORDBREAK);
    RECT ell{2, 48, 62, 61};
    frameRect(dc, {1, 47, 63, 62}, green);
    DrawTextA(dc, "A caption too long", -1, &ell, DT_SINGLELINE | DT_END_ELLIPSIS);
}

// ExtTextOutA with an opaque box, clipped, both (a selected list item), and no rectangle
// with an opaque background.
void drawExtTextOut(HDC dc) {
    UseFont f(dc, makeFont("MS Sans Serif", -11, FW_NORMAL));
    SetBkMode(dc, TRANSPARENT);
    struct Row { COLORREF text, back; int x, y; UINT options; RECT r; const char* s; };
    const Row rows[] = {{RGB(0, 0, 0), RGB(255, 255, 0), 4, 3, ETO_OPAQUE, {2, 1, 60, 17}, "Opaque box"},
                        {RGB(0, 0, 0), RGB(255, 255, 0), 4, 20, ETO_CLIPPED, {2, 22, 40, 30}, "Clipped text"},
                        {RGB(255, 255, 255), RGB(49, 106, 197), 4, 35, ETO_CLIPPED | ETO_OPAQUE, {2, 34, 44, 48},
                         "Selected item"}};
    for (const Row& r : rows) {
        SetTextColor(dc, r.text);
        SetBkColor(dc, r.back);
        ExtTextOutA(dc, r.x, r.y, r.options, &r.r, r.s, static_cast<UINT>(std::strlen(r.s)), nullptr);
    }
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(200, 255, 200));
    SetTextColor(dc, RGB(128, 0, 0));
    ExtTextOutA(dc, 50, 50, 0, nullptr, "No rect", 7, nullptr);
}

// Text turned up and down in the outline face (regular and bold) and in the raster face,
// which stays upright; a red dot marks each reference point.
void drawEscapement(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 128));
    struct Run { int x, y, angle; const char* face; int weight; const char* s; };
    for (const Run& r : {Run{2, 61, 900, "Tahoma", FW_NORMAL, "Upward gy"}, Run{20, 61, 900, "Tahoma", FW_BOLD, "Bold up"},
                         Run{38, 45, 900, "MS Sans Serif", FW_NORMAL, "Sans up"},
                         Run{94, 2, 2700, "Tahoma", FW_NORMAL, "Downward"}}) {
        UseFont f(dc, makeFont(r.face, -11, r.weight, DEFAULT_QUALITY, false, false, r.angle));
        textOut(dc, r.x, r.y, r.s);
        SetPixel(dc, r.x, r.y, RGB(255, 0, 0));
    }
}


// Webdings arrows, bold and regular, on a line and centred in button cells, then Marlett
// glyphs. Bold arrows show where emboldened corners poke out of the character cell and
// where a corner's dropout pixel lands.
void drawSymbols(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    auto symbolFont = [](const char* face, int height, int weight) {
        return makeFont(face, height, weight, NONANTIALIASED_QUALITY, false, false, 0, SYMBOL_CHARSET);
    };
    {
        UseFont bold(dc, symbolFont("Webdings", -13, FW_BOLD));
        textOut(dc, 2, 1, "3456");
        {
            UseFont regular(dc, symbolFont("Webdings", -13, FW_NORMAL));
            textOut(dc, 62, 1, "56");
        }
        for (int i = 0; i < 4; ++i) {
            const char c = static_cast<char>('3' + i);
            cell(dc, {2 + i * 18, 14, 17 + i * 18, 30}, &c, 1, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    }
    SetTextColor(dc, RGB(0, 0, 160));
    {
        UseFont small(dc, symbolFont("Marlett", -11, FW_NORMAL));
        textOut(dc, 2, 33, "r012a");
        textOut(dc, 62, 33, "56");
    }
    UseFont large(dc, symbolFont("Marlett", -16, FW_NORMAL));
    textOut(dc, 2, 46, "r012a");
}

// Bold Webdings arrows at 11, 16, 20 and 24 pixels.
void drawBoldSymbols(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    const int sizes[4] = {11, 16, 20, 24}, tops[4] = {0, 10, 24, 40};
    for (int i = 0; i < 4; ++i) {
        UseFont f(dc, makeFont("Webdings", -sizes[i], FW_BOLD, NONANTIALIASED_QUALITY, false, false, 0, SYMBOL_CHARSET));
        textOut(dc, 2, tops[i], "3456");
    }
}

// Accented capitals and descenders in Tahoma, which reach the top and bottom of the cell
// that outline glyphs are clipped to.
void drawAccents(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    const int heights[4] = {-11, -13, -16, -24}, tops[4] = {0, 13, 28, 40};
    for (int i = 0; i < 4; ++i) {
        UseFont f(dc, makeFont("Tahoma", heights[i], i == 3 ? FW_BOLD : FW_NORMAL, NONANTIALIASED_QUALITY));
        textOut(dc, 1, tops[i], "\xC9\xC5\xC4gjy|");
    }
}

// Runs turned 270 degrees starting just above, on and just below the row where the platform
// stops raising them (32 for Tahoma -11, 16 for -8), aligned top, right and centre; red marks
// each reference point.
void drawTurnedRows(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 128));
    auto run = [&](int x, int y, int height, UINT align) {
        UseFont f(dc, makeFont("Tahoma", height, FW_NORMAL, NONANTIALIASED_QUALITY, false, false, 2700));
        SetTextAlign(dc, align);
        SIZE sz{};
        GetTextExtentPoint32A(dc, "Hi", 2, &sz);
        const int along = align == TA_RIGHT ? sz.cx : align == TA_CENTER ? sz.cx / 2 : 0;
        textOut(dc, x, y + along, "Hi");
        SetPixel(dc, x, y + along, RGB(255, 0, 0));
    };
    for (int i = 0; i < 3; ++i) run(14 + 12 * i, 31 + i, -11, TA_TOP);
    for (int i = 0; i < 2; ++i) run(50 + 10 * i, 16 + i, -8, TA_TOP);
    run(74, 32, -11, TA_RIGHT);
    run(86, 33, -11, TA_RIGHT);
    run(96, 32, -11, TA_CENTER);
    SetTextAlign(dc, TA_TOP);
}
}  // namespace

TEST(TextOracle, Escapement) {
    expectMatchesOracle("text/escapement", drawEscapement);
    expectMatchesOracle("text/turned_rows", drawTurnedRows);
}
TEST(TextOracle, SansTextOut) { expectMatchesOracle("text/sans_textout", drawSansTextOut); }
TEST(TextOracle, TahomaTextOut) { expectMatchesOracle("text/tahoma_textout", drawTahomaTextOut); }
TEST(TextOracle, Decorations) { expectMatchesOracle("text/decorations", drawDecorations); }
TEST(TextOracle, DrawTextLayout) { expectMatchesOracle("text/drawtext_layout", drawTextLayout); }
TEST(TextOracle, DrawTextWrap) { expectMatchesOracle("text/drawtext_wrap", drawTextWrap); }
TEST(TextOracle, ExtTextOut) { expectMatchesOracle("text/exttextout", drawExtTextOut); }
TEST(TextOracle, SymbolsAndTheCellEdges) {
    expectMatchesOracle("text/symbols", drawSymbols);
    expectMatchesOracle("text/bold_symbols", drawBoldSymbols);
    expectMatchesOracle("text/accents", drawAccents);
}

namespace {

// A measured rectangle framed in blue with its returned height as a red bar at column x.
void measuredWrap(HDC dc, RECT r, const char* s, int barX) {
    const int h = DrawTextA(dc, s, -1, &r, DT_WORDBREAK | DT_CALCRECT);
    frameRect(dc, {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1}, RGB(0, 0, 255));
    for (int i = 0; i < h && r.top + i < 64; ++i) SetPixel(dc, barX, r.top + i, RGB(255, 0, 0));
}

void drawTabsAndEdit(HDC dc) {
    UseFont f(dc, makeFont("MS Sans Serif", -11, FW_NORMAL));
    SetBkMode(dc, TRANSPARENT);
    struct Line { RECT r; const char* s; UINT format; };
    const Line lines[] = {{{1, 0, 95, 13}, "a\tb\tc", DT_SINGLELINE | DT_EXPANDTABS},
                          {{1, 12, 95, 25}, "a\tb\tc", DT_SINGLELINE | DT_EXPANDTABS | DT_TABSTOP | (3 << 8)},
                          {{1, 24, 95, 37}, "a\tb|", DT_SINGLELINE}};
    for (Line l : lines) DrawTextA(dc, l.s, -1, &l.r, l.format);
    RECT edit{2, 38, 30, 63};
    frameRect(dc, {1, 37, 31, 64}, RGB(0, 128, 0));
    DrawTextA(dc, "Unbreakable x", -1, &edit, DT_WORDBREAK | DT_EDITCONTROL);
    RECT m{34, 38, 64, 38};
    measuredWrap(dc, m, "Unbreakable word", 95);
    DrawTextA(dc, "Unbreakable word", -1, &m, DT_WORDBREAK | DT_CALCRECT);
    DrawTextA(dc, "Unbreakable word", -1, &m, DT_WORDBREAK);
    measuredWrap(dc, {70, 38, 90, 38}, "ab cd\n\nef", 93);
}

void drawEllipses(HDC dc) {
    UseFont f(dc, makeFont("MS Sans Serif", -11, FW_NORMAL));
    SetBkMode(dc, TRANSPARENT);
    struct Cell { RECT r; const char* s; UINT format; };
    const Cell cells[] = {{{1, 1, 47, 14}, "Two words here", DT_SINGLELINE | DT_WORD_ELLIPSIS},
                          {{49, 1, 95, 14}, "Two words here", DT_SINGLELINE | DT_END_ELLIPSIS},
                          {{1, 15, 47, 28}, "c:\\dir\\sub\\file.txt", DT_SINGLELINE | DT_PATH_ELLIPSIS},
                          {{49, 15, 95, 28}, "Longwordonly", DT_SINGLELINE | DT_WORD_ELLIPSIS},
                          {{1, 29, 30, 55}, "One two three", DT_WORDBREAK | DT_END_ELLIPSIS},
                          {{32, 29, 47, 42}, "Wide", DT_SINGLELINE | DT_END_ELLIPSIS},
                          {{32, 43, 38, 56}, "Wide", DT_SINGLELINE | DT_END_ELLIPSIS}};
    for (const Cell& c : cells) {
        RECT r = c.r;
        frameRect(dc, r, RGB(0, 128, 0));
        InflateRect(&r, -1, -1);
        DrawTextA(dc, c.s, -1, &r, c.format);
    }
    // The shortened text written back into the caller's buffer.
    char buf[40];
    std::strcpy(buf, "Three word caption");
    RECT r{49, 29, 95, 42};
    frameRect(dc, r, RGB(0, 128, 0));
    InflateRect(&r, -1, -1);
    const int h = DrawTextA(dc, buf, -1, &r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    TextOutA(dc, 49, 43, buf, static_cast<int>(std::strlen(buf)));
    for (int i = 0; i < h && i < 13; ++i) SetPixel(dc, 94, 43 + i, RGB(255, 0, 0));
    std::strcpy(buf, "c:\\a\\bcdef\\g.txt");
    RECT p{1, 56, 40, 64};
    DrawTextA(dc, buf, -1, &p, DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_MODIFYSTRING | DT_CALCRECT);
    TextOutA(dc, 40, 53, buf, static_cast<int>(std::strlen(buf)));
    SetPixel(dc, p.right, 63, RGB(0, 0, 255));
}

// "Hl" centred both ways in cells whose free space is odd or negative, at even and odd edges.
void drawCentring(HDC dc) {
    UseFont f(dc, makeFont("MS Sans Serif", -11, FW_NORMAL));
    SetBkMode(dc, TRANSPARENT);
    auto cellAt = [&](RECT r) {
        frameRect(dc, {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1}, RGB(0, 160, 0));
        DrawTextA(dc, "Hl", 2, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    };
    for (int i = 0; i < 9; ++i) {
        cellAt({1 + i * 10, 2, 10 + i * 10, 12 + i});
        cellAt({1 + i * 10, 25, 10 + i * 10, 35 + i});
    }
    const int lefts[7] = {1, 12, 24, 37, 51, 66, 82};
    for (int i = 0; i < 7; ++i) cellAt({lefts[i], 48, lefts[i] + 8 + i, 61});
}

}  // namespace

TEST(DrawTextOracle, CentringRoundsAsThePlatform) { expectMatchesOracle("text/drawtext_centring", drawCentring); }
TEST(DrawTextOracle, TabsEditControlAndMeasuredWraps) { expectMatchesOracle("text/drawtext_tabs_edit", drawTabsAndEdit); }
TEST(DrawTextOracle, Ellipses) { expectMatchesOracle("text/drawtext_ellipsis", drawEllipses); }
