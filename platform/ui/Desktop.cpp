#include "ui/Desktop.h"

#include "ui/Clipboard.h"
#include "ui/Failures.h"
#include "ui/Services.h"
#include "ui/Timers.h"
#include "ui/Window.h"

#include <algorithm>
#include <deque>
#include <set>
#include <unordered_set>

namespace ui {

namespace {

struct Posted {
    Window* window;
    unsigned msg;
    WPARAM wParam;
    LPARAM lParam;
};

struct State {
    std::vector<Window*> topLevels;  // z-order, top first
    Window* focus = nullptr;
    Window* foreground = nullptr;
    std::set<unsigned> keys;
    Point cursor;
    std::deque<Posted> posted;
    std::deque<std::function<void()>> idle;
    int depth = 0;
    bool flushing = false;
    std::vector<std::u16string> log;
    std::unordered_set<const Window*> live;
};

// Never destroyed: windows owned by static objects may still unregister during exit.
State& st() {
    static State* s = new State;
    return *s;
}

Window* childFromPoint(Window* parent, Point screen) {
    for (Window* child : parent->children()) {
        if ((child->getStyle() & WS_VISIBLE) == 0 || !child->isWindowEnabled()) continue;
        if (!child->getWindowRect().contains(screen)) continue;
        if (Window* deeper = childFromPoint(child, screen)) return deeper;
        if (child->hitTest(child->screenToClient(screen)) == HTTRANSPARENT) continue;
        return child;
    }
    return nullptr;
}

} // namespace

void Desktop::reset() {
    Failures::clear();
    Services::install(nullptr);
    // Destroying a window may create or destroy others; go until none is left.
    for (int guard = 0; guard < 1000 && !st().topLevels.empty(); ++guard) {
        Window* w = st().topLevels.front();
        if (!w->destroyWindow()) removeTopLevel(w);
    }
    processPending();
    st().posted.clear();
    st().idle.clear();
    st().focus = nullptr;
    st().foreground = nullptr;
    st().keys.clear();
    st().cursor = {};
    Timers::reset();
    Clipboard::empty();
    Failures::clear();
    st().log.clear();
}

std::vector<Window*> Desktop::topLevelWindows() { return st().topLevels; }

Window* Desktop::windowFromPoint(Point screen) {
    for (Window* top : st().topLevels) {
        if ((top->getStyle() & WS_VISIBLE) == 0) continue;
        if (!top->getWindowRect().contains(screen)) continue;
        if (!top->isWindowEnabled()) return top;  // a disabled window (the owner of a modal dialog) swallows it
        if (Window* child = childFromPoint(top, screen)) return child;
        return top;
    }
    return nullptr;
}

Window* Desktop::getFocus() { return st().focus; }
Window* Desktop::getForegroundWindow() { return st().foreground; }
Window* Desktop::getActiveWindow() { return st().foreground; }
void Desktop::setForegroundWindow(Window* w) { st().foreground = w; }

bool Desktop::isKeyDown(unsigned vk) { return st().keys.count(vk) != 0; }
void Desktop::setKeyDown(unsigned vk, bool down) {
    if (down)
        st().keys.insert(vk);
    else
        st().keys.erase(vk);
}
Point Desktop::cursorPos() { return st().cursor; }
void Desktop::setCursorPos(Point p) { st().cursor = p; }

void Desktop::post(Window* w, unsigned msg, WPARAM wParam, LPARAM lParam) {
    st().posted.push_back({w, msg, wParam, lParam});
    if (st().depth == 0) processPending();
}

void Desktop::processPending() {
    State& s = st();
    if (s.depth > 0 || s.flushing) return;
    s.flushing = true;
    // Bounded: a window that posts to itself on every message must not keep us here for ever.
    for (int round = 0; round < 100000 && (!s.posted.empty() || !s.idle.empty()); ++round) {
        if (!s.posted.empty()) {
            Posted p = s.posted.front();
            s.posted.pop_front();
            if (ui::isWindow(p.window)) p.window->sendMessage(p.msg, p.wParam, p.lParam);
            continue;
        }
        auto work = std::move(s.idle.front());
        s.idle.pop_front();
        work();
    }
    s.flushing = false;
}

void Desktop::pumpPosted() {
    State& s = st();
    if (s.flushing) return;
    s.flushing = true;
    for (int round = 0; round < 100000 && !s.posted.empty(); ++round) {
        Posted p = s.posted.front();
        s.posted.pop_front();
        if (isWindow(p.window)) p.window->sendMessage(p.msg, p.wParam, p.lParam);
    }
    s.flushing = false;
    if (s.depth == 0) processPending();
}

void Desktop::runWhenIdle(std::function<void()> work) {
    st().idle.push_back(std::move(work));
    if (st().depth == 0) processPending();
}

int Desktop::dispatchDepth() { return st().depth; }

void Desktop::log(std::u16string line) { st().log.push_back(std::move(line)); }
const std::vector<std::u16string>& Desktop::logLines() { return st().log; }

Desktop::DispatchScope::DispatchScope() { ++st().depth; }
Desktop::DispatchScope::~DispatchScope() {
    if (--st().depth == 0) processPending();
}

void Desktop::registerObject(const Window* w) { st().live.insert(w); }
void Desktop::unregisterObject(const Window* w) {
    st().live.erase(w);
    windowGone(const_cast<Window*>(w));
    auto& tl = st().topLevels;
    tl.erase(std::remove(tl.begin(), tl.end(), w), tl.end());
}
bool Desktop::isLiveObject(const Window* w) { return st().live.count(w) != 0; }

void Desktop::addTopLevel(Window* w, bool atTop) {
    auto& tl = st().topLevels;
    tl.erase(std::remove(tl.begin(), tl.end(), w), tl.end());
    if (!atTop) {
        tl.push_back(w);
        return;
    }
    // Topmost windows stay above the others.
    auto it = tl.begin();
    if (!w->isTopMost())
        while (it != tl.end() && (*it)->isTopMost()) ++it;
    tl.insert(it, w);
}

void Desktop::removeTopLevel(Window* w) {
    auto& tl = st().topLevels;
    tl.erase(std::remove(tl.begin(), tl.end(), w), tl.end());
}

void Desktop::raiseTopLevel(Window* w, Window* after) {
    auto& tl = st().topLevels;
    if (after == nullptr) {
        addTopLevel(w, true);
        return;
    }
    tl.erase(std::remove(tl.begin(), tl.end(), w), tl.end());
    auto it = std::find(tl.begin(), tl.end(), after);
    if (it == tl.end())
        tl.push_back(w);
    else
        tl.insert(it + 1, w);
}

void Desktop::setFocusRaw(Window* w) { st().focus = w; }

void Desktop::windowGone(Window* w) {
    if (st().focus == w) st().focus = nullptr;
    if (st().foreground == w) st().foreground = nullptr;
}

} // namespace ui
