// ZynListBox drawing. A full rebuild draws the shaded list background, the title bar, the
// scroll-bar body and the frame, and keeps a copy of them off screen; every redraw then
// starts from that copy and adds the selection, the item texts, the pressed arrow, the thumb
// and the corner marks.
#include "listbox/title_bar.h"
#include "listbox/zyn_list_box.h"

#include "framework/colors.h"
#include "framework/numeric.h"
#include "framework/variant.h"

namespace ulmaro {

using namespace platform;

namespace {

OLE_COLOR Shade(OLE_COLOR c, double amount, double mode) { return static_cast<OLE_COLOR>(ShadeColor(c, amount, mode)); }

// From the item texts on, a failing step is skipped and drawing goes on with the next one.
template <class F>
void ResumeNext(F&& step) {
    try {
        step();
    } catch (const RuntimeError&) {
    }
}

}  // namespace

void ZynListBox::Paint() {
    if (!IsShown_) return;
    Surface& s = surface();
    s.Cls();
    const OLE_COLOR AccentShade = AccentShadeOf(BorderColor_);
    // Texts are drawn in the control's font; the symbol font goes back on the surface at the
    // end (the layout step measures the title with it).
    s.setFont(Font());
    const std::int32_t R = 2 * toInteger(Font()->Size());
    if (!BackgroundDirty_ && CacheDC_) {
        BitBlt(s.hDC(), 0, 0, s.ScaleWidth(), s.ScaleHeight(), CacheDC_, 0, 0, SRCCOPY);
    } else {
        RebuildBackground(AccentShade);
    }
    DrawSelection(AccentShade, R);
    DrawItemTexts(R);
    s.setFont(SymbolFont_);
    if (ScrollNeeded_) {
        if (UpPressed_) {
            s.setForeColor(BackColor_);
            PrintArrow("5", static_cast<float>(TitleHeight_));
        } else if (DownPressed_) {
            s.setForeColor(BackColor_);
            PrintArrow("6", static_cast<float>(s.ScaleHeight()) - 18);
        }
        DrawThumb(AccentShade);
    }
    if (Round_) DrawCornerMarks(s.hDC(), static_cast<float>(s.ScaleWidth()), static_cast<float>(s.ScaleHeight()), BorderColor_);
    BackgroundDirty_ = false;
}

void ZynListBox::RebuildBackground(OLE_COLOR AccentShade) {
    Surface& s = surface();
    const float SW = static_cast<float>(s.ScaleWidth()), SH = static_cast<float>(s.ScaleHeight());
    const OLE_COLOR ListShade = Shade(static_cast<OLE_COLOR>(TranslateColor(BackColor_)), 48, 0);

    // The list darkens toward the bottom by 25 steps over its height.
    const double step = 25.0 / MaxOf<double>(SH - TitleHeight_, 1);
    for (std::int32_t y = toInteger(TitleHeight_); y <= toInteger(SH); ++y)
        s.Line(0, static_cast<float>(y), SW, static_cast<float>(y), Shade(ListShade, -step * y, 0), LineKind::FilledBox);

    DrawTitleGradient(s.hDC(), SW, TitleHeight_, BorderColor_, AccentShade);
    s.setForeColor(TitleForeColor_);
    DrawTitleIconAndCaption(s, TitleContent{Caption_, Icon_, UseMask_, MaskColor_, TitleHeight_});

    if (ScrollNeeded_) DrawScrollBarBody(AccentShade);

    // The title separator is drawn even without a title: it then lies on the top frame line.
    s.Line(0, 0, SW - 1, SH - 1, BorderColor_, LineKind::Box);
    s.Line(0, static_cast<float>(TitleHeight_), SW - 1, static_cast<float>(TitleHeight_), BorderColor_);

    // The copy follows the control's size: a control that grew gets a new, larger copy, so
    // that the cached background never shows a stale strip.
    const int w = s.ScaleWidth(), h = s.ScaleHeight();
    if (CacheDC_ && (w != CacheWidth_ || h != CacheHeight_)) ReleaseCache();
    if (!CacheDC_) {
        CacheDC_ = CreateCompatibleDC(s.hDC());
        CacheBitmap_ = CreateCompatibleBitmap(s.hDC(), w, h);
        CacheOldBitmap_ = SelectObject(CacheDC_, CacheBitmap_);
        CacheWidth_ = w;
        CacheHeight_ = h;
    }
    BitBlt(CacheDC_, 0, 0, w, h, s.hDC(), 0, 0, SRCCOPY);
    s.setFont(Font());
}

void ZynListBox::ReleaseCache() {
    if (CacheDC_) {
        SelectObject(CacheDC_, CacheOldBitmap_);
        DeleteDC(CacheDC_);
    }
    if (CacheBitmap_) DeleteObject(CacheBitmap_);
    CacheDC_ = nullptr;
    CacheBitmap_ = nullptr;
    CacheOldBitmap_ = nullptr;
    CacheWidth_ = CacheHeight_ = 0;
}

// The arrows are letters of the symbol font, centred in the 15-pixel strip.
void ZynListBox::PrintArrow(const char* arrow, float y) {
    Surface& s = surface();
    const float SW = static_cast<float>(s.ScaleWidth());
    s.setCurrentX((SW - 14.5f) + (15 - s.TextWidth(arrow)) / 2);
    s.setCurrentY(y);
    s.Print(arrow);
}

void ZynListBox::DrawScrollBarBody(OLE_COLOR AccentShade) {
    Surface& s = surface();
    const float SW = static_cast<float>(s.ScaleWidth()), SH = static_cast<float>(s.ScaleHeight());
    const float TH = static_cast<float>(TitleHeight_);
    const OLE_COLOR Edge192 = Shade(BorderColor_, 192, 1), Edge208 = Shade(BorderColor_, 208, 1);
    s.setFont(SymbolFont_);
    s.Line(SW - 15, TH, SW - 15, SH - 1, BorderColor_);
    UpArrowRect_ = RECT{RoundToLong(SW - 15), TitleHeight_, RoundToLong(SW - 1), TitleHeight_ + 15};
    DownArrowRect_ = RECT{RoundToLong(SW - 15), RoundToLong(SH - 17), RoundToLong(SW - 1), RoundToLong(SH - 1)};
    s.Line(SW - 14, TH + 1, SW - 2, TH + 15, AccentShade, LineKind::FilledBox);
    s.Line(SW - 14, SH - 16, SW - 2, SH - 2, AccentShade, LineKind::FilledBox);
    s.Line(SW - 15, TH + 16, SW - 1, SH - 17, BorderColor_, LineKind::Box);

    const RECT& U = UpArrowRect_;
    s.Line(SW - 2, U.top + 1.0f, SW - 2, static_cast<float>(U.bottom), Edge192);
    s.Line(SW - 3, U.top + 1.0f, SW - 3, U.bottom - 1.0f, Edge208);
    s.Line(SW - 14, U.bottom - 1.0f, SW - 2, U.bottom - 1.0f, Edge192);
    const RECT& D = DownArrowRect_;
    s.Line(SW - 2, D.top + 1.0f, SW - 2, D.bottom - 1.0f, Edge192);
    s.Line(SW - 3, D.top + 1.0f, SW - 3, D.bottom - 2.0f, Edge208);
    s.Line(SW - 14, D.bottom - 2.0f, SW - 2, D.bottom - 2.0f, Edge192);

    s.setForeColor(BorderColor_);
    PrintArrow("5", TH);
    PrintArrow("6", SH - 18);
}

void ZynListBox::DrawSelection(OLE_COLOR AccentShade, std::int32_t R) {
    Surface& s = surface();
    const float SW = static_cast<float>(s.ScaleWidth());
    const float m = ScrollNeeded_ ? 14.0f : 0.0f;
    auto rowTop = [&](std::int32_t i) { return static_cast<float>(TitleHeight_ + R * i - R * TopIndex_); };
    if (!MultiSelect_) {
        if (ListIndex_ == -1 || ListIndex_ < TopIndex_) return;
        const float top = rowTop(ListIndex_);
        s.Line(1, top, SW - 2 - m, top + R, AccentShade, LineKind::FilledBox);
        s.Line(1, top, SW - m, top, BorderColor_);
        s.Line(1, top + R, SW - m, top + R, BorderColor_);
        return;
    }
    // Nothing is highlighted while no item is current. Adjacent selected items make one
    // block, outlined above its first and below its last item.
    if (ListIndex_ == -1) return;
    const std::int32_t last = MinOf<std::int32_t>(ListCount_ - 1, TopIndex_ + VisibleRows_);
    for (std::int32_t i = TopIndex_; i <= last; ++i) {
        if (!Selected(i)) continue;
        const float top = rowTop(i);
        s.Line(1, top, SW - 2 - m, top + R, AccentShade, LineKind::FilledBox);
        if (i > 0 && !Selected(i - 1)) s.Line(1, top, SW - m, top, BorderColor_);
        if (i == 0) s.Line(1, top, SW - 2 - m, top, BorderColor_);
        if (i == ListCount_ - 1 || !Selected(i + 1)) s.Line(1, top + R, SW - 1 - m, top + R, BorderColor_);
    }
}

// Rows past the bottom of the surface would only be clipped away: the loop stops at the
// first of them, so a long list costs no more to draw than a short one.
void ZynListBox::DrawItemTexts(std::int32_t R) {
    Surface& s = surface();
    s.setForeColor(ForeColor_);
    const float SH = static_cast<float>(s.ScaleHeight());
    for (std::int32_t i = TopIndex_; i <= ListCount_ - 1; ++i) {
        const float y = static_cast<float>(TitleHeight_ + 2 + R * (i - TopIndex_));
        if (y >= SH) break;
        ResumeNext([&] {
            s.setCurrentY(y);
            s.setCurrentX(5);
            s.Print(List(i));
        });
    }
}

void ZynListBox::DrawThumb(OLE_COLOR AccentShade) {
    Surface& s = surface();
    const float SW = static_cast<float>(s.ScaleWidth()), SH = static_cast<float>(s.ScaleHeight());
    // The track runs between the two 17-pixel buttons; the thumb's length and position are
    // the visible share and the scrolled share of the list.
    std::int16_t TL = 0, TP = 0;
    const double track = SH - 34.0 - TitleHeight_;
    ResumeNext([&] { TL = toInteger(track * VisibleRows_ / ListCount_); });
    ResumeNext([&] { TP = toInteger(track * TopIndex_ / ListCount_); });
    ThumbRect_ = RECT{RoundToLong(SW - 15), TitleHeight_ + 16 + TP, RoundToLong(SW - 1), TitleHeight_ + 17 + TP + TL};
    const RECT& T = ThumbRect_;
    const float top = static_cast<float>(T.top), bottom = static_cast<float>(T.bottom);
    s.Line(SW - 15, top, SW - 1, bottom, AccentShade, LineKind::FilledBox);
    s.Line(SW - 15, top, SW - 1, bottom, BorderColor_, LineKind::Box);
    s.Line(SW - 2, top + 1, SW - 2, bottom - 1, Shade(BorderColor_, 192, 1));
    s.Line(SW - 3, top + 1, SW - 3, bottom - 2, Shade(BorderColor_, 208, 1));
    s.Line(SW - 14, bottom - 2, SW - 2, bottom - 2, Shade(BorderColor_, 192, 1));
}

}  // namespace ulmaro
