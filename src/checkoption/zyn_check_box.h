// ZynCheckBox: the owner-drawn check box. Releasing the mouse or the space bar toggles
// Value; the user's Changed handler may veto the change or pick another value.
#pragma once

#include "checkoption/glyph_button.h"

namespace ulmaro {

class ZynCheckBox : public GlyphButton {
public:
    ZynCheckBox();
    static ClassInfo describe();

    // ---- Properties of _ZynCheckBox (the rest come from GlyphButton) -------------------------
    void setFont(std::shared_ptr<StdFont> f);
    void setBackColor(OLE_COLOR v);
    void setEnabled(bool v);
    void setValue(std::int32_t NewValue);

    // ---- Host notifications ---------------------------------------------------------------------
    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
    void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;

protected:
    void DrawGlyph(std::int16_t Index) override;
    bool TimerMayRun() override;
};

}  // namespace ulmaro
