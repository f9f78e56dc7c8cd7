#pragma once
// The host's resizer: anchors the controls of a resizable dialog to its edges and moves them when the dialog
// is resized. It stands on the platform's child layout (ui/ChildLayout.h), the same engine as the module's
// KvDlgLayout, so both lay out children by one rule.
//
// Only the controls that exist when it is attached move; windows a dialog makes later (the designer's page
// controls, which belong to its picture) stay where they are.
#include "ui/ChildLayout.h"

#include "nuvo/Ork_String.h"

#include <utility>
#include <vector>

namespace ui {
class Window;
}

class CResizer {
public:
    // Codes per axis, as the child layout reads them.
    static constexpr int kProportional = ui::ChildLayout::kProportional;
    static constexpr int kFixed = ui::ChildLayout::kFixed;    // stays at the near edge, keeps its size
    static constexpr int kFollow = ui::ChildLayout::kFollow;  // moves with the far edge, keeps its size
    static constexpr int kStretch = ui::ChildLayout::kStretch;

    // Records the dialog's client size and its controls as they are now; every control starts fixed to the
    // top-left corner. False for a window that does not exist.
    bool attach(ui::Window& dialog);
    // The anchors of one control; false when no recorded control has that id.
    bool setAnchor(int id, int horizontal, int vertical);
    // Moves the recorded controls for the dialog's new client size (its WM_SIZE).
    void onSize(int cx, int cy);
    bool attached() const { return m_attached; }

    // Named control sets: a control may belong to one set ("Morphed"), so that the dialog can show or hide
    // the set as one.
    bool addToSet(int id, const Ork_String& name);
    void showSet(const Ork_String& name, bool show);
    // Grows the dialog's window by (dx, dy); the anchored controls follow through its WM_SIZE.
    bool stretchBy(int dx, int dy);

private:
    ui::ChildLayout m_layout;
    bool m_attached = false;
    ui::Window* m_dialog = nullptr;
    std::vector<std::pair<int, Ork_String>> m_sets;
};
