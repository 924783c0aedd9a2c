// ZynProgressBar drawing: the two off-screen buffers (the empty control with its frame or
// ring and background gradient; the filled look as a one-pixel strip or a square), the bar
// fill in four directions, continuous or in blocks, the captions with their clip regions,
// the pie of the round type, and the window shape set on resize.
#include "progress/zyn_progress_bar.h"

#include "framework/colors.h"
#include "framework/draw_arc.h"
#include "framework/numeric.h"

#include <string>

namespace ulmaro {

using namespace platform;

namespace {

// Coordinates and sizes reach the drawing functions rounded to nearest, halves to even.
int R(double v) { return RoundToLong(v); }

// A new solid pen goes into the context; the pen it replaces is deleted.
void UsePen(HDC dc, std::int32_t color, int width) {
    DeleteObject(SelectObject(dc, CreatePen(PS_SOLID, width, static_cast<COLORREF>(color))));
}

// The last pen a buffer drew with is put back to the stock pen and deleted.
void DropPen(HDC dc) { DeleteObject(SelectObject(dc, GetStockObject(BLACK_PEN))); }

void SelectAndDeleteRegion(HDC dc, HRGN rgn) {
    SelectClipRgn(dc, rgn);
    DeleteObject(rgn);
}

}  // namespace

// The fill length (bar type): the fraction Value / (Max - Min) of the room inside the frame.
double ZynProgressBar::FillLength() const {
    const float W = static_cast<float>(surface().ScaleWidth()), H = static_cast<float>(surface().ScaleHeight());
    const double f = Value_ / (Max_ - Min_);
    return (Direction_ == DirUp || Direction_ == DirDown ? H - 4.0 : W - 4.0) * f;
}

RECT ZynProgressBar::FillRect() const {
    const float W = static_cast<float>(surface().ScaleWidth()), H = static_cast<float>(surface().ScaleHeight());
    const double L = FillLength();
    switch (Direction_) {
        case DirLeft: return RECT{R(W - 2 - L), 2, R(W - 3), R(H - 3)};
        case DirUp: return RECT{2, R(H - 2 - L), R(W - 3), R(H - 3)};
        case DirDown: return RECT{2, 2, R(W - 3), R(L)};
        default: return RECT{2, 2, R(L), R(H - 3)};
    }
}

void ZynProgressBar::ReleaseBuffers() {
    if (BackBuffer_) DeleteDC(BackBuffer_);
    if (BackBitmap_) DeleteObject(BackBitmap_);
    BackBuffer_ = nullptr;
    BackBitmap_ = nullptr;
    if (BarBuffer_) DeleteDC(BarBuffer_);
    if (BarBitmap_) DeleteObject(BarBitmap_);
    BarBuffer_ = nullptr;
    BarBitmap_ = nullptr;
}

void ZynProgressBar::Refresh() {
    if (!Ready_) return;
    if (Max_ - Min_ == 0) Max_ = Min_ + 1;
    if (LayoutDirty_) {
        CaptionText_ = Caption();
        LayoutDirty_ = false;
        ReleaseBuffers();
    }
    if (!BackBuffer_) BuildBuffers();
    const float W = static_cast<float>(surface().ScaleWidth()), H = static_cast<float>(surface().ScaleHeight());
    HDC dc = surface().hDC();
    BitBlt(dc, 0, 0, R(W), R(H), BackBuffer_, 0, 0, SRCCOPY);
    if (ProgressType_ == TypeBar) {
        DrawBarFill();
        DrawBarCaption();
    } else {
        DrawRoundFill();
    }
}

// Everything that takes a pen or a pixel per line is drawn here, once.
void ZynProgressBar::BuildBuffers() {
    ++bufferBuilds_;
    surface().Cls();
    const float W = static_cast<float>(surface().ScaleWidth()), H = static_cast<float>(surface().ScaleHeight());
    HDC dc = surface().hDC();

    BackBuffer_ = CreateCompatibleDC(dc);
    BackBitmap_ = CreateCompatibleBitmap(dc, R(W), R(H));
    DeleteObject(SelectObject(BackBuffer_, BackBitmap_));
    HDC back = BackBuffer_;

    if (ProgressType_ == TypeBar) {
        // A two-line frame: the inner line a little lighter than the back colour, the
        // outer one darker.
        UsePen(back, ShadeColor(BackColor_, 1.2, 2), 1);
        MoveToEx(back, 1, 1, nullptr);
        LineTo(back, R(W - 2), 1);
        LineTo(back, R(W - 2), R(H - 2));
        LineTo(back, 1, R(H - 2));
        LineTo(back, 1, 1);
        UsePen(back, ShadeColor(BackColor_, 0.6, 2), 1);
        MoveToEx(back, 0, 0, nullptr);
        LineTo(back, R(W - 1), 0);
        LineTo(back, R(W - 1), R(H - 1));
        LineTo(back, 0, R(H - 1));
        LineTo(back, 0, 0);
    } else {
        // A thick ring; the gradient below stays inside it.
        UsePen(back, ShadeColor(BackColor_, 0.6, 2), 3);
        Ellipse(back, 0, 0, R(W - 1), R(H - 1));
        SelectAndDeleteRegion(back, CreateEllipticRgn(1, 1, R(W - 1), R(H - 1)));
    }

    // The background darkens one step per line: across the width for the vertical
    // directions, down the height otherwise.
    if (Direction_ == DirUp || Direction_ == DirDown) {
        for (std::int32_t i = 1; i <= R(W - 3); ++i) {
            UsePen(back, ShadeColor(BackColor_, -i, 0), 1);
            MoveToEx(back, i, 1, nullptr);
            LineTo(back, i, R(H - 2));
        }
    } else {
        for (std::int32_t i = 1; i <= R(H - 3); ++i) {
            UsePen(back, ShadeColor(BackColor_, -i, 0), 1);
            MoveToEx(back, 1, i, nullptr);
            LineTo(back, R(W - 2), i);
        }
    }
    DropPen(back);

    BarBuffer_ = CreateCompatibleDC(dc);
    HDC bar = BarBuffer_;
    if (ProgressType_ == TypeBar) {
        if (Direction_ == DirUp || Direction_ == DirDown) {
            // A one-pixel row, darkening to the right.
            BarBitmap_ = CreateCompatibleBitmap(dc, R(W - 4), 1);
            DeleteObject(SelectObject(bar, BarBitmap_));
            for (std::int32_t i = 0; i <= R(W); ++i) {
                const COLORREF c = static_cast<COLORREF>(ShadeColor(BarColor_, -i, 0));
                SetPixel(bar, i, 0, c);
                SetPixel(bar, i - 1, 0, c);
            }
        } else if (Direction_ == DirRight || Direction_ == DirLeft) {
            // A one-pixel column, darkening downwards.
            BarBitmap_ = CreateCompatibleBitmap(dc, 1, R(H - 4));
            DeleteObject(SelectObject(bar, BarBitmap_));
            for (std::int32_t i = 0; i <= R(H); ++i) SetPixel(bar, 0, i, static_cast<COLORREF>(ShadeColor(BarColor_, -i, 0)));
        }
    } else {
        // A square as wide as the control, darkening downwards; the pie shows it through.
        BarBitmap_ = CreateCompatibleBitmap(dc, R(W - 4), R(W - 4));
        DeleteObject(SelectObject(bar, BarBitmap_));
        for (std::int32_t i = 1; i <= R(H - 3); ++i) {
            const std::int32_t color = ShadeColor(BarColor_, -i, 0);
            UsePen(bar, color, 1);
            MoveToEx(bar, 1, i, nullptr);
            LineTo(bar, R(W - 2), i);
            // The lines leave the first column and row out; they take their neighbours'
            // colours, so that a pie reaching the left or top edge shows no dark seam.
            SetPixel(bar, 0, i, static_cast<COLORREF>(color));
        }
        BitBlt(bar, 0, 0, R(W - 4), 1, bar, 0, 1, SRCCOPY);
        DropPen(bar);
        SelectAndDeleteRegion(back, CreateRectRgn(0, 0, R(W), R(H)));
    }
}

void ZynProgressBar::DrawBarFill() {
    const float W = static_cast<float>(surface().ScaleWidth()), H = static_cast<float>(surface().ScaleHeight());
    const double L = FillLength();
    const RECT Rc = FillRect();
    const bool vertical = Direction_ == DirUp || Direction_ == DirDown;
    const OLE_COLOR highlight = static_cast<OLE_COLOR>(ShadeColor(BarColor_, 80, 1));
    HDC dc = surface().hDC();
    Surface& s = surface();

    if (SmoothScrolling_) {
        if (vertical) {
            StretchBlt(dc, Rc.left, Rc.top, Rc.right - Rc.left, Rc.bottom - Rc.top, BarBuffer_, 0, 0, R(W - 4), 1, SRCCOPY);
            s.Line(Rc.left, Rc.top, Rc.left, Rc.bottom, highlight);
            s.Line(Rc.right, Rc.top, Rc.right, Rc.bottom, highlight);
        } else {
            StretchBlt(dc, Rc.left, Rc.top, R(L), R(H - 4), BarBuffer_, 0, 0, 1, R(H - 4), SRCCOPY);
            s.Line(Rc.left, Rc.top, Rc.right, Rc.top, highlight);
            s.Line(Rc.left, Rc.bottom, Rc.right, Rc.bottom, highlight);
        }
        return;
    }

    // Blocks B pixels long with a one-pixel gap. The vertical size comes from the room
    // inside the frame, the horizontal one from the whole width.
    const std::int32_t span = vertical ? R(H - 4) : R(W);
    const float side = vertical ? H : W;
    std::int32_t B = span / (side < 50 ? 5 : side < 100 ? 10 : 20);
    double start, end, step;
    switch (Direction_) {
        case DirLeft:
            start = R(W - 4 - B), end = R(W - 4 - L - B), step = R(-(B + 1.0));
            break;
        case DirUp:
            start = R(H - 4 - B), end = R(H - 4 - L - B), step = R(-(B + 1.0));
            break;
        default:
            start = 2, end = R(L), step = R(B + 1.0);
            break;
    }
    for (double p = start; step > 0 ? p <= end : p >= end; p += step) {
        if (vertical) {
            // The block that would run past the frame is cut to end at it.
            if (static_cast<float>(H - 4) < static_cast<float>(B + p)) B = R(H - 2 - p);
            StretchBlt(dc, Rc.left, R(p), R(W - 4), B, BarBuffer_, 0, 0, R(W - 4), 1, SRCCOPY);
            s.Line(Rc.left, static_cast<float>(p), Rc.left, static_cast<float>(p + B), highlight);
            s.Line(Rc.right, static_cast<float>(p), Rc.right, static_cast<float>(p + B), highlight);
        } else {
            if (static_cast<float>(W - 4) < static_cast<float>(B + p) && Direction_ == DirRight) B = R(W - 2 - p);
            StretchBlt(dc, R(p), Rc.top, B, R(H - 4), BarBuffer_, 0, 0, 1, R(H - 4), SRCCOPY);
            s.Line(static_cast<float>(p), Rc.top, static_cast<float>(p + B), Rc.top, highlight);
            s.Line(static_cast<float>(p), Rc.bottom, static_cast<float>(p + B), Rc.bottom, highlight);
        }
    }
}

void ZynProgressBar::DrawCaptionText(RECT& T) {
    DrawTextA(surface().hDC(), CaptionText_.c_str(), static_cast<int>(CaptionText_.size()), &T,
              static_cast<UINT>(CaptionAlignment_));
}

void ZynProgressBar::DrawBarCaption() {
    if (!ShowCaption_) return;
    const float W = static_cast<float>(surface().ScaleWidth()), H = static_cast<float>(surface().ScaleHeight());
    RECT T;
    SetRect(&T, 2, 2, R(W - 4), R(H - 4));
    // Over blocks the caption always takes the caption colour, and it stays in place.
    if (!SmoothScrolling_ || UseCaptionColor_) {
        surface().setForeColor(static_cast<OLE_COLOR>(TranslateColor(CaptionColor_)));
        DrawCaptionText(T);
        return;
    }
    // Two colours: the letters over the filled part take the back colour, those over the
    // empty part the bar colour. Each pass draws the whole caption clipped to its side.
    OffsetRect(&T, CaptionOffsetX_, CaptionOffsetY_);
    const double L = FillLength();
    struct Pass {
        RECT clip;
        OLE_COLOR color;
    };
    Pass passes[2];
    switch (Direction_) {
        case DirLeft:
            passes[0] = {RECT{0, 0, R(W - 2 - L), R(H)}, BarColor_};
            passes[1] = {RECT{R(W - 2 - L), 0, R(W), R(H)}, BackColor_};
            break;
        case DirUp:
            passes[0] = {RECT{0, 0, R(W), R(H - 2 - L)}, BarColor_};
            passes[1] = {RECT{0, R(H - 2 - L), R(W), R(H)}, BackColor_};
            break;
        case DirDown:
            passes[0] = {RECT{0, 0, R(W), R(L)}, BackColor_};
            passes[1] = {RECT{0, R(L), R(W), R(H)}, BarColor_};
            break;
        default:
            passes[0] = {RECT{0, 0, R(L), R(H)}, BackColor_};
            passes[1] = {RECT{R(L), 0, R(W), R(H)}, BarColor_};
            break;
    }
    HDC dc = surface().hDC();
    for (const Pass& pass : passes) {
        HRGN clip = CreateRectRgn(pass.clip.left, pass.clip.top, pass.clip.right, pass.clip.bottom);
        SelectClipRgn(dc, clip);
        surface().setForeColor(pass.color);
        DrawCaptionText(T);
        DeleteObject(clip);
    }
    SelectAndDeleteRegion(dc, CreateRectRgn(0, 0, R(W), R(H)));
}

// The pie is a path (centre, arc, back to the centre) turned into a region: the filled look
// shows through it, and the caption is drawn twice, once clipped to the pie and once to the
// rest of the control, each in the colour that stands out on its side.
void ZynProgressBar::DrawRoundFill() {
    const float W = static_cast<float>(surface().ScaleWidth()), H = static_cast<float>(surface().ScaleHeight());
    const double A = Value_ * 360 / (Max_ - Min_);
    HDC dc = surface().hDC();
    const int cx = R(W / 2), cy = R(H / 2);
    BeginPath(dc);
    MoveToEx(dc, cx, cy, nullptr);
    DrawArc(dc, cx, cy, R(W / 2), static_cast<float>(StartAngle_),
            static_cast<float>(Direction_ == DirCounterClockWise ? -A : A));
    LineTo(dc, cx, cy);
    EndPath(dc);
    HRGN pie = PathToRegion(dc);
    SelectClipRgn(dc, pie);

    BitBlt(dc, 0, 0, R(W), R(H), BarBuffer_, 0, 0, SRCCOPY);
    RECT T;
    SetRect(&T, 2, 2, R(W - 4), R(H - 4));
    surface().setForeColor(static_cast<OLE_COLOR>(TranslateColor(UseCaptionColor_ ? CaptionColor_ : BackColor_)));
    DrawCaptionText(T);

    HRGN full = CreateRectRgn(0, 0, R(W), R(H));
    HRGN rest = CreateRectRgn(0, 0, R(W), R(H));
    CombineRgn(rest, full, pie, RGN_DIFF);
    SelectClipRgn(dc, rest);
    DeleteObject(pie);
    DeleteObject(rest);
    SetRect(&T, 2, 2, R(W - 4), R(H - 4));
    surface().setForeColor(static_cast<OLE_COLOR>(TranslateColor(UseCaptionColor_ ? CaptionColor_ : BarColor_)));
    DrawCaptionText(T);
    SelectAndDeleteRegion(dc, full);
}

// The window takes the control's shape: an ellipse for the round type, which also keeps its
// height equal to its width, a rectangle otherwise. The window owns the region.
void ZynProgressBar::Resize() {
    LayoutDirty_ = true;
    const float W = static_cast<float>(surface().ScaleWidth()), H = static_cast<float>(surface().ScaleHeight());
    if (ProgressType_ == TypeRound) {
        SetWindowRgn(surface().hWnd(), CreateEllipticRgn(0, 0, R(W - 1), R(H - 1)), TRUE);
        if (surface().Height() != surface().Width()) surface().setHeight(surface().Width());
    } else {
        SetWindowRgn(surface().hWnd(), CreateRectRgn(0, 0, R(W - 1), R(H - 1)), TRUE);
    }
    Refresh();
}

}  // namespace ulmaro
