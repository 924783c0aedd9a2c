// Controls inside a frame: they move, hide and clip with it, and form files keep the
// nesting. Disabling, the tab order and positions are the transcripts in scripts/.
#include "support/harness.h"

#include "framework/form_file.h"

#include <ulmaro/platform/host.h>

using namespace ulmaro;
using namespace ulmaro::platform;
using ulmaro::test::Harness;

namespace {

struct ContainerFixture : ::testing::Test {
    Harness h{300, 200};
    void SetUp() override {
        h.run("new ZynCommand Before 200 10 60 23\n"
              "new ZynFrame F 10 10 150 100\n"
              "new ZynCommand Inner 10 30 60 23 in F\n"
              "new ZynCommand Wide 100 70 100 23 in F\n"
              "new ZynCommand After 200 50 60 23\n"
              "on Inner.Click\non Wide.Click\n");
    }
};

}  // namespace

TEST_F(ContainerFixture, ContainedControlsMoveHideAndClipWithTheFrame) {
    const COLORREF buttonBorder = h.pixel(25, 45);  // Inner's left border at form (20, 40+)
    EXPECT_EQ(h.form->controlAt(30, 50)->name(), "Inner");
    // Wide sticks out of the frame's right side: cut at the frame's edge.
    EXPECT_EQ(h.form->controlAt(155, 90)->name(), "Wide");
    EXPECT_EQ(h.pixel(170, 90), h.pixel(170, 150));
    h.run("set F.Left 100\n");
    EXPECT_EQ(h.form->controlAt(130, 50)->name(), "Inner");
    EXPECT_EQ(h.pixel(115, 45), buttonBorder);
    h.run("set F.Visible False\n");
    EXPECT_EQ(h.form->controlAt(130, 50), nullptr);
    EXPECT_EQ(h.pixel(115, 45), h.pixel(5, 150));
}

TEST_F(ContainerFixture, NestedFormFileRoundTripsAndShowsContainersLast) {
    const std::string text = formToText(*h.form, "form.json");
    std::unique_ptr<Form> loaded = loadFormFromText(text, "form.json", true, nullptr);
    EXPECT_EQ(formToText(*loaded, "form.json"), text);
    ASSERT_NE(loaded->find("Inner"), nullptr);
    EXPECT_EQ(loaded->find("Inner")->container(), loaded->find("F"));
    // A frame saved disabled disables its controls when the loaded form shows.
    std::string disabled = text;
    disabled.replace(disabled.find("\"Enabled\": true", disabled.find("\"ZynFrame\"")), 15, "\"Enabled\": false");
    loaded = loadFormFromText(disabled, "form.json", true, nullptr);
    EXPECT_FALSE(loaded->find("Wide")->getProperty("Enabled").toBool());
}
