// Reference pictures of ZynLabel: each tag of its mark-up, colours, fills, links, line
// breaks, borders, see-through and auto-size. Each pictures/STATE.script places a white
// label with black text at 2,2 (156 x 36) on a light blue 160 x 40 form, so that
// see-through parts and auto-sizing show, and draws one state.
#include "support/transcript.h"

PICTURES("label", "", 0);
