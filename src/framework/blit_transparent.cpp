// The transparent copy is built from two masks: a monochrome mask that is white where the
// source has the mask colour, and its inverse. Merging the destination with the mask's
// inverse whitens the opaque part; merging a copy of the source with the mask whitens the
// transparent part; and-ing the two leaves the destination where transparent and the
// source elsewhere.
#include "framework/blit_transparent.h"

#include <ulmaro/platform/scoped_gdi.h>

namespace ulmaro {

using namespace platform;

void BlitTransparent(HDC& DestDC, int32_t& X, int32_t& Y, int32_t& Width, int32_t& Height, HDC& SrcDC,
                     int32_t& SrcX, int32_t& SrcY, int32_t& MaskColor) {
    // 1. A monochrome mask context and a work context like the destination.
    // The guards release everything made here, in reverse order, when the function ends.
    MemoryDC maskDC(DestDC);
    MemoryDC workDC(DestDC);
    ScopedBitmap maskBmp(CreateBitmap(Width, Height, 1, 1, nullptr));
    ScopedBitmap workBmp(CreateCompatibleBitmap(DestDC, Width, Height));
    SelectedObject maskIn(maskDC, maskBmp);
    SelectedObject workIn(workDC, workBmp);

    // 2. The mask: white where the source has the mask colour.
    const COLORREF oldBack = SetBkColor(SrcDC, static_cast<COLORREF>(MaskColor));
    BitBlt(maskDC, 0, 0, Width, Height, SrcDC, SrcX, SrcY, SRCCOPY);
    SetBkColor(SrcDC, oldBack);

    // 3. Whiten the destination where the source is opaque.
    BitBlt(workDC, 0, 0, Width, Height, maskDC, 0, 0, SRCCOPY);
    BitBlt(DestDC, X, Y, Width, Height, workDC, 0, 0, MERGEPAINT);

    // 4. Invert the mask: white where the source is opaque.
    BitBlt(maskDC, 0, 0, Width, Height, maskDC, 0, 0, NOTSRCCOPY);

    // 5. A copy of the source, whitened where it is transparent.
    BitBlt(workDC, 0, 0, Width, Height, SrcDC, SrcX, SrcY, SRCCOPY);
    BitBlt(workDC, 0, 0, Width, Height, maskDC, 0, 0, MERGEPAINT);

    // 6. And it onto the destination.
    BitBlt(DestDC, X, Y, Width, Height, workDC, 0, 0, SRCAND);
}

}  // namespace ulmaro
