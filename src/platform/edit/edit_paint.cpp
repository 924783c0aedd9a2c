// How an edit control draws itself: background, the visible lines with the selection,
// the caret, and the scroll bars.
#include "edit_control.h"

#include <algorithm>

namespace ulmaro::platform::edit {

namespace {

void fill(HDC hdc, const RECT& r, COLORREF c) {
    HBRUSH b = CreateSolidBrush(c);
    FillRect(hdc, &r, b);
    DeleteObject(b);
}

}  // namespace

void EditControl::paint() {
    if (!IsWindow(hwnd_)) return;
    HDC dc = GetDC(hwnd_);
    HGDIOBJ oldFont = SelectObject(dc, font_ ? font_ : ownFont_);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    // The parent may choose the colours: it sets the text colour on the context and returns
    // the brush for the background (a read-only or disabled edit asks as a static would).
    SetTextColor(dc, textColor_);
    SetBkColor(dc, backColor_);
    const bool readOnlyLook = model_.readOnly() || !IsWindowEnabled(hwnd_);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(hwnd_), readOnlyLook ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                                                             reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd_)));
    const COLORREF text = brush ? GetTextColor(dc) : textColor_;
    const RECT view = viewRect();
    if (brush)
        FillRect(dc, &view, brush);
    else
        fill(dc, view, backColor_);

    const RECT fmt = formatRect();
    HRGN clip = CreateRectRgn(fmt.left, fmt.top, fmt.right, fmt.bottom);
    SelectClipRgn(dc, clip);
    const EditText& t = model_.text();
    const std::size_t end = std::min(t.lineCount(), firstLine_ + static_cast<std::size_t>(visibleLines()) + 1);
    for (std::size_t line = firstLine_; line < end; ++line) drawLine(dc, line, fmt, text);
    if (caretShown()) drawCaret(dc);
    SelectClipRgn(dc, nullptr);
    DeleteObject(clip);

    const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    if (hasVBar()) drawScrollBar(dc, scrollBarGeometry(vBarRect(), true, vScroll()), enabled);
    if (hasHBar()) drawScrollBar(dc, scrollBarGeometry(hBarRect(), false, hScroll()), enabled);
    if (hasVBar() && hasHBar()) {
        const RECT c = clientRect();
        fill(dc, RECT{c.right - kScrollBarSize, c.bottom - kScrollBarSize, c.right, c.bottom}, GetSysColor(COLOR_BTNFACE));
    }
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
    ReleaseDC(hwnd_, dc);
}

// One line: its text in runs between tabs and selection edges, the selected part on the
// highlight colour. The selection shows only while the edit has the focus, unless the
// edit keeps it (ES_NOHIDESEL).
void EditControl::drawLine(HDC hdc, std::size_t line, const RECT& fmt, COLORREF textColor) {
    const EditText& t = model_.text();
    const std::size_t start = t.lineStart(line), n = t.lineLength(line);
    const std::vector<int> xs = lineXs(line);
    const int left = lineLeft(line), top = lineTop(line);
    if (top >= fmt.bottom || top + lineHeight_ <= fmt.top) return;
    const bool showSel = model_.hasSelection() && (focused_ || (style_ & ES_NOHIDESEL));
    const std::size_t s0 = showSel ? std::clamp(model_.selStart(), start, start + n) - start : 0;
    const std::size_t s1 = showSel ? std::clamp(model_.selEnd(), start, start + n) - start : 0;
    if (s1 > s0) fill(hdc, RECT{left + xs[s0], top, left + xs[s1], top + lineHeight_}, GetSysColor(COLOR_HIGHLIGHT));

    const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    const COLORREF normal = enabled ? textColor : GetSysColor(COLOR_GRAYTEXT);
    std::string run;
    std::size_t runStart = 0;
    auto flush = [&](std::size_t endCol) {
        if (!run.empty()) {
            const bool selected = runStart >= s0 && runStart < s1;
            SetTextColor(hdc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : normal);
            TextOutA(hdc, left + xs[runStart], top, run.data(), static_cast<int>(run.size()));
        }
        run.clear();
        runStart = endCol;
    };
    // Only the characters that reach the view are drawn, so a long line costs little.
    for (std::size_t i = 0; i < n; ++i) {
        if (left + xs[i + 1] < fmt.left) {
            runStart = i + 1;
            continue;
        }
        if (left + xs[i] >= fmt.right) break;
        if (i == s0 || i == s1) flush(i);
        const char c = t.at(start + i);
        if (c == '\t' && !password()) {
            flush(i + 1);
            continue;
        }
        run.push_back(shown(c));
    }
    flush(n);
}

// A one-pixel bar as tall as a line, drawn by inverting what is under it.
void EditControl::drawCaret(HDC hdc) {
    const POINT p = posToPoint(model_.caret());
    PatBlt(hdc, p.x, p.y, 1, lineHeight_, DSTINVERT);
}

}  // namespace ulmaro::platform::edit
