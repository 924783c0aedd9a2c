// The pixels ZynCommand draws in each state, checked on the surface and on the composed form.
#include "support/harness.h"

#include "command/zyn_command.h"

#include <ulmaro/platform/host.h>

using namespace ulmaro;
using namespace ulmaro::platform;
using ulmaro::test::Harness;

namespace {

constexpr COLORREF kBorder = 0x733C00;
constexpr COLORREF kFormBack = RGB(236, 233, 216);  // the button face the form shows

struct ButtonFixture : ::testing::Test {
    Harness h{120, 60};
    ZynCommand* button = nullptr;
    void SetUp() override {
        h.run("new ZynCommand Command1 10 10 75 23\n");
        button = dynamic_cast<ZynCommand*>(h.form->find("Command1"));
    }
    COLORREF surface(int x, int y) const { return GetWindowSurface(button->surface().hWnd()).at(x, y); }
    // The first row and column holding caption ink (pure black) on the surface.
    POINT captionOrigin() const {
        PixelView v = GetWindowSurface(button->surface().hWnd());
        POINT p{-1, -1};
        for (int y = 0; y < v.height && p.y < 0; ++y)
            for (int x = 0; x < v.width; ++x)
                if (v.at(x, y) == 0) {
                    p.y = y;
                    break;
                }
        for (int x = 0; x < v.width && p.x < 0; ++x)
            for (int y = 0; y < v.height; ++y)
                if (v.at(x, y) == 0) {
                    p.x = x;
                    break;
                }
        return p;
    }
};

}  // namespace

TEST_F(ButtonFixture, RaisedWindowsXpBorderCornersAndBevel) {
    // Border box and the pixels that round it.
    EXPECT_EQ(surface(5, 0), kBorder);
    EXPECT_EQ(surface(0, 5), kBorder);
    EXPECT_EQ(surface(74, 10), kBorder);
    EXPECT_EQ(surface(10, 22), kBorder);
    for (POINT p : {POINT{2, 1}, POINT{3, 1}, POINT{1, 2}, POINT{1, 3}, POINT{71, 21}, POINT{73, 19}})
        EXPECT_EQ(surface(p.x, p.y), kBorder) << p.x << "," << p.y;
    // Corners are see-through on the form; just inside them the face shows.
    EXPECT_EQ(h.pixel(10, 10), kFormBack);
    EXPECT_EQ(h.pixel(13, 10), kFormBack);
    EXPECT_EQ(h.pixel(11, 11), kFormBack);
    EXPECT_EQ(h.pixel(84, 32), kFormBack);
    EXPECT_EQ(h.pixel(14, 10), kBorder);
    // The bevel's top highlight and bottom shadow (face colour is white: button face + 48).
    EXPECT_EQ(surface(5, 1), RGB(255, 255, 255));
    EXPECT_EQ(surface(5, 21), RGB(207, 207, 207));  // face - 48
    EXPECT_EQ(surface(5, 20), RGB(223, 223, 223));  // face - 32
    // The face darkens 25 levels from top to bottom: row 10 of 23 is face - 10.87, rounded.
    EXPECT_EQ(surface(5, 10), RGB(244, 244, 244));
    EXPECT_EQ(surface(1, 10), RGB(250, 250, 250));  // the left bevel, face - 5
}

TEST_F(ButtonFixture, HotAndFocusFramesUseTheirColours) {
    h.run("move 40 20\n");
    EXPECT_TRUE(button->IsOver());
    EXPECT_EQ(surface(1, 10), COLORREF{0x31B2FF});
    EXPECT_EQ(surface(10, 1), COLORREF{0xCEF3FF});
    EXPECT_EQ(surface(10, 2), COLORREF{0x8CDBFF});
    EXPECT_EQ(surface(10, 21), COLORREF{0x0096E7});
    EXPECT_EQ(surface(2, 10), COLORREF{0x6BCBFF});
    EXPECT_EQ(surface(72, 10), COLORREF{0x6BCBFF});
    h.run("move 200 200\ntick 3\nfocus Command1\n");
    EXPECT_FALSE(button->IsOver());
    EXPECT_TRUE(button->HasFocus());
    EXPECT_EQ(surface(1, 10), COLORREF{0xE7AE8C});
    EXPECT_EQ(surface(10, 1), COLORREF{0xFFE7CE});
    EXPECT_EQ(surface(10, 2), COLORREF{0xF7D7BD});
    EXPECT_EQ(surface(10, 21), COLORREF{0xEF826B});
    EXPECT_EQ(surface(2, 10), COLORREF{0xF0D1B5});
    // Without MustDrawFocus the plain bevel shows instead.
    h.run("set Command1.MustDrawFocus False\n");
    EXPECT_EQ(surface(10, 1), RGB(255, 255, 255));
}

TEST_F(ButtonFixture, PushedFaceMovesTheCaptionOneDownAndRight) {
    POINT raised = captionOrigin();
    ASSERT_GE(raised.x, 0);
    h.run("set Command1.Value True\n");
    POINT pushed = captionOrigin();
    EXPECT_EQ(pushed.x, raised.x + 1);
    EXPECT_EQ(pushed.y, raised.y + 1);
    // Pushed: no hot frame even with the pointer over it; the corners stay see-through.
    h.run("move 40 20\n");
    EXPECT_NE(surface(1, 10), COLORREF{0x31B2FF});
    EXPECT_EQ(h.pixel(10, 10), kFormBack);
}

TEST_F(ButtonFixture, DisabledColoursAndNoFrames) {
    h.run("set Command1.Enabled False\nmove 40 20\nfocus Command1\n");
    EXPECT_EQ(surface(10, 10), RGB(231, 231, 231));  // face - 24
    EXPECT_EQ(surface(1, 1), RGB(183, 183, 183));    // face - 72
    EXPECT_EQ(surface(73, 21), RGB(183, 183, 183));
    EXPECT_NE(surface(1, 10), COLORREF{0x31B2FF});
    EXPECT_NE(surface(1, 10), COLORREF{0xE7AE8C});
    // Caption ink in face - 104.
    PixelView v = GetWindowSurface(button->surface().hWnd());
    int ink = 0;
    for (int y = 0; y < v.height; ++y)
        for (int x = 0; x < v.width; ++x) ink += v.at(x, y) == RGB(151, 151, 151);
    EXPECT_GT(ink, 20);
}

TEST_F(ButtonFixture, OfficeXpStates) {
    h.run("set Command1.ButtonType 1\n");
    // Plain: the back colour, no border.
    EXPECT_EQ(surface(5, 5), kFormBack);
    EXPECT_EQ(surface(0, 5), kFormBack);
    // Hot: light highlight fill and a highlight border.
    h.run("move 40 20\n");
    COLORREF over = RGB(49, 106, 197);
    EXPECT_EQ(surface(0, 5), over);
    EXPECT_EQ(surface(5, 5), RGB(191, 208, 237));  // lightened by 176
    // Pushed: lighter by 128, border in the highlight.
    h.run("down 1 40 20\n");
    EXPECT_EQ(surface(5, 5), RGB(152, 180, 226));  // lightened by 128
    EXPECT_EQ(surface(74, 5), over);
    // Focused: a dotted focus rectangle 4 pixels in.
    h.run("up 1 40 20\n");
    EXPECT_TRUE(button->HasFocus());
    PixelView v = GetWindowSurface(button->surface().hWnd());
    int changed = 0;
    for (int x = 4; x < 71; ++x) changed += v.at(x, 4) != v.at(x, 3);
    EXPECT_GT(changed, 20);
}

TEST_F(ButtonFixture, OfficeXpSeeThroughShowsOnlyCaptionUntilHovered) {
    h.form->setBackColor(RGB(255, 0, 0));
    h.run("set Command1.ButtonType 1\nset Command1.BackStyle 0\n");
    EXPECT_EQ(h.pixel(15, 15), RGB(255, 0, 0));  // the form shows through the face
    int ink = 0;
    for (int y = 10; y < 33; ++y)
        for (int x = 10; x < 85; ++x) ink += h.pixel(x, y) == 0;
    EXPECT_GT(ink, 20);  // the caption stays visible
    // A press on a see-through part goes to the form behind: no Click.
    EXPECT_EQ(h.run("down 1 12 12\nup 1 12 12\n"), "");
    // The hover timer finds the pointer over the button even where it is see-through.
    h.run("move 12 12\ntick 3\n");
    EXPECT_TRUE(button->IsOver());
    EXPECT_NE(h.pixel(15, 15), RGB(255, 0, 0));  // hovering makes it opaque
    // The hover timer never stops for this style.
    h.run("move 300 300\ntick 3\n");
    EXPECT_FALSE(button->IsOver());
    EXPECT_TRUE(button->overTimer().Enabled());
}

TEST_F(ButtonFixture, OtherButtonTypesDrawNothingButThePicture) {
    h.run("set Command1.ButtonType 2\n");
    PixelView v = GetWindowSurface(button->surface().hWnd());
    for (int y = 0; y < v.height; ++y)
        for (int x = 0; x < v.width; ++x) ASSERT_EQ(v.at(x, y), kFormBack) << x << "," << y;
}
