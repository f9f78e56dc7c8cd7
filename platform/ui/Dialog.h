#pragma once
// A dialog: a window built from a template (by resource number, looked up through the resource chain), run
// modally (doModal) or modelessly (create), ended with endDialog.
//
// There is no message loop. doModal builds the dialog, runs onInitDialog (which may already end it), shows it
// and then hands the live dialog to the installed modal handler (Services.h; a Script in tests). The handler
// drives it — with a Robot, like a person — and ends it. When nobody is installed, or the handler returns
// without ending the dialog, doModal logs it, ends the dialog with IDCANCEL (without calling onCancel) and
// returns IDCANCEL, so nothing ever waits. While it runs, its owner's top-level window is disabled; before
// doModal returns, the owner is enabled again, the dialog and all its descendants (including pages, which are
// child dialogs) are destroyed and have had their onDestroy, and the focus goes back where it was.
//
// Modeless dialogs: create() with a parent (the owner for a top-level dialog, the host window for a page with
// WS_CHILD in its template), hidden or shown. endDialog on a modeless dialog hides it and records the result;
// the owner destroys it with destroyWindow.
#include "ui/DialogTemplate.h"
#include "ui/Window.h"

#include <vector>

namespace ui {

class Dialog : public Window {
public:
    explicit Dialog(int templateId = 0, Window* parent = nullptr);
    ~Dialog() override;

    enum class Show { FromTemplate, Hidden, Visible };

    // Runs the dialog modally; returns the endDialog result, or -1 when the template is missing or the window
    // cannot be created.
    int doModal();
    // Modeless creation; false when the template is missing or the window cannot be created.
    bool create(int templateId, Window* parent = nullptr, Show show = Show::FromTemplate);
    bool create(int templateId, Window* parent, bool visible) {
        return create(templateId, parent, visible ? Show::Visible : Show::Hidden);
    }
    // The same from a template given directly (tests, and dialogs that build their template in code).
    int doModalIndirect(const DialogTemplate& tmpl);
    bool createIndirect(const DialogTemplate& tmpl, Window* parent = nullptr, Show show = Show::FromTemplate);

    // Ends the dialog with `result`; may be called from onInitDialog or any handler. False when not a window.
    bool endDialog(int result);
    bool isModal() const { return m_modal; }
    bool isEnded() const { return m_ended; }
    int result() const { return m_result; }
    int templateId() const { return m_templateId; }

    // The default push button (what Enter presses): the id set here, else the first child with
    // BS_DEFPUSHBUTTON, else IDOK.
    void setDefID(int id);
    int getDefID() const;

    // Focus movement as the dialog manager does it.
    void nextDlgCtrl();
    void prevDlgCtrl();
    void gotoDlgCtrl(Window* control);
    // The tab stops in tab order: visible, enabled windows with WS_TABSTOP, walking the z-order depth first into
    // child windows marked WS_EX_CONTROLPARENT (pages).
    std::vector<Window*> tabStops();
    Window* getNextDlgTabItem(Window* from, bool previous);

    // The dialog manager: Tab / Shift+Tab move the focus, Enter presses the default (or focused push) button,
    // Escape sends IDCANCEL. True when it used the message. Keys reach it after the pre-translate hooks.
    bool isDialogMessage(const Msg& msg);

    Dialog* asDialog() override { return this; }

protected:
    // Called once the controls exist. True lets the framework focus the first tab stop.
    virtual bool onInitDialog() { return true; }
    virtual void onOK() { endDialog(IDOK); }
    virtual void onCancel() { endDialog(IDCANCEL); }
    // The close box: as the platform's dialog manager, it sends IDCANCEL.
    void onClose() override;
    // IDOK and IDCANCEL clicks go to onOK / onCancel; overrides call this for what they do not handle.
    bool onCommand(int id, int code) override;
    LRESULT windowProc(unsigned msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT defWindowProc(unsigned msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool build(const DialogTemplate& tmpl, Window* parent, bool modal);
    int runModal(const DialogTemplate& tmpl);

    int m_templateId;
    Window* m_parentForModal;
    bool m_modal = false;
    bool m_ended = false;
    int m_result = 0;
    int m_defId = 0;
};

// Registers a dialog template that Script::answerPrompt answers: the prompt text goes into the edit control
// `editId`, then OK (or Cancel for a refused prompt) is clicked.
void registerPromptDialog(int templateId, int editId);
bool isPromptDialog(int templateId, int* editId = nullptr);

} // namespace ui
