// The line interface of ZynTextBox over its shown box (counting and finding lines, line
// text, going to a line, selecting, scrolling, and what lies under a point) is the
// transcripts in scripts/; here the focus GotoLine moves and the place OverWord gives.
#include "text_box_support.h"

#include "support/transcript.h"

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

// GotoLine gives the memo the focus; only a line that exists moves anything.
TEST_F(Lines, GotoLineFocusesTheMemo) {
    f.run("call Memo.GotoLine 4\n");
    EXPECT_EQ(f.h.form->focused(), nullptr);
    f.run("call Memo.GotoLine 3\n");
    EXPECT_EQ(f.h.form->focused(), f.h.form->find("Memo"));
}

// OverWord gives the word's start and length too; over the blank after alpha_1 (x 42..45
// is nearest to its boundary) an empty word.
TEST_F(Lines, OverWordGivesTheWordsPlace) {
    std::int32_t start = -1, length = -1;
    EXPECT_EQ(memo->OverWord(20, 4, start, length), "alpha_1");
    EXPECT_EQ(start, 0);
    EXPECT_EQ(length, 7);
    EXPECT_EQ(memo->OverWord(30, 30, start, length), "gamma");
    EXPECT_EQ(start, 16);
    EXPECT_EQ(memo->OverWord(44, 4, start, length), "");
    EXPECT_EQ(length, 0);
}
