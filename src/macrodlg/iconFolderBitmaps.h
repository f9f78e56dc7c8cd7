#pragma once
// Pictures of the macro dialogs, read from the installation's "icons" folder. A name is looked up only
// inside that folder: one that climbs out of it ("..", a folder part, an absolute path or a drive) or that
// names no readable bitmap gives no picture, and the control stays blank.
#include "nuvo/Ork_String.h"
#include "ui/Window.h"

namespace macrodlg {

// False, `image` untouched, when the file is not a bitmap of the icons folder.
bool loadIconBitmap(const Ork_String& fileName, ui::Image& image);

} // namespace macrodlg
