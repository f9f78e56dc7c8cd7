#include "nuvo/Ork_Timer.h"

#include <cstdint>
#include <fstream>
#include <string>

#if defined(__x86_64__)
#include <x86intrin.h>
#endif

namespace {

std::chrono::nanoseconds steadyNow() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

// Timers bracket steps of a microsecond or less, thousands of times per evaluation, and reading the system clock
// for each start and end cost about a tenth of an evaluation. Where the kernel itself keeps time with the
// processor's time-stamp counter (so the counter runs at a constant rate on every core), the counter is read
// instead, and converted with its rate measured once against the steady clock.
class CounterClock {
public:
    CounterClock() {
#if defined(__x86_64__)
        std::ifstream source("/sys/devices/system/clocksource/clocksource0/current_clocksource");
        std::string name;
        if (!(source >> name) || name != "tsc")
            return;
        const auto t0 = std::chrono::steady_clock::now();
        const std::uint64_t c0 = __rdtsc();
        auto t1 = t0;
        while (t1 - t0 < std::chrono::microseconds(500))
            t1 = std::chrono::steady_clock::now();
        const std::uint64_t c1 = __rdtsc();
        if (c1 <= c0)
            return;
        nanosPerTick_ = std::chrono::duration<double, std::nano>(t1 - t0).count() / static_cast<double>(c1 - c0);
        origin_ = c1;
        originTime_ = steadyNow();
#endif
    }

    std::chrono::nanoseconds now() const {
#if defined(__x86_64__)
        if (nanosPerTick_ > 0) {
            const double ticks = static_cast<double>(static_cast<std::int64_t>(__rdtsc() - origin_));
            return originTime_ + std::chrono::nanoseconds(static_cast<std::int64_t>(ticks * nanosPerTick_));
        }
#endif
        return steadyNow();
    }

private:
    double nanosPerTick_ = 0;
    std::uint64_t origin_ = 0;
    std::chrono::nanoseconds originTime_{0};
};

std::chrono::nanoseconds monotonicNow() {
    static const CounterClock clock;
    return clock.now();
}

Ork_Timer::Clock& currentClock() {
    static Ork_Timer::Clock clock;
    return clock;
}

} // namespace

std::chrono::nanoseconds Ork_Timer::now() {
    const auto& clock = currentClock();
    return clock ? clock() : monotonicNow();
}

Ork_Timer::Ork_Timer(std::u16string name) : name_(std::move(name)) {}

// Only the outermost start and end read the clock.
void Ork_Timer::start() {
    if (depth_ == 0)
        startAt(now());
    else
        ++depth_;
}

void Ork_Timer::end() {
    if (depth_ == 1)
        endAt(now());
    else if (depth_ > 1)
        --depth_;
}

void Ork_Timer::startAt(std::chrono::nanoseconds at) {
    if (depth_++ == 0)
        startedAt_ = at;
}

void Ork_Timer::endAt(std::chrono::nanoseconds at) {
    if (depth_ == 0)
        return;
    if (--depth_ == 0) {
        total_ += at - startedAt_;
        ++count_;
    }
}

void Ork_TimerSteps::next(Ork_Timer& timer) {
    const std::chrono::nanoseconds at = Ork_Timer::now();
    if (running_)
        running_->endAt(at);
    timer.startAt(at);
    running_ = &timer;
}

void Ork_TimerSteps::stop() {
    if (running_)
        running_->end();
    running_ = nullptr;
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
