#include "sheet/CDlgSSAsTool.h"

#include "cadhost/MainWindow.h"
#include "base/KvResourceGuard.h"
#include "resources/resourceIds.h"

CDlgSSAsTool::CDlgSSAsTool(ui::Window* parent) : ui::Dialog(IDD_SS_AS_TOOL, parent) {}

CDlgSSAsTool::~CDlgSSAsTool() = default;

bool CDlgSSAsTool::onInitDialog() {
    ui::Dialog::onInitDialog();
    m_grid.createInPlace(this, IDC_FRAME_GRID);
    return true;
}

DlgSSAsTool::DlgSSAsTool() = default;

DlgSSAsTool::~DlgSSAsTool() {
    // The host may already have destroyed the window with its main window; then only the object is left.
    if (m_dialog && m_dialog->isWindow())
        m_dialog->destroyWindow();
}

bool DlgSSAsTool::ensureCreated() {
    if (m_created)
        return true;
    // The host calls the bill output directly, not through an entry point: the template must be this module's.
    KvResourceGuard guard;
    ui::Window* mainWindow = adsw_acadMainWnd();
    auto dialog = std::make_unique<CDlgSSAsTool>(mainWindow);
    if (!dialog->create(IDD_SS_AS_TOOL, mainWindow, ui::Dialog::Show::Hidden))
        return false;
    m_dialog = std::move(dialog);
    m_created = true;
    mainWindow->setFocus();
    return true;
}

Ork_Spread* DlgSSAsTool::get() const {
    if (!m_created || !m_dialog || !m_dialog->isWindow() || !m_dialog->m_grid.isCreated())
        return nullptr;
    return &m_dialog->m_grid;
}
