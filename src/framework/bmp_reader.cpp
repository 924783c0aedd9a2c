#include "framework/bmp_reader.h"

#include <bit>

namespace ulmaro {

namespace {

using platform::COLORREF;
using platform::RGB;

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;  // the old header: 16-bit sizes, 3-byte palette
constexpr std::size_t kInfoHeaderSize = 40;
// Anything larger than this many pixels is refused rather than allocated.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;

// Little-endian reads, bounds checked by the caller.
std::uint32_t u16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}
std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return u16(b, at) | (u16(b, at + 2) << 16);
}

// One colour channel described by a bit mask, widened or narrowed to 0..255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;

    explicit Channel(std::uint32_t m) : mask(m) {
        if (m == 0) return;
        shift = std::countr_zero(m);
        max = m >> shift;
    }
    platform::BYTE from(std::uint32_t v) const {
        if (max == 0) return 0;
        std::uint64_t c = (v & mask) >> shift;
        return static_cast<platform::BYTE>((c * 255 + max / 2) / max);
    }
};

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative: rows stored from the top
    std::uint32_t bits = 0;
    std::uint32_t compression = kBiRgb;
    std::uint32_t colorsUsed = 0;
    std::uint32_t masks[3] = {0, 0, 0};  // red, green, blue
    std::size_t paletteAt = 0;
    std::size_t paletteEntrySize = 4;
};

bool readHeader(const std::vector<std::uint8_t>& f, Header& h, std::string& error) {
    if (f.size() < kFileHeaderSize + 4) {
        error = "the file is too short for a BMP header";
        return false;
    }
    std::size_t size = u32(f, kFileHeaderSize);
    if (size == kCoreHeaderSize) {
        if (f.size() < kFileHeaderSize + kCoreHeaderSize) {
            error = "the file is too short for a BMP header";
            return false;
        }
        h.width = u16(f, 18);
        h.height = u16(f, 20);
        h.bits = u16(f, 24);
        h.paletteEntrySize = 3;
    } else if (size >= kInfoHeaderSize) {
        if (f.size() < kFileHeaderSize + size) {
            error = "the file is too short for a BMP header";
            return false;
        }
        h.width = static_cast<std::int32_t>(u32(f, 18));
        h.height = static_cast<std::int32_t>(u32(f, 22));
        h.bits = u16(f, 28);
        h.compression = u32(f, 30);
        h.colorsUsed = u32(f, 46);
    } else {
        error = "unknown BMP header size " + std::to_string(size);
        return false;
    }
    h.paletteAt = kFileHeaderSize + size;

    if (h.compression == kBiBitfields) {
        // The masks follow a plain 40-byte header, or sit inside a larger one; same offset.
        if (f.size() < kFileHeaderSize + kInfoHeaderSize + 12) {
            error = "the file is too short for its colour masks";
            return false;
        }
        for (int i = 0; i < 3; ++i) h.masks[i] = u32(f, kFileHeaderSize + kInfoHeaderSize + 4 * static_cast<std::size_t>(i));
        if (size == kInfoHeaderSize) h.paletteAt += 12;
    } else if (h.compression != kBiRgb) {
        error = "compressed BMP files (method " + std::to_string(h.compression) + ") are not supported";
        return false;
    }
    return true;
}

bool checkShape(const Header& h, std::string& error) {
    bool palette = h.bits == 1 || h.bits == 4 || h.bits == 8;
    bool direct = h.bits == 16 || h.bits == 24 || h.bits == 32;
    if (!palette && !direct) {
        error = "unsupported BMP colour depth " + std::to_string(h.bits);
        return false;
    }
    if (h.compression == kBiBitfields && h.bits != 16 && h.bits != 32) {
        error = "colour masks at " + std::to_string(h.bits) + " bits per pixel";
        return false;
    }
    std::int64_t rows = h.height < 0 ? -h.height : h.height;
    if (h.width <= 0 || rows <= 0 || h.width * rows > kMaxPixels) {
        error = "bad BMP size " + std::to_string(h.width) + " x " + std::to_string(h.height);
        return false;
    }
    return true;
}

}  // namespace

bool LooksLikeBmp(const std::vector<std::uint8_t>& file) {
    return file.size() >= 2 && file[0] == 'B' && file[1] == 'M';
}

bool ReadBmp(const std::vector<std::uint8_t>& f, BmpPixels& out, std::string& error) {
    if (!LooksLikeBmp(f)) {
        error = "not a BMP file";
        return false;
    }
    Header h;
    if (!readHeader(f, h, error) || !checkShape(h, error)) return false;

    // The palette: as many entries as the header says are used, at most 2^bits; entries
    // beyond the palette read as black.
    std::vector<COLORREF> palette;
    if (h.bits <= 8) {
        std::size_t full = std::size_t{1} << h.bits;
        std::size_t n = h.colorsUsed != 0 && h.colorsUsed < full ? h.colorsUsed : full;
        if (h.paletteAt + n * h.paletteEntrySize > f.size()) {
            error = "the file is too short for its palette";
            return false;
        }
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint8_t* e = &f[h.paletteAt + i * h.paletteEntrySize];
            palette.push_back(RGB(e[2], e[1], e[0]));
        }
        palette.resize(full, 0);
    }

    std::size_t width = static_cast<std::size_t>(h.width);
    std::size_t rows = static_cast<std::size_t>(h.height < 0 ? -h.height : h.height);
    std::size_t stride = (width * h.bits + 31) / 32 * 4;  // rows are padded to 4 bytes
    std::size_t dataAt = u32(f, 10);
    if (dataAt > f.size() || stride * rows > f.size() - dataAt) {
        error = "the file is too short for its pixels";
        return false;
    }

    // Without masks, 16 bits are 5-5-5 and 32 bits are B, G, R and an unused byte.
    std::uint32_t rm = h.masks[0], gm = h.masks[1], bm = h.masks[2];
    if (h.compression == kBiRgb && h.bits == 16) rm = 0x7C00, gm = 0x03E0, bm = 0x001F;
    if (h.compression == kBiRgb && h.bits == 32) rm = 0xFF0000, gm = 0x00FF00, bm = 0x0000FF;
    Channel red(rm), green(gm), blue(bm);

    out.width = static_cast<int>(width);
    out.height = static_cast<int>(rows);
    out.px.assign(width * rows, 0);
    for (std::size_t r = 0; r < rows; ++r) {
        const std::uint8_t* src = &f[dataAt + r * stride];
        std::size_t y = h.height < 0 ? r : rows - 1 - r;
        COLORREF* dst = &out.px[y * width];
        for (std::size_t x = 0; x < width; ++x) {
            switch (h.bits) {
                case 1: dst[x] = palette[(src[x / 8] >> (7 - x % 8)) & 1]; break;
                case 4: dst[x] = palette[(src[x / 2] >> (x % 2 ? 0 : 4)) & 0xF]; break;
                case 8: dst[x] = palette[src[x]]; break;
                case 24: dst[x] = RGB(src[x * 3 + 2], src[x * 3 + 1], src[x * 3]); break;
                case 16:
                case 32: {
                    std::size_t at = dataAt + r * stride + x * (h.bits / 8);
                    std::uint32_t v = h.bits == 16 ? u16(f, at) : u32(f, at);
                    dst[x] = RGB(red.from(v), green.from(v), blue.from(v));
                    break;
                }
            }
        }
    }
    return true;
}

}  // namespace ulmaro
