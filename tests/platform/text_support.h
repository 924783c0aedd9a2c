// Helpers for the text tests: the shared canvas with a selected font, and the box around
// the pixels that a drawing changed.
#pragma once

#include "support/canvas.h"

#include <algorithm>
#include <string>
#include <vector>

namespace ulmaro::test {

using namespace ulmaro::platform;

constexpr COLORREF kPaper = RGB(255, 255, 255);

// The shared canvas with a font it owns, drawing text with a transparent background.
struct TextCanvas : Canvas {
    HFONT font = nullptr;
    HGDIOBJ oldFont = nullptr;

    TextCanvas(int width, int height, COLORREF paper = kPaper) : Canvas(width, height, paper) { SetBkMode(dc, TRANSPARENT); }
    ~TextCanvas() { useFont(nullptr); }

    void clear(COLORREF c) { fill(c); }
    // Selects a font the canvas owns (the previous one is deleted); null restores the original.
    void useFont(HFONT f) {
        if (font) {
            SelectObject(dc, oldFont);
            DeleteObject(font);
            font = nullptr;
        }
        if (f) {
            oldFont = SelectObject(dc, f);
            font = f;
        }
    }
    void useFont(const char* face, int height, int weight = FW_NORMAL, int escapement = 0, bool italic = false,
                 bool underline = false, bool strikeOut = false, BYTE pitch = DEFAULT_PITCH) {
        useFont(CreateFontA(height, 0, escapement, escapement, weight, italic, underline, strikeOut, ANSI_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitch, face));
    }

    TEXTMETRICA metrics() const {
        TEXTMETRICA tm{};
        EXPECT_TRUE(GetTextMetricsA(dc, &tm));
        return tm;
    }
    int extent(const std::string& s) const {
        SIZE sz{};
        EXPECT_TRUE(GetTextExtentPoint32A(dc, s.data(), static_cast<int>(s.size()), &sz));
        return sz.cx;
    }
    std::string face() const {
        char buf[LF_FACESIZE] = {};
        GetTextFaceA(dc, LF_FACESIZE, buf);
        return buf;
    }
    void textOut(int x, int y, const std::string& s) { TextOutA(dc, x, y, s.data(), static_cast<int>(s.size())); }

    // The smallest rectangle holding every pixel that is not `paper`; empty if none.
    RECT inkBox(COLORREF paper = kPaper) const {
        RECT box{width(), height(), 0, 0};
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                if (at(x, y) != paper) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        if (box.left >= box.right) box = RECT{0, 0, 0, 0};
        return box;
    }
    int count(COLORREF c) const {
        int n = 0;
        for (COLORREF p : pixels()) n += p == c;
        return n;
    }
};

inline bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::string show(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

// Same pixels on two canvases of the same size; names the first difference.
inline ::testing::AssertionResult samePixels(const TextCanvas& a, const TextCanvas& b) {
    std::vector<COLORREF> pa = a.pixels(), pb = b.pixels();
    for (std::size_t i = 0; i < pa.size(); ++i)
        if (pa[i] != pb[i])
            return ::testing::AssertionFailure() << "first difference at (" << i % a.width() << "," << i / a.width() << ")";
    return ::testing::AssertionSuccess();
}

}  // namespace ulmaro::test
