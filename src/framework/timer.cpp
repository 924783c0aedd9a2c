#include "timer.h"

#include <ulmaro/platform/host.h>

namespace ulmaro {

using namespace platform;

Clock::Clock() : epoch_(TickCount64()) {}

std::int64_t Clock::now() const { return TickCount64() - epoch_; }

void Clock::advance(std::int64_t ms) { RunTimers(ms); }

std::int64_t Clock::nextDue() const { return NextTimerDue(); }

Timer::Timer(std::string name, std::int32_t interval, std::function<void()> onTimer)
    : name_(std::move(name)), interval_(interval), onTimer_(std::move(onTimer)) {}

Timer::~Timer() {
    if (hwnd_) KillTimer(hwnd_, id_);
}

void Timer::bind(HWND hwnd, UINT_PTR id) {
    if (hwnd_) KillTimer(hwnd_, id_);
    hwnd_ = hwnd;
    id_ = id;
    arm();
}

// A timer with no positive interval never fires.
void Timer::arm() {
    if (!hwnd_) return;
    if (enabled_ && interval_ > 0)
        SetTimer(hwnd_, id_, static_cast<UINT>(interval_), nullptr);
    else
        KillTimer(hwnd_, id_);
}

void Timer::setInterval(std::int32_t ms) {
    interval_ = ms;
    if (enabled_) arm();
}

void Timer::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    arm();
}

void Timer::fire() {
    // The handler may switch this or any timer off or on, or destroy controls.
    auto handler = onTimer_;
    if (handler) handler();
}

}  // namespace ulmaro
