#pragma once
// The cut dialog: edits one cut of a macro — its type, name, side and options, its offsets with their
// variable names, and the module it cuts, in this macro or in another one picked in the drawing. Each cut
// type shows its own sides and options. OK checks the target module, the cut name in another macro and the
// variable names, in that order, and stays open with a message when one fails.
//
// The entry point learns whether the dialog was ended by Escape (not by its Cancel button). The window can be
// made larger than its template, not smaller; the offset grid takes the room gained.
#include "base/KvDlgLayout.h"
#include "base/KvRecordDlg.h"
#include "nuvo/records/DlgMacroCutsData.h"
#include "spread/Ork_Spread.h"

class CDlgMacroCuts : public KvRecordDlg<DlgMacroCutsData> {
public:
    static constexpr const char16_t* kSizeKey = u"DLG_MACRO_CUTS";

    explicit CDlgMacroCuts(ui::Window* parent = nullptr);

    // Set when Escape ended the dialog.
    bool m_endedByEscape = false;

    Ork_Spread& offsetGrid() { return m_grid; }
    int side() const { return m_side; }
    ui::Size minimumSize() const { return m_minSize; }
    // The display name of an offset name ("LengthOffset" -> host text 1100 ...).
    static Ork_String offsetDisplayName(const Ork_String& name);

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code) override;
    bool preTranslateMessage(const ui::Msg& msg) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onGetMinMaxInfo(ui::MinMaxInfo& info) override;
    void onDestroy() override;

private:
    void setUpGrid();
    void setUpLayout();
    void restoreSize();
    void showRecord();
    void showOffsets(const Ork_StringArray& names, const Ork_StringArray& varNames, const AcArray<bool>& flags);
    void showTypeTexts();
    void showValueField();
    void showSide(int side);
    void updateOptionChecks();
    void fillModules();
    void selectMacro();
    void readControls();
    int shownType() const;

    Ork_Spread m_grid;
    KvDlgLayout m_layout;
    ui::Size m_minSize{50, 50};
    Ork_StringArray m_shownNames;   // the offset names of the last fill
    int m_side = 1;
};
