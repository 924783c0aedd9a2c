// A font's attributes by name (Name, Size, Bold, Italic, Underline, Strikethrough, Weight,
// Charset), as scripts and programs reach them through NAME.Font.ATTRIBUTE.
#pragma once

#include "std_font.h"
#include "variant.h"

#include <optional>
#include <string_view>

namespace ulmaro {

// Nothing when the font has no attribute of that name (letter case ignored).
std::optional<Variant> fontAttribute(const StdFont& font, std::string_view name);
// False when the font has no attribute of that name.
bool setFontAttribute(StdFont& font, std::string_view name, const Variant& value);

}  // namespace ulmaro
