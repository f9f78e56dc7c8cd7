#include "macrodlg/CMacroTabProf.h"

#include "SS/SSExports.h"
#include "cadhost/CommandLine.h"
#include "cadhost/Drawing.h"
#include "macrodlg/CDlgMacro.h"
#include "macrodlg/CDlgMacroProfSegm.h"
#include "macrodlg/macroTabBinding.h"
#include "nuvo/controlHelpers.h"
#include "nuvo/hostTexts.h"
#include "nuvo/macro/macroDialogCalls.h"
#include "resources/resourceIds.h"
#include "ui/ComboBox.h"
#include "ui/constants.h"

#include <string>

namespace {

constexpr int kMixedText = 695;
constexpr int kAllProfilesText = 1010;

// The panel's controls with their texts (0: none), in keyboard order.
constexpr struct {
    int id;
    int text;
} kPanel[] = {
    {IDC_MP_FRAME, 1002},        {IDC_MP_GROUP, 0},          {IDC_MP_PROFILE, 0},
    {IDC_MP_SECTION_LABEL, 1003}, {IDC_MP_SECTION, 0},        {IDC_MP_SECTION_PICK, 969},
    {IDC_MP_OFFSET_LABEL, 1004}, {IDC_MP_OFFSET, 0},         {IDC_MP_ROTATION_LABEL, 1005},
    {IDC_MP_ROTATION, 0},        {IDC_MP_PLANE_LABEL, 1006}, {IDC_MP_PLANE, 0},
    {IDC_MP_PLANE_PICK, 1008},   {IDC_MT_ADVANCED, 1007},
};

ui::ComboBox* combo(const ui::Window* w, int id) { return w->getDlgItemAs<ui::ComboBox>(id); }

void fill(ui::ComboBox* c, const Ork_StringArray& items, const Ork_String& current) {
    if (!c)
        return;
    c->resetContent();
    FillCombo(c, items);
    const int index = c->findStringExact(-1, current);
    if (index >= 0)
        c->setCurSel(index);
    else if (c->isEditable())
        c->setWindowText(current);
    else
        c->setCurSel(-1);
}

std::u16string objectText(AcDbObjectId id) {
    std::u16string out = u"#";
    for (char ch : std::to_string(id.asOldId()))
        out += static_cast<char16_t>(ch);
    return out;
}

} // namespace

CMacroTabProf::CMacroTabProf(CDlgMacro& owner, int tabIndex)
    : CMacroTab(IDD_MACRO_TAB_PROF, Kind::Profile, owner, tabIndex) {}

int CMacroTabProf::gridFrameId() const { return IDC_FRAME_GRID; }

bool CMacroTabProf::onInitDialog() {
    CMacroTab::onInitDialog();
    m_panelTop = 0;
    for (const auto& p : kPanel)
        if (ui::Window* w = getDlgItem(p.id)) {
            m_panelRects.emplace_back(p.id, w->getRectInParent());
            if (p.id == IDC_MP_FRAME)
                m_panelTop = w->getRectInParent().top;
        }
    if (ui::Window* w = getDlgItem(IDC_MP_SEGMENTS))
        m_panelRects.emplace_back(IDC_MP_SEGMENTS, w->getRectInParent());
    for (const auto& p : kPanel)
        if (p.text != 0)
            setDlgItemText(p.id, p.id == IDC_MP_ROTATION_LABEL ? dialString(p.text) + u" (°):" : dialString(p.text));
    setDlgItemText(IDC_MP_SEGMENTS, dialString(1009));
    return false;
}

Ork_String CMacroTabProf::chosenGroup() const {
    const ui::ComboBox* c = combo(this, IDC_MP_GROUP);
    return c && c->getCurSel() >= 0 ? Ork_String(c->getLBText(c->getCurSel())) : Ork_String();
}

int CMacroTabProf::chosenProfile() const {
    const ui::ComboBox* c = combo(this, IDC_MP_PROFILE);
    return c ? c->getCurSel() - 1 : -1;
}

void CMacroTabProf::buildOwn() {
    const MacroTabData* t = tab();
    m_panel = t && !t->advBtnForEveryGroup();
    const bool segments = t && t->hasSegmentedProfs();
    for (const auto& p : kPanel)
        if (ui::Window* w = getDlgItem(p.id))
            w->showWindow(m_panel ? ui::SW_SHOW : ui::SW_HIDE);
    if (ui::Window* w = getDlgItem(IDC_MP_SEGMENTS))
        w->showWindow(segments ? ui::SW_SHOW : ui::SW_HIDE);
    if (!t)
        return;
    Ork_StringArray groups;
    t->getProfGroups(groups);
    if (!groups.contains(m_group))
        m_group = groups.isEmpty() ? Ork_String() : groups[0];
    fill(combo(this, IDC_MP_GROUP), groups, m_group);
}

ui::Size CMacroTabProf::measure() const {
    ui::Size size = CMacroTab::measure();
    const MacroTabData* t = tab();
    if (m_panel)
        size.cy += kPanelHeight;
    else if (t && t->hasSegmentedProfs())
        size.cy += kSegmentsOnlyHeight;
    return size;
}

void CMacroTabProf::placePanel() {
    const int top = pageBottom() + (gridShown() ? kGridHeight + 2 * kGridTopGap : kGridTopGap);
    const int shift = top - m_panelTop;
    for (const auto& [id, r] : m_panelRects)
        if (ui::Window* w = getDlgItem(id))
            w->moveWindow(r.left, r.top + shift, r.width(), r.height());
}

bool CMacroTabProf::shownRecord(MacroProfData& record) const {
    const MacroTabData* t = tab();
    const Ork_String group = chosenGroup();
    if (!t || group.isEmpty())
        return false;
    const int profile = chosenProfile();
    return profile < 0 ? t->getMergedPropsOfGroup(group, record) : t->getProfDataIndx(group, profile, record);
}

void CMacroTabProf::loadOwn() {
    placePanel();
    const MacroTabData* t = tab();
    if (!m_panel || !t)
        return;
    const Ork_String group = chosenGroup();
    m_group = group;
    AcArray<AcDbObjectId> ids;
    t->getProfIdsOfGroup(group, ids);
    if (ui::ComboBox* profiles = combo(this, IDC_MP_PROFILE)) {
        int keep = profiles->getCurSel();
        profiles->resetContent();
        profiles->addString(dialString(kAllProfilesText));
        for (int i = 0; i < ids.length(); ++i)
            profiles->addString(objectText(ids[i]));
        // A record of one object may tie the page to that object's own profile.
        const MacroData& macro = m_owner.macro;
        if (keep < 0 && macro.tieProfileToObject && macro.objects.length() == 1)
            for (int i = 0; i < ids.length(); ++i)
                if (ids[i] == macro.objects[0])
                    keep = i + 1;
        profiles->setCurSel(keep >= 0 && keep < profiles->getCount() ? keep : 0);
    }
    MacroProfData record;
    if (!shownRecord(record))
        return;
    Ork_StringArray sections;
    Ork_String path;
    sections.append(record.section);
    fill(combo(this, IDC_MP_SECTION), sections, record.section);
    Ork_StringArray offsets;
    getOffsetTypeTexts(offsets);
    offsets.append(dialString(kMixedText));
    fill(combo(this, IDC_MP_OFFSET), offsets,
         record.offsetMixed || record.offsetType >= offsets.length() - 1 ? dialString(kMixedText) : offsets[record.offsetType]);
    const Ork_StringArray rotations{u"0", u"90", u"180", u"270", dialString(kMixedText)};
    fill(combo(this, IDC_MP_ROTATION), rotations, record.rotation);
    Ork_StringArray planes;
    getBasePlaneTexts(planes);
    int plane = kPlanePicked;
    if (record.plane == dialString(kMixedText))
        plane = kPlaneMixed;
    else if (record.plane.isEmpty() && !record.planeSet)
        plane = kPlaneWorld;
    if (ui::ComboBox* c = combo(this, IDC_MP_PLANE)) {
        c->resetContent();
        FillCombo(c, planes);
        c->setCurSel(plane);
    }
}

void CMacroTabProf::writeBack(const MacroProfData& record) {
    MacroTabData* t = tab();
    const Ork_String group = chosenGroup();
    if (!t || group.isEmpty())
        return;
    const int profile = chosenProfile();
    if (profile < 0)
        t->setMergedPropsOfGroup(group, record);
    else
        t->setProfDataIndx(group, profile, record);
}

void CMacroTabProf::storeOwn() {
    MacroProfData record;
    if (!m_panel || !shownRecord(record))
        return;
    const MacroProfData before = record;
    const Ork_String section = getDlgItemText(IDC_MP_SECTION);
    if (!section.isEmpty())
        record.section = section;
    const Ork_String offset = getDlgItemText(IDC_MP_OFFSET);
    if (offset != dialString(kMixedText) || !before.offsetMixed) {
        const int type = offsetTypeFromText(offset);
        if (type != (before.offsetMixed ? -1 : before.offsetType)) {
            // An offset type the host cannot map gives the mixed state.
            record.offsetMixed = type < 0;
            record.offsetType = type < 0 ? before.offsetType : type;
        }
    }
    const Ork_String rotation = getDlgItemText(IDC_MP_ROTATION);
    if (!rotation.isEmpty() && rotation != before.rotation)
        record.rotation = rotation;
    if (!record.samePlacement(before))
        writeBack(record);
}

std::vector<int> CMacroTabProf::ownControls() const {
    std::vector<int> ids;
    if (m_panel)
        ids = {IDC_MP_GROUP, IDC_MP_PROFILE, IDC_MP_SECTION, IDC_MP_SECTION_PICK, IDC_MP_OFFSET,
               IDC_MP_ROTATION, IDC_MP_PLANE, IDC_MP_PLANE_PICK, IDC_MT_ADVANCED};
    if (const MacroTabData* t = tab(); t && t->hasSegmentedProfs())
        ids.push_back(IDC_MP_SEGMENTS);
    return ids;
}

void CMacroTabProf::pickSection(const Ork_String& group) {
    MacroTabData* t = tab();
    MacroProfData record;
    if (!t || !t->getMergedPropsOfGroup(group, record))
        return;
    acedPostCommand(u"CANCELCMD");
    bool picked = false;
    {
        CDlgMacro::BusyScope busy(m_owner);
        picked = DlgSelectProf(this, record.section);
    }
    if (!picked || !(t = tab()))
        return;
    ready = false;
    const MacroTabData before = *t;
    t->setMergedPropsOfGroup(group, record);
    applyFrom(before);
    ready = true;
}

void CMacroTabProf::pickPlane(bool coordSys) {
    MacroProfData record;
    if (!shownRecord(record))
        return;
    Ork_String plane;
    AcDbObjectId id;
    bool picked = false;
    {
        // The user picks in the drawing: the dialog is out of the way meanwhile.
        CDlgMacro::BusyScope busy(m_owner);
        m_owner.showWindow(ui::SW_HIDE);
        picked = coordSys ? selectCoordSys(this, plane, id) : UserSelectPlane(this, plane, id);
        m_owner.showWindow(ui::SW_SHOW);
    }
    MacroTabData* t = tab();
    if (!t)
        return;
    ready = false;
    const MacroTabData before = *t;
    if (picked) {
        record.plane = plane;
        record.planeId = id;
        record.planeSet = !id.isNull();
        writeBack(record);
    }
    store();
    applyFrom(before);
    ready = true;
}

void CMacroTabProf::advanced(const Ork_String& group) {
    MacroTabData* t = tab();
    if (!t)
        return;
    acedPostCommand(u"CANCELCMD");
    const Ork_String tabName = t->name;
    {
        CDlgMacro::BusyScope busy(m_owner);
        StartDlgMacroProfAdv(m_owner.macro, tabName, group, false);
    }
    showValuesAgain();
    if ((t = tab()) && !t->workingObject.isNull()) {
        CDlgMacro::BusyScope busy(m_owner);
        EraseObject(t->workingObject);
        t->workingObject = AcDbObjectId();
    }
}

// The segmented profile dialog works on a copy of the tab's list; only OK hands it back.
void CMacroTabProf::editSegments() {
    MacroTabData* t = tab();
    if (!t)
        return;
    CDlgMacroProfSegm dialog(&m_owner);
    dialog.m_segments = t->segments;
    int result = ui::IDCANCEL;
    {
        CDlgMacro::BusyScope busy(m_owner);
        result = dialog.doModal();
    }
    if (result != ui::IDOK || !(t = tab()))
        return;
    ready = false;
    const MacroTabData before = *t;
    t->segments = dialog.m_segments;
    applyFrom(before);
    ready = true;
}

void CMacroTabProf::showValuesAgain() {
    ready = false;
    load();
    ready = true;
}

void CMacroTabProf::profileButton(const Ork_String& group, bool pick) {
    if (pick)
        pickSection(group);
    else
        advanced(group);
}

bool CMacroTabProf::ownCommand(int id, int code) {
    if (code == ui::CBN_SELCHANGE) {
        switch (id) {
        case IDC_MP_GROUP:
        case IDC_MP_PROFILE:
            if (id == IDC_MP_GROUP)
                if (ui::ComboBox* profiles = combo(this, IDC_MP_PROFILE))
                    profiles->setCurSel(0);
            showValuesAgain();
            return true;
        case IDC_MP_ROTATION:
            if (ui::ComboBox* c = combo(this, IDC_MP_ROTATION); c && c->getCurSel() >= 0)
                c->setWindowText(c->getLBText(c->getCurSel()));
            apply();
            return true;
        case IDC_MP_OFFSET:
        case IDC_MP_SECTION: apply(); return true;
        case IDC_MP_PLANE: {
            const ui::ComboBox* c = combo(this, IDC_MP_PLANE);
            const int entry = c ? c->getCurSel() : -1;
            if (entry == kPlanePicked || entry == kPlaneCoordSys)
                pickPlane(entry == kPlaneCoordSys);
            else
                apply();
            return true;
        }
        default: return false;
        }
    }
    if (code != ui::BN_CLICKED)
        return false;
    switch (id) {
    case IDC_MP_SECTION_PICK: pickSection(chosenGroup()); return true;
    case IDC_MP_PLANE_PICK: pickPlane(false); return true;
    case IDC_MT_ADVANCED: advanced(chosenGroup()); return true;
    case IDC_MP_SEGMENTS: editSegments(); return true;
    default: return false;
    }
}
