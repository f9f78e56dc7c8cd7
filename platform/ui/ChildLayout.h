#pragma once
// The child layout of a resizable dialog, shared by the module's KvDlgLayout and the host's CResizer. When the
// dialog opens, record() keeps the dialog's client size and the rectangle of every direct child except tool
// bars (class "ToolbarWindow32"). Each child has a flag set per axis: bit 1 keeps its size, bit 2 keeps its
// near edge (left or top), bit 4 makes its far edge follow the dialog's. On every resize, per axis, with the
// recorded size O and the new size N:
//   near edge: stays with bit 2; moves by N - O with bits 1 and 4; otherwise scales by N / O;
//   far edge:  moves by N - O with bit 4; sits at near edge + recorded size with bit 1; otherwise scales.
// The codes in use: kStretch (6), kFixed (3), kFollow (5) and kProportional (0, the default).
// All children are moved after all new rectangles are known, as one batch. Windows made after record() are
// not moved (the designer's page keeps its controls on its picture).
#include "ui/geometry.h"

#include <vector>

namespace ui {

class Window;

class ChildLayout {
public:
    enum Flags : int { kKeepSize = 1, kKeepNear = 2, kFollowFar = 4 };
    static constexpr int kProportional = 0;
    static constexpr int kFixed = kKeepSize | kKeepNear;
    static constexpr int kFollow = kKeepSize | kFollowFar;
    static constexpr int kStretch = kKeepNear | kFollowFar;

    // Forgets what was recorded and records the dialog as it is now. Flags already given are kept for the
    // children that are still there.
    void record(Window& dialog);
    // The flags of a recorded child, by control id (false when no recorded child has it) or by window.
    bool setFlags(int id, int horizontal, int vertical);
    bool setFlags(const Window* child, int horizontal, int vertical);
    // Moves every recorded child for a new client size of the dialog. Nothing before record().
    void resize(int cx, int cy);

    // One axis: the new near and far edges of a child for the dialog's recorded and new size.
    static void layoutAxis(int flags, int near, int far, int oldSize, int newSize, int& newNear, int& newFar);

private:
    struct Child {
        Window* window;
        int id;
        Rect rect;  // in the dialog's client coordinates when recorded
        int horizontal = kProportional;
        int vertical = kProportional;
    };

    Window* m_dialog = nullptr;
    Size m_size;
    std::vector<Child> m_children;
};

} // namespace ui
