#include "form_picture.h"

#include <ulmaro/platform/png.h>

#include <filesystem>

namespace ulmaro::app {

bool writeFormPicture(const Form& form, const std::string& path, std::string* error) {
    // A picture may go into a folder that does not exist yet.
    std::error_code ec;
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent, ec);
    std::vector<platform::COLORREF> px = form.compose();
    return platform::WritePng(path, platform::PixelView{px.data(), form.width(), form.height(), false}, error);
}

}  // namespace ulmaro::app
