#include "macrodlg/CDlgMacroProfAdv.h"

#include "nuvo/controlHelpers.h"
#include "nuvo/crtNumbers.h"
#include "nuvo/dlgSize.h"
#include "nuvo/hostTexts.h"
#include "nuvo/macro/MacroData.h"
#include "nuvo/macro/macroDialogCalls.h"
#include "nuvo/macro/macroEditorCalls.h"
#include "nuvo/macro/profPlacementCalls.h"
#include "nuvo/sections/sectionPictures.h"
#include "resources/resourceIds.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"

#include <numbers>

namespace {

const char16_t* const kSizeKey = u"DLG_MACRO_PROFADVANCED";
const Ork_String kMorphedSet = u"Morphed";
constexpr int kMixedText = 695;
constexpr int kTitle = 1011, kOkText = 285, kMultiText = 1497, kGroupText = 705, kSectionText = 1012,
              kPickText = 969, kSection2Text = 1409, kMorph1Text = 1410, kMorph2Text = 1411, kOffsetGroup = 1013,
              kChoosePointText = 1014, kXText = 1015, kYText = 1016, kRotationGroup = 1005, kCustomText = 1017,
              kPlaneGroup = 460, kOwnText = 462, kCoordSysText = 1019, kPickedText = 1018, kPickCsText = 1368,
              kPickPlaneText = 1230, kTriStateText = 1343, kOnSegmentText = 1020, kSegmentText = 1021,
              kZoomTip = 868, kOrientationMixed = 1413;
constexpr int kZoomIcon = 234;
constexpr int kAxisTexts[] = {1022, 1023, 1024};
const char16_t* const kAxes[] = {u"xp", u"yp", u"zp"};
constexpr int kOrientationTexts[] = {10164, 10046, 10047, 10048, 10049, 10418, 10420, 10419, 10421};
constexpr int kStartAxis = 2;

// Offset type position <-> insertion button (1 to 9, row by row over the section picture).
constexpr int kOffsetToInsertion[][2] = {{3, 5}, {5, 2}, {6, 8}, {7, 4}, {8, 6}, {9, 1}, {10, 3}, {11, 7}, {12, 9}};

constexpr int kRotationRadios[] = {IDC_PA_ROT_0, IDC_PA_ROT_90, IDC_PA_ROT_180, IDC_PA_ROT_270};
const char16_t* const kRotationValues[] = {u"0", u"90", u"180", u"270"};

// The controls of the morphed form: shown only for a morphed profile.
constexpr int kMorphedControls[] = {IDC_PA_SECTION2_LABEL, IDC_PA_SECTION2, IDC_PA_SECTION2_PICK,
                                    IDC_PA_MORPH1_LABEL,   IDC_PA_MORPH1,   IDC_PA_MORPH2_LABEL,
                                    IDC_PA_MORPH2};
// Above the morphed form nothing moves when the dialog grows for it.
constexpr int kTopControls[] = {IDC_PA_MULTI, IDC_PA_GROUP_LABEL, IDC_PA_GROUP, IDC_PA_SECTION_LABEL,
                                IDC_PA_SECTION, IDC_PA_SECTION_PICK};

bool endsWithDwg(const Ork_String& name) {
    if (name.size() < 4)
        return false;
    Ork_String end = name.substr(name.size() - 4);
    for (char16_t& c : end)
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
    return end == u".dwg";
}

// A rotation text equal to one of the four angles gives its radio; -1 for another text.
int rotationRadioOf(const Ork_String& rotation) {
    const Ork_String trimmed = rotation;
    if (trimmed.isEmpty())
        return -1;
    const double angle = _wtof(trimmed.c_str());
    // Only a text that is a plain number counts as that angle ("90abc" is typed text).
    bool plain = true;
    for (char16_t c : trimmed)
        plain = plain && ((c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'+');
    if (!plain)
        return -1;
    for (int i = 0; i < 4; ++i)
        if (angle == 90.0 * i)
            return kRotationRadios[i];
    return -1;
}

// A library folder prefix ("...\prof\" or a path ending in the section library's folder) does not belong to
// the section name the host chooser gives back.
Ork_String withoutLibraryFolder(const Ork_String& name) {
    const std::size_t slash = name.find_last_of(u"\\/");
    if (name.rfind(u"User Sections\\", 0) == 0)
        return name;
    return slash == Ork_String::npos ? name : Ork_String(name.substr(slash + 1));
}

} // namespace

CDlgMacroProfAdv::CDlgMacroProfAdv(ui::Window* parent) : ui::Dialog(IDD_MACRO_PROF_ADV, parent) {}

CDlgMacroProfAdv::~CDlgMacroProfAdv() = default;

int CDlgMacroProfAdv::insertionOfOffset(int position) {
    for (const auto& pair : kOffsetToInsertion)
        if (pair[0] == position)
            return pair[1];
    return 0;
}

int CDlgMacroProfAdv::offsetOfInsertion(int button) {
    for (const auto& pair : kOffsetToInsertion)
        if (pair[1] == button)
            return pair[0];
    return -1;
}

bool CDlgMacroProfAdv::call(int type) { return m_callback && m_callback(type, m_callbackData, m_profile); }

bool CDlgMacroProfAdv::onInitDialog() {
    ChangeDlgSize(this, kSizeKey);
    m_zoomButton.attach(*this, IDC_PA_ZOOM, kZoomIcon, dialString(kZoomTip));
    setTexts();
    ShowOrHideCtrl(this, IDC_PA_MULTI, m_multiObject);
    ShowOrHideCtrl(this, IDC_PA_GROUP, !m_multiObject);
    ShowOrHideCtrl(this, IDC_PA_GROUP_LABEL, !m_multiObject);
    ShowOrHideCtrl(this, ui::IDCANCEL, false);
    if (m_multiObject)
        checkDlgButton(IDC_PA_MULTI, m_multiObjectResult ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    fillLists();
    // The own coordinate system only where the drawing allows one.
    if (ui::Window* own = getDlgItem(IDC_PA_PLANE_OWN))
        own->enableWindow(m_callbackData.macroData == nullptr || m_callbackData.macroData->ownCoordSysAllowed);
    if (!m_callback)
        return true;
    call(0);
    if (ui::Window* group = getDlgItem(IDC_PA_GROUP))
        group->enableWindow(!m_profile.groupReadOnly);

    m_resizer.attach(*this);
    for (ui::Window* child : children())
        m_resizer.setAnchor(child->getDlgCtrlID(), CResizer::kFixed, CResizer::kFollow);
    for (int id : kTopControls)
        m_resizer.setAnchor(id, CResizer::kFixed, CResizer::kFixed);
    for (int id : kMorphedControls) {
        m_resizer.setAnchor(id, CResizer::kFixed, CResizer::kFixed);
        m_resizer.addToSet(id, kMorphedSet);
    }
    if (m_profile.morphed)
        m_stretched = m_resizer.stretchBy(0, kMorphGrowth);
    else
        m_resizer.showSet(kMorphedSet, false);
    refreshPicture();
    showRecord();
    return true;
}

void CDlgMacroProfAdv::setTexts() {
    setWindowText(dialString(kTitle));
    setDlgItemText(ui::IDOK, dialString(kOkText));
    const std::pair<int, int> texts[] = {
        {IDC_PA_MULTI, kMultiText},           {IDC_PA_GROUP_LABEL, kGroupText},
        {IDC_PA_SECTION_LABEL, kSectionText}, {IDC_PA_SECTION_PICK, kPickText},
        {IDC_PA_SECTION2_LABEL, kSection2Text}, {IDC_PA_SECTION2_PICK, kPickText},
        {IDC_PA_MORPH1_LABEL, kMorph1Text},   {IDC_PA_MORPH2_LABEL, kMorph2Text},
        {IDC_PA_OFFSET_GROUP, kOffsetGroup},  {IDC_PA_CHOOSE_POINT, kChoosePointText},
        {IDC_PA_X_LABEL, kXText},             {IDC_PA_Y_LABEL, kYText},
        {IDC_PA_ROTATION_GROUP, kRotationGroup}, {IDC_PA_ROT_MIXED, kMixedText},
        {IDC_PA_ROT_CUSTOM, kCustomText},     {IDC_PA_PLANE_GROUP, kPlaneGroup},
        {IDC_PA_PLANE_OWN, kOwnText},         {IDC_PA_PLANE_CS, kCoordSysText},
        {IDC_PA_PLANE_MIXED, kMixedText},     {IDC_PA_PLANE_PICKED, kPickedText},
        {IDC_PA_TRISTATE, kTriStateText},     {IDC_PA_ON_SEGMENT, kOnSegmentText},
        {IDC_PA_SEGMENT_LABEL, kSegmentText}};
    for (const auto& [id, text] : texts)
        setDlgItemText(id, dialString(text));
    setDlgItemText(IDC_PA_PLANE_PICK, dialString(kPickPlaneText) + u"...");
}

void CDlgMacroProfAdv::fillLists() {
    Ork_StringArray orientations;
    for (int n : kOrientationTexts)
        orientations.append(string(n));
    orientations.append(dialString(kOrientationMixed));
    orientations.append(dialString(kMixedText));
    FillCombo(getDlgItem(IDC_PA_ORIENTATION), orientations);
    Ork_StringArray offsets;
    getOffsetTypeStrings(offsets);
    FillCombo(getDlgItem(IDC_PA_OFFSET_TYPE), offsets);
    getAllCoordSys(m_coordSysNames, m_coordSysIds, m_defaultPlane);
    FillCombo(getDlgItem(IDC_PA_COORDSYS), m_coordSysNames);
    if (auto* systems = getDlgItemAs<ui::ComboBox>(IDC_PA_COORDSYS))
        for (int i = 0; i < m_coordSysIds.length(); ++i)
            if (m_coordSysIds[i] == m_defaultPlane)
                systems->setCurSel(i);
    Ork_StringArray axes;
    for (int n : kAxisTexts)
        axes.append(dialString(n));
    FillCombo(getDlgItem(IDC_PA_AXIS), axes);
    if (auto* axis = getDlgItemAs<ui::ComboBox>(IDC_PA_AXIS))
        axis->setCurSel(kStartAxis);
}

void CDlgMacroProfAdv::fillSections(int comboId, const Ork_String& section, ProfSectionChoices& choices) {
    choices = sectionChoicesOf(section);
    FillCombo(getDlgItem(comboId), choices.displayNames);
    if (auto* combo = getDlgItemAs<ui::ComboBox>(comboId))
        combo->setCurSel(choices.find(section));
}

void CDlgMacroProfAdv::refreshPicture() {
    auto* picture = getDlgItemAs<ui::Button>(IDC_PA_PICTURE);
    if (!picture)
        return;
    ui::Image image;
    // A section without a picture of its own leaves the control blank.
    if (!loadSectionPicture(sectionTypeTextOf(m_profile.section), false, image))
        image = ui::Image();
    picture->setIcon(image);
    // The insertion buttons stay on top of the picture.
    for (int i = 0; i < 9; ++i)
        ShowOrHideCtrl(this, IDC_PA_INSERT_1 + i, false);
    for (int i = 0; i < 9; ++i) {
        ShowOrHideCtrl(this, IDC_PA_INSERT_1 + i, true);
        if (ui::Window* button = getDlgItem(IDC_PA_INSERT_1 + i))
            button->bringWindowToTop();
    }
}

void CDlgMacroProfAdv::showOffsetPosition(int position) {
    if (auto* offset = getDlgItemAs<ui::ComboBox>(IDC_PA_OFFSET_TYPE))
        offset->setCurSel(position);
    const int button = insertionOfOffset(position);
    for (int i = 1; i <= 9; ++i)
        checkDlgButton(IDC_PA_INSERT_1 + i - 1, i == button ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    for (int id : {IDC_PA_X, IDC_PA_Y, IDC_PA_X_LABEL, IDC_PA_Y_LABEL})
        if (ui::Window* w = getDlgItem(id))
            w->enableWindow(position == 0);
}

void CDlgMacroProfAdv::showRecord() {
    if (m_multiObject)
        checkDlgButton(IDC_PA_MULTI, m_multiObjectResult ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    setDlgItemText(IDC_PA_GROUP, m_profile.name);
    fillSections(IDC_PA_SECTION, m_profile.section, m_sections);
    if (m_profile.morphed) {
        fillSections(IDC_PA_SECTION2, m_profile.section2, m_sections2);
        setDlgItemText(IDC_PA_MORPH1, m_profile.morphText1);
        setDlgItemText(IDC_PA_MORPH2, m_profile.morphText2);
    }
    showOffsetPosition(getDlgOffsetType(m_profile.offsetType, m_profile.offsetMixed));
    m_shownX = Ork_String(m_profile.xOffset, 3);
    m_shownY = Ork_String(m_profile.yOffset, 3);
    setDlgItemText(IDC_PA_X, m_shownX);
    setDlgItemText(IDC_PA_Y, m_shownY);
    if (auto* orientation = getDlgItemAs<ui::ComboBox>(IDC_PA_ORIENTATION))
        orientation->setCurSel(m_profile.orientation);

    int rotation = rotationRadioOf(m_profile.rotation);
    if (m_profile.rotation == dialString(kMixedText))
        rotation = IDC_PA_ROT_MIXED;
    else if (rotation < 0)
        rotation = IDC_PA_ROT_CUSTOM;
    checkRadioButton(IDC_PA_ROT_0, IDC_PA_ROT_CUSTOM, rotation);
    setDlgItemText(IDC_PA_ROT_ANGLE, rotation == IDC_PA_ROT_CUSTOM ? m_profile.rotation : Ork_String());
    if (ui::Window* angle = getDlgItem(IDC_PA_ROT_ANGLE))
        angle->enableWindow(rotation == IDC_PA_ROT_CUSTOM);

    int plane = checkedPlane();
    if (m_profile.plane == dialString(kMixedText))
        plane = IDC_PA_PLANE_MIXED;
    else if (m_profile.plane.isEmpty())
        plane = IDC_PA_PLANE_WCS;
    else if (plane != IDC_PA_PLANE_OWN && plane != IDC_PA_PLANE_CS && plane != IDC_PA_PLANE_PICKED)
        plane = IDC_PA_PLANE_PICKED;
    checkRadioButton(IDC_PA_PLANE_WCS, IDC_PA_PLANE_PICKED, plane);
    updatePlaneStates();

    // The record's three-state flag: -1 mixed (indeterminate), 0 off, 1 on.
    changeCheckStatus(getDlgItem(IDC_PA_TRISTATE), m_profile.triState < 0   ? ui::BST_INDETERMINATE
                                                   : m_profile.triState > 0 ? ui::BST_CHECKED
                                                                            : ui::BST_UNCHECKED);
    checkDlgButton(IDC_PA_ON_SEGMENT, m_profile.onSegment ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    setDlgItemText(IDC_PA_SEGMENT, Ork_String(m_profile.segment));
    updateSegmentStates();
}

int CDlgMacroProfAdv::checkedPlane() const {
    for (int id = IDC_PA_PLANE_WCS; id <= IDC_PA_PLANE_PICKED; ++id)
        if (isDlgButtonChecked(id) == ui::BST_CHECKED)
            return id;
    return 0;
}

void CDlgMacroProfAdv::updatePlaneStates() {
    const int plane = checkedPlane();
    auto enable = [this](int id, bool on) {
        if (ui::Window* w = getDlgItem(id))
            w->enableWindow(on);
    };
    enable(IDC_PA_PLANE_PICK, plane == IDC_PA_PLANE_PICKED || plane == IDC_PA_PLANE_CS);
    enable(IDC_PA_COORDSYS, plane == IDC_PA_PLANE_CS);
    enable(IDC_PA_AXIS, plane == IDC_PA_PLANE_CS || plane == IDC_PA_PLANE_OWN);
    setDlgItemText(IDC_PA_PLANE_PICK,
                   dialString(plane == IDC_PA_PLANE_CS ? kPickCsText : kPickPlaneText) + u"...");
}

void CDlgMacroProfAdv::updateSegmentStates() {
    const bool on = isDlgButtonChecked(IDC_PA_ON_SEGMENT) == ui::BST_CHECKED;
    for (int id : {IDC_PA_SEGMENT, IDC_PA_SEGMENT_LABEL})
        if (ui::Window* w = getDlgItem(id))
            w->enableWindow(on);
}

Ork_String CDlgMacroProfAdv::axisText() const {
    const auto* axis = getDlgItemAs<ui::ComboBox>(IDC_PA_AXIS);
    const int position = axis ? axis->getCurSel() : kStartAxis;
    return kAxes[position >= 0 && position < 3 ? position : kStartAxis];
}

void CDlgMacroProfAdv::readRecord() {
    if (!m_profile.groupReadOnly && !m_multiObject)
        m_profile.name = getDlgItemText(IDC_PA_GROUP);
    // A drop-down with nothing chosen keeps the record's section.
    auto chosen = [this](int id, const ProfSectionChoices& choices, Ork_String& section) {
        const auto* combo = getDlgItemAs<ui::ComboBox>(id);
        const int position = combo ? combo->getCurSel() : -1;
        if (position >= 0 && position < choices.systemNames.length() && !endsWithDwg(section))
            section = choices.systemNames[position];
    };
    if (!m_sectionPicked)
        chosen(IDC_PA_SECTION, m_sections, m_profile.section);
    if (m_profile.morphed) {
        if (!m_section2Picked)
            chosen(IDC_PA_SECTION2, m_sections2, m_profile.section2);
        m_profile.morphText1 = getDlgItemText(IDC_PA_MORPH1);
        m_profile.morphText2 = getDlgItemText(IDC_PA_MORPH2);
    }
    m_sectionPicked = m_section2Picked = false;

    if (const auto* orientation = getDlgItemAs<ui::ComboBox>(IDC_PA_ORIENTATION))
        if (orientation->getCurSel() >= 0)
            m_profile.orientation = orientation->getCurSel();
    if (const auto* offset = getDlgItemAs<ui::ComboBox>(IDC_PA_OFFSET_TYPE)) {
        const int position = offset->getCurSel();
        if (position >= 0 && position != getDlgOffsetType(m_profile.offsetType, m_profile.offsetMixed)) {
            const int type = getProfOffsetType(position);
            m_profile.offsetMixed = type < 0;
            if (type >= 0)
                m_profile.offsetType = type;
        }
    }
    // An offset shown with three decimals and not typed over keeps the record's own value.
    if (const Ork_String x = getDlgItemText(IDC_PA_X); x != m_shownX)
        m_profile.xOffset = _wtof(x.c_str());
    if (const Ork_String y = getDlgItemText(IDC_PA_Y); y != m_shownY)
        m_profile.yOffset = _wtof(y.c_str());

    bool angle = false;
    for (int i = 0; i < 4; ++i)
        if (isDlgButtonChecked(kRotationRadios[i]) == ui::BST_CHECKED) {
            m_profile.rotation = kRotationValues[i];
            angle = true;
        }
    if (!angle)
        m_profile.rotation = isDlgButtonChecked(IDC_PA_ROT_MIXED) == ui::BST_CHECKED
                                 ? dialString(kMixedText)
                                 : Ork_String(getDlgItemText(IDC_PA_ROT_ANGLE));

    switch (checkedPlane()) {
    case IDC_PA_PLANE_MIXED: m_profile.plane = dialString(kMixedText); break;
    case IDC_PA_PLANE_WCS:
        m_profile.plane = Ork_String();
        m_profile.planeId = AcDbObjectId();
        break;
    case IDC_PA_PLANE_OWN:
        m_profile.plane = axisText();
        m_profile.planeId = m_ownCoordSys;
        break;
    case IDC_PA_PLANE_CS: {
        m_profile.plane = axisText();
        const auto* systems = getDlgItemAs<ui::ComboBox>(IDC_PA_COORDSYS);
        const int position = systems ? systems->getCurSel() : -1;
        if (!m_pickedCoordSys.isNull())
            m_profile.planeId = m_pickedCoordSys;
        else if (position >= 0 && position < m_coordSysIds.length())
            m_profile.planeId = m_coordSysIds[position];
        break;
    }
    default: break;   // a picked plane stays as the pick left it
    }

    const int triState = isDlgButtonChecked(IDC_PA_TRISTATE);
    m_profile.triState = triState == ui::BST_INDETERMINATE ? -1 : triState == ui::BST_CHECKED ? 1 : 0;
    m_profile.onSegment = isDlgButtonChecked(IDC_PA_ON_SEGMENT) == ui::BST_CHECKED;
    m_profile.segment = _wtoi(getDlgItemText(IDC_PA_SEGMENT).c_str());
}

void CDlgMacroProfAdv::apply() {
    readRecord();
    if (!m_callback)
        return;
    call(1);
    showRecord();
}

template <class Action> void CDlgMacroProfAdv::editorCommand(Action action) {
    BeginEditorCommand(this);
    call(2);
    action();
    call(3);
    CompleteEditorCommand(this);
}

void CDlgMacroProfAdv::choosePoint() {
    bool picked = false;
    const double rotation = _wtof(m_profile.rotation.c_str()) * std::numbers::pi / 180.0;
    editorCommand([&] { picked = UserChooseSectionPoint(this, m_profile.section, rotation, m_profile.point); });
    if (picked) {
        m_profile.pointChosen = true;
        apply();
    }
}

void CDlgMacroProfAdv::pickPlane() {
    const bool planePick = checkedPlane() == IDC_PA_PLANE_PICKED;
    Ork_String plane;
    AcDbObjectId id;
    bool picked = false;
    editorCommand([&] { picked = planePick ? UserSelectPlane(this, plane, id) : selectCoordSys(this, plane, id); });
    if (picked) {
        if (planePick) {
            m_profile.plane = plane;
            m_profile.planeId = id;
            m_profile.planeSet = !id.isNull();
        } else {
            m_pickedCoordSys = id;
        }
    }
    apply();
}

void CDlgMacroProfAdv::pickSection(bool second) {
    Ork_String& section = second ? m_profile.section2 : m_profile.section;
    Ork_String name = section;
    if (!DlgSelectProf(this, name))
        return;
    readRecord();
    section = withoutLibraryFolder(name);
    (second ? m_section2Picked : m_sectionPicked) = true;
    // Apply without reading the drop-down again: it does not hold the picked name yet.
    readRecord();
    if (m_callback) {
        call(1);
        showRecord();
    }
    if (!second)
        refreshPicture();
}

void CDlgMacroProfAdv::zoom() {
    if (m_zooming)
        return;
    m_zooming = true;
    ZoomCommand();
    m_zooming = false;
}

void CDlgMacroProfAdv::chooseOwnSystem() {
    if (m_ownCoordSys.isNull())
        createCoordSys(m_profile.name.isEmpty() ? Ork_String(u"Profile") : m_profile.name, m_ownCoordSys);
    apply();
}

bool CDlgMacroProfAdv::onCommand(int id, int code) {
    if (code == ui::CBN_SELCHANGE) {
        switch (id) {
        case IDC_PA_OFFSET_TYPE:
        case IDC_PA_SECTION:
        case IDC_PA_SECTION2:
        case IDC_PA_ORIENTATION:
        case IDC_PA_AXIS: apply(); return true;
        case IDC_PA_COORDSYS:
            m_pickedCoordSys = AcDbObjectId();
            apply();
            return true;
        default: break;
        }
    }
    if (code != ui::BN_CLICKED)
        return ui::Dialog::onCommand(id, code);
    if (id >= IDC_PA_INSERT_1 && id < IDC_PA_INSERT_1 + 9) {
        const int position = offsetOfInsertion(id - IDC_PA_INSERT_1 + 1);
        showOffsetPosition(position);
        apply();
        return true;
    }
    switch (id) {
    case IDC_PA_ROT_0:
    case IDC_PA_ROT_90:
    case IDC_PA_ROT_180:
    case IDC_PA_ROT_270:
    case IDC_PA_PLANE_WCS: apply(); return true;
    case IDC_PA_ROT_CUSTOM:
        if (ui::Window* angle = getDlgItem(IDC_PA_ROT_ANGLE))
            angle->enableWindow(true);
        return true;
    case IDC_PA_ROT_MIXED:
        if (ui::Window* angle = getDlgItem(IDC_PA_ROT_ANGLE))
            angle->enableWindow(false);
        return true;
    case IDC_PA_PLANE_MIXED:
    case IDC_PA_PLANE_CS: updatePlaneStates(); return true;
    case IDC_PA_PLANE_OWN:
        updatePlaneStates();
        chooseOwnSystem();
        return true;
    case IDC_PA_PLANE_PICKED:
        updatePlaneStates();
        pickPlane();
        return true;
    case IDC_PA_PLANE_PICK: pickPlane(); return true;
    case IDC_PA_TRISTATE:
        disableTriState(getDlgItem(IDC_PA_TRISTATE));
        apply();
        return true;
    case IDC_PA_ON_SEGMENT:
        updateSegmentStates();
        apply();
        return true;
    case IDC_PA_CHOOSE_POINT: choosePoint(); return true;
    case IDC_PA_SECTION_PICK: pickSection(false); return true;
    case IDC_PA_SECTION2_PICK: pickSection(true); return true;
    case IDC_PA_ZOOM: zoom(); return true;
    default: return ui::Dialog::onCommand(id, code);
    }
}

bool CDlgMacroProfAdv::preTranslateMessage(const ui::Msg& msg) {
    // Enter applies what was typed and keeps the dialog open; Enter on the OK button itself is OK.
    if (msg.message == ui::WM_KEYDOWN && msg.wParam == ui::VK_RETURN && ui::Window::getFocus() != getDlgItem(ui::IDOK)) {
        apply();
        return true;
    }
    return ui::Dialog::preTranslateMessage(msg);
}

void CDlgMacroProfAdv::onOK() {
    if (m_multiObject)
        m_multiObjectResult = isDlgButtonChecked(IDC_PA_MULTI) == ui::BST_CHECKED;
    apply();
    endDialog(ui::IDOK);
}

void CDlgMacroProfAdv::onCancel() { endDialog(ui::IDCANCEL); }

void CDlgMacroProfAdv::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    m_resizer.onSize(cx, cy);
}

void CDlgMacroProfAdv::onDestroy() {
    // The size is stored as for a profile with one section: the morphed form's growth is the dialog's own.
    if (m_stretched)
        m_resizer.stretchBy(0, -kMorphGrowth);
    WriteDlgSize(this, kSizeKey);
    ui::Dialog::onDestroy();
}
