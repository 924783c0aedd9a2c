// Seeded random cases: each iteration draws from its own seed, a failure names it, and
// ULMARO_SEED=N replays that one iteration alone.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace ulmaro::test {

template <class Body>
void forEachSeed(std::uint32_t first, int count, Body&& body) {
    if (const char* s = std::getenv("ULMARO_SEED")) {
        first = static_cast<std::uint32_t>(std::strtoul(s, nullptr, 0));
        count = 1;
    }
    for (int i = 0; i < count && !::testing::Test::HasFailure(); ++i) {
        const std::uint32_t seed = first + static_cast<std::uint32_t>(i);
        SCOPED_TRACE("seed " + std::to_string(seed) + " (replay with ULMARO_SEED=" + std::to_string(seed) + ")");
        body(seed);
    }
}

}  // namespace ulmaro::test
