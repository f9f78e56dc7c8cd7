#pragma once
// The platform's rectangle tracker: a rectangle with up to eight resize handles, hit testing against them, and
// the user's drag — moving the body, pulling a handle, or drawing a rubber band — which is asked of the
// installed services (Services::track; a Script in tests). The designer's selection rectangles derive from it.
#include "ui/Window.h"

namespace ui {

class RectTracker {
public:
    enum StyleFlags : unsigned {
        solidLine = 1,
        dottedLine = 2,
        hatchedBorder = 4,
        resizeInside = 8,
        resizeOutside = 16,
        hatchInside = 32,
    };
    // Hit codes: the four corners, the four edge middles, the body.
    enum Hit : int {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8,
    };

    RectTracker() = default;
    RectTracker(const Rect& r, unsigned styleFlags) : rect(r), style(styleFlags) {}
    virtual ~RectTracker() = default;

    Rect rect;            // client coordinates of the window tracked in
    unsigned style = 0;
    int handleSize = 4;

    // Which handles exist (bit i for hit code i). By default the corners always, the edge handles only when
    // the rectangle is more than three handles long on that side.
    virtual unsigned getHandleMask() const;
    Rect getHandleRect(int hit) const;  // empty for a handle outside the mask
    // The rectangle with its outside handles.
    Rect getTrueRect() const;
    int hitTest(Point p) const;
    // The user drags from `p`: the body moves the rectangle, a handle resizes it. True when the user finished
    // the drag (the rectangle then holds the result), false when nothing was hit or the drag was cancelled.
    // Without `allowInvert` the result is normalised.
    bool track(Window* window, Point p, bool allowInvert = false);
    // The user draws a new rectangle from `p`; true with the result in `rect`, false when cancelled.
    bool trackRubberBand(Window* window, Point p, bool allowInvert = true);
    // Whether the cursor (Desktop::cursorPos) is over the rectangle or a handle, as the platform asks before
    // choosing a cursor shape for it; the shape is recorded in lastCursorHit.
    bool setCursor(Window* window, unsigned hitTestCode) const;
    mutable int lastCursorHit = hitNothing;

protected:
    // Called with the old rectangle after a successful track.
    virtual void onChangedRect(const Rect& old) { (void)old; }
};

} // namespace ui
