// ZynTextBox edited through the form as a user types: characters and their events, the
// key filter, Ctrl+A, undo, the clipboard commands, TAB indent and unindent, and the
// text kept across a change of Multiline.
#include <ulmaro/platform/win32.h>

#include "text_box_support.h"

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
    // Enter as the keyboard gives it: the key, then the character it types.
    void enter() {
        f.h.form->keyDown(13);
        f.h.form->keyPress(13);
        f.h.form->keyUp(13);
    }
};

}  // namespace

TEST_F(Editing, TypedCharactersReachTheFocusedBoxWithTheirEvents) {
    EXPECT_EQ(f.run("focus Text1\ntype ab\n"), "Text1.KeyPress 97\nText1.Change\nText1.KeyPress 98\nText1.Change\n");
    // Backspace deletes; a KeyPress handler that cancels a key (printed as it returns it)
    // keeps it from the box.
    EXPECT_EQ(f.run("type \"\b\"\n"), "Text1.KeyPress 8\nText1.Change\n");
    EXPECT_EQ(f.text("Text1"), "a");
    EXPECT_EQ(f.run("on Text1.KeyPress KeyAscii=0\ntype z\noff Text1.KeyPress\n"), "Text1.KeyPress 0\n");
    EXPECT_EQ(f.text("Text1"), "a");
    // One that changes it hands the box the new character.
    f.run("on Text1.KeyPress KeyAscii=66\ntype z\noff Text1.KeyPress\n");
    EXPECT_EQ(f.text("Text1"), "aB");
    EXPECT_EQ(f.text("Text2"), "");
}

TEST_F(Editing, FilterAllowAndForbidLists) {
    f.run("set Text1.FilterAllow \"0123456789\"\nfocus Text1\n");
    // Filter off: the lists are ignored.
    f.run("type 1a\n");
    EXPECT_EQ(f.text("Text1"), "1a");
    f.run("set Text1.Filter True\nset Text1.Text \"\"\n");
    EXPECT_EQ(
        f.run("type 4x2\n"),
        "Text1.KeyPress 52\nText1.Change\nText1.KeyPress 120\nText1.ForbidKey 120\nText1.KeyPress 50\nText1.Change\n");
    EXPECT_EQ(f.text("Text1"), "42");
    // Backspace, Enter and the clipboard keys pass; other control characters do not.
    f.h.form->keyPress(8);
    EXPECT_EQ(f.text("Text1"), "4");
    for (int k : {1, 26, 27, 9})
        EXPECT_EQ(f.run("type \"" + std::string(1, static_cast<char>(k)) + "\"\n"),
                  "Text1.KeyPress " + std::to_string(k) + "\nText1.ForbidKey " + std::to_string(k) + "\n");
    EXPECT_EQ(f.text("Text1"), "4");
    // A forbidden character loses even when allowed; letter case is ignored.
    f.run("set Text1.FilterAllow \"abc\"\nset Text1.FilterForbid \"B\"\n");
    EXPECT_EQ(f.run("type Ab\n"), "Text1.KeyPress 65\nText1.Change\nText1.KeyPress 98\nText1.ForbidKey 98\n");
    // ForbidKey cannot let a character through, and a cancelled one is judged as 0.
    f.run("on Text1.ForbidKey KeyAscii=99\n");
    f.run("type z\n");
    EXPECT_EQ(f.text("Text1"), "4A");
    EXPECT_EQ(f.run("off Text1.ForbidKey\non Text1.KeyPress KeyAscii=0\ntype c\n"),
              "Text1.KeyPress 0\nText1.ForbidKey 0\n");
}

TEST_F(Editing, CtrlASelectsAllBeforeKeyDownAndUndoRestores) {
    f.run("focus Text1\ntype hello\n");
    f.run("on Text1.KeyDown KeyCode=0\n");
    EXPECT_EQ(f.run("shift 2\nkeydown 65\nkeyup 65\nshift 0\nget Text1.SelLength\n"),
              "Text1.KeyDown 0 2\nText1.KeyUp 65 2\nText1.SelLength = 5\n");
    f.run("off Text1.KeyDown\ntype X\n");
    EXPECT_EQ(f.text("Text1"), "X");
    EXPECT_EQ(f.run("get Text1.CanUndo\ncall Text1.Undo\n"), "Text1.CanUndo = True\nText1.Change\nText1.Undo = True\n");
    EXPECT_EQ(f.text("Text1"), "hello");
}

TEST_F(Editing, CopyCutAndPasteGoThroughTheFocusedBox) {
    // Copy moves the focus into the box first: with SelectOnFocus that selects everything.
    f.run(
        "set Text1.Text \"one two\"\nset Text2.Text \"x\"\nfocus Text2\ncall Text1.SelectText 4 3\ncall Text1.Copy\n"
        "call Text2.SelectText 1 0\ncall Text2.Paste\n");
    EXPECT_EQ(f.text("Text2"), "one two");  // and so does Paste: it replaces everything
    f.run("set Text1.SelectOnFocus False\nset Text2.SelectOnFocus False\nset Text2.Text \"x\"\nfocus Text2\n");
    // Then Ctrl+C goes to it.
    f.run("call Text1.SelectText 4 3\n");
    EXPECT_EQ(f.run("call Text1.Copy\n"), "Text1.KeyDown 67 2\nText1.KeyPress 3\nText1.KeyUp 67 2\n");
    EXPECT_EQ(f.h.form->focused(), f.h.form->find("Text1"));
    f.run("call Text2.SelectText 1 0\ncall Text2.Paste\n");
    EXPECT_EQ(f.text("Text2"), "xtwo");
    f.run("call Text2.SelectText 0 1\ncall Text2.Cut\ncall Text1.SelectText 0 0\ncall Text1.Paste\n");
    EXPECT_EQ(f.text("Text2"), "two");
    EXPECT_EQ(f.text("Text1"), "xone two");
    // The keys a user presses do the same.
    f.run("focus Text2\nshift 2\nkeydown 65\nshift 0\n");
    f.h.form->setShift(2);
    f.h.form->keyPress(24);  // Ctrl+X
    f.h.form->setShift(0);
    EXPECT_EQ(f.text("Text2"), "");
    f.h.form->keyPress(22);  // Ctrl+V
    EXPECT_EQ(f.text("Text2"), "two");
}

TEST_F(Editing, TabIndentsAndUnindentsSelectedLines) {
    f.run("focus Memo\n");
    f.run("type alpha\n");
    enter();
    f.run("type beta\n");
    enter();
    f.run("type gamma\n");
    ZynTextBox& m = f.box("Memo");
    m.SelectText(0, static_cast<std::int32_t>(m.Text().size()));
    // No control of the form is a tab stop while the memo has the focus: TAB reaches it.
    f.run("keydown 9\nkeyup 9\n");
    EXPECT_EQ(m.Text(), "\talpha\r\n\tbeta\r\n\tgamma");
    EXPECT_EQ(m.SelStart(), 0);
    EXPECT_EQ(m.SelLength(), 21);
    f.run("shift 1\nkeydown 9\nkeyup 9\nshift 0\n");
    EXPECT_EQ(m.Text(), "alpha\r\nbeta\r\ngamma");
    EXPECT_EQ(m.SelLength(), 18);
    // Blanks come off up to TabSize at a time.
    m.setText("      six\r\n  two");
    m.SelectText(0, 16);
    f.run("shift 1\nkeydown 9\nshift 0\n");
    EXPECT_EQ(m.Text(), "  six\r\ntwo");
    // Without a selection, TAB types itself and Shift+TAB deletes indentation after the caret.
    m.setText("    x");
    m.SelectText(0, 0);
    f.run("shift 1\nkeydown 9\nshift 0\n");
    EXPECT_EQ(m.Text(), "x");
    f.run("keydown 9\n");
    EXPECT_EQ(m.Text(), "\tx");
    m.SelectText(0, 0);
    f.run("shift 1\nkeydown 9\nshift 0\n");
    EXPECT_EQ(m.Text(), "x");
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
