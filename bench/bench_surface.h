// A memory device context with a bitmap of its own, for benchmarks that draw off screen.
#pragma once

#include <ulmaro/platform/win32.h>

namespace ulmaro::bench {

struct Surface {
    platform::HDC dc;
    platform::HBITMAP bmp;
    platform::HGDIOBJ old;
    Surface(int w, int h) {
        using namespace platform;
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bmp = CreateCompatibleBitmap(screen, w, h);
        ReleaseDC(nullptr, screen);
        old = SelectObject(dc, bmp);
    }
    ~Surface() {
        using namespace platform;
        SelectObject(dc, old);
        DeleteObject(bmp);
        DeleteDC(dc);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
};

}  // namespace ulmaro::bench
