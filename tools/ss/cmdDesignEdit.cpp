// ss design edit: the dialog designer opened through StartDlgDesigner on a design (or a new page), a script of
// user steps played on it, and the page as it stood when the designer ended.
#include "cmdDesign.h"

#include "SSHost.h"
#include "dialogPlayer.h"
#include "dialogScript.h"
#include "exitCodes.h"
#include "inputFile.h"
#include "scriptSteps.h"
#include "jsonText.h"

#include "SS/SSExports.h"
#include "designer/Ork_DlgDesignerData.h"
#include "os/textCase.h"
#include "os/utf16.h"
#include "resources/resourceIds.h"
#include "ui/Dialog.h"
#include "ui/paint/pngFile.h"

#include <optional>

namespace sscmd {

namespace {

// The designer's buttons and boxes by the names a script gives them.
struct NamedControl {
    std::u16string_view name;
    int id;
};
constexpr NamedControl kDesignerControls[] = {
    {u"add", IDC_DD_ADD},          {u"delete", IDC_DD_DELETE},   {u"copy", IDC_DD_COPY},
    {u"width", IDC_DD_WIDTH},      {u"height", IDC_DD_HEIGHT},   {u"align", IDC_DD_ALIGN_BOTTOMS},
    {u"attach", IDC_DD_ATTACH_RIGHT}, {u"open", IDC_DD_OPEN},    {u"save", IDC_DD_SAVE_AS},
    {u"picture", IDC_DD_PICTURE},  {u"ok", ui::IDOK},            {u"type", IDC_DD_TYPE},
    {u"contents", IDC_DD_CONTENTS}, {u"extra", IDC_DD_EXTRA},
};

ui::Window* designerControl(ui::Window& dialog, std::u16string_view name) {
    // The close box: the dialog itself stands for it.
    if (os::equalsNoCase(name, u"close"))
        return &dialog;
    for (const NamedControl& c : kDesignerControls)
        if (os::equalsNoCase(name, c.name))
            return dialog.getDlgItem(c.id);
    return nullptr;
}

// What the page held when the designer ended; the window's own page goes with the window.
struct PageCopy {
    bool taken = false;
    Ork_DlgDesignerData page;
};

void copyPage(Ork_DlgDesignerData& from, PageCopy& to) {
    from.getSizeFromAllControls();   // the windows as the user left them
    to.page.controls = from.controls;
    to.page.name = from.name;
    to.page.imageWidth = from.imageWidth;
    to.page.imageHeight = from.imageHeight;
    to.page.firstId = from.firstId;
    to.page.lastId = from.lastId;
    to.taken = true;
}

std::string utf8(std::u16string_view text) { return os::toUtf8(text); }

} // namespace

int editDesign(const Ork_String& path, const DesignRunOptions& o, std::FILE* out, std::FILE* err) {
    std::vector<ssdialog::Step> steps;
    if (auto failed = readScriptSteps("ss design edit", o.script, std::nullopt, steps, err))
        return *failed;
    SSHost host;
    if (!host.load())
        return kExitNoModule;

    PageCopy shown;
    std::optional<std::string> pictureError;
    bool returned = false;
    std::vector<std::u16string> requests;
    std::string failure;
    std::optional<int> ending;
    {
        DialogPlayer player;
        player.setNameResolver(designerControl);
        player.setOnEnded([&shown](ui::Dialog& dialog) {
            auto* page = reinterpret_cast<Ork_DlgDesignerData*>(dialog.getUserData());
            if (dialog.templateId() == IDD_DESIGNER && page)
                copyPage(*page, shown);
        });
        player.driveModal(IDD_DESIGNER, steps, [&](const ui::Canvas& picture) {
            std::u16string error;
            if (!o.png.empty() && !ui::writePngFile(o.png, picture, error))
                pictureError = o.png + " (" + utf8(error) + ")";
        });
        returned = StartDlgDesigner(path);
        player.finish();
        requests = player.requests();
        failure = player.failureText();
        ending = player.endResult();
    }
    const char* ended = !ending ? "not shown" : *ending == ui::IDOK ? "OK" : "Cancel";

    const Ork_String shownPath =
        shown.page.name.isEmpty() ? path : Ork_DlgDesignerData::getDesignerRootFolder() + shown.page.name + u".txt";
    shown.page.sortAllControls();   // the order a macro page gives its controls
    Ork_StringArray names;
    shown.page.getAllCtrlNames(names);
    if (o.asJson) {
        std::fprintf(out, "{\"ended\": %s, \"returned\": %s, \"asked\": [", jsonText(ended).c_str(),
                     returned ? "true" : "false");
        for (std::size_t i = 0; i < requests.size(); ++i)
            std::fprintf(out, "%s%s", i ? ", " : "", jsonText(utf8(requests[i])).c_str());
        std::fprintf(out, "],\n \"page\": ");
        printPage(shown.page, shownPath, names, true, true, out);
        std::fprintf(out, "}\n");
    } else {
        printPage(shown.page, shownPath, names, true, false, out);
        std::fprintf(out, "\ndesigner: %s (StartDlgDesigner returned %s)\n", ended, returned ? "true" : "false");
        for (const std::u16string& request : requests)
            std::fprintf(out, "asked: %s\n", utf8(request).c_str());
    }
    if (pictureError) {
        std::fprintf(err, "ss design edit: cannot write the picture %s\n", pictureError->c_str());
        return kExitCannotWrite;
    }
    if (!failure.empty()) {
        std::fprintf(err, "ss design edit: %s\n", failure.c_str());
        return kExitStepFailed;
    }
    return kExitOk;
}

} // namespace sscmd
