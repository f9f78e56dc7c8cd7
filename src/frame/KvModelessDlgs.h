#pragma once
// The registry of the module's modeless windows: the slot table of open macro dialogs (a slot's index is the
// dialog's public handle), the delayed closes of busy ones, and the single constraints editor.
//
// A busy macro dialog (in the middle of a drawing update) cannot be destroyed from inside that update; its
// end is retried 50 ms later on a window-less timer. The timer keeps the dialog it was started for, so a
// retry never ends a newer dialog that took over the slot, and a dialog ended twice while busy still has
// one timer.
#include <cstdint>
#include <vector>

class CDlgMacro;
class CDlgEditMacro;
class MacroData;

class KvModelessDlgs {
public:
    static KvModelessDlgs& instance();

    // ---- Macro dialog slots
    // Opens a macro dialog on a copy of `data` in the last free slot (or a new one), shown, with the host's
    // main window as parent; unless `keepFocus` the main window gets the focus back. False, index -1 and the
    // table as it was, when the dialog cannot be created.
    bool openMacroDlg(bool keepFocus, const MacroData& data, int& index);
    // The last free slot, or a new one appended at the end; the slot stays free until place().
    int reserveSlot();
    void place(int index, CDlgMacro* dialog);
    // The dialog in that slot; null for a free slot or an index outside the table.
    CDlgMacro* at(int index) const;
    int slotCount() const { return static_cast<int>(m_slots.size()); }
    // Ends the dialog in that slot (EndDlgMacroModeless): true when it was ended or its end was scheduled.
    bool endMacroDlg(int index);
    // Ends every dialog, from the last slot to the first.
    void endAllMacroDlgs();
    int pendingCloses() const { return static_cast<int>(m_pending.size()); }

    // ---- Constraints editor
    CDlgEditMacro* constraintsEditor() const { return m_constraints; }
    // Opens the single constraints editor unless it is open already (then true at once). `fill` gives the
    // new editor its record before its window is made. False, keeping no editor, when the window cannot be
    // created.
    template <class Fill>
    bool openConstraintsEditor(Fill fill);
    // Destroys, deletes and forgets an open editor (printing "Erase window failed\n" when its window cannot
    // be destroyed; it goes all the same) and re-prompts the host's command line. Nothing when none is open.
    void endConstraintsEditor();

    // ---- Detach
    // The module's code is about to leave the process: no timer may fire into it and no window of it may
    // stay. Kills pending delayed closes and destroys whatever is still open, busy or not.
    void shutdown();

private:
    CDlgEditMacro* newConstraintsEditor();
    bool showConstraintsEditor(CDlgEditMacro* editor);

    struct DelayedClose {
        std::uintptr_t timerId;
        int index;
        CDlgMacro* dialog;
    };

    void onDelayedClose(std::uintptr_t timerId);
    bool hasPendingClose(const CDlgMacro* dialog) const;
    void cancelPendingCloses(const CDlgMacro* dialog);
    void freeSlot(int index);

    std::vector<CDlgMacro*> m_slots;
    std::vector<DelayedClose> m_pending;
    CDlgEditMacro* m_constraints = nullptr;
};

template <class Fill>
bool KvModelessDlgs::openConstraintsEditor(Fill fill) {
    if (m_constraints)
        return true;
    CDlgEditMacro* editor = newConstraintsEditor();
    fill(*editor);
    return showConstraintsEditor(editor);
}
