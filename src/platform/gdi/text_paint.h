// The shared core of TextOutA and DrawTextA: the face of a context's font, and painting
// glyphs and text-cell rectangles on a drawing target.
#pragma once

#include <string_view>

#include "font_face.h"
#include "objects.h"

namespace ulmaro::platform::detail {

// The font selected into a context, and its face (resolved on first use); null if none.
Font* fontOf(Dc& dc);
FontFace* faceOf(Dc& dc);

// Quarter turns counter-clockwise for an escapement in tenths of a degree (rounded to the
// nearest quarter).
int quarterTurns(LONG escapement);

// Paints in text space: x runs along the baseline, y across it downwards, and (0, 0) is
// the device point `origin`. A font with escapement turns the whole space about that point,
// so callers lay text out as if it were horizontal.
struct TextPainter {
    Target target;
    FontFace* face = nullptr;
    int turns = 0;
    POINT origin{0, 0};

    // Fills [x0, x1) x [y0, y1) of text space.
    void fill(int x0, int y0, int x1, int y1, COLORREF color) const;
    // Draws the glyphs of `s` with the pen starting at x and the cell top at y; returns the
    // pen position after the last glyph.
    int glyphs(int x, int y, std::string_view s, COLORREF color) const;

    RECT toDevice(int x0, int y0, int x1, int y1) const;

    struct Inverse {
        int ax, ay, a0, bx, by, b0;
    };
    Inverse inverse() const;
};

}  // namespace ulmaro::platform::detail
