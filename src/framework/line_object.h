// A line object placed on a control at design time (a constituent control): two end points
// in the control's pixels, a colour and a visibility. It has no window of its own; the form
// draws it over its control's surface, end points included, wherever the control shows.
#pragma once

#include "ole_color.h"

#include <cstdint>
#include <string>

namespace ulmaro {

struct LineObject {
    std::string Name;
    std::int16_t Index = 0;  // place in its control array
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    // A new line object takes the window-text colour.
    OLE_COLOR BorderColor = 0x80000008;
    bool Visible = true;
};

}  // namespace ulmaro
