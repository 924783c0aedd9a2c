// Measuring agrees with drawing: in every face we ship, at every height from 6 to 40 pixels
// (by em and by cell; the hand-drawn faces scaled at the top), regular, bold and italic, a
// string drawn whole has the same pixels as its head drawn alone and its tail drawn where
// GetTextExtentPoint32A says the head ends.
#include <string>

#include "text_support.h"

using namespace ulmaro::platform;
using ulmaro::test::samePixels;
using ulmaro::test::TextCanvas;

TEST(TextMeasure, ExtentIsWhereTheNextGlyphStarts) {
    struct Face {
        const char* name;
        BYTE charset;
        std::string text;
    };
    const Face faces[] = {{"MS Sans Serif", ANSI_CHARSET, "Wavy fill|AV.1"}, {"Tahoma", ANSI_CHARSET, "Wavy fill|AV.1"},
                          {"Courier", ANSI_CHARSET, "Wavy fill|AV.1"},       {"System", ANSI_CHARSET, "Wavy fill|AV.1"},
                          {"Marlett", SYMBOL_CHARSET, "r0123456ab"},         {"Webdings", SYMBOL_CHARSET, "3456=~ab"},
                          {"Wingdings", SYMBOL_CHARSET, "JKL\xE0\xE8"},      {"Symbol", SYMBOL_CHARSET, "abgDpS"}};
    for (const Face& f : faces)
        for (int size = 6; size <= 40; ++size)
            for (int height : {-size, size})
                for (int style = 0; style < 3; ++style) {
                    auto font = [&] {
                        return CreateFontA(height, 0, 0, 0, style == 1 ? FW_BOLD : FW_NORMAL, style == 2, FALSE, FALSE,
                                           f.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                                           DEFAULT_PITCH, f.name);
                    };
                    TextCanvas whole(480, 64), parts(480, 64);
                    whole.useFont(font());
                    parts.useFont(font());
                    whole.textOut(3, 4, f.text);
                    for (std::size_t k = 1; k < f.text.size(); k += 3) {
                        const RECT all{0, 0, 480, 64};
                        FillRect(parts.dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
                        const std::string head = f.text.substr(0, k), tail = f.text.substr(k);
                        parts.textOut(3, 4, head);
                        parts.textOut(3 + parts.extent(head), 4, tail);
                        EXPECT_TRUE(samePixels(whole, parts)) << f.name << " " << height
                                                              << (style == 1   ? " bold"
                                                                  : style == 2 ? " italic"
                                                                               : "")
                                                              << ", split after \"" << head << "\"";
                    }
                }
}
