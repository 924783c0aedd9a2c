// Timer objects placed on a control, and the clock that fires them. The clock only moves
// when it is told to (the live window tells it the real time, tests and scripts advance it
// explicitly), so timer behaviour is repeatable.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ulmaro {

class Timer;

class Clock {
public:
    ~Clock();
    std::int64_t now() const { return now_; }
    // Moves the clock forward by `ms`, firing each due timer in order of due time (timers
    // due at the same moment fire in the order they were created).
    void advance(std::int64_t ms);
    // Milliseconds until the next timer is due, or -1 when none is running.
    std::int64_t nextDue() const;

private:
    friend class Timer;
    void attach(Timer* t);
    void detach(Timer* t);
    std::int64_t now_ = 0;
    std::vector<Timer*> timers_;
};

class Timer {
public:
    Timer(std::string name, std::int32_t interval, std::function<void()> onTimer);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& Name() const { return name_; }
    std::int32_t Interval() const { return interval_; }
    void setInterval(std::int32_t ms);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool on);

    // The clock the timer runs on (set when its control is placed on a form).
    void setClock(Clock* clock);

private:
    friend class Clock;
    void schedule();
    std::string name_;
    std::int32_t interval_;
    bool enabled_ = false;
    std::function<void()> onTimer_;
    Clock* clock_ = nullptr;
    std::int64_t due_ = 0;
    std::uint64_t order_ = 0;
};

}  // namespace ulmaro
