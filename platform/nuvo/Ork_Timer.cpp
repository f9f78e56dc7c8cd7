#include "nuvo/Ork_Timer.h"

namespace {

std::chrono::nanoseconds monotonicNow() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

Ork_Timer::Clock& currentClock() {
    static Ork_Timer::Clock clock;
    return clock;
}

std::chrono::nanoseconds now() {
    const auto& clock = currentClock();
    return clock ? clock() : monotonicNow();
}

} // namespace

Ork_Timer::Ork_Timer(std::u16string name) : name_(std::move(name)) {}

void Ork_Timer::start() {
    if (depth_++ == 0)
        startedAt_ = now();
}

void Ork_Timer::end() {
    if (depth_ == 0)
        return;
    if (--depth_ == 0) {
        total_ += now() - startedAt_;
        ++count_;
    }
}

void Ork_Timer::reset() {
    depth_ = 0;
    total_ = std::chrono::nanoseconds(0);
    count_ = 0;
}

Ork_Timer::Clock Ork_Timer::setClock(Clock clock) {
    Clock old = std::move(currentClock());
    currentClock() = std::move(clock);
    return old;
}
