// Where an edit control's text goes: font metrics, tab stops, line and character
// positions, and scrolling to keep the caret in view.
#include "edit_control.h"

#include <algorithm>

namespace ulmaro::platform::edit {

void EditControl::measureFont() {
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, font_ ? font_ : ownFont_);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    lineHeight_ = std::max<LONG>(tm.tmHeight, 1);
    for (int c = 0; c < 256; ++c) {
        const char ch = static_cast<char>(c);
        SIZE sz{};
        GetTextExtentPoint32A(dc, &ch, 1, &sz);
        widths_[static_cast<std::size_t>(c)] = sz.cx;
    }
    // The average width dialog units are measured in: the alphabet in both cases, halved
    // and rounded.
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE sz{};
    GetTextExtentPoint32A(dc, kAlphabet, 52, &sz);
    aveCharWidth_ = std::max<LONG>((sz.cx / 26 + 1) / 2, 1);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
}

RECT EditControl::clientRect() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return r;
}

RECT EditControl::viewRect() const {
    RECT r = clientRect();
    if (hasVBar()) r.right = std::max(r.left, r.right - kScrollBarSize);
    if (hasHBar()) r.bottom = std::max(r.top, r.bottom - kScrollBarSize);
    return r;
}

RECT EditControl::formatRect() const {
    RECT r = viewRect();
    r.left += leftMargin_;
    r.right = std::max(r.left, r.right - rightMargin_);
    return r;
}

RECT EditControl::vBarRect() const {
    RECT c = clientRect();
    return RECT{std::max<LONG>(c.left, c.right - kScrollBarSize), 0, c.right, hasHBar() ? std::max<LONG>(0, c.bottom - kScrollBarSize) : c.bottom};
}

RECT EditControl::hBarRect() const {
    RECT c = clientRect();
    return RECT{0, std::max<LONG>(c.top, c.bottom - kScrollBarSize), hasVBar() ? std::max<LONG>(0, c.right - kScrollBarSize) : c.right, c.bottom};
}

int EditControl::visibleLines() const {
    const RECT f = formatRect();
    return std::max(1, static_cast<int>((f.bottom - f.top) / lineHeight_));
}

// Tab stops are in dialog units, four to the average character width.
int EditControl::nextTabStop(int x) const {
    auto px = [&](int du) { return du * aveCharWidth_ / 4; };
    if (tabStops_.size() <= 1) {
        const int step = std::max(1, px(tabStops_.empty() ? 32 : tabStops_[0]));
        return (x / step + 1) * step;
    }
    for (int du : tabStops_)
        if (px(du) > x) return px(du);
    // Past the last stop the last interval repeats.
    const int last = px(tabStops_.back());
    const int step = std::max(1, last - px(tabStops_[tabStops_.size() - 2]));
    return last + ((x - last) / step + 1) * step;
}

std::vector<int> EditControl::lineXs(std::size_t line) const {
    const EditText& t = model_.text();
    const std::size_t start = t.lineStart(line), n = t.lineLength(line);
    std::vector<int> xs(n + 1, 0);
    int x = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const char c = t.at(start + i);
        x = (c == '\t' && !password()) ? nextTabStop(x) : x + charWidth(c);
        xs[i + 1] = x;
    }
    return xs;
}

int EditControl::lineLeft(std::size_t line) const {
    const RECT f = formatRect();
    const int room = f.right - f.left;
    const int w = lineWidth(line);
    int align = 0;
    if (w < room) {
        if (style_ & ES_RIGHT)
            align = room - w - 1;
        else if (style_ & ES_CENTER)
            align = (room - w) / 2;
    }
    return f.left + align - xOffset_;
}

int EditControl::lineTop(std::size_t line) const {
    return formatRect().top + (static_cast<int>(line) - static_cast<int>(firstLine_)) * lineHeight_;
}

POINT EditControl::posToPoint(std::size_t pos) const {
    const EditText& t = model_.text();
    const std::size_t line = t.lineOf(pos);
    const std::vector<int> xs = lineXs(line);
    const std::size_t col = std::min(pos - t.lineStart(line), xs.size() - 1);
    return POINT{lineLeft(line) + xs[col], lineTop(line)};
}

std::size_t EditControl::pointToPos(POINT pt) const {
    const EditText& t = model_.text();
    const RECT f = formatRect();
    const int dy = pt.y - f.top;
    const long long row = dy >= 0 ? dy / lineHeight_ : -((-dy + lineHeight_ - 1) / lineHeight_);
    const long long wanted = static_cast<long long>(firstLine_) + row;
    const std::size_t line = static_cast<std::size_t>(std::clamp<long long>(wanted, 0, static_cast<long long>(t.lineCount()) - 1));
    const std::vector<int> xs = lineXs(line);
    const int x = pt.x - lineLeft(line);
    // The nearest character boundary.
    std::size_t col = 0;
    while (col + 1 < xs.size() && x > (xs[col] + xs[col + 1]) / 2) ++col;
    return t.lineStart(line) + col;
}

int EditControl::widestVisibleLine() const {
    const EditText& t = model_.text();
    int w = 0;
    const std::size_t end = std::min(t.lineCount(), firstLine_ + static_cast<std::size_t>(visibleLines()) + 1);
    for (std::size_t l = firstLine_; l < end; ++l) w = std::max(w, lineWidth(l));
    return w;
}

ScrollState EditControl::vScroll() const {
    return ScrollState{static_cast<int>(firstLine_), visibleLines(), static_cast<int>(model_.text().lineCount()) - 1};
}

// Sideways, an edit knows only the lines it shows: the range covers the widest of them
// and wherever the view has been scrolled to.
ScrollState EditControl::hScroll() const {
    const RECT f = formatRect();
    const int page = std::max<LONG>(1, f.right - f.left);
    return ScrollState{xOffset_, page, std::max(widestVisibleLine(), xOffset_ + page) - 1};
}

void EditControl::clampScroll() {
    const EditText& t = model_.text();
    if (multiline()) {
        const std::size_t vis = static_cast<std::size_t>(visibleLines());
        const std::size_t maxFirst = t.lineCount() > vis ? t.lineCount() - vis : 0;
        firstLine_ = std::min(firstLine_, maxFirst);
    } else {
        firstLine_ = 0;
        const RECT f = formatRect();
        xOffset_ = std::min(xOffset_, std::max(0, lineWidth(0) + 1 - static_cast<int>(f.right - f.left)));
    }
    xOffset_ = std::max(xOffset_, 0);
}

void EditControl::scrollToCaret() {
    const EditText& t = model_.text();
    const std::size_t caret = model_.caret();
    const std::size_t line = t.lineOf(caret);
    if (multiline()) {
        const std::size_t vis = static_cast<std::size_t>(visibleLines());
        if (line < firstLine_) firstLine_ = line;
        if (line >= firstLine_ + vis) firstLine_ = line - vis + 1;
    }
    const RECT f = formatRect();
    const int room = std::max<LONG>(1, f.right - f.left);
    const std::vector<int> xs = lineXs(line);
    const int cx = xs[std::min(caret - t.lineStart(line), xs.size() - 1)];
    // Sideways the view jumps by a quarter of its width, so typing does not scroll at every
    // character.
    if (cx < xOffset_) xOffset_ = std::max(0, cx - room / 4);
    if (cx >= xOffset_ + room) xOffset_ = cx - room + room / 4;
    clampScroll();
}

}  // namespace ulmaro::platform::edit
