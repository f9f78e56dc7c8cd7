// Templates of the frame's own dialogs.
#include "resources/resourceIds.h"
#include "resources/templateBuilders.h"
#include "ui/Dialog.h"
#include "ui/Resources.h"

namespace ssres {

void addFrameTemplates(ui::ResourceModule& module) {
    // The one-line prompt: a label over an edit field, OK and Cancel.
    ui::DialogTemplate prompt = okCancelDialog(IDD_PROMPT_STRING, u"", {260, 96});
    prompt.add(u"Static", IDC_PROMPT_LABEL, u"", ui::WS_VISIBLE | ui::SS_LEFT, ui::Rect::fromSize(7, 7, 246, 14));
    prompt.add(u"Edit", IDC_PROMPT_EDIT, u"", ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_BORDER | ui::ES_AUTOHSCROLL,
               ui::Rect::fromSize(7, 25, 246, 21));
    module.addDialog(std::move(prompt));
    // Scripts answer it like any prompt of the platform: text into the field, then OK.
    ui::registerPromptDialog(IDD_PROMPT_STRING, IDC_PROMPT_EDIT);
}

} // namespace ssres
