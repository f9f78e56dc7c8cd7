#pragma once
// How the framework's own window classes look: the frame of any window, and the client area of dialogs,
// statics, buttons (push, check, radio, group, image), edits, combo boxes, tab controls and list views.
// Used by renderWindow (WindowPainter.h); each function draws into the rectangles it is given, on a canvas
// already clipped to them.
#include "ui/Window.h"
#include "ui/paint/Canvas.h"

namespace ui::painters {

// Caption bar, border or sunken edge in the ring between `window` (the window's rectangle on the canvas) and
// its client rectangle.
void paintFrame(Canvas& canvas, const Window& w, const Rect& window, const Rect& client);

// The client area of a built-in class; false when the window is of no class drawn here.
bool paintBuiltIn(Canvas& canvas, const Window& w, const Rect& client);

// What a window of an unknown class shows: a light box with its class name.
void paintPlaceholder(Canvas& canvas, const Window& w, const Rect& client);

// Text colour of a label, grey when the window is disabled.
Color textColor(const Window& w);

} // namespace ui::painters
