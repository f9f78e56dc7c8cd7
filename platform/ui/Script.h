#pragma once
// A test's script of what the user answers, in order: modal dialogs (a handler that drives the live dialog and
// ends it), message boxes, file dialogs, prompts, popup menus, tracking rectangles and host picks. Creating a
// Script installs it as the service handler (Services.h); destroying it puts back the previous one and reports
// answers never asked for.
//
// Every request is logged (log()). A request the script does not expect, or a modal handler that returns
// without ending its dialog, is a failure reported through the failure handler; the request is then answered as
// by a user closing it (the modal dialog ends at once with IDCANCEL), so a test can never hang. The ui library
// does not know the test framework: the test sets the failure handler (tests/platform/ui/uiTestSupport.h has
// a GoogleTest one), or Script::setDefaultFailureHandler once for all scripts.
#include "ui/Services.h"
#include "ui/constants.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class Dialog;

class Script : public ServiceHandler {
public:
    using FailureHandler = std::function<void(const std::string& message)>;
    using ModalHandler = std::function<void(Dialog&)>;
    using TrackHandler = std::function<std::optional<Rect>(const TrackRequest&)>;

    explicit Script(FailureHandler onFailure = {});
    ~Script() override;
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;

    // The next modal dialog must come from `templateId`; `handler` gets it live.
    Script& onModal(int templateId, ModalHandler handler);
    // The next modal dialog must come from `templateId`; the user presses the button `commandId` (IDOK,
    // IDCANCEL...) — sent as WM_COMMAND to the dialog, as the button or Enter/Escape would.
    Script& onModal(int templateId, int commandId);
    // The next message box is answered with `result`, which must be one of its buttons.
    Script& answerBox(int result);
    Script& answerFile(std::u16string path);
    Script& answerFiles(std::vector<std::u16string> paths);
    Script& cancelFile();
    // The next modal dialog must be a prompt (registerPromptDialog): the text goes into its field and OK is
    // pressed; cancelPrompt presses Cancel.
    Script& answerPrompt(std::u16string text);
    Script& cancelPrompt();
    Script& answerMenu(int id);  // must be an enabled item of the menu
    Script& answerMenu(std::u16string itemText);  // the enabled item with that text, ignoring case and '&'
    Script& cancelMenu();
    Script& answerTrack(Rect result);
    Script& answerTrack(TrackHandler handler);
    Script& cancelTrack();
    // Takes back the tracking answer queued last while nobody has used it (a click that turned out to track
    // nothing); false when there is none.
    bool takeBackTrack();
    Script& answerPick(PickResult result);

    // From now on a request takes the first answer queued for its kind (a modal dialog: the first answer for
    // its template, or a prompt answer when it is a prompt), whatever was queued before it; by default the
    // answers are taken strictly in order. A user's script says "the next box gets Yes" without knowing in
    // which order the dialog will ask.
    Script& matchAnswersByKind();

    // Every request so far, one line each ("modal 133", "box Caption: text -> 6", ...).
    const std::vector<std::u16string>& log() const { return m_log; }
    const std::vector<MessageBoxRequest>& boxes() const { return m_boxes; }
    const std::vector<FileDialogRequest>& fileRequests() const { return m_files; }
    const std::vector<TrackRequest>& trackRequests() const { return m_tracks; }
    const std::vector<PickRequest>& pickRequests() const { return m_picks; }
    const std::vector<std::string>& failures() const { return m_failures; }
    int remaining() const { return static_cast<int>(m_answers.size()); }
    // Reports every answer not used yet as a failure and forgets them.
    void verify();

    static void setDefaultFailureHandler(FailureHandler handler);
    static const FailureHandler& defaultFailureHandler();

    // ServiceHandler
    void runModal(Dialog& dialog) override;
    int messageBox(const MessageBoxRequest& request) override;
    std::optional<std::vector<std::u16string>> fileDialog(const FileDialogRequest& request) override;
    int popupMenu(const MenuRequest& request) override;
    std::optional<Rect> track(const TrackRequest& request) override;
    PickResult pick(const PickRequest& request) override;

private:
    enum class Kind { Modal, Box, File, Menu, Track, Pick };
    struct Answer {
        explicit Answer(Kind k) : kind(k) {}
        Kind kind;
        int templateId = 0;
        ModalHandler modal;
        bool prompt = false;
        std::optional<std::u16string> promptText;
        int number = 0;
        std::optional<std::u16string> menuText;  // a menu answer by item text rather than id
        std::optional<std::vector<std::u16string>> files;
        TrackHandler tracker;
        PickResult pickResult;
    };
    // The next answer when it is of `kind` (by kind: the first one of `kind`, for a modal dialog the first one
    // for `templateId`, or for a prompt when `prompt`); otherwise reports `what` as unexpected and returns
    // nothing.
    std::optional<Answer> take(Kind kind, const std::u16string& what, int templateId = 0, bool prompt = false);
    void fail(const std::string& message);
    Script& push(Answer a);

    FailureHandler m_onFailure;
    ServiceHandler* m_previous;
    std::deque<Answer> m_answers;
    bool m_byKind = false;
    std::vector<std::u16string> m_log;
    std::vector<MessageBoxRequest> m_boxes;
    std::vector<FileDialogRequest> m_files;
    std::vector<TrackRequest> m_tracks;
    std::vector<PickRequest> m_picks;
    std::vector<std::string> m_failures;
};

} // namespace ui
