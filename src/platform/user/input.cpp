// Focus, mouse capture, the pointer position, key state and the cursor shape. Focus and
// capture live here alone: moving them tells the windows involved (WM_KILLFOCUS and
// WM_SETFOCUS, WM_CAPTURECHANGED). The host feeds the pointer position (SetCursorPos) and
// key state (SetKeyDown) from real or scripted input; controls read them back as they
// would on the desktop.
#include "window_data.h"

#include <array>

namespace ulmaro::platform::detail {

namespace {

struct InputState {
    HWND focus = nullptr;
    HWND capture = nullptr;
    POINT cursorPos{0, 0};
    std::array<bool, 256> keys{};
    HCURSOR cursor = nullptr;
};

InputState& input() {
    static InputState s;
    return s;
}

constexpr int kCursorIds[] = {32512, 32513, 32514, 32515, 32516, 32642, 32643,
                              32644, 32645, 32646, 32648, 32649, 32650, 32651};

}  // namespace

void forgetWindowInput(HWND hwnd) {
    if (input().focus == hwnd) input().focus = nullptr;
    if (input().capture == hwnd) input().capture = nullptr;
}

}  // namespace ulmaro::platform::detail

namespace ulmaro::platform {

using namespace detail;

// The window losing the focus hears of it first. A window that moves the focus again while
// it is told keeps the later move: the window this call named is then not told it gained it.
HWND SetFocus(HWND hwnd) {
    if (hwnd && !IsWindow(hwnd)) return nullptr;
    HWND old = input().focus;
    if (old == hwnd) return old;
    input().focus = hwnd;
    if (old) SendMessageA(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd && input().focus == hwnd) SendMessageA(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return old;
}

HWND GetFocus() { return input().focus; }

HWND SetCapture(HWND hwnd) {
    if (!IsWindow(hwnd)) return nullptr;
    HWND old = input().capture;
    input().capture = hwnd;
    if (old && old != hwnd) SendMessageA(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

BOOL ReleaseCapture() {
    HWND old = input().capture;
    input().capture = nullptr;
    if (old) SendMessageA(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() { return input().capture; }

BOOL GetCursorPos(LPPOINT p) {
    if (!p) return FALSE;
    *p = input().cursorPos;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    input().cursorPos = POINT{x, y};
    return TRUE;
}

// The high bit says the key is down.
SHORT GetKeyState(int vk) {
    if (vk < 0 || vk > 255) return 0;
    return input().keys[static_cast<std::size_t>(vk)] ? static_cast<SHORT>(0x8000) : SHORT{0};
}

SHORT GetAsyncKeyState(int vk) { return GetKeyState(vk); }

void SetKeyDown(int vk, bool down) {
    if (vk >= 0 && vk <= 255) input().keys[static_cast<std::size_t>(vk)] = down;
}

void ResetInputState() { input() = InputState{}; }

// System cursors are shared handles; their value is the cursor identifier.
HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) {
    if (instance) return nullptr;
    auto id = static_cast<int>(reinterpret_cast<std::uintptr_t>(name));
    for (int known : kCursorIds)
        if (known == id) return reinterpret_cast<HCURSOR>(static_cast<std::uintptr_t>(id));
    return nullptr;
}

HCURSOR SetCursor(HCURSOR c) {
    HCURSOR old = input().cursor;
    input().cursor = c;
    return old;
}

HCURSOR GetCursor() { return input().cursor; }

int CursorId(HCURSOR c) { return static_cast<int>(reinterpret_cast<std::uintptr_t>(c)); }

}  // namespace ulmaro::platform
