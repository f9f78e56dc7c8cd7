#include "frame/KvSSDlgsMgr.h"

#include "cadhost/MainWindow.h"
#include "resources/resourceIds.h"
#include "sheet/CDlgSSStandards.h"

namespace {
constexpr int kGrowthStep = 8;
}

KvSSDlgsMgr gSSDlgsMgr;

KvSSDlgsMgr::KvSSDlgsMgr() = default;

KvSSDlgsMgr::KvSSDlgsMgr(const KvSSDlgsMgr& other) = default;

KvSSDlgsMgr& KvSSDlgsMgr::operator=(const KvSSDlgsMgr& other) = default;

KvSSDlgsMgr::~KvSSDlgsMgr() {
    // Copies share the windows; destroying them from every copy would destroy them more than once.
    if (this == &gSSDlgsMgr)
        destroyAll();
}

void KvSSDlgsMgr::reserveStep(AcArray<CDlgSSStandards*>& dlgs, AcArray<bool>& flags) {
    const int needed = (dlgs.length() / kGrowthStep + 1) * kGrowthStep;
    dlgs.setPhysicalLength(needed);
    flags.setPhysicalLength(needed);
}

CDlgSSStandards* KvSSDlgsMgr::getDlg() {
    for (int i = 0; i < m_inUse.length(); ++i) {
        if (!m_inUse[i] && i < m_dlgs.length()) {
            m_inUse[i] = true;
            return m_dlgs[i];
        }
    }
    auto* dialog = new CDlgSSStandards(adsw_acadMainWnd());
    if (!dialog->create(IDD_SS_STANDARDS, adsw_acadMainWnd(), ui::Dialog::Show::FromTemplate)) {
        delete dialog;
        return nullptr;
    }
    reserveStep(m_dlgs, m_inUse);
    m_dlgs.append(dialog);
    m_inUse.append(true);
    return dialog;
}

ErrorStatus KvSSDlgsMgr::releaseDlg(CDlgSSStandards* dialog) {
    const int index = dialog ? m_dlgs.find(dialog) : -1;
    if (index < 0 || index >= m_inUse.length())
        return eInvalidInput;
    m_inUse[index] = false;
    return eOk;
}

void KvSSDlgsMgr::destroyAll() {
    for (int i = m_dlgs.length() - 1; i >= 0; --i)
        destroyDlg(i);
    m_dlgs.removeAll();
    m_inUse.removeAll();
}

ErrorStatus KvSSDlgsMgr::destroyDlg(int index) {
    if (index < 0 || index >= m_dlgs.length() || !m_dlgs[index])
        return eInvalidInput;
    CDlgSSStandards* dialog = m_dlgs[index];
    if (dialog->isWindow())
        dialog->destroyWindow();
    // At once: the pool is emptied when the library is detached, and these objects' code goes with it.
    delete dialog;
    m_dlgs.removeAt(index);
    // The flag goes with its window, so flag i keeps belonging to window i.
    m_inUse.removeAt(index);
    return eOk;
}
