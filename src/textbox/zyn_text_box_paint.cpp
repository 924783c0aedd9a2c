// ZynTextBox: the legend and frame properties, layout (placing the shown box beside the
// legend) and repaint (frame, window regions, legend).
#include <ulmaro/platform/scoped_gdi.h>

#include "framework/colors.h"
#include "framework/numeric.h"
#include "framework/runtime_error.h"
#include "textbox/zyn_text_box.h"

namespace ulmaro {

using namespace platform;

void ZynTextBox::setLegend(std::string v) {
    Legend_ = std::move(v);
    setLegendType(Legend_.empty() ? 0 : 1);
}

void ZynTextBox::setLegendType(std::int32_t v) {
    LegendType_ = v;
    Layout();
}

void ZynTextBox::setLegendAutoSize(bool v) {
    LegendAutoSize_ = v;
    Layout();
    PropertyChanged("LegendAutoSize");
}

std::int16_t ZynTextBox::LegendWidth() const {
    if (LegendAutoSize_) return static_cast<std::int16_t>(box().Left() - 1);
    return LegendWidth_;
}

void ZynTextBox::setLegendWidth(std::int16_t v) {
    LegendWidth_ = v;
    Layout();
    PropertyChanged("LegendWidth");
}

void ZynTextBox::setShowLegendBorder(bool v) {
    ShowLegendBorder_ = v;
    Repaint();
    PropertyChanged("ShowLegendBorder");
}

void ZynTextBox::setLegendAlignment(std::int32_t v) {
    LegendAlignment_ = v;
    Repaint();
}

void ZynTextBox::setRound(std::int32_t v) {
    Round_ = v;
    Repaint();
}

// A byte: values outside 0..255 overflow, as assigning them to a byte does.
void ZynTextBox::setRoundness(std::int16_t v) {
    if (v < 0 || v > 255) throw RuntimeError(errors::Overflow);
    Roundness_ = static_cast<std::uint8_t>(v);
    Repaint();
}

void ZynTextBox::setBorderColor(OLE_COLOR v) {
    BorderColor_ = v;
    Repaint();
}

void ZynTextBox::setLegendBackColor(OLE_COLOR v) {
    LegendBackColor_ = v;
    Repaint();
}

// ---- Layout ---------------------------------------------------------------------------------------------

// The prefix "Az" makes an auto-sized legend one capital and one small letter wider than
// its text.
std::int32_t ZynTextBox::HorizontalLegendLeft() {
    if (LegendAutoSize_) return RoundToLong(surface().TextWidth("Az" + Legend_)) + 1;
    return static_cast<std::int32_t>(LegendWidth_) + 13;
}

void ZynTextBox::Layout() {
    if (!Ready || !Text1[0]) return;
    Surface& s = surface();
    const std::int32_t SW = s.ScaleWidth(), SH = s.ScaleHeight();
    if (Multiline_) {
        std::int32_t x0 = 0;
        switch (LegendType_) {
            case 0:
                x0 = 1;
                break;
            case 1:
                x0 = HorizontalLegendLeft();
                break;
            // The height of the turned text becomes the legend's width.
            case 2:
                x0 = RoundToLong(s.TextHeight(Legend_) + 5);
                break;
            default:
                x0 = 0;
                break;
        }
        Text1[1]->Move(x0, 1, MaxOf(SW - x0, 1), MaxOf(SH - 1, 0));
    } else {
        const std::int32_t x0 = LegendType_ == 1 ? HorizontalLegendLeft() : 1;
        EditBox& b = *Text1[0];
        // Asked for the font's point size as its height, the box keeps at least one line of
        // its font; it is centred by the height it then reports.
        b.setHeight(RoundToLong(b.Font()->Size()));
        b.Move(x0, (SH - b.Height()) / 2, MaxOf(SW - 2 - x0, 0), b.Height());
    }
    Repaint();
}

// ---- Repaint ---------------------------------------------------------------------------------------------

namespace {

HRGN Rect(int l, int t, int r, int b) { return CreateRectRgn(l, t, r, b); }
HRGN RoundRect(int l, int t, int r, int b, int e) { return CreateRoundRectRgn(l, t, r, b, e, e); }

// dst := dst OR piece; the piece is deleted.
void Add(HRGN dst, HRGN piece) {
    CombineRgn(dst, dst, piece, RGN_OR);
    DeleteObject(piece);
}

}  // namespace

void ZynTextBox::Repaint() {
    if (!Ready || !Text1[0]) return;
    RaiseEvent("Paint");
    // The handler may have changed what is drawn, or unloaded the control.
    if (!Ready || Terminating_ || !IsWindow(surface().hWnd())) return;
    Surface& s = surface();
    HDC hdc = s.hDC();
    HWND hwnd = s.hWnd();
    const std::int32_t SW = s.ScaleWidth(), SH = s.ScaleHeight();
    const OLE_COLOR LegendFill = static_cast<OLE_COLOR>(ShadeColor(LegendBackColor_, 176, 1));

    // Regions A (the outline) and B (the interior). 2r, r - 2 and 2r + 1 are Integers.
    const std::int32_t r = Roundness_;
    const std::int16_t r2 = static_cast<std::int16_t>(2 * r), rm2 = static_cast<std::int16_t>(r - 2),
                       r2p1 = static_cast<std::int16_t>(2 * r + 1);
    const std::int32_t H = SH / 2;
    HRGN A = nullptr, B = nullptr;
    if (Round_ == 0) {
        A = Rect(0, 0, SW, SH);
        B = Rect(1, 1, SW - 1, SH - 1);
    } else if (Round_ == 15) {
        A = RoundRect(0, 0, SW + 1, SH + 1, r);
        B = RoundRect(1, 1, SW, SH, rm2);
    } else {
        A = Rect(r, 0, SW - r, SH);
        Add(A, (Round_ & 1) ? RoundRect(0, 0, r2, SH, r) : Rect(0, 0, r2, H));
        Add(A, (Round_ & 2) ? RoundRect(0, 0, r2, SH + 1, r) : Rect(0, H, r2, SH));
        Add(A, (Round_ & 4) ? RoundRect(SW - r2, 0, SW + 1, SH + 1, r) : Rect(SW - r2, 0, SW, H));
        Add(A, (Round_ & 8) ? RoundRect(SW - r2, 0, SW + 1, SH + 1, r) : Rect(SW - r2, H, SW, SH));
        B = Rect(r, 1, SW - r, SH - 1);
        Add(B, (Round_ & 1) ? RoundRect(1, 1, r2p1, SH, rm2) : Rect(1, 1, r2, H));
        Add(B, (Round_ & 2) ? RoundRect(1, 1, r2p1, SH, rm2) : Rect(1, H, r2, SH - 1));
        Add(B, (Round_ & 4) ? RoundRect(SW - r2, 1, SW, SH, rm2) : Rect(SW - r2, 1, SW - 1, H));
        Add(B, (Round_ & 8) ? RoundRect(SW - r2, 1, SW, SH, rm2) : Rect(SW - r2, H, SW - 1, SH - 1));
    }

    RECT client{};
    GetClientRect(hwnd, &client);
    {
        ScopedBrush border(CreateSolidBrush(static_cast<COLORREF>(TranslateColor(BorderColor_))));
        FillRect(hdc, &client, border);
    }
    SelectClipRgn(hdc, B);
    {
        ScopedBrush back(CreateSolidBrush(static_cast<COLORREF>(TranslateColor(BackColor_))));
        FillRect(hdc, &client, back);
    }

    // The shown box is cut to the interior, so its corners never cover the frame.
    EditBox& b = box();
    HRGN R = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(R, B, nullptr, RGN_COPY);
    OffsetRgn(R, -b.Left(), -b.Top());
    {
        ScopedRegion boxRect(CreateRectRgn(0, 0, b.Width(), b.Height()));
        CombineRgn(R, R, boxRect, RGN_AND);
    }
    SetWindowRgn(b.hWnd(), R, FALSE);
    SetWindowRgn(hwnd, A, FALSE);

    if (Multiline_ && LegendType_ == 2) {
        // Turned 90 degrees counter-clockwise: the text reads upward.
        LOGFONTA lf{};
        lf.lfHeight = -12;
        lf.lfEscapement = 900;
        ScopedFont turned(CreateFontIndirectA(&lf));
        SelectedObject selected(hdc, turned);
        const std::int32_t L = Text1[1]->Left() - 1;
        s.Line(1, 1, static_cast<float>(L), static_cast<float>(SH - 2), LegendFill, LineKind::FilledBox);
        if (ShowLegendBorder_)
            s.Line(static_cast<float>(L), 0, static_cast<float>(L), static_cast<float>(SH - 1), BorderColor_);
        s.setCurrentX((static_cast<float>(L) - s.TextHeight(Legend_)) / 2);
        s.setCurrentY(static_cast<float>(SH - 5));
        s.Print(Legend_);
    } else if (LegendType_ == 1) {
        const std::int32_t L =
            LegendAutoSize_ ? RoundToLong(s.TextWidth("Az" + Legend_)) : static_cast<std::int32_t>(LegendWidth_) + 12;
        s.Line(1, 1, static_cast<float>(L), static_cast<float>(SH - 2), LegendFill, LineKind::FilledBox);
        if (ShowLegendBorder_)
            s.Line(static_cast<float>(L), 0, static_cast<float>(L), static_cast<float>(SH - 1), BorderColor_);
        RECT rc{2, 2, L - 2, SH - 2};
        DrawTextA(hdc, Legend_.c_str(), static_cast<int>(Legend_.size()), &rc, static_cast<UINT>(LegendAlignment_));
    }
    // The next repaint fills the frame again: the interior clip goes with this one.
    SelectClipRgn(hdc, nullptr);
    DeleteObject(B);
    // The surface keeps what was drawn; the box draws itself over it.
    b.Refresh();
}

}  // namespace ulmaro
