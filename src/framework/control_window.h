// The window class of every control: its procedure turns window messages into the control's
// host notifications (mouse, keys, focus, timers, paint, size).
#pragma once

#include <ulmaro/platform/win32.h>

namespace ulmaro {

class Control;

// Messages the host sends a control's window for notifications the window system has no
// message of its own for.
constexpr platform::UINT WM_HOST_CLICK = platform::WM_APP + 1;      // Click
constexpr platform::UINT WM_HOST_ACCESSKEY = platform::WM_APP + 2;  // AccessKeyPress, wParam the key

// Creates the window of `control`, a child of `parent`, at a position in the parent's client
// pixels.
platform::HWND CreateControlWindow(Control& control, platform::HWND parent, int left, int top, int width, int height);
// The control a window belongs to (its own window), or null.
Control* ControlOfWindow(platform::HWND hwnd);

}  // namespace ulmaro
