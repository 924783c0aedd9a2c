// ZynProgressBar's value and range rules, event orders, captions and directions (the
// transcripts in scripts/), its drawn caption, buffers and persistence.
#include "support/transcript.h"

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

TRANSCRIPTS("progress");

// The caption drawn is worked out again when the caption type changes, not when a Change
// handler hands over another value.
TEST_F(ProgressModel, DrawnCaptionFollowsTheCaptionTypeAndTheValueSet) {
    for (int type : {0, 1, 2, 3, 7}) {
        h.run("set P.CaptionType " + std::to_string(type) + "\n");
        EXPECT_EQ(bar->captionText(), bar->Caption()) << "type " << type;
    }
    h.run("set P.CaptionType 0\non P.Change Value=250\nset P.Value 10\n");
    EXPECT_EQ(bar->captionText(), "10%");
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
