// The window tree behind HWNDs.
#pragma once

#include "../gdi/objects.h"

#include <ulmaro/platform/host.h>

#include <optional>
#include <string>
#include <vector>

namespace ulmaro::platform::detail {

struct Window {
    std::string className;
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;
    std::vector<HWND> children;  // bottom to top of the z-order
    RECT rect{0, 0, 0, 0};       // in the parent's client coordinates (screen for top level)
    bool visible = false;
    bool enabled = true;
    std::optional<RegionData> region;  // window coordinates
    Bitmap surface;                    // the window's persistent drawing surface
    WindowProc proc;
    // The non-client frame: a client edge is two pixels, a plain border one.
    int frame() const { return (exStyle & WS_EX_CLIENTEDGE) ? 2 : (style & WS_BORDER) ? 1 : 0; }
};

Window* lookupWindow(HWND hwnd);
// Screen position of a window's client origin.
POINT clientOrigin(HWND hwnd);

}  // namespace ulmaro::platform::detail
