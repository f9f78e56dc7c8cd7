#include "macroedit/CTabMacroFilterProps.h"

#include "designer/Ork_DlgDesignerData.h"
#include "grid/SpreadWindow.h"
#include "macroedit/filterEntries.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "ui/ComboBox.h"

namespace {

constexpr int kExplanation = 957, kPropertyLabel = 958, kValuesGroup = 959, kImageLabel = 960, kAddTip = 961,
              kDeleteTip = 962, kValueHeader = 85;

} // namespace

void CTabMacroFilterProps::setData(const Ork_StringArray& names, const Ork_Array<Ork_StringArray>& values,
                                   const Ork_StringArray& images) {
    m_names = names;
    m_values = values;
    m_images = images;
}

bool CTabMacroFilterProps::onInitDialog() {
    ui::Dialog::onInitDialog();
    setDlgItemText(IDC_MFP_EXPLANATION, dialString(kExplanation));
    setDlgItemText(IDC_MFP_PROPERTY_LABEL, dialString(kPropertyLabel));
    setDlgItemText(IDC_MFP_VALUES_GROUP, dialString(kValuesGroup));
    setDlgItemText(IDC_MFP_IMAGE_LABEL, dialString(kImageLabel));
    m_add.attach(*this, IDC_MFP_ADD, IDI_EDIT_ADD, dialString(kAddTip));
    m_delete.attach(*this, IDC_MFP_DELETE, IDI_EDIT_REMOVE, dialString(kDeleteTip));
    if (m_grid.createInPlace(this, IDC_FRAME_GRID, true)) {
        m_grid.setStandardLook(0);
        m_grid.ssSetBool(grid::kSwitchRowHeaders, false);
        m_grid.setMaxCols(1);
        m_grid.setMaxRows(0);
        m_grid.setColumnHeaderTexts(Ork_StringArray{dialString(kValueHeader)});
    }
    if (auto* list = getDlgItemAs<ui::ComboBox>(IDC_MFP_PROPERTIES))
        for (const Ork_String& name : m_names)
            list->addString(name);
    if (auto* images = getDlgItemAs<ui::ComboBox>(IDC_MFP_IMAGE)) {
        Ork_StringArray designs;
        getModuleImages(designs);
        for (const Ork_String& design : designs)
            images->addString(design);
    }
    if (auto* list = getDlgItemAs<ui::ComboBox>(IDC_MFP_PROPERTIES))
        list->setCurSel(0);
    show(0);
    return true;
}

bool CTabMacroFilterProps::usable(int p) const {
    return p >= 0 && p < m_values.length() && m_values.length() == m_images.length();
}

void CTabMacroFilterProps::show(int p) {
    m_shown = p;
    if (!usable(p) || !m_grid.isCreated())
        return;
    const Ork_StringArray& values = m_values[p];
    m_grid.setMaxRows(values.length());
    for (int r = 1; r <= values.length(); ++r)
        m_grid.ssSetData(1, r, values[r - 1].c_str());
    m_grid.autoFitColumn(1, false);
    setDlgItemText(IDC_MFP_IMAGE, m_images[p]);
}

void CTabMacroFilterProps::storeShown() {
    const int p = m_shown;
    if (!usable(p) || !m_grid.isCreated())
        return;
    Ork_StringArray values;
    for (int r = 1; r <= m_grid.getMaxRows(); ++r) {
        Ork_String text;
        m_grid.getCellText(1, r, text, Ork_Spread::kTextData);
        values.append(text);
    }
    m_values[p] = values;
    m_images[p] = getDlgItemText(IDC_MFP_IMAGE);
}

void CTabMacroFilterProps::store(Ork_StringArray& names, Ork_Array<Ork_StringArray>& values, Ork_StringArray& images) {
    storeShown();
    names = m_names;
    values = m_values;
    images = m_images;
}

bool CTabMacroFilterProps::onCommand(int id, int code) {
    if (id == IDC_FRAME_GRID)
        return true;
    if (code == ui::CBN_SELCHANGE && id == IDC_MFP_PROPERTIES) {
        const auto* list = getDlgItemAs<ui::ComboBox>(IDC_MFP_PROPERTIES);
        const int chosen = list ? list->getCurSel() : -1;
        if (chosen >= 0 && chosen != m_shown) {
            storeShown();
            show(chosen);
        }
        return true;
    }
    if (code == ui::BN_CLICKED && id == IDC_MFP_ADD) {
        if (usable(m_shown) && m_grid.isCreated()) {
            if (m_grid.getMaxRows() == 0)
                m_grid.setMaxRows(1);   // the first value of an empty list is row 1
            else
                m_grid.insertRowAfterSelection(false);
        }
        return true;
    }
    if (code == ui::BN_CLICKED && id == IDC_MFP_DELETE) {
        if (usable(m_shown) && m_grid.isCreated() && m_grid.getMaxRows() > 0)
            m_grid.deleteSelectedRow();
        return true;
    }
    return ui::Dialog::onCommand(id, code);
}

bool CTabMacroFilterProps::preTranslateMessage(const ui::Msg& msg) {
    return macroedit::cancelOwnerOnEscape(*this, msg) || ui::Dialog::preTranslateMessage(msg);
}
