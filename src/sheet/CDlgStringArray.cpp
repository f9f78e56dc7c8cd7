#include "sheet/CDlgStringArray.h"

#include "resources/resourceIds.h"

CDlgStringArray::CDlgStringArray(ui::Window* parent) : ui::Dialog(IDD_STRING_ARRAY, parent) {}

bool CDlgStringArray::onInitDialog() {
    setWindowText(m_title);
    return true;
}
