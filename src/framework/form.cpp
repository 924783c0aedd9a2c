#include "form.h"

#include "ansi_text.h"
#include "colors.h"
#include "control_window.h"

#include <ulmaro/platform/host.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace ulmaro {

using namespace platform;

namespace {

// Runs queued focus moves (SendKeys) and posted messages once the outermost input
// notification has returned, as the host's keyboard buffer and message loop do.
struct InputScope {
    int& depth;
    std::function<void()> done;
    InputScope(int& d, std::function<void()> f) : depth(d), done(std::move(f)) { ++depth; }
    ~InputScope() {
        if (--depth == 0) done();
    }
};

// Key state of the mouse buttons in `buttons` (1 left, 2 right, 4 middle).
void setButtonKeys(int buttons, bool down) {
    if (buttons & 1) SetKeyDown(VK_LBUTTON, down);
    if (buttons & 2) SetKeyDown(VK_RBUTTON, down);
    if (buttons & 4) SetKeyDown(VK_MBUTTON, down);
}

}  // namespace

namespace {

constexpr const char* kFormClass = "UlmaroForm";

UINT buttonMessage(int button, bool down) {
    if (button == 2) return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    if (button == 4) return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
}

LPARAM pointParam(POINT p) { return MAKELPARAM(p.x, p.y); }

}  // namespace

Form::Form(int width, int height)
    : width_(std::clamp<int>(width, 1, static_cast<int>(kMaxSide))), height_(std::clamp<int>(height, 1, static_cast<int>(kMaxSide))) {
    // Past the area limit the form keeps its width and gets the height that still fits.
    if (!sizeFits(width_, height_)) height_ = static_cast<int>(kMaxArea / width_);
    ResetInputState();
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &Form::windowProc;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = kFormClass;
        return RegisterClassA(&wc) != 0;
    }();
    (void)registered;
    hwnd_ = CreateWindowExA(0, kFormClass, "", WS_VISIBLE, 0, 0, width_, height_, nullptr, nullptr, nullptr, this);
    hdc_ = GetDC(hwnd_);
    clearForm();
    // Until the first pointer input the pointer is somewhere off the form, so no control
    // takes the hover look by itself.
    SetCursorPos(-1, -1);
}

Form::~Form() {
    for (auto& c : controls_) c->Terminate();
    // Contained controls go before their containers.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) (*it)->surface().destroyWindow();
    active_ = nullptr;
    controls_.clear();
    for (auto& o : objects_) o->Terminate();
    objects_.clear();
    // The program ends: windows its objects left open go with it.
    for (HWND h : adopted_)
        if (IsWindow(h)) DestroyWindow(h);
    ReleaseDC(hwnd_, hdc_);
    DestroyWindow(hwnd_);
}

// The form's window keeps its own picture and hears the focus come to the form itself.
LRESULT Form::windowProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        SetWindowLongPtrA(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
        return TRUE;
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(h, GWLP_USERDATA));
    if (!form) return DefWindowProcA(h, msg, wp, lp);
    switch (msg) {
        // The form's window keeps what was drawn on it (Parent.hDC): nothing is erased.
        case WM_ERASEBKGND: return 1;
        case WM_SETFOCUS:
            // No control has the focus any more.
            if (Control* old = std::exchange(form->active_, nullptr)) {
                old->LostFocus();
                old->ExitFocus();
            }
            return 0;
        default: return DefWindowProcA(h, msg, wp, lp);
    }
}

void Form::setBackColor(OLE_COLOR c) {
    backColor_ = c;
    clearForm();
}

// The form's own window shows its back colour until something draws on it; nothing is
// left for the window to paint.
void Form::clearForm() {
    HBRUSH b = CreateSolidBrush(static_cast<COLORREF>(TranslateColor(backColor_)));
    RECT r{0, 0, width_, height_};
    FillRect(hdc_, &r, b);
    DeleteObject(b);
    ValidateRect(hwnd_, nullptr);
}

bool isControlName(std::string_view name) {
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (name.empty() || name.size() > 40 || !letter(name.front())) return false;
    return std::all_of(name.begin(), name.end(), [&](char c) { return letter(c) || (c >= '0' && c <= '9') || c == '_'; });
}

std::string controlNameRule(std::string_view name) {
    return "\"" + std::string(name) + "\" is not a control name (a letter, then letters, digits or _, at most 40 characters)";
}

Control& Form::place(const std::string& className, const std::string& name, int left, int top, int width, int height,
                     Control* container, PropertyBag* bag) {
    const ClassInfo* cls = TypeLibrary::instance().findClass(className);
    if (!cls || !cls->create) throw std::invalid_argument("unknown class " + className);
    if (!cls->placeable) throw std::invalid_argument("class " + className + " is not placed on forms");
    if (!isControlName(name)) throw std::invalid_argument(controlNameRule(name));
    if (find(name)) throw std::invalid_argument("a control named " + name + " exists already");
    if (container && !container->classInfo().container)
        throw std::invalid_argument(container->name() + " cannot contain controls");
    if (!sizeFits(width, height)) throw std::invalid_argument("the size of " + name + ": " + sizeProblem(width, height));
    std::unique_ptr<Control> c = cls->create();
    Control& ref = *c;
    c->attach(*cls, name, *this, container);
    c->surface().setFont(font_->Clone());
    c->surface().createWindow(container ? container->surface().hWnd() : hwnd_, left, top, width, height);
    // The platform refuses windows past its quota: the control is not placed at all.
    if (!c->surface().hWnd()) throw std::invalid_argument("no window can be made for " + name + " (too many windows)");
    c->bindTimers();
    controls_.push_back(std::move(c));
    if (bag)
        ref.ReadProperties(*bag);
    else
        ref.InitProperties();
    ref.Resize();
    if (loading_) {
        unshown_.push_back(&ref);
        return ref;
    }
    showAndPaint(ref);
    return ref;
}

// Show, then the first paint at once, as a window shown on a form gets it.
void Form::showAndPaint(Control& c) {
    c.Show();
    HWND h = c.surface().hWnd();
    InvalidateRect(h, nullptr, FALSE);
    UpdateWindow(h);
    // What the control posted to its windows while it loaded arrives before any input.
    if (inputDepth_ == 0) drainMessages();
}

void Form::endLoad() {
    loading_ = false;
    std::vector<Control*> pending = std::move(unshown_);
    unshown_.clear();
    for (Control* c : pending) showAndPaint(*c);
}

Control* Form::find(std::string_view name) const {
    for (const auto& c : controls_)
        if (sameName(c->name(), name)) return c.get();
    for (const auto& o : objects_)
        if (sameName(o->name(), name)) return o.get();
    return nullptr;
}

Control& Form::create(const std::string& className, const std::string& name) {
    const ClassInfo* cls = TypeLibrary::instance().findClass(className);
    if (!cls || !cls->create) throw std::invalid_argument("unknown class " + className);
    if (cls->placeable) throw std::invalid_argument("class " + className + " is placed on forms: give its place and size");
    if (name.empty()) throw std::invalid_argument("an object needs a name");
    if (find(name)) throw std::invalid_argument("a control named " + name + " exists already");
    std::unique_ptr<Control> o = cls->create();
    o->attach(*cls, name, *this, nullptr);
    objects_.push_back(std::move(o));
    return *objects_.back();
}

Control* Form::controlOf(HWND hwnd) const {
    Control* c = hwnd ? ControlOfWindow(hwnd) : nullptr;
    return c && c->site() == this ? c : nullptr;
}

// The control whose window is `hwnd` or holds it (a window a control made inside its own).
Control* Form::owningControl(HWND hwnd) const {
    for (HWND h = hwnd; h && h != hwnd_; h = GetParent(h))
        if (Control* c = controlOf(h)) return c;
    return nullptr;
}

RECT Form::boundsOf(const Control& c) const {
    RECT r{};
    GetWindowRect(const_cast<Control&>(c).surface().hWnd(), &r);
    POINT o{0, 0};
    ClientToScreen(c.container() ? c.container()->surface().hWnd() : hwnd_, &o);
    OffsetRect(&r, -o.x, -o.y);
    return r;
}

// The window's WM_SIZE gives the control its Resize.
bool Form::resize(Control& c, std::int64_t width, std::int64_t height) {
    RECT b = boundsOf(c);
    if (b.right - b.left == width && b.bottom - b.top == height) return true;
    if (!sizeFits(width, height)) return false;
    return MoveWindow(c.surface().hWnd(), b.left, b.top, static_cast<int>(width), static_cast<int>(height), TRUE) != FALSE;
}

void Form::move(Control& c, int left, int top) {
    RECT b = boundsOf(c);
    MoveWindow(c.surface().hWnd(), left, top, b.right - b.left, b.bottom - b.top, TRUE);
}

bool Form::takesInput(const Control& c) const {
    for (const Control* k = &c; k; k = k->container())
        if (!IsWindowEnabled(k->surface().hWnd())) return false;
    return true;
}

void Form::raiseEvent(Control& source, const EventInfo& event, std::vector<Variant>& args) {
    if (onEvent_) onEvent_(source, event, args);
}

std::vector<Control*> Form::parentControls(const Control& c) const {
    std::vector<Control*> out;
    for (const auto& o : controls_)
        if (o->container() == c.container()) out.push_back(o.get());
    return out;
}

std::vector<Control*> Form::containedControls(const Control& c) const {
    std::vector<Control*> out;
    for (const auto& o : controls_)
        if (o->container() == &c) out.push_back(o.get());
    return out;
}

// ---- Pointer ------------------------------------------------------------------------------------------

Control* Form::controlAt(int x, int y) const { return owningControl(WindowFromPointIn(hwnd_, POINT{x, y})); }

Form::Pointer Form::pointerAt(int x, int y) const {
    Pointer p;
    HWND target = GetCapture();
    if (target && !IsChild(hwnd_, target)) target = nullptr;
    // While a button is held, the window that took the press keeps the pointer; a press on
    // the form itself keeps it from every control.
    if (!target && buttons_ && pressHeld_) {
        if (!pressed_ || !IsWindow(pressed_)) return p;
        target = pressed_;
    }
    bool hit = false;
    if (!target) {
        target = WindowFromPointIn(hwnd_, POINT{x, y});
        if (target == hwnd_) target = nullptr;
        hit = true;
    }
    if (!target) return p;
    // Over a window's frame the pointer is outside its client area: the window gets no
    // client mouse messages there.
    if (hit && SendMessageA(target, WM_NCHITTEST, 0, MAKELPARAM(x, y)) != HTCLIENT) return p;
    p.target = target;
    p.local = POINT{x, y};
    ScreenToClient(target, &p.local);
    return p;
}

Control* Form::pointerTarget() const {
    POINT pt{};
    GetCursorPos(&pt);
    return owningControl(pointerAt(pt.x, pt.y).target);
}

// The key flags of mouse messages: the buttons held, Shift and Ctrl.
WPARAM Form::mouseKeys() const {
    WPARAM k = 0;
    if (buttons_ & 1) k |= MK_LBUTTON;
    if (buttons_ & 2) k |= MK_RBUTTON;
    if (buttons_ & 4) k |= MK_MBUTTON;
    if (shift_ & 1) k |= MK_SHIFT;
    if (shift_ & 2) k |= MK_CONTROL;
    return k;
}

// With a press or release of more than one button at once, the high word names them all.
WPARAM Form::buttonKeys(int button) const {
    WPARAM k = mouseKeys();
    if (button != 1 && button != 2 && button != 4) k |= MAKEWPARAM(0, button);
    return k;
}

void Form::mouseMove(int x, int y) {
    if (!userMode_) return;
    InputScope scope(inputDepth_, [this] { afterInput(); });
    SetCursorPos(x, y);
    // Each move starts from the window's own arrow; a control that wants another shape sets
    // it while it handles the move.
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    Pointer p = pointerAt(x, y);
    if (p.target) SendMessageA(p.target, WM_MOUSEMOVE, mouseKeys(), pointParam(p.local));
}

// Who keeps the pointer while a button is held (set by the first press, cleared by the last
// release): `target`, or the form itself when it is null.
void Form::setPress(HWND target, bool held) {
    pressHeld_ = held;
    pressed_ = target;
}

void Form::mouseDown(int button, int x, int y) {
    if (!userMode_) return;
    InputScope scope(inputDepth_, [this] { afterInput(); });
    SetCursorPos(x, y);
    Pointer p = pointerAt(x, y);
    if (!buttons_) setPress(p.target);
    buttons_ |= button;
    setButtonKeys(button, true);
    if (!p.target) return;
    // A press on a control that takes the focus moves the focus there first.
    Control* owner = owningControl(p.target);
    if (owner && owner->classInfo().canGetFocus && active_ != owner) setFocus(owner);
    if (IsWindow(p.target)) SendMessageA(p.target, buttonMessage(button, true), buttonKeys(button), pointParam(p.local));
}

void Form::mouseUp(int button, int x, int y) {
    if (!userMode_) return;
    InputScope scope(inputDepth_, [this] { afterInput(); });
    SetCursorPos(x, y);
    Pointer p = pointerAt(x, y);
    HWND pressed = pressed_;
    bool afterDoubleClick = button == 1 && doubleClickHeld_;
    if (button == 1) doubleClickHeld_ = false;
    buttons_ &= ~button;
    setButtonKeys(button, false);
    if (!buttons_) setPress(nullptr, false);
    if (!p.target) return;
    SendMessageA(p.target, buttonMessage(button, false), buttonKeys(button), pointParam(p.local));
    // The release of a double click's second press raises no Click; nor does a window the
    // release destroyed.
    if (afterDoubleClick || !IsWindow(p.target)) return;
    // Click follows a press and release on the same window, released over it.
    RECT client{};
    GetClientRect(p.target, &client);
    const bool reaches = WindowFromPointIn(hwnd_, POINT{x, y}) == p.target || GetCapture() == p.target;
    if (p.target == pressed && PtInRect(&client, p.local) && reaches) SendMessageA(p.target, WM_HOST_CLICK, 0, 0);
}

void Form::doubleClick(int x, int y) {
    // The window system's order: press, release (Click), the second press reported as a
    // double click, and its release.
    mouseDown(1, x, y);
    mouseUp(1, x, y);
    dblClickPress(x, y);
    mouseUp(1, x, y);
}

void Form::dblClickPress(int x, int y) {
    if (!userMode_) return;
    InputScope scope(inputDepth_, [this] { afterInput(); });
    SetCursorPos(x, y);
    Pointer p = pointerAt(x, y);
    if (!buttons_) setPress(p.target);
    buttons_ |= 1;
    doubleClickHeld_ = true;
    SetKeyDown(VK_LBUTTON, true);
    if (p.target) SendMessageA(p.target, WM_LBUTTONDBLCLK, mouseKeys(), pointParam(p.local));
}

void Form::setShift(int shift) {
    shift_ = static_cast<std::int16_t>(shift);
    SetKeyDown(VK_SHIFT, (shift & 1) != 0);
    SetKeyDown(VK_CONTROL, (shift & 2) != 0);
    SetKeyDown(VK_MENU, (shift & 4) != 0);
}

// ---- Keys and focus -----------------------------------------------------------------------------------

// Keys go to the window with the focus, when it is one of the form's controls or lies in one.
namespace {
// Keys go to the focused window only while it shows and takes input: one hidden or
// disabled with its container hears nothing until it is shown and enabled again.
HWND keyTarget(HWND form) {
    HWND f = GetFocus();
    if (!f || !IsChild(form, f) || !IsWindowVisible(f)) return nullptr;
    for (HWND k = f; k && k != form; k = GetParent(k))
        if (!IsWindowEnabled(k)) return nullptr;
    return f;
}
}  // namespace

void Form::keyDown(int keyCode) {
    if (!userMode_) return;
    InputScope scope(inputDepth_, [this] { afterInput(); });
    SetKeyDown(keyCode, true);
    if (keyCode == VK_TAB) return pressTab();
    if (HWND f = keyTarget(hwnd_)) SendMessageA(f, WM_KEYDOWN, static_cast<WPARAM>(keyCode), 0);
}

// Tab belongs to the form while some control is a tab stop: it moves the focus. When none
// is, the key reaches the focused control, with the TAB character it types.
void Form::pressTab() {
    if (hasTabStops()) {
        moveFocus((shift_ & 1) ? -1 : 1);
        return;
    }
    HWND f = keyTarget(hwnd_);
    if (!f) return;
    SendMessageA(f, WM_KEYDOWN, VK_TAB, 0);
    if (keyTarget(hwnd_) == f && (shift_ & 6) == 0) SendMessageA(f, WM_CHAR, 9, 0);
}

bool Form::hasTabStops() const {
    std::vector<Control*> order;
    tabOrder(nullptr, order);
    return !order.empty();
}

void Form::keyUp(int keyCode) {
    if (!userMode_) return;
    InputScope scope(inputDepth_, [this] { afterInput(); });
    SetKeyDown(keyCode, false);
    if (keyCode == VK_TAB && hasTabStops()) return;
    if (HWND f = keyTarget(hwnd_)) SendMessageA(f, WM_KEYUP, static_cast<WPARAM>(keyCode), 0);
}

void Form::keyPress(int keyAscii) {
    if (!userMode_) return;
    InputScope scope(inputDepth_, [this] { afterInput(); });
    if (HWND f = keyTarget(hwnd_)) SendMessageA(f, WM_CHAR, static_cast<WPARAM>(keyAscii & 0xFFFF), 0);
}

bool Form::accessKey(char key) {
    if (!userMode_) return false;
    InputScope scope(inputDepth_, [this] { afterInput(); });
    // Keys are ANSI characters: É and é are one key.
    for (const auto& c : controls_) {
        if (!IsWindowVisible(c->surface().hWnd()) || !takesInput(*c)) continue;
        const std::string& keys = c->surface().AccessKeys();
        if (std::any_of(keys.begin(), keys.end(), [&](char k) { return AnsiUpper(k) == AnsiUpper(key); })) {
            SendMessageA(c->surface().hWnd(), WM_HOST_ACCESSKEY, static_cast<unsigned char>(key), 0);
            return true;
        }
    }
    return false;
}

// The platform owns the focus: this moves it, and the windows' WM_KILLFOCUS and WM_SETFOCUS
// bring the notifications (focusMessage).
void Form::setFocus(Control* c) {
    if (!userMode_) return;
    InputScope scope(inputDepth_, [this] { afterInput(); });
    HWND target = c ? c->surface().hWnd() : hwnd_;
    // Focus already in the control (or in a window it made inside its own) stays where it is.
    if (c == active_ && (GetFocus() == target || (c && IsChild(target, GetFocus())))) return;
    SetFocus(target);
}

void Form::focusFirstControl() {
    if (!userMode_ || active_) return;
    std::vector<Control*> order;
    tabOrder(nullptr, order);
    if (!order.empty()) setFocus(order.front());
}

void Form::focusMessage(Control& c, bool gained, HWND other) {
    InputScope scope(inputDepth_, [this] { afterInput(); });
    if (gained) {
        if (active_ == &c) return;  // back from another program, or from inside the control
        // A control that lost the focus while it was in another program is told now.
        Control* old = std::exchange(active_, &c);
        if (old) {
            old->LostFocus();
            old->ExitFocus();
        }
        if (active_ == &c) {
            c.EnterFocus();
            c.GotFocus();
        }
        return;
    }
    // Focus going to another program, or to a window inside the control, leaves the control
    // the form's active one.
    if (active_ != &c || !other || IsChild(c.surface().hWnd(), other)) return;
    active_ = nullptr;
    c.LostFocus();
    c.ExitFocus();
}

// The tab order: the form's controls in the order they were placed, each container's
// controls right after the container; hidden and disabled ones (or inside a hidden or
// disabled container) are left out.
void Form::tabOrder(const Control* container, std::vector<Control*>& out) const {
    for (const auto& c : controls_) {
        if (c->container() != container) continue;
        HWND h = c->surface().hWnd();
        if (!IsWindowVisible(h) || !IsWindowEnabled(h)) continue;
        if (c->classInfo().canGetFocus && c->extenderTabStop()) out.push_back(c.get());
        if (c->classInfo().container) tabOrder(c.get(), out);
    }
}

void Form::moveFocus(int direction) {
    std::vector<Control*> order;
    tabOrder(nullptr, order);
    if (order.empty()) return;
    auto it = std::find(order.begin(), order.end(), active_);
    std::ptrdiff_t n = static_cast<std::ptrdiff_t>(order.size());
    std::ptrdiff_t i = it == order.end() ? (direction > 0 ? -1 : 0) : it - order.begin();
    i = ((i + direction) % n + n) % n;
    setFocus(order[static_cast<std::size_t>(i)]);
}

// The keys wait until the notification that sent them has returned, as the host's keyboard
// buffer does; a string that is not well formed fails at once.
void Form::sendKeys(Control&, std::string_view keys) {
    std::vector<KeyStroke> strokes = ParseSendKeys(keys);
    pendingKeys_.insert(pendingKeys_.end(), strokes.begin(), strokes.end());
    if (inputDepth_ == 0) flushKeys();
}

void Form::flushKeys() {
    // Controls that pass the focus on with a Tab (a locked text box) could pass it round
    // for ever: one round of the form is as far as sent keys go at a time.
    if (flushDepth_ > static_cast<int>(controls_.size()) + 1) {
        pendingKeys_.clear();
        return;
    }
    ++flushDepth_;
    while (!pendingKeys_.empty()) {
        const KeyStroke k = pendingKeys_.front();
        pendingKeys_.erase(pendingKeys_.begin());
        typeStroke(k);
    }
    --flushDepth_;
}

// One sent key: pressed and released with its own Shift, Ctrl and Alt, then those as they
// were.
void Form::typeStroke(const KeyStroke& k) {
    InputScope scope(inputDepth_, [this] { afterInput(); });
    const int held = shift_;
    setShift(k.shift);
    if (k.virtualKey == VK_TAB && (k.shift & 6) == 0) {
        pressTab();
    } else if (HWND f = keyTarget(hwnd_)) {
        if (k.virtualKey) SendMessageA(f, WM_KEYDOWN, static_cast<WPARAM>(k.virtualKey), 0);
        if (k.character && keyTarget(hwnd_) == f) SendMessageA(f, WM_CHAR, static_cast<WPARAM>(k.character), 0);
        if (k.virtualKey && keyTarget(hwnd_) == f) SendMessageA(f, WM_KEYUP, static_cast<WPARAM>(k.virtualKey), 0);
    }
    setShift(held);
}

void Form::tick(std::int64_t ms) {
    InputScope scope(inputDepth_, [this] { afterInput(); });
    clock_.advance(ms);
}

// Once the outermost input notification returns: queued focus moves, then whatever the
// windows posted meanwhile.
void Form::afterInput() {
    flushKeys();
    drainMessages();
}

void Form::drainMessages() {
    MSG m;
    while (PeekMessageA(&m, hwnd_, 0, WM_PAINT - 1, PM_REMOVE) || PeekMessageA(&m, hwnd_, WM_PAINT + 1, 0xFFFFFFFF, PM_REMOVE))
        DispatchMessageA(&m);
}

// ---- Composition -------------------------------------------------------------------------------------

std::vector<COLORREF> Form::compose() const {
    showLines();
    return ComposeWindow(hwnd_);
}

namespace {

// The client pixels a line object covers, as a region: the line drawn with the platform's
// pen rules, and its end point added, as a line object shows both of its ends.
HRGN lineArea(const LineObject& l, int width, int height) {
    if (width <= 0 || height <= 0) return CreateRectRgn(0, 0, 0, 0);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ oldBmp = SelectObject(dc, bmp);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    auto px = [](float v) { return static_cast<int>(roundHalfEven(v)); };
    MoveToEx(dc, px(l.X1), px(l.Y1), nullptr);
    LineTo(dc, px(l.X2), px(l.Y2));
    SetPixel(dc, px(l.X2), px(l.Y2), RGB(255, 255, 255));
    // One rectangle per run of covered pixels in each row.
    PixelView v = GetBitmapPixels(bmp);
    std::vector<RECT> runs;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width;) {
            if (!v.at(x, y)) {
                ++x;
                continue;
            }
            int start = x;
            while (x < width && v.at(x, y)) ++x;
            runs.push_back(RECT{start, y, x, y + 1});
        }
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    SelectObject(dc, oldBmp);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    std::vector<char> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    RGNDATAHEADER header{sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(runs.size()),
                         static_cast<DWORD>(runs.size() * sizeof(RECT)), RECT{0, 0, 0, 0}};
    std::memcpy(data.data(), &header, sizeof header);
    if (!runs.empty()) std::memcpy(data.data() + sizeof header, runs.data(), runs.size() * sizeof(RECT));
    return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data()));
}

}  // namespace

// Line objects have no window: they lie over their control's client area, wherever it shows.
void Form::showLines() const {
    for (const auto& c : controls_) {
        if (c->lines().empty()) continue;
        HWND h = c->surface().hWnd();
        ClearWindowOverlays(h);
        RECT client{};
        GetClientRect(h, &client);
        for (const LineObject* l : c->lines())
            if (l->Visible)
                AddWindowOverlay(h, lineArea(*l, client.right, client.bottom),
                                 static_cast<COLORREF>(TranslateColor(l->BorderColor)));
    }
}

}  // namespace ulmaro
