// Captions at the size limit. The working index is a 16-bit Integer: a token that ends past
// character 32 766 of the working text overflows it (error 6); anything shorter, or a long
// caption whose tokens all end in time, lays out.
#include "label_fixture.h"
#include "support/run_time_error.h"

using namespace ulmaro;
using namespace ulmaro::test;

namespace {

std::string repeat(const std::string& s, int n) {
    std::string out;
    out.reserve(s.size() * static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

}  // namespace

using LongCaption = LabelTest;

// The longest plain run (sized to the whole of it), nothing but opening brackets, thousands
// of unclosed tags and of links, and a link name of 30 000 characters all lay out.
TEST_F(LongCaption, LongRunsManyTagsAndLongNamesLayOut) {
    ZynLabel& l = label("");
    for (char c : {'x', '<'}) {
        const std::string text(32767, c);
        l.setCaption(text);
        EXPECT_EQ(l.Text(), text);
        EXPECT_EQ(l.links().size(), 1u);
    }
    ZynLabel& sized = label(std::string(32767, 'x'));
    sized.setAutoSize(true);
    EXPECT_EQ(sized.surface().ScaleWidth(), 32767 * widthOf(sized, "x"));
    EXPECT_EQ(sized.surface().ScaleHeight(), lineHeight(sized));

    l.setCaption(repeat("<b>", 8000) + "x");
    EXPECT_EQ(l.Text(), "x");
    EXPECT_FALSE(l.Font()->Bold());
    EXPECT_TRUE(samePicture(l, label("<b>x")));
    l.setCaption(repeat("<a name=\"n\"></a>", 2000));
    EXPECT_EQ(l.links().size(), 2001u);

    const std::string name(30000, 'n');
    l.setCaption("<A Name=\"" + name + "\">go</A> on");
    ASSERT_EQ(l.links().size(), 2u);
    EXPECT_EQ(l.links()[1].Name, name);
    EXPECT_EQ(l.Text(), "go on");
}

TEST_F(LongCaption, TheWorkingIndexOverflowsPastItsLastPosition) {
    ZynLabel& l = label("");
    // A token ending at character 32 766: the next position, 32 767, still fits.
    l.setCaption(std::string(32763, 'x') + "<b>");
    EXPECT_EQ(l.Text().size(), 32763u);
    events.clear();
    // One character more and the position after the token does not.
    EXPECT_EQ(errorNumber([&] { l.setCaption(std::string(32764, 'x') + "<b>"); }), 6);
    // The error leaves the Let before Change is raised; the caption is stored.
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(l.Caption().size(), 32767u);
    EXPECT_EQ(errorNumber([&] { l.Refresh(); }), 6);
}

TEST_F(LongCaption, TheLimitCountsTheWorkingTextNotTheCaption) {
    ZynLabel& l = label("");
    // "<br>" shrinks to CR LF, so this 32 768-character caption ends its last token in time.
    l.setCaption(std::string(32763, 'x') + "<br>y");
    EXPECT_EQ(l.Text().size(), 32764u);
    // Text after the last token is no position to keep: any length lays out.
    l.setCaption("<b>" + std::string(40000, 'x'));
    EXPECT_EQ(l.Text().size(), 40000u);
    l.setCaption(std::string(40000, 'x'));
    EXPECT_EQ(l.Text().size(), 40000u);
}
