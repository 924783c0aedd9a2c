// The composed form as a PNG file.
#pragma once

#include "framework/form.h"

#include <string>

namespace ulmaro::app {

bool writeFormPicture(const Form& form, const std::string& path, std::string* error);

}  // namespace ulmaro::app
