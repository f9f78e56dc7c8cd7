#include "auxdlg/CDlgGrid.h"

#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"

namespace {

constexpr int kTitle = 1463, kFirstGroup = 1464, kSecondGroup = 1465, kOption = 1469;
constexpr int kFieldLabels[] = {1466, 1467, 1468};  // count, spacing, label: the same in both groups
constexpr int kOkText = 1, kCancelText = 2;

} // namespace

CDlgGrid::CDlgGrid(ui::Window* parent) : KvRecordDlg<KvGridDlgData>(IDD_GRID, parent) {}

bool CDlgGrid::onInitDialog() {
    ui::Dialog::onInitDialog();
    setWindowText(dialString(kTitle));
    setDlgItemText(ui::IDOK, dialString(kOkText));
    setDlgItemText(ui::IDCANCEL, dialString(kCancelText));
    setDlgItemText(IDC_GRID_FIRST_GROUP, dialString(kFirstGroup));
    setDlgItemText(IDC_GRID_SECOND_GROUP, dialString(kSecondGroup));
    for (int i = 0; i < 3; ++i) {
        setDlgItemText(IDC_GRID_FIRST_LABELS + i, dialString(kFieldLabels[i]));
        setDlgItemText(IDC_GRID_SECOND_LABELS + i, dialString(kFieldLabels[i]));
    }
    setDlgItemText(IDC_GRID_OPTION, dialString(kOption));
    setDlgItemText(IDC_GRID_FIRST_COUNT, Ork_String(m_data.firstCount));
    setDlgItemText(IDC_GRID_FIRST_SPACING, m_data.firstSpacing);
    setDlgItemText(IDC_GRID_FIRST_LABEL, m_data.firstLabel);
    setDlgItemText(IDC_GRID_SECOND_COUNT, Ork_String(m_data.secondCount));
    setDlgItemText(IDC_GRID_SECOND_SPACING, m_data.secondSpacing);
    setDlgItemText(IDC_GRID_SECOND_LABEL, m_data.secondLabel);
    checkDlgButton(IDC_GRID_OPTION, m_data.option ? 1 : 0);
    return true;
}

void CDlgGrid::onOK() {
    m_data.firstCount = Ork_String(getDlgItemText(IDC_GRID_FIRST_COUNT)).toInt();
    m_data.firstSpacing = Ork_String(getDlgItemText(IDC_GRID_FIRST_SPACING));
    m_data.firstLabel = Ork_String(getDlgItemText(IDC_GRID_FIRST_LABEL));
    m_data.secondCount = Ork_String(getDlgItemText(IDC_GRID_SECOND_COUNT)).toInt();
    m_data.secondSpacing = Ork_String(getDlgItemText(IDC_GRID_SECOND_SPACING));
    m_data.secondLabel = Ork_String(getDlgItemText(IDC_GRID_SECOND_LABEL));
    m_data.option = isDlgButtonChecked(IDC_GRID_OPTION) != 0;
    endDialog(ui::IDOK);
}
