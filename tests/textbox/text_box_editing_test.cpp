// ZynTextBox edited through the form as a user types: control characters, the clipboard
// keys and the text kept across a change of Multiline. Characters and their events, the key
// filter, Ctrl+A, undo, the clipboard commands and Tab indenting are transcripts in
// scripts/.
#include <ulmaro/platform/win32.h>

#include "text_box_support.h"

#include "support/transcript.h"

using namespace ulmaro;
using ulmaro::test::TextBoxForm;

namespace {

struct Editing : ::testing::Test {
    TextBoxForm f;
    void SetUp() override {
        f.run(
            "new ZynTextBox Text1 10 10 200 21\nnew ZynTextBox Text2 10 40 200 21\n"
            "new ZynTextBox Memo 10 70 200 100\nset Memo.Multiline True\n"
            "set Text1.Text \"\"\nset Text2.Text \"\"\nset Memo.Text \"\"\n");
    }
};

}  // namespace

TRANSCRIPTS("textbox");

// Control characters as the keyboard types them: Backspace deletes, and passes a filter
// as Enter and the clipboard keys do; other control characters do not.
TEST_F(Editing, ControlCharactersAndTheFilter) {
    EXPECT_EQ(f.run("focus Text1\ntype ab\n"), "Text1.KeyPress 97\nText1.Change\nText1.KeyPress 98\nText1.Change\n");
    EXPECT_EQ(f.run("type \"\b\"\n"), "Text1.KeyPress 8\nText1.Change\n");
    EXPECT_EQ(f.text("Text1"), "a");
    f.run("set Text1.FilterAllow \"0123456789\"\nset Text1.Filter True\nset Text1.Text \"\"\ntype 42\n");
    f.h.form->keyPress(8);
    EXPECT_EQ(f.text("Text1"), "4");
    for (int k : {1, 26, 27, 9})
        EXPECT_EQ(f.run("type \"" + std::string(1, static_cast<char>(k)) + "\"\n"),
                  "Text1.KeyPress " + std::to_string(k) + "\nText1.ForbidKey " + std::to_string(k) + "\n");
    EXPECT_EQ(f.text("Text1"), "4");
}

// Ctrl+X and Ctrl+V typed (the commands are in scripts/clipboard).
TEST_F(Editing, CutAndPasteKeys) {
    f.run("set Text2.Text \"two\"\nfocus Text2\nshift 2\nkeydown 65\nshift 0\n");
    f.h.form->setShift(2);
    f.h.form->keyPress(24);  // Ctrl+X
    f.h.form->setShift(0);
    EXPECT_EQ(f.text("Text2"), "");
    f.h.form->keyPress(22);  // Ctrl+V
    EXPECT_EQ(f.text("Text2"), "two");
}

TEST_F(Editing, MultilineKeepsTheTextAndTheShownBoxAnswers) {
    f.run("set Text1.Text \"keep me\"\nset Text1.PasswordChar \"*\"\nset Text1.Multiline True\n");
    ZynTextBox& t = f.box("Text1");
    EXPECT_EQ(t.activeBox(), 1);
    EXPECT_EQ(t.Text(), "keep me");
    EXPECT_EQ(t.textBox(1).PasswordChar(), "");  // the multi-line box has none
    f.run("set Text1.SelStart 5\nset Text1.MaxLength 9\n");
    EXPECT_EQ(t.textBox(1).SelStart(), 5);
    EXPECT_EQ(t.textBox(1).MaxLength(), 9);
    f.run("set Text1.Multiline False\n");
    EXPECT_EQ(t.activeBox(), 0);
    EXPECT_EQ(t.Text(), "keep me");
    EXPECT_EQ(f.run("get Text1.PasswordChar\n"), "Text1.PasswordChar = \"*\"\n");
}
