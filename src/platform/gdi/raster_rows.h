// The row loops under every fill and raster operation. A raster operation with its
// pattern fixed is a function of source and destination bits (rop.h); each loop here runs
// one such function over a block of rows, several pixels at a time.
#pragma once

#include "rop.h"

#include <cstddef>

namespace ulmaro::platform::detail {

// Rows of pixels: `height` rows of `width` pixels, each row `stride` pixels after the last.
struct Block {
    COLORREF* first;
    std::ptrdiff_t stride;
    int width, height;
};

// Every pixel of the block = c.
void fillBlock(const Block& d, COLORREF c);
inline void fillRow(COLORREF* d, int n, COLORREF c) { fillBlock(Block{d, n, n, 1}, c); }

// Every pixel d = (d & andMask) ^ xorMask: an operation that reads no source.
void maskBlock(const Block& d, const RopMask& m);
inline void maskRow(COLORREF* d, int n, const RopMask& m) { maskBlock(Block{d, n, n, 1}, m); }

// An operation that reads a source, fixed for one call: the function of S and D that the
// ternary code leaves once its pattern is known.
class SourceRowOp {
public:
    SourceRowOp(Rop3 rop, COLORREF pattern);
    // d[i] = op(s[i], d[i]) for i in [0, n); s and d may not overlap unless equal.
    void operator()(COLORREF* d, const COLORREF* s, int n) const { fn_(Block{d, n, n, 1}, s, n, masks_); }
    // The same over a block, the source rows `sourceStride` pixels apart.
    void operator()(const Block& d, const COLORREF* s, std::ptrdiff_t sourceStride) const { fn_(d, s, sourceStride, masks_); }
    bool isCopy() const { return copy_; }

    // Per-bit results for S, D = (0,0), (0,1), (1,0), (1,1), as masks over the RGB bits.
    struct Masks {
        COLORREF c[4];
    };
    using Fn = void (*)(const Block&, const COLORREF*, std::ptrdiff_t, const Masks&);

private:
    Fn fn_;
    Masks masks_;
    bool copy_ = false;
};

}  // namespace ulmaro::platform::detail
