// The line interface of ZynTextBox over its shown box: counting and finding lines, line
// text, going to a line, selecting, scrolling, and what lies under a point. The memo's text
// starts at x = 5 (its left margin) and its lines are 13 pixels apart (MS Sans Serif 8).
#include "text_box_support.h"

using namespace ulmaro;
using ulmaro::test::TextBoxForm;

namespace {

struct Lines : ::testing::Test {
    TextBoxForm f;
    ZynTextBox* memo = nullptr;
    void SetUp() override {
        f.run("new ZynTextBox Memo 10 10 200 60\nset Memo.Multiline True\nnew ZynTextBox Text1 10 80 200 21\n");
        memo = &f.box("Memo");
        memo->setText("alpha_1 beta\r\n\r\ngamma delta\r\nlast");
    }
};

}  // namespace

TEST_F(Lines, CountsFindsAndReadsLines) {
    EXPECT_EQ(f.run("get Memo.LineCount\n"), "Memo.LineCount = 4\n");
    memo->setSelStart(20);  // in "gamma"
    // Without arguments: the caret's line, its first character, its length, its text.
    EXPECT_EQ(f.run("get Memo.LineIndex\nget Memo.FirstChar\nget Memo.LineLength\ncall Memo.GetLine\n"),
              "Memo.LineIndex = 2\nMemo.FirstChar = 16\nMemo.LineLength = 11\nMemo.GetLine = \"gamma delta\"\n");
    EXPECT_EQ(f.run("get Memo.LineIndex 3\nget Memo.FirstChar 3\nget Memo.FirstChar 4\nget Memo.LineLength 1\n"
                    "get Memo.LineLength -1 29\ncall Memo.GetLine 1\ncall Memo.GetLine 3\n"),
              "Memo.LineIndex = 0\nMemo.FirstChar = 29\nMemo.FirstChar = -1\nMemo.LineLength = 0\n"
              "Memo.LineLength = 4\nMemo.GetLine = \"\"\nMemo.GetLine = \"last\"\n");
    // The single-line box has one line.
    EXPECT_EQ(f.run("get Text1.LineCount\ncall Text1.GetLine 0\n"), "Text1.LineCount = 1\nText1.GetLine = \"Text1\"\n");
}

TEST_F(Lines, GotoLineSelectTextAndScrollToBottom) {
    EXPECT_EQ(f.run("call Memo.GotoLine 4\n"), "Memo.GotoLine = False\n");
    EXPECT_EQ(f.h.form->focused(), nullptr);  // nothing moved
    EXPECT_EQ(f.run("call Memo.GotoLine 3\nget Memo.SelStart\nget Memo.SelLength\n"),
              "Memo.GotoLine = True\nMemo.SelStart = 29\nMemo.SelLength = 0\n");
    EXPECT_EQ(f.h.form->focused(), f.h.form->find("Memo"));
    // Four lines in a box of four and a bit: going to the last one scrolled nothing.
    EXPECT_EQ(f.run("get Memo.FirstVisibleLine\n"), "Memo.FirstVisibleLine = 0\n");
    f.run("call Memo.SelectText 4 3\n");
    EXPECT_EQ(memo->textBox(1).SelText(), "a_1");
    f.run("call Memo.SelectText 0 -1\n");
    EXPECT_EQ(memo->SelLength(), 33);
    // With many lines, the bottom comes into view and the caret sits after the last character.
    std::string many;
    for (int i = 0; i < 30; ++i) many += "line " + std::to_string(i) + "\r\n";
    memo->setText(many + "end");
    f.run("call Memo.ScrollToBottom\n");
    EXPECT_EQ(memo->SelStart(), static_cast<std::int32_t>(many.size() + 3));
    EXPECT_EQ(memo->SelLength(), 0);
    EXPECT_EQ(f.run("get Memo.FirstVisibleLine\n"), "Memo.FirstVisibleLine = 27\n");
    f.run("call Memo.GotoLine 2\n");
    EXPECT_EQ(f.run("get Memo.FirstVisibleLine\n"), "Memo.FirstVisibleLine = 2\n");
}

TEST_F(Lines, WhatLiesUnderAPoint) {
    // Line 0 at y 0..12, line 2 at 26..38; "a" of alpha_1 covers x 5..11.
    EXPECT_EQ(
        f.run("call Memo.OverChar 6 4\ncall Memo.OverLine 6 4\ncall Memo.OverLine 6 30\ncall Memo.OverChar 6 30\n"),
        "Memo.OverChar = 0\nMemo.OverLine = 0\nMemo.OverLine = 2\nMemo.OverChar = 16\n");
    // Past the end of a line: the end of that line; below the last line: the last line.
    EXPECT_EQ(f.run("call Memo.OverChar 190 4\ncall Memo.OverLine 8 55\n"), "Memo.OverChar = 12\nMemo.OverLine = 3\n");
    std::int32_t start = -1, length = -1;
    EXPECT_EQ(memo->OverWord(20, 4, start, length), "alpha_1");
    EXPECT_EQ(start, 0);
    EXPECT_EQ(length, 7);
    EXPECT_EQ(memo->OverWord(30, 30, start, length), "gamma");
    EXPECT_EQ(start, 16);
    // Over the blank after alpha_1 (x 42..45 is nearest to its boundary): an empty word.
    EXPECT_EQ(memo->OverChar(44, 4), 7);
    EXPECT_EQ(memo->OverWord(44, 4, start, length), "");
    EXPECT_EQ(length, 0);
}
