// Reference pictures of ZynLabel: each tag of its mark-up, colours, fills, links, line
// breaks, borders, see-through and auto-size, each drawn alone on a small form and compared
// pixel for pixel.
#include "support/snapshot.h"

using namespace ulmaro;
using ulmaro::test::Harness;

namespace {

struct State {
    const char* name;
    const char* caption;
    const char* script;  // run after the label is placed at 2,2 (156 x 36) with the caption
};

// The form is light blue (&HFFE0C0) so that see-through parts and auto-sizing show.
const State kStates[] = {
    {"plain", "Plain caption text", ""},
    {"bold", "Some <B>bold</B> text", ""},
    {"italic", "Some <I>italic</I> text", ""},
    {"underline", "Some <U>underlined</U> text", ""},
    {"strike", "Some <S>struck</S> text", ""},
    {"nested_and_lower_case", "<b>B <i>BI <u>BIU</u></i></b> <s>s</s> plain", ""},
    {"font_switches_are_on_off", "<B><B>a</B>b</B> c", ""},
    {"tags_left_open_end_with_the_pass", "<b><i><u><s><c=ff0000>open", "set L.Caption \"plain after\"\n"},
    {"bold_font_switched_off_by_tag", "</b>thin <b>bold", "set L.Font.Bold True\n"},
    {"colours", "<C=C00000>red <C=008000>green</C> red</C> own", ""},
    {"colour_digits_either_case_bare_tag_black", "<c=00ff00>g</c><C>dark</C>x<C=00FF0>y", "set L.ForeColor &HFF0000\n"},
    {"surplus_closing_colour", "<C=0000FF>blue</C></C> own</C> own", ""},
    {"fills", "<F=FFFF00>yellow</F> <F=80FF80><C=000080>navy on green</C></F>", ""},
    {"open_fill", "<F=FF80C0>open fill never drawn", ""},
    {"closed_fills_pop_to_back_colour", "<F=FFFF00><F=00FFFF>a</F>b</F>c</F>d<b>e", "set L.BackColor &HC0C0C0\n"},
    {"bare_fill_black", "<F>x</F>y<b>", ""},
    {"links", "A <A Name=\"one\"><C=0000FF><U>link</U></C></A> and <a name=\"two\">two</a>", ""},
    {"line_breaks", "first<br>second<BR><b>third</b> line", ""},
    {"two_breaks_leave_an_empty_line", "Line1<br><Br>Line3", ""},
    {"ampersands", "R&&D with &mnemonic", ""},
    {"unknown_tags_are_text", "<X>not a tag</X> <C=12345G>", ""},
    {"fore_and_back_colour", "Coloured <b>label</b>", "set L.ForeColor &H0000C0\nset L.BackColor &HC0FFFF\n"},
    {"system_colours", "System colours", "set L.ForeColor &H8000000E\nset L.BackColor &H8000000D\n"},
    {"other_font", "Tahoma <b>12</b>", "set L.Font.Name \"Tahoma\"\nset L.Font.Size 12\n"},
    {"border_3d", "Sunken border", "set L.BorderStyle 1\n"},
    {"border_flat", "Flat border", "set L.Appearance 0\nset L.BorderStyle 1\n"},
    {"border_taken_away", "No border again", "set L.Appearance 0\nset L.BorderStyle 1\nset L.BorderStyle 0\n"},
    {"border_3d_taken_away", "No border again", "set L.BorderStyle 1\nset L.BorderStyle 0\n"},
    {"see_through", "<b>See-through</b> <F=FFFF00>fill</F>", "set L.BackStyle 0\n"},
    {"see_through_border", "See-through with border", "set L.BackStyle 0\nset L.BorderStyle 1\n"},
    {"auto_size", "<b>Auto</b>-sized<br>two lines", "set L.AutoSize True\n"},
    {"auto_size_border", "Auto-sized, border", "set L.BorderStyle 1\nset L.AutoSize True\n"},
};

}  // namespace

TEST(LabelStates, EveryStateMatchesItsReferencePicture) {
    for (const State& s : kStates) {
        SCOPED_TRACE(s.name);
        Harness h(160, 40);
        h.form->setBackColor(0xFFE0C0);
        std::string caption = s.caption;
        for (std::size_t i = 0; (i = caption.find('"', i)) != std::string::npos; i += 2) caption.insert(i, "\"");
        h.run("new ZynLabel L 2 2 156 36\nset L.BackColor &HFFFFFF\nset L.ForeColor 0\nset L.Caption \"" + caption +
              "\"\n" + s.script);
        test::expectSnapshot("label", s.name, test::formPicture(h));
    }
}
