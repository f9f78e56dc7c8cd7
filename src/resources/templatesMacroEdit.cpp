// Templates of the macro definition editor.
#include "resources/resourceIds.h"
#include "resources/templateBuilders.h"
#include "ui/Resources.h"

namespace ssres {

void addMacroEditTemplates(ui::ResourceModule& module) {
    module.addDialog(okCancelDialog(IDD_EDIT_MACRO, u"", {520, 400}, true));
}

} // namespace ssres
