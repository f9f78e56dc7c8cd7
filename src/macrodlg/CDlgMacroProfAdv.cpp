#include "macrodlg/CDlgMacroProfAdv.h"

#include "resources/resourceIds.h"

CDlgMacroProfAdv::CDlgMacroProfAdv(ui::Window* parent) : ui::Dialog(IDD_MACRO_PROF_ADV, parent) {}

bool CDlgMacroProfAdv::onInitDialog() {
    if (m_callback)
        m_callback(0, m_callbackData, m_profile);
    return true;
}
