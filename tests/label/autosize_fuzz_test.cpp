// An auto-sized label driven with random fonts (up to the host's 2 160 points) and random
// captions (up to 32 767 characters): whatever size the text asks for, the pass ends, the
// label keeps a size within the host's limit, and a second pass leaves it as it is.
#include "label_fixture.h"
#include "support/seeded.h"

#include "framework/size_limit.h"

#include <random>

using namespace ulmaro;
using namespace ulmaro::test;

namespace {

std::string randomCaption(std::mt19937& rng) {
    static const char* pieces[] = {"W", "i", "Wide ", "<br>", "<b>", "</b>", "<i>", "&", "\r\n", "\xC9", "<F=FFFF00>", "</F>"};
    const std::size_t length = std::uniform_int_distribution<std::size_t>(0, 32767)(rng);
    std::string s;
    while (s.size() < length) s += pieces[std::uniform_int_distribution<std::size_t>(0, std::size(pieces) - 1)(rng)];
    s.resize(length);
    return s;
}

}  // namespace

using AutoSizeFuzz = LabelTest;

TEST_F(AutoSizeFuzz, RandomFontsAndCaptionsEndWithinTheLimit) {
    static const char* faces[] = {"MS Sans Serif", "Tahoma", "Courier", "Symbol", "Arial"};
    forEachSeed(20, 24, [&](std::uint32_t seed) {
        std::mt19937 rng(seed);
        ZynLabel& l = label("");
        auto font = l.Font()->Clone();
        font->SetName(faces[std::uniform_int_distribution<std::size_t>(0, std::size(faces) - 1)(rng)]);
        // Half the seeds at large sizes, where a few characters outgrow the host.
        font->SetSize(seed % 2 ? std::uniform_real_distribution<double>(100, 2160)(rng)
                               : std::uniform_real_distribution<double>(1, 40)(rng));
        font->SetBold(rng() % 2 == 0);
        font->SetItalic(rng() % 3 == 0);
        l.setFont(font);
        const std::string caption = randomCaption(rng);
        SCOPED_TRACE(std::to_string(caption.size()) + " characters at " + std::to_string(font->Size()) + " points");
        try {
            l.setAutoSize(true);
            l.setCaption(caption);
        } catch (const RuntimeError& e) {
            // A token ending past the 16-bit working index overflows; nothing else may fail.
            EXPECT_EQ(e.number, 6);
        }
        RECT b = form->boundsOf(l);
        EXPECT_TRUE(sizeFits(b.right - b.left, b.bottom - b.top));
        try {
            l.Refresh();
        } catch (const RuntimeError&) {
        }
        RECT again = form->boundsOf(l);
        EXPECT_TRUE(EqualRect(&b, &again)) << "a second pass resized the label";
        form = std::make_unique<Form>(400, 200);
    });
}
