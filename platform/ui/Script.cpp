#include "ui/Script.h"

#include "os/textCase.h"
#include "os/utf16.h"
#include "ui/Button.h"
#include "ui/Desktop.h"
#include "ui/Dialog.h"
#include "ui/Menu.h"
#include "ui/textUtil.h"

namespace ui {

namespace {

Script::FailureHandler& defaultHandler() {
    static Script::FailureHandler* h = new Script::FailureHandler;
    return *h;
}

std::u16string n(long long v) { return numberText(v); }

// Menu texts as a user reads them: without the '&' of a mnemonic and the tab before an accelerator.
bool sameMenuText(std::u16string_view item, std::u16string_view wanted) {
    std::u16string shown;
    for (char16_t c : item.substr(0, item.find(u'\t')))
        if (c != u'&') shown += c;
    return os::equalsNoCase(shown, wanted);
}

std::u16string describeButtons(unsigned buttons) {
    switch (buttons) {
    case MB_OK:
        return u"OK";
    case MB_OKCANCEL:
        return u"OK/Cancel";
    case MB_YESNO:
        return u"Yes/No";
    case MB_YESNOCANCEL:
        return u"Yes/No/Cancel";
    default:
        return u"buttons " + n(buttons);
    }
}

} // namespace

Script::Script(FailureHandler onFailure) : m_onFailure(std::move(onFailure)), m_previous(Services::install(this)) {}

Script::~Script() {
    verify();
    if (Services::installed() == this) Services::install(m_previous);
}

void Script::setDefaultFailureHandler(FailureHandler handler) { defaultHandler() = std::move(handler); }
const Script::FailureHandler& Script::defaultFailureHandler() { return defaultHandler(); }

void Script::fail(const std::string& message) {
    m_failures.push_back(message);
    Desktop::log(u"script failure: " + os::toUtf16(message));
    if (m_onFailure)
        m_onFailure(message);
    else if (defaultHandler())
        defaultHandler()(message);
}

Script& Script::push(Answer a) {
    m_answers.push_back(std::move(a));
    return *this;
}

Script& Script::onModal(int templateId, ModalHandler handler) {
    Answer a(Kind::Modal);
    a.templateId = templateId;
    a.modal = std::move(handler);
    return push(std::move(a));
}

Script& Script::onModal(int templateId, int commandId) {
    Answer a(Kind::Modal);
    a.templateId = templateId;
    a.number = commandId;
    return push(std::move(a));
}

Script& Script::answerBox(int result) {
    Answer a(Kind::Box);
    a.number = result;
    return push(std::move(a));
}

Script& Script::answerFile(std::u16string path) { return answerFiles({std::move(path)}); }

Script& Script::answerFiles(std::vector<std::u16string> paths) {
    Answer a(Kind::File);
    a.files = std::move(paths);
    return push(std::move(a));
}

Script& Script::cancelFile() { return push(Answer(Kind::File)); }

Script& Script::answerPrompt(std::u16string text) {
    Answer a(Kind::Modal);
    a.prompt = true;
    a.promptText = std::move(text);
    return push(std::move(a));
}

Script& Script::cancelPrompt() {
    Answer a(Kind::Modal);
    a.prompt = true;
    return push(std::move(a));
}

Script& Script::answerMenu(int id) {
    Answer a(Kind::Menu);
    a.number = id;
    return push(std::move(a));
}

Script& Script::answerMenu(std::u16string itemText) {
    Answer a(Kind::Menu);
    a.menuText = std::move(itemText);
    return push(std::move(a));
}

Script& Script::cancelMenu() { return answerMenu(0); }

Script& Script::matchAnswersByKind() {
    m_byKind = true;
    return *this;
}

Script& Script::answerTrack(Rect result) {
    return answerTrack([result](const TrackRequest&) { return std::optional<Rect>(result); });
}

Script& Script::answerTrack(TrackHandler handler) {
    Answer a(Kind::Track);
    a.tracker = std::move(handler);
    return push(std::move(a));
}

Script& Script::cancelTrack() { return push(Answer(Kind::Track)); }

bool Script::takeBackTrack() {
    for (auto it = m_answers.rbegin(); it != m_answers.rend(); ++it)
        if (it->kind == Kind::Track) {
            m_answers.erase(std::next(it).base());
            return true;
        }
    return false;
}

Script& Script::answerPick(PickResult result) {
    Answer a(Kind::Pick);
    a.pickResult = std::move(result);
    return push(std::move(a));
}

std::optional<Script::Answer> Script::take(Kind kind, const std::u16string& what, int templateId, bool prompt) {
    m_log.push_back(what);
    auto describeAnswer = [](const Answer& a) -> std::string {
        switch (a.kind) {
        case Kind::Modal:
            return a.prompt ? "a prompt" : "modal dialog " + std::to_string(a.templateId);
        case Kind::Box:
            return "a message box";
        case Kind::File:
            return "a file dialog";
        case Kind::Menu:
            return "a popup menu";
        case Kind::Track:
            return "a tracking rectangle";
        case Kind::Pick:
            return "a pick";
        }
        return "an answer";
    };
    if (m_answers.empty()) {
        fail("unexpected " + os::toUtf8(what) + ": the script has no answer left");
        return std::nullopt;
    }
    if (m_byKind) {
        for (auto it = m_answers.begin(); it != m_answers.end(); ++it) {
            if (it->kind != kind)
                continue;
            if (kind == Kind::Modal && (it->prompt != prompt || (!prompt && it->templateId != templateId)))
                continue;
            Answer a = std::move(*it);
            m_answers.erase(it);
            return a;
        }
        fail("unexpected " + os::toUtf8(what) + ": the script has no answer for it");
        return std::nullopt;
    }
    if (m_answers.front().kind != kind) {
        fail("unexpected " + os::toUtf8(what) + ": the script expects " + describeAnswer(m_answers.front()) +
             " next");
        return std::nullopt;
    }
    Answer a = std::move(m_answers.front());
    m_answers.pop_front();
    return a;
}

void Script::verify() {
    while (!m_answers.empty()) {
        Answer a = std::move(m_answers.front());
        m_answers.pop_front();
        std::string what;
        switch (a.kind) {
        case Kind::Modal:
            what = a.prompt ? "a prompt answer" : "the answer to modal dialog " + std::to_string(a.templateId);
            break;
        case Kind::Box:
            what = "the message box answer " + std::to_string(a.number);
            break;
        case Kind::File:
            what = "a file dialog answer";
            break;
        case Kind::Menu:
            what = "the menu answer " + std::to_string(a.number);
            break;
        case Kind::Track:
            what = "a tracking answer";
            break;
        case Kind::Pick:
            what = "a pick answer";
            break;
        }
        fail("the script's " + what + " was never asked for");
    }
}

void Script::runModal(Dialog& dialog) {
    const int id = dialog.templateId();
    std::optional<Answer> a = take(Kind::Modal, u"modal " + n(id) + u" \"" + dialog.getWindowText() + u"\"", id,
                                   isPromptDialog(id, nullptr));
    if (!a) return;  // the dialog ends at once with IDCANCEL
    if (a->prompt) {
        int editId = 0;
        if (!isPromptDialog(id, &editId)) {
            fail("modal dialog " + std::to_string(id) + " came where the script expects a prompt");
            return;
        }
        if (a->promptText) {
            if (Window* edit = dialog.findDescendant(editId)) edit->setWindowText(*a->promptText);
        }
        dialog.sendMessage(WM_COMMAND, makeWParam(a->promptText ? IDOK : IDCANCEL, BN_CLICKED), 0);
    } else if (a->templateId != id) {
        fail("modal dialog " + std::to_string(id) + " came where the script expects modal dialog " +
             std::to_string(a->templateId));
        return;
    } else if (a->modal) {
        a->modal(dialog);
    } else {
        Window* button = dialog.findDescendant(a->number);
        dialog.sendMessage(WM_COMMAND, makeWParam(static_cast<unsigned>(a->number), BN_CLICKED),
                           reinterpret_cast<LPARAM>(button));
    }
    if (ui::isWindow(&dialog) && !dialog.isEnded())
        fail("modal dialog " + std::to_string(id) + " was not ended by the script's handler");
}

int Script::messageBox(const MessageBoxRequest& request) {
    m_boxes.push_back(request);
    const unsigned buttons = request.buttons();
    const int closing = buttons == MB_OK ? IDOK : buttons == MB_YESNO ? IDNO : IDCANCEL;
    std::optional<Answer> a =
        take(Kind::Box, u"box [" + describeButtons(buttons) + u"] " + request.caption + u": " + request.text);
    if (!a) return closing;
    if (!request.offers(a->number)) {
        fail("the answer " + std::to_string(a->number) + " is not a button of the message box \"" +
             os::toUtf8(request.text) + "\"");
        return closing;
    }
    m_log.back() += u" -> " + n(a->number);
    return a->number;
}

std::optional<std::vector<std::u16string>> Script::fileDialog(const FileDialogRequest& request) {
    m_files.push_back(request);
    std::u16string what = std::u16string(u"file dialog ") + (request.open ? u"open" : u"save") +
                          (request.multiSelect ? u" multi" : u"") + (request.folders ? u" folders" : u"") + u" \"" +
                          request.title + u"\"";
    std::optional<Answer> a = take(Kind::File, what);
    if (!a || !a->files) return std::nullopt;
    if (a->files->size() > 1 && !request.multiSelect) {
        fail("several files answered to a file dialog that takes one: " + os::toUtf8(request.title));
        return std::nullopt;
    }
    return a->files;
}

int Script::popupMenu(const MenuRequest& request) {
    std::u16string what = u"menu";
    if (request.items)
        for (const MenuItem& item : *request.items)
            if (!item.isSeparator()) what += u" [" + n(item.id) + u" " + item.text + u"]";
    std::optional<Answer> a = take(Kind::Menu, what);
    if (a && a->menuText && request.items) {
        for (const MenuItem& item : *request.items)
            if (!item.isSeparator() && item.isEnabled() && sameMenuText(item.text, *a->menuText)) a->number = item.id;
        if (a->number == 0) {
            fail("the menu answer \"" + os::toUtf8(*a->menuText) + "\" is not an enabled item of the menu");
            return 0;
        }
    }
    if (!a || a->number == 0) return 0;
    bool offered = false;
    if (request.items)
        for (const MenuItem& item : *request.items)
            if (item.id == a->number && item.isEnabled()) offered = true;
    if (!offered) {
        fail("the menu answer " + std::to_string(a->number) + " is not an enabled item of the menu");
        return 0;
    }
    return a->number;
}

std::optional<Rect> Script::track(const TrackRequest& request) {
    m_tracks.push_back(request);
    static const char16_t* kinds[] = {u"move", u"resize", u"rubber band"};
    std::optional<Answer> a = take(Kind::Track, std::u16string(u"track ") + kinds[static_cast<int>(request.kind)]);
    if (!a || !a->tracker) return std::nullopt;
    return a->tracker(request);
}

PickResult Script::pick(const PickRequest& request) {
    m_picks.push_back(request);
    std::optional<Answer> a = take(Kind::Pick, u"pick " + request.kind);
    if (!a) return {};
    return a->pickResult;
}

} // namespace ui
