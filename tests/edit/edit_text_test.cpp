// The edit text and model against plain strings doing the same edits.
#include "platform/edit/edit_model.h"

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
    std::mt19937 rng(0x5EED1234);
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

// A plain-string editor with the same rules, written the obvious way.
struct PlainEditor {
    std::string s;
    std::size_t anchor = 0, caret = 0;
    std::string undoBefore, undoAfter;
    std::size_t undoAnchor = 0, undoCaret = 0;
    bool canUndo = false;
    std::size_t lo() const { return std::min(anchor, caret); }
    std::size_t hi() const { return std::max(anchor, caret); }
    bool space(std::size_t i) const { return s[i] == ' ' || s[i] == '\t' || s[i] == '\r' || s[i] == '\n'; }
    void place(std::size_t p, bool extend) {
        caret = p;
        if (!extend) anchor = p;
    }
};

TEST(EditModel, RandomKeystrokesMatchAPlainString) {
    std::mt19937 rng(0xC0FFEE);
    EditModel m(true);
    m.setLimit(kMaxLimit);
    PlainEditor p;
    for (int step = 0; step < 10000; ++step) {
        const int op = std::uniform_int_distribution<int>(0, 11)(rng);
        const bool shift = std::uniform_int_distribution<int>(0, 3)(rng) == 0;
        SCOPED_TRACE("step " + std::to_string(step) + " op " + std::to_string(op));
        auto edited = [&](std::size_t from, std::size_t count, const std::string& with) {
            p.s.replace(from, count, with);
            p.anchor = p.caret = from + with.size();
        };
        switch (op) {
            case 0:
            case 1:
            case 2: {
                const char c = "ab \tz"[std::uniform_int_distribution<int>(0, 4)(rng)];
                m.type(std::string(1, c));
                edited(p.lo(), p.hi() - p.lo(), std::string(1, c));
                break;
            }
            case 3:
                m.type("\r\n");
                edited(p.lo(), p.hi() - p.lo(), "\r\n");
                break;
            case 4:
                m.deleteBack();
                if (p.lo() != p.hi())
                    edited(p.lo(), p.hi() - p.lo(), "");
                else if (p.caret > 0) {
                    const std::size_t n = p.caret >= 2 && p.s.compare(p.caret - 2, 2, "\r\n") == 0 ? 2 : 1;
                    edited(p.caret - n, n, "");
                }
                break;
            case 5:
                m.deleteForward();
                if (p.lo() != p.hi())
                    edited(p.lo(), p.hi() - p.lo(), "");
                else if (p.caret < p.s.size())
                    edited(p.caret, p.s.compare(p.caret, 2, "\r\n") == 0 ? 2 : 1, "");
                break;
            case 6:
                m.moveLeft(shift);
                if (!shift && p.lo() != p.hi())
                    p.place(p.lo(), false);
                else if (p.caret > 0)
                    p.place(p.caret - (p.caret >= 2 && p.s.compare(p.caret - 2, 2, "\r\n") == 0 ? 2 : 1), shift);
                else
                    p.place(0, shift);
                break;
            case 7:
                m.moveRight(shift);
                if (!shift && p.lo() != p.hi())
                    p.place(p.hi(), false);
                else if (p.caret < p.s.size())
                    p.place(p.caret + (p.s.compare(p.caret, 2, "\r\n") == 0 ? 2 : 1), shift);
                else
                    p.place(p.caret, shift);
                break;
            case 8: {
                m.moveWordLeft(shift);
                std::size_t i = p.caret;
                while (i > 0 && p.space(i - 1)) --i;
                while (i > 0 && !p.space(i - 1)) --i;
                p.place(i, shift);
                break;
            }
            case 9: {
                m.moveWordRight(shift);
                std::size_t i = p.caret;
                while (i < p.s.size() && !p.space(i)) ++i;
                while (i < p.s.size() && p.space(i)) ++i;
                p.place(i, shift);
                break;
            }
            case 10: {
                m.moveLineHome(shift);
                std::size_t start = 0;
                for (std::size_t i = 0; i + 2 <= p.caret; ++i)
                    if (p.s.compare(i, 2, "\r\n") == 0) start = i + 2;
                p.place(start, shift);
                break;
            }
            case 11: {
                m.moveLineEnd(shift);
                const std::size_t nl = p.s.find("\r\n", p.caret);
                p.place(nl == std::string::npos ? p.s.size() : nl, shift);
                break;
            }
        }
        ASSERT_EQ(m.str(), p.s);
        ASSERT_EQ(m.caret(), p.caret);
        ASSERT_EQ(m.anchor(), p.anchor);
    }
}

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
