// PNG files of surfaces: written with libpng, read back for pictures and reference images.
#pragma once

#include <ulmaro/platform/host.h>

#include <cstddef>
#include <string>
#include <vector>

namespace ulmaro::platform {

// Writes an opaque RGB PNG. Returns false (with a message in `error`) on failure.
bool WritePng(const std::string& path, const PixelView& view, std::string* error = nullptr);

// An image read from a file: COLORREF pixels (0x00BBGGRR) and, per pixel, alpha.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> px;
    std::vector<BYTE> alpha;
    PixelView view() const { return PixelView{px.data(), width, height, false}; }
};
bool ReadPng(const std::string& path, Image& out, std::string* error = nullptr);
// The same from a PNG file's bytes in memory; `name` names them in messages.
bool ReadPngFromMemory(const void* data, std::size_t size, const std::string& name, Image& out,
                       std::string* error = nullptr);

}  // namespace ulmaro::platform
