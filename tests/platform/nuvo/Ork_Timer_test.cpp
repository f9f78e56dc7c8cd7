#include "nuvo/Ork_Timer.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// A clock the test moves by hand.
class ManualClock {
public:
    ManualClock() {
        old_ = Ork_Timer::setClock([this] { return now_; });
    }
    ~ManualClock() { Ork_Timer::setClock(std::move(old_)); }
    void advance(int ms) { now_ += std::chrono::milliseconds(ms); }

private:
    std::chrono::nanoseconds now_{0};
    Ork_Timer::Clock old_;
};

} // namespace

TEST(Timer, Accumulates) {
    ManualClock clock;
    Ork_Timer t(u"gLoadFile");
    t.start();
    clock.advance(10);
    t.end();
    clock.advance(100);   // not running
    t.start();
    clock.advance(5);
    t.end();
    EXPECT_EQ(t.total(), std::chrono::milliseconds(15));
    EXPECT_EQ(t.count(), 2);
    EXPECT_EQ(t.name(), u"gLoadFile");
}

TEST(Timer, NestedStartsCountTheOutermostSpanOnce) {
    ManualClock clock;
    Ork_Timer t;
    t.start();
    clock.advance(3);
    t.start();            // a nested evaluation runs the same step
    clock.advance(4);
    t.end();
    EXPECT_TRUE(t.isRunning());
    clock.advance(2);
    t.end();
    EXPECT_FALSE(t.isRunning());
    EXPECT_EQ(t.total(), std::chrono::milliseconds(9));
    EXPECT_EQ(t.count(), 1);
}

TEST(Timer, AnEndWithoutStartDoesNothing) {
    ManualClock clock;
    Ork_Timer t;
    t.end();
    t.start();
    clock.advance(1);
    t.end();
    t.end();
    EXPECT_EQ(t.total(), std::chrono::milliseconds(1));
    EXPECT_EQ(t.count(), 1);
}

TEST(FunctionTimer, EndsItsTimerOnEveryWayOut) {
    ManualClock clock;
    Ork_Timer t;
    try {
        Ork_FunctionTimer scope(t);
        clock.advance(7);
        {
            Ork_FunctionTimer nested(t);
            clock.advance(1);
        }
        throw std::runtime_error("step failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(t.isRunning());
    EXPECT_EQ(t.total(), std::chrono::milliseconds(8));
    EXPECT_EQ(t.count(), 1);
}

TEST(Timer, AScopeBracketsItsStepOnEveryWayOut) {
    ManualClock clock;
    Ork_Timer t;
    auto step = [&](bool early) {
        Ork_TimerScope scope(t);
        clock.advance(3);
        if (early)
            return;
        clock.advance(4);
    };
    step(true);
    step(false);
    EXPECT_FALSE(t.isRunning());
    EXPECT_EQ(t.count(), 2);
    EXPECT_EQ(t.total(), std::chrono::milliseconds(10));
}

// Without a test clock, spans are measured by the fastest clock the machine offers; they must agree with the
// steady clock.
TEST(Timer, TheDefaultClockAgreesWithTheSteadyClock) {
    Ork_Timer t;
    t.start();   // the first use may measure the clock's rate
    t.end();
    t.reset();
    const auto begin = std::chrono::steady_clock::now();
    t.start();
    while (std::chrono::steady_clock::now() - begin < std::chrono::milliseconds(5)) {
    }
    t.end();
    const auto elapsed = std::chrono::steady_clock::now() - begin;
    EXPECT_GE(t.total(), std::chrono::microseconds(4900));
    EXPECT_LE(t.total(), elapsed + std::chrono::microseconds(100));
}

// Steps that follow one another split the time between them at their boundaries, none counted twice; a timer
// already running (an outer step of the same kind) keeps counting its own outermost span only.
TEST(Timer, StepsShareTheirBoundaries) {
    ManualClock clock;
    Ork_Timer split(u"split"), find(u"find"), outer(u"outer");
    outer.start();
    {
        Ork_TimerSteps steps;
        steps.next(split);
        clock.advance(3);
        steps.next(find);
        clock.advance(4);
        steps.next(outer);   // nested in its own running span
        clock.advance(5);
        steps.stop();
        clock.advance(100);   // between steps: no step's time
        steps.next(split);
        clock.advance(2);
    }   // ends the running step
    clock.advance(1);
    outer.end();
    EXPECT_EQ(split.total(), std::chrono::milliseconds(5));
    EXPECT_EQ(split.count(), 2);
    EXPECT_EQ(find.total(), std::chrono::milliseconds(4));
    EXPECT_EQ(outer.total(), std::chrono::milliseconds(115));
    EXPECT_EQ(outer.count(), 1);
    EXPECT_FALSE(split.isRunning() || find.isRunning() || outer.isRunning());
}
