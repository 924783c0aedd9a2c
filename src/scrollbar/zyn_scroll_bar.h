// ZynScrollBar: an owner-drawn vertical scroll bar. Up and down arrow buttons, a track and
// a thumb whose length shows Size against Max. Arrows step Value by Change, the track by
// Size, the thumb follows the pointer while dragged, and a held arrow or track repeats its
// step after half a second on the form's clock. It raises no events: programs read Value.
#pragma once

#include "framework/control.h"

#include <array>
#include <cstdint>

namespace ulmaro {

class ZynScrollBar : public Control {
public:
    ZynScrollBar();
    static ClassInfo describe();

    // ---- Properties of _ZynScrollBar -----------------------------------------------------------
    float Value() const { return Value_; }
    void setValue(float v);
    float Max() const { return Max_; }
    void setMax(float v);
    float Size() const { return Size_; }
    void setSize(float v);
    float Change() const { return Change_; }
    void setChange(float v);
    std::int32_t hwnd() const;
    // What the plain colour properties redraw with.
    void Refresh() { DrawScrollBar(); }

    // State the tests look at.
    const platform::RECT& thumbRect() const { return ThumbRect; }
    bool dragging() const { return Dragging; }
    const Timer& timer1() const { return Timer1; }

    // ---- Host notifications ---------------------------------------------------------------------
    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Paint() override { DrawScrollBar(); }
    void Resize() override { DrawScrollBar(); }
    void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
    void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
    void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;

private:
    // Indexes of the press times.
    enum Step { UpArrow = 0, PageUp = 1, DownArrow = 2, PageDown = 3 };

    void UseArrowFont();
    void DrawScrollBar();
    void Timer1_Timer();
    bool InThumb(float X, float Y) const;
    bool InArrow(int index, float X, float Y) const;
    static bool LeftButtonDown();
    void ShowHand();

    float Value_ = 0, Max_ = 1, Size_ = 1, Change_ = 1;
    OLE_COLOR BackColor_{};
    OLE_COLOR ForeColor_{};
    platform::RECT ThumbRect{};
    std::array<platform::RECT, 2> ArrowRect{};
    bool Dragging = false;
    bool Held = false;  // a left press that began on the bar is still down
    float DragOffset = 0;
    std::array<float, 4> PressTime{};  // the host's Timer at the press; -1 when none
    std::array<std::int16_t, 2> Pressed{};  // arrow glyph drawn in BackColor while set
    Timer Timer1;
};

}  // namespace ulmaro
