#include "bar/zyn_bar_tool.h"

namespace ulmaro {

namespace {

Variant ColorValue(OLE_COLOR c) { return Variant(static_cast<std::int32_t>(c)); }

}  // namespace

ClassInfo ZynBarTool::describe() {
    using C = ZynBarTool;
    return ClassBuilder<C>("ZynBarTool", "Plain bar surface in its background colour")
        .property<&C::BackColor, &C::setBackColor>("BackColor")
        // Nothing to type into or press: it stays out of the tab order.
        .flags(true, false)
        .build();
}

void ZynBarTool::setBackColor(OLE_COLOR v) {
    surface().setBackColor(v);
    PropertyChanged("BackColor");
    Resize();
}

// The tool draws nothing of its own. The window system erases a window to its background
// colour before it paints; our surfaces keep their picture between paints, so the erase is
// done here.
void ZynBarTool::Paint() { surface().Cls(); }

void ZynBarTool::InitProperties() { setBackColor(Ambient().BackColor); }

void ZynBarTool::ReadProperties(PropertyBag& bag) {
    setBackColor(bag.ReadProperty("BackColor", ColorValue(Ambient().BackColor)).toColor());
}

void ZynBarTool::WriteProperties(PropertyBag& bag) {
    bag.WriteProperty("BackColor", ColorValue(BackColor()), ColorValue(Ambient().BackColor));
}

}  // namespace ulmaro
