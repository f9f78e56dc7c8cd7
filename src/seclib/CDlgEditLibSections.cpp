#include "seclib/CDlgEditLibSections.h"

#include "resources/resourceIds.h"

CDlgEditLibSections::CDlgEditLibSections(ui::Window* parent) : ui::Dialog(IDD_EDIT_LIB_SECTIONS, parent) {}
