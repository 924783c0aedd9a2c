// Picture files: any bytes either make a picture or are refused with PictureLoadError
// (BMP and PNG both, told apart by their signatures as the loader does).
#include "fuzz_support.h"

#include "framework/std_picture.h"

#include <vector>

namespace ulmaro::fuzz {

int Picture(const std::uint8_t* data, std::size_t size) {
    HandleBaseline baseline;
    {
        const std::vector<std::uint8_t> file(data, data + size);
        try {
            StdPicturePtr picture = StdPicture::FromFileBytes(file, "fuzz");
            if (!picture) Fault("a picture loaded as nothing");
        } catch (const PictureLoadError&) {
        }
    }
    baseline.check();
    return 0;
}

}  // namespace ulmaro::fuzz
