#include "ui/RectTracker.h"

#include "ui/Desktop.h"
#include "ui/Services.h"

namespace ui {

unsigned RectTracker::getHandleMask() const {
    unsigned mask = 0x0F;
    Rect r = rect.normalized();
    if (r.width() > 3 * handleSize) mask |= (1u << hitTop) | (1u << hitBottom);
    if (r.height() > 3 * handleSize) mask |= (1u << hitLeft) | (1u << hitRight);
    return mask;
}

Rect RectTracker::getHandleRect(int hit) const {
    if (hit < 0 || hit > 7 || !(getHandleMask() & (1u << hit))) return {};
    const Rect r = rect.normalized();
    const int s = handleSize;
    const bool outside = (style & resizeOutside) != 0;
    // Left, middle or right column; top, middle or bottom row.
    auto xFor = [&](int col) {
        if (col == 0) return outside ? r.left - s : r.left;
        if (col == 2) return outside ? r.right : r.right - s;
        return r.left + (r.width() - s) / 2;
    };
    auto yFor = [&](int row) {
        if (row == 0) return outside ? r.top - s : r.top;
        if (row == 2) return outside ? r.bottom : r.bottom - s;
        return r.top + (r.height() - s) / 2;
    };
    static constexpr int kCol[8] = {0, 2, 2, 0, 1, 2, 1, 0};
    static constexpr int kRow[8] = {0, 0, 2, 2, 0, 1, 2, 1};
    return Rect::fromSize(xFor(kCol[hit]), yFor(kRow[hit]), s, s);
}

Rect RectTracker::getTrueRect() const {
    Rect r = rect.normalized();
    for (int h = 0; h < 8; ++h) r = r.unite(getHandleRect(h));
    return r;
}

int RectTracker::hitTest(Point p) const {
    if (style & (resizeInside | resizeOutside))
        for (int h = 0; h < 8; ++h)
            if (getHandleRect(h).contains(p)) return h;
    return rect.normalized().contains(p) ? hitMiddle : hitNothing;
}

bool RectTracker::track(Window* window, Point p, bool allowInvert) {
    const int hit = hitTest(p);
    if (hit == hitNothing) return false;
    TrackRequest request{window, hit == hitMiddle ? TrackKind::Move : TrackKind::Resize, rect, p,
                         hit == hitMiddle ? -1 : hit};
    std::optional<Rect> result = Services::track(request);
    if (!result) return false;
    const Rect old = rect;
    rect = allowInvert ? *result : result->normalized();
    onChangedRect(old);
    return true;
}

bool RectTracker::trackRubberBand(Window* window, Point p, bool allowInvert) {
    TrackRequest request{window, TrackKind::RubberBand, Rect{p.x, p.y, p.x, p.y}, p, -1};
    std::optional<Rect> result = Services::track(request);
    if (!result) return false;
    const Rect old = rect;
    rect = allowInvert ? *result : result->normalized();
    onChangedRect(old);
    return true;
}

bool RectTracker::setCursor(Window* window, unsigned hitTestCode) const {
    (void)hitTestCode;
    if (!window || !window->isWindow()) return false;
    lastCursorHit = hitTest(window->screenToClient(Desktop::cursorPos()));
    return lastCursorHit != hitNothing;
}

} // namespace ui
