#include "form.h"

#include "colors.h"

#include <ulmaro/platform/host.h>

#include <algorithm>
#include <stdexcept>

namespace ulmaro {

using namespace platform;

namespace {

// Runs queued focus moves (SendKeys) once the outermost input notification has returned,
// as the host's keyboard buffer does.
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

Form::Form(int width, int height)
    : width_(std::clamp(width, 1, kMaxSide)), height_(std::clamp(height, 1, kMaxSide)) {
    hwnd_ = CreateWindowExA(0, "UlmaroForm", "", WS_VISIBLE, 0, 0, width_, height_, nullptr, nullptr, nullptr, nullptr);
    hdc_ = GetDC(hwnd_);
    clearForm();
    ResetInputState();
    // Until the first pointer input the pointer is somewhere off the form, so no control
    // takes the hover look by itself.
    SetCursorPos(-1, -1);
}

Form::~Form() {
    for (auto& c : controls_) c->Terminate();
    // Contained controls go before their containers.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) (*it)->surface().destroyWindow();
    controls_.clear();
    ReleaseDC(hwnd_, hdc_);
    DestroyWindow(hwnd_);
}

void Form::setBackColor(OLE_COLOR c) {
    backColor_ = c;
    clearForm();
}

// The form's own window shows its back colour until something draws on it.
void Form::clearForm() {
    HBRUSH b = CreateSolidBrush(static_cast<COLORREF>(TranslateColor(backColor_)));
    RECT r{0, 0, width_, height_};
    FillRect(hdc_, &r, b);
    DeleteObject(b);
}

Control& Form::place(const std::string& className, const std::string& name, int left, int top, int width, int height,
                     Control* container, PropertyBag* bag) {
    const ClassInfo* cls = TypeLibrary::instance().findClass(className);
    if (!cls || !cls->create) throw std::invalid_argument("unknown class " + className);
    if (!cls->placeable) throw std::invalid_argument("class " + className + " is not placed on forms");
    if (name.empty()) throw std::invalid_argument("a control needs a name");
    if (find(name)) throw std::invalid_argument("a control named " + name + " exists already");
    if (container && !container->classInfo().container)
        throw std::invalid_argument(container->name() + " cannot contain controls");
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide)
        throw std::invalid_argument("size out of range for " + name);
    std::unique_ptr<Control> c = cls->create();
    Control& ref = *c;
    c->attach(*cls, name, *this, container);
    c->surface().setFont(font_->Clone());
    c->surface().createWindow(container ? container->surface().hWnd() : hwnd_, left, top, width, height);
    // The platform refuses windows past its quota: the control is not placed at all.
    if (!c->surface().hWnd()) throw std::invalid_argument("no window can be made for " + name + " (too many windows)");
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
    ref.Show();
    ref.Paint();
    return ref;
}

void Form::endLoad() {
    loading_ = false;
    std::vector<Control*> pending = std::move(unshown_);
    unshown_.clear();
    for (Control* c : pending) {
        c->Show();
        c->Paint();
    }
}

Control* Form::find(std::string_view name) const {
    for (const auto& c : controls_)
        if (sameName(c->name(), name)) return c.get();
    return nullptr;
}

Control* Form::controlOf(HWND hwnd) const {
    for (const auto& c : controls_)
        if (c->surface().hWnd() == hwnd) return c.get();
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

void Form::resize(Control& c, int width, int height) {
    RECT b = boundsOf(c);
    // A control may grow past kMaxSide on its own (an auto-sized label with a long
    // caption); the platform refuses only windows too large to hold.
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (b.right - b.left == width && b.bottom - b.top == height) return;
    MoveWindow(c.surface().hWnd(), b.left, b.top, width, height, TRUE);
    c.Resize();
}

void Form::move(Control& c, int left, int top) {
    RECT b = boundsOf(c);
    MoveWindow(c.surface().hWnd(), left, top, b.right - b.left, b.bottom - b.top, TRUE);
}

// Keys go to the focused control only while it shows and takes input: one hidden or
// disabled with its container hears nothing until it is shown and enabled again.
bool Form::keysReachFocus() const {
    return focus_ && IsWindowVisible(focus_->surface().hWnd()) && takesInput(*focus_);
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

Control* Form::controlAt(int x, int y) const { return hitTest(nullptr, x, y); }

Control* Form::hitTest(const Control* container, int x, int y) const {
    const POINT pt{x, y};
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control& c = **it;
        if (c.container() != container) continue;
        HWND h = c.surface().hWnd();
        RECT window{};
        if (!IsWindowVisible(h) || !GetWindowRect(h, &window) || !PtInRect(&window, pt)) continue;
        HRGN rgn = CreateRectRgn(0, 0, 0, 0);
        bool outsideRegion = GetWindowRgn(h, rgn) != ERROR && !PtInRegion(rgn, x - window.left, y - window.top);
        DeleteObject(rgn);
        if (outsideRegion) continue;
        POINT local = pt;
        ScreenToClient(h, &local);
        RECT client{};
        GetClientRect(h, &client);
        if (!PtInRect(&client, local)) return &c;  // on the frame
        if (c.classInfo().container)
            if (Control* inner = hitTest(&c, x, y)) return inner;
        if (c.surface().opaqueAt(local.x, local.y)) return &c;
    }
    return nullptr;
}

Form::Pointer Form::pointerAt(int x, int y) const {
    Pointer p;
    Control* target = nullptr;
    if (HWND cap = GetCapture()) target = controlOf(cap);
    // While a button is held, the window that took the press keeps the pointer; a press on
    // the form itself keeps it from every control.
    if (!target && buttons_ && pressHeld_) {
        if (!pressed_) return p;
        target = pressed_;
    }
    bool hit = false;
    if (!target) {
        target = controlAt(x, y);
        hit = true;
        // The window system finds no disabled window under the pointer: the pointer belongs
        // to the enabled container around the outermost disabled one (or to the form).
        for (Control* k = target; k; k = k->container())
            if (!IsWindowEnabled(k->surface().hWnd())) target = k->container();
    }
    if (!target) return p;
    POINT local{x, y};
    ScreenToClient(target->surface().hWnd(), &local);
    // Over a control's frame the pointer is outside its client area: the window system
    // sends no client mouse messages there.
    RECT client{};
    GetClientRect(target->surface().hWnd(), &client);
    if (hit && !PtInRect(&client, local)) return p;
    p.target = target;
    p.x = static_cast<float>(local.x);
    p.y = static_cast<float>(local.y);
    return p;
}

Control* Form::pointerTarget() const {
    POINT pt{};
    GetCursorPos(&pt);
    return pointerAt(pt.x, pt.y).target;
}

void Form::mouseMove(int x, int y) {
    InputScope scope(inputDepth_, [this] { flushKeys(); });
    SetCursorPos(x, y);
    // Each move starts from the window's own arrow; a control that wants another shape sets
    // it while it handles the move.
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    Pointer p = pointerAt(x, y);
    if (!p.target) return;
    std::int16_t button = static_cast<std::int16_t>(buttons_), shift = shift_;
    p.target->MouseMove(button, shift, p.x, p.y);
}

// Who keeps the pointer while a button is held (set by the first press, cleared by the last
// release): `target`, or the form itself when it is null.
void Form::setPress(Control* target, bool held) {
    pressHeld_ = held;
    pressed_ = target;
}

void Form::mouseDown(int button, int x, int y) {
    InputScope scope(inputDepth_, [this] { flushKeys(); });
    SetCursorPos(x, y);
    Pointer p = pointerAt(x, y);
    if (!buttons_) setPress(p.target);
    buttons_ |= button;
    setButtonKeys(button, true);
    if (!p.target) return;
    // A press on a control that takes the focus moves the focus there first.
    if (p.target->classInfo().canGetFocus && focus_ != p.target) setFocus(p.target);
    std::int16_t b = static_cast<std::int16_t>(button), shift = shift_;
    p.target->MouseDown(b, shift, p.x, p.y);
}

void Form::mouseUp(int button, int x, int y) {
    InputScope scope(inputDepth_, [this] { flushKeys(); });
    SetCursorPos(x, y);
    Pointer p = pointerAt(x, y);
    Control* pressed = pressed_;
    bool afterDoubleClick = button == 1 && doubleClickHeld_;
    if (button == 1) doubleClickHeld_ = false;
    buttons_ &= ~button;
    setButtonKeys(button, false);
    if (!buttons_) setPress(nullptr, false);
    if (!p.target) return;
    std::int16_t b = static_cast<std::int16_t>(button), shift = shift_;
    p.target->MouseUp(b, shift, p.x, p.y);
    // Click follows a press and release on the same control, released over it.
    RECT client{};
    GetClientRect(p.target->surface().hWnd(), &client);
    POINT local{static_cast<LONG>(p.x), static_cast<LONG>(p.y)};
    // The release of a double click's second press raises none.
    if (afterDoubleClick) return;
    const bool reaches = controlAt(x, y) == p.target || GetCapture() == p.target->surface().hWnd();
    if (p.target == pressed && PtInRect(&client, local) && reaches) p.target->Click();
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
    InputScope scope(inputDepth_, [this] { flushKeys(); });
    SetCursorPos(x, y);
    Pointer p = pointerAt(x, y);
    if (!buttons_) setPress(p.target);
    buttons_ |= 1;
    doubleClickHeld_ = true;
    SetKeyDown(VK_LBUTTON, true);
    if (!p.target) return;
    p.target->DblClick();
}

void Form::setShift(int shift) {
    shift_ = static_cast<std::int16_t>(shift);
    SetKeyDown(VK_SHIFT, (shift & 1) != 0);
    SetKeyDown(VK_CONTROL, (shift & 2) != 0);
    SetKeyDown(VK_MENU, (shift & 4) != 0);
}

// ---- Keys and focus -----------------------------------------------------------------------------------

void Form::keyDown(int keyCode) {
    InputScope scope(inputDepth_, [this] { flushKeys(); });
    SetKeyDown(keyCode, true);
    // Tab belongs to the form: it moves the focus and never reaches a control.
    if (keyCode == VK_TAB) {
        moveFocus((shift_ & 1) ? -1 : 1);
        return;
    }
    if (!keysReachFocus()) return;
    std::int16_t code = static_cast<std::int16_t>(keyCode), shift = shift_;
    focus_->KeyDown(code, shift);
}

void Form::keyUp(int keyCode) {
    InputScope scope(inputDepth_, [this] { flushKeys(); });
    SetKeyDown(keyCode, false);
    if (keyCode == VK_TAB || !keysReachFocus()) return;
    std::int16_t code = static_cast<std::int16_t>(keyCode), shift = shift_;
    focus_->KeyUp(code, shift);
}

void Form::keyPress(int keyAscii) {
    InputScope scope(inputDepth_, [this] { flushKeys(); });
    if (!keysReachFocus()) return;
    std::int16_t ascii = static_cast<std::int16_t>(keyAscii);
    focus_->KeyPress(ascii);
}

bool Form::accessKey(char key) {
    InputScope scope(inputDepth_, [this] { flushKeys(); });
    auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    for (const auto& c : controls_) {
        if (!IsWindowVisible(c->surface().hWnd()) || !takesInput(*c)) continue;
        const std::string& keys = c->surface().AccessKeys();
        if (std::any_of(keys.begin(), keys.end(), [&](char k) { return lower(k) == lower(key); })) {
            std::int16_t ascii = static_cast<std::int16_t>(static_cast<unsigned char>(key));
            c->AccessKeyPress(ascii);
            return true;
        }
    }
    return false;
}

void Form::setFocus(Control* c) {
    InputScope scope(inputDepth_, [this] { flushKeys(); });
    if (c == focus_) return;
    Control* old = focus_;
    focus_ = c;
    if (old) {
        old->LostFocus();
        old->ExitFocus();
    }
    SetFocus(c ? c->surface().hWnd() : hwnd_);
    if (c && focus_ == c) {
        c->EnterFocus();
        c->GotFocus();
    }
}

// The tab order: the form's controls in the order they were placed, each container's
// controls right after the container; hidden and disabled ones (or inside a hidden or
// disabled container) are left out.
void Form::tabOrder(const Control* container, std::vector<Control*>& out) const {
    for (const auto& c : controls_) {
        if (c->container() != container) continue;
        HWND h = c->surface().hWnd();
        if (!IsWindowVisible(h) || !IsWindowEnabled(h)) continue;
        if (c->classInfo().canGetFocus) out.push_back(c.get());
        if (c->classInfo().container) tabOrder(c.get(), out);
    }
}

void Form::moveFocus(int direction) {
    std::vector<Control*> order;
    tabOrder(nullptr, order);
    if (order.empty()) return;
    auto it = std::find(order.begin(), order.end(), focus_);
    std::ptrdiff_t n = static_cast<std::ptrdiff_t>(order.size());
    std::ptrdiff_t i = it == order.end() ? (direction > 0 ? -1 : 0) : it - order.begin();
    i = ((i + direction) % n + n) % n;
    setFocus(order[static_cast<std::size_t>(i)]);
}

void Form::sendKeys(Control&, std::string_view keys) {
    pendingKeys_.emplace_back(keys);
    if (inputDepth_ == 0) flushKeys();
}

void Form::flushKeys() {
    while (!pendingKeys_.empty()) {
        std::string k = pendingKeys_.front();
        pendingKeys_.erase(pendingKeys_.begin());
        if (k == "{Tab}" || k == "{TAB}")
            moveFocus(1);
        else if (k == "+{Tab}" || k == "+{TAB}")
            moveFocus(-1);
    }
}

void Form::tick(std::int64_t ms) {
    InputScope scope(inputDepth_, [this] { flushKeys(); });
    clock_.advance(ms);
}

// ---- Composition -------------------------------------------------------------------------------------

std::vector<COLORREF> Form::compose() const {
    PixelView own = GetWindowSurface(hwnd_);
    std::vector<COLORREF> out(own.px, own.px + static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    composeInto(out, nullptr, 0, 0, RECT{0, 0, width_, height_});
    return out;
}

namespace {

// The frame a window draws around its client area: a sunken client edge, or a one-pixel
// line in the window-frame colour. Returns the window-sized picture (only the ring is used).
std::vector<COLORREF> framePicture(HWND h, int width, int height) {
    std::vector<COLORREF> px;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(dc, bmp);
    RECT r{0, 0, width, height};
    if (GetWindowLongA(h, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) {
        DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
    } else {
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    }
    PixelView v = GetBitmapPixels(bmp);
    if (v.px) px.assign(v.px, v.px + static_cast<std::size_t>(v.width) * static_cast<std::size_t>(v.height));
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return px;
}

// Where a line object covers its control's client area: one byte per pixel. The line is
// drawn with the platform's pen rules, and its end point is added, as a line object
// shows both of its ends.
std::vector<unsigned char> lineCoverage(const LineObject& l, int width, int height) {
    std::vector<unsigned char> cover(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    if (width <= 0 || height <= 0) return cover;
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
    PixelView v = GetBitmapPixels(bmp);
    for (std::size_t i = 0; i < cover.size(); ++i) cover[i] = v.px[i] != 0;
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    SelectObject(dc, oldBmp);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return cover;
}

}  // namespace

void Form::composeInto(std::vector<COLORREF>& out, const Control* container, int ox, int oy, RECT clip) const {
    for (const auto& cp : controls_) {
        const Control& c = *cp;
        if (c.container() != container) continue;
        HWND h = const_cast<Control&>(c).surface().hWnd();
        if (!IsWindowVisible(h)) continue;
        RECT b = boundsOf(c);  // the window, frame included
        OffsetRect(&b, ox, oy);
        RECT vis;
        if (!IntersectRect(&vis, &b, &clip)) continue;
        PixelView view = GetWindowSurface(h);
        POINT client{0, 0};
        ClientToScreen(h, &client);
        RECT window{};
        GetWindowRect(h, &window);
        const int frame = client.x - window.left;  // frame thickness
        const int ww = b.right - b.left, wh = b.bottom - b.top;
        std::vector<COLORREF> framePx = frame > 0 ? framePicture(h, ww, wh) : std::vector<COLORREF>{};
        HRGN rgn = CreateRectRgn(0, 0, 0, 0);
        bool hasRegion = GetWindowRgn(h, rgn) != ERROR;  // window coordinates
        const Surface& s = c.surface();
        for (int y = vis.top; y < vis.bottom; ++y)
            for (int x = vis.left; x < vis.right; ++x) {
                int wx = x - b.left, wy = y - b.top;
                if (hasRegion && !PtInRegion(rgn, wx, wy)) continue;
                COLORREF& dst = out[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
                int lx = wx - frame, ly = wy - frame;
                if (lx < 0 || ly < 0 || lx >= view.width || ly >= view.height) {
                    if (!framePx.empty()) dst = framePx[static_cast<std::size_t>(wy) * static_cast<std::size_t>(ww) + static_cast<std::size_t>(wx)];
                    continue;
                }
                if (s.opaqueAt(lx, ly)) dst = view.at(lx, ly);
            }
        // Line objects lie over the control's own drawing, inside its client area.
        for (const LineObject* l : c.lines()) {
            if (!l->Visible) continue;
            std::vector<unsigned char> cover = lineCoverage(*l, view.width, view.height);
            const COLORREF color = static_cast<COLORREF>(TranslateColor(l->BorderColor));
            for (int y = vis.top; y < vis.bottom; ++y)
                for (int x = vis.left; x < vis.right; ++x) {
                    int wx = x - b.left, wy = y - b.top, lx = wx - frame, ly = wy - frame;
                    if (lx < 0 || ly < 0 || lx >= view.width || ly >= view.height) continue;
                    if (hasRegion && !PtInRegion(rgn, wx, wy)) continue;
                    if (cover[static_cast<std::size_t>(ly) * static_cast<std::size_t>(view.width) + static_cast<std::size_t>(lx)])
                        out[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = color;
                }
        }
        DeleteObject(rgn);
        if (c.classInfo().container) {
            RECT inner{b.left + frame, b.top + frame, b.right - frame, b.bottom - frame};
            RECT innerVis;
            if (IntersectRect(&innerVis, &inner, &vis)) composeInto(out, &c, inner.left, inner.top, innerVis);
        }
    }
}

}  // namespace ulmaro
