// Timers fire from the clock they are given, in due order, and can be switched by their
// own handlers.
#include "framework/timer.h"

#include <gtest/gtest.h>

#include <string>

using namespace ulmaro;

TEST(Clock, FiresDueTimersInOrderOfDueTime) {
    Clock clock;
    std::string log;
    Timer a("A", 3, [&] { log += "a" + std::to_string(clock.now()) + " "; });
    Timer b("B", 5, [&] { log += "b" + std::to_string(clock.now()) + " "; });
    a.setClock(&clock);
    b.setClock(&clock);
    a.setEnabled(true);
    b.setEnabled(true);
    clock.advance(10);
    EXPECT_EQ(log, "a3 b5 a6 a9 b10 ");
    EXPECT_EQ(clock.now(), 10);
    EXPECT_EQ(clock.nextDue(), 2);
}

TEST(Clock, HandlersMaySwitchTimersAndReenablingRestartsTheInterval) {
    Clock clock;
    int fired = 0;
    Timer* self = nullptr;
    Timer once("Once", 2, [&] {
        ++fired;
        self->setEnabled(false);
    });
    self = &once;
    once.setClock(&clock);
    once.setEnabled(true);
    clock.advance(100);
    EXPECT_EQ(fired, 1);
    clock.advance(1);  // now 101: enabling counts a fresh interval from here
    once.setEnabled(true);
    clock.advance(1);
    EXPECT_EQ(fired, 1);
    clock.advance(1);
    EXPECT_EQ(fired, 2);
    // A disabled timer, or one without a clock, never fires.
    Timer idle("Idle", 1, [&] { ++fired; });
    idle.setEnabled(true);
    clock.advance(10);
    EXPECT_EQ(fired, 2);
}
