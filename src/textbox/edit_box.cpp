#include "textbox/edit_box.h"

#include <algorithm>
#include <cstring>

#include "framework/colors.h"
#include "framework/control_window.h"
#include "framework/runtime_error.h"

namespace ulmaro {

using namespace platform;

EditBox::EditBox(HWND parent, bool multiline) : multiline_(multiline) {
    // Single-line boxes scroll sideways; multi-line boxes scroll both ways and keep no
    // password character.
    const DWORD style = WS_CHILD | ES_AUTOHSCROLL | (multiline ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN : 0);
    hwnd_ = CreateWindowExA(0, "EDIT", "", style, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    editProc_ =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&subclassProc)));
    // A host text box holds as much as memory allows until MaxLength says otherwise.
    send(EM_LIMITTEXT, 0);
    backBrush_ = CreateSolidBrush(static_cast<COLORREF>(TranslateColor(backColor_)));
    applyFont();
}

EditBox::~EditBox() {
    if (IsWindow(hwnd_)) {
        // The window goes on without this object: give it back its own procedure first.
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc_));
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    if (hfont_) DeleteObject(hfont_);
    if (backBrush_) DeleteObject(backBrush_);
}

LRESULT EditBox::send(UINT msg, WPARAM wp, LPARAM lp) const { return SendMessageA(hwnd_, msg, wp, lp); }

LRESULT EditBox::pass(UINT msg, WPARAM wp, LPARAM lp) {
    return IsWindow(hwnd_) ? CallWindowProcA(editProc_, hwnd_, msg, wp, lp) : 0;
}

LRESULT EditBox::subclassProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<EditBox*>(GetWindowLongPtrA(h, GWLP_USERDATA));
    return self ? self->deliver(msg, wp, lp) : DefWindowProcA(h, msg, wp, lp);
}

std::int16_t EditBox::shiftState() {
    return static_cast<std::int16_t>((GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
                                     (GetKeyState(VK_MENU) < 0 ? 4 : 0));
}

void EditBox::mouseEvent(const std::function<void(std::int16_t&, std::int16_t&, float&, float&)>& ev,
                         std::int16_t button, LPARAM lp) {
    if (!ev) return;
    std::int16_t b = button, shift = shiftState();
    float x = static_cast<float>(GET_X_LPARAM(lp)), y = static_cast<float>(GET_Y_LPARAM(lp));
    ev(b, shift, x, y);
}

// Events come first, then the edit acts on the (possibly changed) message. A handler may
// destroy the box's window: the edit is then left alone.
LRESULT EditBox::deliver(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_KEYDOWN:
        case WM_KEYUP: {
            std::int16_t code = static_cast<std::int16_t>(wp), shift = shiftState();
            auto& ev = msg == WM_KEYDOWN ? events.KeyDown : events.KeyUp;
            if (ev) ev(code, shift);
            if (code == 0) return 0;
            return pass(msg, static_cast<WPARAM>(static_cast<std::uint16_t>(code)), lp);
        }
        case WM_CHAR: {
            std::int16_t ascii = static_cast<std::int16_t>(wp & 0xFF);
            if (events.KeyPress) events.KeyPress(ascii);
            if (ascii == 0) return 0;
            return pass(msg, static_cast<WPARAM>(static_cast<std::uint8_t>(ascii)), lp);
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            mouseEvent(events.MouseDown, msg == WM_LBUTTONDOWN ? 1 : msg == WM_RBUTTONDOWN ? 2 : 4, lp);
            return pass(msg, wp, lp);
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            const LRESULT r = pass(msg, wp, lp);
            mouseEvent(events.MouseUp, msg == WM_LBUTTONUP ? 1 : msg == WM_RBUTTONUP ? 2 : 4, lp);
            return r;
        }
        case WM_MOUSEMOVE: {
            const LRESULT r = pass(msg, wp, lp);
            // The edit shows its own cursor first; the owner's MouseMove may choose another.
            pass(WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd_), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            const auto held = static_cast<std::int16_t>(((wp & MK_LBUTTON) ? 1 : 0) | ((wp & MK_RBUTTON) ? 2 : 0) |
                                                        ((wp & MK_MBUTTON) ? 4 : 0));
            mouseEvent(events.MouseMove, held, lp);
            return r;
        }
        case WM_LBUTTONDBLCLK: {
            const LRESULT r = pass(msg, wp, lp);
            if (events.DblClick) events.DblClick();
            return r;
        }
        case WM_HOST_CLICK:
            if (events.Click) events.Click();
            return 0;
        case WM_SETFOCUS: {
            const LRESULT r = pass(msg, wp, lp);
            if (events.GotFocus) events.GotFocus();
            return r;
        }
        case WM_KILLFOCUS: {
            const LRESULT r = pass(msg, wp, lp);
            if (events.LostFocus) events.LostFocus();
            return r;
        }
        default:
            return pass(msg, wp, lp);
    }
}

void EditBox::notify(WORD code) {
    if (code == EN_CHANGE && !settingText_ && events.Change) events.Change();
}

HBRUSH EditBox::ctlColor(HDC dc) {
    SetTextColor(dc, static_cast<COLORREF>(TranslateColor(foreColor_)));
    SetBkColor(dc, static_cast<COLORREF>(TranslateColor(backColor_)));
    return backBrush_;
}

// ---- Members -------------------------------------------------------------------------------------

std::string EditBox::Text() const {
    std::string s(static_cast<std::size_t>(send(WM_GETTEXTLENGTH)) + 1, '\0');
    s.resize(static_cast<std::size_t>(send(WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(s.data()))));
    return s;
}

// Change follows a new text once, and only when the text differs.
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

// SelStart places the caret with nothing selected and scrolls it into view; a negative
// value is an invalid argument, as the host's text box has it.
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
    const std::string t = Text();
    const auto s = std::min<std::size_t>(static_cast<std::size_t>(SelStart()), t.size());
    return t.substr(s, static_cast<std::size_t>(SelLength()));
}

std::string EditBox::Line(std::int32_t line) const {
    const LRESULT start = send(EM_LINEINDEX, static_cast<WPARAM>(line));
    if (start < 0) return {};
    const auto n = static_cast<std::size_t>(send(EM_LINELENGTH, static_cast<WPARAM>(start)));
    std::string buf(std::max<std::size_t>(n, sizeof(WORD)), '\0');
    const auto room = static_cast<WORD>(std::min<std::size_t>(n, 0xFFFF));
    std::memcpy(buf.data(), &room, sizeof room);
    buf.resize(
        static_cast<std::size_t>(send(EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buf.data()))));
    return buf;
}

void EditBox::setSelText(const std::string& s) { send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(s.c_str())); }

void EditBox::setLocked(bool v) {
    locked_ = v;
    send(EM_SETREADONLY, v ? TRUE : FALSE);
    repaint();
}

bool EditBox::Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

void EditBox::setEnabled(bool v) { EnableWindow(hwnd_, v ? TRUE : FALSE); }

std::string EditBox::PasswordChar() const {
    const auto c = static_cast<char>(send(EM_GETPASSWORDCHAR));
    return c ? std::string(1, c) : std::string();
}

// The first character counts; the multi-line box keeps none.
void EditBox::setPasswordChar(const std::string& v) {
    if (multiline_) return;
    send(EM_SETPASSWORDCHAR, v.empty() ? 0 : static_cast<unsigned char>(v[0]));
}

void EditBox::setMaxLength(std::int32_t v) {
    if (v < 0) throw RuntimeError(errors::InvalidPropertyValue);
    maxLength_ = v;
    send(EM_LIMITTEXT, static_cast<WPARAM>(v));
}

// Alignment 0 left, 1 right, 2 centre; anything else is an invalid property value.
void EditBox::setAlignment(std::int16_t v) {
    if (v < 0 || v > 2) throw RuntimeError(errors::InvalidPropertyValue);
    alignment_ = v;
    auto style = static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE)) & ~(ES_CENTER | ES_RIGHT);
    style |= v == 1 ? ES_RIGHT : v == 2 ? ES_CENTER : ES_LEFT;
    SetWindowLongA(hwnd_, GWL_STYLE, static_cast<LONG>(style));
    send(WM_STYLECHANGED, static_cast<WPARAM>(GWL_STYLE), 0);
}

void EditBox::setForeColor(OLE_COLOR c) {
    foreColor_ = c;
    repaint();
}

void EditBox::setBackColor(OLE_COLOR c) {
    backColor_ = c;
    if (backBrush_) DeleteObject(backBrush_);
    backBrush_ = CreateSolidBrush(static_cast<COLORREF>(TranslateColor(c)));
    repaint();
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

void EditBox::setVisible(bool v) { ShowWindow(hwnd_, v ? SW_SHOW : SW_HIDE); }

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
}

// Asked for less than one line of its font, a single-line box takes one line: its text
// is never cut through.
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

void EditBox::repaint() {
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
}

void EditBox::Refresh() { repaint(); }

void EditBox::SetFocus() { platform::SetFocus(hwnd_); }

}  // namespace ulmaro
