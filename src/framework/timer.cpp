#include "timer.h"

#include <algorithm>

namespace ulmaro {

namespace {
std::uint64_t nextOrder() {
    static std::uint64_t n = 0;
    return ++n;
}
}  // namespace

Clock::~Clock() {
    for (Timer* t : timers_) t->clock_ = nullptr;
}

void Clock::attach(Timer* t) {
    if (std::find(timers_.begin(), timers_.end(), t) == timers_.end()) timers_.push_back(t);
}

void Clock::detach(Timer* t) { std::erase(timers_, t); }

std::int64_t Clock::nextDue() const {
    std::int64_t best = -1;
    for (const Timer* t : timers_)
        if (t->enabled_ && t->interval_ > 0 && (best < 0 || t->due_ - now_ < best)) best = std::max<std::int64_t>(0, t->due_ - now_);
    return best;
}

void Clock::advance(std::int64_t ms) {
    const std::int64_t target = now_ + std::max<std::int64_t>(0, ms);
    for (;;) {
        Timer* next = nullptr;
        for (Timer* t : timers_) {
            if (!t->enabled_ || t->interval_ <= 0 || t->due_ > target) continue;
            if (!next || t->due_ < next->due_ || (t->due_ == next->due_ && t->order_ < next->order_)) next = t;
        }
        if (!next) break;
        now_ = std::max(now_, next->due_);
        next->due_ += next->interval_;
        // The handler may switch this or any timer off or on, or destroy controls.
        auto handler = next->onTimer_;
        handler();
    }
    now_ = target;
}

Timer::Timer(std::string name, std::int32_t interval, std::function<void()> onTimer)
    : name_(std::move(name)), interval_(interval), onTimer_(std::move(onTimer)), order_(nextOrder()) {}

Timer::~Timer() {
    if (clock_) clock_->detach(this);
}

void Timer::setClock(Clock* clock) {
    if (clock_) clock_->detach(this);
    clock_ = clock;
    if (clock_) {
        clock_->attach(this);
        schedule();
    }
}

void Timer::schedule() {
    if (clock_) due_ = clock_->now() + interval_;
}

void Timer::setInterval(std::int32_t ms) {
    interval_ = ms;
    schedule();  // a new interval starts counting from now, as the host's timer does
}

void Timer::setEnabled(bool on) {
    if (on && !enabled_) schedule();
    enabled_ = on;
}

}  // namespace ulmaro
