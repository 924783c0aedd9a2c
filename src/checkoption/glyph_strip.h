// The glyph strips of the check box and the option button: 104 x 13 pixels, eight 13 x 13
// cells side by side (0 normal, 1 hot, 2 pressed, 3 disabled; 4 to 7 the same, checked or
// selected). The strips do not ship as image files: their pixels are generated at build
// time, by constant evaluation of the drawing rules below, and copied into a bitmap when a
// control is created.
#pragma once

#include <ulmaro/platform/win32.h>

#include <algorithm>
#include <array>
#include <cstdint>

namespace ulmaro::glyphs {

inline constexpr int kCell = 13;
inline constexpr int kCells = 8;
inline constexpr int kStripWidth = kCell * kCells;
using StripPixels = std::array<platform::COLORREF, kStripWidth * kCell>;

// The option button's see-through colour: pure blue.
inline constexpr platform::COLORREF kSeeThrough = 0x00FF0000;

struct Rgb {
    int r, g, b;
};

constexpr platform::COLORREF ToColorRef(Rgb c) {
    return static_cast<platform::COLORREF>(c.r) | (static_cast<platform::COLORREF>(c.g) << 8) |
           (static_cast<platform::COLORREF>(c.b) << 16);
}

// The colour `step` steps of `steps` from `from` toward `to`, rounded to nearest.
constexpr Rgb Blend(Rgb from, Rgb to, int step, int steps) {
    auto mix = [&](int a, int b) { return ((a * (steps - step) + b * step) * 2 + steps) / (2 * steps); };
    return Rgb{mix(from.r, to.r), mix(from.g, to.g), mix(from.b, to.b)};
}

enum class Look { Normal, Hot, Pressed, Disabled };

constexpr Look LookOfCell(int cell) { return static_cast<Look>(cell % 4); }

// ---- Check box -----------------------------------------------------------------------------------

// The tick, 7 x 7, placed at (3, 3) of a cell.
inline constexpr const char* kTick[7] = {
    "......#",
    ".....##",
    "#...###",
    "##.###.",
    "#####..",
    ".###...",
    "..#....",
};

// One pixel of a check box cell: a square box with a one-pixel border around a face that
// shades diagonally from top left to bottom right; the hot look adds a two-pixel orange
// frame inside the border.
constexpr Rgb CheckBoxPixel(int cell, int x, int y) {
    const Look look = LookOfCell(cell);
    const bool checked = cell >= 4;
    if (x == 0 || y == 0 || x == kCell - 1 || y == kCell - 1)
        return look == Look::Disabled ? Rgb{203, 200, 181} : Rgb{28, 81, 128};
    if (checked && x >= 3 && x < 10 && y >= 3 && y < 10 && kTick[y - 3][x - 3] == '#') {
        if (look == Look::Pressed) return Rgb{30, 133, 26};
        if (look == Look::Disabled) return Rgb{203, 201, 186};
        return Rgb{33, 161, 33};
    }
    const int diagonal = (x - 1) + (y - 1);  // 0 at the top left, 20 at the bottom right
    const int inset = std::min(std::min(x - 1, y - 1), std::min(kCell - 2 - x, kCell - 2 - y));
    switch (look) {
        case Look::Disabled: return Rgb{255, 255, 255};
        case Look::Pressed: return Blend(Rgb{175, 176, 168}, Rgb{241, 240, 222}, diagonal, 20);
        case Look::Hot:
            if (inset <= 1) return Blend(Rgb{255, 233, 184}, Rgb{247, 179, 49}, diagonal, 20);
            [[fallthrough]];
        case Look::Normal: break;
    }
    return Blend(Rgb{221, 220, 218}, Rgb{255, 255, 255}, diagonal, 20);
}

// ---- Option button -------------------------------------------------------------------------------

// One pixel of an option button cell: a round button of diameter 13 on blue. Distances are
// squared from the cell's centre pixel: the ring lies between radius 5.5 and 6.5, the hot
// look's orange ring between about 4 and 5.5, the selected dot within about 2.2.
constexpr platform::COLORREF OptionButtonPixel(int cell, int x, int y) {
    const Look look = LookOfCell(cell);
    const bool selected = cell >= 4;
    const int dx = x - kCell / 2, dy = y - kCell / 2;
    const int d2 = dx * dx + dy * dy;
    const int diagonal = x + y;  // 0 at the top left, 24 at the bottom right
    if (d2 > 42) return kSeeThrough;
    if (d2 > 30) return ToColorRef(look == Look::Disabled ? Rgb{203, 201, 187} : Rgb{35, 86, 130});
    if (selected && d2 <= 5) return ToColorRef(look == Look::Disabled ? Rgb{192, 191, 181} : Rgb{56, 185, 53});
    switch (look) {
        case Look::Disabled: return ToColorRef(Rgb{255, 255, 255});
        case Look::Pressed: return ToColorRef(Blend(Rgb{175, 176, 168}, Rgb{241, 240, 222}, diagonal, 24));
        case Look::Hot:
            if (d2 > 16) return ToColorRef(Blend(Rgb{255, 233, 184}, Rgb{247, 179, 49}, diagonal, 24));
            [[fallthrough]];
        case Look::Normal: break;
    }
    return ToColorRef(Blend(Rgb{221, 220, 218}, Rgb{255, 255, 255}, diagonal, 24));
}

// ---- The strips ----------------------------------------------------------------------------------

constexpr StripPixels MakeCheckBoxStrip() {
    StripPixels px{};
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kStripWidth; ++x) px[y * kStripWidth + x] = ToColorRef(CheckBoxPixel(x / kCell, x % kCell, y));
    return px;
}

constexpr StripPixels MakeOptionButtonStrip() {
    StripPixels px{};
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kStripWidth; ++x) px[y * kStripWidth + x] = OptionButtonPixel(x / kCell, x % kCell, y);
    return px;
}

inline constexpr StripPixels kCheckBoxStrip = MakeCheckBoxStrip();
inline constexpr StripPixels kOptionButtonStrip = MakeOptionButtonStrip();

// A strip copied into a bitmap of its own, as a control holds its picture; the bitmap is
// released with the object.
class GlyphStrip {
public:
    explicit GlyphStrip(const StripPixels& pixels);
    ~GlyphStrip();
    GlyphStrip(const GlyphStrip&) = delete;
    GlyphStrip& operator=(const GlyphStrip&) = delete;
    platform::HBITMAP bitmap() const { return bitmap_; }

private:
    platform::HBITMAP bitmap_ = nullptr;
};

}  // namespace ulmaro::glyphs
