// The host's intrinsic text box: an edit window placed inside a control, with the members
// and events a program uses (Text, SelStart, SelLength, SelText, Locked, Enabled,
// PasswordChar, MaxLength, Alignment, colours, Font, Visible, placement, Refresh, SetFocus;
// KeyDown, KeyUp, KeyPress, mouse events, Click, DblClick, Change, GotFocus, LostFocus).
// Its events are raised from the edit window's messages before the edit acts on them, so
// a handler can change or cancel a key.
#pragma once

#include "framework/ole_color.h"
#include "framework/std_font.h"

#include <ulmaro/platform/win32.h>

#include <cstdint>
#include <functional>
#include <string>

namespace ulmaro {

class EditBox {
public:
    struct Events {
        std::function<void(std::int16_t& KeyCode, std::int16_t& Shift)> KeyDown, KeyUp;
        std::function<void(std::int16_t& KeyAscii)> KeyPress;
        std::function<void(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y)> MouseDown, MouseMove, MouseUp;
        std::function<void()> Click, DblClick, Change, GotFocus, LostFocus;
    };

    EditBox(platform::HWND parent, bool multiline);
    ~EditBox();
    EditBox(const EditBox&) = delete;
    EditBox& operator=(const EditBox&) = delete;

    Events events;
    platform::HWND hWnd() const { return hwnd_; }
    // Sends a message to the edit as the window system would deliver it: the box's events
    // first, then the edit.
    platform::LRESULT deliver(platform::UINT msg, platform::WPARAM wp, platform::LPARAM lp);
    platform::LRESULT send(platform::UINT msg, platform::WPARAM wp = 0, platform::LPARAM lp = 0) const;

    std::string Text() const;
    void setText(const std::string& s);
    std::int32_t SelStart() const;
    void setSelStart(std::int32_t v);
    std::int32_t SelLength() const;
    void setSelLength(std::int32_t v);
    std::string SelText() const;
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
    bool hasFocus() const { return focused_; }

private:
    void applyFont();
    void applyColors();
    static std::int16_t shiftState();

    platform::HWND hwnd_ = nullptr;
    bool multiline_;
    bool locked_ = false;
    std::int32_t maxLength_ = 0;
    std::int16_t alignment_ = 0;
    OLE_COLOR foreColor_ = 0x80000008;
    OLE_COLOR backColor_ = 0x80000005;
    StdFontPtr font_ = StdFont::New();
    platform::HFONT hfont_ = nullptr;
    bool focused_ = false;
    bool settingText_ = false;
    bool pressed_ = false;  // a left press came down in the box
};

}  // namespace ulmaro
