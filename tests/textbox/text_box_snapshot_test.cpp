// Reference pictures of the text box: the frame and window regions of Round 0, 15 and 3,
// legends across and turned, focus colours, a selection and the caret.
#include "support/snapshot.h"
#include "text_box_support.h"

using namespace ulmaro;
using ulmaro::test::TextBoxForm;

namespace {

// The control and a pixel of form around it, so that the corners cut away by the window
// region show the form's colour.
platform::Image around(TextBoxForm& f, const std::string& name) {
    std::vector<platform::COLORREF> px = f.h.form->compose();
    platform::RECT r = f.h.form->boundsOf(*f.h.form->find(name));
    return test::cropPicture(platform::PixelView{px.data(), f.h.form->width(), f.h.form->height(), false}, r.left - 1,
                             r.top - 1, r.right - r.left + 2, r.bottom - r.top + 2);
}

void expectBox(const std::string& state, const std::string& script) {
    TextBoxForm f(240, 120);
    f.run("new ZynTextBox Text1 10 10 180 " + script);
    test::expectSnapshot("textbox", state, around(f, "Text1"));
}

}  // namespace

TEST(TextBoxSnapshot, FramesAndRegions) {
    expectBox("round_0", "24\nset Text1.Legend \"Name\"\n");
    expectBox("round_15", "24\nset Text1.Round 15\nset Text1.Roundness 10\nset Text1.Legend \"Name\"\n");
    expectBox("round_3", "24\nset Text1.Round 3\nset Text1.Roundness 10\nset Text1.BorderColor 32768\n");
    expectBox("round_12_multiline",
              "60\nset Text1.Multiline True\nset Text1.Round 12\nset Text1.Roundness 12\n"
              "set Text1.ScrollBars 2\nset Text1.Text \"one\"\n");
}

TEST(TextBoxSnapshot, Legends) {
    expectBox("legend_across",
              "24\nset Text1.Legend \"Amount\"\nset Text1.LegendAlignment 38\nset Text1.ShowLegendBorder False\n");
    expectBox("legend_fixed_width",
              "24\nset Text1.Legend \"Amount\"\nset Text1.LegendAutoSize False\nset Text1.LegendWidth 60\n"
              "set Text1.LegendAlignment 32\nset Text1.LegendBackColor 33023\n");
    expectBox("legend_turned",
              "80\nset Text1.Multiline True\nset Text1.ScrollBars 3\nset Text1.Legend \"Notes\"\n"
              "set Text1.LegendType 2\nset Text1.Text \"first line\"\n");
}

TEST(TextBoxSnapshot, FocusSelectionAndCaret) {
    expectBox("focus_colours", "24\nset Text1.ShowFocus True\nset Text1.Legend \"Name\"\nfocus Text1\n");
    expectBox("selection", "24\nset Text1.Text \"select some text\"\nfocus Text1\ncall Text1.SelectText 7 4\n");
    expectBox("caret",
              "24\nset Text1.Text \"caret\"\nset Text1.SelectOnFocus False\nfocus Text1\ncall Text1.SelectText 3 0\n");
    // Half a blink period later the caret is off.
    expectBox("caret_blink_off",
              "24\nset Text1.Text \"caret\"\nset Text1.SelectOnFocus False\nfocus Text1\n"
              "call Text1.SelectText 3 0\ntick 530\n");
}
