#pragma once
// The host's file dialog for one kind of file: open or save, with the file's extension, a filter text
// ("Design files (*.txt)"), a title and the folder it starts in. Asked of the ui's file-dialog service, so a
// Script answers it in tests and `ss` scripts.
#include "nuvo/Ork_String.h"

namespace ui {
class Window;
}

// True with the chosen path in `chosen`; false (chosen untouched) when the user cancelled. A save dialog
// adds the extension to a chosen name that has none.
bool DlgOpenSave(ui::Window* owner, bool open, const Ork_String& extension, const Ork_String& filter,
                 const Ork_String& title, const Ork_String& startFolder, Ork_String& chosen);
