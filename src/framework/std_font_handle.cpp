// Kept apart from the rest of StdFont so that programs that never create a platform font
// do not need the platform's font support.
#include "framework/std_font.h"

namespace ulmaro {

platform::HFONT StdFont::CreateHandle() const {
    platform::LOGFONTA lf = ToLogFont();
    return platform::CreateFontIndirectA(&lf);
}

}  // namespace ulmaro
