// The regular-expression object. The label's mark-up token pattern, its main customer, is
// tested through the label (tests/label).
#include "framework/regexp.h"

#include "support/run_time_error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ulmaro;
using ulmaro::test::errorNumber;
using Groups = std::vector<std::string>;

TEST(RegExp, AlternationIsLeftmostFirst) {
    RegExp re;
    re.SetPattern("a|ab");
    EXPECT_EQ(re.Execute("ab")[0].Value, "a");  // not the longest alternative
    re.SetPattern("(?:a|ab)c");
    EXPECT_EQ(re.Execute("abc")[0].Value, "abc");  // backtracks into the second one
}

TEST(RegExp, GlobalControlsHowManyMatches) {
    RegExp re;
    re.SetPattern("o");
    EXPECT_EQ(re.Execute("foo boo").size(), 1u);
    EXPECT_EQ(re.Replace("foo boo", "0"), "f0o boo");
    re.SetGlobal(true);
    EXPECT_EQ(re.Execute("foo boo").size(), 4u);
    EXPECT_EQ(re.Replace("foo boo", "0"), "f00 b00");
    re.SetPattern("aa");
    EXPECT_EQ(re.Execute("aaaaa").size(), 2u);  // non-overlapping
}

TEST(RegExp, EmptyMatchesMoveOnByOneCharacter) {
    RegExp re;
    re.SetGlobal(true);
    re.SetPattern("x*");
    MatchCollection m = re.Execute("axxb");
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(m[0].FirstIndex, 0);
    EXPECT_EQ(m[1].FirstIndex, 1);
    EXPECT_EQ(m[1].Value, "xx");
    EXPECT_EQ(m[2].FirstIndex, 3);
    EXPECT_EQ(m[3].FirstIndex, 4);
    EXPECT_EQ(re.Replace("axxb", "-"), "-a--b-");
    EXPECT_EQ(re.Replace("", "-"), "-");
}

TEST(RegExp, GroupsThatTookNoPartAreEmpty) {
    RegExp re;
    re.SetPattern("(a)|(b)");
    MatchCollection m = re.Execute("b");
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].SubMatches, (Groups{"", "b"}));
    re.SetPattern("(a)?\\1b");  // a reference to an unset group matches nothing
    EXPECT_TRUE(re.Test("b"));
}

TEST(RegExp, ReplacementSequences) {
    RegExp re;
    re.SetPattern("(\\w+)@(\\w+)");
    EXPECT_EQ(re.Replace("mail joe@site now", "$2 at $1 [$&] $$ $3 $0 $x $"), "mail site at joe [joe@site] $ $3 $0 $x $ now");
    EXPECT_EQ(re.Replace("mail joe@site now", "<$`|$'>"), "mail <mail | now> now");
    EXPECT_EQ(re.Replace("mail joe@site now", "$10$02"), "mail joe0site now");  // no group 10; group 02
}

// IgnoreCase and Multiline recompile the pattern; without Multiline, $ is the very end.
TEST(RegExp, OptionsRecompileThePattern) {
    RegExp re;
    struct Step {
        const char* pattern;
        bool ignoreCase, multiline;
        const char* text;
        bool matches;
    } steps[] = {{"^b", false, false, "a\r\nB", false}, {"^b", true, false, "a\r\nB", false}, {"^b", true, true, "a\r\nB", true},
                 {"^b", true, true, "a\nB", true},       {"^b", false, true, "a\r\nB", false}, {"^B", false, true, "a\r\nB", true},
                 {"a$", false, false, "a", true},       {"a$", false, false, "a\n", false},   {"a$", false, true, "a\n", true}};
    for (const Step& st : steps) {
        re.SetPattern(st.pattern);
        re.SetIgnoreCase(st.ignoreCase);
        re.SetMultiline(st.multiline);
        EXPECT_EQ(re.Test(st.text), st.matches) << st.pattern << " " << st.ignoreCase << st.multiline;
    }
}

TEST(RegExp, TextIsSingleBytes) {
    RegExp re;
    re.SetGlobal(true);
    re.SetPattern(".");
    std::string text = "caf\xE9\xFF";  // not UTF-8
    EXPECT_EQ(re.Execute(text).size(), 5u);
    re.SetPattern("<A Name=\"([^\"]+)\">");
    MatchCollection m = re.Execute("<A Name=\"caf\xE9\">x");
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].SubMatches[0], "caf\xE9");
    EXPECT_EQ(m[0].Length, 15);
}

TEST(RegExp, BadPatternsRaiseASyntaxError) {
    RegExp re;
    re.SetPattern("(unclosed");
    EXPECT_EQ(errorNumber([&] { re.Test("x"); }), 5017);
    EXPECT_EQ(errorNumber([&] { re.Execute("x"); }), 5017);
    re.SetPattern("closed");
    EXPECT_TRUE(re.Test("closed"));
}

TEST(RegExp, RunawayBacktrackingStopsWithAnError) {
    RegExp re;
    re.SetPattern("(a+)+$");
    EXPECT_EQ(errorNumber([&] { re.Test(std::string(40, 'a') + "b"); }), 28);
    EXPECT_TRUE(re.Test("aaa"));  // the object stays usable
}
