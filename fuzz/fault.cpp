#include "fuzz_targets.h"

#include <cstdio>
#include <cstdlib>

namespace ulmaro::fuzz {

void Fault(std::string_view what) {
    std::fprintf(stderr, "fuzz fault: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

}  // namespace ulmaro::fuzz
