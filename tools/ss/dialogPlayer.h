#pragma once
// Plays a script of user steps against live windows, through the window framework's Robot (clicks, typing,
// keys, resizing) and Script (the answers to message boxes, prompts, file dialogs, menus, picks, and the
// modal dialogs a step opens). The first step that cannot be done, an `expect` that fails, or a request the
// script left unanswered stops the run; every dialog the run opened is then ended as a user closing it
// would, so a run never hangs.
#include "dialogScript.h"

#include "ui/Robot.h"
#include "ui/Script.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {
class Canvas;
class Dialog;
class Window;
} // namespace ui

namespace sscmd {

class DialogPlayer {
public:
    // A dialog may name its own controls (a designed control by its contents, say): the window for `name`,
    // or nullptr to fall back on ids, captions and labels.
    using NameResolver = std::function<ui::Window*(ui::Window& dialog, std::u16string_view name)>;

    // `pngPrefix`: where `png NAME` steps write (PREFIX + NAME + ".png"); empty: those steps write nothing.
    explicit DialogPlayer(std::string pngPrefix = {});
    ~DialogPlayer();
    DialogPlayer(const DialogPlayer&) = delete;
    DialogPlayer& operator=(const DialogPlayer&) = delete;

    void setNameResolver(NameResolver resolver) { m_resolver = std::move(resolver); }
    // A dialog may show a value in a cell of a grid rather than in a control of its own (the macro dialog's
    // value grid): where `set NAME` types when the name resolver found no control for it.
    struct ValueCell {
        ui::Window* grid = nullptr;
        int col = 0;
        int row = 0;
    };
    using ValueCellResolver = std::function<std::optional<ValueCell>(ui::Window& dialog, std::u16string_view name)>;
    void setValueCellResolver(ValueCellResolver resolver) { m_cellResolver = std::move(resolver); }
    // Called with the dialog of driveModal once the steps are done and before it is closed, while it is still
    // open and no step failed (a command pictures each page of it, say).
    using BeforeClose = std::function<void(ui::Window& dialog)>;
    void setBeforeClose(BeforeClose hook) { m_beforeClose = std::move(hook); }

    // Gets the dialog's picture as the script left it: after the last step, or just before it when that step
    // ended the dialog.
    using EndPicture = std::function<void(const ui::Canvas&)>;

    // The dialog the entry point will run modally comes from `templateId`: the steps drive it, and a dialog
    // they leave open is closed as a user closes it.
    void driveModal(int templateId, const std::vector<ssdialog::Step>& steps, EndPicture atEnd = {});
    // Called with the dialog of driveModal once the steps are played and it has ended, before it is destroyed.
    using Ended = std::function<void(ui::Dialog&)>;
    void setOnEnded(Ended ended) { m_onEnded = std::move(ended); }
    // Plays the steps against a window that is already open (a modeless one). False when the run stopped.
    bool play(ui::Window& dialog, const std::vector<ssdialog::Step>& steps, EndPicture atEnd = {});

    // A tabbed dialog pictured page by page when its run ends (after the last step, or just before it when
    // that step ended the dialog), besides its end picture: the dialog of template `dialogTemplate`, whether
    // the run drives it or a `dialog` block does, one picture per page template, in the order given, each as
    // the dialog looks with that page chosen. The pages are shown for the picture only, their tab chosen
    // without notifying the dialog, and put back as they were: picturing acts on nothing.
    using PagePictures = std::function<void(const std::vector<ui::Canvas>& pages)>;
    void picturePagesAtEnd(int dialogTemplate, std::vector<int> pageTemplates, PagePictures atEnd);
    // The pictures of those pages of `dialog` (an empty canvas for a template no page of it has).
    static std::vector<ui::Canvas> pagePictures(ui::Window& dialog, const std::vector<int>& pageTemplates);

    // Reports the answers queued and never asked for; call once the entry point has returned.
    void finish();

    // How the dialog of driveModal ended (ui::IDOK, ui::IDCANCEL, ...); nothing when it never opened.
    std::optional<int> endResult() const { return m_endResult; }
    // The steps played so far ended `dialog`'s run (closed or destroyed it).
    static bool hasEnded(ui::Window& dialog);
    // Ends a dialog still open as a user closing it would (its close box); after a failure, as cancelled.
    void endLikeAUser(ui::Window& dialog);

    bool failed() const { return m_failure.has_value(); }
    // "line 4: no control 'Width' in the dialog"
    std::string failureText() const;
    // Every request the dialogs made, with the answer given ("box [Yes/No] Designer: Save? -> 6").
    const std::vector<std::u16string>& requests() const { return m_script.log(); }
    // Pictures the steps asked for, in order.
    const std::vector<std::string>& pictures() const { return m_pictures; }
    // A picture that could not be written (the command exits 3 for it).
    const std::optional<std::string>& pictureError() const { return m_pictureError; }

private:
    bool step(ui::Window& dialog, const ssdialog::Step& s);
    // point, drag and band: the mouse on the dialog's own client area.
    bool mouseOnDialog(ui::Window& dialog, const ssdialog::Step& s);
    bool queueAnswer(const ssdialog::Step& s);
    // set NAME TEXT on a value shown in a grid cell: typed over the cell's text, then left with Enter.
    // A value only a grid shows: none when a control the dialog names shows it, or no grid row does.
    std::optional<ValueCell> valueCellOnly(ui::Window& dialog, const std::u16string& name);
    bool setCell(const ValueCell& cell, const ssdialog::Step& s);
    ui::Window* find(ui::Window& dialog, const std::u16string& name);
    bool expect(ui::Window& dialog, const ssdialog::Step& s);
    bool fail(const std::string& message);

    ui::Script m_script;
    ui::Robot m_robot;
    NameResolver m_resolver;
    ValueCellResolver m_cellResolver;
    Ended m_onEnded;
    BeforeClose m_beforeClose;
    std::string m_pngPrefix;
    int m_line = 0;
    std::optional<std::pair<int, std::string>> m_failure;
    std::vector<std::string> m_pictures;
    std::optional<std::string> m_pictureError;
    std::optional<int> m_endResult;
    int m_pagesDialog = 0;
    std::vector<int> m_pageTemplates;
    PagePictures m_atEndPages;
};

} // namespace sscmd
