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
    void Refresh();
    bool Enabled() const { return Enabled_; }
    void setEnabled(bool v);
    bool HandPointer() const { return HandPointer_; }
    void setHandPointer(bool v) { HandPointer_ = v; }
    bool Value() const { return Value_; }
    void setValue(bool v);
    bool MustDrawFocus() const { return MustDrawFocus_; }
    void setMustDrawFocus(bool v);
    bool CheckBox() const { return CheckBox_; }
    void setCheckBox(bool v);
    const std::string& Caption() const { return Caption_; }
    void setCaption(std::string v);
    std::shared_ptr<StdFont> Font() const { return surface().Font(); }
    void setFont(std::shared_ptr<StdFont> f);
    OLE_COLOR BackColor() const { return BackColor_; }
    void setBackColor(OLE_COLOR v);
    std::int32_t ButtonType() const { return ButtonType_; }
    void setButtonType(std::int32_t v);
    OLE_COLOR ForeColor() const { return ForeColor_; }
    void setForeColor(OLE_COLOR v);
    OLE_COLOR OfficeOverColor() const { return OfficeOverColor_; }
    void setOfficeOverColor(OLE_COLOR v);
    OLE_COLOR MaskColor() const { return MaskColor_; }
    void setMaskColor(OLE_COLOR v);
    std::int32_t BackStyle() const { return BackStyle_; }
    void setBackStyle(std::int32_t v);
    std::int32_t hwnd() const;
    bool CenterText() const { return CenterText_; }
    void setCenterText(bool v);
    bool CenterPicture() const { return CenterPicture_; }
    void setCenterPicture(bool v);
    bool UseMask() const { return UseMask_; }
    void setUseMask(bool v);
    StdPicturePtr Picture() const { return Picture_; }
    void setPicture(StdPicturePtr p);

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

    bool IsOver_ = false;
    bool Enabled_ = true;
    std::string Caption_;
    bool Value_ = false;
    bool HasFocus_ = false;
    std::int32_t BackStyle_ = 1;
    OLE_COLOR OfficeOverColor_ = 0x8000000D;
    OLE_COLOR BackColor_ = 0x8000000F;
    OLE_COLOR ForeColor_ = 0x80000012;
    bool CheckBox_ = false;
    bool CenterPicture_ = true;
    bool CenterText_ = true;
    StdPicturePtr Picture_;
    OLE_COLOR MaskColor_ = 0x8000000F;
    bool UseMask_ = true;
    std::int32_t ButtonType_ = WindowsXp;
    bool MustDrawFocus_ = true;
    bool HandPointer_ = false;
    bool IsReady_ = false;
    Timer OverTimer;
};

}  // namespace ulmaro
