// OLE_COLOR: a 32-bit colour. With bit 31 set it names a system colour (the index is the
// value without that bit); otherwise it is RGB 0x00BBGGRR.
#pragma once

#include <cstdint>

namespace ulmaro {

using OLE_COLOR = std::uint32_t;

constexpr bool isSystemColor(OLE_COLOR c) { return (c & 0x80000000u) != 0; }
constexpr int systemColorIndex(OLE_COLOR c) { return static_cast<int>(c & 0x7FFFFFFFu); }

}  // namespace ulmaro
