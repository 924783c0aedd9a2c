// ZynOptionButton groups beyond their transcripts (scripts/option_*) and pictures: handlers
// that keep reselecting, and the size a font gives.
#include "support/harness.h"

#include "checkoption/zyn_option_button.h"

using namespace ulmaro;
using ulmaro::test::Harness;

namespace {

struct Groups : ::testing::Test {
    Harness h{300, 100};
    void SetUp() override {
        h.run("new ZynOptionButton A1 10 10 120 17\nnew ZynOptionButton A2 10 30 120 17\n"
              "new ZynOptionButton A3 10 50 120 17\nset A2.Value 1\ntick 1\n");
    }
};

}  // namespace

TEST_F(Groups, HandlersThatReselectEndInAnErrorNotACrash) {
    h.run("on A1.Changed Value=1\non A2.Changed Value=1\n");
    EXPECT_NE(h.run("set A1.Value 1\n").find("error 28: Out of stack space"), std::string::npos);
    EXPECT_EQ(h.run("off A1.Changed\noff A2.Changed\nset A3.Value 1\n"), "A3.Changed 1\nA1.Changed 0\nA2.Changed 0\n");
}

TEST(OptionButton, FontGrowsTheControl) {
    Harness h(300, 100);
    h.run("new ZynOptionButton O 10 10 120 13\nset O.Font.Size 24\n");
    platform::RECT r = h.form->boundsOf(*h.form->find("O"));
    EXPECT_GT(r.bottom - r.top, 30);
}
