// What the host (form, live window, input scripts, tests) needs of the platform beyond the
// platform's own API: feeding it input state, reaching surfaces' pixels, counting handles.
#pragma once

#include <ulmaro/platform/win32.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace ulmaro::platform {

// Live handle counts (stock objects excluded), so tests can prove that nothing leaks.
std::size_t LiveGdiObjectCount();
std::size_t LiveWindowCount();

// A process holds at most this many GDI objects (stock objects aside), and this many
// windows, at once; past it creation fails with the call's failure value.
inline constexpr std::size_t kHandleQuota = 10000;
// The most pixels a window's surface holds; a larger size is refused (SetWindowPos and
// MoveWindow fail, the window keeps its size).
inline constexpr std::int64_t kMaxWindowPixels = std::int64_t{1} << 26;
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

// A window procedure that carries its own context, installed as the window's procedure
// (GetWindowLongPtrA(GWLP_WNDPROC) then gives a value for CallWindowProcA, as it does for
// any procedure that is not a plain function).
using WindowProc = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;
void SetWindowProc(HWND hwnd, WindowProc proc);

// ---- Time ------------------------------------------------------------------------------------
// The platform clock (GetTickCount) moves only when the host moves it. RunTimers advances it
// by `ms`, sending WM_TIMER (or calling the timer procedure) for every timer that falls due
// on the way, in order of due time; timers due together fire in the order of their windows'
// creation, then of their identifiers.
void RunTimers(std::int64_t ms);
// Milliseconds until the next timer falls due, or -1 when none is set.
std::int64_t NextTimerDue();
// The platform clock in milliseconds, without the 32-bit wrap of GetTickCount.
std::int64_t TickCount64();

// ---- Windows seen from the host -----------------------------------------------------------------
// The parts of a window's client area that show; elsewhere the window is see-through, both
// to the eye and to the pointer. A null region (the default) makes the whole client area
// show. The window owns the region from now on, as with SetWindowRgn.
void SetWindowOpaqueRgn(HWND hwnd, HRGN clientRgn);
// Colours laid over parts of a window's client area when it is composed, after its surface
// and before its children, wherever the client area lies (see-through parts included): the
// windowless figures a host draws over a window. The window owns each region from now on.
void ClearWindowOverlays(HWND hwnd);
void AddWindowOverlay(HWND hwnd, HRGN clientRgn, COLORREF color);
// The deepest visible, enabled window under a point of `top`'s client area, looking through
// see-through parts; `top` itself when no child holds the point, null when outside.
HWND WindowFromPointIn(HWND top, POINT clientPt);
// Paints whatever waits for painting in the tree, then composes it: each visible window's
// frame and surface in z-order, clipped by its parent's client area, window regions and
// see-through parts. Rows from the top, the size of `top`'s client area.
std::vector<COLORREF> ComposeWindow(HWND top);

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
