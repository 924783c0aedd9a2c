// The title bar and frame details that the list box and the bar element draw alike: the
// row-by-row horizontal gradient, the icon and caption, and the four-pixel corner marks.
#pragma once

#include "framework/ole_color.h"
#include "framework/std_picture.h"
#include "framework/surface.h"

#include <cstdint>
#include <string>

namespace ulmaro {

// The accent colour of a border colour: the right end of the title gradient, the selection
// fill and the faces of the scroll-bar buttons.
OLE_COLOR AccentShadeOf(OLE_COLOR BorderColor);

// Fills rows 0 .. TitleHeight - 1, each from the border colour on the left to the accent on
// the right, darkening toward the top by one step per row.
void DrawTitleGradient(platform::HDC hdc, float SW, std::int32_t TitleHeight, OLE_COLOR BorderColor,
                       OLE_COLOR AccentShade);

struct TitleContent {
    const std::string& Caption;
    const StdPicturePtr& Icon;
    bool UseMask;
    OLE_COLOR MaskColor;
    std::int32_t TitleHeight;
};

// Draws the icon (5 pixels in, centred one pixel below the middle) and the caption beside it,
// in the surface's current font and fore colour.
void DrawTitleIconAndCaption(Surface& s, const TitleContent& title);

// Marks rounded corners with 16 pixels of `color` just inside the frame's corners.
void DrawCornerMarks(platform::HDC hdc, float SW, float SH, OLE_COLOR color);

}  // namespace ulmaro
