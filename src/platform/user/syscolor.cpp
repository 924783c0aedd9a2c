// System colours: the blue desktop scheme of the era these controls were drawn for.
// Indices without an entry are black.
#include "../gdi/objects.h"

#include <array>

namespace ulmaro::platform {

namespace {

constexpr std::array<COLORREF, 31> kScheme = {
    RGB(212, 208, 200),  // 0 scroll bar
    RGB(0, 78, 152),     // 1 desktop
    RGB(0, 84, 227),     // 2 active caption
    RGB(122, 150, 223),  // 3 inactive caption
    RGB(255, 255, 255),  // 4 menu
    RGB(255, 255, 255),  // 5 window
    RGB(0, 0, 0),        // 6 window frame
    RGB(0, 0, 0),        // 7 menu text
    RGB(0, 0, 0),        // 8 window text
    RGB(255, 255, 255),  // 9 caption text
    RGB(212, 208, 200),  // 10 active border
    RGB(212, 208, 200),  // 11 inactive border
    RGB(128, 128, 128),  // 12 application workspace
    RGB(49, 106, 197),   // 13 highlight
    RGB(255, 255, 255),  // 14 highlight text
    RGB(236, 233, 216),  // 15 button face
    RGB(172, 168, 153),  // 16 button shadow
    RGB(172, 168, 153),  // 17 grey text
    RGB(0, 0, 0),        // 18 button text
    RGB(216, 228, 248),  // 19 inactive caption text
    RGB(255, 255, 255),  // 20 button highlight
    RGB(113, 111, 100),  // 21 3-D dark shadow
    RGB(241, 239, 226),  // 22 3-D light
    RGB(0, 0, 0),        // 23 tooltip text
    RGB(255, 255, 225),  // 24 tooltip background
    RGB(0, 0, 0),        // 25 (unused)
    RGB(0, 0, 128),      // 26 hot-tracked item
    RGB(61, 149, 255),   // 27 active caption gradient
    RGB(157, 185, 235),  // 28 inactive caption gradient
    RGB(49, 106, 197),   // 29 menu highlight
    RGB(236, 233, 216),  // 30 menu bar
};

}  // namespace

DWORD GetSysColor(int nIndex) {
    if (nIndex < 0 || nIndex >= static_cast<int>(kScheme.size())) return 0;
    return kScheme[static_cast<std::size_t>(nIndex)];
}

// One shared brush per system colour, owned by the platform like a stock object.
HBRUSH GetSysColorBrush(int nIndex) {
    static std::array<HBRUSH, 31> brushes{};
    if (nIndex < 0 || nIndex >= static_cast<int>(kScheme.size())) return nullptr;
    HBRUSH& b = brushes[static_cast<std::size_t>(nIndex)];
    if (!detail::lookupBrush(b)) {
        b = CreateSolidBrush(GetSysColor(nIndex));
        if (auto* o = detail::lookupBrush(b)) o->stock = true;
    }
    return b;
}

}  // namespace ulmaro::platform
