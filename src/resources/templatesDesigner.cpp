// Templates of the dialog designer.
#include "resources/resourceIds.h"
#include "resources/templateBuilders.h"
#include "ui/Resources.h"

namespace ssres {

void addDesignerTemplates(ui::ResourceModule& module) {
    module.addDialog(okCancelDialog(IDD_DESIGNER, u"", {640, 480}, true));
}

} // namespace ssres
