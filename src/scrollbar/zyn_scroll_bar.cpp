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
        .property<&C::Value, &C::setValue>("Value")
        .property<&C::Max, &C::setMax>("Max")
        .property<&C::Size, &C::setSize>("Size")
        .property<&C::Change, &C::setChange>("Change")
        .property<&C::BackColor, &C::setBackColor>("BackColor")
        .property<&C::ForeColor, &C::setForeColor>("ForeColor")
        .property<&C::hwnd>("hwnd")
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

void ZynScrollBar::setBackColor(OLE_COLOR v) {
    BackColor_ = v;
    DrawScrollBar();
    PropertyChanged("BackColor");
}

void ZynScrollBar::setForeColor(OLE_COLOR v) {
    ForeColor_ = v;
    DrawScrollBar();
    PropertyChanged("ForeColor");
}

// ---- Persistence ------------------------------------------------------------------------------------

void ZynScrollBar::InitProperties() {
    UseArrowFont();
    setMax(100);
    setSize(10);
    setChange(1);
    setValue(45);
    setForeColor(15594226);
    setBackColor(0x8000000D);
}

void ZynScrollBar::ReadProperties(PropertyBag& bag) {
    UseArrowFont();
    setMax(bag.ReadProperty("Max", 100.0f).toFloat());
    setSize(bag.ReadProperty("Size", 10.0f).toFloat());
    setChange(bag.ReadProperty("Change", 1.0f).toFloat());
    setValue(bag.ReadProperty("Value", 45.0f).toFloat());
    setForeColor(bag.ReadProperty("ForeColor", static_cast<std::int32_t>(15594226)).toColor());
    setBackColor(bag.ReadProperty("BackColor", static_cast<std::int32_t>(0x8000000D)).toColor());
}

void ZynScrollBar::WriteProperties(PropertyBag& bag) {
    auto color = [](OLE_COLOR c) { return Variant(static_cast<std::int32_t>(c)); };
    bag.WriteProperty("Max", Max_, 100.0f);
    bag.WriteProperty("Size", Size_, 10.0f);
    bag.WriteProperty("Change", Change_, 1.0f);
    bag.WriteProperty("Value", Value_, 45.0f);
    bag.WriteProperty("ForeColor", color(ForeColor_), color(15594226));
    bag.WriteProperty("BackColor", color(BackColor_), color(0x8000000D));
}

}  // namespace ulmaro
