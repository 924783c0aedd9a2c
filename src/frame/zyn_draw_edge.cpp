// ZynDrawEdge: the eight line objects, their places on resize, Init's DrawEdge on the parent
// form, persistence and the published table.
#include "frame/zyn_draw_edge.h"

namespace ulmaro {

using namespace platform;

namespace {

constexpr OLE_COLOR kWhite = 0xFFFFFF;

void Place(LineObject& l, float x1, float y1, float x2, float y2) {
    l.X1 = x1;
    l.Y1 = y1;
    l.X2 = x2;
    l.Y2 = y2;
}

}  // namespace

ZynDrawEdge::ZynDrawEdge() {
    auto pair = [this](std::array<LineObject, 2>& p, const char* name, bool whiteFirst) {
        for (std::int16_t i = 0; i < 2; ++i) {
            p[static_cast<std::size_t>(i)].Name = name;
            p[static_cast<std::size_t>(i)].Index = i;
            addLine(p[static_cast<std::size_t>(i)]);
        }
        // On every side the line nearer the middle is white; the right pair lists it first.
        p[whiteFirst ? 0 : 1].BorderColor = kWhite;
    };
    pair(L_Gauche, "L_Gauche", false);
    pair(L_Haut, "L_Haut", false);
    pair(L_Droite, "L_Droite", true);
    pair(L_Bas, "L_Bas", false);
}

ClassInfo ZynDrawEdge::describe() {
    using C = ZynDrawEdge;
    return ClassBuilder<C>("ZynDrawEdge", "Three-dimensional edge around a rectangle or along some of its sides")
        .property<&C::Edge, &C::setEdge>(1, "Edge").enumType("Edge_Rect").key().byDefault(BF_RECT)
        .property<&C::Style, &C::setStyle>(2, "Style").enumType("Edge_Style").key().byDefault(EDGE_ETCHED)
        .property<&C::hwnd>(3, "hwnd").runtimeOnly()
        .method<&C::Init>(4, "Init")
        .enumeration("Edge_Rect")
        .enumeration("Edge_Style")
        // An edge is decoration: it never takes the focus.
        .flags(true, false)
        .build();
}

std::int32_t ZynDrawEdge::hwnd() const {
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(surface().hWnd()));
}

void ZynDrawEdge::setEdge(std::int32_t v) {
    Edge_ = v;
    PropertyChanged("Edge");
    for (auto* p : {&L_Haut, &L_Gauche, &L_Droite, &L_Bas}) {
        const std::int32_t bit = p == &L_Gauche ? BF_LEFT : p == &L_Haut ? BF_TOP : p == &L_Droite ? BF_RIGHT : BF_BOTTOM;
        for (LineObject& l : *p) l.Visible = (v & bit) != 0;
    }
}

// The style only matters to Init; nothing is redrawn.
void ZynDrawEdge::setStyle(std::int32_t v) {
    Style_ = v;
    PropertyChanged("Style");
}

void ZynDrawEdge::Resize() {
    const float W = static_cast<float>(surface().ScaleWidth());
    const float H = static_cast<float>(surface().ScaleHeight());
    Place(L_Gauche[0], 1, 0, 1, H);
    Place(L_Gauche[1], 3, 3, 3, H - 3);
    Place(L_Haut[0], 0, 1, W, 1);
    Place(L_Haut[1], 2, 3, W - 3, 3);
    Place(L_Droite[0], W - 3, 3, W - 3, H - 3);
    Place(L_Droite[1], W - 1, 0, W - 1, H);
    Place(L_Bas[0], 0, H - 1, W, H - 1);
    Place(L_Bas[1], 2, H - 3, W - 3, H - 3);
    Paint();
}

// The host clears the control to its back colour before the line objects show over it.
void ZynDrawEdge::Paint() { surface().Cls(); }

void ZynDrawEdge::Init() {
    RECT R{}, P{};
    GetWindowRect(surface().hWnd(), &R);
    GetWindowRect(ParentHwnd(), &P);
    OffsetRect(&R, -P.left, -P.top);
    surface().setBackStyle(0);
    for (LineObject* l : lines()) l->Visible = false;
    DrawEdge(ParentHdc(), &R, static_cast<UINT>(Style_), static_cast<UINT>(Edge_));
}

// Loading stores the values without the setters, so the lines keep showing all four sides
// until Edge is set; keys and defaults come from the description.
void ZynDrawEdge::InitProperties() {
    Edge_ = defaultOf("Edge").toInt32();
    Style_ = defaultOf("Style").toInt32();
}

void ZynDrawEdge::ReadProperties(PropertyBag& bag) {
    Edge_ = bag.ReadProperty("Edge", defaultOf("Edge")).toInt32();
    Style_ = bag.ReadProperty("Style", defaultOf("Style")).toInt32();
}

void ZynDrawEdge::WriteProperties(PropertyBag& bag) { writeTo(bag, {"Edge", "Style"}); }

}  // namespace ulmaro
