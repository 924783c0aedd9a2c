// The label's mark-up: any caption up to the host's 32 767 characters, in any shipped face
// at any size up to 2 160 points, auto-sized or not, lays out and draws without a fault.
#include "fuzz_support.h"

#include "framework/dispatch.h"
#include "framework/form.h"
#include "framework/runtime_error.h"
#include "framework/std_font.h"

namespace ulmaro::fuzz {

int Markup(const std::uint8_t* data, std::size_t size) {
    static constexpr const char* kFaces[] = {"MS Sans Serif", "Tahoma", "Webdings", "Marlett",
                                             "Symbol",        "Courier", "Arial"};
    registerLibraryClasses();
    HandleBaseline baseline;
    {
        Choices in(data, size);
        Form form(320, 200);
        Control& label = form.place("ZynLabel", "L1", 0, 0, 1 + static_cast<int>(in.pick(300)),
                                    1 + static_cast<int>(in.pick(200)));
        StdFontPtr font = StdFont::New();
        font->SetName(kFaces[in.pick(std::size(kFaces))]);
        const std::uint8_t style = in.byte();
        font->SetBold(style & 1);
        font->SetItalic(style & 2);
        font->SetUnderline(style & 4);
        font->SetStrikethrough(style & 8);
        try {
            font->SetSize(1 + static_cast<double>(in.pick(21600)) / 10);
            label.setProperty("Font", Variant(font));
            label.setProperty("AutoSize", Variant(static_cast<bool>(style & 16)));
            std::string caption = in.rest();
            if (caption.size() > 32767) caption.resize(32767);
            label.setProperty("Caption", Variant(caption));
            label.getProperty("Text");
        } catch (const RuntimeError&) {
        }
        form.compose();
    }
    baseline.check();
    return 0;
}

}  // namespace ulmaro::fuzz
