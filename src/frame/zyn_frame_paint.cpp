// ZynFrame drawing: body, title band, shaded border outlines, highlights, the cut corners
// and the caption. The see-through parts are drawn in a key colour picked at every paint
// that differs from both of the frame's colours, and the surface's mask makes them clear.
#include "frame/zyn_frame.h"

#include "framework/colors.h"
#include "framework/numeric.h"

namespace ulmaro {

using namespace platform;

namespace {

struct Channels {
    std::int32_t r = 0, g = 0, b = 0;
};

Channels Split(OLE_COLOR c) {
    Channels ch;
    SplitColor(c, ch.r, ch.g, ch.b);
    return ch;
}

// The colour with each channel multiplied by k (by k1 then k2 where given), rounded to an
// Integer, and taken as 255 above 255 as the RGB function does.
OLE_COLOR Scaled(const Channels& ch, double k1, double k2 = 1.0) {
    auto one = [&](std::int32_t v) -> std::uint32_t {
        std::int16_t n = toInteger(v * k1 * k2);
        return static_cast<std::uint32_t>(n > 255 ? 255 : n);
    };
    return one(ch.r) | (one(ch.g) << 8) | (one(ch.b) << 16);
}

}  // namespace

// The host's random generator: a 24-bit linear congruential sequence, seeded from the
// clock so that each paint may pick another key colour.
COLORREF ZynFrame::NewKeyColor() {
    RandomState = (RandomState * 1140671485u + 12820163u) & 0xFFFFFFu;
    const double rnd = static_cast<double>(RandomState) / 16777216.0;
    return static_cast<COLORREF>(RoundToLong(rnd * 16777216.0));
}

void ZynFrame::DrawFrame() {
    Surface& s = surface();
    if (!s.hWnd()) return;
    const float W = static_cast<float>(s.ScaleWidth());
    const float H = static_cast<float>(s.ScaleHeight());
    s.Cls();
    RandomState = static_cast<std::uint32_t>(HostTimer() * 1000.0f) & 0xFFFFFFu;
    COLORREF key = 0;
    const COLORREF back = static_cast<COLORREF>(TranslateColor(BackColor_));
    const COLORREF border = static_cast<COLORREF>(TranslateColor(BorderColor_));
    while (key == back || key == border) key = NewKeyColor();
    KeyColor = key;
    Channels ch = Split(BackColor_);
    s.Line(0, 0, W, H, BackStyle_ == 1 ? BackColor_ : key, LineKind::FilledBox);
    if (!Caption_.empty()) {
        s.Line(3, 19, W, H, Scaled(ch, 0.9), LineKind::Box);
        ch = Split(BorderColor_);
        s.Line(0, 0, W, 18, BorderColor_, LineKind::FilledBox);
        s.Line(2, 18, W - 3, H - 3, Scaled(ch, 0.6), LineKind::Box);
        s.Line(1, 17, W - 2, H - 2, Scaled(ch, 0.94), LineKind::Box);
        s.Line(0, 16, W, 16, Scaled(ch, 0.98));
    } else {
        s.Line(3, 3, W, H, Scaled(ch, 1.1, 0.9), LineKind::Box);
        ch = Split(BorderColor_);
        s.Line(2, 2, W - 3, H - 3, Scaled(ch, 0.6), LineKind::Box);
        s.Line(1, 1, W - 2, H - 2, Scaled(ch, 0.94), LineKind::Box);
    }
    s.Line(0, 0, W - 1, H - 1, BorderColor_, LineKind::Box);
    const OLE_COLOR highlight = Scaled(ch, 1.3);
    s.Line(2, 0, W - 3, 0, highlight);
    s.Line(W - 1, 2, W - 1, H - 3, highlight);
    // Three pixels cut from each corner make it look rounded.
    const float corners[][2] = {{0, 0},         {1, 0},         {0, 1},         {0, H - 1},     {1, H - 1},     {0, H - 2},
                                {W - 1, H - 1}, {W - 2, H - 1}, {W - 1, H - 2}, {W - 1, 0},     {W - 2, 0},     {W - 1, 1}};
    for (const auto& c : corners) s.PSet(c[0], c[1], key);
    if (BackStyle_ == 1) {
        const float t = Caption_.empty() ? 4.0f : 20.0f;
        s.Line(4, t, W - 4, H - 4, static_cast<OLE_COLOR>(ShadeColor(BackColor_, -1, 0)), LineKind::FilledBox);
        s.setBackStyle(0);
        s.setMaskColor(key);
        s.setMaskPicture(s.Image());
        s.Line(4, t, W - 4, H - 4, BackColor_, LineKind::FilledBox);
    } else {
        s.setBackStyle(0);
        s.setMaskColor(key);
        s.setMaskPicture(s.Image());
    }
    if (!Caption_.empty()) {
        s.setCurrentX(4);
        s.setCurrentY((18 - s.TextHeight(Caption_)) / 2);
        s.Print(Caption_);
    }
}

}  // namespace ulmaro
