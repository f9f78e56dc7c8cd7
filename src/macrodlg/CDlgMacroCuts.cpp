#include "macrodlg/CDlgMacroCuts.h"

#include "macrodlg/iconFolderBitmaps.h"
#include "nuvo/controlHelpers.h"
#include "nuvo/dlgSize.h"
#include "nuvo/hostTexts.h"
#include "nuvo/macro/macroEditorCalls.h"
#include "resources/resourceIds.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Services.h"

#include <algorithm>

namespace {

struct CutPicture {
    const char16_t* bitmap;
    int text;
};
constexpr CutPicture kCutTypes[] = {
    {u"CutProfvsPlate.bmp", 1084}, {u"CutProfvsProf.bmp", 1085},          {u"CutProfinProf.bmp", 1086},
    {u"CutProfvsProf3Segments.bmp", 1087}, {u"CutChamfer.bmp", 1088}, {u"CutFillet.bmp", 1089},
};
constexpr int kOptionTexts[] = {1395, 1396, 1397, 1398};
constexpr int kCheckColumnWidth = 20;

struct OffsetName {
    const char16_t* name;
    int text;
    const char16_t* suffix;
};
constexpr OffsetName kOffsetNames[] = {
    {u"Offset", 1099, nullptr},       {u"PolyOffset", 1099, nullptr},    {u"LengthOffset", 1100, nullptr},
    {u"CenterOffset", 1101, nullptr}, {u"InsideOffset", 1102, nullptr},  {u"OutsideOffset", 1103, nullptr},
    {u"Offset1", 1104, u"1"},         {u"Offset2", 1104, u"2"},          {u"Radius", 740, nullptr},
};

void show(ui::Window* dialog, int id, bool visible) { ShowOrHideCtrl(dialog, id, visible); }

} // namespace

CDlgMacroCuts::CDlgMacroCuts(ui::Window* parent) : KvRecordDlg<DlgMacroCutsData>(IDD_MACRO_CUTS, parent) {}

Ork_String CDlgMacroCuts::offsetDisplayName(const Ork_String& name) {
    for (const OffsetName& o : kOffsetNames)
        if (name == o.name)
            return o.suffix ? dialString(o.text) + o.suffix : dialString(o.text);
    return name;
}

bool CDlgMacroCuts::onInitDialog() {
    ui::Dialog::onInitDialog();
    setUpGrid();
    setUpLayout();
    restoreSize();
    setWindowText(dialString(m_data.editExisting ? 1079 : 1080));
    setDlgItemText(IDC_CU_NAME_LABEL, dialString(1081));
    setDlgItemText(IDC_CU_THIS_MACRO, dialString(710));
    setDlgItemText(IDC_CU_OTHER_MACRO, dialString(711));
    setDlgItemText(IDC_CU_SELECT, dialString(1082));
    setDlgItemText(IDC_CU_MODULE_LABEL, dialString(1083));
    setDlgItemText(ui::IDOK, dialString(1));
    setDlgItemText(ui::IDCANCEL, dialString(2));
    if (auto* types = getDlgItemAs<ui::ComboBox>(IDC_CU_TYPE)) {
        types->resetContent();
        for (const CutPicture& c : kCutTypes) {
            const int item = types->addString(dialString(c.text));
            ui::Image picture;
            if (macrodlg::loadIconBitmap(c.bitmap, picture))
                types->setItemPicture(item, picture);
        }
    }
    if (auto* options = getDlgItemAs<ui::ComboBox>(IDC_CU_OPTION)) {
        options->resetContent();
        for (int text : kOptionTexts)
            options->addString(dialString(text));
    }
    showRecord();
    if (m_data.editExisting) {
        for (int id : {IDC_CU_TYPE, IDC_CU_NAME})
            if (ui::Window* w = getDlgItem(id))
                w->enableWindow(false);
        for (int id : {IDC_CU_THIS_MACRO, IDC_CU_OTHER_MACRO, IDC_CU_SELECT, IDC_CU_MODULE_LABEL, IDC_CU_MODULE})
            show(this, id, false);
    }
    return true;
}

void CDlgMacroCuts::setUpGrid() {
    if (!m_grid.createInPlace(this, IDC_CU_OFFSETS))
        return;
    m_grid.setStandardLook(1);
    m_grid.ssSetMaxCols(3);
    m_grid.ssSetMaxRows(0);
    m_grid.setColumnHeaderTexts(Ork_StringArray{dialString(87), dialString(881), dialString(1078)});
    m_grid.setFitMode(4, 2, kCheckColumnWidth);
}

// The grid takes the room gained both ways; the rows above it keep their place, their free-text fields
// widening; the target rows and the buttons stay at the bottom. The template's size is the smallest one.
void CDlgMacroCuts::setUpLayout() {
    const ui::Rect first = getWindowRect();
    m_minSize = ui::Size{first.width(), first.height()};
    m_layout.record(*this);
    for (int id : {IDC_CU_TYPE, IDC_CU_NAME_LABEL, IDC_CU_SIDE_1, IDC_CU_SIDE_1 + 1, IDC_CU_SIDE_1 + 2,
                   IDC_CU_VALUE_LABEL, IDC_CU_VALUE, IDC_CU_OPTION_LABEL, IDC_CU_OPTION})
        m_layout.setFlags(id, KvDlgLayout::kFixed, KvDlgLayout::kFixed);
    m_layout.setFlags(IDC_CU_NAME, KvDlgLayout::kStretch, KvDlgLayout::kFixed);
    for (int i = 0; i < 3; ++i)
        m_layout.setFlags(IDC_CU_CHECK_1 + i, KvDlgLayout::kStretch, KvDlgLayout::kFixed);
    m_layout.setFlags(IDC_CU_OFFSETS, KvDlgLayout::kStretch, KvDlgLayout::kStretch);
    for (int id : {IDC_CU_THIS_MACRO, IDC_CU_OTHER_MACRO, IDC_CU_SELECT, IDC_CU_MODULE_LABEL})
        m_layout.setFlags(id, KvDlgLayout::kFixed, KvDlgLayout::kFollow);
    m_layout.setFlags(IDC_CU_MODULE, KvDlgLayout::kStretch, KvDlgLayout::kFollow);
    for (int id : {static_cast<int>(ui::IDOK), static_cast<int>(ui::IDCANCEL)})
        m_layout.setFlags(id, KvDlgLayout::kFollow, KvDlgLayout::kFollow);
}

void CDlgMacroCuts::restoreSize() {
    if (!ChangeDlgSize(this, kSizeKey))
        return;
    // A stored size below the template's is not taken.
    const ui::Rect r = getRectInParent();
    if (r.width() < m_minSize.cx || r.height() < m_minSize.cy)
        moveWindow(r.left, r.top, std::max(r.width(), m_minSize.cx), std::max(r.height(), m_minSize.cy));
}

int CDlgMacroCuts::shownType() const {
    const auto* types = getDlgItemAs<ui::ComboBox>(IDC_CU_TYPE);
    const int position = types ? types->getCurSel() : -1;
    return position >= 0 ? position + 1 : m_data.cutType;
}

void CDlgMacroCuts::showRecord() {
    if (auto* types = getDlgItemAs<ui::ComboBox>(IDC_CU_TYPE))
        types->setCurSel(m_data.cutType - 1);   // a type outside 1 to 6 chooses nothing
    setDlgItemText(IDC_CU_NAME, m_data.cutName);
    showOffsets(m_data.offsetNames, m_data.offsetVarNames, m_data.offsetFlags);
    setDlgItemText(IDC_CU_VALUE, m_data.value);
    int side = 1;
    if (m_data.cutType == 1) {
        if (auto* options = getDlgItemAs<ui::ComboBox>(IDC_CU_OPTION))
            options->setCurSel(m_data.option);
        side = m_data.sideFlag ? 2 : 1;
        checkDlgButton(IDC_CU_CHECK_1 + 1, m_data.checks[1] ? ui::BST_CHECKED : ui::BST_UNCHECKED);
        checkDlgButton(IDC_CU_CHECK_1 + 2, m_data.checks[2] ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    } else if (m_data.cutType == 4) {
        side = !m_data.sideFlag ? 3 : (m_data.secondSideFlag ? 2 : 1);
    }
    if (m_data.cutType == 1 || m_data.cutType == 3)
        checkDlgButton(IDC_CU_CHECK_1, m_data.checks[0] ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    showSide(side);
    showTypeTexts();
    const bool other = m_data.target == DlgMacroCutsData::kOtherMacro;
    checkDlgButton(IDC_CU_THIS_MACRO, other ? ui::BST_UNCHECKED : ui::BST_CHECKED);
    checkDlgButton(IDC_CU_OTHER_MACRO, other ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    setDlgItemText(IDC_CU_MODULE, m_data.targetModule);
    fillModules();
    if (ui::Window* select = getDlgItem(IDC_CU_SELECT))
        select->enableWindow(other);
    updateOptionChecks();
}

void CDlgMacroCuts::showOffsets(const Ork_StringArray& names, const Ork_StringArray& varNames,
                                const AcArray<bool>& flags) {
    m_shownNames = names;
    if (!m_grid.isCreated())
        return;
    const int rows = names.length();
    m_grid.ssSetMaxRows(rows);
    Ork_StringArray shown, checks, variables;
    for (int r = 0; r < rows; ++r) {
        shown.append(offsetDisplayName(names[r]));
        // A missing flag shows unchecked, a missing variable name "0".
        checks.append(Ork_String(r < flags.length() && flags[r] ? u"1" : u"0"));
        variables.append(r < varNames.length() ? varNames[r] : Ork_String(u"0"));
    }
    m_grid.setColumnTexts(1, shown);
    m_grid.setColumnTexts(2, checks);
    m_grid.setColumnTexts(3, variables);
    m_grid.lockColumn(1);
    m_grid.setCheckBoxColumn(2, false, false);
    m_grid.applyFitMode();
}

void CDlgMacroCuts::showSide(int side) {
    m_side = std::clamp(side, 1, 3);
    for (int i = 0; i < 3; ++i)
        checkDlgButton(IDC_CU_SIDE_1 + i, i + 1 == m_side ? ui::BST_CHECKED : ui::BST_UNCHECKED);
}

void CDlgMacroCuts::showTypeTexts() {
    const int type = shownType();
    const bool sides = type == 1 || type == 4;
    for (int i = 0; i < 3; ++i)
        show(this, IDC_CU_SIDE_1 + i, sides && (type == 4 || i < 2));
    show(this, IDC_CU_OPTION_LABEL, type == 1);
    show(this, IDC_CU_OPTION, type == 1);
    show(this, IDC_CU_CHECK_1, type == 1 || type == 3);
    show(this, IDC_CU_CHECK_1 + 1, type == 1 && !m_data.editExisting);
    show(this, IDC_CU_CHECK_1 + 2, type == 1);
    if (type == 1) {
        setDlgItemText(IDC_CU_SIDE_1, dialString(1105));
        setDlgItemText(IDC_CU_SIDE_1 + 1, dialString(1106));
        if (m_side == 3)
            showSide(2);
        setDlgItemText(IDC_CU_OPTION_LABEL, dialString(1394));
        setDlgItemText(IDC_CU_CHECK_1, dialString(1108));
        setDlgItemText(IDC_CU_CHECK_1 + 1, dialString(1109));
        setDlgItemText(IDC_CU_CHECK_1 + 2, dialString(1399));
    } else if (type == 4) {
        for (int i = 0; i < 3; ++i)
            setDlgItemText(IDC_CU_SIDE_1 + i, dialString(1110 + i));
    } else if (type == 3) {
        setDlgItemText(IDC_CU_CHECK_1, dialString(1113));
    }
    showValueField();
}

void CDlgMacroCuts::showValueField() {
    const bool shown = shownType() == 4 && m_side != 3;
    show(this, IDC_CU_VALUE, shown);
    show(this, IDC_CU_VALUE_LABEL, shown);
    setDlgItemText(IDC_CU_VALUE_LABEL, dialString(m_side == 1 ? 1115 : 1114));
}

void CDlgMacroCuts::updateOptionChecks() {
    if (shownType() != 1)
        return;
    const bool first = isDlgButtonChecked(IDC_CU_CHECK_1) == ui::BST_CHECKED;
    const bool second = isDlgButtonChecked(IDC_CU_CHECK_1 + 1) == ui::BST_CHECKED;
    if (ui::Window* w = getDlgItem(IDC_CU_CHECK_1))
        w->enableWindow(!second);
    if (ui::Window* w = getDlgItem(IDC_CU_CHECK_1 + 1))
        w->enableWindow(!first);
    if (ui::Window* w = getDlgItem(IDC_CU_CHECK_1 + 2))
        w->enableWindow(second && !first);
}

void CDlgMacroCuts::fillModules() {
    const Ork_String typed(getDlgItemText(IDC_CU_MODULE));
    Ork_StringArray modules;
    m_data.macros.GetAllMods(modules);
    FillCombo(getDlgItem(IDC_CU_MODULE), modules);
    setDlgItemText(IDC_CU_MODULE, typed);
}

void CDlgMacroCuts::selectMacro() {
    BeginEditorCommand(this);
    showWindow(ui::SW_HIDE);
    if (m_data.macros.UserSelectMacro(this))
        fillModules();
    showWindow(ui::SW_SHOW);
    CompleteEditorCommand(this);
}

void CDlgMacroCuts::readControls() {
    const int type = shownType();
    if (!m_data.editExisting) {
        m_data.cutType = type;
        m_data.cutName = Ork_String(getDlgItemText(IDC_CU_NAME));
    }
    m_data.value = Ork_String(getDlgItemText(IDC_CU_VALUE));
    if (type == 1) {
        m_data.sideFlag = m_side != 1;
        if (const auto* options = getDlgItemAs<ui::ComboBox>(IDC_CU_OPTION); options && options->getCurSel() >= 0)
            m_data.option = options->getCurSel();
        m_data.checks[1] = isDlgButtonChecked(IDC_CU_CHECK_1 + 1) == ui::BST_CHECKED;
        m_data.checks[2] = isDlgButtonChecked(IDC_CU_CHECK_1 + 2) == ui::BST_CHECKED;
    } else if (type == 4) {
        m_data.sideFlag = m_side != 3;
        if (m_data.sideFlag)
            m_data.secondSideFlag = m_side != 1;
    }
    if (type == 1 || type == 3)
        m_data.checks[0] = isDlgButtonChecked(IDC_CU_CHECK_1) == ui::BST_CHECKED;
    m_data.offsetNames = m_shownNames;
    Ork_StringArray flags, variables;
    if (m_grid.isCreated()) {
        m_grid.getColumnTexts(2, flags, Ork_Spread::kTextData);
        m_grid.getColumnTexts(3, variables, Ork_Spread::kTextData);
    }
    AcArray<bool> offsetFlags;
    Ork_StringArray offsetVars;
    for (int r = 0; r < m_shownNames.length(); ++r) {
        offsetFlags.append(r < flags.length() && flags[r] == u"1");
        offsetVars.append(r < variables.length() ? variables[r] : Ork_String(u"0"));
    }
    m_data.offsetFlags = offsetFlags;
    m_data.offsetVarNames = offsetVars;
    if (!m_data.editExisting) {
        m_data.target = isDlgButtonChecked(IDC_CU_THIS_MACRO) == ui::BST_CHECKED ? DlgMacroCutsData::kThisMacro
                                                                               : DlgMacroCutsData::kOtherMacro;
        m_data.targetModule = Ork_String(getDlgItemText(IDC_CU_MODULE));
    }
}

void CDlgMacroCuts::onOK() {
    if (getDlgItemText(IDC_CU_MODULE).empty()) {
        ui::messageBox(this, dialString(1090), dialString(1091), ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    readControls();
    if (m_data.target == DlgMacroCutsData::kOtherMacro &&
        m_data.CutNameInUse(m_data.macros.chosen, m_data.targetModule, m_data.cutName)) {
        ui::messageBox(this, dialString(1092) + u"\n" + dialString(1093), dialString(1094),
                       ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    if (m_data.AreVarNamesValid()) {
        ui::Dialog::onOK();
        return;
    }
    ui::messageBox(this,
                   dialString(1095) + u"\n" + dialString(1096) + u" " + dialString(1097) + u" \"gen_\".\n",
                   dialString(1098), ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

bool CDlgMacroCuts::preTranslateMessage(const ui::Msg& msg) {
    if (msg.message == ui::WM_KEYDOWN && msg.wParam == ui::VK_ESCAPE) {
        m_endedByEscape = true;
        endDialog(ui::IDCANCEL);
        return true;
    }
    return KvRecordDlg<DlgMacroCutsData>::preTranslateMessage(msg);
}

void CDlgMacroCuts::onSize(unsigned type, int cx, int cy) {
    KvRecordDlg<DlgMacroCutsData>::onSize(type, cx, cy);
    m_layout.resize(cx, cy);
    if (m_grid.isCreated())
        m_grid.applyFitMode();
}

void CDlgMacroCuts::onGetMinMaxInfo(ui::MinMaxInfo& info) { info.minTrackSize = m_minSize; }

void CDlgMacroCuts::onDestroy() {
    WriteDlgSize(this, kSizeKey);
    KvRecordDlg<DlgMacroCutsData>::onDestroy();
}

bool CDlgMacroCuts::onCommand(int id, int code) {
    if (id == IDC_CU_TYPE && code == ui::CBN_SELCHANGE) {
        Ork_StringArray names, varNames;
        AcArray<bool> flags;
        m_data.GetDefaultValues(shownType(), names, varNames, flags);
        showOffsets(names, varNames, flags);
        showTypeTexts();
        updateOptionChecks();
        return true;
    }
    if (id >= IDC_CU_SIDE_1 && id < IDC_CU_SIDE_1 + 3 && code == ui::BN_CLICKED) {
        m_side = id - IDC_CU_SIDE_1 + 1;
        showValueField();
        return true;
    }
    if (id >= IDC_CU_CHECK_1 && id < IDC_CU_CHECK_1 + 3 && code == ui::BN_CLICKED) {
        updateOptionChecks();
        return true;
    }
    if (id == IDC_CU_THIS_MACRO && code == ui::BN_CLICKED) {
        if (ui::Window* select = getDlgItem(IDC_CU_SELECT))
            select->enableWindow(false);
        return true;
    }
    if (id == IDC_CU_OTHER_MACRO && code == ui::BN_CLICKED) {
        if (ui::Window* select = getDlgItem(IDC_CU_SELECT))
            select->enableWindow(true);
        selectMacro();
        return true;
    }
    if (id == IDC_CU_SELECT && code == ui::BN_CLICKED) {
        selectMacro();
        return true;
    }
    return KvRecordDlg<DlgMacroCutsData>::onCommand(id, code);
}
