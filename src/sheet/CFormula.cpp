#include "sheet/CFormula.h"

#include "resources/resourceIds.h"

CFormula::CFormula(ui::Window* parent) : ui::Dialog(IDD_FORMULA, parent) {}

bool CFormula::onInitDialog() {
    if (m_mode == Mode::Read) {
        m_firstCell.clear();
        m_headers.removeAll();
        m_rows.removeAll();
        endDialog(ui::IDOK);
    }
    return true;
}
