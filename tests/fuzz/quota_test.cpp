// Handle quotas: past 10 000 GDI objects or windows creation fails with the failure value,
// a control that meets the quota neither crashes nor stays broken, and the live and peak
// counts say what happened.
#include "support/snapshot.h"

#include <ulmaro/platform/host.h>

namespace ulmaro::test {
namespace {

using namespace platform;

TEST(Quota, GdiObjectsPastTheQuotaFailAndAControlRecoversOnceTheyAreFreed) {
    Harness h(120, 40);
    h.run("new ZynCommand C1 4 4 100 28\nset C1.Caption \"Save\"\n");
    const Image before = controlPicture(h, "C1");
    const HandleCounts start = GdiObjectCounts(OBJ_BRUSH);

    std::vector<HBRUSH> hog;
    while (HBRUSH b = CreateSolidBrush(RGB(1, 2, 3))) hog.push_back(b);
    EXPECT_EQ(LiveGdiObjectCount(), kHandleQuota);
    EXPECT_EQ(CreateCompatibleDC(nullptr), nullptr);
    EXPECT_EQ(CreateRectRgn(0, 0, 1, 1), nullptr);
    EXPECT_EQ(GdiObjectCounts(OBJ_BRUSH).live, start.live + hog.size());
    EXPECT_EQ(GdiObjectCounts().peak, kHandleQuota);

    // Drawing without the objects it needs does less, and does not crash.
    h.run("set C1.Caption \"Open\"\nmove 20 20\ntick 50\n");
    for (HBRUSH b : hog) DeleteObject(b);
    EXPECT_EQ(GdiObjectCounts(OBJ_BRUSH).live, start.live);
    EXPECT_GE(GdiObjectCounts(OBJ_BRUSH).peak, start.live + hog.size());

    h.run("move 200 200\ntick 50\nset C1.Caption \"Save\"\n");
    const Image after = controlPicture(h, "C1");
    EXPECT_EQ(after.px, before.px) << "the button draws as before once handles are free";
}

TEST(Quota, WindowsPastTheQuotaFailAndPlacingAControlThenIsAClearError) {
    Harness h(120, 40);
    std::vector<HWND> hog;
    while (HWND w = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr))
        hog.push_back(w);
    EXPECT_EQ(WindowCounts().live, kHandleQuota);
    EXPECT_NE(h.runBad("new ZynCommand C1 4 4 100 28\n"), "");
    for (HWND w : hog) DestroyWindow(w);
    h.run("new ZynCommand C1 4 4 100 28\n");
    EXPECT_EQ(WindowCounts().peak, kHandleQuota);
}

}  // namespace
}  // namespace ulmaro::test
