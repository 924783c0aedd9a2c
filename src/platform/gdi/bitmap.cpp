// Bitmaps: colour bitmaps compatible with a context, and monochrome or 32-bit bitmaps
// from bits.
#include "objects.h"

#include <cstring>

namespace ulmaro::platform::detail {
std::uint32_t stockMonoBitmap();
}

namespace ulmaro::platform {

using namespace detail;

namespace {

// Refuses sizes whose pixel count does not fit comfortably in memory, as the platform
// refuses an allocation it cannot make.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;

HBITMAP newBitmap(int w, int h, int bpp) {
    if (w < 0 || h < 0) return nullptr;
    if (w == 0 || h == 0) return static_cast<HBITMAP>(const_cast<void*>(asHandle(stockMonoBitmap())));
    if (static_cast<std::int64_t>(w) * h > kMaxPixels) return nullptr;
    auto b = std::make_unique<Bitmap>();
    b->width = w;
    b->height = h;
    b->bitsPixel = bpp;
    b->px.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    std::uint32_t v = addObject(std::move(b));
    return v ? reinterpret_cast<HBITMAP>(static_cast<std::uintptr_t>(v)) : nullptr;
}

}  // namespace

HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return nullptr;
    // A memory context makes bitmaps like the one it holds; others are colour surfaces.
    int bpp = 32;
    if (dc->type == Dc::Type::Memory) {
        Bitmap* cur = bitmapOf(*dc);
        if (cur && cur->mono()) bpp = 1;
    }
    return newBitmap(cx, cy, bpp);
}

HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits) {
    if (nPlanes != 1 || (nBitCount != 1 && nBitCount != 32)) return nullptr;
    HBITMAP h = newBitmap(nWidth, nHeight, static_cast<int>(nBitCount));
    Bitmap* b = lookupBitmap(h);
    if (!b || b->stock || !lpBits) return h;
    const auto* bytes = static_cast<const BYTE*>(lpBits);
    if (nBitCount == 1) {
        // Rows are padded to 16 bits; a set bit is white.
        std::size_t stride = static_cast<std::size_t>((nWidth + 15) / 16) * 2;
        for (int y = 0; y < nHeight; ++y)
            for (int x = 0; x < nWidth; ++x) {
                bool set = bytes[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x / 8)] & (0x80 >> (x % 8));
                b->row(y)[x] = set ? 0x00FFFFFF : 0;
            }
    } else {
        // 32-bit rows hold B, G, R, A bytes. The alpha byte is kept in the pixel's top byte,
        // where AlphaBlend with AC_SRC_ALPHA reads it; drawing calls store their colours with
        // alpha zero, as the platform's do.
        for (int y = 0; y < nHeight; ++y)
            for (int x = 0; x < nWidth; ++x) {
                const BYTE* p = bytes + (static_cast<std::size_t>(y) * static_cast<std::size_t>(nWidth) + static_cast<std::size_t>(x)) * 4;
                b->row(y)[x] = RGB(p[2], p[1], p[0]) | (static_cast<COLORREF>(p[3]) << 24);
            }
    }
    return h;
}

}  // namespace ulmaro::platform
