#pragma once
#include <stdexcept>
#include <string>
namespace ulmaro {
struct RuntimeError : std::runtime_error {
    explicit RuntimeError(int n) : std::runtime_error("run-time error " + std::to_string(n)), number(n) {}
    int number;
};
}  // namespace ulmaro
