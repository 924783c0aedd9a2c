// Timers run as timers of their control's window: they fire from the clock in due order,
// can be switched by their own handlers, and wait until they have a window.
#include "framework/timer.h"

#include <ulmaro/platform/host.h>

#include <gtest/gtest.h>

#include <string>

using namespace ulmaro;
using namespace ulmaro::platform;

namespace {

// A window whose WM_TIMER runs the timers bound to it, as a control's window does.
struct TimerWindow : ::testing::Test {
    HWND hwnd = CreateWindowExA(0, "Plain", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    std::vector<Timer*> bound;
    void bind(Timer& t) {
        bound.push_back(&t);
        t.bind(hwnd, bound.size());
    }
    void SetUp() override {
        SetWindowProc(hwnd, [this](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
            if (m == WM_TIMER && wp >= 1 && wp <= bound.size()) {
                bound[wp - 1]->fire();
                return 0;
            }
            return DefWindowProcA(h, m, wp, lp);
        });
    }
    ~TimerWindow() override { DestroyWindow(hwnd); }
};

}  // namespace

TEST_F(TimerWindow, FiresDueTimersInOrderOfDueTime) {
    Clock clock;
    std::string log;
    Timer a("A", 3, [&] { log += "a" + std::to_string(clock.now()) + " "; });
    Timer b("B", 5, [&] { log += "b" + std::to_string(clock.now()) + " "; });
    bind(a);
    bind(b);
    a.setEnabled(true);
    b.setEnabled(true);
    clock.advance(10);
    EXPECT_EQ(log, "a3 b5 a6 a9 b10 ");
    EXPECT_EQ(clock.now(), 10);
    EXPECT_EQ(clock.nextDue(), 2);
}

TEST_F(TimerWindow, HandlersMaySwitchTimersAndReenablingRestartsTheInterval) {
    Clock clock;
    int fired = 0;
    Timer* self = nullptr;
    Timer once("Once", 2, [&] {
        ++fired;
        self->setEnabled(false);
    });
    self = &once;
    bind(once);
    once.setEnabled(true);
    clock.advance(100);
    EXPECT_EQ(fired, 1);
    clock.advance(1);  // now 101: enabling counts a fresh interval from here
    once.setEnabled(true);
    clock.advance(1);
    EXPECT_EQ(fired, 1);
    clock.advance(1);
    EXPECT_EQ(fired, 2);
    // A timer without a window waits; bound, it counts from then. No interval, no firing.
    Timer idle("Idle", 1, [&] { ++fired; });
    idle.setEnabled(true);
    clock.advance(10);
    EXPECT_EQ(fired, 2);
    bind(idle);
    clock.advance(1);
    EXPECT_EQ(fired, 3);
    idle.setInterval(0);
    clock.advance(10);
    EXPECT_EQ(fired, 3);
}
