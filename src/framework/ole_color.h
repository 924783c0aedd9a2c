// OLE_COLOR: the host's 32-bit colour. With bit 31 set it names a system colour (the index
// is in the low bits); otherwise it is RGB 0x00BBGGRR, red in the low byte.
#pragma once

#include <cstdint>

namespace ulmaro {

using OLE_COLOR = std::uint32_t;

constexpr OLE_COLOR kSystemColorFlag = 0x80000000u;

constexpr bool IsSystemColor(OLE_COLOR color) { return (color & kSystemColorFlag) != 0; }

// The GetSysColor index a system colour names.
constexpr int SystemColorIndex(OLE_COLOR color) { return static_cast<int>(color & ~kSystemColorFlag); }

// The OLE_COLOR naming system colour `index` (COLOR_BTNFACE = 15 gives 0x8000000F).
constexpr OLE_COLOR SystemColor(int index) { return kSystemColorFlag | static_cast<OLE_COLOR>(index); }

}  // namespace ulmaro
