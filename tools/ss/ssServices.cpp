#include "ssServices.h"

#include "os/utf16.h"
#include "ui/Dialog.h"
#include "ui/constants.h"

CommandLineServices::CommandLineServices() : m_previous(ui::Services::install(this)) {}

CommandLineServices::~CommandLineServices() { ui::Services::install(m_previous); }

void CommandLineServices::runModal(ui::Dialog& dialog) { dialog.endDialog(ui::IDCANCEL); }

int CommandLineServices::messageBox(const ui::MessageBoxRequest& request) {
    m_boxes.push_back({os::toUtf8(request.caption), os::toUtf8(request.text)});
    for (int answer : {ui::IDOK, ui::IDYES, ui::IDRETRY, ui::IDABORT})
        if (request.offers(answer))
            return answer;
    return ui::IDCANCEL;
}

std::optional<std::vector<std::u16string>> CommandLineServices::fileDialog(const ui::FileDialogRequest&) {
    return std::nullopt;
}

int CommandLineServices::popupMenu(const ui::MenuRequest&) { return 0; }

std::optional<ui::Rect> CommandLineServices::track(const ui::TrackRequest&) { return std::nullopt; }

ui::PickResult CommandLineServices::pick(const ui::PickRequest&) { return {}; }
