#include "textbox/edit_box.h"

#include "framework/colors.h"
#include "framework/runtime_error.h"
#include "platform/edit/edit_control.h"

#include <ulmaro/platform/host.h>

#include <algorithm>
#include <vector>

namespace ulmaro {

using namespace platform;
using platform::edit::EditControl;

EditBox::EditBox(HWND parent, bool multiline) : multiline_(multiline) {
    // The host makes single-line boxes scroll sideways, and multi-line boxes scroll both
    // ways; the multi-line box keeps no password.
    const DWORD style = WS_CHILD | ES_AUTOHSCROLL | (multiline ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN : 0);
    hwnd_ = EditControl::create(style, 0, 0, 10, 10, parent);
    SetWindowProc(hwnd_, [this](HWND, UINT msg, WPARAM wp, LPARAM lp) { return deliver(msg, wp, lp); });
    if (EditControl* e = EditControl::from(hwnd_))
        e->setNotify([this](WORD code) {
            if (code == EN_CHANGE && !settingText_ && events.Change) events.Change();
        });
    // A host text box holds as much as memory allows until MaxLength says otherwise.
    send(EM_LIMITTEXT, 0);
    applyFont();
    applyColors();
}

EditBox::~EditBox() {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
    if (hfont_) DeleteObject(hfont_);
}

LRESULT EditBox::send(UINT msg, WPARAM wp, LPARAM lp) const {
    EditControl* e = EditControl::from(hwnd_);
    return e ? e->handle(msg, wp, lp) : 0;
}

std::int16_t EditBox::shiftState() {
    return static_cast<std::int16_t>((GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
                                     (GetKeyState(VK_MENU) < 0 ? 4 : 0));
}

LRESULT EditBox::deliver(UINT msg, WPARAM wp, LPARAM lp) {
    auto mouse = [&](const std::function<void(std::int16_t&, std::int16_t&, float&, float&)>& ev, std::int16_t button) {
        if (!ev) return;
        std::int16_t b = button, shift = shiftState();
        float x = static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lp)));
        float y = static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(lp)));
        ev(b, shift, x, y);
    };
    auto buttons = [&] {
        return static_cast<std::int16_t>((wp & MK_LBUTTON ? 1 : 0) | (wp & 0x0002 ? 2 : 0) | (wp & 0x0010 ? 4 : 0));
    };
    switch (msg) {
        case WM_KEYDOWN:
        case WM_KEYUP: {
            std::int16_t code = static_cast<std::int16_t>(wp), shift = shiftState();
            auto& ev = msg == WM_KEYDOWN ? events.KeyDown : events.KeyUp;
            if (ev) ev(code, shift);
            if (code == 0 || !IsWindow(hwnd_)) return 0;
            return send(msg, static_cast<WPARAM>(static_cast<std::uint16_t>(code)), lp);
        }
        case WM_CHAR: {
            std::int16_t ascii = static_cast<std::int16_t>(static_cast<unsigned char>(wp));
            if (events.KeyPress) events.KeyPress(ascii);
            if (ascii == 0 || !IsWindow(hwnd_)) return 0;
            return send(msg, static_cast<WPARAM>(static_cast<unsigned char>(ascii)), lp);
        }
        case WM_LBUTTONDOWN:
            pressed_ = true;
            mouse(events.MouseDown, 1);
            return IsWindow(hwnd_) ? send(msg, wp, lp) : 0;
        case WM_MOUSEMOVE:
            mouse(events.MouseMove, buttons());
            return IsWindow(hwnd_) ? send(msg, wp, lp) : 0;
        case WM_LBUTTONUP: {
            const bool click = pressed_;
            pressed_ = false;
            LRESULT r = send(msg, wp, lp);
            mouse(events.MouseUp, 1);
            if (click && events.Click) events.Click();
            return r;
        }
        case WM_LBUTTONDBLCLK: {
            pressed_ = false;
            LRESULT r = send(msg, wp, lp);
            if (events.DblClick) events.DblClick();
            return r;
        }
        case WM_SETFOCUS: {
            if (focused_) return 0;
            focused_ = true;
            LRESULT r = send(msg, wp, lp);
            if (events.GotFocus) events.GotFocus();
            return r;
        }
        case WM_KILLFOCUS: {
            if (!focused_) return 0;
            focused_ = false;
            LRESULT r = send(msg, wp, lp);
            if (events.LostFocus) events.LostFocus();
            return r;
        }
        default: return send(msg, wp, lp);
    }
}

// ---- Members -------------------------------------------------------------------------------------

std::string EditBox::Text() const {
    std::string s(static_cast<std::size_t>(send(WM_GETTEXTLENGTH)) + 1, '\0');
    s.resize(static_cast<std::size_t>(send(WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(s.data()))));
    return s;
}

// Change follows a new text, once, and only when the text is new.
void EditBox::setText(const std::string& s) {
    const bool differs = Text() != s;
    settingText_ = true;
    send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(s.c_str()));
    settingText_ = false;
    if (differs && events.Change) events.Change();
}

std::int32_t EditBox::SelStart() const {
    DWORD s = 0, e = 0;
    send(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    return static_cast<std::int32_t>(s);
}

std::int32_t EditBox::SelLength() const {
    DWORD s = 0, e = 0;
    send(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    return static_cast<std::int32_t>(e - s);
}

// Setting SelStart places the caret there, with nothing selected, and shows it.
void EditBox::setSelStart(std::int32_t v) {
    if (v < 0) throw RuntimeError(errors::InvalidProcedureCall);
    send(EM_SETSEL, static_cast<WPARAM>(v), v);
    send(EM_SCROLLCARET);
}

void EditBox::setSelLength(std::int32_t v) {
    if (v < 0) throw RuntimeError(errors::InvalidProcedureCall);
    const std::int32_t s = SelStart();
    send(EM_SETSEL, static_cast<WPARAM>(s), static_cast<LPARAM>(s) + v);
    send(EM_SCROLLCARET);
}

std::string EditBox::SelText() const {
    const std::int32_t s = SelStart();
    return Text().substr(static_cast<std::size_t>(s), static_cast<std::size_t>(SelLength()));
}

void EditBox::setSelText(const std::string& s) { send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(s.c_str())); }

void EditBox::setLocked(bool v) {
    locked_ = v;
    send(EM_SETREADONLY, v ? TRUE : FALSE);
}

bool EditBox::Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

void EditBox::setEnabled(bool v) {
    EnableWindow(hwnd_, v ? TRUE : FALSE);
    send(WM_ENABLE, v ? TRUE : FALSE);
}

std::string EditBox::PasswordChar() const {
    const auto c = static_cast<char>(send(EM_GETPASSWORDCHAR));
    return c ? std::string(1, c) : std::string();
}

void EditBox::setPasswordChar(const std::string& v) {
    if (multiline_) return;
    send(EM_SETPASSWORDCHAR, v.empty() ? 0 : static_cast<unsigned char>(v[0]));
}

void EditBox::setMaxLength(std::int32_t v) {
    if (v < 0) throw RuntimeError(errors::InvalidPropertyValue);
    maxLength_ = v;
    send(EM_LIMITTEXT, static_cast<WPARAM>(v));
}

// Alignment 0 left, 1 right, 2 centre.
void EditBox::setAlignment(std::int16_t v) {
    if (v < 0 || v > 2) throw RuntimeError(errors::InvalidPropertyValue);
    alignment_ = v;
    auto style = static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE)) & ~(ES_CENTER | ES_RIGHT);
    style |= v == 1 ? ES_RIGHT : v == 2 ? ES_CENTER : ES_LEFT;
    SetWindowLongA(hwnd_, GWL_STYLE, static_cast<LONG>(style));
    send(WM_STYLECHANGED, static_cast<WPARAM>(GWL_STYLE), 0);
}

void EditBox::applyColors() {
    if (EditControl* e = EditControl::from(hwnd_))
        e->setColors(static_cast<COLORREF>(TranslateColor(foreColor_)), static_cast<COLORREF>(TranslateColor(backColor_)));
}

void EditBox::setForeColor(OLE_COLOR c) {
    foreColor_ = c;
    applyColors();
}

void EditBox::setBackColor(OLE_COLOR c) {
    backColor_ = c;
    applyColors();
}

void EditBox::applyFont() {
    HFONT f = font_ ? font_->CreateHandle() : nullptr;
    send(WM_SETFONT, reinterpret_cast<WPARAM>(f), TRUE);
    if (hfont_) DeleteObject(hfont_);
    hfont_ = f;
    if (!multiline_) setHeight(Height());
}

void EditBox::setFont(StdFontPtr f) {
    font_ = f ? std::move(f) : StdFont::New();
    applyFont();
}

bool EditBox::Visible() const { return (GetWindowLongA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }

void EditBox::setVisible(bool v) {
    ShowWindow(hwnd_, v ? SW_SHOW : SW_HIDE);
    if (v) Refresh();
}

namespace {
RECT placement(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    POINT o{0, 0};
    ClientToScreen(GetParent(hwnd), &o);
    OffsetRect(&r, -o.x, -o.y);
    return r;
}
}  // namespace

std::int32_t EditBox::Left() const { return placement(hwnd_).left; }
std::int32_t EditBox::Top() const { return placement(hwnd_).top; }
std::int32_t EditBox::Width() const {
    const RECT r = placement(hwnd_);
    return r.right - r.left;
}
std::int32_t EditBox::Height() const {
    const RECT r = placement(hwnd_);
    return r.bottom - r.top;
}

void EditBox::Move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    MoveWindow(hwnd_, left, top, std::max(width, 0), std::max(height, 0), TRUE);
    send(WM_SIZE, 0, MAKELPARAM(static_cast<WORD>(std::max(width, 0)), static_cast<WORD>(std::max(height, 0))));
}

void EditBox::setHeight(std::int32_t height) {
    if (!multiline_) {
        HDC dc = GetDC(hwnd_);
        HGDIOBJ old = SelectObject(dc, hfont_);
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        SelectObject(dc, old);
        ReleaseDC(hwnd_, dc);
        height = std::max<std::int32_t>(height, tm.tmHeight);
    }
    Move(Left(), Top(), Width(), height);
}

void EditBox::Refresh() { send(WM_PAINT); }

void EditBox::SetFocus() {
    platform::SetFocus(hwnd_);
    deliver(WM_SETFOCUS, 0, 0);
}

}  // namespace ulmaro
