#pragma once
// The modeless find/replace window of one grid (F3 / F5, Ork_Spread::openFindDialog). It searches the grid
// along the rows from the active cell, selects each match inside the cell editor, replaces the match it
// finds or every match of the sheet, and offers to wrap to the first cell at the end of the sheet.
//
// The grid owns the window object; the window asks the grid to close it when the user cancels.
#include "base/KvDlgLayout.h"
#include "nuvo/Ork_String.h"
#include "spread/Ork_Spread.h"
#include "ui/Dialog.h"

#include <memory>

class CDlgFindReplace : public ui::Dialog, public Ork_SpreadFindDialog {
public:
    // The key of the host's size store under which the window keeps its size.
    static constexpr char16_t kSizeKey[] = u"DLG_FINDREPLACE";

    CDlgFindReplace();
    ~CDlgFindReplace() override;

    // Makes this window the find/replace window of every grid (called when the module initialises).
    static void registerWithGrids();
    static std::unique_ptr<Ork_SpreadFindDialog> make();

    // Ork_SpreadFindDialog
    bool open(Ork_Spread& grid) override;
    void find(bool askToWrap) override { findText(askToWrap); }
    void replace(bool askToWrap) override { replaceText(askToWrap); }

    // Selects the next match; with askToWrap, asks at the end of the sheet whether to go on from the first
    // cell. True when a match was selected.
    bool findText(bool askToWrap);
    // Finds the next match and replaces it; true when one was replaced.
    bool replaceText(bool askToWrap);
    // Replaces every match of the sheet, reports the count in a message box and returns it.
    int replaceAll();

    Ork_Spread* grid() const { return m_grid; }
    bool savedSwitch13() const { return m_savedSwitch13; }

protected:
    bool onInitDialog() override;
    void onOK() override;
    void onCancel() override;
    bool onCommand(int id, int code) override;
    bool preTranslateMessage(const ui::Msg& msg) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onGetMinMaxInfo(ui::MinMaxInfo& info) override;

private:
    // The grid while it still exists: the window may outlive it until its deferred deletion.
    Ork_Spread* liveGrid() const;

    Ork_Spread* m_grid = nullptr;
    bool m_savedSwitch13 = false;
    ui::Size m_minimumSize;
    KvDlgLayout m_layout;
};
