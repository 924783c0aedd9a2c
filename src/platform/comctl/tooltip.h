// The tooltip window ("tooltips_class32"): a popup that shows the text of the tool under
// the pointer once the pointer has rested there for the initial delay, and hides it when
// the pointer leaves, a button is pressed or the auto-pop delay runs out. Tools are parts
// of other windows (a rectangle of a window's client area); the tip hears of the pointer
// through messages relayed to it, or, with TTF_SUBCLASS, by subclassing the tool's window.
// Rectangular and balloon tips, with an optional title line and standard icon.
#pragma once

#include <ulmaro/platform/win32.h>

#include <memory>
#include <string>
#include <vector>

namespace ulmaro::platform::comctl {

class ToolTip {
public:
    // Timer identifiers on the tip's window.
    static constexpr UINT_PTR kShowTimer = 1;
    static constexpr UINT_PTR kPopTimer = 2;
    static constexpr UINT_PTR kLeaveTimer = 3;
    // While the pointer is in a tool, the tip looks this often whether it is still there
    // (the tool's window hears nothing once the pointer has gone).
    static constexpr UINT kLeaveCheckMs = 100;
    // The arrow pointer's height: a tip at the pointer shows below it.
    static constexpr int kPointerHeight = 20;

    ToolTip(HWND hwnd, DWORD style, HWND owner);
    ~ToolTip();
    ToolTip(const ToolTip&) = delete;
    ToolTip& operator=(const ToolTip&) = delete;

    static ToolTip* from(HWND hwnd);
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
    // A message of a tool's window (pointer moves and presses), relayed or seen by the
    // subclassing procedure before the window's own procedure.
    void relay(HWND window, UINT msg, LPARAM lp);

    struct Tool {
        UINT flags = 0;
        HWND hwnd = nullptr;
        UINT_PTR id = 0;
        RECT rect{0, 0, 0, 0};
        HINSTANCE hinst = nullptr;
        std::string text;
        LPARAM lParam = 0;
        // The window the tool covers: its own uId with TTF_IDISHWND, else hwnd.
        HWND window() const { return (flags & TTF_IDISHWND) ? reinterpret_cast<HWND>(id) : hwnd; }
    };

    // What the tip looks like: the layout of its window for a tool's text.
    struct Layout {
        SIZE body{0, 0};   // the rectangle (balloon body) holding title and text
        RECT title{0, 0, 0, 0};
        RECT icon{0, 0, 0, 0};
        RECT text{0, 0, 0, 0};
    };

private:
    enum class State { Idle, Waiting, Shown, Spent };

    // ---- Tools (tooltip.cpp) -------------------------------------------------------------------
    LRESULT addTool(const TTTOOLINFOA* info);
    int findTool(const TTTOOLINFOA* info) const;
    void fillInfo(const Tool& t, TTTOOLINFOA* info) const;
    void subclass(HWND window);
    void unsubclassAll();
    void setTitle(int icon, std::string title);

    // ---- Showing and hiding (tooltip_timing.cpp) -------------------------------------------------
    int toolAt(HWND window, POINT client) const;
    bool pointerIn(int tool) const;
    bool mayShow(int tool) const;
    void pointerMoved(int tool, POINT screen);
    void onTimer(UINT_PTR id);
    void show(int tool, bool tracking);
    void hide();
    void leave();
    UINT delay(WPARAM which) const;
    void setDelay(WPARAM which, int ms);

    // ---- Layout and drawing (tooltip_paint.cpp) ------------------------------------------------
    HFONT font() const { return font_ ? font_ : ownFont_; }
    Layout layout(const std::string& text) const;
    // Places the window for `tool` with its point (stem tip or corner) at `at` (screen).
    // `avoid` is what the tip must not cover (the pointer, or the tool when centred).
    void place(const Layout& l, POINT at, const RECT& avoid, bool centred, bool tracking);
    HRGN outline() const;
    void paint();

    HWND hwnd_;
    DWORD style_;
    HWND owner_;
    std::vector<Tool> tools_;
    // Windows subclassed, the procedure value put in front of each, and the one before it.
    std::vector<HWND> subclassed_;
    std::vector<LONG_PTR> installed_;
    std::vector<WNDPROC> previous_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    COLORREF back_, textColor_;
    HFONT font_ = nullptr;
    HFONT ownFont_ = nullptr, titleFont_ = nullptr;
    std::string title_;
    int icon_ = TTI_NONE;
    bool active_ = true;
    int initial_ = -1, autoPop_ = -1, reshow_ = -1;  // -1: from the double-click time
    int maxWidth_ = -1;
    RECT margin_{0, 0, 0, 0};

    State state_ = State::Idle;
    int current_ = -1;  // the tool the pointer is in
    int showing_ = -1;  // the tool whose tip shows
    POINT rest_{0, 0};  // where the pointer came to rest (screen)
    UINT wait_ = 0;     // the delay being waited: initial, or reshow after another tip
    // Tracking: a tool shown at a position the program gives.
    int tracked_ = -1;
    POINT trackAt_{0, 0};
    // The shown tip: its layout, where its body lies in the window, and its outline
    // (window coordinates; a balloon's body and stem, empty for a rectangular tip).
    Layout shown_;
    POINT bodyAt_{0, 0};
    std::vector<POINT> stem_;
};

// The standard icons of tips and balloons (TTI_INFO, TTI_WARNING, TTI_ERROR), 16 by 16
// pixels with their top-left corner at (x, y).
void DrawTipIcon(HDC hdc, int icon, int x, int y);

}  // namespace ulmaro::platform::comctl
