// ss design run: a designed page placed in run mode on a dialog of its picture's size, its values set,
// a script of user steps played on it, and what it shows afterwards.
#include "cmdDesign.h"

#include "dialogPlayer.h"
#include "dialogScript.h"
#include "exitCodes.h"
#include "inputFile.h"
#include "scriptSteps.h"
#include "jsonText.h"

#include "designer/Ork_DlgDesignerData.h"
#include "os/utf16.h"
#include "ui/Dialog.h"
#include "ui/Msg.h"
#include "ui/paint/WindowPainter.h"

#include <algorithm>
#include <cstdlib>

namespace sscmd {

namespace {

// The dialog a macro tab stands for: Tab goes to the page first; leaving it wraps round to its other end.
class DesignRunDialog : public ui::Dialog {
public:
    Ork_DlgDesignerData* page = nullptr;

    bool preTranslateMessage(const ui::Msg& msg) override {
        Ork_TabMsgHandle result = tmNotHandled;
        if (page && page->handleTabKey(msg, result)) {
            if (result == tmLeaveForward)
                page->setFocusToCtrl(true);
            else if (result == tmLeaveBackward)
                page->setFocusToCtrl(false);
            return true;
        }
        return ui::Dialog::preTranslateMessage(msg);
    }
};

// The control that binds to `contents`: the first input of those contents, else the first label or frame
// (a label often shows the name of the cell beside it).
const Ork_DesignerControl* byContents(const Ork_DlgDesignerData& page, std::u16string_view contents) {
    const Ork_DesignerControl* label = nullptr;
    for (const Ork_DesignerControl& c : page.controls) {
        if (c.contents != contents || c.resourceId == 0)
            continue;
        if (c.type != ctLabel && c.type != ctGroupBox)
            return &c;
        if (!label)
            label = &c;
    }
    return label;
}

} // namespace

int runDesignPage(Ork_DlgDesignerData& page, const DesignRunOptions& o, std::FILE* out, std::FILE* err) {
    std::vector<ssdialog::Step> steps;
    if (auto failed = readScriptSteps("ss design run", o.script, std::nullopt, steps, err))
        return *failed;
    // A dialog as large as the picture, or as the controls reach without one.
    int width = page.imageWidth, height = page.imageHeight;
    if (width <= 0 || height <= 0) {
        for (const Ork_DesignerControl& c : page.controls) {
            const ui::Rect r = page.pixelRect(c);
            width = std::max(width, r.right);
            height = std::max(height, r.bottom);
        }
    }
    Ork_DlgDesignerData::dialogScale = o.scale;
    ui::DialogTemplate t;
    t.caption = page.name;
    t.size = {std::clamp(width, 1, ui::Canvas::kMaxSide - 40), std::clamp(height, 1, ui::Canvas::kMaxSide - 40)};
    DesignRunDialog dialog;
    if (!dialog.createIndirect(t, nullptr, ui::Dialog::Show::Visible)) {
        std::fprintf(err, "ss design run: the dialog cannot be created\n");
        return kExitStepFailed;
    }
    dialog.page = &page;
    page.initialize(&dialog, Ork_DlgDesignerData::kFirstCtrlId, Ork_DlgDesignerData::kLastCtrlId, 0, 0, 0, 0, 0, false);
    page.redrawAllControls();
    for (const auto& [contents, value] : o.values) {
        const Ork_DesignerControl* c = byContents(page, os::toUtf16(contents));
        if (!c) {
            std::fprintf(err, "ss design run: --set %s: no control of the design has these contents\n", contents.c_str());
            page.removeAllDrawnCtrls();
            return kExitUsage;
        }
        page.setCtrlValue(c->resourceId, Ork_String(os::toUtf16(value)));
    }
    page.setFocusToCtrl(true);

    DialogPlayer player(o.pngPrefix);
    player.setNameResolver([&page](ui::Window& dlg, std::u16string_view name) -> ui::Window* {
        const Ork_DesignerControl* c = byContents(page, name);
        return c ? dlg.getDlgItem(c->resourceId) : nullptr;
    });
    const bool played = steps.empty() || player.play(dialog, steps);
    int code = played ? kExitOk : kExitStepFailed;
    if (!played)
        std::fprintf(err, "ss design run: %s\n", player.failureText().c_str());

    int focused = 0;
    page.getFocusedDynControl(focused);
    if (o.asJson)
        std::fprintf(out, "{\"name\": %s, \"size\": [%d, %d], \"focus\": %d, \"controls\": [",
                     jsonText(page.name.utf8()).c_str(), t.size.cx, t.size.cy, focused);
    else
        std::fprintf(out, "design %s in run mode, %d x %d\n", page.name.utf8().c_str(), t.size.cx, t.size.cy);
    bool firstRow = true;
    for (const Ork_DesignerControl& c : page.controls) {
        Ork_String value;
        page.getCtrlValue(c.resourceId, value);
        const ui::Window* w = c.resourceId ? dialog.getDlgItem(c.resourceId) : nullptr;
        const bool enabled = w && w->isWindowEnabled();
        if (o.asJson) {
            std::fprintf(out, "%s\n  {\"id\": %d, \"contents\": %s, \"value\": %s, \"enabled\": %s, \"tabOrder\": %d}",
                         firstRow ? "" : ",", c.resourceId, jsonText(c.contents.utf8()).c_str(),
                         jsonText(value.utf8()).c_str(), enabled ? "true" : "false", c.tabOrder);
        } else {
            std::fprintf(out, "  #%d %-20s = %s%s%s\n", c.resourceId, jsonText(c.contents.utf8()).c_str(),
                         jsonText(value.utf8()).c_str(), enabled ? "" : " (disabled)",
                         c.resourceId != 0 && c.resourceId == focused ? " (focus)" : "");
        }
        firstRow = false;
    }
    if (o.asJson)
        std::fprintf(out, "]}\n");
    if (player.pictureError()) {
        // The picture's failure is what the run reports, as ss dialog does: the step stopped only for it.
        std::fprintf(err, "ss design run: the picture %s cannot be written\n", player.pictureError()->c_str());
        code = kExitCannotWrite;
    }
    if (!o.png.empty()) {
        std::u16string error;
        if (!ui::writeWindowPng(dialog, o.png, error)) {
            std::fprintf(err, "ss design run: the picture %s cannot be written: %s\n", o.png.c_str(),
                         os::toUtf8(error).c_str());
            code = code == kExitOk ? kExitCannotWrite : code;
        }
    }
    page.removeAllDrawnCtrls();
    dialog.destroyWindow();
    return code;
}

} // namespace sscmd
