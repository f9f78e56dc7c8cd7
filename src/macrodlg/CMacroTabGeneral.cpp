#include "macrodlg/CMacroTabGeneral.h"

#include "macrodlg/CDlgMacro.h"
#include "macrodlg/CDlgMacroBoltAdv.h"
#include "nuvo/controlHelpers.h"
#include "nuvo/hostTexts.h"
#include "nuvo/macro/macroDialogCalls.h"
#include "resources/resourceIds.h"
#include "ui/ComboBox.h"
#include "ui/constants.h"

namespace {

constexpr int kAssemblyText = 275;
constexpr int kDiameterText = 328;
constexpr int kAdvancedText = 1007;
constexpr int kBoltFieldIds[] = {IDC_MT_ASSEMBLY_LABEL, IDC_MT_ASSEMBLY, IDC_MT_DIAMETER_LABEL, IDC_MT_DIAMETER,
                                 IDC_MT_ADVANCED};

// Selects `text` in a list, adding it when the list lacks it (a value the host no longer offers still shows).
void showInList(ui::ComboBox* combo, const Ork_String& text) {
    if (!combo)
        return;
    int index = combo->findStringExact(-1, text);
    if (index < 0 && !text.isEmpty())
        index = combo->addString(text);
    combo->setCurSel(index);
}

Ork_String diameterText(double d) { return Ork_String(d, d == static_cast<double>(static_cast<long long>(d)) ? 0 : 1); }

} // namespace

CMacroTabGeneral::CMacroTabGeneral(CDlgMacro& owner, int tabIndex)
    : CMacroTab(IDD_MACRO_TAB_GENERAL, Kind::General, owner, tabIndex) {}

int CMacroTabGeneral::gridFrameId() const { return IDC_MT_GRID; }

void CMacroTabGeneral::buildOwn() {
    const MacroTabData* t = tab();
    m_boltFields = t && t->type == MacroTabData::kBoltTab && t->getBoltData() && !m_hasBoltButton;
    for (int id : kBoltFieldIds)
        if (ui::Window* w = getDlgItem(id))
            w->showWindow(m_boltFields ? ui::SW_SHOW : ui::SW_HIDE);
    if (!m_boltFields)
        return;
    setDlgItemText(IDC_MT_ASSEMBLY_LABEL, dialString(kAssemblyText));
    setDlgItemText(IDC_MT_DIAMETER_LABEL, dialString(kDiameterText));
    setDlgItemText(IDC_MT_ADVANCED, dialString(kAdvancedText));
}

ui::Size CMacroTabGeneral::measure() const {
    ui::Size size = CMacroTab::measure();
    if (m_boltFields)
        size.cy += kBoltFieldsHeight;
    return size;
}

void CMacroTabGeneral::fillDiameters(const Ork_String& assembly, const Ork_String& chosen) {
    auto* combo = getDlgItemAs<ui::ComboBox>(IDC_MT_DIAMETER);
    if (!combo)
        return;
    AcArray<double> diameters;
    Ork_StringArray texts;
    {
        CDlgMacro::BusyScope busy(m_owner);
        GetMergedDiameters(assembly, diameters);
    }
    for (int i = 0; i < diameters.length(); ++i)
        texts.append(diameterText(diameters[i]));
    combo->resetContent();
    FillCombo(combo, texts);
    showInList(combo, chosen);
}

void CMacroTabGeneral::loadOwn() {
    const MacroTabData* t = tab();
    const MacroBoltData* bolt = t ? t->getBoltData() : nullptr;
    if (!m_boltFields || !bolt)
        return;
    // The fields sit below the designed page and the grid.
    const int top = pageBottom() + (gridShown() ? kGridHeight + 2 * kGridTopGap : kGridTopGap);
    int x = kGridTopGap;
    for (int id : kBoltFieldIds)
        if (ui::Window* w = getDlgItem(id)) {
            const ui::Rect r = w->getRectInParent();
            w->moveWindow(x, top + (id == IDC_MT_ASSEMBLY_LABEL || id == IDC_MT_DIAMETER_LABEL ? 3 : 0), r.width(), r.height());
            x += r.width() + 5;
        }
    if (auto* assemblies = getDlgItemAs<ui::ComboBox>(IDC_MT_ASSEMBLY)) {
        Ork_StringArray names;
        {
            CDlgMacro::BusyScope busy(m_owner);
            GetAssemblies(names);
        }
        assemblies->resetContent();
        FillCombo(assemblies, names);
        showInList(assemblies, bolt->assembly);
    }
    fillDiameters(bolt->assembly, bolt->diameter);
}

void CMacroTabGeneral::storeOwn() {
    MacroTabData* t = tab();
    MacroBoltData* bolt = t ? t->getBoltData() : nullptr;
    if (!m_boltFields || !bolt)
        return;
    bolt->assembly = getDlgItemText(IDC_MT_ASSEMBLY);
    bolt->diameter = getDlgItemText(IDC_MT_DIAMETER);
}

std::vector<int> CMacroTabGeneral::ownControls() const {
    if (!m_boltFields)
        return {};
    return {IDC_MT_ASSEMBLY, IDC_MT_DIAMETER, IDC_MT_ADVANCED};
}

bool CMacroTabGeneral::ownCommand(int id, int code) {
    if (id == IDC_MT_ASSEMBLY && code == ui::CBN_SELCHANGE) {
        fillDiameters(getDlgItemText(IDC_MT_ASSEMBLY), getDlgItemText(IDC_MT_DIAMETER));
        apply();
        return true;
    }
    if (id == IDC_MT_DIAMETER && code == ui::CBN_SELCHANGE) {
        apply();
        return true;
    }
    if (id == IDC_MT_ADVANCED && code == ui::BN_CLICKED) {
        boltButton();
        return true;
    }
    return false;
}

// The own advanced button and a designed bolt button alike: the bolt dialog works on the record as the page
// shows it, and pushes each change to the owner (CDlgMacro::pushBolt). A tab without a bolt record opens nothing.
void CMacroTabGeneral::boltButton() {
    if (ready)
        store();
    openBoltDialog();
}

void CMacroTabGeneral::openBoltDialog() {
    const MacroTabData* t = tab();
    const MacroBoltData* bolt = t ? t->getBoltData() : nullptr;
    if (!bolt)
        return;
    CDlgMacroBoltAdv dialog(&m_owner, &m_owner);
    dialog.m_bolt = *bolt;
    CDlgMacro::BusyScope busy(m_owner);
    GetMergedDiameters(bolt->assembly, dialog.m_diameters);
    // Each push has already stored and applied the record; nothing is left to copy back.
    dialog.doModal();
}
