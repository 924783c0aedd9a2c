// Timer objects placed on a control, and the clock they run on. A timer runs as a platform
// timer of its control's window: the window's procedure turns WM_TIMER into the timer's
// handler. The platform clock only moves when it is told to (the live window tells it the
// real time, tests and scripts advance it explicitly), so timer behaviour is repeatable.
#pragma once

#include <ulmaro/platform/win32.h>

#include <cstdint>
#include <functional>
#include <string>

namespace ulmaro {

// A form's view of the platform clock: milliseconds since the form was made.
class Clock {
public:
    Clock();
    std::int64_t now() const;
    // Moves the clock forward by `ms`, firing each due timer in order of due time (timers
    // due at the same moment fire in the order their windows were made, then by identifier).
    void advance(std::int64_t ms);
    // Milliseconds until the next timer is due, or -1 when none is running.
    std::int64_t nextDue() const;

private:
    std::int64_t epoch_;
};

class Timer {
public:
    Timer(std::string name, std::int32_t interval, std::function<void()> onTimer);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& Name() const { return name_; }
    std::int32_t Interval() const { return interval_; }
    // A new interval starts counting from now, as the host's timer does.
    void setInterval(std::int32_t ms);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool on);

    // The window whose WM_TIMER `id` runs this timer (its control's window); until then an
    // enabled timer waits.
    void bind(platform::HWND hwnd, platform::UINT_PTR id);
    // Runs the handler (the window procedure calls it for WM_TIMER).
    void fire();

private:
    void arm();
    std::string name_;
    std::int32_t interval_;
    bool enabled_ = false;
    std::function<void()> onTimer_;
    platform::HWND hwnd_ = nullptr;
    platform::UINT_PTR id_ = 0;
};

}  // namespace ulmaro
