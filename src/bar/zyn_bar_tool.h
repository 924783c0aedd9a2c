// ZynBarTool: a plain surface that shows its background colour and nothing else, for laying
// a strip of colour on a form or inside a bar element. It raises no events.
#pragma once

#include "framework/control.h"

namespace ulmaro {

class ZynBarTool : public Control {
public:
    static ClassInfo describe();

    OLE_COLOR BackColor() const { return surface().BackColor(); }
    void setBackColor(OLE_COLOR v);

    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Resize() override { Paint(); }
    void Paint() override;
};

}  // namespace ulmaro
