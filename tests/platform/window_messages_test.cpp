// Window classes, procedures and subclassing, the message queue, painting, timers, focus
// and capture, as a program sees them through messages.
#include <ulmaro/platform/host.h>
#include <ulmaro/platform/win32.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ulmaro::platform;

namespace {

// What the test class's procedure heard, as "window:message" lines.
std::vector<std::string> heard;
DWORD t0 = 0;  // the clock when the test began
HWND redirect = nullptr;  // where the next window told it lost the focus moves it
HWND named[8];
std::string nameOf(HWND h) {
    if (!h) return "none";
    for (int i = 0; i < 8; ++i)
        if (named[i] == h) return std::to_string(i);
    return "?";
}

LRESULT recorder(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    switch (m) {
        case WM_CREATE: heard.push_back("create " + std::string(static_cast<const char*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams))); return 0;
        case WM_SETFOCUS: heard.push_back(nameOf(h) + ":setfocus from " + nameOf(reinterpret_cast<HWND>(wp))); return 0;
        case WM_KILLFOCUS:
            heard.push_back(nameOf(h) + ":killfocus to " + nameOf(reinterpret_cast<HWND>(wp)));
            if (HWND r = redirect) {
                redirect = nullptr;
                SetFocus(r);
            }
            return 0;
        case WM_CAPTURECHANGED: heard.push_back(nameOf(h) + ":capturechanged"); return 0;
        case WM_TIMER: heard.push_back(nameOf(h) + ":timer " + std::to_string(wp) + " at " + std::to_string(GetTickCount() - t0)); return 0;
        case WM_SIZE: heard.push_back(nameOf(h) + ":size " + std::to_string(LOWORD(lp)) + "x" + std::to_string(HIWORD(lp))); return 0;
        case WM_USER: heard.push_back(nameOf(h) + ":user " + std::to_string(wp)); return 0;
        default: return DefWindowProcA(h, m, wp, lp);
    }
}

struct Windows : ::testing::Test {
    HWND top = nullptr;
    void SetUp() override {
        heard.clear();
        WNDCLASSA wc{};
        wc.lpfnWndProc = recorder;
        wc.lpszClassName = "TestRecorder";
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_WINDOW + 1));
        RegisterClassA(&wc);
        top = make(nullptr, 0, 0, 100, 100, "top");
        named[0] = top;
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
        heard.clear();
        ResetInputState();
        t0 = GetTickCount();
    }
    void TearDown() override {
        DestroyWindow(top);
        UnregisterClassA("TestRecorder", nullptr);
    }
    // Creates a window of the test class and forgets what it heard while being made.
    HWND make(HWND parent, int x, int y, int w, int h, const char* tag, DWORD style = WS_VISIBLE) {
        std::vector<std::string> before = heard;
        HWND made = CreateWindowExA(0, "testrecorder", "", style | (parent ? WS_CHILD : 0), x, y, w, h, parent, nullptr, nullptr,
                               const_cast<char*>(tag));
        created = heard.size() > before.size() ? heard.back() : "";
        heard = before;
        return made;
    }
    std::string created;
};

// A subclassing procedure: counts mouse moves and passes every message on.
WNDPROC previous = nullptr;
int moves = 0;
LRESULT counting(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_MOUSEMOVE) ++moves;
    return CallWindowProcA(previous, h, m, wp, lp);
}

}  // namespace

TEST_F(Windows, ClassProcedureSeesCreationAndSubclassingPassesMessagesOn) {
    HWND a = make(top, 0, 0, 10, 10, "a");
    EXPECT_EQ(created, "create a");
    // A window of a class nobody registered answers with the default procedure.
    HWND plain = CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(SendMessageA(plain, WM_NCHITTEST, 0, MAKELPARAM(0, 0)), HTCLIENT);
    DestroyWindow(plain);
    named[1] = a;
    previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(a, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(counting)));
    EXPECT_EQ(previous, recorder);
    moves = 0;
    SendMessageA(a, WM_MOUSEMOVE, 0, 0);
    SendMessageA(a, WM_USER, 7, 0);
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(heard.back(), "1:user 7");
    // A host procedure with context is reached through the value GetWindowLongPtrA gives.
    int hostCalls = 0;
    SetWindowProc(a, [&](HWND h, UINT m, WPARAM wp, LPARAM lp) {
        ++hostCalls;
        return DefWindowProcA(h, m, wp, lp);
    });
    auto saved = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(a, GWLP_WNDPROC));
    SetWindowLongPtrA(a, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(counting));
    previous = saved;
    SendMessageA(a, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(moves, 2);
    EXPECT_EQ(hostCalls, 1);
    EXPECT_TRUE(SetWindowTextA(a, "caption"));
    char buf[4];
    EXPECT_EQ(GetWindowTextA(a, buf, 4), 3);
    EXPECT_STREQ(buf, "cap");
}

TEST_F(Windows, PostedMessagesComeInOrderAndPaintComesLast) {
    HWND a = make(top, 0, 0, 10, 10, "a");
    named[1] = a;
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);  // the first paint
    EXPECT_FALSE(GetUpdateRect(a, nullptr, FALSE));
    RECT r{2, 2, 5, 5};
    InvalidateRect(a, &r, TRUE);
    PostMessageA(a, WM_USER, 1, 0);
    PostMessageA(top, WM_USER, 2, 0);
    ASSERT_TRUE(PeekMessageA(&m, top, WM_USER, WM_USER, PM_NOREMOVE));
    EXPECT_EQ(m.wParam, 1u);  // the filter takes the children of `top` too
    std::vector<UINT> order;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        order.push_back(m.message);
        if (m.message == WM_PAINT) {
            PAINTSTRUCT ps;
            BeginPaint(m.hwnd, &ps);
            EXPECT_EQ(ps.rcPaint.left, 2);
            EXPECT_EQ(ps.rcPaint.bottom, 5);
            EXPECT_FALSE(ps.fErase);  // the class brush erased it
            EXPECT_EQ(GetPixel(ps.hdc, 3, 3), GetSysColor(COLOR_WINDOW));
            EXPECT_EQ(GetPixel(ps.hdc, 6, 6), CLR_INVALID);  // outside the update region
            EndPaint(m.hwnd, &ps);
        } else {
            DispatchMessageA(&m);
        }
    }
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER, WM_USER, WM_PAINT}));
    PostMessageA(a, WM_USER, 3, 0);
    DestroyWindow(a);
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));  // dropped with its window
}

TEST_F(Windows, TimersFireInDueOrderWindowsAgeBreaksTies) {
    HWND older = make(top, 0, 0, 1, 1, "a"), younger = make(top, 0, 0, 1, 1, "b");
    named[1] = older;
    named[2] = younger;
    SetTimer(younger, 5, 2, nullptr);
    SetTimer(older, 9, 2, nullptr);
    SetTimer(older, 1, 3, nullptr);
    EXPECT_EQ(NextTimerDue(), 2);
    RunTimers(6);
    std::vector<std::string> expect;
    for (const char* line : {"1:timer 9 at 2", "2:timer 5 at 2", "1:timer 1 at 3", "1:timer 9 at 4", "2:timer 5 at 4",
                             "1:timer 1 at 6", "1:timer 9 at 6", "2:timer 5 at 6"})
        expect.push_back(line);
    EXPECT_EQ(heard, expect);
    // Setting again restarts the interval; killing or destroying the window stops it.
    heard.clear();
    RunTimers(1);
    SetTimer(older, 9, 5, nullptr);
    EXPECT_TRUE(KillTimer(older, 1));
    EXPECT_FALSE(KillTimer(older, 1));
    DestroyWindow(younger);
    RunTimers(4);
    EXPECT_TRUE(heard.empty());
    RunTimers(1);
    EXPECT_EQ(heard.size(), 1u);
    KillTimer(older, 9);
    EXPECT_EQ(NextTimerDue(), -1);
}

TEST_F(Windows, FocusAndCaptureTellTheWindowsInvolved) {
    HWND a = make(top, 0, 0, 1, 1, "a"), b = make(top, 0, 0, 1, 1, "b");
    named[1] = a;
    named[2] = b;
    SetFocus(a);
    SetFocus(b);
    SetFocus(b);  // no change, no message
    SetCapture(a);
    SetCapture(b);
    ReleaseCapture();
    EXPECT_EQ(heard, (std::vector<std::string>{"1:setfocus from none", "1:killfocus to 2", "2:setfocus from 1",
                                               "1:capturechanged", "2:capturechanged"}));
    EXPECT_EQ(GetFocus(), b);
    EXPECT_EQ(GetCapture(), nullptr);
    // A window that moves the focus on while it is told keeps that move: the window the
    // first call named never hears it had the focus.
    HWND c = make(top, 0, 0, 1, 1, "c");
    named[3] = c;
    heard.clear();
    redirect = c;
    SetFocus(a);
    EXPECT_EQ(heard, (std::vector<std::string>{"2:killfocus to 1", "1:killfocus to 3", "3:setfocus from 1"}));
    EXPECT_EQ(GetFocus(), c);
    DestroyWindow(c);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(Windows, OnlyAChangeOfClientSizeSendsSize) {
    HWND a = make(top, 0, 0, 10, 10, "a");
    named[1] = a;
    MoveWindow(a, 5, 5, 10, 10, TRUE);
    SetWindowPos(a, nullptr, 0, 0, 12, 10, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(heard, std::vector<std::string>{"1:size 12x10"});
    RECT w{};
    GetWindowRect(a, &w);
    EXPECT_EQ(w.left, 5);
}
