#include "auxdlg/CDlgCis2.h"

#include "nuvo/hostTexts.h"
#include "nuvo/sectionTranslation.h"
#include "resources/resourceIds.h"
#include "ui/Services.h"

namespace {

constexpr int kTitle = 1731, kExplanation = 1732, kExplanationMore = 1733;
constexpr int kTranslationTitle = 1740, kTranslationText = 670;
constexpr int kOkText = 1, kCancelText = 2;
constexpr struct {
    int id;
    int text;
} kTexts[] = {
    {IDC_CIS2_FIRST_ON, 1734}, {IDC_CIS2_FIRST_OFF, 1735}, {IDC_CIS2_FLAG2, 665},    {IDC_CIS2_FLAG4, 1736},
    {IDC_CIS2_FLAG5, 1741},    {IDC_CIS2_THIRD_OFF, 1737}, {IDC_CIS2_THIRD_ON, 1738}, {IDC_CIS2_TRANSLATION, 1739},
};
// What the first pair's second radio button enables.
constexpr int kFollowingFirstOff[] = {IDC_CIS2_THIRD_OFF, IDC_CIS2_THIRD_ON, IDC_CIS2_TRANSLATION, IDC_CIS2_FLAG4,
                                      IDC_CIS2_FLAG5};

} // namespace

CDlgCis2::CDlgCis2(ui::Window* parent) : KvRecordDlg<KvDlgCis2Data>(IDD_CIS2, parent) {}

bool CDlgCis2::onInitDialog() {
    ui::Dialog::onInitDialog();
    setWindowText(dialString(kTitle));
    setDlgItemText(ui::IDOK, dialString(kOkText));
    setDlgItemText(ui::IDCANCEL, dialString(kCancelText));
    setDlgItemText(IDC_CIS2_EXPLANATION, dialString(kExplanation) + u"\n\n" + dialString(kExplanationMore));
    for (const auto& t : kTexts)
        setDlgItemText(t.id, dialString(t.text));
    checkRadioButton(IDC_CIS2_FIRST_ON, IDC_CIS2_FIRST_OFF, m_data.flag1 ? IDC_CIS2_FIRST_ON : IDC_CIS2_FIRST_OFF);
    checkRadioButton(IDC_CIS2_THIRD_OFF, IDC_CIS2_THIRD_ON, m_data.flag3 ? IDC_CIS2_THIRD_ON : IDC_CIS2_THIRD_OFF);
    checkDlgButton(IDC_CIS2_FLAG2, m_data.flag2 ? 1 : 0);
    checkDlgButton(IDC_CIS2_FLAG4, m_data.flag4 ? 1 : 0);
    checkDlgButton(IDC_CIS2_FLAG5, m_data.flag5 ? 1 : 0);
    updateEnabling();
    return true;
}

void CDlgCis2::updateEnabling() {
    const bool on = isDlgButtonChecked(IDC_CIS2_FIRST_OFF) != 0;
    for (int id : kFollowingFirstOff)
        if (ui::Window* w = getDlgItem(id))
            w->enableWindow(on);
}

void CDlgCis2::editTranslation() {
    Ork_Array<Ork_StringArray> rows;
    if (!readSectionTranslation(rows)) {
        ui::messageBox(this, Ork_String(u"The section names ") + kSectionTranslationFile + u" cannot be read.",
                       dialString(kTitle), ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    writeSectionTranslation(rows, dialString(kTranslationTitle), dialString(kTranslationText));
}

bool CDlgCis2::onCommand(int id, int code) {
    if (code == ui::BN_CLICKED && (id == IDC_CIS2_FIRST_ON || id == IDC_CIS2_FIRST_OFF)) {
        updateEnabling();
        return true;
    }
    if (code == ui::BN_CLICKED && id == IDC_CIS2_TRANSLATION) {
        editTranslation();
        return true;
    }
    return ui::Dialog::onCommand(id, code);
}

void CDlgCis2::onOK() {
    m_data.flag1 = isDlgButtonChecked(IDC_CIS2_FIRST_ON) != 0;
    m_data.flag2 = isDlgButtonChecked(IDC_CIS2_FLAG2) != 0;
    m_data.flag3 = isDlgButtonChecked(IDC_CIS2_THIRD_ON) != 0;
    m_data.flag4 = isDlgButtonChecked(IDC_CIS2_FLAG4) != 0;  // hidden, and still carried through
    m_data.flag5 = isDlgButtonChecked(IDC_CIS2_FLAG5) != 0;
    endDialog(ui::IDOK);
}
