// The host's intrinsic text box: an "EDIT" window placed inside a control, with the members
// and events a program uses (Text, SelStart, SelLength, SelText, Locked, Enabled,
// PasswordChar, MaxLength, Alignment, colours, Font, Visible, placement, Refresh, SetFocus;
// KeyDown, KeyUp, KeyPress, mouse events, Click, DblClick, Change, GotFocus, LostFocus).
// It talks to the edit only through window messages. It subclasses the edit window so that
// its events are raised before the edit acts on a message: a handler can change or cancel
// a key. The parent window passes on what the edit tells it (WM_COMMAND, WM_CTLCOLOREDIT)
// through notify() and ctlColor().
#pragma once

#include <ulmaro/platform/win32.h>

#include <cstdint>
#include <functional>
#include <string>

#include "framework/ole_color.h"
#include "framework/std_font.h"

namespace ulmaro {

class EditBox {
public:
    struct Events {
        std::function<void(std::int16_t&KeyCode, std::int16_t&Shift)> KeyDown, KeyUp;
        std::function<void(std::int16_t& KeyAscii)> KeyPress;
        std::function<void(std::int16_t&Button, std::int16_t&Shift, float&X, float&Y)> MouseDown, MouseMove, MouseUp;
        std::function<void()> Click, DblClick, Change, GotFocus, LostFocus;
    };

    EditBox(platform::HWND parent, bool multiline);
    ~EditBox();
    EditBox(const EditBox&) = delete;
    EditBox& operator=(const EditBox&) = delete;

    Events events;
    platform::HWND hWnd() const { return hwnd_; }
    platform::LRESULT send(platform::UINT msg, platform::WPARAM wp = 0, platform::LPARAM lp = 0) const;

    // What the parent window hears from this edit: its WM_COMMAND notification code, and
    // its WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC question (the answer is the back brush).
    void notify(platform::WORD code);
    platform::HBRUSH ctlColor(platform::HDC dc);

    std::string Text() const;
    void setText(const std::string& s);
    std::int32_t SelStart() const;
    void setSelStart(std::int32_t v);
    std::int32_t SelLength() const;
    void setSelLength(std::int32_t v);
    std::string SelText() const;
    // The text of line `line` without its line break (EM_GETLINE), empty past the last.
    std::string Line(std::int32_t line) const;
    void setSelText(const std::string& s);
    bool Locked() const { return locked_; }
    void setLocked(bool v);
    bool Enabled() const;
    void setEnabled(bool v);
    std::string PasswordChar() const;
    void setPasswordChar(const std::string& v);
    std::int32_t MaxLength() const { return maxLength_; }
    void setMaxLength(std::int32_t v);
    std::int16_t Alignment() const { return alignment_; }
    void setAlignment(std::int16_t v);
    OLE_COLOR ForeColor() const { return foreColor_; }
    void setForeColor(OLE_COLOR c);
    OLE_COLOR BackColor() const { return backColor_; }
    void setBackColor(OLE_COLOR c);
    const StdFontPtr& Font() const { return font_; }
    void setFont(StdFontPtr f);
    bool Visible() const;
    void setVisible(bool v);

    // Placement in the parent's pixels.
    std::int32_t Left() const;
    std::int32_t Top() const;
    std::int32_t Width() const;
    std::int32_t Height() const;
    void Move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
    // A single-line box is never lower than one line of its font.
    void setHeight(std::int32_t height);
    void Refresh();
    void SetFocus();
    bool hasFocus() const { return platform::GetFocus() == hwnd_; }

private:
    static platform::LRESULT subclassProc(platform::HWND h, platform::UINT msg, platform::WPARAM wp,
                                          platform::LPARAM lp);
    platform::LRESULT deliver(platform::UINT msg, platform::WPARAM wp, platform::LPARAM lp);
    platform::LRESULT pass(platform::UINT msg, platform::WPARAM wp, platform::LPARAM lp);
    void mouseEvent(const std::function<void(std::int16_t&, std::int16_t&, float&, float&)>& ev, std::int16_t button,
                    platform::LPARAM lp);
    void applyFont();
    void repaint();
    static std::int16_t shiftState();

    platform::HWND hwnd_ = nullptr;
    platform::WNDPROC editProc_ = nullptr;
    bool multiline_;
    bool locked_ = false;
    std::int32_t maxLength_ = 0;
    std::int16_t alignment_ = 0;
    OLE_COLOR foreColor_ = 0x80000008;
    OLE_COLOR backColor_ = 0x80000005;
    platform::HBRUSH backBrush_ = nullptr;
    StdFontPtr font_ = StdFont::New();
    platform::HFONT hfont_ = nullptr;
    bool settingText_ = false;
};

}  // namespace ulmaro
