// Composing a window tree and finding the window under a point: frames, window regions,
// see-through parts, z-order and clipping to the parent.
#include <ulmaro/platform/host.h>
#include <ulmaro/platform/win32.h>

#include <gtest/gtest.h>

using namespace ulmaro::platform;

namespace {

// Fills a window's client surface with one colour.
void fill(HWND h, COLORREF c) {
    HDC dc = GetDC(h);
    RECT r{};
    GetClientRect(h, &r);
    HBRUSH b = CreateSolidBrush(c);
    FillRect(dc, &r, b);
    DeleteObject(b);
    ReleaseDC(h, dc);
}

struct Tree : ::testing::Test {
    HWND top = CreateWindowExA(0, "Plain", "", WS_VISIBLE, 0, 0, 40, 30, nullptr, nullptr, nullptr, nullptr);
    HWND child(HWND parent, int x, int y, int w, int h, COLORREF c, DWORD style = 0, DWORD ex = 0) {
        HWND hw = CreateWindowExA(ex, "Plain", "", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr, nullptr, nullptr);
        fill(hw, c);
        return hw;
    }
    ~Tree() override { DestroyWindow(top); }
};

constexpr COLORREF kBack = RGB(1, 1, 1), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0);

}  // namespace

TEST_F(Tree, ChildrenShowInZOrderClippedToTheirParent) {
    fill(top, kBack);
    HWND a = child(top, 5, 5, 20, 10, kRed);
    HWND b = child(top, 15, 5, 20, 10, kBlue);
    HWND inner = child(a, 15, 2, 20, 4, kGreen);  // reaches past its parent's right edge
    auto px = ComposeWindow(top);
    auto at = [&](int x, int y) { return px[static_cast<std::size_t>(y) * 40 + static_cast<std::size_t>(x)]; };
    EXPECT_EQ(at(4, 5), kBack);
    EXPECT_EQ(at(5, 5), kRed);
    EXPECT_EQ(at(15, 5), kBlue);  // b lies above a
    EXPECT_EQ(at(20, 7), kBlue);  // and above a's child
    SetWindowPos(b, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    px = ComposeWindow(top);
    EXPECT_EQ(at(20, 7), kGreen);
    EXPECT_EQ(at(24, 7), kGreen);
    EXPECT_EQ(at(25, 7), kBlue);  // past a's client area the child is cut off
    EXPECT_EQ(WindowFromPointIn(top, POINT{20, 7}), inner);
    EXPECT_EQ(WindowFromPointIn(top, POINT{25, 7}), b);
    ShowWindow(a, SW_HIDE);
    EXPECT_EQ(WindowFromPointIn(top, POINT{20, 7}), b);
    EXPECT_EQ(GetWindow(top, GW_CHILD), a);  // the top of the z-order
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
}

TEST_F(Tree, FramesRegionsAndSeeThroughParts) {
    fill(top, kBack);
    HWND edged = child(top, 2, 2, 10, 10, kRed, 0, WS_EX_CLIENTEDGE);
    HWND lined = child(top, 14, 2, 10, 10, kRed, WS_BORDER);
    HWND shaped = child(top, 26, 2, 10, 10, kBlue);
    SetWindowRgn(shaped, CreateEllipticRgn(0, 0, 10, 10), TRUE);
    HWND holed = child(top, 2, 16, 10, 10, kGreen);
    HRGN opaque = CreateRectRgn(0, 0, 10, 10);
    HRGN hole = CreateRectRgn(3, 3, 6, 6);
    CombineRgn(opaque, opaque, hole, RGN_DIFF);
    DeleteObject(hole);
    SetWindowOpaqueRgn(holed, opaque);
    auto px = ComposeWindow(top);
    auto at = [&](int x, int y) { return px[static_cast<std::size_t>(y) * 40 + static_cast<std::size_t>(x)]; };
    // The sunken edge: shadow outside, dark shadow inside, on the top and left.
    EXPECT_EQ(at(2, 2), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(at(3, 3), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(at(4, 4), kRed);
    EXPECT_EQ(at(14, 2), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(at(15, 3), kRed);
    EXPECT_EQ(at(26, 2), kBack);  // the ellipse leaves the corner out
    EXPECT_EQ(at(31, 7), kBlue);
    EXPECT_EQ(at(6, 20), kBack);  // seen through the hole
    EXPECT_EQ(at(2, 16), kGreen);
    // The pointer goes where the eye goes; on a frame the window answers HTBORDER.
    EXPECT_EQ(WindowFromPointIn(top, POINT{26, 2}), top);
    EXPECT_EQ(WindowFromPointIn(top, POINT{6, 20}), top);
    EXPECT_EQ(WindowFromPointIn(top, POINT{2, 16}), holed);
    EXPECT_EQ(WindowFromPointIn(top, POINT{2, 2}), edged);
    EXPECT_EQ(SendMessageA(edged, WM_NCHITTEST, 0, MAKELPARAM(2, 2)), HTBORDER);
    EXPECT_EQ(SendMessageA(lined, WM_NCHITTEST, 0, MAKELPARAM(15, 3)), HTCLIENT);
    // A changed border style redraws the frame at the next composition.
    SetWindowLongA(lined, GWL_STYLE, static_cast<LONG>(GetWindowLongA(lined, GWL_STYLE) & ~WS_BORDER));
    SetWindowLongA(lined, GWL_EXSTYLE, static_cast<LONG>(WS_EX_CLIENTEDGE));
    px = ComposeWindow(top);
    EXPECT_EQ(at(14, 2), GetSysColor(COLOR_BTNSHADOW));
}
