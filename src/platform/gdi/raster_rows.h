// The row loops under every fill and raster operation. A raster operation with its
// pattern fixed is a function of source and destination bits (rop.h); each loop here runs
// one such function over a row, several pixels at a time.
#pragma once

#include "rop.h"

namespace ulmaro::platform::detail {

// d[0..n) = c.
void fillRow(COLORREF* d, int n, COLORREF c);

// d[i] = (d[i] & andMask) ^ xorMask: an operation that reads no source.
void maskRow(COLORREF* d, int n, const RopMask& m);

// An operation that reads a source, fixed for one call: the function of S and D that the
// ternary code leaves once its pattern is known.
class SourceRowOp {
public:
    SourceRowOp(Rop3 rop, COLORREF pattern);
    // d[i] = op(s[i], d[i]) for i in [0, n); s and d may not overlap unless equal.
    void operator()(COLORREF* d, const COLORREF* s, int n) const { fn_(d, s, n, masks_); }
    bool isCopy() const { return copy_; }

    // Per-bit results for S, D = (0,0), (0,1), (1,0), (1,1), as masks over the RGB bits.
    struct Masks {
        COLORREF c[4];
    };
    using Fn = void (*)(COLORREF*, const COLORREF*, int, const Masks&);

private:
    Fn fn_;
    Masks masks_;
    bool copy_ = false;
};

}  // namespace ulmaro::platform::detail
