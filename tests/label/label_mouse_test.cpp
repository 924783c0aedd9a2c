// The label under the mouse: the release point's rounding, the hand cursor over links and
// the hover timer's capture in transparent mode at run time. Events passed through, and
// LinkClick for every link under the release point (of the first 254), are in scripts/.
#include "label_fixture.h"


using namespace ulmaro;
using namespace ulmaro::test;

namespace {

constexpr int kLeft = 20, kTop = 20;
constexpr const char* kLinks = "Go <a name=\"home\">Home</a><a name=\"also\"></a> or <a name=\"away\">Away</a>";

std::vector<std::string> only(const std::vector<std::string>& events, const std::string& part) {
    std::vector<std::string> out;
    for (const std::string& e : events)
        if (e.find(part) != std::string::npos) out.push_back(e);
    return out;
}

}  // namespace

class LabelMouse : public LabelTest {
protected:
    void SetUp() override {
        LabelTest::SetUp();
        l = &place("Links", kLeft, kTop, 300, 40, kLinks);
        ASSERT_EQ(l->links().size(), 4u);
        home = l->links()[1].Rect;
        away = l->links()[3].Rect;
        // Form coordinates of a point inside each link, and of one on the label beside them.
        homeX = kLeft + (home.left + home.right) / 2;
        awayX = kLeft + (away.left + away.right) / 2;
        plainX = kLeft + 2;
        y = kTop + 5;
    }
    void click(int downX, int upX) {
        form->mouseDown(1, downX, y);
        form->mouseUp(1, upX, y);
    }
    ZynLabel* l = nullptr;
    RECT home{}, away{};
    int homeX = 0, awayX = 0, plainX = 0, y = 0;
};

TEST_F(LabelMouse, ReleasePointRoundsHalvesToEven) {
    std::int16_t button = 1, shift = 0;
    float Y = 5;
    for (LONG edge : {home.left, away.left}) {
        events.clear();
        float X = static_cast<float>(edge) - 0.5f;
        l->MouseUp(button, shift, X, Y);
        // Half a pixel before the edge rounds onto it only when the edge is even.
        EXPECT_EQ(only(events, "LinkClick").empty(), edge % 2 != 0) << edge;
    }
}

// A LinkClick handler that lays the label out again ends the round (handlers that move the
// point or rename the link are in scripts/links_under_the_mouse).
TEST_F(LabelMouse, AHandlerThatLaysTheLabelOutAgainEndsTheRound) {
    onEvent = [&](Control&, const EventInfo& e, std::vector<Variant>&) {
        if (e.name == "LinkClick") l->setCaption("<a name=\"new\">Home page</a>");
    };
    click(homeX, homeX);
    EXPECT_EQ(only(events, "LinkClick"), std::vector<std::string>{"Links.LinkClick \"home\""});
    EXPECT_EQ(l->links()[1].Name, "new");
}

// The hand over links only.
TEST_F(LabelMouse, HandCursorOverLinks) {
    for (auto [x, cursor] : {std::pair{plainX, 32512}, {homeX, 32649}, {kLeft + home.right + 1, 32512}}) {
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
        form->mouseMove(x, y);
        EXPECT_EQ(CursorId(GetCursor()), cursor) << x;
    }
}

// ---- Hover timer ----------------------------------------------------------------------------------

TEST_F(LabelMouse, TransparentAtRunTimeHoldsTheCaptureWhileThePointerIsInside) {
    const HWND h = l->surface().hWnd();
    EXPECT_FALSE(l->timer1().Enabled());
    l->setBackStyle(0);
    EXPECT_TRUE(l->timer1().Enabled());
    EXPECT_EQ(l->timer1().Interval(), 1);
    form->mouseMove(plainX, y);
    EXPECT_EQ(GetCapture(), nullptr);
    form->tick(1);
    EXPECT_EQ(GetCapture(), h);
    EXPECT_TRUE(l->captured());
    // Taken only on the way in: another window's capture stays.
    ZynLabel& other = place("Other", 0, 150, 50, 20, "o");
    SetCapture(other.surface().hWnd());
    form->tick(3);
    EXPECT_EQ(GetCapture(), other.surface().hWnd());
    SetCapture(h);
    // Outside the label: the captured label still hears the move, then lets go.
    events.clear();
    form->mouseMove(5, 5);
    EXPECT_EQ(only(events, "MouseMove").size(), 1u);
    form->tick(1);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(l->captured());
    // Turning opaque stops the timer and gives up the capture.
    form->mouseMove(plainX, y);
    form->tick(1);
    ASSERT_EQ(GetCapture(), h);
    l->setBackStyle(1);
    EXPECT_FALSE(l->timer1().Enabled());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(l->captured());
}

TEST_F(LabelMouse, OpaqueLabelsAndDesignTimeNeverRunTheTimer) {
    form->mouseMove(plainX, y);
    form->tick(3);
    EXPECT_FALSE(l->timer1().Enabled());
    EXPECT_EQ(GetCapture(), nullptr);

    form->setUserMode(false);
    ZynLabel& design = place("Designed", 20, 100, 100, 20, "design");
    design.setBackStyle(0);
    EXPECT_EQ(design.surface().BackStyle(), 0);
    EXPECT_FALSE(design.timer1().Enabled());
    form->mouseMove(30, 105);
    form->tick(3);
    EXPECT_EQ(GetCapture(), nullptr);
}
