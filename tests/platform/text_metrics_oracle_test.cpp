// GetTextMetricsA, GetCharWidth32A and GetTextExtentPoint32A against what the real platform
// reports for every face we ship at 8.25, 9.75 and 12 points, regular, bold and italic
// (oracle/text/metrics.txt: the twenty fields in order, eight widths, the extent). Left out:
// Tahoma's widths at the sizes its files carry bitmaps for (the recording implementation
// measures the outlines but draws the bitmaps; we measure what we draw), and tmItalic of the
// hand-drawn faces (it draws them upright; we slant them).
#include <fstream>
#include <sstream>

#include "support/canvas.h"

using namespace ulmaro::platform;

TEST(TextMetricsOracle, EveryFaceAtTheControlSizes) {
    std::ifstream in(std::string(ULMARO_SOURCE_DIR) + "/tests/platform/oracle/text/metrics.txt");
    ulmaro::test::Canvas canvas(8, 8);
    int rows = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream row(line);
        std::string face, height, style, want;
        std::getline(std::getline(std::getline(row, face, '|'), height, '|'), style, '|');
        std::getline(row, want);
        HFONT font = CreateFontA(std::stoi(height), 0, 0, 0, style == "B" ? FW_BOLD : FW_NORMAL, style == "I", 0, 0,
                                 face == "Marlett" || face == "Webdings" || face == "Wingdings" || face == "Symbol"
                                     ? SYMBOL_CHARSET
                                     : ANSI_CHARSET,
                                 0, 0, DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str());
        HGDIOBJ old = SelectObject(canvas.dc, font);
        TEXTMETRICA tm{};
        GetTextMetricsA(canvas.dc, &tm);
        const bool handDrawn = !(tm.tmPitchAndFamily & TMPF_TRUETYPE);
        std::ostringstream got;
        for (long v : std::initializer_list<long>{
                 tm.tmHeight, tm.tmAscent, tm.tmDescent, tm.tmInternalLeading, tm.tmExternalLeading, tm.tmAveCharWidth,
                 tm.tmMaxCharWidth, tm.tmWeight, tm.tmOverhang, tm.tmDigitizedAspectX, tm.tmDigitizedAspectY,
                 long{tm.tmFirstChar}, long{tm.tmLastChar}, long{tm.tmDefaultChar}, long{tm.tmBreakChar},
                 handDrawn ? 0L : long{tm.tmItalic}, long{tm.tmUnderlined}, long{tm.tmStruckOut},
                 long{tm.tmPitchAndFamily}})
            got << v << ' ';
        got << long{tm.tmCharSet} << '|';
        for (char c : std::string(" 1Wamig.")) {
            INT w = 0;
            GetCharWidth32A(canvas.dc, static_cast<BYTE>(c), static_cast<BYTE>(c), &w);
            got << w << (c == '.' ? '|' : ' ');
        }
        SIZE size{};
        GetTextExtentPoint32A(canvas.dc, "Cancel", 6, &size);
        got << size.cx << ' ' << size.cy;
        std::string ours = got.str();
        if (face == "Tahoma") {
            want.resize(want.find('|'));
            ours.resize(ours.find('|'));
        }
        EXPECT_EQ(ours, want) << face << ' ' << height << ' ' << style;
        SelectObject(canvas.dc, old);
        DeleteObject(font);
        ++rows;
    }
    EXPECT_EQ(rows, 72);
}
