// The tooltip window class as a program sees it: tools registered by message, the pointer
// resting and leaving on the platform clock, subclassing undone, and the tip in the
// composed picture.
#include <ulmaro/platform/host.h>
#include <ulmaro/platform/win32.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ulmaro::platform;

namespace {

struct ToolTips : ::testing::Test {
    HWND top = nullptr, tool = nullptr, tip = nullptr;
    WNDPROC toolProc = nullptr;

    void SetUp() override {
        ResetInputState();
        top = CreateWindowExA(0, "Plain", "", WS_VISIBLE, 0, 0, 200, 120, nullptr, nullptr, nullptr, nullptr);
        tool = CreateWindowExA(0, "Plain", "", WS_CHILD | WS_VISIBLE, 20, 20, 60, 30, top, nullptr, nullptr, nullptr);
        toolProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(tool, GWLP_WNDPROC));
        SetCursorPos(190, 110);
    }
    void TearDown() override {
        if (IsWindow(tip)) DestroyWindow(tip);
        DestroyWindow(top);
    }
    HWND makeTip(DWORD style, UINT flags, const char* text) {
        tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
        TTTOOLINFOA ti{};
        ti.cbSize = TTTOOLINFOA_V2_SIZE;
        ti.uFlags = flags;
        ti.hwnd = tool;
        GetClientRect(tool, &ti.rect);
        ti.lpszText = const_cast<LPSTR>(text);
        EXPECT_TRUE(SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
        return tip;
    }
    // The pointer moves to a point of the top window, and the window under it hears it.
    void pointTo(int x, int y) {
        SetCursorPos(x, y);
        HWND under = WindowFromPointIn(top, POINT{x, y});
        POINT c{x, y};
        ScreenToClient(under, &c);
        SendMessageA(under, WM_MOUSEMOVE, 0, MAKELPARAM(c.x, c.y));
    }
    bool shown() const { return IsWindowVisible(tip) != 0; }
    COLORREF at(int x, int y) const { return ComposeWindow(top)[static_cast<std::size_t>(y) * 200 + static_cast<std::size_t>(x)]; }
};

// The default delays; the pointer must rest for the initial one (moving inside the tool
// starts the wait again); the tip shows below the pointer, framed, in the tip colour.
TEST_F(ToolTips, ShowsAfterTheInitialDelayOfARestingPointer) {
    makeTip(TTS_ALWAYSTIP | TTS_NOPREFIX, TTF_SUBCLASS, "Saves the file");
    for (auto [which, ms] : {std::pair{TTDT_INITIAL, 500}, {TTDT_AUTOPOP, 5000}, {TTDT_RESHOW, 100}})
        EXPECT_EQ(SendMessageA(tip, TTM_GETDELAYTIME, which, 0), ms);
    pointTo(30, 30);
    RunTimers(499);
    pointTo(31, 30);
    RunTimers(499);
    EXPECT_FALSE(shown());
    RunTimers(1);
    ASSERT_TRUE(shown());
    RECT r{};
    GetWindowRect(tip, &r);
    EXPECT_EQ((std::vector<LONG>{r.left, r.top}), (std::vector<LONG>{31, 50}));
    EXPECT_EQ(at(r.left, r.top), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(at(r.left + 1, r.top + 1), GetSysColor(COLOR_INFOBK));
}

TEST_F(ToolTips, AutoPopHidesTheTipUntilThePointerComesBack) {
    makeTip(TTS_ALWAYSTIP, TTF_SUBCLASS, "Hello");
    pointTo(30, 30);
    RunTimers(500);
    ASSERT_TRUE(shown());
    RunTimers(5000);
    EXPECT_FALSE(shown());
    pointTo(32, 32);
    RunTimers(1000);
    EXPECT_FALSE(shown()) << "spent until the pointer leaves the tool";
    pointTo(150, 100);
    RunTimers(100);
    pointTo(30, 30);
    RunTimers(500);
    EXPECT_TRUE(shown());
    // A press puts it away as well.
    SendMessageA(tool, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_FALSE(shown());
}

TEST_F(ToolTips, WithoutAlwaysTipOnlyTheFocusedWindowShowsTips) {
    makeTip(0, TTF_SUBCLASS, "Hello");
    SetFocus(nullptr);
    pointTo(30, 30);
    RunTimers(600);
    EXPECT_FALSE(shown());
    SetFocus(top);
    pointTo(31, 30);
    RunTimers(600);
    EXPECT_TRUE(shown());
}

TEST_F(ToolTips, ToolsAndTheirTextAnswerTheirMessages) {
    makeTip(TTS_ALWAYSTIP | TTS_BALLOON, TTF_SUBCLASS | TTF_CENTERTIP, "first");
    TTTOOLINFOA ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = tool;
    char buf[80] = {};
    ti.lpszText = const_cast<LPSTR>("second");
    SendMessageA(tip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
    ti.lpszText = buf;
    ASSERT_TRUE(SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti)));
    EXPECT_EQ(ti.uFlags, TTF_SUBCLASS | TTF_CENTERTIP);
    EXPECT_EQ(std::string(buf), "second");
    EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    ti.uId = 7;  // another identifier names no tool
    EXPECT_FALSE(SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti)));

    // A centred balloon points at the middle of the tool's lower edge, below it.
    pointTo(25, 25);
    RunTimers(500);
    ASSERT_TRUE(shown());
    RECT r{};
    GetWindowRect(tip, &r);
    EXPECT_EQ(r.top, 50);
    EXPECT_LT(r.left, 50);
    EXPECT_GT(r.right, 50);
    EXPECT_EQ(at(50, r.top + 1), GetSysColor(COLOR_WINDOWFRAME)) << "the stem's point";
}

// The tip's procedure goes when the tip goes, and the tool's window keeps working; a
// procedure put in front of the tip's afterwards keeps its place.
WNDPROC before = nullptr;
int counted = 0;
LRESULT counting(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_MOUSEMOVE) ++counted;
    return CallWindowProcA(before, h, m, wp, lp);
}

TEST_F(ToolTips, DestroyingTheTipUndoesItsSubclassing) {
    makeTip(TTS_ALWAYSTIP, TTF_SUBCLASS, "x");
    EXPECT_NE(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(tool, GWLP_WNDPROC)), toolProc);
    DestroyWindow(tip);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(tool, GWLP_WNDPROC)), toolProc);

    makeTip(TTS_ALWAYSTIP, TTF_SUBCLASS, "y");
    before = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(tool, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&counting)));
    DestroyWindow(tip);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(tool, GWLP_WNDPROC)), &counting);
    counted = 0;
    pointTo(30, 30);
    RunTimers(600);
    EXPECT_EQ(counted, 1);
}

}  // namespace
