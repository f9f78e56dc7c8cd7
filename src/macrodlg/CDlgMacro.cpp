#include "macrodlg/CDlgMacro.h"

#include "SS/SSExports.h"
#include "resources/resourceIds.h"

CDlgMacro::CDlgMacro(ui::Window* parent) : ui::Dialog(IDD_MACRO, parent) {}

void CDlgMacro::onOK() {
    if (isModal())
        ui::Dialog::onOK();
    else
        EndDlgMacroModeless(m_index);
}

void CDlgMacro::onCancel() {
    if (isModal())
        ui::Dialog::onCancel();
    else
        EndDlgMacroModeless(m_index);
}
