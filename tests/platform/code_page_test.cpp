// Conversions between code page 1252, UTF-8 and UTF-16 with the platform's counting rules.
#include <ulmaro/platform/win32.h>

#include <gtest/gtest.h>

#include <string>

using namespace ulmaro::platform;

namespace {

std::u16string wide(UINT cp, const std::string& s) {
    int n = MultiByteToWideChar(cp, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::u16string out(static_cast<std::size_t>(n), u'\0');
    EXPECT_EQ(MultiByteToWideChar(cp, 0, s.data(), static_cast<int>(s.size()), out.data(), n), n);
    return out;
}

std::string narrow(UINT cp, const std::u16string& w, BOOL* usedDefault = nullptr) {
    int n = WideCharToMultiByte(cp, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, usedDefault);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(cp, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, usedDefault);
    return out;
}

}  // namespace

TEST(CodePage, Utf8ThroughUtf16To1252) {
    // "Café €5 Ångström" in UTF-8.
    std::string utf8 = "Caf\xC3\xA9 \xE2\x82\xAC" "5 \xC3\x85ngstr\xC3\xB6m";
    std::u16string w = wide(CP_UTF8, utf8);
    EXPECT_EQ(w, u"Café €5 Ångström");
    BOOL used = TRUE;
    EXPECT_EQ(narrow(CP_ACP, w, &used), "Caf\xE9 \x80" "5 \xC5ngstr\xF6m");
    EXPECT_FALSE(used);
    EXPECT_EQ(narrow(CP_UTF8, wide(1252, "\x80\x93\xFF")), "\xE2\x82\xAC\xE2\x80\x9C\xC3\xBF");
}

TEST(CodePage, MissingCharactersBecomeTheDefaultAndPairsCountOnce) {
    BOOL used = FALSE;
    EXPECT_EQ(narrow(1252, u"a\u4E2Db\U0001F600c", &used), "a?b?c");
    EXPECT_TRUE(used);
    char16_t lone[] = {u'x', 0xD800, u'y'};
    EXPECT_EQ(narrow(1252, std::u16string(lone, 3)), "x?y");
    // Malformed UTF-8 becomes U+FFFD, one per bad byte, and decoding goes on.
    EXPECT_EQ(wide(CP_UTF8, "a\xC3(\x80"), u"a\uFFFD(\uFFFD");
    EXPECT_EQ(wide(CP_UTF8, "\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong
}

TEST(CodePage, CountsIncludeTheTerminatorForMinusOneAndSmallBuffersFail) {
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, nullptr, 0), 4);
    WCHAR buf[3];
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, buf, 3), 0);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", 0, buf, 3), 0);
    EXPECT_EQ(MultiByteToWideChar(437, 0, "abc", 3, buf, 3), 0);  // only 1252 and UTF-8
    char out[4];
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"h\u00E9", -1, out, 4, nullptr, nullptr), 3);
    EXPECT_STREQ(out, "h\xE9");
    BOOL used = FALSE;
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, u"x", 1, out, 4, nullptr, &used), 0);
}
