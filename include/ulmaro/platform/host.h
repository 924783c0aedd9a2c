// What the host (form, live window, input scripts, tests) needs of the platform beyond the
// platform's own API: feeding it input state, reaching surfaces' pixels, counting handles.
#pragma once

#include <ulmaro/platform/win32.h>

#include <cstddef>
#include <functional>

namespace ulmaro::platform {

// Live handle counts (stock objects excluded), so tests can prove that nothing leaks.
std::size_t LiveGdiObjectCount();
std::size_t LiveWindowCount();

// A process holds at most this many GDI objects (stock objects aside), and this many
// windows, at once; past it creation fails with the call's failure value.
inline constexpr std::size_t kHandleQuota = 10000;
// Live and peak counts of GDI objects of one kind as GetObjectType names it (OBJ_DC
// counts memory contexts too; 0: every kind), stock objects excluded, and of windows.
struct HandleCounts {
    std::size_t live = 0;
    std::size_t peak = 0;
};
HandleCounts GdiObjectCounts(DWORD objectType = 0);
HandleCounts WindowCounts();

// Key state as GetKeyState reports it; the host sets it from real or scripted input.
void SetKeyDown(int vk, bool down);
// Forgets capture, focus, key state, cursor shape and pointer position.
void ResetInputState();

// A window procedure for SendMessageA.
using WindowProc = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;
void SetWindowProc(HWND hwnd, WindowProc proc);

// Read-only view of pixels (COLORREF 0x00BBGGRR, rows from the top).
struct PixelView {
    const COLORREF* px = nullptr;
    int width = 0;
    int height = 0;
    bool mono = false;
    COLORREF at(int x, int y) const { return px[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
};
PixelView GetBitmapPixels(HBITMAP bmp);
PixelView GetWindowSurface(HWND hwnd);
// Pixels of the surface a device context draws on (its bitmap or its window's surface).
PixelView GetDcPixels(HDC hdc);

// The system cursor identifier (32512 ...) of a cursor handle, 0 if none.
int CursorId(HCURSOR cursor);

}  // namespace ulmaro::platform
