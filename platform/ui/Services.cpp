#include "ui/Services.h"

#include "ui/Desktop.h"
#include "ui/Dialog.h"
#include "ui/constants.h"
#include "ui/textUtil.h"

namespace ui {

namespace {
ServiceHandler*& handler() {
    static ServiceHandler* h = nullptr;
    return h;
}

// What a user who closes the box without choosing gets.
int closingAnswer(unsigned buttons) {
    switch (buttons) {
    case MB_OK:
        return IDOK;
    case MB_YESNO:
        return IDNO;
    default:
        return IDCANCEL;
    }
}
} // namespace

unsigned MessageBoxRequest::buttons() const { return type & MB_TYPEMASK; }
unsigned MessageBoxRequest::icon() const { return type & MB_ICONMASK; }

bool MessageBoxRequest::offers(int result) const {
    switch (buttons()) {
    case MB_OK:
        return result == IDOK;
    case MB_OKCANCEL:
        return result == IDOK || result == IDCANCEL;
    case MB_YESNO:
        return result == IDYES || result == IDNO;
    case MB_YESNOCANCEL:
        return result == IDYES || result == IDNO || result == IDCANCEL;
    default:
        return result >= IDOK && result <= IDNO;
    }
}

ServiceHandler* Services::install(ServiceHandler* h) {
    ServiceHandler* previous = handler();
    handler() = h;
    return previous;
}

ServiceHandler* Services::installed() { return handler(); }

int Services::messageBox(const MessageBoxRequest& request) {
    if (handler()) return handler()->messageBox(request);
    Desktop::log(u"message box (unanswered): " + request.caption + u": " + request.text);
    return closingAnswer(request.buttons());
}

std::optional<std::vector<std::u16string>> Services::fileDialog(const FileDialogRequest& request) {
    if (handler()) return handler()->fileDialog(request);
    Desktop::log(u"file dialog (unanswered): " + request.title);
    return std::nullopt;
}

int Services::popupMenu(const MenuRequest& request) {
    if (handler()) return handler()->popupMenu(request);
    Desktop::log(u"popup menu (unanswered)");
    return 0;
}

std::optional<Rect> Services::track(const TrackRequest& request) {
    if (handler()) return handler()->track(request);
    Desktop::log(u"tracking (unanswered)");
    return std::nullopt;
}

PickResult Services::pick(const PickRequest& request) {
    if (handler()) return handler()->pick(request);
    Desktop::log(u"pick (unanswered): " + request.kind);
    return {};
}

bool Services::runModal(Dialog& dialog) {
    if (!handler()) return false;
    handler()->runModal(dialog);
    return true;
}

int messageBox(Window* owner, std::u16string_view text, std::u16string_view caption, unsigned type) {
    MessageBoxRequest request{owner, std::u16string(text), std::u16string(caption), type};
    return Services::messageBox(request);
}

} // namespace ui
