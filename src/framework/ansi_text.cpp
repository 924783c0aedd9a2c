#include "ansi_text.h"

#include <ulmaro/platform/win32.h>

#include <climits>

namespace ulmaro {

using namespace platform;

namespace {

std::u16string wide(UINT codePage, std::string_view s) {
    if (s.empty() || s.size() > static_cast<std::size_t>(INT_MAX)) return {};
    const int n = static_cast<int>(s.size());
    std::u16string w(static_cast<std::size_t>(MultiByteToWideChar(codePage, 0, s.data(), n, nullptr, 0)), u'\0');
    if (!w.empty()) MultiByteToWideChar(codePage, 0, s.data(), n, w.data(), static_cast<int>(w.size()));
    return w;
}

std::string narrow(UINT codePage, const std::u16string& w) {
    if (w.empty()) return {};
    const int n = static_cast<int>(w.size());
    std::string s(static_cast<std::size_t>(WideCharToMultiByte(codePage, 0, w.data(), n, nullptr, 0, nullptr, nullptr)), '\0');
    if (!s.empty()) WideCharToMultiByte(codePage, 0, w.data(), n, s.data(), static_cast<int>(s.size()), nullptr, nullptr);
    return s;
}

bool isAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace

std::string AnsiFromUtf8(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    return narrow(CP_ACP, wide(CP_UTF8, utf8));
}

std::string Utf8FromAnsi(std::string_view ansi) {
    if (isAscii(ansi)) return std::string(ansi);
    return narrow(CP_UTF8, wide(CP_ACP, ansi));
}

char AnsiUpper(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z') return static_cast<char>(b - 0x20);
    // à..þ but the division sign; š, œ, ž; ÿ.
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 0x20);
    if (b == 0x9A || b == 0x9C || b == 0x9E) return static_cast<char>(b - 0x10);
    if (b == 0xFF) return static_cast<char>(0x9F);
    return c;
}

}  // namespace ulmaro
