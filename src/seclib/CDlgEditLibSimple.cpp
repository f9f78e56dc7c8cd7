#include "seclib/CDlgEditLibSimple.h"

#include "resources/resourceIds.h"

CDlgEditLibSimple::CDlgEditLibSimple(ui::Window* parent) : ui::Dialog(IDD_EDIT_LIB_SIMPLE, parent) {}
