#include "form_picture.h"

#include <ulmaro/platform/png.h>

namespace ulmaro::app {

bool writeFormPicture(const Form& form, const std::string& path, std::string* error) {
    std::vector<platform::COLORREF> px = form.compose();
    return platform::WritePng(path, platform::PixelView{px.data(), form.width(), form.height(), false}, error);
}

}  // namespace ulmaro::app
