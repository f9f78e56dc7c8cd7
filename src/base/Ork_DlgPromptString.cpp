#include "base/Ork_DlgPromptString.h"

#include "resources/resourceIds.h"

Ork_DlgPromptString::Ork_DlgPromptString(ui::Window* parent) : ui::Dialog(IDD_PROMPT_STRING, parent) {}

bool Ork_DlgPromptString::onInitDialog() {
    setWindowText(m_caption);
    setDlgItemText(IDC_PROMPT_LABEL, m_label);
    setDlgItemText(IDC_PROMPT_EDIT, m_text);
    if (!m_okText.isEmpty())
        setDlgItemText(ui::IDOK, m_okText);
    if (!m_cancelText.isEmpty())
        setDlgItemText(ui::IDCANCEL, m_cancelText);
    if (ui::Window* field = getDlgItem(IDC_PROMPT_EDIT)) {
        field->showWindow(m_showField ? ui::SW_SHOW : ui::SW_HIDE);
        if (m_showField) {
            gotoDlgCtrl(field);
            return false;  // the focus is set
        }
    }
    return true;
}

void Ork_DlgPromptString::onOK() {
    const Ork_String text(getDlgItemText(IDC_PROMPT_EDIT));
    if (m_showField && text.isEmpty())
        return;  // nothing typed: the prompt stays open
    if (m_showField)
        m_text = text;
    m_accepted = true;
    ui::Dialog::onOK();
}
