// PNG reading and writing through libpng's simplified API.
#include <ulmaro/platform/png.h>

#include <png.h>

#include <cstdint>

namespace ulmaro::platform {

bool WritePng(const std::string& path, const PixelView& view, std::string* error) {
    if (!view.px || view.width <= 0 || view.height <= 0) {
        if (error) *error = "nothing to write: the surface is empty";
        return false;
    }
    std::vector<png_byte> rgb(static_cast<std::size_t>(view.width) * static_cast<std::size_t>(view.height) * 3);
    for (int y = 0; y < view.height; ++y)
        for (int x = 0; x < view.width; ++x) {
            COLORREF c = view.at(x, y);
            png_byte* p = &rgb[(static_cast<std::size_t>(y) * static_cast<std::size_t>(view.width) + static_cast<std::size_t>(x)) * 3];
            p[0] = GetRValue(c);
            p[1] = GetGValue(c);
            p[2] = GetBValue(c);
        }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(view.width);
    image.height = static_cast<png_uint_32>(view.height);
    image.format = PNG_FORMAT_RGB;
    if (!png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr)) {
        if (error) *error = std::string("cannot write ") + path + ": " + image.message;
        png_image_free(&image);
        return false;
    }
    return true;
}

namespace {

// Anything larger than this many pixels is refused rather than allocated: a PNG header can
// promise far more than its file holds.
constexpr std::uint64_t kMaxPngPixels = std::uint64_t{1} << 28;

// Finishes a read begun from a file or from memory; `name` names the source in messages.
bool finishRead(png_image& image, const std::string& name, Image& out, std::string* error) {
    if (std::uint64_t{image.width} * image.height > kMaxPngPixels) {
        if (error)
            *error = "cannot read " + name + ": " + std::to_string(image.width) + " x " + std::to_string(image.height) +
                     " pixels is too large";
        png_image_free(&image);
        return false;
    }
    image.format = PNG_FORMAT_RGBA;
    std::vector<png_byte> rgba(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
        if (error) *error = "cannot read " + name + ": " + image.message;
        png_image_free(&image);
        return false;
    }
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    std::size_t n = static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height);
    out.px.resize(n);
    out.alpha.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        out.px[i] = RGB(rgba[i * 4], rgba[i * 4 + 1], rgba[i * 4 + 2]);
        out.alpha[i] = rgba[i * 4 + 3];
    }
    return true;
}

}  // namespace

bool ReadPng(const std::string& path, Image& out, std::string* error) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        if (error) *error = std::string("cannot read ") + path + ": " + image.message;
        png_image_free(&image);
        return false;
    }
    return finishRead(image, path, out, error);
}

bool ReadPngFromMemory(const void* data, std::size_t size, const std::string& name, Image& out, std::string* error) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data, size)) {
        if (error) *error = "cannot read " + name + ": " + image.message;
        png_image_free(&image);
        return false;
    }
    return finishRead(image, name, out, error);
}

}  // namespace ulmaro::platform
