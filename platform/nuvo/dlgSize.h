#pragma once
// The host's dialog size functions, over the process-wide DlgSizeStore: a dialog records its first size
// as its minimum, restores the size stored under its key when it opens, and stores its size when it is
// destroyed.
#include "nuvo/Ork_String.h"
#include "ui/geometry.h"

namespace ui {
class Window;
}

// The window's current outer size; false (size untouched) when it is not a window.
bool getDlgSize(const ui::Window* window, ui::Size& size);
// Stores the window's current outer size under the key.
bool WriteDlgSize(const ui::Window* window, const Ork_String& key);
// Resizes the window to the size stored under the key, keeping its top-left corner; false when nothing
// is stored or it is not a window.
bool ChangeDlgSize(ui::Window* window, const Ork_String& key);
