// ZynBarElement and ZynBarTool: title layout, see-through corners, persistence; the events
// passed through are a transcript in scripts/, the pictures are drawn by pictures/.
#include "support/transcript.h"

#include "bar/zyn_bar_element.h"
#include "bar/zyn_bar_tool.h"
#include "framework/property_bag.h"

using namespace ulmaro;
using ulmaro::test::Harness;

namespace {

const std::string kStar = ULMARO_SOURCE_DIR "/examples/pictures/star32.png";

struct BarForm {
    Harness h{300, 200};
    ZynBarElement* bar;
    explicit BarForm(int height = 80, const std::string& extra = {})
        : bar(&h.place<ZynBarElement>("new ZynBarElement Bar1 10 10 160 " + std::to_string(height))) {
        h.run(extra);
    }
    int height() const {
        platform::RECT r = h.form->boundsOf(*bar);
        return r.bottom - r.top;
    }
};

}  // namespace

TRANSCRIPTS("bar");
PICTURES("bar", "Bar1", 0);

TEST(BarElement, TitleHeightComesFromCaptionIconAndIconBorder) {
    BarForm f;
    EXPECT_EQ(f.bar->TitleHeight(), 20);
    f.h.run("set Bar1.Caption \"\"\nresize Bar1 160 81\n");
    EXPECT_EQ(f.bar->TitleHeight(), 0);
    f.h.run("set Bar1.Icon \"" + kStar + "\"\n");
    EXPECT_EQ(f.bar->TitleHeight(), 38);  // 32 pixels and the default border of 6
    f.h.run("set Bar1.IconBorder 10\n");
    EXPECT_EQ(f.bar->TitleHeight(), 42);
}

TEST(BarElement, ACaptionChangeKeepsTheTitleHeightUntilTheNextLayout) {
    BarForm f(80, "set Bar1.Caption \"\"\nresize Bar1 160 81\n");
    f.h.run("set Bar1.Caption \"Tools\"\n");
    EXPECT_EQ(f.bar->TitleHeight(), 0);
    f.h.run("resize Bar1 160 82\n");
    EXPECT_EQ(f.bar->TitleHeight(), 20);
}

TEST(BarElement, AShortPanelGrowsToItsTitle) {
    BarForm f(8);
    EXPECT_EQ(f.height(), 20);
    f.h.run("set Bar1.Icon \"" + kStar + "\"\n");
    EXPECT_EQ(f.height(), 38);
}

TEST(BarElement, UseMaskAndFontDoNotRedraw) {
    BarForm f;
    const int clears = f.bar->surface().clearCount();
    f.h.run("set Bar1.UseMask True\nset Bar1.Font.Bold True\nset Bar1.HandPointer True\n");
    EXPECT_EQ(f.bar->surface().clearCount(), clears);
    f.h.run("set Bar1.Round True\n");
    EXPECT_EQ(f.bar->surface().clearCount(), clears + 1);
}

TEST(BarElement, RoundCornersAreSeeThrough) {
    BarForm f(80, "set Bar1.Round True\nset Bar1.Caption \"Tools\"\n");
    // The form shows through the outer corner pixels; the marks sit just inside them.
    EXPECT_EQ(f.h.pixel(10, 10), f.h.pixel(5, 5));
    EXPECT_EQ(f.h.pixel(169, 89), f.h.pixel(5, 5));
    EXPECT_NE(f.h.pixel(14, 10), f.h.pixel(5, 5));
    EXPECT_EQ(f.h.form->controlAt(10, 10), nullptr);
    EXPECT_EQ(f.h.form->controlAt(20, 20), f.bar);
    f.h.run("set Bar1.Round False\n");
    EXPECT_EQ(f.h.form->controlAt(10, 10), f.bar);
}

TEST(BarElement, PersistsAndDefaults) {
    BarForm f;
    PropertyBag bag;
    f.bar->WriteProperties(bag);
    EXPECT_EQ(bag.ReadProperty("IconBorder").toInt16(), 6);
    PropertyBag empty;
    auto& loaded = dynamic_cast<ZynBarElement&>(f.h.form->place("ZynBarElement", "Bar2", 0, 100, 100, 50, nullptr, &empty));
    EXPECT_EQ(loaded.MaskColor(), 255u);
    EXPECT_EQ(loaded.Caption(), "Bar2");
}

TEST(BarTool, ShowsOnlyItsBackColour) {
    Harness h{200, 100};
    h.run("new ZynBarElement Bar1 0 0 200 100\nnew ZynBarTool Tool1 10 30 100 20 in Bar1\n");
    auto* tool = &h.control<ZynBarTool>("Tool1");
    EXPECT_EQ(tool->BackColor(), 0x8000000Fu);  // the form's colour
    h.run("set Tool1.BackColor &H00C0FF\n");
    const platform::COLORREF orange = 0x00C0FF;
    EXPECT_EQ(h.pixel(10, 30), orange);
    EXPECT_EQ(h.pixel(109, 49), orange);
    EXPECT_NE(h.pixel(110, 50), orange);
    PropertyBag bag;
    tool->WriteProperties(bag);
    EXPECT_EQ(bag.ReadProperty("BackColor").toInt32(), 0x00C0FF);
}
