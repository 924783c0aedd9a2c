// ZynOptionButton: the owner-drawn option button. Selecting it clears every other option
// button of the same Group in its container; its round glyph has see-through corners.
#pragma once

#include "checkoption/glyph_button.h"

namespace ulmaro {

class ZynOptionButton : public GlyphButton {
public:
    ZynOptionButton();
    static ClassInfo describe();

    // ---- Properties of _ZynOptionButton (the rest come from GlyphButton) --------------------
    void setFont(std::shared_ptr<StdFont> f);
    void setBackColor(OLE_COLOR v);
    void setEnabled(bool v);
    void setValue(std::int32_t NewValue);
    std::int16_t Group() const { return Group_; }
    void setGroup(std::int16_t v);

    // ---- Host notifications ---------------------------------------------------------------------
    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
    void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;

protected:
    void DrawGlyph(std::int16_t Index) override;
    bool TimerMayRun() override { return Enabled_; }

private:
    // Mouse handling run by the control itself passes -1 for X (no event) and Y (no select).
    static constexpr float kNoEvent = -1;
    void ClearOthersOfGroup();

    std::int16_t Group_ = 0;
    // How deep Value assignments to this button are nested (see setValue).
    int valueDepth_ = 0;
};

}  // namespace ulmaro
