// The regular-expression object, with the label's mark-up token pattern as the main customer.
#include "framework/numeric.h"
#include "framework/regexp.h"

#include "support/run_time_error.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace ulmaro;
using ulmaro::test::errorNumber;

namespace {

// The label's token pattern: B, I, U, S, A, F and C tags, opening or closing, colour tags
// with six hexadecimal digits, named links, and CR LF.
constexpr std::string_view kTokenPattern =
    R"re((?:<(/)?(B|I|U|S|A|F|(?:F=([A-F0-9]{6}))|C|(?:C=([A-F0-9]{6}))|(?:A Name="([^"]+)"))>)|(\r\n))re";

struct Tokens : RegExp {
    Tokens() {
        SetPattern(std::string(kTokenPattern));
        SetIgnoreCase(true);
        SetMultiline(true);
        SetGlobal(true);
    }
};

using Groups = std::vector<std::string>;

std::vector<std::string> values(const MatchCollection& matches) {
    std::vector<std::string> v;
    for (const Match& m : matches) v.push_back(m.Value);
    return v;
}


}  // namespace

TEST(RegExpTokens, PatternIsTranscribedWhole) { EXPECT_EQ(kTokenPattern.size(), 93u); }

TEST(RegExpTokens, FindsEveryTokenInOrderWithPositions) {
    Tokens re;
    std::string work = "<b>x</C=FF0000>yy<A Name=\"home\">z\r\nw";
    MatchCollection m = re.Execute(work);
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(values(m), (std::vector<std::string>{"<b>", "</C=FF0000>", "<A Name=\"home\">", "\r\n"}));
    EXPECT_EQ(m[0].FirstIndex, 0);
    EXPECT_EQ(m[0].Length, 3);
    EXPECT_EQ(m[1].FirstIndex, 4);
    EXPECT_EQ(m[1].Length, 11);
    EXPECT_EQ(m[2].FirstIndex, 17);
    EXPECT_EQ(m[2].Length, 15);
    EXPECT_EQ(m[3].FirstIndex, 33);
    EXPECT_EQ(m[3].Length, 2);
    for (const Match& x : m) EXPECT_EQ(work.substr(static_cast<std::size_t>(x.FirstIndex), static_cast<std::size_t>(x.Length)), x.Value);
}

TEST(RegExpTokens, SubMatchesByGroupIndex) {
    Tokens re;
    struct Case {
        std::string text;
        Groups groups;  // indexes 0..5: slash, body, F digits, C digits, link name, line break
    };
    for (const Case& c : std::vector<Case>{
             {"<b>", {"", "b", "", "", "", ""}},
             {"</B>", {"/", "B", "", "", "", ""}},
             {"</C=FF0000>", {"/", "C=FF0000", "", "FF0000", "", ""}},
             {"<c=ff8000>", {"", "c=ff8000", "", "ff8000", "", ""}},
             {"<F=00ff80>", {"", "F=00ff80", "00ff80", "", "", ""}},
             {"<f>", {"", "f", "", "", "", ""}},
             {"<A Name=\"home\">", {"", "A Name=\"home\"", "", "", "home", ""}},
             {"<a name=\"x y\">", {"", "a name=\"x y\"", "", "", "x y", ""}},
             {"</A>", {"/", "A", "", "", "", ""}},
             {"\r\n", {"", "", "", "", "", "\r\n"}},
         }) {
        MatchCollection m = re.Execute(c.text);
        ASSERT_EQ(m.size(), 1u) << c.text;
        EXPECT_EQ(m[0].Value, c.text);
        EXPECT_EQ(m[0].SubMatches, c.groups) << c.text;
    }
}

TEST(RegExpTokens, AnythingElseIsText) {
    Tokens re;
    for (std::string text : {"<C=00FF0>", "<C=00FF0G>", "<X>", "<B >", "<Bold>", "< B>", "<A Name=\"\">", "<A Name=home>",
                             "<F=1234567>", "\r", "\n", "\n\r", "<>", "</>", "<<b", "b>"})
        EXPECT_TRUE(re.Execute(text).empty()) << text;
    // A failed candidate does not hide a token that starts inside it.
    EXPECT_EQ(values(re.Execute("<C=00FF0<i>")), (std::vector<std::string>{"<i>"}));
    EXPECT_EQ(values(re.Execute("<<b>>")), (std::vector<std::string>{"<b>"}));
    EXPECT_EQ(values(re.Execute("\r\r\n\n")), (std::vector<std::string>{"\r\n"}));
}

TEST(RegExpTokens, LineBreakTagBecomesCrLf) {
    RegExp re;
    re.SetIgnoreCase(true);
    re.SetMultiline(true);
    re.SetGlobal(true);
    re.SetPattern("<br>");
    EXPECT_EQ(re.Replace("Line1<br>Line2<BR><Br>", "\r\n"), "Line1\r\nLine2\r\n\r\n");
    EXPECT_EQ(re.Replace("no breaks <b r>", "\r\n"), "no breaks <b r>");
}

TEST(RegExpTokens, LongInputsAreQuick) {
    Tokens re;
    auto started = std::chrono::steady_clock::now();
    EXPECT_TRUE(re.Execute(std::string(32767, '<')).empty());

    std::string bolds;
    for (int i = 0; i < 8000; ++i) bolds += "<b>";
    MatchCollection m = re.Execute(bolds);
    ASSERT_EQ(m.size(), 8000u);
    EXPECT_EQ(m[7999].FirstIndex, 3 * 7999);
    EXPECT_EQ(m[7999].SubMatches[1], "b");

    std::string names(32700, 'n');
    m = re.Execute("<A Name=\"" + names + "\">" + std::string(30, '<'));
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].SubMatches[4], names);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
}

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

TEST(RegExp, OptionsRecompileThePattern) {
    RegExp re;
    re.SetPattern("^b");
    EXPECT_FALSE(re.Test("a\r\nB"));
    re.SetIgnoreCase(true);
    EXPECT_FALSE(re.Test("a\r\nB"));
    re.SetMultiline(true);
    EXPECT_TRUE(re.Test("a\r\nB"));
    EXPECT_TRUE(re.Test("a\nB"));
    re.SetIgnoreCase(false);
    EXPECT_FALSE(re.Test("a\r\nB"));
    re.SetPattern("^B");
    EXPECT_TRUE(re.Test("a\r\nB"));
}

TEST(RegExp, DollarWithoutMultilineIsTheVeryEnd) {
    RegExp re;
    re.SetPattern("a$");
    EXPECT_TRUE(re.Test("a"));
    EXPECT_FALSE(re.Test("a\n"));
    re.SetMultiline(true);
    EXPECT_TRUE(re.Test("a\n"));
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
