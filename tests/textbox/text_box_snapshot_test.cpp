// Reference pictures of the text box: the frame and window regions of Round 0, 15 and 3,
// legends across and turned, focus colours, a selection and the caret. Each
// pictures/STATE.script places Text1 at 10,10 on a 240 x 120 form and draws one state; the
// picture holds a pixel of form around the box, so that the corners its window region cuts
// away show the form's colour.
#include "support/transcript.h"

PICTURES("textbox", "Text1", 1);
