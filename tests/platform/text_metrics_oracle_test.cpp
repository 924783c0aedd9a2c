// GetTextMetricsA, GetCharWidth32A and GetTextExtentPoint32A against what the real platform
// reports for every face we ship at 8.25, 9.75 and 12 points, regular, bold and italic
// (tests/platform/oracle/text/metrics.txt). Two kinds of number are left out, each for a
// stated reason:
// - Tahoma's widths at the sizes its files carry bitmaps for: the recording implementation
//   measures those with the outline advances but draws the bitmaps with their own, and we
//   measure what we draw (TextMeasure checks that).
// - tmItalic of the hand-drawn faces: the recording implementation draws them upright and
//   says so; we slant them (see the italic pictures) and say so.
#include <fstream>
#include <sstream>
#include <string>

#include "support/canvas.h"

using namespace ulmaro::platform;

TEST(TextMetricsOracle, EveryFaceAtTheControlSizes) {
    std::ifstream in(std::string(ULMARO_SOURCE_DIR) + "/tests/platform/oracle/text/metrics.txt");
    ASSERT_TRUE(in) << "no metrics table";
    ulmaro::test::Canvas canvas(8, 8);
    const char* fields[] = {"tmHeight", "tmAscent", "tmDescent", "tmInternalLeading", "tmExternalLeading",
                            "tmAveCharWidth", "tmMaxCharWidth", "tmWeight", "tmOverhang", "tmDigitizedAspectX",
                            "tmDigitizedAspectY", "tmFirstChar", "tmLastChar", "tmDefaultChar", "tmBreakChar",
                            "tmItalic", "tmUnderlined", "tmStruckOut", "tmPitchAndFamily", "tmCharSet"};
    int rows = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream row(line);
        std::string face, height, style, numbers[3];
        std::getline(row, face, '|');
        std::getline(row, height, '|');
        std::getline(row, style, '|');
        for (std::string& n : numbers) std::getline(row, n, '|');
        std::istringstream tmIn(numbers[0]), widthsIn(numbers[1]), extentIn(numbers[2]);
        long want[20], wantWidths[8], wantExtent[2];
        for (long& v : want) tmIn >> v;
        for (long& v : wantWidths) widthsIn >> v;
        for (long& v : wantExtent) extentIn >> v;
        ASSERT_TRUE(extentIn) << line;
        ++rows;

        const bool symbol = face == "Marlett" || face == "Webdings" || face == "Wingdings" || face == "Symbol";
        HFONT font = CreateFontA(std::stoi(height), 0, 0, 0, style == "B" ? FW_BOLD : FW_NORMAL, style == "I", 0, 0,
                                 symbol ? SYMBOL_CHARSET : ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
        HGDIOBJ old = SelectObject(canvas.dc, font);
        TEXTMETRICA tm{};
        ASSERT_TRUE(GetTextMetricsA(canvas.dc, &tm)) << line;
        const long got[20] = {tm.tmHeight, tm.tmAscent, tm.tmDescent, tm.tmInternalLeading, tm.tmExternalLeading,
                              tm.tmAveCharWidth, tm.tmMaxCharWidth, tm.tmWeight, tm.tmOverhang, tm.tmDigitizedAspectX,
                              tm.tmDigitizedAspectY, tm.tmFirstChar, tm.tmLastChar, tm.tmDefaultChar, tm.tmBreakChar,
                              tm.tmItalic, tm.tmUnderlined, tm.tmStruckOut, tm.tmPitchAndFamily, tm.tmCharSet};
        const bool handDrawn = !(tm.tmPitchAndFamily & TMPF_TRUETYPE);
        for (int i = 0; i < 20; ++i) {
            if (handDrawn && i == 15) continue;
            EXPECT_EQ(got[i], want[i]) << face << ' ' << height << ' ' << style << ": " << fields[i];
        }
        if (face != "Tahoma") {
            const char* chars = " 1Wamig.";
            for (int i = 0; i < 8; ++i) {
                INT w = -1;
                GetCharWidth32A(canvas.dc, static_cast<BYTE>(chars[i]), static_cast<BYTE>(chars[i]), &w);
                EXPECT_EQ(w, wantWidths[i]) << face << ' ' << height << ' ' << style << ": width of '" << chars[i] << "'";
            }
            SIZE size{};
            GetTextExtentPoint32A(canvas.dc, "Cancel", 6, &size);
            EXPECT_EQ(size.cx, wantExtent[0]) << face << ' ' << height << ' ' << style;
            EXPECT_EQ(size.cy, wantExtent[1]) << face << ' ' << height << ' ' << style;
        }
        SelectObject(canvas.dc, old);
        DeleteObject(font);
    }
    EXPECT_EQ(rows, 72);
}
