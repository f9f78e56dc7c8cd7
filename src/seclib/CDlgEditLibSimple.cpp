#include "seclib/CDlgEditLibSimple.h"

#include "nuvo/MacroLangs.h"
#include "nuvo/hostTexts.h"
#include "nuvo/sections/sectionPictures.h"
#include "resources/resourceIds.h"
#include "seclib/profTableLayout.h"
#include "ui/Services.h"

namespace {

constexpr int kTitle = 796, kNameLabel = 797, kComposeText = 1377, kTypedText = 1378;
constexpr int kOkText = 1, kCancelText = 2;
constexpr int kInvalidValue = 1457, kLegRule = 1458, kChangeIt = 888, kMessageCaption = 1098;

int fieldId(int i) { return IDC_LIBSIMPLE_FIRST_FIELD + 2 * i; }
int labelId(int i) { return IDC_LIBSIMPLE_FIRST_LABEL + 2 * i; }

} // namespace

CDlgEditLibSimple::CDlgEditLibSimple(ui::Window* parent) : ui::Dialog(IDD_EDIT_LIB_SIMPLE, parent) {}

// The table's picture for its section type sits on button 1294, which is only decoration; a table whose type
// has no picture in the installation hides the button.
void CDlgEditLibSimple::showSectionPicture() {
    ui::Image picture;
    const bool shown = loadSectionPicture(m_table.descriptor, false, picture) &&
                       subclassDlgItem(IDC_LIBSIMPLE_PICTURE, m_picture);
    if (shown) {
        m_picture.setBitmapImage(picture, ui::rgb(255, 255, 255));
        m_picture.enableWindow(false);
    } else if (ui::Window* button = getDlgItem(IDC_LIBSIMPLE_PICTURE)) {
        button->showWindow(ui::SW_HIDE);
    }
}

bool CDlgEditLibSimple::onInitDialog() {
    ui::Dialog::onInitDialog();
    setWindowText(dialString(kTitle));
    setDlgItemText(ui::IDOK, dialString(kOkText));
    setDlgItemText(ui::IDCANCEL, dialString(kCancelText));
    setDlgItemText(IDC_LIBSIMPLE_NAME_LABEL, dialString(kNameLabel) + u":");
    setDlgItemText(IDC_LIBSIMPLE_COMPOSE, dialString(kComposeText));
    setDlgItemText(IDC_LIBSIMPLE_TYPED, dialString(kTypedText));
    showSectionPicture();

    m_filling = true;
    m_started = m_edit.start(m_table, m_row);
    const int fields = m_started ? m_edit.fieldCount() : 0;
    const Ork_StringArray values = m_started ? m_edit.templateFields() : Ork_StringArray();
    for (int i = 0; i < ProfSimpleEdit::kMaxFields; ++i) {
        const bool shown = i < fields;
        if (shown) {
            const int col = m_edit.firstValueColumn() + i;
            const Ork_String header = col < m_table.columnNames.length() ? m_table.columnNames[col] : Ork_String();
            setDlgItemText(labelId(i), Ork_String(std::u16string(1, static_cast<char16_t>(u'A' + i))) + u". " + header + u":");
            setDlgItemText(fieldId(i), values[i]);
        }
        for (int id : {labelId(i), fieldId(i)})
            if (ui::Window* w = getDlgItem(id))
                w->showWindow(shown ? ui::SW_SHOW : ui::SW_HIDE);
    }
    if (m_started) {
        const Ork_StringArray& cells = m_edit.templateCells();
        const int language = kFirstLanguageColumn + currentLanguage();
        setDlgItemText(IDC_LIBSIMPLE_NAME, language < cells.length() ? cells[language] : Ork_String());
        checkDlgButton(IDC_LIBSIMPLE_ACTIVE, cells.length() > kActiveColumn && cells[kActiveColumn] == u"1");
    }
    // Without a learnt pattern there is nothing to compose from: the name is typed.
    const bool canCompose = m_started && m_edit.hasPattern();
    checkRadioButton(IDC_LIBSIMPLE_COMPOSE, IDC_LIBSIMPLE_TYPED, canCompose ? IDC_LIBSIMPLE_COMPOSE : IDC_LIBSIMPLE_TYPED);
    if (ui::Window* compose = getDlgItem(IDC_LIBSIMPLE_COMPOSE))
        compose->enableWindow(canCompose);
    m_filling = false;
    return true;
}

int CDlgEditLibSimple::currentLanguage() const {
    // The column of the current language among the table's language columns; the first when it has none.
    int col = -1;
    m_table.columnNames.find(gMacroLangs.GetCurLanguage(), col);
    const int index = col - kFirstLanguageColumn;
    return index >= 0 && index < profTableLanguageCount(m_table.columnNames) ? index : 0;
}

bool CDlgEditLibSimple::composing() const {
    return m_edit.hasPattern() && isDlgButtonChecked(IDC_LIBSIMPLE_COMPOSE) != 0;
}

Ork_StringArray CDlgEditLibSimple::fieldTexts() const {
    Ork_StringArray texts;
    for (int i = 0; i < m_edit.fieldCount(); ++i)
        texts.append(getDlgItemText(fieldId(i)));
    return texts;
}

void CDlgEditLibSimple::showComposedName() {
    if (!composing())
        return;
    m_filling = true;
    setDlgItemText(IDC_LIBSIMPLE_NAME, m_edit.prefix(currentLanguage()) + m_edit.composedName(fieldTexts()));
    m_filling = false;
}

bool CDlgEditLibSimple::onCommand(int id, int code) {
    if (id == IDC_LIBSIMPLE_COMPOSE && code == ui::BN_CLICKED) {
        showComposedName();
        return true;
    }
    const bool isField = id >= IDC_LIBSIMPLE_FIRST_FIELD && id < fieldId(ProfSimpleEdit::kMaxFields) &&
                         (id - IDC_LIBSIMPLE_FIRST_FIELD) % 2 == 0;
    if (isField && code == ui::EN_CHANGE) {
        if (!m_filling)
            showComposedName();
        return true;
    }
    return ui::Dialog::onCommand(id, code);
}

void CDlgEditLibSimple::onOK() {
    if (!m_started) {
        endDialog(ui::IDCANCEL);   // no size to start from: nothing can be added
        return;
    }
    int row = -1, filtered = -1;
    const ProfSimpleEdit::Refusal refusal =
        m_edit.place(m_table, composing(), Ork_String(getDlgItemText(IDC_LIBSIMPLE_NAME)), fieldTexts(), row, filtered);
    if (refusal == ProfSimpleEdit::Refusal::AngleLegs) {
        ui::messageBox(this, dialString(kInvalidValue) + dialString(kLegRule) + u"\n\n" + dialString(kChangeIt) + u".",
                       dialString(kMessageCaption), ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    if (refusal == ProfSimpleEdit::Refusal::EmptyName) {
        if (ui::Window* name = getDlgItem(IDC_LIBSIMPLE_NAME))
            gotoDlgCtrl(name);
        return;
    }
    m_row = filtered;
    endDialog(ui::IDOK);
}
