// A sheet of sample text in every face, style and layout, written to text_sheet.png in the
// build folder for people to look at. Each sample is measured first and must then draw
// inside the box it measured, even without clipping.
#include <ulmaro/platform/png.h>

#include "text_support.h"

using namespace ulmaro::test;

namespace {

struct Sample {
    const char* face;
    int height;
    int weight;
    bool italic, underline, strikeOut;
    const char* text;
};

const Sample kSamples[] = {
    {"MS Sans Serif", -11, FW_NORMAL, false, false, false,
     "MS Sans Serif 8: The quick brown fox, &Mnemonic, \x80 \x93quoted\x94 caf\xE9"},
    {"MS Sans Serif", -11, FW_BOLD, false, false, false, "MS Sans Serif 8 bold: The quick brown fox jumps"},
    {"MS Sans Serif", -11, FW_NORMAL, true, false, false, "MS Sans Serif 8 italic: The quick brown fox jumps"},
    {"MS Sans Serif", -11, FW_NORMAL, false, true, true, "MS Sans Serif 8 underlined, struck out"},
    {"MS Sans Serif", -13, FW_NORMAL, false, false, false, "MS Sans Serif 10: The quick brown fox"},
    {"MS Sans Serif", -16, FW_NORMAL, false, false, false, "MS Sans Serif 12: The quick brown fox"},
    {"MS Sans Serif", -24, FW_NORMAL, false, false, false, "MS Sans Serif 18: The quick fox"},
    {"Tahoma", -11, FW_NORMAL, false, false, false, "Tahoma 8: The quick brown fox jumps over the lazy dog"},
    {"Tahoma", -11, FW_BOLD, false, true, false, "Tahoma 8 bold underlined: The quick brown fox"},
    {"Tahoma", -11, FW_NORMAL, true, false, false, "Tahoma 8 italic: The quick brown fox jumps"},
    {"Tahoma", -19, FW_NORMAL, false, false, true, "Tahoma 14 struck: The quick fox"},
    {"Arial", -12, FW_NORMAL, false, false, false, "Fallback 9: The quick brown fox jumps (&&)"},
    {"Arial", -16, FW_BOLD, true, false, false, "Fallback 12 bold italic: The quick fox"},
    {"Courier", -13, FW_NORMAL, false, false, false, "Courier 10: fixed pitch 0123456789"},
    {"System", 16, FW_BOLD, false, false, false, "System: The quick brown fox"},
    {"Marlett", -16, FW_NORMAL, false, false, false, "0123456789abcdefghijklmnopqrstuvwxy"},
    {"Webdings", -16, FW_NORMAL, false, false, false, "0123456"},
    {"Symbol", -16, FW_NORMAL, false, false, false, "abgdpqSW 0123 +-="},
};

}  // namespace

TEST(TextSheet, EverySampleDrawsInsideTheBoxItMeasured) {
    TextCanvas c(480, 560);
    const COLORREF boxFill = RGB(232, 236, 255);
    HBRUSH fill = CreateSolidBrush(boxFill);
    std::vector<RECT> boxes;

    int y = 4;
    for (const Sample& s : kSamples) {
        c.useFont(s.face, s.height, s.weight, 0, s.italic, s.underline, s.strikeOut);
        RECT calc{4, y, 4, y};
        DrawTextA(c.dc, s.text, -1, &calc, DT_CALCRECT | DT_SINGLELINE);
        // Italics lean past their advance: give them the overhang.
        if (s.italic) calc.right += c.metrics().tmHeight / 4;
        FillRect(c.dc, &calc, fill);
        c.drawText(s.text, calc, DT_SINGLELINE | DT_NOCLIP);
        boxes.push_back(calc);
        y = calc.bottom + 3;
    }

    // Alignments and the mnemonic prefix in fixed boxes.
    c.useFont("MS Sans Serif", -11);
    const UINT formats[] = {DT_SINGLELINE | DT_LEFT | DT_TOP, DT_SINGLELINE | DT_CENTER | DT_VCENTER,
                            DT_SINGLELINE | DT_RIGHT | DT_BOTTOM};
    for (int i = 0; i < 3; ++i) {
        RECT r{4 + i * 104, y, 4 + i * 104 + 100, y + 30};
        FillRect(c.dc, &r, fill);
        c.drawText("&File && Edit", r, formats[i] | DT_NOCLIP);
        boxes.push_back(r);
    }
    y += 34;
    // A wrapped, centred paragraph in the box DT_CALCRECT found for it.
    const std::string para =
        "Word-wrapped text that goes on across several lines,\r\nwith a forced break\nand an &underlined letter.";
    RECT wrap{4, y, 204, y};
    DrawTextA(c.dc, para.data(), -1, &wrap, DT_CALCRECT | DT_WORDBREAK);
    FillRect(c.dc, &wrap, fill);
    c.drawText(para, wrap, DT_WORDBREAK | DT_CENTER | DT_NOCLIP);
    boxes.push_back(wrap);

    // Upward and downward text, as a legend draws it, in the box they should take.
    LOGFONTA lf{};
    lf.lfHeight = -12;
    lf.lfEscapement = 900;
    c.useFont(CreateFontIndirectA(&lf));
    const std::string legend = "Upward legend";
    const int lw = c.extent(legend), lh = c.metrics().tmHeight;
    RECT up{240, c.h - 8 - lw, 240 + lh, c.h - 8};
    FillRect(c.dc, &up, fill);
    c.textOut(240, c.h - 8, legend);
    boxes.push_back(up);
    c.useFont("Tahoma", -11, FW_BOLD, 2700);
    const int dw = c.extent("Downward"), dh = c.metrics().tmHeight;
    RECT down{280 - dh, y, 280, y + dw};
    FillRect(c.dc, &down, fill);
    c.textOut(280, y, "Downward");
    boxes.push_back(down);
    DeleteObject(fill);

    const std::string path = std::string(ULMARO_BINARY_DIR) + "/text_sheet.png";
    EXPECT_TRUE(WritePng(path, GetDcPixels(c.dc)));

    std::vector<int> ink(boxes.size(), 0);
    for (int py = 0; py < c.h; ++py)
        for (int px = 0; px < c.w; ++px) {
            COLORREF p = c.at(px, py);
            if (p == kPaper) continue;
            bool inside = false;
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                const RECT& b = boxes[i];
                if (px >= b.left && px < b.right && py >= b.top && py < b.bottom) {
                    inside = true;
                    ink[i] += p != boxFill;
                }
            }
            ASSERT_TRUE(inside) << "ink outside every sample at " << px << "," << py;
        }
    for (std::size_t i = 0; i < boxes.size(); ++i) EXPECT_GT(ink[i], 20) << "sample " << i << " drew nothing";
}
