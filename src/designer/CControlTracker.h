#pragma once
// The selection of a designed page in the designer: every drawn control's rectangle, the selected ones in the
// order they were selected, and what a click, a drag or a rubber band does to them. It lives only in design
// mode; the page owns it, the page's drawn controls own the rectangles.
#include "ui/RectTracker.h"
#include "ui/geometry.h"

#include <vector>

class CControlRect;

namespace ui {
class Canvas;
class Window;
} // namespace ui

class CControlTracker : public ui::RectTracker {
public:
    explicit CControlTracker(ui::Window* parent);

    ui::Window* parent;
    std::vector<CControlRect*> allRects;       // in creation order; not owned
    std::vector<CControlRect*> selectedRects;  // in selection order

    void addRect(CControlRect* rect);
    // Takes the rectangle out of the lists; the selection is cleared first when it is one of them. False
    // when the tracker does not know it.
    bool removeRect(CControlRect* rect);
    void removeAllRects();

    void select(CControlRect* rect);
    void deselect(CControlRect* rect);
    void clearSelection();
    // The rectangle whose window has the identifier; nothing when none has it.
    void selectById(int id, bool clearFirst);
    // The identifiers of the selected windows, in selection order.
    std::vector<int> selectedIds() const;
    // The identifier of the only selected rectangle; -1 unless exactly one is selected.
    int singleSelectionId() const;

    // A left click at `point` (client coordinates of the parent) with the mouse message's key flags: selects,
    // drags the selection or a handle, or draws a rubber band when `rubberBand`. True when a rectangle was hit.
    bool OnLButtonDown(unsigned flags, ui::Point point, bool rubberBand);
    // True when a rectangle's body or handle lies under the cursor (it chose the cursor).
    bool OnSetCursor(unsigned hit, unsigned message) const;
    // The selected rectangles' frames and handles, on a picture of the parent whose client area is `client`.
    void OnPaint(ui::Canvas& dc, const ui::Rect& client) const;

private:
    void dragSelection(ui::Point point);
    void repaint() const;
};
