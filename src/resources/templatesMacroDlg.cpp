// Templates of the macro input dialogs.
#include "resources/resourceIds.h"
#include "resources/templateBuilders.h"
#include "ui/Resources.h"

namespace ssres {

void addMacroDlgTemplates(ui::ResourceModule& module) {
    module.addDialog(okCancelDialog(IDD_MACRO, u"", {520, 420}, true));
    module.addDialog(okCancelDialog(IDD_MACRO_PROF_ADV, u"", {360, 300}));
    module.addDialog(okCancelDialog(IDD_MACRO_CUTS, u"", {320, 260}));
    module.addDialog(okCancelDialog(IDD_ARRAY, u"", {320, 260}));
}

} // namespace ssres
