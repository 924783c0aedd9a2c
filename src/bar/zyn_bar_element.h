// ZynBarElement: a titled panel. A shaded body under a title bar with a horizontal colour
// gradient, an optional icon and a caption, framed by a one-pixel border, with optional
// rounded corners that are see-through. It holds other controls; its own mouse and key
// notifications are only passed on as events.
#pragma once

#include "framework/control.h"
#include "framework/std_font.h"
#include "framework/std_picture.h"

#include <cstdint>
#include <string>

namespace ulmaro {

class ZynBarElement : public Control {
public:
    static ClassInfo describe();

    // ---- Properties of _ZynBarElement --------------------------------------------------------
    std::int32_t hwnd() const;
    OLE_COLOR TitleForeColor() const { return TitleForeColor_; }
    void setTitleForeColor(OLE_COLOR v);
    OLE_COLOR BorderColor() const { return BorderColor_; }
    void setBorderColor(OLE_COLOR v);
    OLE_COLOR ForeColor() const { return ForeColor_; }
    void setForeColor(OLE_COLOR v);
    OLE_COLOR BackColor() const { return BackColor_; }
    void setBackColor(OLE_COLOR v);
    OLE_COLOR MaskColor() const { return MaskColor_; }
    void setMaskColor(OLE_COLOR v);
    const std::string& Caption() const { return Caption_; }
    void setCaption(std::string v);
    std::int16_t IconBorder() const { return IconBorder_; }
    void setIconBorder(std::int16_t v);
    bool HandPointer() const { return HandPointer_; }
    void setHandPointer(bool new_Hand);
    StdFontPtr Font();
    void setFont(StdFontPtr f);
    bool UseMask() const { return UseMask_; }
    void setUseMask(bool v);
    bool Round() const { return Round_; }
    void setRound(bool v);
    StdPicturePtr Icon() const { return Icon_; }
    void setIcon(StdPicturePtr p);
    bool Enabled() const;
    void setEnabled(bool v);

    std::int32_t TitleHeight() const { return TitleHeight_; }

    // ---- Host notifications -----------------------------------------------------------------------
    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Resize() override { Layout(); }
    void Paint() override;
    void Show() override;
    void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override { RaiseEvent("KeyDown", KeyCode, Shift); }
    void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) override { RaiseEvent("KeyUp", KeyCode, Shift); }
    void KeyPress(std::int16_t& KeyAscii) override { RaiseEvent("KeyPress", KeyAscii); }
    void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override {
        RaiseEvent("MouseDown", Button, Shift, X, Y);
    }
    void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override {
        RaiseEvent("MouseUp", Button, Shift, X, Y);
    }
    void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override {
        RaiseEvent("MouseMove", Button, Shift, X, Y);
    }
    void Click() override { RaiseEvent("Click"); }
    void DblClick() override { RaiseEvent("DblClick"); }

private:
    void Layout();
    void CutCorners(OLE_COLOR B0);

    OLE_COLOR ForeColor_ = 0;
    OLE_COLOR BackColor_ = 0xFFFFFF;
    OLE_COLOR TitleForeColor_ = 0x8000000E;
    OLE_COLOR BorderColor_ = 0x8000000D;
    OLE_COLOR MaskColor_ = 0;
    std::string Caption_;
    std::int32_t TitleHeight_ = 0;
    bool Round_ = false;
    bool UseMask_ = false;
    bool HandPointer_ = false;
    StdFontPtr Font_;
    StdPicturePtr Icon_;
    std::int16_t IconBorder_ = 0;
    bool IsShown_ = false;
};

}  // namespace ulmaro
