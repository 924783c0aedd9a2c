// The clipboard the edit controls of this process share: one piece of text.
#pragma once

#include <optional>
#include <string>

namespace ulmaro::platform::edit {

void setClipboardText(std::string text);
// Nothing until something was copied or cut.
std::optional<std::string> clipboardText();
void clearClipboard();

}  // namespace ulmaro::platform::edit
