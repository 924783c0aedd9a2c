// Reference pictures of ZynCommand in every state of both styles, with and without a
// picture: each pictures/STATE.script places the button at 2,2 (84 x 26) with the caption
// "&Apply" on an 88 x 30 form (red where STATE.json says so, to show what a see-through
// button leaves), and draws one state; "move 40 15" is over the button. The picture is the
// example disk (16 x 16, magenta mask).
#include "support/transcript.h"

PICTURES("command", "", 0);
