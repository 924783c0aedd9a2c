// Reference pictures of the check box and the option button in every state of their glyph
// and caption: each pictures/STATE.script places one (C, at 2,2, 120 x 17) on a small form
// and draws one state. The pointer starts off the form, and the first tick after Show
// settles the hover look; the hot glyph needs a tick that takes the capture, then a move
// under it.
#include "support/transcript.h"

PICTURES("checkoption", "C", 0);
