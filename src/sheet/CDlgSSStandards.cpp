#include "sheet/CDlgSSStandards.h"

#include "resources/resourceIds.h"

CDlgSSStandards::CDlgSSStandards(ui::Window* parent) : ui::Dialog(IDD_SS_STANDARDS, parent) {}

bool CDlgSSStandards::evaluateStandards() {
    // No calculation engine yet: an evaluation cannot succeed, so the caller's record stays as it was.
    return false;
}
