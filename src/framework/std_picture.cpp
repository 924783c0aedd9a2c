#include "framework/std_picture.h"

#include "framework/bmp_reader.h"
#include "framework/numeric.h"
#include "framework/unit_conversion.h"

#include <ulmaro/platform/png.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace ulmaro {

namespace {

using platform::COLORREF;

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

bool looksLikePng(const std::vector<std::uint8_t>& file) {
    return file.size() >= sizeof kPngSignature && std::equal(std::begin(kPngSignature), std::end(kPngSignature), file.begin());
}

[[noreturn]] void fail(const std::string& path, const std::string& why) {
    throw PictureLoadError("cannot load picture " + path + ": " + why);
}

std::int32_t pixelsToHimetric(int pixels) { return RoundToLong(ScaleX(pixels, scale::Pixels, scale::Himetric)); }

}  // namespace

StdPicturePtr StdPicture::Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) fail(path, "the file cannot be opened");
    std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) fail(path, "the file cannot be read");
    return FromFileBytes(file, path);
}

StdPicturePtr StdPicture::FromFileBytes(const std::vector<std::uint8_t>& file, const std::string& path) {
    if (LooksLikeBmp(file)) {
        BmpPixels bmp;
        std::string error;
        if (!ReadBmp(file, bmp, error)) fail(path, error);
        return StdPicturePtr(new StdPicture(bmp.width, bmp.height, bmp.px, path));
    }
    if (looksLikePng(file)) {
        // The picture keeps the colours only; transparency is the controls' business (mask
        // colours), as with bitmaps.
        platform::Image png;
        std::string error;
        if (!platform::ReadPngFromMemory(file.data(), file.size(), path, png, &error)) fail(path, error);
        return StdPicturePtr(new StdPicture(png.width, png.height, png.px, path));
    }
    fail(path, "not a BMP or PNG file");
}

StdPicturePtr StdPicture::FromPixels(int width, int height, const std::vector<COLORREF>& pixels) {
    if (width <= 0 || height <= 0 || pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        throw PictureLoadError("cannot make a picture of " + std::to_string(width) + " x " + std::to_string(height) +
                               " pixels from " + std::to_string(pixels.size()) + " values");
    return StdPicturePtr(new StdPicture(width, height, pixels, std::string()));
}

StdPicture::StdPicture(int width, int height, const std::vector<COLORREF>& pixels, std::string path)
    : pixelWidth_(width),
      pixelHeight_(height),
      width_(pixelsToHimetric(width)),
      height_(pixelsToHimetric(height)),
      path_(std::move(path)) {
    // The platform takes 32-bit rows of B, G, R and an unused byte, from the top.
    std::vector<std::uint8_t> bits(pixels.size() * 4);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        bits[i * 4] = platform::GetBValue(pixels[i]);
        bits[i * 4 + 1] = platform::GetGValue(pixels[i]);
        bits[i * 4 + 2] = platform::GetRValue(pixels[i]);
    }
    handle_ = platform::CreateBitmap(width, height, 1, 32, bits.data());
    if (!handle_) throw PictureLoadError("cannot make a bitmap of " + std::to_string(width) + " x " + std::to_string(height) + " pixels" + (path_.empty() ? "" : " for " + path_));
}

StdPicture::~StdPicture() {
    if (handle_) platform::DeleteObject(handle_);
}

}  // namespace ulmaro
