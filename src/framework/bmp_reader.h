// A small reader for uncompressed BMP files.
#pragma once

#include <ulmaro/platform/win32.h>

#include <cstdint>
#include <string>
#include <vector>

namespace ulmaro {

struct BmpPixels {
    int width = 0;
    int height = 0;
    std::vector<platform::COLORREF> px;  // rows from the top
};

// True if the bytes start like a BMP file.
bool LooksLikeBmp(const std::vector<std::uint8_t>& file);

// Decodes 1, 4 and 8-bit palette images and 24 and 32-bit colour images (BI_RGB, and
// BI_BITFIELDS at 32 bits), bottom-up or top-down. On failure returns false and says why.
bool ReadBmp(const std::vector<std::uint8_t>& file, BmpPixels& out, std::string& error);

}  // namespace ulmaro
