// Small numeric helpers with the run-time's conversion rules: whole numbers come from
// rounding to nearest with halves to even, and a value that does not fit its integer type
// raises the overflow error (6).
#pragma once

#include "framework/runtime_error.h"

#include <cmath>
#include <cstdint>

namespace ulmaro {

constexpr int kOverflowError = 6;

// A > B gives A, otherwise B: of two equal values the second one is returned.
template <typename T>
T MaxOf(T A, T B) {
    return A > B ? A : B;
}

// A < B gives A, otherwise B: of two equal values the second one is returned.
template <typename T>
T MinOf(T A, T B) {
    return A < B ? A : B;
}

// A Double converted to a 32-bit Long: rounded to nearest, halves to even; overflow outside
// the Long range (and for NaN).
inline std::int32_t RoundToLong(double value) {
    double r = std::nearbyint(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw RuntimeError(kOverflowError);
    return static_cast<std::int32_t>(r);
}

// A 16-bit unsigned value held in 32 bits, as the signed 16-bit Integer with the same bits.
// Values up to 32767 are taken as they are; anything larger has 65536 taken off, and the
// result must fit an Integer. So:
//   -32768 .. 32767  ->  unchanged
//    32768 .. 65535  ->  value - 65536  (-32768 .. -1)
//    65536 .. 98303  ->  value - 65536  (0 .. 32767)
// and anything else overflows.
inline std::int16_t UnsignedToInteger(std::int32_t& Value) {
    std::int64_t v = Value;
    if (v > 32767) v -= 65536;
    if (v < -32768 || v > 32767) throw RuntimeError(kOverflowError);
    return static_cast<std::int16_t>(v);
}

}  // namespace ulmaro
