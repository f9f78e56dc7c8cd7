// Templates of the auxiliary dialogs.
#include "resources/resourceIds.h"
#include "resources/templateBuilders.h"
#include "ui/Resources.h"

namespace ssres {

void addAuxDlgTemplates(ui::ResourceModule& module) {
    // id                              caption  client size
    module.addDialog(okCancelDialog(IDD_SELECT_MACRO,            u"", {320, 300}, true));
    module.addDialog(okCancelDialog(IDD_CSP2,                    u"", {360, 280}));
    module.addDialog(okCancelDialog(IDD_EDIT_PROF_CUTS,          u"", {360, 280}));
    module.addDialog(okCancelDialog(IDD_PROF_FEATURES,           u"", {360, 280}));
    module.addDialog(okCancelDialog(IDD_LEVELS,                  u"", {360, 280}));
    module.addDialog(okCancelDialog(IDD_LOOKUP,                  u"", {360, 280}, true));
    module.addDialog(okCancelDialog(IDD_CLADDING_SETTINGS,       u"", {360, 280}));
    module.addDialog(okCancelDialog(IDD_BRACING,                 u"", {360, 280}));
    module.addDialog(okCancelDialog(IDD_SELECT_DSTV_POINTS_FILE, u"", {360, 280}));
    module.addDialog(okCancelDialog(IDD_CIS2,                    u"", {340, 260}));
    module.addDialog(okCancelDialog(IDD_GRID,                    u"", {300, 220}));
    module.addDialog(okCancelDialog(IDD_SELECT_IMAGE,            u"", {420, 320}, true));
}

} // namespace ssres
