#include "ui/ChildLayout.h"

#include "ui/Window.h"

#include <cmath>

namespace ui {

namespace {

int scale(int value, int oldSize, int newSize) {
    return static_cast<int>(std::lround(static_cast<double>(value) * newSize / oldSize));
}

} // namespace

void ChildLayout::layoutAxis(int flags, int near, int far, int oldSize, int newSize, int& newNear, int& newFar) {
    const int delta = newSize - oldSize;
    const bool keepSize = (flags & kKeepSize) != 0;
    const bool keepNear = (flags & kKeepNear) != 0;
    const bool followFar = (flags & kFollowFar) != 0;
    // A dialog recorded at no size cannot be scaled from: proportional edges then stay.
    const bool canScale = oldSize > 0;

    if (keepNear)
        newNear = near;
    else if (keepSize && followFar)
        newNear = near + delta;
    else
        newNear = canScale ? scale(near, oldSize, newSize) : near;

    if (followFar)
        newFar = far + delta;
    else if (keepSize)
        newFar = newNear + (far - near);
    else
        newFar = canScale ? scale(far, oldSize, newSize) : far;
    // A dialog made smaller than a stretched child's margins would turn the child inside out.
    if (newFar < newNear)
        newFar = newNear;
}

void ChildLayout::record(Window& dialog) {
    std::vector<Child> previous;
    previous.swap(m_children);
    m_dialog = &dialog;
    m_size = dialog.getClientRect().size();
    for (Window* child : dialog.children()) {
        if (child->isClass(u"ToolbarWindow32"))
            continue;
        Child c{child, child->getDlgCtrlID(), child->getRectInParent()};
        for (const Child& p : previous) {
            if (p.window == child) {
                c.horizontal = p.horizontal;
                c.vertical = p.vertical;
            }
        }
        m_children.push_back(c);
    }
}

bool ChildLayout::setFlags(int id, int horizontal, int vertical) {
    bool found = false;
    for (Child& c : m_children) {
        if (c.id == id) {
            c.horizontal = horizontal;
            c.vertical = vertical;
            found = true;
        }
    }
    return found;
}

bool ChildLayout::setFlags(const Window* child, int horizontal, int vertical) {
    for (Child& c : m_children) {
        if (c.window == child) {
            c.horizontal = horizontal;
            c.vertical = vertical;
            return true;
        }
    }
    return false;
}

void ChildLayout::resize(int cx, int cy) {
    if (!m_dialog || !isWindow(m_dialog))
        return;
    struct Move {
        Window* window;
        Rect rect;
    };
    std::vector<Move> batch;
    for (const Child& c : m_children) {
        // A child destroyed since the dialog opened is left out, not touched.
        if (!isWindow(c.window) || c.window->getParent() != m_dialog)
            continue;
        Rect r;
        layoutAxis(c.horizontal, c.rect.left, c.rect.right, m_size.cx, cx, r.left, r.right);
        layoutAxis(c.vertical, c.rect.top, c.rect.bottom, m_size.cy, cy, r.top, r.bottom);
        batch.push_back({c.window, r});
    }
    for (const Move& m : batch)
        m.window->moveWindow(m.rect);
}

} // namespace ui
