#include "macroedit/CDlgEditMacro.h"

#include "SS/SSExports.h"
#include "resources/resourceIds.h"

CDlgEditMacro::CDlgEditMacro(ui::Window* parent) : ui::Dialog(IDD_EDIT_MACRO, parent) {}

void CDlgEditMacro::onOK() {
    if (m_modeless)
        EndDlgEditConstraints();
    else
        ui::Dialog::onOK();
}

void CDlgEditMacro::onCancel() {
    if (m_modeless)
        EndDlgEditConstraints();
    else
        ui::Dialog::onCancel();
}
