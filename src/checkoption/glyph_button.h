// What the check box and the option button share: a 13 x 13 glyph at the left edge with
// the caption to its right, the focus rectangle around the caption, key and mouse
// notifications passed on to the user as events, a pressed glyph while the space bar is
// down, and hot tracking: a 1 ms timer that holds the mouse capture while the pointer is
// over the control. Each control supplies its own glyph drawing, Value and Enabled logic.
#pragma once

#include "checkoption/glyph_strip.h"
#include "framework/control.h"

#include <cstdint>
#include <string>

namespace ulmaro {

// Values of the host's CheckBoxValue enumeration.
enum CheckBoxValue : std::int32_t { vbUnchecked = 0, vbChecked = 1, vbGrayed = 2 };

class GlyphButton : public Control {
public:
    // ---- Properties shared by both controls ------------------------------------------------
    const std::string& Caption() const { return Caption_; }
    void setCaption(std::string v);
    std::shared_ptr<StdFont> Font() const { return surface().Font(); }
    OLE_COLOR BackColor() const { return surface().BackColor(); }
    OLE_COLOR ForeColor() const { return surface().ForeColor(); }
    void setForeColor(OLE_COLOR v);
    std::int32_t BackStyle() const { return BackStyle_; }
    void setBackStyle(std::int32_t v);
    bool Enabled() const { return Enabled_; }
    std::int32_t Value() const { return Value_; }
    std::int32_t hwnd() const;

    // State the tests look at.
    std::int16_t GlyphIndex() const { return GlyphIndex_; }
    bool IsOver() const { return IsOver_; }
    bool HasFocus() const { return HasFocus_; }
    bool KeyPressed() const { return KeyPressed_; }
    const Timer& timer1() const { return Timer1; }

    // ---- Host notifications ---------------------------------------------------------------------
    void Paint() override;
    void Resize() override;
    void Show() override;
    void GotFocus() override;
    void LostFocus() override;
    void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
    void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) override;
    void KeyPress(std::int16_t& KeyAscii) override;
    void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
    void Click() override;
    void Terminate() override;

protected:
    explicit GlyphButton(const glyphs::StripPixels& strip);

    // Copies cell Index of the strip to the left edge, centred vertically.
    virtual void DrawGlyph(std::int16_t Index) = 0;
    // Whether the hover timer may run its tick.
    virtual bool TimerMayRun() = 0;
    // The glyph the pointer and the value call for (the choice MouseMove makes).
    void DrawGlyphForState();
    // The glyph's top: (ScaleHeight - 13) / 2, rounded.
    std::int32_t GlyphTop() const;
    // The caption's top: (ScaleHeight - TextHeight(Caption)) / 2, unrounded.
    float CaptionTop();
    // Runs the control's own mouse handling with arguments of its own choosing.
    void RunMouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void RunMouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void RunMouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void Timer1_Timer();

    std::int32_t Value_ = vbUnchecked;
    bool Enabled_ = true;
    bool IsOver_ = false;
    bool HasFocus_ = false;
    std::string Caption_;
    std::int16_t GlyphIndex_ = 0;
    bool KeyPressed_ = false;
    std::int32_t BackStyle_ = 1;
    glyphs::GlyphStrip Image1;
    Timer Timer1;
};

// The access key a caption gives: the character after its first "&", where "&&" stands for
// a literal ampersand and is skipped. False when the caption has no "&" or ends with its
// first one (the access key is then left as it was); an empty key means none.
bool AccessKeyOfCaption(const std::string& caption, std::string& key);

// Events 2 to 8, the same in both controls: keys, mouse and Click passed on to the user.
template <class Builder>
Builder& AddInputEvents(Builder& b) {
    const std::vector<ParamInfo> key{ParamInfo{"KeyCode", VarType::Integer, true}, ParamInfo{"Shift", VarType::Integer, true}};
    const std::vector<ParamInfo> mouse{ParamInfo{"Button", VarType::Integer, true}, ParamInfo{"Shift", VarType::Integer, true},
                                       ParamInfo{"X", VarType::Single, true}, ParamInfo{"Y", VarType::Single, true}};
    return b.event(2, "KeyDown", key)
        .event(3, "KeyUp", key)
        .event(4, "MouseDown", mouse)
        .event(5, "MouseUp", mouse)
        .event(6, "MouseMove", mouse)
        .event(7, "Click")
        .event(8, "KeyPress", {ParamInfo{"KeyAscii", VarType::Integer, true}});
}

}  // namespace ulmaro
