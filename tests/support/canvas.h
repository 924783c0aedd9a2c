// A small memory canvas for pixel tests of the platform calls, with helpers to read it back
// as a picture and to compare whole pictures.
#pragma once

#include <ulmaro/platform/host.h>
#include <ulmaro/platform/win32.h>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace ulmaro::test {

using namespace ulmaro::platform;

class Canvas {
public:
    // A colour canvas (or a monochrome one) filled with `background`.
    Canvas(int w, int h, COLORREF background = RGB(255, 255, 255), bool mono = false) : w_(w), h_(h) {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bmp = mono ? CreateBitmap(w, h, 1, 1, nullptr) : CreateCompatibleBitmap(screen, w, h);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc, bmp);
        fill(background);
    }
    ~Canvas() {
        SelectObject(dc, old_);
        DeleteObject(bmp);
        DeleteDC(dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int width() const { return w_; }
    int height() const { return h_; }
    void fill(COLORREF c) {
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) SetPixel(dc, x, y, c);
    }
    COLORREF at(int x, int y) const { return GetDcPixels(dc).at(x, y); }
    std::vector<COLORREF> pixels() const {
        PixelView v = GetDcPixels(dc);
        return std::vector<COLORREF>(v.px, v.px + static_cast<std::size_t>(w_) * static_cast<std::size_t>(h_));
    }
    // The canvas as rows of characters: `ink(c)` names each colour.
    std::string picture(const std::function<char(COLORREF)>& ink) const {
        std::string s;
        for (int y = 0; y < h_; ++y) {
            for (int x = 0; x < w_; ++x) s += ink(at(x, y));
            s += '\n';
        }
        return s;
    }
    // '#' where the canvas has `c`, '.' elsewhere.
    std::string mask(COLORREF c) const {
        return picture([c](COLORREF p) { return p == c ? '#' : '.'; });
    }

    HDC dc = nullptr;
    HBITMAP bmp = nullptr;

private:
    int w_, h_;
    HGDIOBJ old_ = nullptr;
};

// Selects a pen and a brush for the life of the scope, deleting them after; a negative
// colour selects the stock null object instead.
struct Tools {
    HDC dc;
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HGDIOBJ oldPen, oldBrush;
    Tools(HDC d, long penColor, long brushColor = -1, int penWidth = 1, int penStyle = PS_SOLID) : dc(d) {
        if (penColor >= 0) pen = CreatePen(penStyle, penWidth, static_cast<COLORREF>(penColor));
        if (brushColor >= 0) brush = CreateSolidBrush(static_cast<COLORREF>(brushColor));
        oldPen = SelectObject(d, pen ? static_cast<HGDIOBJ>(pen) : GetStockObject(NULL_PEN));
        oldBrush = SelectObject(d, brush ? static_cast<HGDIOBJ>(brush) : GetStockObject(NULL_BRUSH));
    }
    ~Tools() {
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        if (pen) DeleteObject(pen);
        if (brush) DeleteObject(brush);
    }
    Tools(const Tools&) = delete;
    Tools& operator=(const Tools&) = delete;
};

// Fills or frames a rectangle with a solid colour.
inline void fillRect(HDC dc, RECT r, COLORREF c) {
    HBRUSH b = CreateSolidBrush(c);
    FillRect(dc, &r, b);
    DeleteObject(b);
}
inline void frameRect(HDC dc, RECT r, COLORREF c) {
    HBRUSH b = CreateSolidBrush(c);
    FrameRect(dc, &r, b);
    DeleteObject(b);
}

// Whether two regions hold the same pixels; deletes both.
inline bool sameRegion(HRGN a, HRGN b) {
    const bool equal = a && b && EqualRgn(a, b);
    DeleteObject(a);
    DeleteObject(b);
    return equal;
}

// A line from the first point through the others, one LineTo each.
inline void lines(HDC dc, std::initializer_list<POINT> points) {
    MoveToEx(dc, points.begin()->x, points.begin()->y, nullptr);
    for (const POINT* p = points.begin() + 1; p != points.end(); ++p) LineTo(dc, p->x, p->y);
}
inline void line(HDC dc, int x1, int y1, int x2, int y2) { lines(dc, {{x1, y1}, {x2, y2}}); }

// Joins picture rows written one per string literal, so expectations read as pictures.
inline std::string rows(std::initializer_list<const char*> lines) {
    std::string s;
    for (const char* l : lines) (s += l) += '\n';
    return s;
}

}  // namespace ulmaro::test
