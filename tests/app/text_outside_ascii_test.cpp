// Scripts and form files are UTF-8; controls draw, measure and count in the ANSI code page
// (1252). Text crosses between the two where it enters and leaves the controls.
#include "support/harness.h"

#include "framework/form_file.h"
#include "label/zyn_label.h"

using namespace ulmaro;
using ulmaro::test::Harness;

namespace {

const std::string kUtf8 = "Caf\xC3\xA9 \xE2\x82\xAC" "5 \xC3\x85ngstr\xC3\xB6m";  // Café €5 Ångström
const std::string kAnsi = "Caf\xE9 \x80" "5 \xC5ngstr\xF6m";

ZynLabel& labelOf(Harness& h, const char* name) { return static_cast<ZynLabel&>(*h.form->find(name)); }

}  // namespace

TEST(TextOutsideAscii, ScriptTextIsDrawnMeasuredAndReadBackAsWritten) {
    Harness h(400, 100);
    h.run("new ZynLabel L1 0 0 10 10\nset L1.AutoSize True\nset L1.Caption \"" + kUtf8 + "\"\nnew ZynLabel L2 0 40 10 10\n");
    ZynLabel& l1 = labelOf(h, "L1");
    EXPECT_EQ(l1.Caption(), kAnsi);
    // Sized to the ANSI text, and drawn as a label given the ANSI text directly draws it.
    platform::RECT b = h.form->boundsOf(l1);
    EXPECT_EQ(b.right - b.left, static_cast<int>(l1.surface().TextWidth(kAnsi)));
    ZynLabel& l2 = labelOf(h, "L2");
    l2.setAutoSize(true);
    l2.setCaption(kAnsi);
    platform::PixelView a = platform::GetWindowSurface(l1.surface().hWnd()), c = platform::GetWindowSurface(l2.surface().hWnd());
    ASSERT_EQ(a.width, c.width);
    ASSERT_EQ(a.height, c.height);
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) ASSERT_EQ(a.at(x, y), c.at(x, y)) << x << "," << y;
}

TEST(TextOutsideAscii, LimitsCountCharactersNotBytes) {
    Harness h;
    // 32 763 two-byte characters and a tag: the label's working index still fits.
    std::string e;
    for (int i = 0; i < 32763; ++i) e += "\xC3\xA9";
    EXPECT_EQ(h.run("new ZynLabel L1 0 0 10 10\nset L1.Caption \"" + e + "<b>\"\n"), "L1.Change\nL1.Change\n");
    EXPECT_EQ(labelOf(h, "L1").Text().size(), 32763u);
}

TEST(TextOutsideAscii, FormFilesAreReadAndWrittenAsUtf8) {
    registerLibraryClasses();
    const std::string text = "{\"Form\": {\"Width\": 100, \"Height\": 50}, \"Controls\": [{\"Class\": \"ZynLabel\", \"Name\": \"L1\", "
                             "\"Left\": 0, \"Top\": 0, \"Width\": 90, \"Height\": 20, \"Properties\": {\"Caption\": \"" + kUtf8 + "\"}}]}";
    std::unique_ptr<Form> form = loadFormFromText(text, "utf8.json");
    EXPECT_EQ(static_cast<ZynLabel&>(*form->find("L1")).Caption(), kAnsi);
    EXPECT_NE(formToText(*form, "utf8.json").find("\"Caption\": \"" + kUtf8 + "\""), std::string::npos);
}
