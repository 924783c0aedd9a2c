// ZynFrame: a container that groups controls. A panel with a shaded border, rounded corners
// cut out through a key colour, an optional title band with the caption, and an opaque or
// see-through body. At run time, once shown, its Enabled reaches the controls inside it.
#pragma once

#include "framework/control.h"

#include <cstdint>
#include <string>

namespace ulmaro {

class ZynFrame : public Control {
public:
    static ClassInfo describe();

    // ---- Properties of _ZynFrame ---------------------------------------------------------------
    bool Enabled() const { return Enabled_; }
    void setEnabled(bool v);
    const std::string& Caption() const { return Caption_; }
    void setCaption(std::string v);
    std::int32_t BackStyle() const { return BackStyle_; }
    void setBackStyle(std::int32_t v);
    OLE_COLOR BackColor() const { return BackColor_; }
    void setBackColor(OLE_COLOR v);
    OLE_COLOR BorderColor() const { return BorderColor_; }
    void setBorderColor(OLE_COLOR v);
    OLE_COLOR ForeColor() const { return surface().ForeColor(); }
    void setForeColor(OLE_COLOR v);
    std::int32_t hwnd() const;

    // The colour of the see-through pixels at the last paint (tests look at it).
    platform::COLORREF keyColor() const { return KeyColor; }

    // ---- Host notifications ---------------------------------------------------------------------
    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Resize() override { DrawFrame(); }
    void Paint() override { DrawFrame(); }
    void Show() override;

private:
    void DrawFrame();
    platform::COLORREF NewKeyColor();

    bool Enabled_ = true;
    std::string Caption_;
    std::int32_t BackStyle_ = 1;
    OLE_COLOR BackColor_ = 0x8000000F;
    OLE_COLOR BorderColor_ = 15594226;
    bool Shown = false;
    platform::COLORREF KeyColor = 0;
    std::uint32_t RandomState = 0;
};

}  // namespace ulmaro
