#include "base/KvDlgLayout.h"

#include "ui/Window.h"

#include <cmath>

namespace {

int scale(int value, int oldSize, int newSize) {
    return static_cast<int>(std::lround(static_cast<double>(value) * newSize / oldSize));
}

} // namespace

void KvDlgLayout::layoutAxis(int flags, int near, int far, int oldSize, int newSize, int& newNear, int& newFar) {
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

void KvDlgLayout::record(ui::Window& dialog) {
    std::vector<Child> previous;
    previous.swap(m_children);
    m_dialog = &dialog;
    m_size = dialog.getClientRect().size();
    for (ui::Window* child : dialog.children()) {
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

bool KvDlgLayout::setFlags(int id, int horizontal, int vertical) {
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

bool KvDlgLayout::setFlags(const ui::Window* child, int horizontal, int vertical) {
    for (Child& c : m_children) {
        if (c.window == child) {
            c.horizontal = horizontal;
            c.vertical = vertical;
            return true;
        }
    }
    return false;
}

void KvDlgLayout::resize(int cx, int cy) {
    if (!m_dialog || !ui::isWindow(m_dialog))
        return;
    struct Move {
        ui::Window* window;
        ui::Rect rect;
    };
    std::vector<Move> batch;
    for (const Child& c : m_children) {
        // A child destroyed since the dialog opened is left out, not touched.
        if (!ui::isWindow(c.window) || c.window->getParent() != m_dialog)
            continue;
        ui::Rect r;
        layoutAxis(c.horizontal, c.rect.left, c.rect.right, m_size.cx, cx, r.left, r.right);
        layoutAxis(c.vertical, c.rect.top, c.rect.bottom, m_size.cy, cy, r.top, r.bottom);
        batch.push_back({c.window, r});
    }
    for (const Move& m : batch)
        m.window->moveWindow(m.rect);
}
