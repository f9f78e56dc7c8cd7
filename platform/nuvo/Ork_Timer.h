#pragma once
// A profiling timer that only accumulates: start() and end() bracket a step, and the time between them is
// added to the total.
//
// Starting a timer that is already running (a nested evaluation runs the same steps inside the outer one)
// only counts a nesting level: the span from the outermost start() to its matching end() is added once,
// and counted once. An end() without a running start() does nothing.
#include <chrono>
#include <functional>
#include <string>

class Ork_Timer {
public:
    using Clock = std::function<std::chrono::nanoseconds()>;

    explicit Ork_Timer(std::u16string name = {});
    virtual ~Ork_Timer() = default;

    void start();
    void end();
    // The same at a time read already (now()): steps that follow one another share the reading at their
    // boundary, and reading the clock is most of what a timer costs.
    void startAt(std::chrono::nanoseconds at);
    void endAt(std::chrono::nanoseconds at);
    void reset();

    // The time every timer reads.
    static std::chrono::nanoseconds now();

    const std::u16string& name() const { return name_; }
    bool isRunning() const { return depth_ > 0; }
    // Accumulated time of completed outermost spans, and how many there were.
    std::chrono::nanoseconds total() const { return total_; }
    double seconds() const { return std::chrono::duration<double>(total_).count(); }
    long count() const { return count_; }

    // Where every timer reads the time (a monotonic clock unless a test installs its own); returns the
    // previous one. An empty clock restores the monotonic one.
    static Clock setClock(Clock clock);

private:
    std::u16string name_;
    int depth_ = 0;
    std::chrono::nanoseconds startedAt_{0};
    std::chrono::nanoseconds total_{0};
    long count_ = 0;
};

// Starts the given timer when made and ends it when destroyed, on every way out of the scope.
class Ork_FunctionTimer {
public:
    explicit Ork_FunctionTimer(Ork_Timer& timer) : timer_(timer) { timer_.start(); }
    ~Ork_FunctionTimer() { timer_.end(); }
    Ork_FunctionTimer(const Ork_FunctionTimer&) = delete;
    Ork_FunctionTimer& operator=(const Ork_FunctionTimer&) = delete;

private:
    Ork_Timer& timer_;
};

// The module's name for the same bracket around one step.
using Ork_TimerScope = Ork_FunctionTimer;

// Brackets steps that follow one another, each with its own timer, with one reading of the clock at each
// boundary: the end of one step is the start of the next. The step running when it is destroyed ends then.
class Ork_TimerSteps {
public:
    Ork_TimerSteps() = default;
    ~Ork_TimerSteps() { stop(); }
    Ork_TimerSteps(const Ork_TimerSteps&) = delete;
    Ork_TimerSteps& operator=(const Ork_TimerSteps&) = delete;

    // Ends the running step, if any, and starts `timer`.
    void next(Ork_Timer& timer);
    // Ends the running step: what follows is no step.
    void stop();

private:
    Ork_Timer* running_ = nullptr;
};
