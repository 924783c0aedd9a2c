// Row loops written on the compiler's vector extension, with a scalar tail. A raster
// operation whose code ignores the pattern is the same function of S and D on every bit,
// one of sixteen; each gets its own loop, built from its truth table at compile time, so
// SRCAND is a single AND per vector. Operations with a pattern colour differ from bit to bit
// and run a general loop over per-bit masks, or a shorter one when the result does not
// depend on the destination. Every loop is built three times, for the baseline instruction
// set, AVX2 and AVX-512, and the widest the processor runs is chosen once. Each call walks
// a whole block of rows, so the choice and the call are paid once per block, not per row.
#include "raster_rows.h"

#include <cstdint>
#include <cstring>
#include <utility>

namespace ulmaro::platform::detail {

namespace {

// The helpers that pass vectors by value are always inlined, so the calling convention for
// wide vectors on processors without them never applies.
#pragma GCC diagnostic ignored "-Wpsabi"
using V32 = std::uint32_t __attribute__((vector_size(32)));
using V64 = std::uint32_t __attribute__((vector_size(64)));

template <class V>
constexpr int lanes = static_cast<int>(sizeof(V) / sizeof(COLORREF));

template <class V>
[[gnu::always_inline]] inline V load(const COLORREF* p) {
    V v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
template <class V>
[[gnu::always_inline]] inline void store(COLORREF* p, V v) {
    std::memcpy(p, &v, sizeof v);
}

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
    static constexpr bool readsD = true;
    static constexpr COLORREF bit(unsigned i) { return ((F >> i) & 1u) ? kRgbBits : 0u; }
    template <class T>
    [[gnu::always_inline]] T operator()(T s, T d) const {
        return combine(s, d, bit(0), bit(1), bit(2), bit(3));
    }
};

struct MaskedOp {
    static constexpr bool readsD = true;
    COLORREF c0, c1, c2, c3;
    template <class T>
    [[gnu::always_inline]] T operator()(T s, T d) const {
        return combine(s, d, c0, c1, c2, c3);
    }
};

// A masked operation whose result ignores the destination (c0 == c1, c2 == c3), such as
// MERGECOPY: the destination is only written.
struct SourceOnlyOp {
    static constexpr bool readsD = false;
    COLORREF c0, c2;
    template <class T>
    [[gnu::always_inline]] T operator()(T s, T) const {
        return c0 ^ (s & (c0 ^ c2));
    }
};

template <class V, class Op>
[[gnu::always_inline]] inline void sourceBlock(const Block& b, const COLORREF* src, std::ptrdiff_t sourceStride, Op op) {
    constexpr int L = lanes<V>;
    const int n = b.width;
    COLORREF* d = b.first;
    for (int y = 0; y < b.height; ++y, d += b.stride, src += sourceStride) {
        int i = 0;
        for (; i + 2 * L <= n; i += 2 * L) {
            const V r0 = op(load<V>(src + i), Op::readsD ? load<V>(d + i) : V{});
            const V r1 = op(load<V>(src + i + L), Op::readsD ? load<V>(d + i + L) : V{});
            store(d + i, r0);
            store(d + i + L, r1);
        }
        for (; i + L <= n; i += L) store(d + i, op(load<V>(src + i), Op::readsD ? load<V>(d + i) : V{}));
        for (; i < n; ++i) d[i] = op(src[i], d[i]);
    }
}

template <class V>
[[gnu::always_inline]] inline void fillLoop(const Block& b, COLORREF c) {
    constexpr int L = lanes<V>;
    const V v = V{} + c;
    const int n = b.width;
    COLORREF* d = b.first;
    for (int y = 0; y < b.height; ++y, d += b.stride) {
        int i = 0;
        for (; i + 4 * L <= n; i += 4 * L) {
            store(d + i, v);
            store(d + i + L, v);
            store(d + i + 2 * L, v);
            store(d + i + 3 * L, v);
        }
        for (; i + L <= n; i += L) store(d + i, v);
        // A fill may write a pixel twice: the tail is one more store ending at the row's end.
        if (i < n && n >= L)
            store(d + n - L, v);
        else
            for (; i < n; ++i) d[i] = c;
    }
}

template <class V>
[[gnu::always_inline]] inline void maskLoop(const Block& b, COLORREF a, COLORREF x) {
    constexpr int L = lanes<V>;
    const V va = V{} + a, vx = V{} + x;
    const int n = b.width;
    COLORREF* d = b.first;
    for (int y = 0; y < b.height; ++y, d += b.stride) {
        int i = 0;
        for (; i + 2 * L <= n; i += 2 * L) {
            const V r0 = (load<V>(d + i) & va) ^ vx, r1 = (load<V>(d + i + L) & va) ^ vx;
            store(d + i, r0);
            store(d + i + L, r1);
        }
        for (; i + L <= n; i += L) store(d + i, (load<V>(d + i) & va) ^ vx);
        for (; i < n; ++i) d[i] = (d[i] & a) ^ x;
    }
}

using Masks = SourceRowOp::Masks;

// One set of loops per instruction set: Level<V> for the baseline, AVX2 and AVX-512.
#define ULMARO_LOOPS(NAME, V, TARGET)                                                                                   \
    struct NAME {                                                                                                       \
        template <unsigned F>                                                                                           \
        TARGET static void fixed(const Block& b, const COLORREF* s, std::ptrdiff_t ss, const Masks&) {                  \
            sourceBlock<V>(b, s, ss, FixedOp<F>{});                                                                     \
        }                                                                                                               \
        TARGET static void masked(const Block& b, const COLORREF* s, std::ptrdiff_t ss, const Masks& m) {               \
            sourceBlock<V>(b, s, ss, MaskedOp{m.c[0], m.c[1], m.c[2], m.c[3]});                                         \
        }                                                                                                               \
        TARGET static void sourceOnly(const Block& b, const COLORREF* s, std::ptrdiff_t ss, const Masks& m) {           \
            sourceBlock<V>(b, s, ss, SourceOnlyOp{m.c[0], m.c[2]});                                                     \
        }                                                                                                               \
        TARGET static void fill(const Block& b, COLORREF c) { fillLoop<V>(b, c); }                                      \
        TARGET static void mask(const Block& b, COLORREF a, COLORREF x) { maskLoop<V>(b, a, x); }                       \
    };
ULMARO_LOOPS(Base, V32, )
ULMARO_LOOPS(Avx2, V32, [[gnu::target("avx2")]])
ULMARO_LOOPS(Avx512, V64, [[gnu::target("avx512f")]])
#undef ULMARO_LOOPS

// The loops of one instruction set, gathered for the choice made at start-up.
struct Loops {
    SourceRowOp::Fn fixed[16];
    SourceRowOp::Fn masked, sourceOnly;
    void (*fill)(const Block&, COLORREF);
    void (*mask)(const Block&, COLORREF, COLORREF);
};

template <class L, unsigned... F>
constexpr Loops loopsOf(std::integer_sequence<unsigned, F...>) {
    return Loops{{&L::template fixed<F>...}, &L::masked, &L::sourceOnly, &L::fill, &L::mask};
}

const Loops& loops() {
    static const Loops chosen = __builtin_cpu_supports("avx512f") ? loopsOf<Avx512>(std::make_integer_sequence<unsigned, 16>{})
                                : __builtin_cpu_supports("avx2")  ? loopsOf<Avx2>(std::make_integer_sequence<unsigned, 16>{})
                                                                  : loopsOf<Base>(std::make_integer_sequence<unsigned, 16>{});
    return chosen;
}

}  // namespace

void fillBlock(const Block& d, COLORREF c) {
    if (d.width > 0 && d.height > 0) loops().fill(d, c);
}

void maskBlock(const Block& d, const RopMask& m) {
    if (d.width > 0 && d.height > 0) loops().mask(d, m.andMask, m.xorMask);
}

SourceRowOp::SourceRowOp(Rop3 rop, COLORREF p) {
    for (unsigned i = 0; i < 4; ++i)
        masks_.c[i] = ((p & tableBitMask(rop.table, 4 + i)) | (~p & tableBitMask(rop.table, i))) & kRgbBits;
    const COLORREF* c = masks_.c;
    copy_ = c[0] == 0 && c[1] == 0 && c[2] == kRgbBits && c[3] == kRgbBits;
    const Loops& l = loops();
    if (!rop.usesPattern())
        fn_ = l.fixed[rop.table & 0x0F];  // the pattern does not matter: the low four bits are the function
    else if (c[0] == c[1] && c[2] == c[3])
        fn_ = l.sourceOnly;
    else
        fn_ = l.masked;
}

}  // namespace ulmaro::platform::detail
