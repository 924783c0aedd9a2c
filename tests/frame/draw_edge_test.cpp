// ZynDrawEdge: line placement on resize, which sides Edge shows, loading without the
// setters, Init drawing on the form; frames and edges of every kind are drawn by the
// scripts in pictures/.
#include "support/transcript.h"

#include "frame/zyn_draw_edge.h"

using namespace ulmaro;
using namespace ulmaro::platform;
using ulmaro::test::Harness;

namespace {

struct EdgeFixture : ::testing::Test {
    Harness h{120, 40};
    ZynDrawEdge* edge = &h.place<ZynDrawEdge>("new ZynDrawEdge E 10 10 100 20");
    int visibleLines() const {
        int n = 0;
        for (const LineObject* l : edge->lines()) n += l->Visible;
        return n;
    }
};

}  // namespace

TEST_F(EdgeFixture, LinesFollowTheSize) {
    EXPECT_EQ((std::vector<float>{edge->lHaut()[0].Y1, edge->lHaut()[1].Y1, edge->lBas()[0].Y1, edge->lBas()[1].Y1}),
              (std::vector<float>{1, 3, 19, 17}));
    h.run("resize E 60 30\n");
    EXPECT_EQ(edge->lDroite()[1].X1, 59);
    EXPECT_EQ(edge->lBas()[1].Y2, 27);
    ulmaro::test::expectSnapshot("frame", "edge_resized", ulmaro::test::formPicture(h));
}

TEST_F(EdgeFixture, EdgeChoosesTheSides) {
    h.run("set E.Edge 10\n");
    EXPECT_TRUE(edge->lHaut()[0].Visible && edge->lHaut()[1].Visible && edge->lBas()[0].Visible);
    EXPECT_EQ(visibleLines(), 4);
    h.run("set E.Edge 0\n");
    EXPECT_EQ(visibleLines(), 0);
    // Style alone changes nothing visible.
    std::vector<COLORREF> before = h.form->compose();
    h.run("set E.Style 9\n");
    EXPECT_EQ(h.form->compose(), before);
}

TEST_F(EdgeFixture, LoadingKeepsAllSidesUntilEdgeIsSet) {
    PropertyBag bag;
    bag.WriteProperty("Edge", Variant(std::int32_t{2}));
    h.form->place("ZynDrawEdge", "Loaded", 0, 0, 50, 20, nullptr, &bag);
    int visible = 0;
    for (const LineObject* l : h.control<ZynDrawEdge>("Loaded").lines()) visible += l->Visible;
    EXPECT_EQ(visible, 8);
    EXPECT_EQ(h.run("get Loaded.Edge\n"), "Loaded.Edge = 2\n");
}

TEST_F(EdgeFixture, InitDrawsOnTheFormAndHidesTheLines) {
    h.run("set E.Style 10\ncall E.Init\n");
    EXPECT_EQ(visibleLines(), 0);  // drawn on the form instead: see the "edges" picture
    h.run("set E.Edge 15\n");
    EXPECT_EQ(visibleLines(), 8);
}

PICTURES("frame", "", 0);
