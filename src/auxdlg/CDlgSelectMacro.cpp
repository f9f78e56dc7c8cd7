#include "auxdlg/CDlgSelectMacro.h"

#include "resources/resourceIds.h"

CDlgSelectMacro::CDlgSelectMacro(ui::Window* parent) : ui::Dialog(IDD_SELECT_MACRO, parent) {}

void CDlgSelectMacro::initFilter(const Ork_StringArray& names, const AcArray<bool>& enabled, int first,
                                 int second) {
    m_names = names;
    m_enabled = enabled;
    m_filterFirst = first;
    m_filterSecond = second;
}

bool CDlgSelectMacro::onInitDialog() {
    setWindowText(m_title);
    return true;
}
