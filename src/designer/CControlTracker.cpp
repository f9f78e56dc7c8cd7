#include "designer/CControlTracker.h"

#include "designer/CControlRect.h"
#include "ui/Window.h"
#include "ui/constants.h"
#include "ui/paint/Canvas.h"

#include <algorithm>
#include <climits>

CControlTracker::CControlTracker(ui::Window* parentWindow)
    : ui::RectTracker(ui::Rect{}, solidLine), parent(parentWindow) {}

void CControlTracker::addRect(CControlRect* rect) {
    if (rect && std::find(allRects.begin(), allRects.end(), rect) == allRects.end())
        allRects.push_back(rect);
}

bool CControlTracker::removeRect(CControlRect* rect) {
    const auto at = std::find(allRects.begin(), allRects.end(), rect);
    if (at == allRects.end())
        return false;
    clearSelection();
    allRects.erase(at);
    return true;
}

void CControlTracker::removeAllRects() {
    clearSelection();
    allRects.clear();
}

void CControlTracker::select(CControlRect* rect) {
    if (!rect)
        return;
    if (std::find(selectedRects.begin(), selectedRects.end(), rect) == selectedRects.end())
        selectedRects.push_back(rect);
    rect->selected = true;
}

void CControlTracker::deselect(CControlRect* rect) {
    if (!rect)
        return;
    selectedRects.erase(std::remove(selectedRects.begin(), selectedRects.end(), rect), selectedRects.end());
    rect->selected = false;
}

void CControlTracker::clearSelection() {
    for (CControlRect* rect : allRects)
        rect->selected = false;
    for (CControlRect* rect : selectedRects)
        rect->selected = false;
    selectedRects.clear();
}

void CControlTracker::selectById(int id, bool clearFirst) {
    for (CControlRect* rect : allRects) {
        if (rect->window() && rect->id() == id) {
            if (clearFirst)
                clearSelection();
            select(rect);
            return;
        }
    }
}

std::vector<int> CControlTracker::selectedIds() const {
    std::vector<int> ids;
    for (const CControlRect* rect : selectedRects)
        ids.push_back(rect->id());
    return ids;
}

int CControlTracker::singleSelectionId() const { return selectedRects.size() == 1 ? selectedRects[0]->id() : -1; }

bool CControlTracker::OnLButtonDown(unsigned flags, ui::Point point, bool rubberBand) {
    const bool control = (flags & ui::MK_CONTROL) != 0;
    const bool shift = (flags & ui::MK_SHIFT) != 0;
    for (CControlRect* target : allRects) {
        const int hit = target->hitTest(point);
        if (hit == hitNothing)
            continue;
        if (control) {
            if (target->selected)
                deselect(target);
            else
                select(target);
        } else if (shift) {
            select(target);
        } else {
            if (!target->selected)
                clearSelection();
            select(target);
            if (hit == hitMiddle)
                dragSelection(point);
            else
                target->trackAndMove(parent, point);   // a handle resizes this control alone
        }
        repaint();
        return true;
    }
    if (shift || control)
        return false;
    clearSelection();
    if (rubberBand) {
        ui::RectTracker band;
        if (band.trackRubberBand(parent, point, true)) {
            const ui::Rect area = band.rect.normalized();
            for (CControlRect* rect : allRects) {
                const ui::Rect r = rect->rect.normalized();
                if (r.intersect(area) == r && !r.isEmpty())
                    select(rect);
            }
        }
    }
    repaint();
    return false;
}

void CControlTracker::dragSelection(ui::Point point) {
    // The selection moves as one box; each control keeps its place in it.
    ui::Rect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (const CControlRect* rect : selectedRects) {
        const ui::Rect r = rect->rect.normalized();
        box = ui::Rect{std::min(box.left, r.left), std::min(box.top, r.top), std::max(box.right, r.right),
                       std::max(box.bottom, r.bottom)};
    }
    if (selectedRects.empty())
        return;
    rect = box;
    // The point lies on the hit control, which lies in the box: the box's body is hit, never a handle.
    if (!track(parent, point))
        return;
    const int dx = rect.left - box.left;
    const int dy = rect.top - box.top;
    if (dx == 0 && dy == 0)
        return;
    for (CControlRect* r : selectedRects)
        r->moveTo(r->rect.offsetBy(dx, dy));
}

bool CControlTracker::OnSetCursor(unsigned hit, unsigned /*message*/) const {
    for (const CControlRect* rect : allRects)
        if (rect->setCursor(parent, hit))
            return true;
    return false;
}

void CControlTracker::OnPaint(ui::Canvas& dc, const ui::Rect& client) const {
    for (const CControlRect* selected : selectedRects) {
        const ui::Rect r = selected->rect.normalized().offsetBy(client.left, client.top);
        // The frame just outside the control, so the control's own window does not cover it.
        dc.frameRect(r.left - 1, r.top - 1, r.right + 1, r.bottom + 1, ui::colors::black);
        for (int h = hitTopLeft; h <= hitLeft; ++h)
            dc.fillRect(selected->getHandleRect(h).offsetBy(client.left, client.top), ui::colors::black);
    }
}

void CControlTracker::repaint() const {
    if (ui::isWindow(parent))
        parent->invalidate();
}
