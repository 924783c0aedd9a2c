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
    // pen position after the last glyph. `dx`, when given, holds each character's advance
    // in place of the font's.
    int glyphs(int x, int y, std::string_view s, COLORREF color, const int* dx = nullptr) const;

    RECT toDevice(int x0, int y0, int x1, int y1) const;

    struct Inverse {
        int ax, ay, a0, bx, by, b0;
    };
    Inverse inverse() const;
};

// One run of text drawn at a reference point, as TextOutA and ExtTextOutA draw it: the
// cell aligned by the context's text alignment, the background, the glyphs, underline and
// strike-out, and the current position moved on with TA_UPDATECP. `dx` holds advances in
// place of the font's (null: the font's); `opaque` and `clip`, when given, are a
// rectangle to fill with the background colour and one to clip the text to.
struct TextRun {
    std::string_view text;
    const int* dx = nullptr;
    const RECT* opaque = nullptr;
    const RECT* clip = nullptr;
};
BOOL drawTextRun(Dc& dc, int x, int y, const TextRun& run);

// The advances of a run added up.
int runWidth(FontFace& face, std::string_view s, const int* dx);

}  // namespace ulmaro::platform::detail
