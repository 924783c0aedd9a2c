// Raster operations reduced to bit masks. Every binary (ROP2) and ternary raster operation
// is a bitwise truth table over pen/pattern P, source S and destination D. Once P is fixed
// for a call (a solid pen or brush), what is left is a function of D alone, or of S and D,
// and each of those is (D & and) ^ xor with masks that depend on S at most: one loop serves
// every operation.
#pragma once

#include <ulmaro/platform/win32.h>

#include <cstdint>

namespace ulmaro::platform::detail {

constexpr COLORREF kRgbBits = 0x00FFFFFF;

// All ones where `bit` of `table` is set, else zero.
constexpr COLORREF tableBitMask(unsigned table, unsigned bit) { return ((table >> bit) & 1u) ? kRgbBits : 0u; }

// d -> (d & andMask) ^ xorMask: what an operation does to the destination once its other
// operands are known.
struct RopMask {
    COLORREF andMask = kRgbBits;
    COLORREF xorMask = 0;
    COLORREF apply(COLORREF d) const { return ((d & andMask) ^ xorMask) & kRgbBits; }
    bool overwrites() const { return andMask == 0; }                 // result ignores the destination
    bool leavesAlone() const { return andMask == kRgbBits && xorMask == 0; }
};

// The mask of a two-operand table indexed by (P << 1 | D), for a known P.
constexpr RopMask maskFromTable(unsigned table, COLORREF p) {
    COLORREF whenD0 = (p & tableBitMask(table, 2)) | (~p & tableBitMask(table, 0));
    COLORREF whenD1 = (p & tableBitMask(table, 3)) | (~p & tableBitMask(table, 1));
    return RopMask{(whenD0 ^ whenD1) & kRgbBits, whenD0 & kRgbBits};
}

// SetROP2 codes R2_BLACK (1) .. R2_WHITE (16) are the truth table plus one.
inline RopMask rop2Mask(int rop2, COLORREF pen) {
    if (rop2 < 1 || rop2 > 16) rop2 = R2_COPYPEN;
    return maskFromTable(static_cast<unsigned>(rop2 - 1), pen);
}

// A ternary raster operation: the truth table sits in bits 16..23 of the code, indexed by
// (P << 2 | S << 1 | D).
struct Rop3 {
    unsigned table;
    explicit constexpr Rop3(DWORD rop) : table((rop >> 16) & 0xFF) {}
    // An operand matters when flipping it changes some entry of the table.
    constexpr bool usesPattern() const { return ((table >> 4) & 0x0F) != (table & 0x0F); }
    constexpr bool usesSource() const { return ((table >> 2) & 0x33) != (table & 0x33); }
};

// A ternary operation with its pattern fixed: a function of S and D. For each source value
// it gives the mask to apply to the destination.
struct SourceRop {
    COLORREF c[4];  // result where S and D are (0,0), (0,1), (1,0), (1,1)
    SourceRop(Rop3 rop, COLORREF p) {
        for (unsigned i = 0; i < 4; ++i) c[i] = ((p & tableBitMask(rop.table, 4 + i)) | (~p & tableBitMask(rop.table, i))) & kRgbBits;
    }
    RopMask forSource(COLORREF s) const {
        COLORREF whenD0 = (s & c[2]) | (~s & c[0]);
        COLORREF whenD1 = (s & c[3]) | (~s & c[1]);
        return RopMask{(whenD0 ^ whenD1) & kRgbBits, whenD0 & kRgbBits};
    }
    COLORREF apply(COLORREF s, COLORREF d) const { return forSource(s).apply(d); }
    // The result is the source itself, so rows can be copied.
    bool isCopy() const { return c[0] == 0 && c[1] == 0 && c[2] == kRgbBits && c[3] == kRgbBits; }
};

}  // namespace ulmaro::platform::detail
