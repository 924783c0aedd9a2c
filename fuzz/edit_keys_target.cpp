// Edit-control keystrokes: characters, editing and moving keys, clipboard and undo messages,
// selections, limits, read-only, mouse, scrolling, resizing and painting, in any order. After
// every message the text is checked against a plain string that made the same edit, and the
// selection and line tables against that string; an undo must give back an earlier text, and
// a second undo the text it replaced.
#include "fuzz_support.h"

#include "platform/edit/edit_clipboard.h"
#include "platform/edit/edit_control.h"

#include <ulmaro/platform/win32.h>

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <string>
#include <tuple>

namespace ulmaro::fuzz {

using namespace platform;

namespace {

using platform::edit::EditControl;

constexpr std::size_t kMaxOps = 128;

struct Edit {
    HWND hwnd;
    bool multiline;
    bool password;

    LRESULT send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return SendMessageA(hwnd, msg, wp, lp); }
    std::string text() const {
        std::string s(static_cast<std::size_t>(send(WM_GETTEXTLENGTH)) + 1, '\0');
        s.resize(static_cast<std::size_t>(send(WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(s.data()))));
        return s;
    }
    std::pair<std::size_t, std::size_t> selection() const {
        DWORD lo = 0, hi = 0;
        send(EM_GETSEL, reinterpret_cast<WPARAM>(&lo), reinterpret_cast<LPARAM>(&hi));
        return {lo, hi};
    }
    bool readOnly() const { return (GetWindowLongA(hwnd, GWL_STYLE) & ES_READONLY) != 0; }
    std::size_t limit() const { return static_cast<std::size_t>(send(EM_GETLIMITTEXT)); }
};

// The plain string the edit should hold, with the rules of each edit written out directly.
struct Expected {
    std::string text;
    std::size_t lo = 0, hi = 0;  // the selection before the message
    bool readOnly = false;
    std::size_t limit = 0;
    bool multiline = false;

    bool breakBefore(std::size_t p) const { return p >= 2 && text.compare(p - 2, 2, "\r\n") == 0; }
    bool breakAt(std::size_t p) const { return text.compare(p, 2, "\r\n") == 0; }
    void replace(std::size_t from, std::size_t count, const std::string& with) { text.replace(from, count, with); }
    void removeSelection() { replace(lo, hi - lo, ""); }
    void type(const std::string& s) {
        if (readOnly || text.size() - (hi - lo) + s.size() > limit) return;
        replace(lo, hi - lo, s);
    }
    void deleteBack() {
        if (readOnly) return;
        if (lo != hi) return removeSelection();
        if (lo > 0) replace(lo - (breakBefore(lo) ? 2 : 1), breakBefore(lo) ? 2 : 1, "");
    }
    void deleteForward() {
        if (readOnly) return;
        if (lo != hi) return removeSelection();
        if (lo < text.size()) replace(lo, breakAt(lo) ? 2 : 1, "");
    }
    // A paste or EM_REPLACESEL: one line only in a single-line edit, cut to the limit
    // without splitting a line break.
    void replaceSelection(std::string s) {
        if (!multiline) s = s.substr(0, s.find_first_of("\r\n"));
        const std::size_t kept = text.size() - (hi - lo);
        const std::size_t room = limit > kept ? limit - kept : 0;
        if (s.size() > room) {
            s.resize(room);
            if (!s.empty() && s.back() == '\r') s.pop_back();
        }
        replace(lo, hi - lo, s);
    }
};

void checkShape(const Edit& e, const std::string& text) {
    const auto [lo, hi] = e.selection();
    if (lo > hi || hi > text.size()) Fault("selection " + std::to_string(lo) + ".." + std::to_string(hi) + " outside the text");
    for (std::size_t p : {lo, hi})
        if (p > 0 && p < text.size() && text.compare(p - 1, 2, "\r\n") == 0) Fault("selection inside a line break");
    if (!e.multiline) return;
    std::size_t lines = 1, start = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") != 0) continue;
        if (e.send(EM_LINEINDEX, lines) != static_cast<LRESULT>(i + 2)) Fault("EM_LINEINDEX disagrees with the text");
        if (e.send(EM_LINELENGTH, start) != static_cast<LRESULT>(i - start)) Fault("EM_LINELENGTH disagrees with the text");
        start = i + 2;
        ++lines;
    }
    if (e.send(EM_GETLINECOUNT) != static_cast<LRESULT>(lines)) Fault("EM_GETLINECOUNT disagrees with the text");
}

void pressKey(const Edit& e, int vk, bool shift, bool ctrl) {
    SetKeyDown(VK_SHIFT, shift);
    SetKeyDown(VK_CONTROL, ctrl);
    e.send(WM_KEYDOWN, static_cast<WPARAM>(vk));
    SetKeyDown(VK_SHIFT, false);
    SetKeyDown(VK_CONTROL, false);
}

}  // namespace

int EditKeys(const std::uint8_t* data, std::size_t size) {
    Choices in(data, size);
    HandleBaseline baseline;
    ResetInputState();
    platform::edit::clearClipboard();
    {
        const std::uint8_t styleBits = in.byte();
        DWORD style = WS_VISIBLE;
        if (styleBits & 1) style |= ES_MULTILINE | WS_VSCROLL;
        if (styleBits & 2) style |= ES_AUTOHSCROLL | WS_HSCROLL;
        if (styleBits & 4) style |= ES_PASSWORD;
        if (styleBits & 8) style |= ES_READONLY;
        if (styleBits & 16) style |= ES_CENTER;
        if (styleBits & 32) style |= ES_RIGHT;
        // Word wrap changes which visual lines EM_LINEINDEX counts; the line check below only
        // holds for an edit whose lines are the text's line breaks.
        const bool wraps = (style & ES_MULTILINE) && !(style & ES_AUTOHSCROLL);
        const Edit e{EditControl::create(style, 0, 0, 1 + static_cast<int>(in.pick(300)), 1 + static_cast<int>(in.pick(200)), nullptr),
                     (style & ES_MULTILINE) != 0,
                     (style & ES_PASSWORD) != 0 && !(style & ES_MULTILINE)};  // a multi-line edit shows its text
        if (!e.hwnd) Fault("the edit window was not made");
        std::optional<std::string> clipboard;
        std::set<std::string> seen{""};
        for (std::size_t op = 0; op < kMaxOps && !in.empty(); ++op) {
            Expected x;
            x.text = e.text();
            std::tie(x.lo, x.hi) = e.selection();
            x.readOnly = e.readOnly();
            x.limit = e.limit();
            x.multiline = e.multiline;
            bool undone = false;
            const std::string before = x.text;
            const std::uint8_t b = in.byte();
            switch (b % 13) {
                case 0:
                case 1: {  // a printable character
                    const auto c = static_cast<unsigned char>(32 + in.byte() % 224);
                    e.send(WM_CHAR, c);
                    if (c != 127) x.type(std::string(1, static_cast<char>(c)));
                    break;
                }
                case 2: {  // Backspace, Enter, Tab and the control-key characters
                    const unsigned char c = "\x08\x0d\x09\x03\x16\x18\x1a"[in.pick(7)];
                    e.send(WM_CHAR, c);
                    if (c == 8) x.deleteBack();
                    if (c == 13 && e.multiline) x.type("\r\n");
                    if (c == 9 && e.multiline) x.type("\t");
                    if (c == 3 && !e.password && x.lo != x.hi) clipboard = x.text.substr(x.lo, x.hi - x.lo);
                    if (c == 24 && !e.password && !x.readOnly && x.lo != x.hi) {
                        clipboard = x.text.substr(x.lo, x.hi - x.lo);
                        x.removeSelection();
                    }
                    if (c == 22 && !x.readOnly && clipboard) x.replaceSelection(*clipboard);
                    undone = c == 26 && !x.readOnly;
                    break;
                }
                case 3:
                case 4: {  // moving and editing keys, with Shift and Ctrl
                    const int vk = std::array{VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END, VK_PRIOR, VK_NEXT, VK_DELETE, VK_INSERT}[in.pick(10)];
                    const bool shift = in.byte() & 1, ctrl = in.byte() & 1;
                    pressKey(e, vk, shift, ctrl);
                    if (vk == VK_DELETE && shift && !e.password && !x.readOnly && x.lo != x.hi) {
                        clipboard = x.text.substr(x.lo, x.hi - x.lo);
                        x.removeSelection();
                    } else if (vk == VK_DELETE && !shift) {
                        x.deleteForward();
                    } else if (vk == VK_INSERT && ctrl && !e.password && x.lo != x.hi) {
                        clipboard = x.text.substr(x.lo, x.hi - x.lo);
                    } else if (vk == VK_INSERT && shift && !ctrl && !x.readOnly && clipboard) {
                        x.replaceSelection(*clipboard);
                    }
                    break;
                }
                case 5:  // any selection, backwards, past the end, or everything (-1)
                    e.send(EM_SETSEL, static_cast<WPARAM>(static_cast<int>(in.u32()) % 4096),
                           static_cast<LPARAM>(static_cast<int>(in.u32()) % 4096));
                    break;
                case 6: {
                    const std::string s = in.text(48);
                    e.send(EM_REPLACESEL, in.byte() & 1, reinterpret_cast<LPARAM>(s.c_str()));
                    x.replaceSelection(s.substr(0, s.find('\0')));
                    break;
                }
                case 7: {
                    const std::string s = in.text(96);
                    e.send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(s.c_str()));
                    x.text = s.substr(0, s.find('\0'));
                    seen.clear();
                    break;
                }
                case 8: {  // the clipboard and undo messages
                    const UINT msg = std::array<UINT, 6>{WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR, EM_UNDO, EM_EMPTYUNDOBUFFER}[in.pick(6)];
                    e.send(msg);
                    const bool sel = x.lo != x.hi;
                    if ((msg == WM_CUT || msg == WM_COPY) && !e.password && sel && (msg == WM_COPY || !x.readOnly))
                        clipboard = x.text.substr(x.lo, x.hi - x.lo);
                    if (((msg == WM_CUT && !e.password) || msg == WM_CLEAR) && !x.readOnly && sel) x.removeSelection();
                    if (msg == WM_PASTE && !x.readOnly && clipboard) x.replaceSelection(*clipboard);
                    if (msg == EM_EMPTYUNDOBUFFER) seen = {x.text};
                    undone = msg == EM_UNDO && !x.readOnly;
                    break;
                }
                case 9: {
                    const std::uint32_t v = in.u32();
                    e.send(EM_LIMITTEXT, v % 3 == 0 ? 0 : v % 200);
                    if (in.byte() & 1) e.send(EM_SETREADONLY, in.byte() & 1);
                    break;
                }
                case 10: {  // the mouse, anywhere, including over the scroll bars
                    const UINT msg = std::array<UINT, 4>{WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDBLCLK}[in.pick(4)];
                    const auto x16 = static_cast<WORD>(static_cast<std::int16_t>(in.u32() % 700) - 200);
                    const auto y16 = static_cast<WORD>(static_cast<std::int16_t>(in.u32() % 500) - 150);
                    e.send(msg, in.byte() & 1 ? MK_SHIFT : 0, MAKELONG(x16, y16));
                    break;
                }
                case 11: {  // scrolling by bar messages and by lines
                    const int code = static_cast<int>(in.pick(9));
                    e.send(in.byte() & 1 ? WM_VSCROLL : WM_HSCROLL, MAKELONG(code, static_cast<WORD>(in.u32())));
                    e.send(EM_LINESCROLL, static_cast<WPARAM>(static_cast<int>(in.u32()) % 100), static_cast<LPARAM>(static_cast<int>(in.u32()) % 100));
                    break;
                }
                default: {  // a new size or font, then a paint
                    if (in.byte() & 1) {
                        SetWindowPos(e.hwnd, nullptr, 0, 0, static_cast<int>(in.pick(400)), static_cast<int>(in.pick(300)), SWP_NOMOVE | SWP_NOZORDER);
                    } else {
                        HFONT font = CreateFontA(-static_cast<int>(in.pick(40)), 0, 0, 0, in.byte() & 1 ? FW_BOLD : FW_NORMAL, 0, 0, 0,
                                                 ANSI_CHARSET, 0, 0, 0, 0, in.byte() & 1 ? "Tahoma" : "MS Sans Serif");
                        e.send(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
                        e.send(WM_SETFONT, 0, FALSE);  // back to the system font, so this one can go
                        DeleteObject(font);
                    }
                    ComposeWindow(e.hwnd);
                    break;
                }
            }
            const std::string now = e.text();
            if (undone) {
                // An undo gives back a text the edit held before (or none when there was
                // nothing to undo); undoing again gives back the text it replaced.
                if (now != before && seen.size() < 4096 && !seen.contains(now)) Fault("an undo produced a text never seen:\n" + now);
                if (now != before) {
                    e.send(EM_UNDO);
                    if (e.text() != before) Fault("undoing an undo did not give back the text");
                    e.send(EM_UNDO);
                    if (e.text() != now) Fault("a third undo did not undo again");
                }
            } else if (now != x.text) {
                Fault("the edit holds\n" + now + "\nwhere a plain string holds\n" + x.text);
            }
            seen.insert(now);
            if (!wraps) checkShape(e, now);
        }
        DestroyWindow(e.hwnd);
    }
    platform::edit::clearClipboard();
    ResetInputState();
    baseline.check();
    return 0;
}

}  // namespace ulmaro::fuzz
