// The number of the run-time error a call raises, 0 if it raises none.
#pragma once

#include "framework/runtime_error.h"

namespace ulmaro::test {

inline int errorNumber(auto call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e.number;
    }
    return 0;
}

}  // namespace ulmaro::test
