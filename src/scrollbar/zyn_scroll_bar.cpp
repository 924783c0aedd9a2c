// ZynScrollBar: properties with their clamping rules, persistence and the published table.
#include "scrollbar/zyn_scroll_bar.h"

#include "framework/std_font.h"

namespace ulmaro {

using namespace platform;

ZynScrollBar::ZynScrollBar() : Timer1("Timer1", 1, [this] { Timer1_Timer(); }) { addTimer(Timer1); }

// The arrows are the up and down triangles ("5" and "6") of a symbol font fixed at design
// time; the host's ambient font never reaches the bar.
void ZynScrollBar::UseArrowFont() {
    auto font = StdFont::New();
    font->SetName("Webdings");
    font->SetSize(9.75);
    font->SetBold(true);
    font->SetCharset(2);
    surface().setFont(font);
}

ClassInfo ZynScrollBar::describe() {
    using C = ZynScrollBar;
    return ClassBuilder<C>("ZynScrollBar", "Vertical scroll bar with arrow buttons and a proportional thumb")
        .property<&C::Value, &C::setValue>(1, "Value").key().byDefault(45.0f)
        .property<&C::Max, &C::setMax>(2, "Max").key().byDefault(100.0f)
        .property<&C::Size, &C::setSize>(3, "Size").key().byDefault(10.0f)
        .property<&C::Change, &C::setChange>(4, "Change").key().byDefault(1.0f)
        .field<&C::BackColor_, LetEffect::RedrawNotify>(5, "BackColor").key().byDefault(SysColor::Highlight)
        .field<&C::ForeColor_, LetEffect::RedrawNotify>(6, "ForeColor").key().byDefault(OLE_COLOR{15594226})
        .property<&C::hwnd>(7, "hwnd").runtimeOnly()
        // No keyboard handling, so the bar stays out of the tab order, as scroll bars
        // that only the mouse drives usually do.
        .flags(true, false)
        .build();
}

std::int32_t ZynScrollBar::hwnd() const {
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(surface().hWnd()));
}

// ---- Properties -----------------------------------------------------------------------------------

void ZynScrollBar::setValue(float v) {
    if (v > Max_) v = Max_;
    if (v < 0) v = 0;
    Value_ = v;
    DrawScrollBar();
    PropertyChanged("Value");
}

void ZynScrollBar::setMax(float v) {
    if (v <= 0) v = 1;
    Max_ = v;
    setValue(v < Value_ ? v : Value_);
    setSize(v < Size_ ? v : Size_);
    PropertyChanged("Max");
}

void ZynScrollBar::setSize(float v) {
    if (v > Max_) v = Max_;
    if (v <= 0) v = 1;
    Size_ = v;
    DrawScrollBar();
    PropertyChanged("Size");
}

void ZynScrollBar::setChange(float v) {
    if (v > Max_) v = Max_;
    if (v <= 0) v = 1;
    Change_ = v;
    DrawScrollBar();
    PropertyChanged("Change");
}

// ---- Persistence ------------------------------------------------------------------------------------

// The arrow font goes on first; Max comes before the values it clamps.
void ZynScrollBar::InitProperties() {
    UseArrowFont();
    applyDefaults({"Max", "Size", "Change", "Value", "ForeColor", "BackColor"});
}

void ZynScrollBar::ReadProperties(PropertyBag& bag) {
    UseArrowFont();
    readFrom(bag, {"Max", "Size", "Change", "Value", "ForeColor", "BackColor"});
}

void ZynScrollBar::WriteProperties(PropertyBag& bag) { writeTo(bag, {"Max", "Size", "Change", "Value", "ForeColor", "BackColor"}); }

}  // namespace ulmaro
