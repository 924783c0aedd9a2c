// ZynCommand: the owner-drawn push button, in the "Windows Xp" and "Office Xp" styles,
// with an optional picture and a latching check mode.
#pragma once

#include "framework/control.h"
#include "framework/std_picture.h"

#include <cstdint>
#include <string>

namespace ulmaro {

enum ZynButtonTypes : std::int32_t { WindowsXp = 0, OfficeXp = 1 };

class ZynCommand : public Control {
public:
    ZynCommand();
    static ClassInfo describe();

    // ---- Properties and methods of _ZynCommand ---------------------------------------------
    // Plain properties are fields published by describe(); their Lets are generated there.
    void Refresh();
    bool Enabled() const { return Enabled_; }
    bool HandPointer() const { return HandPointer_; }
    bool Value() const { return Value_; }
    bool MustDrawFocus() const { return MustDrawFocus_; }
    bool CheckBox() const { return CheckBox_; }
    const std::string& Caption() const { return Caption_; }
    void setCaption(std::string v);
    std::shared_ptr<StdFont> Font() const { return surface().Font(); }
    void setFont(std::shared_ptr<StdFont> f);
    OLE_COLOR BackColor() const { return BackColor_; }
    std::int32_t ButtonType() const { return ButtonType_; }
    OLE_COLOR ForeColor() const { return ForeColor_; }
    OLE_COLOR OfficeOverColor() const { return OfficeOverColor_; }
    OLE_COLOR MaskColor() const { return MaskColor_; }
    std::int32_t BackStyle() const { return BackStyle_; }
    std::int32_t hwnd() const;
    bool CenterText() const { return CenterText_; }
    bool CenterPicture() const { return CenterPicture_; }
    bool UseMask() const { return UseMask_; }
    StdPicturePtr Picture() const { return Picture_; }

    // State the drawing and the tests look at.
    bool IsOver() const { return IsOver_; }
    bool HasFocus() const { return HasFocus_; }
    const Timer& overTimer() const { return OverTimer; }

    // ---- Host notifications ---------------------------------------------------------------------
    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Paint() override { Refresh(); }
    void Resize() override { Refresh(); }
    void Show() override;
    void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
    void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
    void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
    void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
    void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) override;
    void AccessKeyPress(std::int16_t& KeyAscii) override;
    void EnterFocus() override;
    void ExitFocus() override;

private:
    // Drawing (zyn_command_paint.cpp).
    void DrawWindowsXp();
    void DrawOfficeXp();
    void DrawCaption(OLE_COLOR color);
    platform::RECT GetCaptionRect();
    void DrawButtonPicture();
    void BlitButtonPicture(std::int32_t X, std::int32_t Y);
    void DrawFocusRectangle();
    int PictureWidth() const;
    int PictureHeight() const;
    // Input (zyn_command_input.cpp).
    bool IsPointerInside() const;
    void OverTimer_Timer();
    void SetAccessKeyFromCaption();

    // Property fields start at the defaults describe() gives them.
    bool IsOver_ = false;
    bool Enabled_{};
    std::string Caption_;
    bool Value_{};
    bool HasFocus_ = false;
    std::int32_t BackStyle_{};
    OLE_COLOR OfficeOverColor_{};
    OLE_COLOR BackColor_{};
    OLE_COLOR ForeColor_{};
    bool CheckBox_{};
    bool CenterPicture_{};
    bool CenterText_{};
    StdPicturePtr Picture_;
    OLE_COLOR MaskColor_{};
    bool UseMask_{};
    std::int32_t ButtonType_{};
    bool MustDrawFocus_{};
    bool HandPointer_{};
    bool IsReady_ = false;
    Timer OverTimer;
};

}  // namespace ulmaro
