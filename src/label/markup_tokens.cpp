#include "label/markup_tokens.h"

#include "framework/runtime_error.h"

#include <algorithm>
#include <cctype>

namespace ulmaro::markup {

Tag TagOf(const Match& m) {
    Tag t;
    const std::string& body = m.SubMatches[Body];
    if (!body.empty()) t.letter = static_cast<char>(std::toupper(static_cast<unsigned char>(body.front())));
    t.closing = m.SubMatches[Slash] == "/";
    return t;
}

std::string Mid(const std::string& s, std::int64_t start, std::int64_t length) {
    // As in the language, a start before the first character or a negative length is an
    // invalid procedure call.
    if (start < 1 || length < 0) throw RuntimeError(errors::InvalidProcedureCall);
    const auto size = static_cast<std::int64_t>(s.size());
    if (start > size || length == 0) return {};
    return s.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(std::min(length, size - start + 1)));
}

std::string Mid(const std::string& s, std::int64_t start) {
    return Mid(s, start, static_cast<std::int64_t>(s.size()));
}

std::int32_t HexColor(const std::string& bb, const std::string& gg, const std::string& rr) {
    std::int64_t value = 0;
    for (char c : bb + gg + rr) {
        int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
        value = value * 16 + digit;
    }
    // Six digits at most: the value always fits.
    return static_cast<std::int32_t>(value);
}

std::int32_t ColorOfBody(const std::string& body) { return HexColor(Mid(body, 7, 2), Mid(body, 5, 2), Mid(body, 3, 2)); }

std::int32_t ColorOfDigits(const std::string& digits) {
    return HexColor(Mid(digits, 5, 2), Mid(digits, 3, 2), Mid(digits, 1, 2));
}

}  // namespace ulmaro::markup
