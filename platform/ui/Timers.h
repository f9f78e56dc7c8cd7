#pragma once
// Timers on a virtual clock. Nothing sleeps: the clock moves only when a test (or the Robot) advances it, and
// every timer that falls due on the way fires in time order, as often as it falls due, as WM_TIMER to its
// window or as a call of its callback. Timers repeat until killed, like the platform's.
#include <cstdint>
#include <functional>

namespace ui {

class Window;

class Timers {
public:
    using Callback = std::function<void(std::uintptr_t id)>;

    static std::uint64_t now();  // milliseconds since the last reset
    // Advances the clock by `ms`, firing what falls due (with the clock at the due time while it fires).
    static void advance(std::uint64_t ms);

    // A window's timer: `id` chosen by the caller, replaces a timer of the same window and id. Returns the id,
    // 0 when the window is not a window. An elapse below 10 ms counts as 10 ms, as on the platform.
    static std::uintptr_t setTimer(Window* window, std::uintptr_t id, unsigned elapseMs);
    // A window-less timer calling `callback`; the returned id (never 0) identifies it.
    static std::uintptr_t setTimer(unsigned elapseMs, Callback callback);
    static bool killTimer(Window* window, std::uintptr_t id);
    static bool killTimer(std::uintptr_t id);  // window-less
    static void killAllOf(const Window* window);
    static int activeCount();
    static bool isActive(const Window* window, std::uintptr_t id);
    // Forgets every timer and sets the clock to 0.
    static void reset();
};

} // namespace ui
