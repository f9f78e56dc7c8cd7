#pragma once
// The module's one-line prompt: a caption, a label, an edit field with an initial text, and OK and Cancel
// with texts of the caller's choosing. With the field shown, OK is accepted only while the field holds
// text; then the text is kept and accepted() becomes true. With the field hidden the dialog is a plain
// confirmation.
#include "nuvo/Ork_String.h"
#include "ui/Dialog.h"

class Ork_DlgPromptString : public ui::Dialog {
public:
    explicit Ork_DlgPromptString(ui::Window* parent = nullptr);

    void setCaption(const Ork_String& caption) { m_caption = caption; }
    void setLabel(const Ork_String& label) { m_label = label; }
    void setText(const Ork_String& text) { m_text = text; }
    void setButtonTexts(const Ork_String& ok, const Ork_String& cancel) {
        m_okText = ok;
        m_cancelText = cancel;
    }
    void showField(bool show) { m_showField = show; }

    const Ork_String& text() const { return m_text; }
    bool accepted() const { return m_accepted; }

protected:
    bool onInitDialog() override;
    void onOK() override;

private:
    Ork_String m_caption;
    Ork_String m_label;
    Ork_String m_text;
    Ork_String m_okText;
    Ork_String m_cancelText;
    bool m_showField = true;
    bool m_accepted = false;
};
