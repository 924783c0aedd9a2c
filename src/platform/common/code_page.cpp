// Conversions between the ANSI code page (1252, the host's CP_ACP), UTF-8 and UTF-16.
// Counts follow the platform: a length of -1 means "up to and including the terminating
// zero"; an output size of 0 asks for the size needed; a buffer too small gives 0.
#include <ulmaro/platform/win32.h>

#include <array>
#include <cstdint>
#include <string>

namespace ulmaro::platform {

namespace {

// Code page 1252 differs from Latin-1 only in 0x80..0x9F. The five bytes it leaves
// undefined there map to the C1 control with the same number, as the platform does.
constexpr std::array<char16_t, 32> k1252High{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                             0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                             0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                             0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t fromAnsi(unsigned char b) { return (b >= 0x80 && b < 0xA0) ? k1252High[b - 0x80] : b; }

// The byte of a UTF-16 unit in code page 1252, or -1.
int toAnsi(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<int>(u);
    for (int i = 0; i < 32; ++i)
        if (k1252High[static_cast<std::size_t>(i)] == u) return 0x80 + i;
    return -1;
}

bool ansiPage(UINT cp) { return cp == CP_ACP || cp == 1252; }

// Decodes UTF-8; a malformed or overlong sequence, a surrogate or a value past U+10FFFF
// becomes U+FFFD and decoding resumes at the next byte.
std::u16string decodeUtf8(const unsigned char* s, std::size_t n) {
    std::u16string out;
    std::size_t i = 0;
    while (i < n) {
        unsigned char b = s[i];
        int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        char32_t cp = extra == 0 ? b : extra == 1 ? (b & 0x1Fu) : extra == 2 ? (b & 0x0Fu) : (b & 0x07u);
        bool ok = extra >= 0 && i + static_cast<std::size_t>(extra) < n;
        for (int k = 1; ok && k <= extra; ++k) {
            unsigned char c = s[i + static_cast<std::size_t>(k)];
            if ((c & 0xC0) != 0x80) ok = false;
            else cp = (cp << 6) | (c & 0x3Fu);
        }
        static constexpr char32_t kMin[4] = {0, 0x80, 0x800, 0x10000};
        if (ok && (cp < kMin[static_cast<std::size_t>(extra)] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) ok = false;
        if (!ok) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Copies a converted string out, as both conversions return it.
template <class Out, class S>
int deliver(const S& s, Out* dst, int dstSize) {
    if (s.size() > static_cast<std::size_t>(INT32_MAX)) return 0;
    int needed = static_cast<int>(s.size());
    if (dstSize == 0) return needed;
    if (!dst || dstSize < needed) return 0;
    for (std::size_t i = 0; i < s.size(); ++i) dst[i] = static_cast<Out>(s[i]);
    return needed;
}

}  // namespace

int MultiByteToWideChar(UINT CodePage, DWORD /*dwFlags*/, LPCCH lpMultiByteStr, int cbMultiByte, LPWSTR lpWideCharStr,
                        int cchWideChar) {
    if (!lpMultiByteStr || cbMultiByte == 0 || cbMultiByte < -1 || cchWideChar < 0) return 0;
    if (!ansiPage(CodePage) && CodePage != CP_UTF8) return 0;
    std::size_t n = cbMultiByte == -1 ? std::char_traits<char>::length(lpMultiByteStr) + 1 : static_cast<std::size_t>(cbMultiByte);
    const auto* bytes = reinterpret_cast<const unsigned char*>(lpMultiByteStr);
    std::u16string wide;
    if (CodePage == CP_UTF8) {
        wide = decodeUtf8(bytes, n);
    } else {
        wide.reserve(n);
        for (std::size_t i = 0; i < n; ++i) wide.push_back(fromAnsi(bytes[i]));
    }
    return deliver(wide, lpWideCharStr, cchWideChar);
}

int WideCharToMultiByte(UINT CodePage, DWORD /*dwFlags*/, LPCWCH lpWideCharStr, int cchWideChar, LPSTR lpMultiByteStr,
                        int cbMultiByte, LPCCH lpDefaultChar, LPBOOL lpUsedDefaultChar) {
    if (!lpWideCharStr || cchWideChar == 0 || cchWideChar < -1 || cbMultiByte < 0) return 0;
    if (!ansiPage(CodePage) && CodePage != CP_UTF8) return 0;
    // UTF-8 can say everything: a default character makes no sense there.
    if (CodePage == CP_UTF8 && (lpDefaultChar || lpUsedDefaultChar)) return 0;
    std::size_t n = cchWideChar == -1 ? std::char_traits<char16_t>::length(lpWideCharStr) + 1 : static_cast<std::size_t>(cchWideChar);
    std::string out;
    bool usedDefault = false;
    for (std::size_t i = 0; i < n; ++i) {
        char32_t u = lpWideCharStr[i];
        // A surrogate pair is one character; a lone surrogate is not one.
        bool pair = u >= 0xD800 && u <= 0xDBFF && i + 1 < n && lpWideCharStr[i + 1] >= 0xDC00 && lpWideCharStr[i + 1] <= 0xDFFF;
        if (pair) u = 0x10000 + ((u - 0xD800) << 10) + (lpWideCharStr[++i] - 0xDC00);
        else if (u >= 0xD800 && u <= 0xDFFF) u = CodePage == CP_UTF8 ? 0xFFFD : 0xFFFFFFFF;
        if (CodePage == CP_UTF8) {
            appendUtf8(out, u);
            continue;
        }
        int b = u <= 0xFFFF ? toAnsi(u) : -1;
        if (b < 0) {
            out.push_back(lpDefaultChar ? *lpDefaultChar : '?');
            usedDefault = true;
        } else {
            out.push_back(static_cast<char>(b));
        }
    }
    if (lpUsedDefaultChar) *lpUsedDefaultChar = usedDefault ? TRUE : FALSE;
    return deliver(out, lpMultiByteStr, cbMultiByte);
}

}  // namespace ulmaro::platform
