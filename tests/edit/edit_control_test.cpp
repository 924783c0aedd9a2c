// The edit window through its messages, as a program drives it.
#include "platform/edit/edit_clipboard.h"
#include "platform/edit/edit_control.h"

#include "support/snapshot.h"

#include <ulmaro/platform/host.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include <string>
#include <vector>

namespace ulmaro::platform::edit {
namespace {

struct Edit {
    HWND hwnd;
    std::vector<WORD> notes;
    explicit Edit(DWORD style, int w = 120, int h = 60) {
        ResetInputState();
        hwnd = EditControl::create(style | WS_VISIBLE, 0, 0, w, h, nullptr);
        EditControl::from(hwnd)->setNotify([this](WORD code) { notes.push_back(code); });
    }
    ~Edit() { DestroyWindow(hwnd); }
    LRESULT send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) { return SendMessageA(hwnd, msg, wp, lp); }
    void setText(const char* s) { send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(s)); }
    std::string text() {
        std::string s(static_cast<std::size_t>(send(WM_GETTEXTLENGTH)) + 1, '\0');
        s.resize(static_cast<std::size_t>(send(WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(s.data()))));
        return s;
    }
    void type(const std::string& s) {
        for (char c : s) send(WM_CHAR, static_cast<unsigned char>(c));
    }
    void key(int vk, bool shift = false, bool ctrl = false) {
        SetKeyDown(VK_SHIFT, shift);
        SetKeyDown(VK_CONTROL, ctrl);
        send(WM_KEYDOWN, static_cast<WPARAM>(vk));
        SetKeyDown(VK_SHIFT, false);
        SetKeyDown(VK_CONTROL, false);
    }
    std::pair<DWORD, DWORD> sel() {
        DWORD s = 0, e = 0;
        send(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
        return {s, e};
    }
    std::string line(int n) {
        char buf[64] = {};
        const WORD room = 60;
        std::memcpy(buf, &room, sizeof room);
        return std::string(buf, static_cast<std::size_t>(send(EM_GETLINE, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(buf))));
    }
};

TEST(EditControl, LineMessages) {
    Edit e(ES_MULTILINE);
    e.setText("first\r\n\r\nthird line");
    EXPECT_EQ(e.send(EM_GETLINECOUNT), 3);
    EXPECT_EQ(e.send(EM_LINEINDEX, 2), 9);
    EXPECT_EQ(e.send(EM_LINEINDEX, 3), -1);
    EXPECT_EQ(e.send(EM_LINELENGTH, 3), 5);   // any position in the first line
    EXPECT_EQ(e.send(EM_LINELENGTH, 7), 0);
    EXPECT_EQ(e.send(EM_LINEFROMCHAR, 12), 2);
    EXPECT_EQ(e.line(2), "third line");
    EXPECT_EQ(e.line(1), "");
    e.send(EM_SETSEL, 12, 9);
    EXPECT_EQ(e.sel(), std::make_pair(DWORD{9}, DWORD{12}));
    EXPECT_EQ(e.send(EM_GETSEL), MAKELONG(9, 12));
    EXPECT_EQ(e.send(EM_LINEINDEX, static_cast<WPARAM>(-1)), 9);  // the caret's line
    e.send(EM_SETSEL, 0, -1);
    EXPECT_EQ(e.sel(), std::make_pair(DWORD{0}, DWORD{19}));

    Edit single(0);
    single.setText("one line");
    EXPECT_EQ(single.send(EM_GETLINECOUNT), 1);
    EXPECT_EQ(single.send(EM_LINELENGTH, 99), 8);
    EXPECT_EQ(single.line(5), "one line");
}

// A point and a character agree both ways, whatever the scrolling.
TEST(EditControl, CharFromPosAndBack) {
    Edit e(ES_MULTILINE, 60, 40);
    e.setText("abc\r\ndefghijklmnopqrstuvwxyz\r\nx\r\ny\r\nz\r\nw");
    for (WPARAM pos : {0u, 2u, 5u, 9u}) {
        const LRESULT p = e.send(EM_POSFROMCHAR, pos);
        const LRESULT c = e.send(EM_CHARFROMPOS, 0, p);
        EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(c)), pos);
        EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(c)), e.send(EM_LINEFROMCHAR, pos));
    }
    e.send(EM_SETSEL, 40, 40);
    e.send(EM_SCROLLCARET);
    EXPECT_GT(e.send(EM_GETFIRSTVISIBLELINE), 0);
    EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(e.send(EM_CHARFROMPOS, 0, MAKELPARAM(1, 1)))), e.send(EM_GETFIRSTVISIBLELINE));
    EXPECT_EQ(e.send(EM_POSFROMCHAR, 41), -1);
}

TEST(EditControl, KeysEditAndReport) {
    Edit e(ES_MULTILINE);
    e.type("one two");
    e.key(VK_LEFT, false, true);                 // Ctrl+Left: start of "two"
    e.key(VK_END, true);                         // Shift+End selects it
    EXPECT_EQ(e.sel(), std::make_pair(DWORD{4}, DWORD{7}));
    e.type("\r");                                // Enter replaces it with a line break
    EXPECT_EQ(e.text(), "one \r\n");
    e.key(VK_UP);
    e.key(VK_HOME, false, true);
    e.key(VK_DELETE);
    EXPECT_EQ(e.text(), "ne \r\n");
    e.type(std::string(1, '\x1A'));  // Ctrl+Z
    EXPECT_EQ(e.text(), "one \r\n");
    EXPECT_EQ(e.send(EM_CANUNDO), TRUE);
    const auto changes = std::count(e.notes.begin(), e.notes.end(), EN_CHANGE);
    EXPECT_EQ(changes, 10);  // seven characters, Enter, Delete, undo
}

TEST(EditControl, ClipboardIsSharedAndPasswordsStayIn) {
    clearClipboard();
    Edit a(0), b(ES_MULTILINE), secret(ES_PASSWORD);
    a.setText("copy me");
    a.send(EM_SETSEL, 0, 4);
    a.send(WM_COPY);
    b.send(WM_PASTE);
    b.type(std::string(1, '\x16'));  // Ctrl+V
    EXPECT_EQ(b.text(), "copycopy");
    a.send(WM_CUT);
    EXPECT_EQ(a.text(), " me");
    secret.setText("hunter2");
    secret.send(EM_SETSEL, 0, -1);
    secret.send(WM_COPY);
    secret.send(WM_CUT);
    EXPECT_EQ(secret.text(), "hunter2");
    EXPECT_EQ(clipboardText(), "copy");
    EXPECT_EQ(secret.send(EM_GETPASSWORDCHAR), '*');
}

TEST(EditControl, ReadOnlyAndLimit) {
    Edit e(0);
    e.send(EM_LIMITTEXT, 3);
    e.type("abcd");
    EXPECT_EQ(e.text(), "abc");
    EXPECT_NE(std::find(e.notes.begin(), e.notes.end(), EN_MAXTEXT), e.notes.end());
    e.send(EM_SETREADONLY, TRUE);
    e.type(std::string(1, '\b'));
    e.key(VK_DELETE);
    EXPECT_EQ(e.text(), "abc");
    EXPECT_TRUE(GetWindowLongA(e.hwnd, GWL_STYLE) & ES_READONLY);
    e.setText("set by program");  // a program may still set the text, past the limit too
    EXPECT_EQ(e.text(), "set by program");
}

TEST(EditControl, MarginsAndTabStops) {
    Edit e(ES_MULTILINE);
    e.send(EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(5, 0));
    EXPECT_EQ(e.send(EM_GETMARGINS), MAKELONG(5, 0));
    e.setText("\tx");
    const int plain = LOWORD(static_cast<std::uintptr_t>(e.send(EM_POSFROMCHAR, 1)));
    int stops[] = {64};
    EXPECT_EQ(e.send(EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(stops)), TRUE);
    const int wide = LOWORD(static_cast<std::uintptr_t>(e.send(EM_POSFROMCHAR, 1)));
    EXPECT_EQ(e.send(EM_POSFROMCHAR, 0), MAKELONG(5, 0));
    EXPECT_EQ(wide - 5, 2 * (plain - 5));  // 64 dialog units against the default 32
}

TEST(EditControl, MouseSelectsAndScrollBarsScroll) {
    Edit e(ES_MULTILINE | WS_VSCROLL, 100, 50);
    std::string text;
    for (int i = 0; i < 20; ++i) text += "line " + std::to_string(i) + "\r\n";
    e.setText(text.c_str());
    e.send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(0, 2));
    e.send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 16));
    e.send(WM_LBUTTONUP, 0, MAKELPARAM(60, 16));
    EXPECT_EQ(e.sel(), std::make_pair(DWORD{0}, DWORD{14}));  // into the second line, to its end
    e.send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(e.sel(), std::make_pair(DWORD{0}, DWORD{4}));
    e.send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(95, 45));  // the down arrow
    e.send(WM_LBUTTONUP, 0, MAKELPARAM(95, 45));
    EXPECT_EQ(e.send(EM_GETFIRSTVISIBLELINE), 1);
    e.send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(95, 30));  // the track below the thumb
    EXPECT_EQ(e.send(EM_GETFIRSTVISIBLELINE), 4);
    e.send(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(e.send(EM_GETFIRSTVISIBLELINE), 21 - 3);
}

// Selection, caret and scroll bars as they show.
TEST(EditControl, Picture) {
    Edit e(ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 140, 70);
    e.setText("Alpha beta\r\n\tgamma delta epsilon\r\nzeta\r\neta\r\ntheta");
    e.send(WM_SETFOCUS);
    e.send(EM_SETSEL, 6, 16);
    std::string message;
    EXPECT_EQ(test::compareWithSnapshot("edit", "multiline", test::cropPicture(GetWindowSurface(e.hwnd)), &message), 0)
        << message;
    e.send(WM_TIMER, 1);  // the caret blinks off
    EXPECT_FALSE(EditControl::from(e.hwnd)->caretShown());
}

}  // namespace
}  // namespace ulmaro::platform::edit
