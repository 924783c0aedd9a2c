// Tooltips driven as a program and a user drive them through scripts: attaching, the tool
// record, the pointer resting and leaving, the windows of the keyed collection (its
// results and failures are transcripts in scripts/) and the pictures of rectangular tips
// and balloons (those of each icon are drawn by pictures/).
#include "support/transcript.h"

#include "tooltips/zyn_tool_tips.h"

#include <ulmaro/platform/host.h>

#include <algorithm>

using namespace ulmaro;
using namespace ulmaro::platform;
using ulmaro::test::Harness;

namespace {

HWND handle(std::int32_t v) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(static_cast<std::uint32_t>(v))); }

ZynToolTip& tipNamed(Harness& h, const char* name) { return h.control<ZynToolTip>(name); }

// The tool record the tooltip window holds for a tip's target.
TTTOOLINFOA toolOf(const ZynToolTip& t) {
    TTTOOLINFOA ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = t.toolRecord().hwnd;
    EXPECT_TRUE(SendMessageA(handle(t.hwnd()), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti)));
    return ti;
}

bool tipColourAt(Harness& h, int x, int y) { return h.pixel(x, y) == GetSysColor(COLOR_INFOBK); }

const char* kButtons = "new ZynCommand Command1 10 10 75 23\nnew ZynCommand Command2 110 10 75 23\n";

}  // namespace

TEST(ToolTip, AttachRegistersTheWholeClientAreaAsOneSubclassedTool) {
    Harness h(240, 140);
    h.run(std::string(kButtons) + "new ZynToolTip Tip1\nnew ZynToolTip Tip2\n"
          "call Tip1.Attach Command1.hwnd\ncall Tip2.Attach Command2.hwnd \"Opens\" \"Open\" 1 False True\n");
    ZynToolTip &t1 = tipNamed(h, "Tip1"), &t2 = tipNamed(h, "Tip2");
    // Only a window handle: a balloon without title, icon or centring.
    TTTOOLINFOA a = toolOf(t1);
    EXPECT_EQ(a.uFlags, 16u);
    EXPECT_EQ(a.rect.right, 75);
    EXPECT_EQ(a.rect.bottom, 23);
    EXPECT_EQ(GetWindowLongA(handle(t1.hwnd()), GWL_STYLE) & 0xFF, 67);
    EXPECT_EQ(toolOf(t2).uFlags, 18u);
    EXPECT_EQ(GetWindowLongA(handle(t2.hwnd()), GWL_STYLE) & 0xFF, 3);

    // Setting the icon sends the current title again with it; the text reaches the tool.
    h.run("set Tip2.Icon 2\nset Tip2.ToolTipText \"Opens a file\"\n");
    WCHAR title[32] = {};
    TTGETTITLE g{sizeof g, 0, 32, title};
    SendMessageA(handle(t2.hwnd()), TTM_GETTITLE, 0, reinterpret_cast<LPARAM>(&g));
    EXPECT_EQ(g.uTitleBitmap, 2u);
    EXPECT_EQ(std::u16string(title), u"Open");
    char text[80] = {};
    TTTOOLINFOA ti = toolOf(t2);
    ti.lpszText = text;
    SendMessageA(handle(t2.hwnd()), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&ti));
    EXPECT_STREQ(text, "Opens a file");

    // The colours reach the tooltip window, each as itself.
    h.run("set Tip1.ForeColor 255\nset Tip1.BackColor 65280\n");
    EXPECT_EQ(SendMessageA(handle(t1.hwnd()), TTM_GETTIPTEXTCOLOR, 0, 0), 255);
    EXPECT_EQ(SendMessageA(handle(t1.hwnd()), TTM_GETTIPBKCOLOR, 0, 0), 65280);

    // The tool keeps the size the target had when it was attached.
    h.run("resize Command1 150 40\n");
    EXPECT_EQ(toolOf(t1).rect.right, 75);
}

TEST(ToolTip, ShowsAfterThePointerRestsAndGoesWhenItLeaves) {
    Harness h(240, 140);
    h.run(std::string(kButtons) + "new ZynToolTip Tip1\ncall Tip1.Attach Command1.hwnd \"Saves the file\" \"\" 0 False\n"
          "move 30 20\ntick 499\n");
    EXPECT_FALSE(tipColourAt(h, 32, 42));
    h.run("tick 1\n");
    EXPECT_TRUE(tipColourAt(h, 32, 42));
    test::expectSnapshot("tooltips", "rectangular", test::formPicture(h));
    h.run("move 200 120\ntick 100\n");
    EXPECT_FALSE(tipColourAt(h, 32, 42));
    // A removed tip is gone for good; its object keeps its handle.
    h.run("call Tip1.Remove\nmove 30 20\ntick 600\n");
    EXPECT_FALSE(IsWindow(handle(tipNamed(h, "Tip1").hwnd())));
    EXPECT_NE(tipNamed(h, "Tip1").hwnd(), 0);
    EXPECT_FALSE(tipColourAt(h, 32, 42));
}

TRANSCRIPTS("tooltips");
PICTURES("tooltips", "", 0);

TEST(ToolTips, KeyedCollectionAndItsFailures) {
    Harness h(240, 140);
    h.run(std::string(kButtons) + "new ZynToolTips Tips1\n");
    const std::size_t windows = LiveWindowCount();
    h.run("call Tips1.Add \"ok\" Command1.hwnd \"Saves\"\ncall Tips1.Add \"\" Command2.hwnd \"Opens\"\n"
          "call Tips1.Add \"OK\" Command2.hwnd \"again\"\n");
    EXPECT_EQ(LiveWindowCount(), windows + 2) << "a refused key makes no window";

    auto& tips = h.control<ZynToolTips>("Tips1");
    const HWND ok = handle(tips.Item(Variant("ok"))->hwnd());
    // Taken out of the collection, the tip's window stays and still shows.
    h.run("call Tips1.Remove \"ok\"\nmove 30 20\ntick 500\n");
    EXPECT_TRUE(IsWindowVisible(ok));
    EXPECT_TRUE(tipColourAt(h, 20, 38));

    // Clear destroys every window but keeps the items.
    h.run("call Tips1.Add \"third\" Command1.hwnd \"x\"\n");
    std::vector<HWND> kept;
    for (const auto& t : tips.NewEnum()) kept.push_back(handle(t->hwnd()));
    h.run("call Tips1.Clear\n");
    for (HWND w : kept) EXPECT_FALSE(IsWindow(w));
}

TEST(ToolTips, ClosingTheFormEndsTheirWindows) {
    const std::size_t before = LiveWindowCount();
    {
        Harness h;
        h.run("new ZynCommand Command1 0 0 75 23\nnew ZynToolTips Tips1\ncall Tips1.Add \"a\" Command1.hwnd \"t\"\n");
    }
    EXPECT_EQ(LiveWindowCount(), before);
}

TEST(ToolTip, ShowReachesOnlyAnEditControlWhichShowsItsOwnBalloon) {
    Harness h(240, 140);
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 60, 120, 20, h.form->hwnd(), nullptr, nullptr, nullptr);
    const std::string editHandle = std::to_string(reinterpret_cast<std::uintptr_t>(edit));
    h.run(std::string(kButtons) + "new ZynToolTip Tip1\nnew ZynToolTip Tip2\ncall Tip1.Attach Command1.hwnd \"a\" \"b\" 1\n"
          "call Tip2.Attach " + editHandle + " \"Letters only\" \"Wrong key\" 3\ncall Tip1.Show\n");
    const std::vector<COLORREF> before = h.form->compose();
    EXPECT_EQ(std::count(before.begin(), before.end(), GetSysColor(COLOR_INFOBK)), 0);
    h.run("call Tip2.Show\n");
    // The balloon hangs below the caret, at the edit's left.
    EXPECT_TRUE(tipColourAt(h, 4, 112));
    test::expectSnapshot("tooltips", "edit_balloon", test::formPicture(h));
    // Typing puts it away.
    SendMessageA(edit, WM_CHAR, 'x', 0);
    EXPECT_FALSE(tipColourAt(h, 4, 112));
    DestroyWindow(edit);
}
