// DrawTextA: text laid out in a rectangle. The text is cut into lines (at CR LF, CR or LF,
// and at spaces with DT_WORDBREAK), the `&` mnemonic prefixes are taken out and remembered,
// and each line is aligned in the rectangle and drawn in the context's font and colours.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "../gdi/coordinates.h"
#include "../gdi/text_paint.h"

namespace ulmaro::platform {

using namespace detail;

namespace {

// A line as drawn: the prefix characters removed, with a mark on each character that a
// prefix asked to underline.
struct Line {
    std::string text;
    std::vector<bool> marked;

    Line slice(std::size_t from, std::size_t to) const {
        return {text.substr(from, to - from), std::vector<bool>(marked.begin() + static_cast<std::ptrdiff_t>(from),
                                                                marked.begin() + static_cast<std::ptrdiff_t>(to))};
    }
};

struct Layout {
    FontFace& face;
    int tab;  // tab spacing in pixels; 0: tabs are ordinary characters

    // Pen position after `ch` when the pen is at x.
    int step(int x, char ch) const {
        if (ch == '\t' && tab > 0) return (x / tab + 1) * tab;
        return x + face.advance(static_cast<unsigned char>(ch));
    }
    int width(std::string_view s) const {
        int x = 0;
        for (char ch : s) x = step(x, ch);
        return x;
    }
};

// `&x` underlines x, `&&` is one ampersand, and a lone `&` at the end is dropped.
Line stripPrefixes(std::string_view s, bool prefixes) {
    Line line;
    for (std::size_t i = 0; i < s.size(); ++i) {
        bool mark = false;
        if (prefixes && s[i] == '&') {
            if (++i == s.size()) break;
            mark = s[i] != '&';
        }
        line.text += s[i];
        line.marked.push_back(mark);
    }
    return line;
}

// Breaks a line at spaces so that each piece fits `limit`; of the spaces at a break the
// first stays with the line, the others are dropped. A word wider than the limit by itself stays whole on its own line (and is clipped),
// unless `splitWords` (DT_EDITCONTROL) breaks it between characters as an edit box does.
void wrapInto(const Line& line, const Layout& layout, int limit, bool splitWords, std::vector<Line>& out) {
    const std::string& t = line.text;
    std::size_t pos = 0;
    const std::size_t n = t.size();
    if (n == 0) out.push_back(line);
    while (pos < n) {
        std::size_t end = pos;
        for (int x = 0; end < n; ++end) {
            int next = layout.step(x, t[end]);
            if (next > limit && end > pos) break;
            x = next;
        }
        if (end == n) {
            out.push_back(line.slice(pos, n));
            break;
        }
        // A word fits only with the blank after it: when that blank is what overflows,
        // the word goes to the next line too.
        std::size_t brk = t[end] == ' ' ? end - 1 : end;
        while (brk > pos && t[brk] != ' ') --brk;
        if (brk > pos) {
            // The line keeps the blank after its last word: that blank was measured to fit,
            // and it counts in the line's width (DT_CALCRECT, alignment).
            std::size_t stop = brk;
            while (stop > pos && t[stop - 1] == ' ') --stop;
            out.push_back(line.slice(pos, stop + 1));
            pos = brk;
            while (pos < n && t[pos] == ' ') ++pos;
        } else if (splitWords) {
            out.push_back(line.slice(pos, end));
            pos = end;
        } else {
            end = t.find(' ', end);
            if (end == std::string::npos) end = n;
            out.push_back(line.slice(pos, end));
            pos = end;
            while (pos < n && t[pos] == ' ') ++pos;
        }
    }
}

// Shortens a line that does not fit (or, with `more`, one that is followed by text left
// out) and ends it with "...".
void endEllipsis(Line& line, const Layout& layout, int limit, bool more = false) {
    if (!more && layout.width(line.text) <= limit) return;
    const int dots = layout.width("...");
    std::size_t keep = line.text.size();
    while (keep > 0 && layout.width(std::string_view(line.text).substr(0, keep)) + dots > limit) --keep;
    line.text.resize(keep);
    line.marked.resize(keep);
    line.text += "...";
    line.marked.insert(line.marked.end(), 3, false);
}

// Shortens a path that does not fit: the part after the last backslash stays whole, and as
// much of the start as fits before "..." takes the place of the rest.
void pathEllipsis(Line& line, const Layout& layout, int limit) {
    if (layout.width(line.text) <= limit) return;
    const std::size_t slash = line.text.rfind('\\');
    if (slash == std::string::npos) {
        endEllipsis(line, layout, limit);
        return;
    }
    const std::string tail = line.text.substr(slash);
    std::size_t keep = slash;
    while (keep > 0 && layout.width(line.text.substr(0, keep) + "..." + tail) > limit) --keep;
    Line out = line.slice(0, keep);
    out.text += "..." + tail;
    out.marked.resize(out.text.size(), false);
    line = std::move(out);
}

// The lines to draw. `rows` is how many lines start inside the rectangle: when wrapped text
// goes on below them and an ellipsis is asked for, the last of them ends in "...".
std::vector<Line> layOut(std::string_view s, UINT format, const Layout& layout, int limit, int rows) {
    const bool prefixes = !(format & DT_NOPREFIX);
    std::vector<Line> lines;
    if (format & DT_SINGLELINE) {
        // One line; CR and LF are characters like any other.
        if (!s.empty()) lines.push_back(stripPrefixes(s, prefixes));
    } else {
        // Each CR LF, lone CR or lone LF ends a line; a break at the very end adds none.
        std::size_t pos = 0;
        while (pos < s.size()) {
            std::size_t end = s.find_first_of("\r\n", pos);
            if (end == std::string_view::npos) end = s.size();
            Line line = stripPrefixes(s.substr(pos, end - pos), prefixes);
            if (format & DT_WORDBREAK)
                wrapInto(line, layout, limit, (format & DT_EDITCONTROL) != 0, lines);
            else
                lines.push_back(std::move(line));
            pos = end;
            if (pos < s.size()) pos += (s[pos] == '\r' && pos + 1 < s.size() && s[pos + 1] == '\n') ? 2 : 1;
        }
    }
    if (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS)) {
        if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE) && !(format & DT_CALCRECT) &&
            static_cast<int>(lines.size()) > rows) {
            lines.resize(static_cast<std::size_t>(std::max(rows, 1)));
            endEllipsis(lines.back(), layout, limit, true);
        }
        // A word that does not fit is cut like the end of the text, as the platform does
        // with DT_WORD_ELLIPSIS as well.
        for (Line& line : lines) endEllipsis(line, layout, limit);
    } else if (format & DT_PATH_ELLIPSIS) {
        for (Line& line : lines) pathEllipsis(line, layout, limit);
    }
    return lines;
}

}  // namespace

int DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format) {
    Dc* dc = lookupDc(hdc);
    if (!dc || !lprc || (!lpchText && cchText != 0)) return 0;
    FontFace* face = faceOf(*dc);
    if (!face) return 0;
    const LOGFONTA& lf = fontOf(*dc)->lf;
    const TEXTMETRICA& tm = face->metrics();
    std::string_view s = !lpchText     ? std::string_view()
                         : cchText < 0 ? std::string_view(lpchText)
                                       : std::string_view(lpchText, static_cast<std::size_t>(cchText));

    // With DT_TABSTOP the second byte of the format is the tab spacing in characters, and
    // the flags that live in that byte are not given.
    int tabChars = 8;
    if (format & DT_TABSTOP) {
        tabChars = static_cast<int>((format >> 8) & 0xFF);
        format &= ~0xFF00u;
    }
    const Layout layout{*face, (format & DT_EXPANDTABS) ? tabChars * static_cast<int>(tm.tmAveCharWidth) : 0};
    const RECT rc{clampCoord(lprc->left), clampCoord(lprc->top), clampCoord(lprc->right), clampCoord(lprc->bottom)};
    const int cell = static_cast<int>(tm.tmHeight);
    const int lineHeight = cell + ((format & DT_EXTERNALLEADING) ? static_cast<int>(tm.tmExternalLeading) : 0);
    std::vector<Line> lines =
        layOut(s, format, layout, rc.right - rc.left,
               lineHeight > 0 ? (rc.bottom - rc.top + lineHeight - 1) / lineHeight : 1);

    // DT_MODIFYSTRING: the caller's text becomes what a shortened single line shows.
    if ((format & DT_MODIFYSTRING) && (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS)) &&
        lines.size() == 1 && !s.empty() && lines[0].text != s) {
        char* out = const_cast<char*>(lpchText);  // the platform writes through the same pointer
        std::memcpy(out, lines[0].text.data(), lines[0].text.size());
        out[lines[0].text.size()] = '\0';
    }
    const int total = static_cast<int>(std::min<long long>(static_cast<long long>(lines.size()) * lineHeight, kCoordLimit));
    std::vector<int> widths;
    int widest = 0;
    for (const Line& line : lines) {
        widths.push_back(layout.width(line.text));
        widest = std::max(widest, widths.back());
    }
    if (format & DT_CALCRECT) {
        lprc->right = rc.left + widest;
        lprc->bottom = rc.top + total;
        return total;
    }

    // Vertical placement applies to a single line only, as on the platform. A centred line
    // goes half its height above the middle of the rectangle, each half rounded toward zero,
    // so an odd line in an even rectangle sits a row lower than an even split would put it.
    int top = rc.top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            top = rc.top + (rc.bottom - rc.top) / 2 - total / 2;
        else if (format & DT_BOTTOM)
            top = rc.bottom - total;
    }
    const int result = (top - rc.top) + total;

    Target target = targetOf(*dc);
    if (!target.ok()) return result;
    if (!(format & DT_NOCLIP)) target.visible = regionIntersectRect(target.visible, rc);
    TextPainter p{std::move(target), face, face->raster() ? 0 : quarterTurns(lf.lfEscapement), {0, 0}};
    const LineMetrics& lm = face->lines();
    const bool drawText = !(format & DT_PREFIXONLY);
    const bool drawMarks = !(format & DT_HIDEPREFIX);

    int y = top;
    for (std::size_t i = 0; i < lines.size(); ++i, y += lineHeight) {
        const Line& line = lines[i];
        const int w = widths[i];
        int x = rc.left;
        if (format & DT_CENTER)
            x = (rc.left + rc.right - w) / 2;  // one halving of both edges less the width
        else if (format & DT_RIGHT)
            x = rc.right - w;
        // Each line is drawn as text output at its own reference point.
        p.origin = POINT{x, y};
        if (drawText) {
            if (dc->bkMode == OPAQUE) p.fill(0, 0, w, cell, dc->bkColor);
            std::size_t from = 0;
            int pen = 0;
            while (from < line.text.size()) {
                std::size_t tab = layout.tab > 0 ? line.text.find('\t', from) : std::string::npos;
                std::size_t to = tab == std::string::npos ? line.text.size() : tab;
                pen = p.glyphs(pen, 0, std::string_view(line.text).substr(from, to - from), dc->textColor);
                if (tab != std::string::npos) pen = layout.step(pen, '\t');
                from = to + (tab != std::string::npos ? 1 : 0);
            }
            if (lf.lfUnderline) p.fill(0, lm.underlineTop, w, lm.underlineTop + lm.underlineThickness, dc->textColor);
            if (lf.lfStrikeOut) p.fill(0, lm.strikeoutTop, w, lm.strikeoutTop + lm.strikeoutThickness, dc->textColor);
        }
        if (drawMarks) {
            // The mnemonic underline is a one-pixel line one row below the baseline (the
            // platform draws it with a pen, whatever the font's own underline is like).
            const int row = std::min(static_cast<int>(tm.tmAscent) + 1, cell - 1);
            int pen = 0;
            for (std::size_t c = 0; c < line.text.size(); ++c) {
                int next = layout.step(pen, line.text[c]);
                if (line.marked[c]) p.fill(pen, row, next, row + 1, dc->textColor);
                pen = next;
            }
        }
    }
    return result;
}

}  // namespace ulmaro::platform
