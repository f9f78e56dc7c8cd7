#include "ui/Timers.h"

#include "ui/Desktop.h"
#include "ui/Window.h"

#include <algorithm>
#include <vector>

namespace ui {

namespace {

constexpr unsigned kMinimumElapse = 10;

struct Timer {
    const Window* window;  // null for a window-less timer
    std::uintptr_t id;
    unsigned elapse;
    std::uint64_t due;
    std::uint64_t order;  // timers due at the same moment fire in the order they were set
    Timers::Callback callback;
};

struct State {
    std::vector<Timer> timers;
    std::uint64_t now = 0;
    std::uint64_t order = 0;
    std::uintptr_t nextId = 1;
};

State& st() {
    static State* s = new State;
    return *s;
}

std::uintptr_t add(const Window* window, std::uintptr_t id, unsigned elapse, Timers::Callback cb) {
    State& s = st();
    elapse = std::max(elapse, kMinimumElapse);
    auto it = std::find_if(s.timers.begin(), s.timers.end(),
                           [&](const Timer& t) { return t.window == window && t.id == id; });
    Timer t{window, id, elapse, s.now + elapse, s.order++, std::move(cb)};
    if (it != s.timers.end())
        *it = std::move(t);
    else
        s.timers.push_back(std::move(t));
    return id;
}

bool remove(const Window* window, std::uintptr_t id) {
    auto& v = st().timers;
    auto it = std::find_if(v.begin(), v.end(), [&](const Timer& t) { return t.window == window && t.id == id; });
    if (it == v.end()) return false;
    v.erase(it);
    return true;
}

} // namespace

std::uint64_t Timers::now() { return st().now; }

void Timers::advance(std::uint64_t ms) {
    State& s = st();
    const std::uint64_t target = s.now + ms;
    Desktop::DispatchScope scope;
    // Bounded so that a huge step over a 10 ms timer cannot run for ever.
    for (long fired = 0; fired < 10'000'000; ++fired) {
        auto next = std::min_element(s.timers.begin(), s.timers.end(), [](const Timer& a, const Timer& b) {
            return a.due != b.due ? a.due < b.due : a.order < b.order;
        });
        if (next == s.timers.end() || next->due > target) break;
        s.now = next->due;
        next->due += next->elapse;
        next->order = s.order++;
        const Window* window = next->window;
        std::uintptr_t id = next->id;
        Callback cb = next->callback;  // the timer may be killed or replaced while it fires
        if (window) {
            Window* w = const_cast<Window*>(window);
            if (ui::isWindow(w))
                w->sendMessage(WM_TIMER, id, 0);
            else
                remove(window, id);
        } else if (cb) {
            cb(id);
        }
        Desktop::pumpPosted();
    }
    s.now = target;
}

std::uintptr_t Timers::setTimer(Window* window, std::uintptr_t id, unsigned elapseMs) {
    if (!ui::isWindow(window)) return 0;
    return add(window, id, elapseMs, {});
}

std::uintptr_t Timers::setTimer(unsigned elapseMs, Callback callback) {
    std::uintptr_t id = st().nextId++;
    return add(nullptr, id, elapseMs, std::move(callback));
}

bool Timers::killTimer(Window* window, std::uintptr_t id) { return window && remove(window, id); }
bool Timers::killTimer(std::uintptr_t id) { return remove(nullptr, id); }

void Timers::killAllOf(const Window* window) {
    if (!window) return;
    auto& v = st().timers;
    v.erase(std::remove_if(v.begin(), v.end(), [&](const Timer& t) { return t.window == window; }), v.end());
}

int Timers::activeCount() { return static_cast<int>(st().timers.size()); }

bool Timers::isActive(const Window* window, std::uintptr_t id) {
    auto& v = st().timers;
    return std::any_of(v.begin(), v.end(), [&](const Timer& t) { return t.window == window && t.id == id; });
}

void Timers::reset() {
    st().timers.clear();
    st().now = 0;
    st().order = 0;
    st().nextId = 1;
}

} // namespace ui
