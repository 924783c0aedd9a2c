#include "live_window.h"

#include "cursor_shapes.h"
#include "form_input.h"
#include "script.h"
#include "sdl_input.h"

#include "framework/form_file.h"

#include <ulmaro/platform/host.h>
#include <ulmaro/platform/png.h>

#include <SDL.h>

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <vector>

namespace ulmaro::app {

using namespace platform;
namespace fs = std::filesystem;

namespace {

// A frame never moves the form's clock by more than this, so that timers do not race to
// catch up after the program was stopped in a debugger or the machine slept.
constexpr std::int64_t kMaxFrameAdvanceMs = 250;
// Longest wait for input while no timer is due.
constexpr std::int64_t kIdleWaitMs = 250;
// Like the desktop's timers, ours wake up at most this often; shorter intervals fire
// several times in one wake-up.
constexpr std::int64_t kTimerResolutionMs = 15;

// The gallery form: in the current directory's examples/, else next to the executable's
// folder (build/ulmaro finds ../examples/gallery.json).
std::string galleryPath() {
    fs::path here = fs::path("examples") / "gallery.json";
    if (fs::exists(here)) return here.string();
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        fs::path beside = exe.parent_path().parent_path() / "examples" / "gallery.json";
        if (fs::exists(beside)) return beside.string();
    }
    return here.string();
}

bool named(const char* variable) {
    const char* s = std::getenv(variable);
    return s && *s;
}

bool displayNamed() { return named("DISPLAY") || named("WAYLAND_DISPLAY") || named("SDL_VIDEODRIVER"); }

// The form in an SDL window: input goes to the form, its picture comes back to the window.
class LiveWindow {
public:
    explicit LiveWindow(Form& form) : form_(form), input_(form) {}
    ~LiveWindow();
    LiveWindow(const LiveWindow&) = delete;
    LiveWindow& operator=(const LiveWindow&) = delete;

    bool open(const std::string& title, std::string& error);
    // Runs until the window closes, or for `quitAfterMs` when that is not negative (then
    // writes `screenshot`, if named). Returns the process status.
    int run(const std::string& screenshot, long quitAfterMs);

private:
    void handle(const SDL_Event& e);
    void onPointerMoved(int x, int y);
    void onPointerLeft();
    void onButton(const SDL_MouseButtonEvent& b, bool down);
    void onKey(const SDL_KeyboardEvent& k, bool down);
    void onText(const char* utf8);
    void advanceClock();
    void showChanges();
    void present();
    bool writeScreenshot(const std::string& path);

    Form& form_;
    FormInput input_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    CursorShapes cursors_;
    std::vector<COLORREF> shown_;  // the picture on screen
    Uint64 lastTick_ = 0;
    bool changed_ = true;          // input or timers may have changed the picture
    bool closing_ = false;
};

LiveWindow::~LiveWindow() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
}

bool LiveWindow::open(const std::string& title, std::string& error) {
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, form_.width(),
                               form_.height(), SDL_WINDOW_SHOWN);
    // The picture is copied one to one, which needs no graphics card: the software renderer
    // starts at once and draws exactly what it is given.
    if (window_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    // COLORREF 0x00BBGGRR is SDL's XBGR8888: the texture takes the form's pixels as they are.
    if (renderer_)
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_XBGR8888, SDL_TEXTUREACCESS_STREAMING, form_.width(),
                                     form_.height());
    if (!texture_) {
        error = SDL_GetError();
        return false;
    }
    return true;
}

int LiveWindow::run(const std::string& screenshot, long quitAfterMs) {
    const Uint64 start = SDL_GetTicks64();
    lastTick_ = start;
    showChanges();
    while (!closing_) {
        std::int64_t wait = kIdleWaitMs;
        std::int64_t due = form_.clock().nextDue();
        if (due >= 0) wait = std::clamp<std::int64_t>(due, kTimerResolutionMs, kIdleWaitMs);
        if (quitAfterMs >= 0) {
            auto left = static_cast<std::int64_t>(quitAfterMs) - static_cast<std::int64_t>(SDL_GetTicks64() - start);
            wait = std::clamp<std::int64_t>(left, 0, wait);
        }
        SDL_Event e;
        if (SDL_WaitEventTimeout(&e, static_cast<int>(wait))) {
            handle(e);
            while (!closing_ && SDL_PollEvent(&e)) handle(e);
        }
        advanceClock();
        showChanges();
        if (quitAfterMs >= 0 && SDL_GetTicks64() - start >= static_cast<Uint64>(quitAfterMs)) {
            if (!screenshot.empty() && !writeScreenshot(screenshot)) return 1;
            break;
        }
    }
    return 0;
}

void LiveWindow::handle(const SDL_Event& e) {
    switch (e.type) {
        case SDL_QUIT: closing_ = true; break;
        case SDL_MOUSEMOTION: onPointerMoved(e.motion.x, e.motion.y); break;
        case SDL_MOUSEBUTTONDOWN: onButton(e.button, true); break;
        case SDL_MOUSEBUTTONUP: onButton(e.button, false); break;
        case SDL_KEYDOWN: onKey(e.key, true); break;
        case SDL_KEYUP: onKey(e.key, false); break;
        case SDL_TEXTINPUT: onText(e.text.text); break;
        case SDL_WINDOWEVENT:
            switch (e.window.event) {
                case SDL_WINDOWEVENT_CLOSE: closing_ = true; break;
                case SDL_WINDOWEVENT_LEAVE: onPointerLeft(); break;
                case SDL_WINDOWEVENT_FOCUS_GAINED: input_.focus(true); break;
                case SDL_WINDOWEVENT_FOCUS_LOST: input_.focus(false); break;
                case SDL_WINDOWEVENT_EXPOSED: present(); break;
                default: break;
            }
            break;
        default: break;
    }
}

void LiveWindow::onPointerMoved(int x, int y) {
    cursors_.show(input_.pointerMoved(x, y, shiftBitsOf(SDL_GetModState())));
    changed_ = true;
}

void LiveWindow::onPointerLeft() {
    int gx = 0, gy = 0, wx = 0, wy = 0;
    SDL_GetGlobalMouseState(&gx, &gy);
    SDL_GetWindowPosition(window_, &wx, &wy);
    input_.pointerLeft(gx - wx, gy - wy);
    changed_ = true;
}

void LiveWindow::onButton(const SDL_MouseButtonEvent& b, bool down) {
    int button = buttonOf(b.button);
    if (!button) return;
    cursors_.show(input_.button(button, down, b.clicks, b.x, b.y, shiftBitsOf(SDL_GetModState())));
    changed_ = true;
}

void LiveWindow::onKey(const SDL_KeyboardEvent& k, bool down) {
    int vk = virtualKeyOf(k.keysym.sym);
    if (!vk) return;
    // A held key repeats as further key downs, as on the desktop.
    input_.key(vk, down, shiftBitsOf(k.keysym.mod));
    changed_ = true;
}

void LiveWindow::onText(const char* utf8) {
    input_.typed(ansiOfUtf8(utf8), shiftBitsOf(SDL_GetModState()));
    changed_ = true;
}

void LiveWindow::advanceClock() {
    Uint64 now = SDL_GetTicks64();
    auto elapsed = std::min<std::int64_t>(static_cast<std::int64_t>(now - lastTick_), kMaxFrameAdvanceMs);
    lastTick_ = now;
    if (elapsed <= 0) return;
    std::int64_t due = form_.clock().nextDue();
    if (due >= 0 && due <= elapsed) changed_ = true;
    form_.tick(elapsed);
}

// Composes the form when something may have changed and shows the picture if it differs
// from the one on screen.
void LiveWindow::showChanges() {
    if (!changed_) return;
    changed_ = false;
    std::vector<COLORREF> picture = form_.compose();
    if (picture == shown_) return;
    shown_ = std::move(picture);
    SDL_UpdateTexture(texture_, nullptr, shown_.data(), form_.width() * static_cast<int>(sizeof(COLORREF)));
    present();
}

void LiveWindow::present() {
    // One window pixel per form pixel, whatever size the window manager gave the window.
    SDL_Rect r{0, 0, form_.width(), form_.height()};
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, &r);
    SDL_RenderPresent(renderer_);
}

// Reads back what the window shows: the frame is drawn once more and read before it is
// presented, as the renderer only guarantees the pixels until then.
bool LiveWindow::writeScreenshot(const std::string& path) {
    const int w = form_.width(), h = form_.height();
    SDL_Rect r{0, 0, w, h};
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, &r);
    std::vector<COLORREF> px(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    bool ok = SDL_RenderReadPixels(renderer_, &r, SDL_PIXELFORMAT_XBGR8888, px.data(), w * 4) == 0;
    SDL_RenderPresent(renderer_);
    if (!ok) {
        std::cerr << "ulmaro run: cannot read the window's pixels: " << SDL_GetError() << "\n";
        return false;
    }
    for (COLORREF& c : px) c &= 0x00FFFFFF;
    std::string error;
    if (!WritePng(path, PixelView{px.data(), w, h, false}, &error)) {
        std::cerr << "ulmaro run: " << error << "\n";
        return false;
    }
    return true;
}

// SDL for the length of a run.
struct SdlVideo {
    bool ok = false;
    SdlVideo() {
        // The desktop counts the click that activates a window, and a double click's second
        // press must land within two pixels of the first.
        SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
        SDL_SetHint(SDL_HINT_MOUSE_DOUBLE_CLICK_RADIUS, "2");
        SDL_SetHint(SDL_HINT_MOUSE_DOUBLE_CLICK_TIME, "500");
        // The window's pixels go straight to the window system; no graphics library is
        // loaded to find out whether it could do that faster.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        // Only a display the person can see: SDL would otherwise fall back to drawing
        // nowhere when the X server named cannot be reached.
        bool chosen = named("SDL_VIDEODRIVER");
        if (!chosen && !named("WAYLAND_DISPLAY")) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
        ok = SDL_Init(SDL_INIT_VIDEO) == 0;
        if (ok && !chosen) {
            std::string driver = SDL_GetCurrentVideoDriver();
            if (driver == "offscreen" || driver == "dummy") {
                SDL_Quit();
                SDL_SetError("no window system reachable");
                ok = false;
            }
        }
    }
    ~SdlVideo() {
        if (ok) SDL_Quit();
    }
};

}  // namespace

int runLiveWindow(const std::string& formArg, bool design, const std::string& screenshot, long quitAfterMs) {
    const char* noDisplay = "ulmaro run: no display available; `ulmaro render FORM -o OUT.png` draws a form to a file";
    if (!displayNamed()) {
        std::cerr << noDisplay << " (DISPLAY is not set)\n";
        return 3;
    }
    std::string path = formArg.empty() ? galleryPath() : formArg;
    if (!screenshot.empty() && quitAfterMs < 0) quitAfterMs = 0;

    const std::size_t gdiBefore = LiveGdiObjectCount(), windowsBefore = LiveWindowCount();
    std::unique_ptr<Form> form;
    ScriptRunner events(form, std::cout);
    Form::EventHandler print = events.eventHandler();
    // Raised events appear as they happen, one line each.
    auto onEvent = [print](Control& c, const EventInfo& e, std::vector<Variant>& args) {
        print(c, e, args);
        std::cout.flush();
    };
    try {
        form = loadForm(path, !design, onEvent);
    } catch (const FormFileError& e) {
        std::cerr << "ulmaro: " << e.what() << "\n";
        return 2;
    }
    if (events.runFormLoad(path, std::cerr) != 0) return 2;

    int status = 0;
    {
        SdlVideo sdl;
        if (!sdl.ok) {
            std::cerr << noDisplay << " (" << SDL_GetError() << ")\n";
            status = 3;
        } else {
            LiveWindow window(*form);
            std::string error;
            if (!window.open("Ulmaro - " + fs::path(path).filename().string(), error)) {
                std::cerr << "ulmaro run: cannot open a window: " << error << "\n";
                status = 1;
            } else {
                status = window.run(screenshot, quitAfterMs);
            }
        }
    }

    // Closing the form ends every control (Terminate) and must give back all it took.
    form.reset();
    std::cout.flush();
    [[maybe_unused]] bool released = LiveGdiObjectCount() == gdiBefore && LiveWindowCount() == windowsBefore;
    assert(released && "the form left GDI objects or windows behind");
    return status;
}

}  // namespace ulmaro::app
