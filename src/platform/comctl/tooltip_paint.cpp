// The tip's size, place and picture. A rectangular tip is a box with a one-pixel frame; a
// balloon is a rounded body with a stem whose point touches the pointer (or the middle of
// the tool's lower edge, or the tracking position). An optional title line, in bold with
// the standard icon before it, sits above the text. The tip keeps inside the top-level
// window of its tool, which is this host's screen, and turns above its point when there is
// no room below.
#include "tooltip.h"

#include <ulmaro/platform/scoped_gdi.h>

#include <algorithm>

namespace ulmaro::platform::comctl {

namespace {

// Insets from the frame to the text: a rectangular tip is snug, a balloon roomy.
constexpr int kTipPadX = 3, kTipPadY = 2;
constexpr int kBalloonPadX = 10, kBalloonPadY = 8;
constexpr int kIconSize = 16;
constexpr int kIconGap = 6;    // between the icon and the title
constexpr int kTitleGap = 6;   // between the title line and the text
constexpr int kCorner = 16;    // the balloon's corner ellipse
constexpr int kStem = 14;      // the stem's height and width
constexpr int kStemInset = 16; // from the body's edge to the stem's point
constexpr int kCentredGap = 2; // between a centred rectangular tip and its tool

HWND topLevelOf(HWND h) {
    while (HWND p = GetParent(h)) h = p;
    return h;
}

SIZE measure(HDC dc, HFONT font, const std::string& s, UINT flags, int maxWidth) {
    if (s.empty()) return SIZE{0, 0};
    SelectedObject sel(dc, font);
    RECT r{0, 0, maxWidth > 0 ? maxWidth : 0, 0};
    DrawTextA(dc, s.c_str(), static_cast<int>(s.size()), &r, flags | DT_CALCRECT);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

}  // namespace

ToolTip::Layout ToolTip::layout(const std::string& text) const {
    const bool balloon = (style_ & TTS_BALLOON) != 0;
    const int padX = (balloon ? kBalloonPadX : kTipPadX) + 1;  // the frame is one pixel
    const int padY = (balloon ? kBalloonPadY : kTipPadY) + 1;
    WindowDC screen(nullptr);
    MemoryDC dc(screen);
    UINT flags = (style_ & TTS_NOPREFIX) ? DT_NOPREFIX : 0;
    if (maxWidth_ >= 0) flags |= DT_WORDBREAK;
    SIZE t = measure(dc, font(), text, flags, maxWidth_);
    Layout l;
    int titleW = 0, titleH = 0;
    SIZE tt{0, 0};
    const bool hasIcon = !title_.empty() && icon_ >= TTI_INFO && icon_ <= TTI_ERROR;
    if (!title_.empty()) {
        tt = measure(dc, titleFont_, title_, DT_SINGLELINE | DT_NOPREFIX, 0);
        titleW = tt.cx + (hasIcon ? kIconSize + kIconGap : 0);
        titleH = std::max<int>(tt.cy, hasIcon ? kIconSize : 0);
    }
    const int left = padX + margin_.left, top = padY + margin_.top;
    int y = top;
    if (!title_.empty()) {
        if (hasIcon) l.icon = RECT{left, y + (titleH - kIconSize) / 2, left + kIconSize, y + (titleH - kIconSize) / 2 + kIconSize};
        int tx = left + (hasIcon ? kIconSize + kIconGap : 0);
        l.title = RECT{tx, y + (titleH - tt.cy) / 2, tx + tt.cx, y + (titleH - tt.cy) / 2 + tt.cy};
        y += titleH + (text.empty() ? 0 : kTitleGap);
    }
    l.text = RECT{left, y, left + t.cx, y + t.cy};
    int width = std::max<int>(titleW, t.cx) + left + padX + margin_.right;
    int height = y + t.cy + padY + margin_.bottom;
    // A balloon leaves room for its stem beside the rounded corners.
    if (balloon) width = std::max(width, 2 * kStemInset + kStem);
    l.body = SIZE{width, height};
    return l;
}

void ToolTip::place(const Layout& l, POINT at, const RECT& avoid, bool centred, bool tracking) {
    const bool balloon = (style_ & TTS_BALLOON) != 0;
    RECT work{};
    HWND toolWindow = showing_ >= 0 ? tools_[static_cast<std::size_t>(showing_)].window() : nullptr;
    if (!IsWindow(toolWindow) || !GetWindowRect(topLevelOf(toolWindow), &work)) work = RECT{-32768, -32768, 32767, 32767};
    const int w = l.body.cx, bh = l.body.cy;
    stem_.clear();
    RECT win{};
    if (!balloon) {
        int x = centred ? at.x - w / 2 : at.x;
        int y = tracking ? at.y : avoid.bottom + (centred ? kCentredGap : 0);
        if (!tracking && y + bh > work.bottom) y = avoid.top - bh - (centred ? kCentredGap : 0);
        x = std::max<int>(std::min<int>(x, work.right - w), work.left);
        y = std::max<int>(std::min<int>(y, work.bottom - bh), work.top);
        win = RECT{x, y, x + w, y + bh};
        bodyAt_ = POINT{0, 0};
    } else {
        // The body hangs below the point, its stem rising to it; without room below it
        // stands above, the stem hanging down.
        const bool below = at.y + kStem + bh <= work.bottom || at.y - kStem - bh < work.top;
        int x = centred ? at.x - w / 2 : at.x - kStemInset;
        x = std::max<int>(std::min<int>(x, work.right - w), work.left);
        const int y = below ? at.y : at.y - kStem - bh;
        win = RECT{x, y, x + w, y + bh + kStem};
        bodyAt_ = POINT{0, below ? kStem : 0};
        // The stem's upright edge faces the nearer end of the body; its base (kStem wide)
        // then keeps clear of the rounded corners.
        const int tipX = std::clamp<int>(at.x - x, kCorner / 2, w - kCorner / 2 - 1);
        const int tipY = below ? 0 : bh + kStem;
        // The base reaches into the body so the two join without a seam.
        const int base = below ? kStem + 2 : bh - 2;
        if (tipX <= w / 2)
            stem_ = {POINT{tipX, tipY}, POINT{tipX + kStem, base}, POINT{tipX, base}};
        else
            stem_ = {POINT{tipX + 1, tipY}, POINT{tipX + 1, base}, POINT{tipX + 1 - kStem, base}};
    }
    SetWindowPos(hwnd_, HWND_TOPMOST, win.left, win.top, win.right - win.left, win.bottom - win.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    SetWindowRgn(hwnd_, balloon ? outline() : nullptr, TRUE);
}

// The balloon's shape in window coordinates: the rounded body and the stem.
HRGN ToolTip::outline() const {
    const int w = shown_.body.cx, h = shown_.body.cy;
    HRGN body = CreateRoundRectRgn(bodyAt_.x, bodyAt_.y, bodyAt_.x + w + 1, bodyAt_.y + h + 1, kCorner, kCorner);
    if (stem_.empty()) return body;
    ScopedRegion stem(CreatePolygonRgn(stem_.data(), static_cast<int>(stem_.size()), WINDING));
    CombineRgn(body, body, stem.get(), RGN_OR);
    return body;
}

void ToolTip::paint() {
    if (showing_ < 0 || !IsWindowVisible(hwnd_)) return;
    WindowDC dc(hwnd_);
    RECT all{};
    GetClientRect(hwnd_, &all);
    const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
    ScopedBrush frameBrush(CreateSolidBrush(frame));
    ScopedBrush backBrush(CreateSolidBrush(back_));
    if (style_ & TTS_BALLOON) {
        // The frame is the outline's one-pixel rim: what is left of it once it is shrunk
        // by a pixel from every side.
        ScopedRegion shape(outline());
        ScopedRegion inner(CreateRectRgn(0, 0, 0, 0));
        CombineRgn(inner.get(), shape.get(), nullptr, RGN_COPY);
        const POINT steps[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (POINT s : steps) {
            ScopedRegion moved(CreateRectRgn(0, 0, 0, 0));
            CombineRgn(moved.get(), shape.get(), nullptr, RGN_COPY);
            OffsetRgn(moved.get(), s.x, s.y);
            CombineRgn(inner.get(), inner.get(), moved.get(), RGN_AND);
        }
        FillRgn(dc, shape.get(), frameBrush.get());
        FillRgn(dc, inner.get(), backBrush.get());
    } else {
        FillRect(dc, &all, frameBrush.get());
        RECT inside = all;
        InflateRect(&inside, -1, -1);
        FillRect(dc, &inside, backBrush.get());
    }
    const Layout& l = shown_;
    auto moved = [this](RECT r) {
        OffsetRect(&r, bodyAt_.x, bodyAt_.y);
        return r;
    };
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, textColor_);
    if (!title_.empty()) {
        if (!IsRectEmpty(&l.icon)) {
            RECT i = moved(l.icon);
            DrawTipIcon(dc, icon_, i.left, i.top);
        }
        SelectedObject sel(dc, titleFont_);
        RECT t = moved(l.title);
        DrawTextA(dc, title_.c_str(), static_cast<int>(title_.size()), &t, DT_SINGLELINE | DT_NOPREFIX);
    }
    const std::string& text = tools_[static_cast<std::size_t>(showing_)].text;
    if (!text.empty()) {
        SelectedObject sel(dc, font());
        RECT t = moved(l.text);
        UINT flags = (style_ & TTS_NOPREFIX) ? DT_NOPREFIX : 0;
        if (maxWidth_ >= 0) flags |= DT_WORDBREAK;
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &t, flags);
    }
}

}  // namespace ulmaro::platform::comctl
