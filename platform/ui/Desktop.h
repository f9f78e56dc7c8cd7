#pragma once
// The state the platform keeps outside any one window: the top-level windows in z-order, the focus, the
// foreground window, the keyboard state, the posted-message queue, deferred deletions and the event log.
// There is one desktop per process; tests start from a clean one with Desktop::reset().
#include "ui/Msg.h"
#include "ui/geometry.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

class Window;

class Desktop {
public:
    // Destroys every window, empties the queues, clears focus, keys, timers, clipboard, injected failures,
    // installed services and the log, and sets the clock to 0. Registered window classes and resource modules
    // stay (libraries register them once).
    static void reset();

    static std::vector<Window*> topLevelWindows();  // z-order, top first
    static Window* windowFromPoint(Point screen);   // deepest visible, enabled, non-transparent window
    static Window* getFocus();
    static Window* getForegroundWindow();
    static Window* getActiveWindow();
    static void setForegroundWindow(Window* w);

    // Keyboard state as the Robot leaves it (the platform's key-state query).
    static bool isKeyDown(unsigned vk);
    static void setKeyDown(unsigned vk, bool down);
    static Point cursorPos();
    static void setCursorPos(Point p);

    // Posted messages and deferred work run when the outermost message returns, or here.
    static void post(Window* w, unsigned msg, WPARAM wParam, LPARAM lParam);
    static void processPending();
    // Delivers posted messages even while messages are being handled, as a modal loop does; the Robot and the
    // clock call it after each action. Deferred deletions still wait for processPending.
    static void pumpPosted();
    // Runs `work` once no message is being handled any more (immediately when none is).
    static void runWhenIdle(std::function<void()> work);
    template <class T> static void deleteLater(T* object) {
        runWhenIdle([object] { delete object; });
    }
    static int dispatchDepth();

    // A line per notable event (unanswered dialogs, refused operations), for tests and diagnostics.
    static void log(std::u16string line);
    static const std::vector<std::u16string>& logLines();

    // Internal: bookkeeping the windows do themselves.
    struct DispatchScope {
        DispatchScope();
        ~DispatchScope();
        DispatchScope(const DispatchScope&) = delete;
        DispatchScope& operator=(const DispatchScope&) = delete;
    };
    static void registerObject(const Window* w);
    static void unregisterObject(const Window* w);
    static bool isLiveObject(const Window* w);
    static void addTopLevel(Window* w, bool atTop);
    static void removeTopLevel(Window* w);
    static void raiseTopLevel(Window* w, Window* after);
    static void setFocusRaw(Window* w);
    static void windowGone(Window* w);
};

// The platform's key-state query: whether a virtual key is held.
inline bool isKeyDown(unsigned vk) { return Desktop::isKeyDown(vk); }

} // namespace ui
