// Flat scroll bars: showing and hiding a window's scroll bars. The bars are the window's
// WS_HSCROLL and WS_VSCROLL styles; the window hears of the change and lays itself out.
#include <ulmaro/platform/win32.h>

namespace ulmaro::platform {

BOOL FlatSB_ShowScrollBar(HWND hwnd, int code, BOOL show) {
    if (!IsWindow(hwnd) || code < SB_HORZ || code > SB_BOTH || code == 2) return FALSE;
    DWORD bits = 0;
    if (code == SB_HORZ || code == SB_BOTH) bits |= WS_HSCROLL;
    if (code == SB_VERT || code == SB_BOTH) bits |= WS_VSCROLL;
    const auto style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    const DWORD next = show ? (style | bits) : (style & ~bits);
    if (next != style) {
        SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(next));
        SendMessageA(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(GWL_STYLE), 0);
    }
    return TRUE;
}

}  // namespace ulmaro::platform
