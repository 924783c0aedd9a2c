// TextOutA: where the glyphs land, alignment, colours and background, clipping, lines,
// styles and turned text.
#include <set>

#include "text_support.h"

using namespace ulmaro::test;

namespace {

constexpr COLORREF kInk = RGB(200, 0, 40);

struct FontCase {
    const char* face;
    int height;
    int weight;
};
const FontCase kFonts[] = {{"MS Sans Serif", -11, FW_NORMAL}, {"MS Sans Serif", -11, FW_BOLD},
                           {"Tahoma", -11, FW_NORMAL},        {"Tahoma", -11, FW_BOLD},
                           {"Arial", -20, FW_NORMAL},         {"Courier", -13, FW_NORMAL}};

std::string label(const FontCase& f) {
    return std::string(f.face) + " " + std::to_string(f.height) + " " + std::to_string(f.weight);
}

// Rows in which the whole span [x0, x1) is `c`, and the pixels just outside it are not.
std::vector<int> fullRows(const TextCanvas& c, int x0, int x1, COLORREF color) {
    std::vector<int> rows;
    for (int y = 0; y < c.h; ++y) {
        bool full = c.at(x0 - 1, y) != color && c.at(x1, y) != color;
        for (int x = x0; x < x1 && full; ++x) full = c.at(x, y) == color;
        if (full) rows.push_back(y);
    }
    return rows;
}

// Leftmost ink in the topmost and in the bottommost ink row.
std::pair<int, int> leftOfTopAndBottom(const TextCanvas& c) {
    RECT box = c.inkBox();
    auto left = [&](int y) {
        for (int x = box.left; x < box.right; ++x)
            if (c.at(x, y) != kPaper) return x;
        return -1;
    };
    return {left(box.top), left(box.bottom - 1)};
}

}  // namespace

TEST(TextOut, GlyphsStayInTheTextCellInTheTextColour) {
    for (const FontCase& f : kFonts) {
        TextCanvas c(160, 40);
        c.useFont(f.face, f.height, f.weight);
        SetTextColor(c.dc, kInk);
        const TEXTMETRICA tm = c.metrics();
        c.textOut(10, 8, "Hg&Wy|");
        RECT box = c.inkBox();
        RECT cell{10, 8, 10 + c.extent("Hg&Wy|"), 8 + static_cast<LONG>(tm.tmHeight)};
        EXPECT_GE(box.left, cell.left) << label(f);
        EXPECT_GE(box.top, cell.top) << label(f);
        EXPECT_LE(box.right, cell.right) << label(f);
        EXPECT_LE(box.bottom, cell.bottom) << label(f);
        EXPECT_EQ(c.count(kInk) + c.count(kPaper), c.w * c.h) << label(f) << ": only ink and paper";

        // A capital stands on the baseline; a descender goes below it.
        TextCanvas h(60, 40);
        h.useFont(f.face, f.height, f.weight);
        h.textOut(10, 8, "H");
        EXPECT_EQ(h.inkBox().bottom, 8 + tm.tmAscent) << label(f);
        h.clear(kPaper);
        h.textOut(10, 8, "g");
        EXPECT_GT(h.inkBox().bottom, 8 + tm.tmAscent) << label(f);
    }
}

TEST(TextOut, OutlineGlyphsAreNotAntiAliased) {
    for (const FontCase& f :
         {FontCase{"Arial", -30, FW_NORMAL}, FontCase{"Tahoma", -23, FW_BOLD}, FontCase{"Symbol", -18, FW_NORMAL}}) {
        TextCanvas c(300, 50);
        c.useFont(f.face, f.height, f.weight);
        SetTextColor(c.dc, kInk);
        c.textOut(2, 2, "Quick @ brown & round O");
        std::vector<COLORREF> px = c.pixels();
        std::set<COLORREF> colours(px.begin(), px.end());
        EXPECT_EQ(colours, (std::set<COLORREF>{kInk, kPaper})) << label(f);
    }
}

TEST(TextOut, AlignmentPlacesTheCellAroundTheReferencePoint) {
    TextCanvas ref(120, 60), c(120, 60);
    for (TextCanvas* k : {&ref, &c}) k->useFont("Tahoma", -11);
    const std::string s = "Align me";
    const int x0 = 30, y0 = 20, w = c.extent(s);
    const TEXTMETRICA tm = c.metrics();
    ref.textOut(x0, y0, s);
    struct Case {
        UINT align;
        int x, y;
    } cases[] = {
        {TA_RIGHT, x0 + w, y0},
        {TA_CENTER, x0 + w / 2, y0},
        {TA_BASELINE, x0, y0 + static_cast<int>(tm.tmAscent)},
        {TA_BOTTOM, x0, y0 + static_cast<int>(tm.tmHeight)},
        {TA_RIGHT | TA_BOTTOM, x0 + w, y0 + static_cast<int>(tm.tmHeight)},
        {TA_CENTER | TA_BASELINE, x0 + w / 2, y0 + static_cast<int>(tm.tmAscent)},
    };
    for (const Case& k : cases) {
        c.clear(kPaper);
        EXPECT_EQ(SetTextAlign(c.dc, k.align), GetTextAlign(c.dc));
        EXPECT_EQ(GetTextAlign(c.dc), k.align);
        c.textOut(k.x, k.y, s);
        EXPECT_TRUE(samePixels(ref, c)) << "align " << k.align;
    }
}

TEST(TextOut, UpdateCpContinuesFromTheCurrentPosition) {
    TextCanvas ref(120, 30), c(120, 30);
    for (TextCanvas* k : {&ref, &c}) k->useFont("MS Sans Serif", -11);
    ref.textOut(0, 0, "Hello, world");
    SetTextAlign(c.dc, TA_UPDATECP);
    c.textOut(50, 10, "Hello");  // the coordinates are ignored: the position starts at (0, 0)
    c.textOut(50, 10, ", world");
    EXPECT_TRUE(samePixels(ref, c));
}

TEST(TextOut, OpaqueFillsTheCellAndTransparentKeepsWhatIsBehind) {
    const COLORREF back = RGB(128, 128, 128), bk = RGB(255, 255, 0);
    TextCanvas opaque(100, 30, back), clear(100, 30, back);
    for (TextCanvas* k : {&opaque, &clear}) {
        k->useFont("MS Sans Serif", -11);
        SetTextColor(k->dc, kInk);
        SetBkColor(k->dc, bk);
    }
    SetBkMode(opaque.dc, OPAQUE);
    opaque.textOut(7, 5, "Fill me");
    clear.textOut(7, 5, "Fill me");
    const RECT cell{7, 5, 7 + opaque.extent("Fill me"), 5 + 13};
    int bkCount = 0;
    for (int y = 0; y < opaque.h; ++y)
        for (int x = 0; x < opaque.w; ++x) {
            bool in = x >= cell.left && x < cell.right && y >= cell.top && y < cell.bottom;
            COLORREF o = opaque.at(x, y), t = clear.at(x, y);
            EXPECT_EQ(o == kInk, t == kInk) << x << "," << y;  // the same glyphs
            if (!in) {
                EXPECT_EQ(o, back) << x << "," << y;
                EXPECT_EQ(t, back) << x << "," << y;
            } else {
                EXPECT_TRUE(o == kInk || o == bk) << x << "," << y;
                EXPECT_TRUE(t == kInk || t == back) << x << "," << y;
                bkCount += o == bk;
            }
        }
    EXPECT_GT(bkCount, 0);
}

TEST(TextOut, ClipRegionLimitsTheGlyphs) {
    TextCanvas ref(100, 30), c(100, 30);
    for (TextCanvas* k : {&ref, &c}) k->useFont("Tahoma", -11, FW_BOLD);
    ref.textOut(5, 5, "Clipped text");
    // Two separate pieces, so that the clip is a region and not just a rectangle.
    HRGN a = CreateRectRgn(0, 0, 20, 30), b = CreateRectRgn(30, 9, 60, 13), both = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(both, a, b, RGN_OR);
    SelectClipRgn(c.dc, both);
    c.textOut(5, 5, "Clipped text");
    SelectClipRgn(c.dc, nullptr);
    int inside = 0;
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            bool visible = PtInRegion(both, x, y);
            EXPECT_EQ(c.at(x, y), visible ? ref.at(x, y) : kPaper) << x << "," << y;
            inside += visible && ref.at(x, y) != kPaper;
        }
    EXPECT_GT(inside, 0);
    DeleteObject(a);
    DeleteObject(b);
    DeleteObject(both);
}

TEST(TextOut, UnderlineAndStrikeOutSpanTheText) {
    for (const FontCase& f : {FontCase{"MS Sans Serif", -11, FW_NORMAL}, FontCase{"Tahoma", -11, FW_NORMAL},
                              FontCase{"Arial", -24, FW_BOLD}}) {
        TextCanvas plain(260, 40), under(260, 40), struck(260, 40);
        plain.useFont(f.face, f.height, f.weight);
        under.useFont(f.face, f.height, f.weight, 0, false, true, false);
        struck.useFont(f.face, f.height, f.weight, 0, false, false, true);
        const std::string s = "Lines over text";
        const int x0 = 6, y0 = 4, w = plain.extent(s);
        const TEXTMETRICA tm = plain.metrics();
        for (TextCanvas* k : {&plain, &under, &struck}) k->textOut(x0, y0, s);
        EXPECT_TRUE(fullRows(plain, x0, x0 + w, 0).empty()) << label(f);
        // The underline lies below the baseline, inside the cell.
        std::vector<int> u = fullRows(under, x0, x0 + w, 0);
        ASSERT_FALSE(u.empty()) << label(f);
        EXPECT_GE(u.front(), y0 + tm.tmAscent) << label(f);
        EXPECT_LT(u.back(), y0 + tm.tmHeight) << label(f);
        // The strike-out line crosses the lower-case letters, above the baseline.
        std::vector<int> s2 = fullRows(struck, x0, x0 + w, 0);
        ASSERT_FALSE(s2.empty()) << label(f);
        EXPECT_LT(s2.back(), y0 + tm.tmAscent) << label(f);
        EXPECT_GT(s2.front(), y0 + tm.tmInternalLeading + (tm.tmAscent - tm.tmInternalLeading) / 3) << label(f);
        // Apart from the lines, the same glyphs.
        for (TextCanvas* k : {&under, &struck}) {
            std::vector<int> lines = fullRows(*k, x0, x0 + w, 0);
            for (int y = 0; y < plain.h; ++y) {
                if (std::find(lines.begin(), lines.end(), y) != lines.end()) continue;
                for (int x = 0; x < plain.w; ++x)
                    ASSERT_EQ(k->at(x, y), plain.at(x, y)) << label(f) << " " << x << "," << y;
            }
        }
    }
}

TEST(TextOut, AnsiCodePageBytesReachTheirCharacters) {
    for (const FontCase& f : {FontCase{"MS Sans Serif", -11, FW_NORMAL}, FontCase{"Tahoma", -11, FW_NORMAL},
                              FontCase{"Arial", -16, FW_NORMAL}}) {
        TextCanvas c(40, 30);
        c.useFont(f.face, f.height, f.weight);
        const TEXTMETRICA tm = c.metrics();
        // 0x93 is a left double quotation mark: a small mark high in the cell.
        c.textOut(5, 2, "\x93");
        RECT q = c.inkBox();
        EXPECT_GT(q.right - q.left, 1) << label(f);
        EXPECT_LE(q.bottom, 2 + tm.tmAscent / 2 + 1) << label(f);
        // 0x80 is the euro sign, as tall as a capital; 0xE9 is e with acute accent, taller than e.
        c.clear(kPaper);
        c.textOut(5, 2, "\x80");
        RECT euro = c.inkBox();
        c.clear(kPaper);
        c.textOut(5, 2, "C");
        RECT cap = c.inkBox();
        EXPECT_NEAR(euro.bottom - euro.top, cap.bottom - cap.top, 1) << label(f);
        c.clear(kPaper);
        c.textOut(5, 2, "\xE9");
        RECT eacute = c.inkBox();
        c.clear(kPaper);
        c.textOut(5, 2, "e");
        RECT e = c.inkBox();
        EXPECT_EQ(eacute.bottom, e.bottom) << label(f);
        EXPECT_LT(eacute.top, e.top - 1) << label(f);
    }
}

TEST(TextOut, ItalicLeansRight) {
    for (const FontCase& f : {FontCase{"MS Sans Serif", -11, FW_NORMAL}, FontCase{"Tahoma", -20, FW_NORMAL},
                              FontCase{"Arial", -20, FW_BOLD}}) {
        TextCanvas upright(40, 40), italic(40, 40);
        upright.useFont(f.face, f.height, f.weight);
        italic.useFont(f.face, f.height, f.weight, 0, true);
        upright.textOut(10, 5, "l");
        italic.textOut(10, 5, "l");
        auto [uTop, uBottom] = leftOfTopAndBottom(upright);
        auto [iTop, iBottom] = leftOfTopAndBottom(italic);
        EXPECT_EQ(uTop, uBottom) << label(f);
        EXPECT_GE(iTop - iBottom, 2) << label(f);
        EXPECT_EQ(italic.extent("lll"), upright.extent("lll")) << label(f);
    }
}

TEST(TextOut, EscapementTurnsTheTextAboutTheReferencePoint) {
    const int o = 60;
    // Outline faces at sizes without hand-drawn bitmaps turn exactly; hand-drawn faces do
    // not turn at all.
    for (const FontCase& f : {FontCase{"Tahoma", -20, FW_NORMAL}, FontCase{"MS Sans Serif", -11, FW_BOLD},
                              FontCase{"Arial", -12, FW_NORMAL}}) {
        const bool raster = std::string(f.face) == "MS Sans Serif";
        TextCanvas flat(120, 120);
        flat.useFont(f.face, f.height, f.weight, 0, false, true);
        SetBkMode(flat.dc, OPAQUE);
        SetBkColor(flat.dc, RGB(0, 255, 0));
        flat.textOut(o, o, "Up & Away");
        const int flatPaper = flat.count(kPaper);
        for (int turns = 1; turns < 4; ++turns) {
            TextCanvas turned(120, 120);
            turned.useFont(f.face, f.height, f.weight, turns * 900, false, true);
            SetBkMode(turned.dc, OPAQUE);
            SetBkColor(turned.dc, RGB(0, 255, 0));
            turned.textOut(o, o, "Up & Away");
            EXPECT_EQ(turned.count(kPaper), flatPaper) << label(f) << " turns " << turns;
            for (int y = 0; y < flat.h; ++y)
                for (int x = 0; x < flat.w; ++x) {
                    const int tx = x - o, ty = y - o;  // text space
                    int dx = x, dy = y;
                    if (raster) {
                        // stays upright
                    } else if (turns == 1) dx = o + ty, dy = o - tx - 1;
                    else if (turns == 2) dx = o - tx - 1, dy = o - ty - 1;
                    else if (turns == 3) dx = o - ty - 1, dy = o + tx;
                    if (flat.at(x, y) == kPaper) continue;
                    ASSERT_EQ(turned.at(dx, dy), flat.at(x, y))
                        << label(f) << " turns " << turns << " at " << x << "," << y;
                }
        }
    }
}

TEST(TextOut, UpwardTextOccupiesATallNarrowBox) {
    // The turned legend font: 12 pixels, escapement 900, no face name.
    LOGFONTA lf{};
    lf.lfHeight = -12;
    lf.lfEscapement = 900;
    TextCanvas c(40, 140);
    c.useFont(CreateFontIndirectA(&lf));
    const TEXTMETRICA tm = c.metrics();
    const std::string s = "Upward legend";
    const int w = c.extent(s);
    c.textOut(10, 130, s);
    RECT box = c.inkBox();
    EXPECT_GE(box.left, 10);
    EXPECT_LE(box.right, 10 + tm.tmHeight);
    EXPECT_LE(box.bottom, 130);
    EXPECT_GE(box.top, 130 - w);
    EXPECT_GT(box.bottom - box.top, w - 4);
    EXPECT_GT(box.bottom - box.top, 4 * (box.right - box.left));
}

TEST(TextOut, MonochromeSurfaceGetsTheNearestOfBlackAndWhite) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP mono = CreateBitmap(40, 16, 1, 1, nullptr);
    HGDIOBJ old = SelectObject(dc, mono);
    RECT all{0, 0, 40, 16};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, RGB(120, 0, 0));  // nearer black
    SetBkMode(dc, TRANSPARENT);
    ASSERT_TRUE(TextOutA(dc, 1, 1, "Mono", 4));
    PixelView v = GetDcPixels(dc);
    int black = 0;
    for (int y = 0; y < v.height; ++y)
        for (int x = 0; x < v.width; ++x) {
            EXPECT_TRUE(v.at(x, y) == 0 || v.at(x, y) == 0xFFFFFF);
            black += v.at(x, y) == 0;
        }
    EXPECT_GT(black, 10);
    SelectObject(dc, oldFont);
    SelectObject(dc, old);
    DeleteObject(mono);
    DeleteDC(dc);
}
