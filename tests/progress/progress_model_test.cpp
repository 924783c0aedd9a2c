// ZynProgressBar's value and range rules, event orders, captions, directions and
// persistence, driven through input scripts as a user drives them.
#include "support/harness.h"

#include "framework/form_file.h"
#include "progress/progress_caption.h"
#include "progress/zyn_progress_bar.h"

#include <fstream>

using namespace ulmaro;
using ulmaro::test::Harness;

namespace {

struct ProgressModel : ::testing::Test {
    Harness h{300, 100};
    ZynProgressBar* bar = &h.place<ZynProgressBar>("new ZynProgressBar P 4 4 104 20");
};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST_F(ProgressModel, ValuesAreClampedAndEndsRaiseTheirEventBeforeChange) {
    EXPECT_EQ(h.run("set P.Value 150\nget P.Value\n"), "P.Complete\nP.Change 100\nP.Value = 100\n");
    EXPECT_EQ(h.run("set P.Value -5\nget P.Value\n"), "P.Reset\nP.Change 0\nP.Value = 0\n");
    // The same value again raises everything again.
    EXPECT_EQ(h.run("set P.Value 0\nset P.Value 42.5\nset P.Value 42.5\n"),
              "P.Reset\nP.Change 0\nP.Change 42.5\nP.Change 42.5\n");
}

TEST_F(ProgressModel, StepsAndEnds) {
    EXPECT_EQ(h.run("call P.Inc\ncall P.Dec 2\n"), "P.Change 51\nP.Change 49\n");
    EXPECT_EQ(h.run("set P.Value 99\ncall P.Inc 2.5\n"), "P.Change 99\nP.Complete\nP.Change 100\n");
    EXPECT_EQ(h.run("call P.Reset\ncall P.Complete\n"), "P.Reset\nP.Change 0\nP.Complete\nP.Change 100\n");
}

TEST_F(ProgressModel, ChangeHandsOverTheStoredValueItself) {
    // What the handler assigns is stored as it is: not clamped, and the caption drawn for
    // the value set stays.
    h.run("on P.Change Value=250\n");
    EXPECT_EQ(h.run("set P.Value 10\nget P.Value\n"), "P.Change 250\nP.Value = 250\n");
    EXPECT_EQ(bar->captionText(), "10%");
}

TEST_F(ProgressModel, RangeChangesKeepMaxAboveMinAndPullTheValueIn) {
    EXPECT_EQ(h.run("set P.Max 20\nget P.Value\n"), "P.Complete\nP.Change 20\nP.Value = 20\n");
    EXPECT_EQ(h.run("set P.Max 0\nget P.Max\n"), "P.Complete\nP.Change 1\nP.Max = 1\n");
    // Min up to Max: Max is pushed to Min + 1 first, without events of its own.
    h.run("set P.Max 100\n");
    EXPECT_EQ(h.run("set P.Min 100\nget P.Max\nget P.Min\nget P.Value\n"),
              "P.Reset\nP.Change 100\nP.Max = 101\nP.Min = 100\nP.Value = 100\n");
    // Past 2^53 Min + 1 is Min again: the caption and the range set call each other until
    // the stack runs out, and the control stays usable once Min is brought back.
    EXPECT_EQ(h.run("set P.Min 1E+17\nset P.Min 0\nset P.Max 10\nget P.Value\n"),
              "error 28: Out of stack space\nP.Complete\nP.Change 1E+17\nP.Complete\nP.Change 10\nP.Value = 10\n");
}

TEST_F(ProgressModel, CaptionOfEveryType) {
    const char* expected[] = {"50%", "50.00%", "50", "50/100", ""};
    int types[] = {0, 1, 2, 3, 7};
    for (int i = 0; i < 5; ++i) {
        h.run("set P.CaptionType " + std::to_string(types[i]) + "\n");
        EXPECT_EQ(bar->Caption(), expected[i]) << "type " << types[i];
        EXPECT_EQ(bar->captionText(), expected[i]);
    }
    // The fraction is Value / (Max - Min): Min is not taken off the value.
    h.run("set P.CaptionType 0\nset P.Max 20\nset P.Min 10\nset P.Value 15\n");
    EXPECT_EQ(h.run("get P.Caption\n"), "P.Caption = \"150%\"\n");
    h.run("set P.CaptionType 1\nset P.Value 10.0007\n");
    EXPECT_EQ(bar->Caption(), "100.01%");
}

TEST_F(ProgressModel, MaskPlaceholdersMatchInAnyCase) {
    h.run("set P.CaptionType 2\nset P.CaptionMask \"%val of %MAX (from %Min)\"\n");
    EXPECT_EQ(bar->captionText(), "50 of 100 (from 0)");
    // Inserted text is not searched again by the same placeholder.
    EXPECT_EQ(ReplaceCaseless("%Val%VAL", "%val", "%Val"), "%Val%Val");
    EXPECT_EQ(FixedTwoDecimals(1.005), "1.01");
    EXPECT_EQ(FixedTwoDecimals(-0.001), "0.00");
    EXPECT_EQ(FixedTwoDecimals(99.995), "100.00");
}

TEST_F(ProgressModel, DirectionsFollowTheType) {
    EXPECT_EQ(h.run("set P.Direction 4\nget P.Direction\nset P.Direction 3\nget P.Direction\n"),
              "P.Direction = 0\nP.Direction = 3\n");
    h.run("set P.Direction 0\nset P.ProgressType 1\n");
    EXPECT_EQ(h.run("get P.Direction\nset P.Direction 2\nget P.Direction\nset P.Direction 5\nget P.Direction\n"),
              "P.Direction = 4\nP.Direction = 4\nP.Direction = 5\n");
    EXPECT_EQ(h.run("set P.ProgressType 0\nget P.Direction\n"), "P.Direction = 0\n");
}

TEST_F(ProgressModel, StartAngleRedrawsOnlyARoundControl) {
    int builds = bar->bufferBuilds();
    h.run("set P.StartAngle 90\n");
    EXPECT_EQ(bar->bufferBuilds(), builds);
    EXPECT_EQ(bar->StartAngle(), 90);
    h.run("set P.ProgressType 1\n");
    builds = bar->bufferBuilds();
    h.run("set P.StartAngle 180\n");
    EXPECT_EQ(bar->bufferBuilds(), builds + 1);
}

TEST_F(ProgressModel, CaptionColourAndDefaults) {
    EXPECT_EQ(h.run("set P.CaptionColor 255\nget P.UseCaptionColor\n"), "P.UseCaptionColor = True\n");
    h.run("set P.Max 20\nset P.BarColor 65280\n");
    EXPECT_EQ(h.run("set P.UseDefaultProperties True\nget P.UseDefaultProperties\nget P.Max\nget P.UseCaptionColor\n"
                    "get P.BarColor\n"),
              "P.UseDefaultProperties = False\nP.Max = 100\nP.UseCaptionColor = False\nP.BarColor = 12941855\n");
}

TEST_F(ProgressModel, SavesAndLoadsEveryPropertyWithoutEvents) {
    const std::string first = std::string(ULMARO_BINARY_DIR) + "/progress_round1.json";
    const std::string second = std::string(ULMARO_BINARY_DIR) + "/progress_round2.json";
    h.run("set P.Min -10\nset P.Max 30\nset P.Value 12.25\nset P.CaptionMask \"%Val left\"\nset P.CaptionType 3\n"
          "set P.CaptionColor 255\nset P.UseCaptionColor False\nset P.CaptionAlignment 36\nset P.SmoothScrolling False\n"
          "set P.CaptionOffsetX 3\nset P.CaptionOffsetY -2\nset P.ProgressType 1\nset P.Direction 5\nset P.StartAngle 270\n"
          "save " + first + "\n");
    auto form = loadForm(first);
    saveForm(*form, second);
    EXPECT_EQ(readFile(first), readFile(second));
    auto* p = dynamic_cast<ZynProgressBar*>(form->find("P"));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Value(), 12.25);
    EXPECT_EQ(p->Min(), -10);
    EXPECT_FALSE(p->UseCaptionColor());
    EXPECT_EQ(p->CaptionColor(), 255u);
    EXPECT_EQ(p->Direction(), 5);
    EXPECT_EQ(p->StartAngle(), 270);
    EXPECT_EQ(p->captionText(), "12/30 left");
}

TEST_F(ProgressModel, OnlyLayoutAndColourChangesRebuildTheBuffers) {
    const int builds = bar->bufferBuilds();
    h.run("set P.Value 10\ncall P.Inc 5\nset P.ShowCaption False\nset P.SmoothScrolling False\nset P.CaptionOffsetX 4\n");
    EXPECT_EQ(bar->bufferBuilds(), builds);
    h.run("set P.BarColor 255\n");
    EXPECT_EQ(bar->bufferBuilds(), builds + 1);
    h.run("set P.Max 50\n");
    EXPECT_EQ(bar->bufferBuilds(), builds + 2);
    h.run("resize P 120 30\n");
    EXPECT_EQ(bar->bufferBuilds(), builds + 3);
    // Gone when the control ends; the next Refresh would build them again.
    bar->Terminate();
    EXPECT_FALSE(bar->hasBuffers());
}
