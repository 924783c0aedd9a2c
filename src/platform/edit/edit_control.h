// The intrinsic edit control: a window that edits one line or many, answering the
// platform's WM_ and EM_ messages with their documented results. It draws itself (text in
// its font and colours, the selection, a blinking caret, its own scroll bars), keeps its
// text model (edit_model.h) and tells its parent about changes with WM_COMMAND EN_CHANGE.
//
// Lines end at CR LF. Long lines are not wrapped: the text scrolls sideways to keep the
// caret in view, as an edit with automatic horizontal scrolling does.
#pragma once

#include "edit_model.h"
#include "edit_scrollbar.h"

#include <ulmaro/platform/win32.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace ulmaro::platform::edit {

class EditControl {
public:
    // Creates an edit window (style ES_ and WS_ bits) as a child of `parent`.
    static HWND create(DWORD style, int x, int y, int width, int height, HWND parent);
    // The edit control behind a window made by `create`, or nullptr.
    static EditControl* from(HWND hwnd);

    explicit EditControl(HWND hwnd, DWORD style);
    ~EditControl();
    EditControl(const EditControl&) = delete;
    EditControl& operator=(const EditControl&) = delete;

    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);

    // ---- What the host's intrinsic text box sets directly --------------------------------------
    // Text and background colours (the host's ForeColor and BackColor).
    void setColors(COLORREF text, COLORREF back);
    COLORREF textColor() const { return textColor_; }
    COLORREF backColor() const { return backColor_; }
    // Every notification the edit sends its parent also reaches this callback.
    void setNotify(std::function<void(WORD code)> f) { notify_ = std::move(f); }
    const EditModel& model() const { return model_; }
    HWND hwnd() const { return hwnd_; }
    bool caretShown() const { return focused_ && caretOn_; }
    // Half a blink period: the caret shows and hides in turn this often.
    static constexpr UINT kBlinkMs = 530;
    // One blink step (the host's timer calls it when no platform timer runs).
    void blink();
    // The blink timer's identifier on the edit's window.
    static constexpr UINT_PTR kCaretTimer = 1;

private:
    // ---- Geometry (edit_layout.cpp) ------------------------------------------------------------
    void measureFont();
    bool multiline() const { return (style_ & ES_MULTILINE) != 0; }
    bool password() const { return !multiline() && passwordChar_ != 0; }
    bool hasVBar() const { return multiline() && (style_ & WS_VSCROLL); }
    bool hasHBar() const { return multiline() && (style_ & WS_HSCROLL); }
    RECT clientRect() const;
    // The client area less the scroll bars.
    RECT viewRect() const;
    // The view less the margins: where text goes.
    RECT formatRect() const;
    int visibleLines() const;
    char shown(char c) const { return password() ? passwordChar_ : c; }
    int charWidth(char c) const { return widths_[static_cast<unsigned char>(shown(c))]; }
    int nextTabStop(int x) const;
    // x of every character boundary of a line, from the line's start (size length + 1).
    std::vector<int> lineXs(std::size_t line) const;
    int lineWidth(std::size_t line) const { return lineXs(line).back(); }
    // Where a line's text starts in client x, alignment and scrolling applied.
    int lineLeft(std::size_t line) const;
    int lineTop(std::size_t line) const;
    POINT posToPoint(std::size_t pos) const;
    std::size_t pointToPos(POINT pt) const;
    void scrollToCaret();
    void clampScroll();
    ScrollState vScroll() const;
    ScrollState hScroll() const;
    RECT vBarRect() const;
    RECT hBarRect() const;
    int widestVisibleLine() const;

    // ---- Drawing (edit_paint.cpp) ----------------------------------------------------------------
    void paint();
    void drawLine(HDC hdc, std::size_t line, const RECT& fmt, COLORREF textColor);
    void drawCaret(HDC hdc);
    void redraw() { paint(); }

    // ---- Input and editing -------------------------------------------------------------------------
    void keyDown(int vk);
    void charTyped(char c);
    void mouseDown(POINT pt, bool shift);
    void mouseMove(POINT pt);
    void mouseUp();
    void doubleClick(POINT pt);
    bool scrollBarDown(POINT pt);
    void onScroll(bool vertical, int code, int thumbPos);
    void verticalMove(int lines, bool extend);
    void copy();
    void cut();
    void paste();
    void changed();
    void sendNotify(WORD code);
    void setFocused(bool on);
    // After the caret moved or the text changed: the caret shows at once and the blink
    // period starts again.
    void restartBlink();

    HWND hwnd_;
    DWORD style_;
    EditModel model_;
    HFONT font_ = nullptr;
    HFONT ownFont_ = nullptr;  // the font used until WM_SETFONT gives another
    int lineHeight_ = 13;
    int aveCharWidth_ = 6;
    std::array<int, 256> widths_{};
    COLORREF textColor_, backColor_;
    char passwordChar_ = 0;
    int leftMargin_ = 0, rightMargin_ = 0;
    std::vector<int> tabStops_;  // dialog units; empty: every 32
    std::size_t firstLine_ = 0;
    int xOffset_ = 0;
    int goalX_ = -1;  // the x that Up and Down keep to, -1 when unset
    bool focused_ = false;
    bool caretOn_ = false;
    bool modified_ = false;
    bool selecting_ = false;
    // A scroll-bar thumb being dragged.
    struct ThumbDrag {
        bool active = false;
        bool vertical = true;
        int startPos = 0;
        int startMouse = 0;
    } drag_;
    std::function<void(WORD)> notify_;
};

}  // namespace ulmaro::platform::edit
