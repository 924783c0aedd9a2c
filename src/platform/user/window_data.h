// The window tree behind HWNDs.
#pragma once

#include "../gdi/objects.h"

#include <ulmaro/platform/host.h>

#include <optional>
#include <string>
#include <vector>

namespace ulmaro::platform::detail {

// A window's procedure: a plain function, or a host procedure carrying its own context.
struct Procedure {
    WNDPROC fn = nullptr;
    std::uint32_t hostProc = 0;  // index + 1 into the host procedure table, 0 for none
    bool empty() const { return !fn && !hostProc; }
};

// A colour laid over part of a window's client area (client coordinates).
struct Overlay {
    RegionData area;
    COLORREF color;
};

struct Window {
    std::string className;
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT classStyle = 0;
    HBRUSH background = nullptr;  // the class brush WM_ERASEBKGND paints with
    HCURSOR cursor = nullptr;     // the class cursor WM_SETCURSOR shows in the client area
    HWND parent = nullptr;
    std::vector<HWND> children;  // bottom to top of the z-order
    RECT rect{0, 0, 0, 0};       // in the parent's client coordinates (screen for top level)
    bool visible = false;
    bool enabled = true;
    std::optional<RegionData> region;  // window coordinates
    std::optional<RegionData> opaque;  // client coordinates; none: the whole client area shows
    std::vector<Overlay> overlays;     // drawn over the client area, in order
    Bitmap surface;                    // the window's persistent drawing surface
    Procedure proc;
    LONG_PTR userData = 0;
    LONG_PTR id = 0;
    std::uint64_t serial = 0;  // creation order, for ties between timers
    // Painting: the part of the client area waiting for WM_PAINT, whether it waits for an
    // erase, and the frame picture (window-sized, only the ring is used) once drawn.
    RegionData update;
    bool erase = false;
    bool framePending = true;
    std::vector<COLORREF> framePx;
    // The non-client frame: a client edge is two pixels, a plain border one.
    int frame() const { return (exStyle & WS_EX_CLIENTEDGE) ? 2 : (style & WS_BORDER) ? 1 : 0; }
    int width() const { return rect.right - rect.left; }
    int height() const { return rect.bottom - rect.top; }
};

Window* lookupWindow(HWND hwnd);
// Screen position of a window's client origin.
POINT clientOrigin(HWND hwnd);
// The windows of a tree in z-order, parents before children (bottom to top).
void collectTree(HWND top, std::vector<HWND>& out);
const std::vector<HWND>& topLevelWindows();

// Calls a procedure (the window's current one when `p` is empty).
LRESULT callProcedure(const Procedure& p, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
// Gives a new window what its registered class holds: procedure, class style, background
// brush and cursor. A window of an unregistered class answers with DefWindowProcA.
void applyClass(Window& w);
// Registers the classes the platform provides (the edit control) the first time a window
// is made; defined beside each class's procedure.
void registerSystemClasses();

// Module hooks a window's destruction runs.
void forgetWindowInput(HWND hwnd);
void forgetWindowTimers(HWND hwnd);
void forgetWindowMessages(HWND hwnd);
void releaseHostProcs(HWND hwnd);

// Paints the frame of a window into its frame picture (DefWindowProcA's WM_NCPAINT).
void paintFrame(HWND hwnd);

}  // namespace ulmaro::platform::detail
