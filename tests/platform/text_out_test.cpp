// TextOutA: where the glyphs land, alignment, colours and background, clipping, lines,
// styles and turned text. Then the text calls an edit box relies on: tab expansion
// (TabbedTextOutA and its extent, held to the real platform's picture), per-character
// advances for ExtTextOutA, partial extents and character widths, each agreeing with where
// the glyphs are drawn.
#include <cstring>
#include <set>

#include "oracle_support.h"
#include "text_support.h"
#include "support/snapshot.h"

using namespace ulmaro::test;

namespace {

constexpr COLORREF kInk = RGB(200, 0, 40);

struct FontCase {
    const char* face;
    int height;
    int weight;
    bool italic = false;
};
const FontCase kFonts[] = {{"MS Sans Serif", -11, FW_NORMAL}, {"MS Sans Serif", -11, FW_BOLD},
                           {"Tahoma", -11, FW_NORMAL},        {"Tahoma", -11, FW_BOLD},
                           {"Arial", -20, FW_NORMAL},         {"Courier", -13, FW_NORMAL}};

std::string label(const FontCase& f) {
    return std::string(f.face) + " " + std::to_string(f.height) + " " + std::to_string(f.weight);
}

}  // namespace

// Each drawing pinned by a reference picture (tests/snapshots/text_out/NAME.png): the faces
// we ship, alignment, the current position, background modes, clipping, underline and
// strike-out, code page 1252 bytes, italics, turned text and monochrome surfaces.
namespace {

struct Drawing {
    const char* name;
    int w, h;
    void (*draw)(TextCanvas& c);
};

void inEveryFace(TextCanvas& c, const char* s, int lean = 0, bool underline = false, bool strike = false, int x = 4) {
    int y = 2;
    for (const FontCase& f : kFonts) {
        c.useFont(f.face, f.height, f.weight, 0, lean, underline, strike);
        c.textOut(x, y, s);
        y += static_cast<int>(c.metrics().tmHeight) + 2;
    }
}

const Drawing kDrawings[] = {
    {"faces", 110, 110, [](TextCanvas& c) { SetTextColor(c.dc, kInk); inEveryFace(c, "Hg&Wy| \x93\x80\xE9" "e"); }},
    {"faces_italic", 110, 110, [](TextCanvas& c) { inEveryFace(c, "Lean lll", 1); }},
    {"faces_underline_strike", 220, 110, [](TextCanvas& c) {
         inEveryFace(c, "Under", 0, true);
         inEveryFace(c, "Struck", 0, false, true, 110);
     }},
    {"outline_faces_not_anti_aliased", 300, 110, [](TextCanvas& c) {
         SetTextColor(c.dc, kInk);
         const FontCase faces[] = {{"Arial", -30, FW_NORMAL}, {"Tahoma", -23, FW_BOLD}, {"Symbol", -18, FW_NORMAL}};
         for (int i = 0; i < 3; ++i) {
             c.useFont(faces[i].face, faces[i].height, faces[i].weight);
             c.textOut(2, 2 + 36 * i, "Quick @ brown & round O");
         }
     }},
    {"alignment", 160, 185, [](TextCanvas& c) {
         c.useFont("Tahoma", -11);
         const UINT aligns[] = {TA_LEFT, TA_RIGHT, TA_CENTER, TA_BASELINE, TA_BOTTOM, TA_RIGHT | TA_BOTTOM, TA_CENTER | TA_BASELINE};
         for (int i = 0; i < 7; ++i) {
             SetTextAlign(c.dc, aligns[i]);
             SetPixelV(c.dc, 80, 16 + 24 * i, RGB(255, 0, 0));
             c.textOut(80, 16 + 24 * i, "Align");
         }
     }},
    {"update_current_position", 120, 30, [](TextCanvas& c) {
         c.useFont("MS Sans Serif", -11);
         SetTextAlign(c.dc, TA_UPDATECP);
         MoveToEx(c.dc, 3, 3, nullptr);
         c.textOut(50, 10, "Hello");  // the coordinates are ignored
         c.textOut(50, 10, ", world");
     }},
    {"opaque_and_transparent", 100, 40, [](TextCanvas& c) {
         c.clear(RGB(128, 128, 128));
         c.useFont("MS Sans Serif", -11);
         SetTextColor(c.dc, kInk);
         SetBkColor(c.dc, RGB(255, 255, 0));
         c.textOut(7, 3, "Transparent");
         SetBkMode(c.dc, OPAQUE);
         c.textOut(7, 20, "Opaque");
     }},
    {"clip_region", 100, 30, [](TextCanvas& c) {
         c.useFont("Tahoma", -11, FW_BOLD);
         HRGN a = CreateRectRgn(0, 0, 20, 30), b = CreateRectRgn(30, 9, 60, 13);
         CombineRgn(a, a, b, RGN_OR);
         SelectClipRgn(c.dc, a);
         c.textOut(5, 5, "Clipped text");
         SelectClipRgn(c.dc, nullptr);
         DeleteObject(a);
         DeleteObject(b);
     }},
    {"turned", 360, 120, [](TextCanvas& c) {
         // Outline faces turn exactly; hand-drawn bitmap faces stay upright.
         const FontCase faces[] = {{"Tahoma", -20, FW_NORMAL}, {"MS Sans Serif", -11, FW_BOLD}, {"Arial", -12, FW_NORMAL}};
         for (int i = 0; i < 3; ++i)
             for (int turns = 0; turns < 4; ++turns) {
                 c.useFont(faces[i].face, faces[i].height, faces[i].weight, turns * 900, false, true);
                 SetBkMode(c.dc, OPAQUE);
                 SetBkColor(c.dc, RGB(0, 255, 0));
                 c.textOut(60 + 120 * i, 60, turns % 2 ? "Up" : "Away");
             }
     }},
    {"upward_legend_font", 40, 140, [](TextCanvas& c) {
         // The turned legend font: 12 pixels, escapement 900, no face name.
         LOGFONTA lf{};
         lf.lfHeight = -12;
         lf.lfEscapement = 900;
         c.useFont(CreateFontIndirectA(&lf));
         c.textOut(10, 130, "Upward legend");
     }},
};

}  // namespace

TEST(TextOut, EveryDrawingMatchesItsReferencePicture) {
    for (const Drawing& d : kDrawings) {
        SCOPED_TRACE(d.name);
        TextCanvas c(d.w, d.h);
        d.draw(c);
        expectSnapshot("text_out", d.name, dcPicture(c.dc));
    }
}

TEST(TextOut, MonochromeSurfaceGetsTheNearestOfBlackAndWhite) {
    Canvas c(40, 16, kPaper, true);
    HGDIOBJ oldFont = SelectObject(c.dc, GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(c.dc, RGB(120, 0, 0));  // nearer black
    SetBkMode(c.dc, TRANSPARENT);
    ASSERT_TRUE(TextOutA(c.dc, 1, 1, "Mono", 4));
    expectSnapshot("text_out", "monochrome", dcPicture(c.dc));
    SelectObject(c.dc, oldFont);
}

namespace {

// A red line as long as the low word of a size, a blue one as tall as its high word.
void bar(HDC dc, int x, int y, DWORD size) {
    for (int i = 0; i < static_cast<int>(LOWORD(size)) && x + i < 96; ++i) SetPixel(dc, x + i, y, RGB(255, 0, 0));
    for (int i = 0; i < static_cast<int>(HIWORD(size)) && i < 14; ++i) SetPixel(dc, 95, y - 13 + i, RGB(0, 0, 255));
}

// Default stops, one repeating stop, a list and past its end, a tab origin with an opaque
// background, right-aligned (negative) stops, and the extents measured alone.
void drawTabbed(HDC dc) {
    HFONT f = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
    HGDIOBJ old = SelectObject(dc, f);
    SetBkMode(dc, TRANSPARENT);
    int one[1] = {20}, list[3] = {10, 30, 44}, right[2] = {-30, 50};
    struct Line { int x, y, n; const char* s; int stops; const int* at; int origin; int barY; };
    const Line lines[] = {{1, 0, 5, "a\tb\tc", 0, nullptr, 0, 12}, {1, 13, 7, "a\tb\tc\td", 1, one, 0, 25},
                          {1, 26, 9, "x\ty\tz\tw\tv", 3, list, 0, 38}};
    for (const Line& l : lines) bar(dc, 1, l.barY, static_cast<DWORD>(TabbedTextOutA(dc, l.x, l.y, l.s, l.n, l.stops, l.at, l.origin)));
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(200, 255, 200));
    bar(dc, 1, 51, static_cast<DWORD>(TabbedTextOutA(dc, 9, 39, "p\tq\tr", 5, 1, one, 4)));
    SetBkMode(dc, TRANSPARENT);
    bar(dc, 1, 53, GetTabbedTextExtentA(dc, "a\tbb\tc\td", 8, 3, list));
    bar(dc, 1, 55, GetTabbedTextExtentA(dc, "a\tbb", 4, 0, nullptr));
    bar(dc, 1, 57, GetTabbedTextExtentA(dc, "", 0, 0, nullptr));
    bar(dc, 1, 62, static_cast<DWORD>(TabbedTextOutA(dc, 1, 50, "ab\tcd\tef", 8, 2, right, 0)));
    SelectObject(dc, old);
    DeleteObject(f);
}

const FontCase kFaces[] = {{"MS Sans Serif", -11, FW_NORMAL, false}, {"MS Sans Serif", -11, FW_BOLD, false},
                           {"MS Sans Serif", -13, FW_NORMAL, true},  {"Tahoma", -11, FW_BOLD, false},
                           {"Tahoma", -13, FW_BOLD, false},          {"Tahoma", -16, FW_NORMAL, true},
                           {"Tahoma", -24, FW_BOLD, false},          {"Courier", -13, FW_BOLD, false},
                           {"Webdings", -13, FW_BOLD, false},        {"Arial", -16, FW_NORMAL, true}};

}  // namespace

TEST(TextCalls, TabbedTextMatchesThePlatform) { expectMatchesOracle("text/tabbed", drawTabbed); }

// For every face and size, the extent of a string is where the next glyph starts: a bar
// drawn after the string by one call lands where it lands after measuring.
TEST(TextCalls, MeasuringAgreesWithDrawing) {
    for (const FontCase& f : kFaces) {
        TextCanvas c(200, 40);
        c.useFont(CreateFontA(f.height, 0, 0, 0, f.weight, f.italic, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, f.face));
        for (const char* s : {"Wg", "Cancel OK", "iiljf", "W.W"}) {
            // "s|" in one call is "s" alone with "|" drawn at the measured extent.
            TextCanvas alone(200, 40);
            SelectObject(alone.dc, c.font);
            c.clear(kPaper);
            c.textOut(0, 0, std::string(s) + "|");
            alone.textOut(0, 0, s);
            alone.textOut(c.extent(s), 0, "|");
            EXPECT_TRUE(samePixels(c, alone)) << label(f) << " " << s;
            SelectObject(alone.dc, GetStockObject(SYSTEM_FONT));

            // Partial extents and character widths say the same.
            int fit = -1, dx[16] = {};
            SIZE sz{};
            const int n = static_cast<int>(std::strlen(s));
            ASSERT_TRUE(GetTextExtentExPointA(c.dc, s, n, -1, &fit, dx, &sz));
            EXPECT_EQ(fit, n);
            EXPECT_EQ(dx[n - 1], c.extent(s));
            int sum = 0;
            for (int i = 0; i < n; ++i) {
                int w = 0;
                ASSERT_TRUE(GetCharWidth32A(c.dc, static_cast<unsigned char>(s[i]), static_cast<unsigned char>(s[i]), &w));
                sum += w;
                EXPECT_EQ(dx[i], sum) << label(f) << " " << s << " " << i;
            }
        }
    }
}

TEST(TextCalls, ExtentFitCountsAndPartialExtents) {
    TextCanvas c(10, 10);
    c.useFont("MS Sans Serif", -11);
    const char* s = "Cancel OK";
    int dx[9], fit = -1;
    for (int& d : dx) d = -7;
    const int upToL = c.extent("Cancel");
    ASSERT_TRUE(GetTextExtentExPointA(c.dc, s, 9, upToL, &fit, dx, nullptr));
    EXPECT_EQ(fit, 6);
    EXPECT_EQ(dx[5], upToL);
    EXPECT_EQ(dx[6], -7);  // only the characters that fit are given
    ASSERT_TRUE(GetTextExtentExPointA(c.dc, s, 9, upToL - 1, &fit, nullptr, nullptr));
    EXPECT_EQ(fit, 5);
    ASSERT_TRUE(GetTextExtentExPointA(c.dc, s, 9, 0, &fit, nullptr, nullptr));
    EXPECT_EQ(fit, 0);
    int w[3];
    EXPECT_FALSE(GetCharWidth32A(c.dc, 'b', 'a', w));
    EXPECT_FALSE(GetTextExtentExPointA(c.dc, s, -1, 10, &fit, nullptr, nullptr));
}

// ExtTextOutA with its own advances puts each glyph where the advances say, and the opaque
// rectangle is filled even without text (clipping is in the text oracle pictures).
TEST(TextCalls, ExtTextOutAdvancesAndOpaque) {
    TextCanvas spaced(120, 30), ref(120, 30);
    spaced.useFont("MS Sans Serif", -11);
    ref.useFont("MS Sans Serif", -11);
    const INT dx[3] = {20, 5, 30};
    ExtTextOutA(spaced.dc, 4, 4, 0, nullptr, "abc", 3, dx);
    ref.textOut(4, 4, "a");
    ref.textOut(24, 4, "b");
    ref.textOut(29, 4, "c");
    EXPECT_TRUE(samePixels(spaced, ref));

    TextCanvas opaque(40, 30);
    opaque.useFont("MS Sans Serif", -11);
    SetBkColor(opaque.dc, RGB(1, 2, 3));
    const RECT backwards{30, 20, 10, 5};  // taken in order
    EXPECT_TRUE(ExtTextOutA(opaque.dc, 0, 0, ETO_OPAQUE, &backwards, nullptr, 0, nullptr));
    EXPECT_EQ(opaque.count(RGB(1, 2, 3)), 20 * 15);
    EXPECT_FALSE(ExtTextOutA(opaque.dc, 0, 0, 0, nullptr, nullptr, 3, nullptr));
}
