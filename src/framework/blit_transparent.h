// BlitTransparent: copies a block from one device context to another, leaving the
// destination untouched wherever the source has the mask colour.
#pragma once

#include <ulmaro/platform/win32.h>

#include <cstdint>

namespace ulmaro {

void BlitTransparent(platform::HDC& DestDC, int32_t& X, int32_t& Y, int32_t& Width, int32_t& Height,
                     platform::HDC& SrcDC, int32_t& SrcX, int32_t& SrcY, int32_t& MaskColor);

}  // namespace ulmaro
