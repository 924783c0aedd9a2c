// ZynDrawEdge: a three-dimensional groove or ridge around a rectangle or along some of its
// sides. Eight line objects draw it (two per side, the one nearer the middle white) and
// follow every resize; Init instead draws the edge once with DrawEdge on the parent form
// and hides the lines.
#pragma once

#include "framework/control.h"

#include <array>
#include <cstdint>

namespace ulmaro {

class ZynDrawEdge : public Control {
public:
    // Edge_Rect: which sides; Edge_Style: the kind of edge (the platform's BF_ and EDGE_ values).
    enum EdgeRect : std::int32_t { BF_LEFT = 1, BF_TOP = 2, BF_RIGHT = 4, BF_BOTTOM = 8, BF_BOTTOM_TOP = 10, BF_RECT = 15 };
    enum EdgeStyle : std::int32_t { EDGE_RAISED = 5, EDGE_ETCHED = 6, EDGE_BUMP = 9, EDGE_SUNKEN = 10 };

    ZynDrawEdge();
    static ClassInfo describe();

    // ---- Members of _ZynDrawEdge -----------------------------------------------------------------
    std::int32_t Edge() const { return Edge_; }
    void setEdge(std::int32_t v);
    std::int32_t Style() const { return Style_; }
    void setStyle(std::int32_t v);
    std::int32_t hwnd() const;
    void Init();

    // The line pairs, each indexed 0 and 1 (tests look at them).
    const std::array<LineObject, 2>& lGauche() const { return L_Gauche; }
    const std::array<LineObject, 2>& lHaut() const { return L_Haut; }
    const std::array<LineObject, 2>& lDroite() const { return L_Droite; }
    const std::array<LineObject, 2>& lBas() const { return L_Bas; }

    // ---- Host notifications ---------------------------------------------------------------------
    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Resize() override;
    void Paint() override;

private:
    std::int32_t Edge_ = BF_RECT;
    std::int32_t Style_ = EDGE_ETCHED;
    std::array<LineObject, 2> L_Gauche, L_Haut, L_Droite, L_Bas;
};

}  // namespace ulmaro
