// ZynCommand drawing: Refresh repaints the whole button from its state.
#include "zyn_command.h"

#include "framework/blit_transparent.h"
#include "framework/colors.h"
#include "framework/numeric.h"

#include <ulmaro/platform/scoped_gdi.h>

namespace ulmaro {

using namespace platform;

namespace {

// Shade adds n to each channel; Lighten moves each channel toward white by n.
OLE_COLOR Shade(OLE_COLOR c, double n) { return static_cast<OLE_COLOR>(ShadeColor(c, n, 0)); }
OLE_COLOR Lighten(OLE_COLOR c, double n) { return static_cast<OLE_COLOR>(ShadeColor(c, n, 1)); }
OLE_COLOR Translate(OLE_COLOR c) { return static_cast<OLE_COLOR>(TranslateColor(c)); }
std::int32_t Round(double v) { return static_cast<std::int32_t>(roundHalfEven(v)); }

}  // namespace

void ZynCommand::Refresh() {
    if (!IsReady_) return;
    surface().Cls();
    if (ButtonType_ == WindowsXp)
        DrawWindowsXp();
    else if (ButtonType_ == OfficeXp)
        DrawOfficeXp();
    DrawButtonPicture();
}

void ZynCommand::DrawWindowsXp() {
    Surface& s = surface();
    const OLE_COLOR FaceColor = Shade(Translate(BackColor_), 48);
    const OLE_COLOR PressedColor = Shade(FaceColor, -32);
    auto SW = [&] { return static_cast<float>(s.ScaleWidth()); };
    auto SH = [&] { return static_cast<float>(s.ScaleHeight()); };
    auto line = [&](float x1, float y1, float x2, float y2, OLE_COLOR c) { s.Line(x1, y1, x2, y2, c); };
    auto pset = [&](float x, float y, OLE_COLOR c) { s.PSet(x, y, c); };

    // The rounded corners, marked in the face colour, become see-through through the mask.
    const float corner[8][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 1}};
    for (const auto& p : corner) {
        pset(p[0], p[1], FaceColor);
        pset(SW() - 1 - p[0], p[1], FaceColor);
        pset(p[0], SH() - 1 - p[1], FaceColor);
        pset(SW() - 1 - p[0], SH() - 1 - p[1], FaceColor);
    }
    s.setMaskPicture(s.Image());
    s.setMaskColor(FaceColor);
    s.setBackStyle(0);

    if (Enabled_ && !Value_) {
        for (int i = 1; i <= static_cast<int>(SH()); ++i)
            s.Line(0, static_cast<float>(i), SW(), static_cast<float>(i), Shade(FaceColor, -25.0 * i / SH()),
                   LineKind::FilledBox);
        auto frame = [&](OLE_COLOR box, OLE_COLOR bottom, OLE_COLOR top, OLE_COLOR top2, OLE_COLOR left, OLE_COLOR right) {
            s.Line(1, 2, SW() - 2, SH() - 3, box, LineKind::Box);
            line(2, SH() - 2, SW() - 2, SH() - 2, bottom);
            line(2, 1, SW() - 2, 1, top);
            line(1, 2, SW() - 1, 2, top2);
            line(2, 3, 2, SH() - 3, left);
            line(SW() - 3, 3, SW() - 3, SH() - 3, right);
        };
        if (IsOver_) {
            frame(0x31B2FF, 0x0096E7, 0xCEF3FF, 0x8CDBFF, 0x6BCBFF, 0x6BCBFF);
        } else if ((HasFocus_ || Ambient().DisplayAsDefault) && MustDrawFocus_) {
            frame(0xE7AE8C, 0xEF826B, 0xFFE7CE, 0xF7D7BD, 0xF0D1B5, 0xF0D1B5);
        } else {
            line(2, SH() - 2, SW() - 2, SH() - 2, Shade(FaceColor, -48));
            line(1, SH() - 3, SW() - 2, SH() - 3, Shade(FaceColor, -32));
            line(SW() - 2, 2, SW() - 2, SH() - 2, Shade(FaceColor, -36));
            line(SW() - 3, 3, SW() - 3, SH() - 3, Shade(FaceColor, -24));
            line(1, 1, SW() - 2, 1, Shade(FaceColor, 16));
            line(1, 2, SW() - 2, 2, Shade(FaceColor, 10));
            line(1, 2, 1, SH() - 2, Shade(FaceColor, -5));
            line(2, 3, 2, SH() - 3, Shade(FaceColor, -10));
        }
        DrawCaption(Translate(ForeColor_));
    }
    if (Enabled_ && Value_) {
        for (int i = 1; i <= static_cast<int>(SH()); ++i)
            line(0, SH() - i, SW(), SH() - i, Shade(PressedColor, -25.0 * i / SH()));
        OLE_COLOR back = Ambient().BackColor;
        pset(0, 0, back);
        pset(0, SH() - 1, back);
        pset(SW() - 1, 0, back);
        pset(SW() - 1, SH() - 1, back);
        line(2, SH() - 2, SW() - 2, SH() - 2, Shade(PressedColor, 16));
        line(1, SH() - 3, SW() - 2, SH() - 3, Shade(PressedColor, 10));
        line(SW() - 2, 2, SW() - 2, SH() - 2, Shade(PressedColor, 5));
        line(SW() - 3, 3, SW() - 3, SH() - 3, FaceColor);
        line(2, 1, SW() - 2, 1, Shade(PressedColor, -32));
        line(1, 2, SW() - 2, 2, Shade(PressedColor, -24));
        line(1, 2, 1, SH() - 2, Shade(PressedColor, -32));
        line(2, 2, 2, SH() - 2, Shade(PressedColor, -22));
        DrawCaption(Translate(ForeColor_));
    }
    if (!Enabled_) {
        s.Line(0, 0, SW() - 1, SH() - 1, Shade(FaceColor, -24), LineKind::FilledBox);
        OLE_COLOR dot = Shade(FaceColor, -72);
        pset(1, 1, dot);
        pset(1, SH() - 2, dot);
        pset(SW() - 2, 1, dot);
        pset(SW() - 2, SH() - 2, dot);
        DrawCaption(Shade(FaceColor, -104));
    }
    // The border and the pixels that round its corners.
    const OLE_COLOR border = 0x733C00;
    s.Line(0, 0, SW() - 1, SH() - 1, border, LineKind::Box);
    const float round[16][2] = {{2, 1},          {3, 1},          {1, 2},          {1, 3},
                                {2, SH() - 2},   {3, SH() - 2},   {1, SH() - 3},   {1, SH() - 4},
                                {SW() - 4, 1},   {SW() - 3, 1},   {SW() - 2, 2},   {SW() - 2, 3},
                                {SW() - 4, SH() - 2}, {SW() - 3, SH() - 2}, {SW() - 2, SH() - 3}, {SW() - 2, SH() - 4}};
    for (const auto& p : round) pset(p[0], p[1], border);
}

void ZynCommand::DrawOfficeXp() {
    Surface& s = surface();
    const OLE_COLOR Over = Translate(OfficeOverColor_);
    const OLE_COLOR OverLight = Lighten(Over, 176);
    const float SW = static_cast<float>(s.ScaleWidth()), SH = static_cast<float>(s.ScaleHeight());
    if (!Enabled_) {
        s.Line(0, 0, SW - 1, SH - 1, BackColor_, LineKind::FilledBox);
        DrawCaption(Shade(BackColor_, -104));
        return;
    }
    if (Value_) {
        s.setBackStyle(1);
        s.Line(0, 0, SW - 1, SH - 1, Lighten(Over, 128), LineKind::FilledBox);
        DrawCaption(Translate(ForeColor_));
        s.Line(0, 0, SW - 1, SH - 1, Over, LineKind::Box);
    } else if (IsOver_) {
        s.Line(0, 0, SW - 1, SH - 1, OverLight, LineKind::FilledBox);
        s.Line(0, 0, SW - 1, SH - 1, Over, LineKind::Box);
        DrawCaption(Translate(ForeColor_));
        s.setBackStyle(1);
    } else {
        s.Line(0, 0, SW - 1, SH - 1, BackColor_, LineKind::FilledBox);
        DrawCaption(Translate(ForeColor_));
        if (BackStyle_ != 0) {
            s.setBackStyle(1);
        } else {
            // Only the caption and the picture stay visible.
            DrawButtonPicture();
            s.setMaskPicture(s.Image());
            s.setMaskColor(BackColor_);
            s.setBackStyle(0);
        }
    }
    if (HasFocus_) DrawFocusRectangle();
}

void ZynCommand::DrawCaption(OLE_COLOR color) {
    surface().setForeColor(color);
    RECT r = GetCaptionRect();
    DrawTextA(surface().hDC(), Caption_.c_str(), static_cast<int>(Caption_.size()), &r, DT_CENTER);
}

int ZynCommand::PictureWidth() const {
    return Picture_ ? Round(surface().ScaleX(Picture_->Width(), 8, 3)) : 0;
}

int ZynCommand::PictureHeight() const {
    return Picture_ ? Round(surface().ScaleY(Picture_->Height(), 8, 3)) : 0;
}

RECT ZynCommand::GetCaptionRect() {
    Surface& s = surface();
    const double SW = s.ScaleWidth(), SH = s.ScaleHeight();
    const double TW = s.TextWidth(Caption_), TH = s.TextHeight(Caption_);
    const double PW = PictureWidth();
    double left;
    if (!Picture_)
        left = CenterText_ ? (SW - 4 - TW) / 2 + 2 : 10;
    else if (!CenterText_)
        left = PW + 20;
    else if (CenterPicture_)
        left = (SW - 4 - TW - PW - 10) / 2 + PW + 12;
    else
        left = MaxOf((SW - 4 - TW) / 2 + 2, PW + 20);
    std::int32_t Left = Round(left);
    std::int32_t Top = Round((SH - 4 - TH) / 2 + 2);
    if (Value_) {
        ++Left;
        ++Top;
    }
    return RECT{Left, Top, Left + static_cast<LONG>(TW), Top + static_cast<LONG>(TH)};
}

void ZynCommand::DrawButtonPicture() {
    if (!Picture_) return;
    Surface& s = surface();
    const double SW = s.ScaleWidth(), SH = s.ScaleHeight();
    const double PW = PictureWidth(), PH = PictureHeight();
    const double TW = Caption_.empty() ? 0 : s.TextWidth(Caption_) + 10;
    std::int32_t X = CenterPicture_ ? Round(((SW - 4 - PW) - TW) / 2 + 2) : 10;
    std::int32_t Y = Round((SH - 4 - PH) / 2 + 2);
    if (Value_) {
        ++X;
        ++Y;
    }
    BlitButtonPicture(X, Y);
}

void ZynCommand::BlitButtonPicture(std::int32_t X, std::int32_t Y) {
    HDC surfaceDc = surface().hDC();
    std::int32_t PW = PictureWidth(), PH = PictureHeight();
    MemoryDC picDc(surfaceDc);
    SelectedObject pictureIn(picDc, Picture_->Handle());
    const BLENDFUNCTION faded{AC_SRC_OVER, 0, 100, 0};
    if (UseMask_) {
        MemoryDC workDc(surfaceDc);
        ScopedBitmap work(CreateCompatibleBitmap(surfaceDc, PW, PH));
        SelectedObject workIn(workDc, work);
        HDC workHdc = workDc;  // BlitTransparent takes its contexts by reference
        BitBlt(workDc, 0, 0, PW, PH, picDc, 0, 0, SRCCOPY);
        std::int32_t zero = 0;
        if (Enabled_) {
            std::int32_t mask = TranslateColor(MaskColor_);
            BlitTransparent(surfaceDc, X, Y, PW, PH, workHdc, zero, zero, mask);
        } else {
            // Find where the mask colour sits in the picture, fade the picture onto the back
            // colour, and use the faded colour found there as the mask.
            const COLORREF maskColor = static_cast<COLORREF>(TranslateColor(MaskColor_));
            std::int32_t fx = PW + 1, fy = PH + 1;
            bool found = false;
            for (std::int32_t x = 0; x <= PW && !found; ++x)
                for (std::int32_t y = 0; y <= PH && !found; ++y)
                    if (GetPixel(picDc, x, y) == maskColor) {
                        fx = x;
                        fy = y;
                        found = true;
                    }
            ScopedBrush brush(CreateSolidBrush(static_cast<COLORREF>(TranslateColor(BackColor_))));
            RECT all{0, 0, PW, PH};
            FillRect(workDc, &all, brush);
            AlphaBlend(workDc, 0, 0, PW, PH, picDc, 0, 0, PW, PH, faded);
            // Without a mask-coloured pixel the position lies outside the picture, where the
            // platform answers CLR_INVALID, a colour no pixel has: nothing is see-through.
            if (found) {
                std::int32_t mask = static_cast<std::int32_t>(GetPixel(workDc, fx, fy));
                BlitTransparent(surfaceDc, X, Y, PW, PH, workHdc, zero, zero, mask);
            } else {
                BitBlt(surfaceDc, X, Y, PW, PH, workDc, 0, 0, SRCCOPY);
            }
        }
    } else if (Enabled_) {
        BitBlt(surfaceDc, X, Y, PW, PH, picDc, 0, 0, SRCCOPY);
    } else {
        AlphaBlend(surfaceDc, X, Y, PW, PH, picDc, 0, 0, PW, PH, faded);
    }
}

void ZynCommand::DrawFocusRectangle() {
    if (!MustDrawFocus_) return;
    RECT r{};
    GetClientRect(surface().hWnd(), &r);
    InflateRect(&r, -4, -4);
    DrawFocusRect(surface().hDC(), &r);
}

}  // namespace ulmaro
