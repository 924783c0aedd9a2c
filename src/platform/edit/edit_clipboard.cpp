#include "edit_clipboard.h"

namespace ulmaro::platform::edit {

namespace {
std::optional<std::string>& clipboard() {
    static std::optional<std::string> c;
    return c;
}
}  // namespace

void setClipboardText(std::string text) { clipboard() = std::move(text); }
std::optional<std::string> clipboardText() { return clipboard(); }
void clearClipboard() { clipboard().reset(); }

}  // namespace ulmaro::platform::edit
