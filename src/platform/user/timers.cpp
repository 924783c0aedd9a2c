// Timers and the platform clock. Timers are kept ordered by due time (ties by the age of
// their window, then by identifier), so advancing the clock costs a logarithmic step per
// timer that fires, however many timers are set.
#include "window_data.h"

#include <map>
#include <set>
#include <tuple>

namespace ulmaro::platform::detail {

namespace {

struct Due {
    std::int64_t at;
    std::uint64_t serial;  // the window's creation order; 0 for timers without a window
    UINT_PTR id;
    HWND hwnd;
    bool operator<(const Due& o) const {
        return std::tie(at, serial, id, hwnd) < std::tie(o.at, o.serial, o.id, o.hwnd);
    }
};

struct Entry {
    Due due;
    UINT elapse;
    TIMERPROC proc;
};

struct Timers {
    std::int64_t now = 0;
    std::set<Due> order;
    std::map<std::pair<HWND, UINT_PTR>, Entry> byKey;
    UINT_PTR nextWindowless = 0x7FFF;
};

Timers& timers() {
    static Timers t;
    return t;
}

void remove(std::map<std::pair<HWND, UINT_PTR>, Entry>::iterator it) {
    timers().order.erase(it->second.due);
    timers().byKey.erase(it);
}

}  // namespace

void forgetWindowTimers(HWND hwnd) {
    auto& m = timers().byKey;
    auto it = m.lower_bound({hwnd, 0});
    while (it != m.end() && it->first.first == hwnd) {
        auto next = std::next(it);
        remove(it);
        it = next;
    }
}

}  // namespace ulmaro::platform::detail

namespace ulmaro::platform {

using namespace detail;

// Setting a timer that exists restarts it with the new interval. The clock is the host's,
// so short intervals are kept as they are (a zero interval becomes one millisecond).
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    Timers& t = timers();
    std::uint64_t serial = 0;
    if (hwnd) {
        Window* w = lookupWindow(hwnd);
        if (!w) return 0;
        serial = w->serial;
    } else {
        // A timer without a window gets an identifier of its own.
        id = ++t.nextWindowless;
    }
    auto it = t.byKey.find({hwnd, id});
    if (it != t.byKey.end()) remove(it);
    Entry e{Due{t.now + std::max<UINT>(elapse, 1), serial, id, hwnd}, std::max<UINT>(elapse, 1), proc};
    t.order.insert(e.due);
    t.byKey.emplace(std::pair{hwnd, id}, e);
    return hwnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    auto it = timers().byKey.find({hwnd, id});
    if (it == timers().byKey.end()) return FALSE;
    remove(it);
    return TRUE;
}

DWORD GetTickCount() { return static_cast<DWORD>(timers().now); }

std::int64_t TickCount64() { return timers().now; }

void RunTimers(std::int64_t ms) {
    Timers& t = timers();
    const std::int64_t target = t.now + std::max<std::int64_t>(0, ms);
    while (!t.order.empty() && t.order.begin()->at <= target) {
        Due due = *t.order.begin();
        auto it = t.byKey.find({due.hwnd, due.id});
        Entry e = it->second;
        t.now = std::max(t.now, due.at);
        // The next period counts from this one's due time, so a long step fires every period.
        t.order.erase(t.order.begin());
        it->second.due.at += e.elapse;
        t.order.insert(it->second.due);
        // The handler may kill or reset this or any timer, or destroy windows.
        if (e.proc)
            e.proc(due.hwnd, WM_TIMER, due.id, static_cast<DWORD>(t.now));
        else
            SendMessageA(due.hwnd, WM_TIMER, due.id, 0);
    }
    t.now = target;
}

std::int64_t NextTimerDue() {
    const Timers& t = timers();
    if (t.order.empty()) return -1;
    return std::max<std::int64_t>(0, t.order.begin()->at - t.now);
}

}  // namespace ulmaro::platform
