// Row loops written on 8-pixel vectors (the compiler's vector extension), with a scalar
// tail. A raster operation whose code ignores the pattern is the same function of S and D
// on every bit, one of sixteen; each gets its own loop, built from its truth table at
// compile time, so SRCAND is a single AND per vector. Operations with a pattern colour
// differ from bit to bit and run one general loop over per-bit masks. Every loop is built
// twice, for the baseline instruction set and for AVX2, and the one the processor runs
// best is chosen once.
#include "raster_rows.h"

#include <cstdint>
#include <cstring>

namespace ulmaro::platform::detail {

namespace {

// The helpers that pass vectors by value are always inlined, so the calling convention for
// 32-byte vectors on processors without AVX never applies to them.
#pragma GCC diagnostic ignored "-Wpsabi"
using V = std::uint32_t __attribute__((vector_size(32)));
constexpr int kLanes = 8;

[[gnu::always_inline]] inline V load(const COLORREF* p) {
    V v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
[[gnu::always_inline]] inline void store(COLORREF* p, V v) { std::memcpy(p, &v, sizeof v); }

// Result bits for S, D = (0,0), (0,1), (1,0), (1,1) from general masks:
//   whenD0 = c0 ^ (s & (c0 ^ c2)),  whenD1 = c1 ^ (s & (c1 ^ c3)),
//   result = whenD0 ^ (d & (whenD0 ^ whenD1)).
// With constant masks the compiler folds this down to the operation's own expression.
template <class T, class M>
[[gnu::always_inline]] inline T combine(T s, T d, M c0, M c1, M c2, M c3) {
    T whenD0 = c0 ^ (s & (c0 ^ c2));
    T whenD1 = c1 ^ (s & (c1 ^ c3));
    return whenD0 ^ (d & (whenD0 ^ whenD1));
}

template <unsigned F>
struct FixedOp {
    static constexpr COLORREF bit(unsigned i) { return ((F >> i) & 1u) ? kRgbBits : 0u; }
    template <class T>
    [[gnu::always_inline]] T operator()(T s, T d) const {
        return combine(s, d, bit(0), bit(1), bit(2), bit(3));
    }
};

struct MaskedOp {
    COLORREF c0, c1, c2, c3;
    template <class T>
    [[gnu::always_inline]] T operator()(T s, T d) const {
        return combine(s, d, c0, c1, c2, c3);
    }
};

template <class Op>
[[gnu::always_inline]] inline void sourceLoop(COLORREF* d, const COLORREF* s, int n, Op op) {
    int i = 0;
    for (; i + kLanes <= n; i += kLanes) store(d + i, op(load(s + i), load(d + i)));
    for (; i < n; ++i) d[i] = op(s[i], d[i]);
}

[[gnu::always_inline]] inline void fillLoop(COLORREF* d, int n, COLORREF c) {
    const V v = V{} + c;
    int i = 0;
    for (; i + kLanes <= n; i += kLanes) store(d + i, v);
    for (; i < n; ++i) d[i] = c;
}

[[gnu::always_inline]] inline void maskLoop(COLORREF* d, int n, COLORREF a, COLORREF x) {
    const V va = V{} + a, vx = V{} + x;
    int i = 0;
    for (; i + kLanes <= n; i += kLanes) store(d + i, (load(d + i) & va) ^ vx);
    for (; i < n; ++i) d[i] = (d[i] & a) ^ x;
}

// The same loops for the baseline instruction set and for AVX2.
template <unsigned F>
void fixedBase(COLORREF* d, const COLORREF* s, int n, const SourceRowOp::Masks&) {
    sourceLoop(d, s, n, FixedOp<F>{});
}
template <unsigned F>
[[gnu::target("avx2")]] void fixedAvx2(COLORREF* d, const COLORREF* s, int n, const SourceRowOp::Masks&) {
    sourceLoop(d, s, n, FixedOp<F>{});
}
void maskedBase(COLORREF* d, const COLORREF* s, int n, const SourceRowOp::Masks& m) {
    sourceLoop(d, s, n, MaskedOp{m.c[0], m.c[1], m.c[2], m.c[3]});
}
[[gnu::target("avx2")]] void maskedAvx2(COLORREF* d, const COLORREF* s, int n, const SourceRowOp::Masks& m) {
    sourceLoop(d, s, n, MaskedOp{m.c[0], m.c[1], m.c[2], m.c[3]});
}
void fillBase(COLORREF* d, int n, COLORREF c) { fillLoop(d, n, c); }
[[gnu::target("avx2")]] void fillAvx2(COLORREF* d, int n, COLORREF c) { fillLoop(d, n, c); }
void maskBase(COLORREF* d, int n, COLORREF a, COLORREF x) { maskLoop(d, n, a, x); }
[[gnu::target("avx2")]] void maskAvx2(COLORREF* d, int n, COLORREF a, COLORREF x) { maskLoop(d, n, a, x); }

bool haveAvx2() {
    static const bool yes = __builtin_cpu_supports("avx2");
    return yes;
}

template <unsigned... F>
struct FixedTable {
    static constexpr SourceRowOp::Fn base[] = {fixedBase<F>...};
    static constexpr SourceRowOp::Fn avx2[] = {fixedAvx2<F>...};
};
using Fixed = FixedTable<0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15>;

}  // namespace

void fillRow(COLORREF* d, int n, COLORREF c) { haveAvx2() ? fillAvx2(d, n, c) : fillBase(d, n, c); }

void maskRow(COLORREF* d, int n, const RopMask& m) {
    haveAvx2() ? maskAvx2(d, n, m.andMask, m.xorMask) : maskBase(d, n, m.andMask, m.xorMask);
}

SourceRowOp::SourceRowOp(Rop3 rop, COLORREF p) {
    for (unsigned i = 0; i < 4; ++i)
        masks_.c[i] = ((p & tableBitMask(rop.table, 4 + i)) | (~p & tableBitMask(rop.table, i))) & kRgbBits;
    copy_ = masks_.c[0] == 0 && masks_.c[1] == 0 && masks_.c[2] == kRgbBits && masks_.c[3] == kRgbBits;
    if (!rop.usesPattern()) {
        // The pattern does not matter: the low four bits of the table are the function.
        const unsigned f = rop.table & 0x0F;
        fn_ = haveAvx2() ? Fixed::avx2[f] : Fixed::base[f];
    } else {
        fn_ = haveAvx2() ? maskedAvx2 : maskedBase;
    }
}

}  // namespace ulmaro::platform::detail
