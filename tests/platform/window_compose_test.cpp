// Composing a window tree and finding the window under a point: frames, window regions,
// see-through parts, z-order and clipping to the parent.
#include <ulmaro/platform/host.h>
#include <ulmaro/platform/win32.h>

#include "support/snapshot.h"

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
    void expectPicture(const std::string& name) {
        std::vector<COLORREF> px = ComposeWindow(top);
        ulmaro::test::expectSnapshot("windows", name, ulmaro::test::cropPicture(PixelView{px.data(), 40, 30, false}));
    }
};

constexpr COLORREF kBack = RGB(255, 255, 224), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0);

}  // namespace

TEST_F(Tree, ChildrenShowInZOrderClippedToTheirParent) {
    fill(top, kBack);
    HWND a = child(top, 5, 5, 20, 10, kRed);
    HWND b = child(top, 15, 5, 20, 10, kBlue);
    HWND inner = child(a, 15, 2, 20, 4, kGreen);  // reaches past its parent's right edge
    // b lies above a and a's child; the child is cut off past a's client area.
    expectPicture("z_order");
    SetWindowPos(b, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    expectPicture("z_order_b_at_bottom");
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
    // A sunken edge, a line border, an elliptic window region and a see-through hole.
    expectPicture("frames_regions");
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
    expectPicture("frames_regions_restyled");
}
