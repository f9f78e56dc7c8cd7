#include "macrodlg/CDlgMacroPattern.h"

#include "macrodlg/CDlgMacro.h"
#include "macrodlg/iconFolderBitmaps.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"

namespace {

constexpr int kMixedText = 695;
constexpr int kMixedOffsetPosition = 3;
constexpr int kOffsetTexts[] = {994, 1055, 996, kMixedText};
constexpr int kHeaderColumnWidth = 30;
constexpr ui::Color kAlternationTransparent = 0xFFFFFF;   // white

int id(int d, int first) { return first + d * kPatternSecondOffset; }

int boxState(int triState) { return triState == -1 ? ui::BST_INDETERMINATE : (triState != 0 ? ui::BST_CHECKED : ui::BST_UNCHECKED); }
int triStateOf(int box) { return box == ui::BST_INDETERMINATE ? -1 : (box == ui::BST_CHECKED ? 1 : 0); }

bool isAlternation(int controlId) {
    return controlId >= IDC_PT_ALTERNATION_1 && controlId < IDC_PT_ALTERNATION_1 + CDlgMacroPattern::kAlternationButtons;
}

} // namespace

CDlgMacroPattern::CDlgMacroPattern(CDlgMacro* owner, int patternIndex, const MacroPatternProps& props,
                                   ui::Window* parent)
    : ui::Dialog(IDD_MACRO_PATTERN, parent), m_owner(owner), m_index(patternIndex), m_props(props) {}

bool CDlgMacroPattern::onInitDialog() {
    ui::Dialog::onInitDialog();
    setUpGrid(0);
    setUpGrid(1);
    setWindowText(dialString(1034));
    for (int d = 0; d < 2; ++d) {
        setDlgItemText(id(d, IDC_PT_OFFSET_LABEL), dialString(1042));
        setDlgItemText(id(d, IDC_PT_DIRECTION), dialString(1043));
        setDlgItemText(id(d, IDC_PT_TEXT2_LABEL), dialString(1360));
        setDlgItemText(id(d, IDC_PT_ON), dialString(1402));
        if (auto* c = getDlgItemAs<ui::ComboBox>(id(d, IDC_PT_OFFSET))) {
            c->resetContent();
            for (int text : kOffsetTexts)
                c->addString(dialString(text));
        }
    }
    setDlgItemText(IDC_PT_1051, dialString(1051));
    setDlgItemText(ui::IDOK, dialString(285));
    setDlgItemText(ui::IDCANCEL, dialString(2));
    if (ui::Window* cancel = getDlgItem(ui::IDCANCEL))
        cancel->showWindow(ui::SW_HIDE);
    showProps();
    for (int i = 0; i < kAlternationButtons; ++i) {
        ui::ImageButton& button = m_alternation[static_cast<std::size_t>(i)];
        const int state = isDlgButtonChecked(IDC_PT_ALTERNATION_1 + i);
        const bool enabled = getDlgItem(IDC_PT_ALTERNATION_1 + i) && getDlgItem(IDC_PT_ALTERNATION_1 + i)->isWindowEnabled();
        if (!subclassDlgItem(IDC_PT_ALTERNATION_1 + i, button))
            continue;
        button.setCheck(state);
        button.enableWindow(enabled);
        ui::Image bitmap;
        if (macrodlg::loadIconBitmap(Ork_String(u"BoltAlternation") + Ork_String(i + 1) + u".bmp", bitmap))
            button.setBitmapImage(bitmap, kAlternationTransparent);
    }
    m_initialised = true;
    return true;
}

void CDlgMacroPattern::setUpGrid(int d) {
    Ork_Spread& g = m_grids[static_cast<std::size_t>(d)];
    if (!g.createInPlace(this, id(d, IDC_PT_GRID)))
        return;
    g.setStandardLook(1);
    g.ssSetMaxCols(1);
    g.ssSetMaxRows(0);
    g.setFitMode(4, Ork_Spread::kHeader, kHeaderColumnWidth);
}

void CDlgMacroPattern::showProps() {
    const bool oneDirection = m_props.patternType == MacroPatternProps::kOneDirection;
    showDirection(0, m_props.first, true);
    showDirection(1, m_props.second, !oneDirection);
    for (int first : {IDC_PT_OFFSET, IDC_PT_DIRECTION, IDC_PT_TEXT1, IDC_PT_TEXT2, IDC_PT_ON})
        if (ui::Window* w = getDlgItem(id(1, first)); w && oneDirection)
            w->enableWindow(false);
    if (ui::Window* w = getDlgItem(IDC_PT_1051))
        w->enableWindow(!oneDirection);
    for (int i = 0; i < kAlternationButtons; ++i)
        if (ui::Window* w = getDlgItem(IDC_PT_ALTERNATION_1 + i))
            w->enableWindow(!oneDirection);
    if (oneDirection)
        return;
    checkDlgButton(IDC_PT_1051, boxState(m_props.triState1051));
    showAlternation();
}

void CDlgMacroPattern::showDirection(int d, const MacroPatternDirection& dir, bool fields) {
    Ork_Spread& g = m_grids[static_cast<std::size_t>(d)];
    if (g.isCreated()) {
        g.ssSetMaxRows(dir.values.length());
        g.setColumnTexts(1, dir.values);
        g.setListColumn(1, Ork_StringArray{dialString(1359), dialString(kMixedText)}, true);
        g.applyFitMode();
    }
    if (!fields)
        return;
    if (auto* c = getDlgItemAs<ui::ComboBox>(id(d, IDC_PT_OFFSET)))
        c->setCurSel(dir.offsetType == -1 ? kMixedOffsetPosition : dir.offsetType);
    checkDlgButton(id(d, IDC_PT_DIRECTION), boxState(dir.triState));
    setDlgItemText(id(d, IDC_PT_TEXT1), dir.text1);
    setDlgItemText(id(d, IDC_PT_TEXT2), dir.text2);
    checkDlgButton(id(d, IDC_PT_ON), dir.on ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    updateDirectionText(d);
}

void CDlgMacroPattern::updateDirectionText(int d) {
    if (ui::Window* w = getDlgItem(id(d, IDC_PT_TEXT1)))
        w->enableWindow(isDlgButtonChecked(id(d, IDC_PT_DIRECTION)) == ui::BST_CHECKED);
}

void CDlgMacroPattern::showAlternation() {
    const int shown = macrodlg::alternationButton(m_props.alternation);
    m_alternationMixed = false;
    for (int flag : m_props.alternation)
        m_alternationMixed = m_alternationMixed || flag == -1;
    for (int i = 0; i < kAlternationButtons; ++i)
        checkDlgButton(IDC_PT_ALTERNATION_1 + i, i + 1 == shown ? ui::BST_CHECKED : ui::BST_UNCHECKED);
}

void CDlgMacroPattern::readDirection(int d, MacroPatternDirection& dir, bool fields) {
    Ork_Spread& g = m_grids[static_cast<std::size_t>(d)];
    Ork_StringArray values;
    if (g.isCreated() && g.getColumnTexts(1, values, Ork_Spread::kTextData))
        dir.values = values;
    if (!fields)
        return;
    // A list with nothing chosen keeps the record's offset type.
    if (auto* c = getDlgItemAs<ui::ComboBox>(id(d, IDC_PT_OFFSET)); c && c->getCurSel() >= 0)
        dir.offsetType = c->getCurSel() == kMixedOffsetPosition ? -1 : c->getCurSel();
    dir.triState = triStateOf(isDlgButtonChecked(id(d, IDC_PT_DIRECTION)));
    dir.text1 = Ork_String(getDlgItemText(id(d, IDC_PT_TEXT1)));
    dir.text2 = Ork_String(getDlgItemText(id(d, IDC_PT_TEXT2)));
    dir.on = isDlgButtonChecked(id(d, IDC_PT_ON)) == ui::BST_CHECKED;
}

void CDlgMacroPattern::readControls() {
    const bool oneDirection = m_props.patternType == MacroPatternProps::kOneDirection;
    readDirection(0, m_props.first, true);
    readDirection(1, m_props.second, !oneDirection);
    if (oneDirection)
        return;
    m_props.triState1051 = triStateOf(isDlgButtonChecked(IDC_PT_1051));
    if (m_alternationMixed) {
        for (int& flag : m_props.alternation)
            flag = -1;
        return;
    }
    int checked = 0;
    for (int i = 0; i < kAlternationButtons && checked == 0; ++i) {
        const int state = isDlgButtonChecked(IDC_PT_ALTERNATION_1 + i);
        if (state == ui::BST_INDETERMINATE) {
            for (int& flag : m_props.alternation)
                flag = -1;
            return;
        }
        if (state == ui::BST_CHECKED)
            checked = i + 1;
    }
    macrodlg::alternationFlags(checked, m_props.alternation);
}

void CDlgMacroPattern::push() {
    if (!m_initialised)
        return;
    readControls();
    ++m_pushes;
    if (m_owner)
        m_owner->pushPatternProps(m_index, m_props);
}

void CDlgMacroPattern::onOK() {
    push();
    ui::Dialog::onOK();
}

bool CDlgMacroPattern::onCommand(int controlId, int code) {
    for (int d = 0; d < 2; ++d) {
        if (controlId == m_grids[static_cast<std::size_t>(d)].controlId() && m_grids[static_cast<std::size_t>(d)].isCreated()) {
            if (code == SSN_EDITMODEOFF || code == SSN_COMBOCHANGE || code == SSN_CHANGE)
                push();
            return true;
        }
        if (controlId == id(d, IDC_PT_OFFSET) && code == ui::CBN_SELCHANGE) {
            push();
            return true;
        }
        if (controlId == id(d, IDC_PT_DIRECTION) && code == ui::BN_CLICKED) {
            updateDirectionText(d);
            push();
            return true;
        }
        if ((controlId == id(d, IDC_PT_TEXT1) || controlId == id(d, IDC_PT_TEXT2)) && code == ui::EN_CHANGE) {
            push();
            return true;
        }
        if (controlId == id(d, IDC_PT_ON) && code == ui::BN_CLICKED) {
            push();
            return true;
        }
    }
    if (controlId == IDC_PT_1051 && code == ui::BN_CLICKED) {
        push();
        return true;
    }
    if (isAlternation(controlId) && code == ui::BN_CLICKED) {
        for (int i = 0; i < kAlternationButtons; ++i)
            if (IDC_PT_ALTERNATION_1 + i != controlId)
                checkDlgButton(IDC_PT_ALTERNATION_1 + i, ui::BST_UNCHECKED);
        m_alternationMixed = false;
        push();
        return true;
    }
    return ui::Dialog::onCommand(controlId, code);
}
