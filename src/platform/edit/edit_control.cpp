// The edit window: creation, its messages and what the user does to it.
#include "edit_control.h"

#include "edit_balloon.h"
#include "edit_clipboard.h"
#include "platform/user/window_data.h"

#include <ulmaro/platform/host.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

namespace ulmaro::platform::edit {

namespace {

// Held for the life of the process: edits still open at exit are not torn down after the
// object tables they use.
std::map<HWND, std::unique_ptr<EditControl>>& edits() {
    static auto* m = new std::map<HWND, std::unique_ptr<EditControl>>;
    return *m;
}

POINT pointOf(LPARAM lp) {
    return POINT{static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lp))), static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(lp)))};
}

bool isDown(int vk) { return GetKeyState(vk) < 0; }

}  // namespace

// The "EDIT" class's procedure: the control is made with the window and goes with it.
LRESULT editProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_NCCREATE: {
            const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lp);
            edits()[h] = std::make_unique<EditControl>(h, static_cast<DWORD>(cs->style));
            return TRUE;
        }
        case WM_CREATE: {
            const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lp);
            if (cs->lpszName && *cs->lpszName) SendMessageA(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(cs->lpszName));
            return 0;
        }
        case WM_NCDESTROY: {
            // Taken out of the table first: the destructor may send messages of its own.
            auto node = edits().extract(h);
            return 0;
        }
        default: {
            EditControl* e = EditControl::from(h);
            return e ? e->handle(msg, wp, lp) : DefWindowProcA(h, msg, wp, lp);
        }
    }
}

HWND EditControl::create(DWORD style, int x, int y, int width, int height, HWND parent) {
    return CreateWindowExA(0, "EDIT", "", style, x, y, width, height, parent, nullptr, nullptr, nullptr);
}

EditControl* EditControl::from(HWND hwnd) {
    if (!IsWindow(hwnd)) return nullptr;
    auto it = edits().find(hwnd);
    return it == edits().end() ? nullptr : it->second.get();
}

EditControl::EditControl(HWND hwnd, DWORD style)
    : hwnd_(hwnd), style_(style), model_((style & ES_MULTILINE) != 0),
      textColor_(GetSysColor(COLOR_WINDOWTEXT)), backColor_(GetSysColor(COLOR_WINDOW)) {
    // Until a program gives it a font, an edit writes in the dialog font.
    ownFont_ = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    if (style & ES_PASSWORD) passwordChar_ = '*';
    model_.setReadOnly((style & ES_READONLY) != 0);
    measureFont();
}

EditControl::~EditControl() {
    ForgetEditBalloon(hwnd_);
    DeleteObject(ownFont_);
}

void EditControl::setColors(COLORREF text, COLORREF back) {
    textColor_ = text;
    backColor_ = back;
    redraw();
}

void EditControl::sendNotify(WORD code) {
    SendMessageA(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(0, code), reinterpret_cast<LPARAM>(hwnd_));
    if (notify_) {
        auto f = notify_;  // the callback may change or destroy this edit
        f(code);
    }
}

void EditControl::changed() {
    modified_ = true;
    restartBlink();
    goalX_ = -1;
    scrollToCaret();
    redraw();
    sendNotify(EN_UPDATE);
    sendNotify(EN_CHANGE);
}

void EditControl::setFocused(bool on) {
    focused_ = on;
    caretOn_ = on;
    if (!on) selecting_ = false;
    // The caret blinks on the window's timer, which runs on the host's clock.
    if (on)
        SetTimer(hwnd_, kCaretTimer, kBlinkMs, nullptr);
    else
        KillTimer(hwnd_, kCaretTimer);
    redraw();
    sendNotify(on ? EN_SETFOCUS : EN_KILLFOCUS);
}

void EditControl::restartBlink() {
    if (!focused_) return;
    caretOn_ = true;
    SetTimer(hwnd_, kCaretTimer, kBlinkMs, nullptr);
}

void EditControl::blink() {
    if (!focused_) return;
    caretOn_ = !caretOn_;
    redraw();
}

// ---- Keys ------------------------------------------------------------------------------------------

void EditControl::verticalMove(int lines, bool extend) {
    const EditText& t = model_.text();
    const std::size_t line = t.lineOf(model_.caret());
    if (goalX_ < 0) goalX_ = posToPoint(model_.caret()).x + xOffset_;
    const long long target = std::clamp<long long>(static_cast<long long>(line) + lines, 0, static_cast<long long>(t.lineCount()) - 1);
    const std::size_t tl = static_cast<std::size_t>(target);
    const std::vector<int> xs = lineXs(tl);
    const int x = goalX_ - xOffset_ - lineLeft(tl);
    std::size_t col = 0;
    while (col + 1 < xs.size() && x > (xs[col] + xs[col + 1]) / 2) ++col;
    const int keep = goalX_;
    model_.moveTo(t.lineStart(tl) + col, extend);
    goalX_ = keep;
}

void EditControl::keyDown(int vk) {
    const bool shift = isDown(VK_SHIFT), ctrl = isDown(VK_CONTROL);
    const bool vertical = vk == VK_UP || vk == VK_DOWN || vk == VK_PRIOR || vk == VK_NEXT;
    if (!vertical) goalX_ = -1;
    switch (vk) {
        case VK_LEFT: ctrl ? model_.moveWordLeft(shift) : model_.moveLeft(shift); break;
        case VK_RIGHT: ctrl ? model_.moveWordRight(shift) : model_.moveRight(shift); break;
        case VK_HOME: ctrl ? model_.moveTextHome(shift) : model_.moveLineHome(shift); break;
        case VK_END: ctrl ? model_.moveTextEnd(shift) : model_.moveLineEnd(shift); break;
        case VK_UP:
        case VK_DOWN:
            // A single line has no lines above or below: Up and Down move as Left and Right.
            if (!multiline())
                vk == VK_UP ? model_.moveLeft(shift) : model_.moveRight(shift);
            else
                verticalMove(vk == VK_UP ? -1 : 1, shift);
            break;
        case VK_PRIOR:
        case VK_NEXT:
            if (multiline()) {
                const int page = visibleLines();
                verticalMove(vk == VK_PRIOR ? -page : page, shift);
                const long long first = static_cast<long long>(firstLine_) + (vk == VK_PRIOR ? -page : page);
                firstLine_ = static_cast<std::size_t>(std::max<long long>(0, first));
                clampScroll();
            }
            break;
        case VK_DELETE:
            if (shift)
                cut();
            else if (model_.deleteForward())
                return changed();
            break;
        case VK_INSERT:
            if (ctrl)
                copy();
            else if (shift)
                paste();
            return;
        default: return;
    }
    restartBlink();
    scrollToCaret();
    redraw();
}

void EditControl::charTyped(char c) {
    const auto code = static_cast<unsigned char>(c);
    bool edited = false;
    switch (code) {
        case 8: edited = model_.deleteBack(); break;
        case 3: return copy();
        case 22: return paste();
        case 24: return cut();
        case 26:
            if (!model_.readOnly() && model_.undo()) return changed();
            return;
        case 13:
            if (multiline()) edited = model_.type("\r\n");
            break;
        case 9:
            if (multiline()) edited = model_.type("\t");
            break;
        default:
            if (code >= 32 && code != 127) {
                edited = model_.type(std::string_view(&c, 1));
                if (!edited && !model_.readOnly()) sendNotify(EN_MAXTEXT);
            }
            break;
    }
    if (edited) changed();
}

// ---- Clipboard --------------------------------------------------------------------------------------

// A password is never copied out of its box.
void EditControl::copy() {
    if (password() || !model_.hasSelection()) return;
    setClipboardText(model_.selectedText());
}

void EditControl::cut() {
    if (password() || model_.readOnly() || !model_.hasSelection()) return;
    copy();
    if (model_.deleteBack()) changed();
}

void EditControl::paste() {
    if (model_.readOnly()) return;
    std::optional<std::string> s = clipboardText();
    if (s && model_.replaceSelection(*s)) changed();
}

// ---- Mouse ------------------------------------------------------------------------------------------

bool EditControl::scrollBarDown(POINT pt) {
    for (bool vertical : {true, false}) {
        if (vertical ? !hasVBar() : !hasHBar()) continue;
        const ScrollState s = vertical ? vScroll() : hScroll();
        const ScrollBarGeometry g = scrollBarGeometry(vertical ? vBarRect() : hBarRect(), vertical, s);
        if (!PtInRect(&g.bar, pt)) continue;
        switch (hitScrollBar(g, pt)) {
            case ScrollPart::LineBack: onScroll(vertical, SB_LINEUP, 0); break;
            case ScrollPart::LineForward: onScroll(vertical, SB_LINEDOWN, 0); break;
            case ScrollPart::PageBack: onScroll(vertical, SB_PAGEUP, 0); break;
            case ScrollPart::PageForward: onScroll(vertical, SB_PAGEDOWN, 0); break;
            case ScrollPart::Thumb:
                drag_ = ThumbDrag{true, vertical, s.pos, vertical ? pt.y : pt.x};
                SetCapture(hwnd_);
                break;
            case ScrollPart::None: break;
        }
        return true;
    }
    // The corner between two bars belongs to neither.
    const RECT view = viewRect();
    return !PtInRect(&view, pt);
}

void EditControl::mouseDown(POINT pt, bool shift) {
    if (GetFocus() != hwnd_) SetFocus(hwnd_);
    if (scrollBarDown(pt)) return;
    goalX_ = -1;
    model_.moveTo(pointToPos(pt), shift);
    restartBlink();
    selecting_ = true;
    SetCapture(hwnd_);
    scrollToCaret();
    redraw();
}

void EditControl::mouseMove(POINT pt) {
    if (drag_.active) {
        const ScrollState s = drag_.vertical ? vScroll() : hScroll();
        const ScrollBarGeometry g = scrollBarGeometry(drag_.vertical ? vBarRect() : hBarRect(), drag_.vertical, s);
        const int pos = thumbDragPos(g, s, drag_.startPos, (drag_.vertical ? pt.y : pt.x) - drag_.startMouse);
        onScroll(drag_.vertical, SB_THUMBTRACK, pos);
        return;
    }
    if (!selecting_) return;
    model_.moveTo(pointToPos(pt), true);
    scrollToCaret();
    redraw();
}

void EditControl::mouseUp() {
    if (selecting_ || drag_.active) ReleaseCapture();
    selecting_ = false;
    drag_ = ThumbDrag{};
}

void EditControl::doubleClick(POINT pt) {
    if (scrollBarDown(pt)) return;
    const auto [first, last] = model_.wordAt(pointToPos(pt));
    model_.select(first, last);
    scrollToCaret();
    redraw();
}

void EditControl::onScroll(bool vertical, int code, int thumbPos) {
    if (vertical) {
        long long first = static_cast<long long>(firstLine_);
        const int page = visibleLines();
        switch (code) {
            case SB_LINEUP: --first; break;
            case SB_LINEDOWN: ++first; break;
            case SB_PAGEUP: first -= page; break;
            case SB_PAGEDOWN: first += page; break;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION: first = thumbPos; break;
            case SB_TOP: first = 0; break;
            case SB_BOTTOM: first = static_cast<long long>(model_.text().lineCount()); break;
            default: return;
        }
        firstLine_ = static_cast<std::size_t>(std::max<long long>(0, first));
    } else {
        const RECT f = formatRect();
        switch (code) {
            case SB_LINELEFT: xOffset_ -= aveCharWidth_; break;
            case SB_LINERIGHT: xOffset_ += aveCharWidth_; break;
            case SB_PAGELEFT: xOffset_ -= f.right - f.left; break;
            case SB_PAGERIGHT: xOffset_ += f.right - f.left; break;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION: xOffset_ = thumbPos; break;
            case SB_LEFT: xOffset_ = 0; break;
            default: return;
        }
    }
    clampScroll();
    redraw();
    sendNotify(vertical ? EN_VSCROLL : EN_HSCROLL);
}

// ---- Messages ---------------------------------------------------------------------------------------

LRESULT EditControl::handle(UINT msg, WPARAM wp, LPARAM lp) {
    const EditText& t = model_.text();
    auto asInt = [](std::uintptr_t v) { return static_cast<long long>(static_cast<std::intptr_t>(v)); };
    // Typing, a click or the focus leaving puts the balloon away.
    if (msg == WM_KEYDOWN || msg == WM_CHAR || msg == WM_LBUTTONDOWN || msg == WM_KILLFOCUS) HideEditBalloon(hwnd_);
    switch (msg) {
        case EM_SHOWBALLOONTIP: {
            // The balloon points just below the caret.
            POINT at = posToPoint(model_.caret());
            at.y += lineHeight_;
            return ShowEditBalloon(hwnd_, at, reinterpret_cast<const EDITBALLOONTIP*>(lp));
        }
        case EM_HIDEBALLOONTIP: return HideEditBalloon(hwnd_);
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(hwnd_, &ps);
            EndPaint(hwnd_, &ps);
            paint();
            return 0;
        }
        case WM_SIZE: clampScroll(); redraw(); return 0;
        case WM_ENABLE: redraw(); return 0;
        case WM_STYLECHANGED:
            style_ = static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE));
            clampScroll();
            redraw();
            return 0;
        case WM_SETFOCUS: setFocused(true); return 0;
        case WM_KILLFOCUS: setFocused(false); return 0;
        case WM_TIMER:
            if (wp == kCaretTimer) blink();
            return 0;
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wp);
            measureFont();
            clampScroll();
            if (lp) redraw();
            return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
        case WM_SETTEXT:
            model_.setText(lp ? reinterpret_cast<LPCSTR>(lp) : "");
            firstLine_ = 0;
            xOffset_ = 0;
            goalX_ = -1;
            modified_ = false;
            redraw();
            // A multi-line edit does not report text a program sets.
            if (!multiline()) {
                sendNotify(EN_UPDATE);
                sendNotify(EN_CHANGE);
            }
            return TRUE;
        case WM_GETTEXT: {
            if (!lp || wp == 0) return 0;
            const std::size_t n = std::min<std::size_t>(wp - 1, t.length());
            const std::string s = t.slice(0, n);
            std::memcpy(reinterpret_cast<char*>(lp), s.data(), n);
            reinterpret_cast<char*>(lp)[n] = '\0';
            return static_cast<LRESULT>(n);
        }
        case WM_GETTEXTLENGTH: return static_cast<LRESULT>(t.length());
        case WM_KEYDOWN: keyDown(static_cast<int>(wp)); return 0;
        case WM_CHAR: charTyped(static_cast<char>(wp)); return 0;
        case WM_LBUTTONDOWN: mouseDown(pointOf(lp), (wp & MK_SHIFT) != 0); return 0;
        case WM_MOUSEMOVE: mouseMove(pointOf(lp)); return 0;
        case WM_LBUTTONUP: mouseUp(); return 0;
        case WM_LBUTTONDBLCLK: doubleClick(pointOf(lp)); return 0;
        case WM_SETCURSOR: {
            POINT pt{};
            GetCursorPos(&pt);
            ScreenToClient(hwnd_, &pt);
            const RECT view = viewRect();
            SetCursor(LoadCursorA(nullptr, PtInRect(&view, pt) ? IDC_IBEAM : IDC_ARROW));
            return TRUE;
        }
        case WM_VSCROLL:
        case WM_HSCROLL:
            onScroll(msg == WM_VSCROLL, LOWORD(wp), static_cast<SHORT>(HIWORD(wp)));
            return 0;
        case WM_COPY: copy(); return 0;
        case WM_CUT: cut(); return 0;
        case WM_PASTE: paste(); return 0;
        case WM_CLEAR:
            if (!model_.readOnly() && model_.hasSelection() && model_.deleteBack()) changed();
            return 0;
        case WM_UNDO:
        case EM_UNDO:
            if (model_.readOnly() || !model_.undo()) return multiline() ? FALSE : TRUE;
            changed();
            return TRUE;
        case EM_CANUNDO: return model_.canUndo() ? TRUE : FALSE;
        case EM_EMPTYUNDOBUFFER: model_.emptyUndo(); return 0;
        case EM_GETMODIFY: return modified_ ? TRUE : FALSE;
        case EM_SETMODIFY: modified_ = wp != 0; return 0;
        case EM_GETSEL: {
            const auto s = static_cast<DWORD>(model_.selStart()), e = static_cast<DWORD>(model_.selEnd());
            if (wp) *reinterpret_cast<DWORD*>(wp) = s;
            if (lp) *reinterpret_cast<DWORD*>(lp) = e;
            return (s > 0xFFFF || e > 0xFFFF) ? -1 : MAKELONG(static_cast<WORD>(s), static_cast<WORD>(e));
        }
        case EM_SETSEL: {
            const long long start = asInt(wp), end = asInt(static_cast<std::uintptr_t>(lp));
            const auto len = static_cast<long long>(t.length());
            if (start == -1) {
                model_.moveTo(model_.caret(), false);
            } else {
                const long long a = start < 0 ? len : start, c = end < 0 ? len : end;
                model_.select(static_cast<std::size_t>(std::min(a, len)), static_cast<std::size_t>(std::min(c, len)));
            }
            goalX_ = -1;
            restartBlink();
            redraw();
            return 0;
        }
        case EM_REPLACESEL:
            if (model_.replaceSelection(lp ? reinterpret_cast<LPCSTR>(lp) : "", wp != 0)) changed();
            return 0;
        case EM_SCROLLCARET: scrollToCaret(); redraw(); return TRUE;
        case EM_GETLINECOUNT: return static_cast<LRESULT>(multiline() ? t.lineCount() : 1);
        case EM_LINEINDEX: {
            if (!multiline()) return 0;
            const long long line = asInt(wp) == -1 ? static_cast<long long>(t.lineOf(model_.caret())) : asInt(wp);
            if (line < 0 || line >= static_cast<long long>(t.lineCount())) return -1;
            return static_cast<LRESULT>(t.lineStart(static_cast<std::size_t>(line)));
        }
        case EM_LINELENGTH: {
            if (!multiline()) return static_cast<LRESULT>(t.length());
            if (asInt(wp) == -1) {
                // The unselected characters on the lines the selection touches.
                const std::size_t l0 = t.lineOf(model_.selStart()), l1 = t.lineOf(model_.selEnd());
                return static_cast<LRESULT>((model_.selStart() - t.lineStart(l0)) +
                                            (t.lineStart(l1) + t.lineLength(l1) - model_.selEnd()));
            }
            const auto pos = static_cast<std::size_t>(std::clamp<long long>(asInt(wp), 0, static_cast<long long>(t.length())));
            return static_cast<LRESULT>(t.lineLength(t.lineOf(pos)));
        }
        case EM_GETLINE: {
            if (!lp) return 0;
            const std::size_t line = multiline() ? wp : 0;
            if (line >= t.lineCount()) return 0;
            auto* buf = reinterpret_cast<char*>(lp);
            WORD room = 0;
            std::memcpy(&room, buf, sizeof room);
            const std::size_t n = std::min<std::size_t>(room, multiline() ? t.lineLength(line) : t.length());
            const std::string s = t.slice(t.lineStart(line), n);
            std::memcpy(buf, s.data(), n);
            return static_cast<LRESULT>(n);
        }
        case EM_LINEFROMCHAR: {
            if (!multiline()) return 0;
            const long long pos = asInt(wp) == -1 ? static_cast<long long>(model_.selStart()) : asInt(wp);
            return static_cast<LRESULT>(t.lineOf(static_cast<std::size_t>(std::clamp<long long>(pos, 0, static_cast<long long>(t.length())))));
        }
        case EM_LIMITTEXT: model_.setLimit(wp == 0 ? kMaxLimit : wp); return 0;
        case EM_GETLIMITTEXT: return static_cast<LRESULT>(model_.limit());
        case EM_SETTABSTOPS: {
            if (!multiline()) return FALSE;
            const int* stops = reinterpret_cast<const int*>(lp);
            tabStops_.assign(stops && wp ? stops : nullptr, stops && wp ? stops + wp : nullptr);
            return TRUE;
        }
        case EM_SETPASSWORDCHAR:
            passwordChar_ = static_cast<char>(wp);
            // From the window's style as it is now: the window may have been shown or hidden since.
            style_ = static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE));
            style_ = passwordChar_ ? (style_ | ES_PASSWORD) : (style_ & ~ES_PASSWORD);
            SetWindowLongA(hwnd_, GWL_STYLE, static_cast<LONG>(style_));
            clampScroll();
            redraw();
            return 0;
        case EM_GETPASSWORDCHAR: return static_cast<unsigned char>(passwordChar_);
        case EM_SETREADONLY:
            model_.setReadOnly(wp != 0);
            style_ = static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE));
            style_ = wp ? (style_ | ES_READONLY) : (style_ & ~ES_READONLY);
            SetWindowLongA(hwnd_, GWL_STYLE, static_cast<LONG>(style_));
            return TRUE;
        case EM_SETMARGINS: {
            const auto value = static_cast<std::uintptr_t>(lp);
            if (wp == EC_USEFONTINFO) {
                leftMargin_ = rightMargin_ = aveCharWidth_ / 2;
            } else {
                if (wp & EC_LEFTMARGIN) leftMargin_ = LOWORD(value);
                if (wp & EC_RIGHTMARGIN) rightMargin_ = HIWORD(value);
            }
            clampScroll();
            redraw();
            return 0;
        }
        case EM_GETMARGINS: return MAKELONG(static_cast<WORD>(leftMargin_), static_cast<WORD>(rightMargin_));
        case EM_GETFIRSTVISIBLELINE: {
            if (multiline()) return static_cast<LRESULT>(firstLine_);
            const std::vector<int> xs = lineXs(0);
            return static_cast<LRESULT>(std::upper_bound(xs.begin(), xs.end(), xOffset_) - xs.begin() - 1);
        }
        case EM_GETRECT: {
            if (lp) *reinterpret_cast<RECT*>(lp) = formatRect();
            return 0;
        }
        case EM_LINESCROLL:
            if (!multiline()) return FALSE;
            xOffset_ += static_cast<int>(asInt(wp)) * aveCharWidth_;
            firstLine_ = static_cast<std::size_t>(std::max<long long>(0, static_cast<long long>(firstLine_) + lp));
            clampScroll();
            redraw();
            return TRUE;
        case EM_SCROLL: {
            if (!multiline()) return 0;
            const std::size_t before = firstLine_;
            onScroll(true, static_cast<int>(wp), 0);
            const long long moved = static_cast<long long>(firstLine_) - static_cast<long long>(before);
            return MAKELONG(static_cast<WORD>(moved), TRUE);
        }
        case EM_POSFROMCHAR: {
            if (wp >= t.length()) return -1;
            const POINT p = posToPoint(wp);
            return MAKELONG(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
        }
        case EM_CHARFROMPOS: {
            const std::size_t pos = pointToPos(pointOf(lp));
            const std::size_t line = multiline() ? t.lineOf(pos) : 0;
            return MAKELONG(static_cast<WORD>(pos), static_cast<WORD>(line));
        }
        default: return DefWindowProcA(hwnd_, msg, wp, lp);
    }
}

}  // namespace ulmaro::platform::edit

namespace ulmaro::platform::detail {

void registerEditClass() {
    static const bool done = [] {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = edit::editProc;
        wc.hCursor = LoadCursorA(nullptr, IDC_IBEAM);
        wc.lpszClassName = "EDIT";
        return RegisterClassA(&wc) != 0;
    }();
    (void)done;
}

}  // namespace ulmaro::platform::detail
