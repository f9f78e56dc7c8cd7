#include "auxdlg/CDlgEditDstvPoints.h"

#include "base/Ork_DlgPromptString.h"
#include "nuvo/dstv/DlgDstvPoints.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "ui/ComboBox.h"

namespace {

constexpr int kTitle = 844;
constexpr int kOkText = 1, kCancelText = 2;
constexpr int kPromptCaption = 87, kPromptLabel = 855, kNewName = 171;
// The labels and group texts, by control.
constexpr struct {
    int id;
    int text;
} kLabels[] = {
    {IDC_DSTVPT_POINTS_LABEL, 845},   {IDC_DSTVPT_NAME_LABEL, 846},   {IDC_DSTVPT_POSITION, 221},
    {IDC_DSTVPT_EXTENT, 847},         {IDC_DSTVPT_INTERS, 848},       {IDC_DSTVPT_DIRECTION_LABEL, 849},
    {IDC_DSTVPT_VIEW_LABEL, 1689},    {IDC_DSTVPT_MARK_LABEL, 1690},  {IDC_DSTVPT_DISTANCE_LABEL, 851},
    {IDC_DSTVPT_FULL_HOLE, 852},      {IDC_DSTVPT_THICKNESS, 853},
};
constexpr int kNoPlate = 854, kPlate = 10157, kWebPlate = 1496;
constexpr int kPlateCount = 4;
constexpr int kWebPlateNumber = 3;  // the third plate is the web
constexpr int kDiameterFromThickness = 859, kHoleDiameter = 860;
constexpr int kDecimals = 3;
constexpr int kSideListIds[] = {IDC_DSTVPT_SIDE1, IDC_DSTVPT_SIDE2};

// Entries 0 and 1 of a side list are sides of one kind, every other entry of the other.
int sideKind(int entry) { return entry == 0 || entry == 1 ? 0 : 1; }

void fill(ui::ComboBox* list, const Ork_StringArray& texts) {
    if (!list)
        return;
    list->resetContent();
    for (const Ork_String& text : texts)
        list->insertString(-1, text);
}

// A stored entry outside the list shows no selection.
void showEntry(ui::ComboBox* list, int entry) {
    if (list)
        list->setCurSel(entry >= 0 && entry < list->getCount() ? entry : -1);
}

// The user's entry, or the stored one while the list shows none.
int chosen(const ui::ComboBox* list, int stored) {
    const int sel = list ? list->getCurSel() : -1;
    return sel >= 0 ? sel : stored;
}

} // namespace

CDlgEditDstvPoints::CDlgEditDstvPoints(ui::Window* parent) : ui::Dialog(IDD_EDIT_DSTV_POINTS, parent) {}

bool CDlgEditDstvPoints::onInitDialog() {
    ui::Dialog::onInitDialog();
    setWindowText(dialString(kTitle));
    setDlgItemText(ui::IDOK, dialString(kOkText));
    setDlgItemText(ui::IDCANCEL, dialString(kCancelText));
    for (const auto& label : kLabels)
        setDlgItemText(label.id, dialString(label.text));
    const Ork_StringArray sides = DlgDstvPoints::sideTexts();
    for (int id : kSideListIds)
        fill(comboAt(id), sides);
    fill(comboAt(IDC_DSTVPT_DIRECTION), DlgDstvPoints::startDirectionTexts());
    Ork_StringArray plates{dialString(kNoPlate)};
    for (int n = 1; n <= kPlateCount; ++n) {
        Ork_String plate = string(kPlate) + u" " + Ork_String(n);
        if (n == kWebPlateNumber)
            plate += u" (" + dialString(kWebPlate) + u")";
        plates.append(plate);
    }
    fill(comboAt(IDC_DSTVPT_VIEW), plates);
    fill(comboAt(IDC_DSTVPT_MARK), plates);
    fillPointList();
    showPoint(m_points.isEmpty() ? -1 : 0);
    return true;
}

ui::ComboBox* CDlgEditDstvPoints::comboAt(int id) const { return dynamic_cast<ui::ComboBox*>(getDlgItem(id)); }

void CDlgEditDstvPoints::fillPointList() {
    Ork_StringArray names;
    for (int i = 0; i < m_points.length(); ++i)
        names.append(m_points[i].name());
    fill(comboAt(IDC_DSTVPT_POINTS), names);
}

void CDlgEditDstvPoints::showPoint(int index) {
    m_shown = index >= 0 && index < m_points.length() ? index : -1;
    showEntry(comboAt(IDC_DSTVPT_POINTS), m_shown);
    const Ork_DstvPointInfo point = m_shown >= 0 ? m_points[m_shown] : Ork_DstvPointInfo();
    setDlgItemText(IDC_DSTVPT_NAME, m_shown >= 0 ? point.name() : Ork_String());
    checkRadioButton(IDC_DSTVPT_EXTENT, IDC_DSTVPT_INTERS,
                     point.selectGeomExtent() || !point.selectIntersGeom() ? IDC_DSTVPT_EXTENT : IDC_DSTVPT_INTERS);
    showEntry(comboAt(IDC_DSTVPT_SIDE1), point.sideSelection1());
    showEntry(comboAt(IDC_DSTVPT_SIDE2), point.sideSelection2());
    checkDlgButton(IDC_DSTVPT_MIDDLE, point.selectIntersMid() ? 1 : 0);
    showEntry(comboAt(IDC_DSTVPT_DIRECTION), point.intersStartDir());
    m_distanceShown = Ork_String(point.minPlateSideDist(), kDecimals);
    m_diameterShown = Ork_String(point.drillRadius(), kDecimals);
    setDlgItemText(IDC_DSTVPT_DISTANCE, m_distanceShown);
    setDlgItemText(IDC_DSTVPT_DIAMETER, m_diameterShown);
    showEntry(comboAt(IDC_DSTVPT_VIEW), point.viewPlateSelection());
    showEntry(comboAt(IDC_DSTVPT_MARK), point.markPlateSelection());
    checkDlgButton(IDC_DSTVPT_FULL_HOLE, point.drillFullHole() ? 1 : 0);
    checkDlgButton(IDC_DSTVPT_THICKNESS, point.radiusThicknessBased() ? 1 : 0);
    updateEnabling();
}

void CDlgEditDstvPoints::storePoint() {
    if (m_shown < 0 || m_shown >= m_points.length())
        return;
    Ork_DstvPointInfo& point = m_points[m_shown];
    point.setName(Ork_String(getDlgItemText(IDC_DSTVPT_NAME)));
    const bool extent = isDlgButtonChecked(IDC_DSTVPT_EXTENT) != 0;
    point.setSelectGeomExtent(extent, chosen(comboAt(IDC_DSTVPT_SIDE1), point.sideSelection1()),
                              chosen(comboAt(IDC_DSTVPT_SIDE2), point.sideSelection2()));
    point.setSelectIntersGeom(isDlgButtonChecked(IDC_DSTVPT_INTERS) != 0, isDlgButtonChecked(IDC_DSTVPT_MIDDLE) != 0,
                              chosen(comboAt(IDC_DSTVPT_DIRECTION), point.intersStartDir()));
    // A number is read back only when its text changed: the 3 decimals shown would round a stored 16.12345.
    const Ork_String distance(getDlgItemText(IDC_DSTVPT_DISTANCE));
    const Ork_String diameter(getDlgItemText(IDC_DSTVPT_DIAMETER));
    point.setPlateSelection(chosen(comboAt(IDC_DSTVPT_VIEW), point.viewPlateSelection()),
                            chosen(comboAt(IDC_DSTVPT_MARK), point.markPlateSelection()),
                            distance == m_distanceShown ? point.minPlateSideDist() : distance.toDouble());
    point.setDrillFullHole(isDlgButtonChecked(IDC_DSTVPT_FULL_HOLE) != 0, isDlgButtonChecked(IDC_DSTVPT_THICKNESS) != 0,
                           diameter == m_diameterShown ? point.drillRadius() : diameter.toDouble());
}

void CDlgEditDstvPoints::updateEnabling() {
    const bool extent = isDlgButtonChecked(IDC_DSTVPT_EXTENT) != 0;
    const bool inters = isDlgButtonChecked(IDC_DSTVPT_INTERS) != 0;
    const bool fullHole = isDlgButtonChecked(IDC_DSTVPT_FULL_HOLE) != 0;
    const auto enable = [this](int id, bool on) {
        if (ui::Window* w = getDlgItem(id))
            w->enableWindow(on);
    };
    enable(IDC_DSTVPT_SIDE1, extent);
    enable(IDC_DSTVPT_SIDE2, extent);
    enable(IDC_DSTVPT_DIRECTION, !extent);
    enable(IDC_DSTVPT_MIDDLE, !extent);
    enable(IDC_DSTVPT_DIAMETER_LABEL, fullHole);
    enable(IDC_DSTVPT_DIAMETER, fullHole);
    enable(IDC_DSTVPT_THICKNESS, fullHole && inters);
    setDlgItemText(IDC_DSTVPT_DIAMETER_LABEL,
                   dialString(isDlgButtonChecked(IDC_DSTVPT_THICKNESS) ? kDiameterFromThickness : kHoleDiameter));
}

void CDlgEditDstvPoints::separateSides(int changedId) {
    ui::ComboBox* changed = comboAt(changedId);
    ui::ComboBox* other = comboAt(changedId == IDC_DSTVPT_SIDE1 ? IDC_DSTVPT_SIDE2 : IDC_DSTVPT_SIDE1);
    if (!changed || !other || changed->getCurSel() < 0 || other->getCurSel() < 0)
        return;
    const int entry = changed->getCurSel();
    if (sideKind(entry) == sideKind(other->getCurSel()))
        other->setCurSel(sideKind(entry) == 0 ? 2 : 0);
}

void CDlgEditDstvPoints::addPoint() {
    storePoint();
    Ork_DlgPromptString prompt(this);
    prompt.setCaption(dialString(kPromptCaption));
    prompt.setLabel(dialString(kPromptLabel));
    prompt.setText(dialString(kNewName));
    prompt.setButtonTexts(dialString(kOkText), dialString(kCancelText));
    if (prompt.doModal() != ui::IDOK || !prompt.accepted())
        return;
    const int at = m_shown >= 0 ? m_shown : 0;
    m_points.insertAt(at, Ork_DstvPointInfo(prompt.text()));
    fillPointList();
    showPoint(at);
}

void CDlgEditDstvPoints::removePoint() {
    if (m_shown < 0 || m_shown >= m_points.length())
        return;
    const int at = m_shown;
    m_points.removeAt(at);
    m_shown = -1;  // the removed point is stored nowhere
    fillPointList();
    showPoint(at < m_points.length() ? at : m_points.length() - 1);
}

bool CDlgEditDstvPoints::onCommand(int id, int code) {
    switch (id) {
    case IDC_DSTVPT_POINTS:
        if (code == ui::CBN_SELCHANGE) {
            const int index = comboAt(IDC_DSTVPT_POINTS)->getCurSel();
            storePoint();
            showPoint(index);
        }
        return true;
    case IDC_DSTVPT_ADD:
        if (code == ui::BN_CLICKED)
            addPoint();
        return true;
    case IDC_DSTVPT_REMOVE:
        if (code == ui::BN_CLICKED)
            removePoint();
        return true;
    case IDC_DSTVPT_SIDE1:
    case IDC_DSTVPT_SIDE2:
        if (code == ui::CBN_SELCHANGE)
            separateSides(id);
        return true;
    case IDC_DSTVPT_EXTENT:
    case IDC_DSTVPT_INTERS:
    case IDC_DSTVPT_FULL_HOLE:
    case IDC_DSTVPT_THICKNESS:
        if (code == ui::BN_CLICKED)
            updateEnabling();
        return true;
    default:
        return ui::Dialog::onCommand(id, code);
    }
}

void CDlgEditDstvPoints::onOK() {
    storePoint();
    endDialog(ui::IDOK);
}
