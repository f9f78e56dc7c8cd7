#pragma once
// Bitmaps the editor's buttons take from files (image buttons of a constraint, the command buttons).
#include "nuvo/Ork_String.h"
#include "ui/Window.h"

namespace macroedit {

// The BMP file as an image for a button; false (image untouched) when it cannot be read or is no BMP.
bool loadBitmapFile(const Ork_String& path, ui::Image& image);
// A blank white picture of that size: what an image button shows while it has no bitmap of its own.
ui::Image whiteBitmap(int width, int height);

} // namespace macroedit
