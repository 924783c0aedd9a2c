#include "control_window.h"

#include "control.h"

namespace ulmaro {

using namespace platform;

namespace {

constexpr const char* kClassName = "UlmaroControl";

Control* controlOf(HWND h) { return reinterpret_cast<Control*>(GetWindowLongPtrA(h, GWLP_USERDATA)); }

std::int16_t shiftOf(Control& c) { return c.site() ? c.site()->shiftState() : std::int16_t{0}; }

// Mouse buttons held, from the key flags of a mouse message (1 left, 2 right, 4 middle).
std::int16_t heldButtons(WPARAM keys) {
    return static_cast<std::int16_t>(((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) |
                                     ((keys & MK_MBUTTON) ? 4 : 0));
}

// The button a press or release message is about.
std::int16_t buttonOf(UINT msg) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP: return 1;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP: return 2;
        default: return 4;
    }
}

void mouse(Control& c, UINT msg, WPARAM wp, LPARAM lp) {
    std::int16_t shift = shiftOf(c);
    float x = static_cast<float>(GET_X_LPARAM(lp)), y = static_cast<float>(GET_Y_LPARAM(lp));
    if (msg == WM_MOUSEMOVE) {
        std::int16_t button = heldButtons(wp);
        c.MouseMove(button, shift, x, y);
        return;
    }
    // A host press may name several buttons at once (a script's `down 3`); the form then
    // puts them in the high word, where the platform puts the number of an extra button.
    std::int16_t button = HIWORD(wp) ? static_cast<std::int16_t>(HIWORD(wp)) : buttonOf(msg);
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN)
        c.MouseDown(button, shift, x, y);
    else
        c.MouseUp(button, shift, x, y);
}

LRESULT controlProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        SetWindowLongPtrA(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
        return TRUE;
    }
    Control* c = controlOf(h);
    if (!c) return DefWindowProcA(h, msg, wp, lp);
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(h, &ps);
            c->Paint();
            EndPaint(h, &ps);
            return 0;
        }
        // The surface keeps its picture: nothing is erased under a control.
        case WM_ERASEBKGND: return 1;
        case WM_SIZE:
            // The control redraws its persistent surface in Resize; nothing is left to paint.
            c->Resize();
            if (IsWindow(h)) ValidateRect(h, nullptr);
            return 0;
        case WM_TIMER: c->timerFired(wp); return 0;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP: mouse(*c, msg, wp, lp); return 0;
        case WM_LBUTTONDBLCLK: c->DblClick(); return 0;
        case WM_HOST_CLICK: c->Click(); return 0;
        case WM_KEYDOWN:
        case WM_KEYUP: {
            std::int16_t code = static_cast<std::int16_t>(wp), shift = shiftOf(*c);
            if (msg == WM_KEYDOWN)
                c->KeyDown(code, shift);
            else
                c->KeyUp(code, shift);
            return 0;
        }
        case WM_CHAR: {
            std::int16_t ascii = static_cast<std::int16_t>(wp);
            c->KeyPress(ascii);
            return 0;
        }
        case WM_HOST_ACCESSKEY: {
            std::int16_t ascii = static_cast<std::int16_t>(wp);
            c->AccessKeyPress(ascii);
            return 0;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            if (c->site()) c->site()->focusMessage(*c, msg == WM_SETFOCUS, reinterpret_cast<HWND>(wp));
            return 0;
        default: return DefWindowProcA(h, msg, wp, lp);
    }
}

void registerControlClass() {
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = controlProc;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        return RegisterClassA(&wc) != 0;
    }();
    (void)registered;
}

}  // namespace

HWND CreateControlWindow(Control& control, HWND parent, int left, int top, int width, int height) {
    registerControlClass();
    return CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE, left, top, width, height, parent, nullptr, nullptr,
                           &control);
}

Control* ControlOfWindow(HWND hwnd) {
    char name[32];
    if (!GetClassNameA(hwnd, name, sizeof name) || std::string_view(name) != kClassName) return nullptr;
    return controlOf(hwnd);
}

}  // namespace ulmaro
