#include "sheet/CDlgSSStandards.h"

#include "base/SSTimers.h"
#include "os/snapshot.h"
#include "resources/resourceIds.h"

namespace {
constexpr int kGridFrame = 1196;
}

CDlgSSStandards::CDlgSSStandards(ui::Window* parent) : ui::Dialog(IDD_SS_STANDARDS, parent) {}

CDlgSSStandards::~CDlgSSStandards() = default;

bool CDlgSSStandards::onInitDialog() {
    m_grid.createInPlace(this, kGridFrame);
    return true;
}

ErrorStatus CDlgSSStandards::evaluateStandards() {
    if (!m_grid.isCreated())
        return eInvalidInput;
    // One evaluation with its child sheets sees the library as it stood when it began, and looks each file
    // up once.
    const os::FileSystemSnapshot stillLibrary;
    {
        Ork_TimerScope timer(gLoadFile);
        if (m_grid.loadStandardsFile(m_data.file) != eOk)
            return eInvalidInput;
    }

    switch (m_data.mode) {
    case KvDlgStandardsData::kMacroMode:
        if (m_grid.prepareFromMacro(m_data) != eOk || m_grid.calculateToMacro(m_data) != eOk)
            return eInvalidInput;
        m_data.varCells = m_grid.varCells();
        return eOk;
    case KvDlgStandardsData::kDirectMode:
        if (m_grid.prepareFromCells(m_data) != eOk || m_grid.calculateToCells(m_data.varCells) != eOk)
            return eInvalidInput;
        return eOk;
    default:   // load only
        return eOk;
    }
}
