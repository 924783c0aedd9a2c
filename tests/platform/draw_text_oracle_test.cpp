// DrawTextA flags the controls rely on, held to the real platform's pictures: tab
// expansion, edit-control breaking, measured wrapping, and the three ellipses with
// DT_MODIFYSTRING.
#include <cstring>

#include "oracle_support.h"

using namespace ulmaro::platform;
using ulmaro::test::expectMatchesOracle;

namespace {

void frame(HDC dc, RECT r, COLORREF c) {
    HBRUSH b = CreateSolidBrush(c);
    FrameRect(dc, &r, b);
    DeleteObject(b);
}

struct Sans {
    HDC dc;
    HFONT font;
    HGDIOBJ old;
    explicit Sans(HDC d)
        : dc(d),
          font(CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif")),
          old(SelectObject(d, font)) {
        SetBkMode(d, TRANSPARENT);
    }
    ~Sans() {
        SelectObject(dc, old);
        DeleteObject(font);
    }
};

// A measured rectangle framed in blue with its returned height as a red bar at column x.
void measuredWrap(HDC dc, RECT r, const char* s, int barX) {
    const int h = DrawTextA(dc, s, -1, &r, DT_WORDBREAK | DT_CALCRECT);
    frame(dc, {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1}, RGB(0, 0, 255));
    for (int i = 0; i < h && r.top + i < 64; ++i) SetPixel(dc, barX, r.top + i, RGB(255, 0, 0));
}

void drawTabsAndEdit(HDC dc) {
    Sans f(dc);
    struct Line { RECT r; const char* s; UINT format; };
    const Line lines[] = {{{1, 0, 95, 13}, "a\tb\tc", DT_SINGLELINE | DT_EXPANDTABS},
                          {{1, 12, 95, 25}, "a\tb\tc", DT_SINGLELINE | DT_EXPANDTABS | DT_TABSTOP | (3 << 8)},
                          {{1, 24, 95, 37}, "a\tb|", DT_SINGLELINE}};
    for (Line l : lines) DrawTextA(dc, l.s, -1, &l.r, l.format);
    RECT edit{2, 38, 30, 63};
    frame(dc, {1, 37, 31, 64}, RGB(0, 128, 0));
    DrawTextA(dc, "Unbreakable x", -1, &edit, DT_WORDBREAK | DT_EDITCONTROL);
    RECT m{34, 38, 64, 38};
    measuredWrap(dc, m, "Unbreakable word", 95);
    DrawTextA(dc, "Unbreakable word", -1, &m, DT_WORDBREAK | DT_CALCRECT);
    DrawTextA(dc, "Unbreakable word", -1, &m, DT_WORDBREAK);
    measuredWrap(dc, {70, 38, 90, 38}, "ab cd\n\nef", 93);
}

void drawEllipses(HDC dc) {
    Sans f(dc);
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
        frame(dc, r, RGB(0, 128, 0));
        InflateRect(&r, -1, -1);
        DrawTextA(dc, c.s, -1, &r, c.format);
    }
    // The shortened text written back into the caller's buffer.
    char buf[40];
    std::strcpy(buf, "Three word caption");
    RECT r{49, 29, 95, 42};
    frame(dc, r, RGB(0, 128, 0));
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

}  // namespace

TEST(DrawTextOracle, TabsEditControlAndMeasuredWraps) { expectMatchesOracle("text/drawtext_tabs_edit", drawTabsAndEdit); }
TEST(DrawTextOracle, Ellipses) { expectMatchesOracle("text/drawtext_ellipsis", drawEllipses); }
