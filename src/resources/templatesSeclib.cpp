// Templates of the section library editors.
#include "resources/resourceIds.h"
#include "resources/templateBuilders.h"
#include "ui/Resources.h"

namespace ssres {

void addSeclibTemplates(ui::ResourceModule& module) {
    module.addDialog(okCancelDialog(IDD_EDIT_LIB_SECTIONS, u"", {560, 420}, true));
    module.addDialog(okCancelDialog(IDD_EDIT_LIB_SIMPLE, u"", {420, 300}, true));
}

} // namespace ssres
