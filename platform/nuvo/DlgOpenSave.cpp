#include "nuvo/DlgOpenSave.h"

#include "nuvo/textHelpers.h"
#include "ui/Services.h"

bool DlgOpenSave(ui::Window* owner, bool open, const Ork_String& extension, const Ork_String& filter,
                 const Ork_String& title, const Ork_String& startFolder, Ork_String& chosen) {
    ui::FileDialogRequest request;
    request.owner = owner;
    request.open = open;
    request.title = title;
    // The platform's filter: the text the user reads, then the pattern it stands for.
    request.filter = filter + u"|*." + extension + u"||";
    request.defaultExt = extension;
    request.initialDir = startFolder;
    const auto paths = ui::Services::fileDialog(request);
    if (!paths || paths->empty() || paths->front().empty())
        return false;
    Ork_String path(paths->front());
    if (!open && !extension.isEmpty() && getExtension(path).isEmpty())
        path = path + u"." + extension;
    chosen = path;
    return true;
}
