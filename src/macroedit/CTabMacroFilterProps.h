#pragma once
// The filter properties page of the macro settings: per filter property the values it accepts (a list
// edited in a one-column grid) and the picture it shows (a design of the library, chosen or typed). The
// dialog hands it copies of the three arrays and takes them back at OK (store()).
#include "nuvo/CButtonST.h"
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_StringArray.h"
#include "spread/Ork_Spread.h"
#include "ui/Dialog.h"

class CTabMacroFilterProps : public ui::Dialog {
public:
    CTabMacroFilterProps() = default;
    void setData(const Ork_StringArray& names, const Ork_Array<Ork_StringArray>& values, const Ork_StringArray& images);
    // Stores the property on show, then gives back the three arrays.
    void store(Ork_StringArray& names, Ork_Array<Ork_StringArray>& values, Ork_StringArray& images);

    Ork_Spread& grid() { return m_grid; }
    int shownProperty() const { return m_shown; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;
    bool preTranslateMessage(const ui::Msg& msg) override;

private:
    // Values and pictures of differing counts cannot be told apart: such a page shows and stores nothing.
    bool usable(int p) const;
    void show(int p);
    void storeShown();

    Ork_StringArray m_names;
    Ork_Array<Ork_StringArray> m_values;
    Ork_StringArray m_images;
    Ork_Spread m_grid;
    CButtonST m_add, m_delete;
    int m_shown = -1;
};
