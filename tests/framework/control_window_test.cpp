// Controls are windows: a control can be driven by window messages alone, a subclassing
// procedure sees (and passes on) what the form sends it, and the focus and the capture
// belong to the platform, which the form follows.
#include "command/zyn_command.h"
#include "support/harness.h"

#include <ulmaro/platform/host.h>

#include <gtest/gtest.h>

using namespace ulmaro;
using namespace ulmaro::platform;

namespace {

WNDPROC buttonProc = nullptr;
int mouseMoves = 0;

// Counts the pointer moves the button's window gets and hands every message on.
LRESULT countingMoves(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_MOUSEMOVE) ++mouseMoves;
    return CallWindowProcA(buttonProc, h, msg, wp, lp);
}

struct ControlWindows : ::testing::Test {
    test::Harness h{200, 100};
    HWND ok = nullptr, cancel = nullptr;
    void SetUp() override {
        h.run("new ZynCommand Ok 10 10 60 24\nnew ZynCommand Cancel 100 10 60 24\n");
        ok = h.form->find("Ok")->surface().hWnd();
        cancel = h.form->find("Cancel")->surface().hWnd();
    }
};

}  // namespace

TEST_F(ControlWindows, SubclassingSeesTheMovesOverTheButtonAndPassesThemOn) {
    buttonProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(ok, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(countingMoves)));
    mouseMoves = 0;
    h.run("move 5 5\nmove 20 20\nmove 30 20\nmove 40 30\nmove 70 20\nmove 120 20\n");
    EXPECT_EQ(mouseMoves, 3);
    // Passed on, the moves gave the button its hover look and hover timer.
    auto& button = dynamic_cast<ZynCommand&>(*h.form->find("Ok"));
    h.run("move 20 20\n");
    EXPECT_EQ(mouseMoves, 4);
    EXPECT_TRUE(button.IsOver());
    EXPECT_TRUE(button.overTimer().Enabled());
    SetWindowLongPtrA(ok, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(buttonProc));
    h.run("move 20 20\n");
    EXPECT_EQ(mouseMoves, 4);
}

TEST_F(ControlWindows, AClickMadeOfMessagesAlone) {
    h.run("on Ok.Click\n");
    SetCursorPos(20, 20);  // the button asks where the pointer is when it is released
    SendMessageA(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(h.run("get Ok.Value\n"), "Ok.Value = True\n");
    h.out.str("");
    SendMessageA(ok, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(h.out.str(), "Ok.Click\n");
    EXPECT_EQ(h.run("get Ok.Value\n"), "Ok.Value = False\n");
}

TEST_F(ControlWindows, FocusAndCaptureHaveOneOwner) {
    h.run("focus Ok\n");
    ASSERT_EQ(GetFocus(), ok);
    // Moved by the platform alone, the focus takes the form's notion of it along.
    h.out.str("");
    SetFocus(cancel);
    EXPECT_EQ(h.form->focused(), h.form->find("Cancel"));
    EXPECT_EQ(h.run("keydown 32\nkeyup 32\n"), "Cancel.Click\n");
    // Whoever holds the capture gets the pointer, wherever it is; released, the window under
    // the pointer does.
    buttonProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(ok, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(countingMoves)));
    mouseMoves = 0;
    SetCapture(ok);
    h.run("move 120 20\nmove 190 90\n");
    EXPECT_EQ(mouseMoves, 2);
    ReleaseCapture();
    h.run("move 120 20\n");
    EXPECT_EQ(mouseMoves, 2);
    SetWindowLongPtrA(ok, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(buttonProc));
}
