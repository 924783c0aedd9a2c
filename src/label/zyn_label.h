// ZynLabel: a label whose caption carries inline mark-up (bold, italic, underline,
// strike-through, text and fill colours, named links, line breaks). One left-to-right pass
// (markup_pass.cpp) draws the caption, keeps its plain text and records the link areas
// that mouse releases turn into LinkClick events.
#pragma once

#include "framework/control.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ulmaro {

class ZynLabel : public Control {
public:
    // A link's hit rectangle (client pixels) and name.
    struct LinkArea {
        platform::RECT Rect{};
        std::string Name;
    };

    // The link counter of the hit tests is a byte: links beyond this many are never hit.
    static constexpr std::size_t kMaxHitTestedLinks = 254;

    ZynLabel();
    static ClassInfo describe();

    // ---- Properties and methods of _ZynLabel -------------------------------------------------
    std::int32_t hDc();
    std::int32_t hwnd() const;
    std::int32_t BackStyle() const { return BackStyle_; }
    void setBackStyle(std::int32_t v);
    bool AutoSize() const { return AutoSize_; }
    void setAutoSize(bool v);
    std::int32_t Appearance() const { return surface().Appearance(); }
    void setAppearance(std::int32_t v);
    std::int32_t BorderStyle() const { return surface().BorderStyle(); }
    void setBorderStyle(std::int32_t v);
    OLE_COLOR ForeColor() const { return surface().ForeColor(); }
    void setForeColor(OLE_COLOR v);
    const std::string& Caption() const { return Caption_; }
    void setCaption(std::string v);
    std::shared_ptr<StdFont> Font() const { return surface().Font(); }
    void setFont(std::shared_ptr<StdFont> f);
    const std::string& Text() const { return Text_; }
    void setText(std::string v);
    OLE_COLOR BackColor() const { return BackColor_; }
    void setBackColor(OLE_COLOR v);
    // The layout pass: draws the caption (after clearing the surface when Clear is True).
    void Refresh(bool& Clear);
    void Refresh() {
        bool clear = true;
        Refresh(clear);
    }

    // State the tests look at.
    const std::vector<LinkArea>& links() const { return Links; }
    const std::string& currentLinkName() const { return CurrentLinkName; }
    bool captured() const { return Captured; }
    const Timer& timer1() const { return Timer1; }

    // ---- Host notifications ---------------------------------------------------------------------
    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Paint() override { Refresh(); }
    void Resize() override { Refresh(); }
    void Terminate() override;
    void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
    void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
    void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
    void Click() override;
    void DblClick() override;

private:
    void Timer1_Timer();
    // How many link areas the hit tests look at.
    std::size_t hitTestedLinks() const;

    std::string Caption_;
    std::string Text_;
    // Set by InitProperties or ReadProperties before the label first draws.
    bool AutoSize_{};
    std::int32_t BackStyle_{};
    OLE_COLOR BackColor_{};
    std::vector<OLE_COLOR> ForeColorStack;
    std::vector<std::int32_t> FillColorStack;
    std::vector<LinkArea> Links;
    std::string CurrentLinkName;
    bool Captured = false;
    bool Ready = false;
    // Counts rebuilds of Links, so that code that raised an event can tell whether the
    // host's handler laid the label out again meanwhile.
    std::uint64_t linksGeneration_ = 0;
    Timer Timer1;
};

}  // namespace ulmaro
