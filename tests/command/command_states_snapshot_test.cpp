// Reference pictures of ZynCommand in every state of both styles, with and without a
// picture, each drawn alone on a small form (whose corners and see-through parts show the
// form behind) and compared pixel for pixel.
#include "support/snapshot.h"

using namespace ulmaro;
using ulmaro::test::Harness;

namespace {

struct State {
    const char* name;
    const char* script;  // run after the button is placed at 2,2 (84 x 26) with the caption "&Apply"
};

// The pointer starts off the form; "move 40 15" is over the button, "down 1 40 15" presses it.
// The picture is the example disk (16 x 16, magenta mask).
#define DISK "set C.Picture \"examples/pictures/disk.bmp\"\nset C.MaskColor &HFF00FF\n"
#define OFFICE "set C.ButtonType 1\n"
const State kStates[] = {
    {"xp_normal", ""},
    {"xp_hot", "move 40 15\n"},
    {"xp_pressed", "move 40 15\ndown 1 40 15\n"},
    {"xp_focused", "focus C\n"},
    {"xp_focused_no_focus_frame", "set C.MustDrawFocus False\nfocus C\n"},
    {"xp_disabled", "set C.Enabled False\n"},
    {"xp_checked", "set C.CheckBox True\nset C.Value True\n"},
    {"xp_caption_left", "set C.CenterText False\n"},
    {"xp_coloured", "set C.BackColor &HC0E0C0\nset C.ForeColor &H800000\n"},
    {"xp_picture", DISK},
    {"xp_picture_alone", DISK "set C.Caption \"\"\n"},
    {"xp_picture_pressed", DISK "move 40 15\ndown 1 40 15\n"},
    {"xp_picture_left", DISK "set C.CenterPicture False\n"},
    {"xp_picture_left_caption_left", DISK "set C.CenterPicture False\nset C.CenterText False\n"},
    {"xp_picture_unmasked", DISK "set C.UseMask False\n"},
    {"xp_picture_disabled", DISK "set C.Enabled False\n"},
    {"xp_picture_disabled_unmasked", DISK "set C.UseMask False\nset C.Enabled False\n"},
    // No pixel has the mask colour: the whole picture is drawn faded, nothing see-through.
    {"xp_picture_disabled_no_mask_colour", DISK "set C.MaskColor &H123456\nset C.Caption \"\"\nset C.Enabled False\n"},
    {"office_normal", OFFICE},
    {"office_hot", OFFICE "move 40 15\n"},
    {"office_pressed", OFFICE "move 40 15\ndown 1 40 15\n"},
    {"office_focused", OFFICE "focus C\n"},
    {"office_focused_no_focus_frame", OFFICE "set C.MustDrawFocus False\nfocus C\n"},
    {"office_disabled", OFFICE "set C.Enabled False\n"},
    {"office_checked", OFFICE "set C.CheckBox True\nset C.Value True\n"},
    {"office_other_over_colour", OFFICE "set C.OfficeOverColor &H008000\nmove 40 15\n"},
    {"office_picture", OFFICE DISK},
    {"office_picture_hot", OFFICE DISK "move 40 15\n"},
    {"office_picture_disabled", OFFICE DISK "set C.Enabled False\n"},
    // See-through: the form is red, so every pixel the button leaves shows.
    {"office_see_through", OFFICE "set C.BackStyle 0\n"},
    {"office_see_through_picture", OFFICE DISK "set C.BackStyle 0\n"},
    {"office_see_through_hot", OFFICE "set C.BackStyle 0\nmove 40 15\n"},
    {"xp_see_through", "set C.BackStyle 0\n"},
    {"picture_only_style", "set C.ButtonType 2\n" DISK},
};
#undef DISK
#undef OFFICE

}  // namespace

TEST(CommandStates, EveryStateMatchesItsReferencePicture) {
    for (const State& s : kStates) {
        SCOPED_TRACE(s.name);
        Harness h(88, 30);
        if (std::string(s.name).find("see_through") != std::string::npos) h.form->setBackColor(0x0000FF);
        h.run(std::string("new ZynCommand C 2 2 84 26\nset C.Caption \"&Apply\"\n") + s.script);
        test::expectSnapshot("command", s.name, test::formPicture(h));
    }
}
