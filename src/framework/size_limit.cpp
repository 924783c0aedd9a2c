#include "size_limit.h"

namespace ulmaro {

std::string sizeProblem(std::int64_t width, std::int64_t height) {
    const std::string size = std::to_string(width) + " x " + std::to_string(height);
    if (width < 0 || height < 0) return size + " is not a size (a side cannot be negative)";
    if (width > kMaxSide || height > kMaxSide)
        return size + " is too large (a side is at most " + std::to_string(kMaxSide) + " pixels)";
    return size + " is too large (at most " + std::to_string(kMaxArea) + " pixels in all)";
}

}  // namespace ulmaro
