// The host's standard picture object: a bitmap loaded from a BMP or PNG file, with its size
// in HIMETRIC (hundredths of a millimetre) as the host reports it. Pictures are shared by
// reference (StdPicturePtr); the bitmap is released when the last holder lets go.
#pragma once

#include <ulmaro/platform/win32.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace ulmaro {

class StdPicture;
using StdPicturePtr = std::shared_ptr<StdPicture>;

// A picture file that cannot be read or is not a picture we understand.
struct PictureLoadError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class StdPicture {
public:
    static constexpr std::int16_t kTypeBitmap = 1;

    // Reads a BMP (1, 4, 8, 24 or 32 bits per pixel, uncompressed) or PNG file, recognised by
    // its contents. Throws PictureLoadError naming the file.
    static StdPicturePtr Load(const std::string& path);
    // The same from a BMP or PNG file's bytes; `path` names them in messages.
    static StdPicturePtr FromFileBytes(const std::vector<std::uint8_t>& file, const std::string& path);

    // A picture of the given pixels (COLORREF 0x00BBGGRR, rows from the top); no source file.
    static StdPicturePtr FromPixels(int width, int height, const std::vector<platform::COLORREF>& pixels);

    ~StdPicture();
    StdPicture(const StdPicture&) = delete;
    StdPicture& operator=(const StdPicture&) = delete;

    platform::HBITMAP Handle() const { return handle_; }
    std::int16_t Type() const { return kTypeBitmap; }
    // Size in HIMETRIC; ScaleX / ScaleY from scale::Himetric to scale::Pixels give it back in pixels.
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    int PixelWidth() const { return pixelWidth_; }
    int PixelHeight() const { return pixelHeight_; }
    // The file the picture came from (form files store pictures by path); empty if none.
    const std::string& Path() const { return path_; }

private:
    StdPicture(int width, int height, const std::vector<platform::COLORREF>& pixels, std::string path);

    platform::HBITMAP handle_ = nullptr;
    int pixelWidth_ = 0;
    int pixelHeight_ = 0;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::string path_;
};

}  // namespace ulmaro
