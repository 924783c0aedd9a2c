#include "bar/zyn_bar_tool.h"

namespace ulmaro {

ClassInfo ZynBarTool::describe() {
    using C = ZynBarTool;
    return ClassBuilder<C>("ZynBarTool", "Plain bar surface in its background colour")
        .property<&C::BackColor, &C::setBackColor>(1, "BackColor").key().byDefault(AmbientValue::BackColor)
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

void ZynBarTool::InitProperties() { applyDefaults({"BackColor"}); }

void ZynBarTool::ReadProperties(PropertyBag& bag) { readFrom(bag, {"BackColor"}); }

void ZynBarTool::WriteProperties(PropertyBag& bag) { writeTo(bag, {"BackColor"}); }

}  // namespace ulmaro
