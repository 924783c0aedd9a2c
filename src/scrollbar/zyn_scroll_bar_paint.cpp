// ZynScrollBar drawing: track, arrow buttons with their shaded edges, arrow glyphs and the
// thumb, all with the surface's Line in its line, box and filled-box forms.
#include "scrollbar/zyn_scroll_bar.h"

#include "framework/colors.h"

namespace ulmaro {

using namespace platform;

void ZynScrollBar::DrawScrollBar() {
    Surface& s = surface();
    if (!s.hWnd()) return;
    const float W = static_cast<float>(s.ScaleWidth());
    const float H = static_cast<float>(s.ScaleHeight());
    const OLE_COLOR face = static_cast<OLE_COLOR>(ShadeColor(BackColor_, 176, 1));
    const OLE_COLOR edge = static_cast<OLE_COLOR>(ShadeColor(BackColor_, 192, 1));
    const OLE_COLOR innerEdge = static_cast<OLE_COLOR>(ShadeColor(BackColor_, 208, 1));
    auto round = [](float v) { return static_cast<LONG>(roundHalfEven(v)); };

    if (Max_ == 0) Max_ = 1;
    // Track colour, outlined.
    s.Line(0, 0, W - 1, H - 1, ForeColor_, LineKind::FilledBox);
    s.Line(0, 0, W - 1, H - 1, BackColor_, LineKind::Box);
    SetRect(&ArrowRect[0], 0, 0, round(W - 1), 15);
    SetRect(&ArrowRect[1], 0, round(H - 17), round(W - 1), round(H - 1));
    // Button faces, and the track between them.
    s.Line(1, 1, W - 2, 15, face, LineKind::FilledBox);
    s.Line(1, H - 16, W - 2, H - 2, face, LineKind::FilledBox);
    s.Line(0, 16, W - 1, H - 17, BackColor_, LineKind::Box);
    // Up button edges.
    float t = static_cast<float>(ArrowRect[0].top), b = static_cast<float>(ArrowRect[0].bottom);
    s.Line(W - 2, t + 1, W - 2, b, edge);
    s.Line(W - 3, t + 1, W - 3, b - 1, innerEdge);
    s.Line(1, b - 1, W - 2, b - 1, edge);
    // Down button edges.
    t = static_cast<float>(ArrowRect[1].top);
    b = static_cast<float>(ArrowRect[1].bottom);
    s.Line(W - 2, t + 1, W - 2, b - 1, edge);
    s.Line(W - 3, t + 1, W - 3, b - 2, innerEdge);
    s.Line(1, b - 2, W - 2, b - 2, edge);
    // Arrow glyphs; a pressed arrow shows its glyph in the outline colour.
    s.setForeColor(Pressed[0] ? BackColor_ : ForeColor_);
    s.setCurrentX((W - s.TextWidth("5")) / 2 + 0.5f);
    s.setCurrentY(0);
    s.Print("5");
    s.setForeColor(Pressed[1] ? BackColor_ : ForeColor_);
    s.setCurrentX((W - s.TextWidth("6")) / 2 + 0.5f);
    s.setCurrentY(H - 18);
    s.Print("6");
    // Thumb: its length is Size's share of the track, its place Value's share of the rest.
    const float k = H - 34;
    std::int16_t n, p;
    if (Size_ == Max_) {
        n = toInteger(k);
        p = 0;
    } else {
        n = toInteger(static_cast<double>(Size_) / Max_ * k);
        p = toInteger((k - n) * static_cast<double>(Value_) / Max_);
    }
    SetRect(&ThumbRect, 0, p + 16, round(W - 1), p + 17 + n);
    const float top = static_cast<float>(ThumbRect.top), bottom = static_cast<float>(ThumbRect.bottom);
    s.Line(0, top, W - 1, bottom, face, LineKind::FilledBox);
    s.Line(0, top, W - 1, bottom, BackColor_, LineKind::Box);
    s.Line(W - 2, top + 1, W - 2, bottom - 1, edge);
    s.Line(W - 3, top + 1, W - 3, bottom - 2, innerEdge);
    s.Line(1, bottom - 2, W - 2, bottom - 2, edge);
}

}  // namespace ulmaro
