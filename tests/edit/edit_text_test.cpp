// The edit text against a plain string doing the same edits, and the model's undo, limit
// and word rules.
#include "platform/edit/edit_model.h"

#include "support/seeded.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace ulmaro::platform::edit {
namespace {

std::vector<std::size_t> plainLineStarts(const std::string& s) {
    std::vector<std::size_t> starts{0};
    for (std::size_t i = 1; i < s.size(); ++i)
        if (s[i - 1] == '\r' && s[i] == '\n') starts.push_back(i + 1);
    return starts;
}

void expectSameLines(const EditText& t, const std::string& plain) {
    const auto starts = plainLineStarts(plain);
    ASSERT_EQ(t.str(), plain);
    ASSERT_EQ(t.lineCount(), starts.size());
    for (std::size_t l = 0; l < starts.size(); ++l) {
        ASSERT_EQ(t.lineStart(l), starts[l]) << "line " << l;
        const std::size_t end = l + 1 < starts.size() ? starts[l + 1] - 2 : plain.size();
        ASSERT_EQ(t.lineLength(l), end - starts[l]) << "line " << l;
    }
    for (std::size_t p = 0; p <= plain.size(); ++p) {
        const auto it = std::upper_bound(starts.begin(), starts.end(), p);
        ASSERT_EQ(t.lineOf(p), static_cast<std::size_t>(it - starts.begin()) - 1) << "pos " << p;
    }
}

// Replacements of every size at random places, with line breaks formed and split at the
// edges of the edit (a CR typed before an LF, the LF of a pair deleted, ...).
TEST(EditText, RandomReplacementsKeepLinesRight) {
    ulmaro::test::forEachSeed(0x5EED1234, 1, [](std::uint32_t seed) {
        std::mt19937 rng(seed);
        const char alphabet[] = {'a', 'b', ' ', '\t', '\r', '\n', '\r', '\n'};
        EditText t;
        std::string plain;
        for (int step = 0; step < 3000; ++step) {
            const std::size_t pos = std::uniform_int_distribution<std::size_t>(0, plain.size())(rng);
            const std::size_t count = std::uniform_int_distribution<std::size_t>(0, std::min<std::size_t>(4, plain.size() - pos))(rng);
            std::string s(std::uniform_int_distribution<std::size_t>(0, 4)(rng), 'x');
            for (char& c : s) c = alphabet[std::uniform_int_distribution<int>(0, 7)(rng)];
            t.replace(pos, count, s);
            plain.replace(pos, count, s);
            SCOPED_TRACE("step " + std::to_string(step));
            expectSameLines(t, plain);
            if (plain.size() > 300) {
                t.assign("");
                plain.clear();
            }
        }
    });
}

TEST(EditText, SplittingAndJoiningABreak) {
    EditText t("ab\r\ncd");
    t.replace(3, 0, "X");  // between CR and LF: the pair is gone
    EXPECT_EQ(t.lineCount(), 1u);
    t.replace(3, 1, "");  // joined again
    EXPECT_EQ(t.lineCount(), 2u);
    EXPECT_EQ(t.lineStart(1), 4u);
    EXPECT_TRUE(t.insideBreak(3));
}

// The keystrokes themselves are checked against a string model through the whole text box
// (tests/textbox/random_typing_test.cpp); here what typing alone does not reach.
TEST(EditModel, TypingUndoesAsOneAndUndoRedoes) {
    EditModel m(false);
    m.type("a");
    m.type("b");
    m.type("c");
    m.moveLeft(false);
    m.deleteBack();
    m.deleteBack();
    EXPECT_EQ(m.str(), "c");
    ASSERT_TRUE(m.undo());  // the two Backspaces come back together, selected
    EXPECT_EQ(m.str(), "abc");
    EXPECT_EQ(m.selectedText(), "ab");
    ASSERT_TRUE(m.undo());  // and go again
    EXPECT_EQ(m.str(), "c");
}

TEST(EditModel, LimitAndSingleLinePaste) {
    EditModel m(false);
    m.setLimit(5);
    m.replaceSelection("abc\r\ndef");
    EXPECT_EQ(m.str(), "abc");
    m.replaceSelection("defgh");
    EXPECT_EQ(m.str(), "abcde");
    EXPECT_FALSE(m.type("x"));
    m.select(0, 2);
    EXPECT_TRUE(m.type("x"));  // replacing a selection makes room
    EXPECT_EQ(m.str(), "xcde");

    EditModel ml(true);
    ml.setLimit(4);
    ml.replaceSelection("ab\r\ncd");  // the limit does not cut a line break in half
    EXPECT_EQ(ml.str(), "ab\r\n");
    ml.setText("ab\r\n");
    ml.setLimit(3);
    ml.moveTextEnd(false);
    EXPECT_EQ(ml.caret(), 4u);
    ml.select(3, 3);  // between CR and LF: kept out
    EXPECT_EQ(ml.caret(), 2u);
}

TEST(EditModel, WordUnderADoubleClick) {
    EditModel m(true);
    m.setText("alpha_1  beta\r\ngamma");
    EXPECT_EQ(m.wordAt(2), std::make_pair(std::size_t{0}, std::size_t{7}));
    EXPECT_EQ(m.wordAt(8), std::make_pair(std::size_t{7}, std::size_t{9}));  // the blanks
    EXPECT_EQ(m.wordAt(13), std::make_pair(std::size_t{13}, std::size_t{13}));  // a line break
    EXPECT_EQ(m.wordAt(20), std::make_pair(std::size_t{15}, std::size_t{20}));
}

}  // namespace
}  // namespace ulmaro::platform::edit
