#pragma once
// The simple section library editor: one size of a profile value table, its name composed from its values
// or typed, and its values. OK puts the size into the table (over the size of the same system name, else at
// its sorted place) and gives back its index among the offered sizes.
#include "nuvo/Ork_String.h"
#include "seclib/Ork_ProfValuesTable.h"
#include "seclib/ProfSimpleEdit.h"
#include "ui/Dialog.h"
#include "ui/ImageButton.h"

class CDlgEditLibSimple : public ui::Dialog {
public:
    explicit CDlgEditLibSimple(ui::Window* parent = nullptr);

    Ork_String m_name;
    Ork_ProfValuesTable m_table;
    // In: the size to start from, among the offered sizes. Out (OK): the placed size, the same way.
    int m_row = -1;

    const ProfSimpleEdit& edit() const { return m_edit; }

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code) override;

private:
    bool composing() const;
    Ork_StringArray fieldTexts() const;
    void showComposedName();
    void showSectionPicture();
    int currentLanguage() const;

    ProfSimpleEdit m_edit;
    bool m_started = false;
    bool m_filling = false;
    ui::ImageButton m_picture;
};
