// Reference pictures of the check box and the option button in every state of their glyph
// and caption, each drawn alone on a small form and compared pixel for pixel.
#include "support/snapshot.h"

#include <ulmaro/platform/win32.h>

using namespace ulmaro;
using namespace ulmaro::platform;
using ulmaro::test::Harness;

namespace {

struct State {
    const char* name;
    const char* cls;
    const char* script;  // run after the control is placed; the pointer starts off the form
};

// The first tick after Show finds the pointer off the form and settles the hover look. The
// hot glyph needs a tick that takes the capture, then a move under it.
const State kStates[] = {
    {"check_unchecked", "ZynCheckBox", "tick 1\n"},
    {"check_checked", "ZynCheckBox", "set C.Value 1\ntick 1\n"},
    {"check_grayed", "ZynCheckBox", "set C.Value 2\ntick 1\n"},
    {"check_hot", "ZynCheckBox", "tick 1\nmove 8 10\ntick 1\nmove 9 10\n"},
    {"check_hot_checked", "ZynCheckBox", "set C.Value 1\ntick 1\nmove 8 10\ntick 1\nmove 9 10\n"},
    {"check_pressed", "ZynCheckBox", "tick 1\ndown 1 8 10\n"},
    {"check_pressed_checked", "ZynCheckBox", "set C.Value 1\ntick 1\ndown 1 8 10\n"},
    {"check_focused", "ZynCheckBox", "set C.Value 1\ntick 1\nfocus C\n"},
    {"check_disabled", "ZynCheckBox", "set C.Enabled False\ntick 1\n"},
    {"check_disabled_checked", "ZynCheckBox", "set C.Value 1\nset C.Enabled False\ntick 1\n"},
    {"check_access_key", "ZynCheckBox", "set C.Caption \"&Bold text\"\ntick 1\n"},
    // Transparent: the yellow back colour (&H00FFFF) lets the form show through.
    {"check_transparent", "ZynCheckBox", "set C.BackColor 65535\nset C.BackStyle 0\nset C.Value 1\ntick 1\n"},
    {"option_off", "ZynOptionButton", "tick 1\n"},
    {"option_on", "ZynOptionButton", "set C.Value 1\ntick 1\n"},
    {"option_hot", "ZynOptionButton", "tick 1\nmove 8 10\ntick 1\nmove 9 10\n"},
    {"option_hot_on", "ZynOptionButton", "set C.Value 1\ntick 1\nmove 8 10\ntick 1\nmove 9 10\n"},
    {"option_pressed", "ZynOptionButton", "tick 1\ndown 1 8 10\n"},
    {"option_pressed_on", "ZynOptionButton", "set C.Value 1\ntick 1\ndown 1 8 10\n"},
    {"option_focused", "ZynOptionButton", "set C.Value 1\ntick 1\nfocus C\n"},
    {"option_disabled", "ZynOptionButton", "set C.Enabled False\ntick 1\n"},
    {"option_disabled_on", "ZynOptionButton", "set C.Value 1\nset C.Enabled False\ntick 1\n"},
    // The glyph's blue corners show the control's own back colour (light green), never blue.
    {"option_coloured_back", "ZynOptionButton", "set C.BackColor 12648384\nset C.Value 1\ntick 1\n"},
};

}  // namespace

TEST(GlyphStates, EveryStateMatchesItsReferencePicture) {
    for (const State& s : kStates) {
        SCOPED_TRACE(s.name);
        Harness h(124, 21);
        h.run(std::string("new ") + s.cls + " C 2 2 120 17\nset C.Caption \"" + (s.cls[3] == 'C' ? "Check me" : "Pick me") +
              "\"\n" + s.script);
        test::expectSnapshot("checkoption", s.name, test::controlPicture(h, "C"));
    }
}
