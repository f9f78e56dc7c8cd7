// The page in the designer: the mouse and the selection's picture go to the tracker, and the property boxes
// (type, contents, extra) show and edit the only selected control.
#include "designer/Ork_DlgDesignerData.h"

#include "designer/CControlRect.h"
#include "designer/CControlTracker.h"
#include "nuvo/hostTexts.h"
#include "ui/ComboBox.h"
#include "ui/Window.h"

#include <initializer_list>

namespace {

// Resets `updatingProps` however the filling ends, so a box's own notifications are ignored only meanwhile.
class UpdatingProps {
public:
    explicit UpdatingProps(bool& flag) : m_flag(flag) { m_flag = true; }
    ~UpdatingProps() { m_flag = false; }
    UpdatingProps(const UpdatingProps&) = delete;
    UpdatingProps& operator=(const UpdatingProps&) = delete;

private:
    bool& m_flag;
};

void showBox(ui::Window* box, const Ork_String& text, bool enabled) {
    box->setWindowText(text);
    box->enableWindow(enabled);
}

} // namespace

void Ork_DlgDesignerData::OnPaint(ui::Canvas& dc) const {
    if (tracker && getDlgPtr())
        tracker->OnPaint(dc, ui::Rect{0, 0, dc.width(), dc.height()});
}

void Ork_DlgDesignerData::OnLButtonDown(unsigned flags, ui::Point point) {
    if (tracker && getDlgPtr())
        tracker->OnLButtonDown(flags, point, true);
}

bool Ork_DlgDesignerData::OnSetCursor(unsigned hit, unsigned message) const {
    return tracker && getDlgPtr() && tracker->OnSetCursor(hit, message);
}

void Ork_DlgDesignerData::updatePropsOfCurSel() {
    if (!tracker)
        return;
    UpdatingProps updating(updatingProps);
    if (!designMode)
        return;
    const int current = getCurSel();
    updateProps(current);
    if (current >= 0)
        selectCtrls({controls[current].resourceId});
}

void Ork_DlgDesignerData::updateProps(int index) {
    ui::Window* dlg = getDlgPtr();
    if (!designMode || !dlg)
        return;
    auto* types = dynamic_cast<ui::ComboBox*>(dlg->getDlgItem(typeComboId));
    ui::Window* contentsLabel = dlg->getDlgItem(contentsLabelId);
    ui::Window* contents = dlg->getDlgItem(contentsEditId);
    ui::Window* extraLabel = dlg->getDlgItem(extraLabelId);
    ui::Window* extra = dlg->getDlgItem(extraEditId);
    if (!types || !contents || !extra || !contentsLabel || !extraLabel)
        return;
    const Ork_DesignerControl* c = controls.get(index);
    if (!c) {
        types->setCurSel(-1);
        types->enableWindow(false);
        for (ui::Window* box : {contentsLabel, contents, extraLabel, extra})
            showBox(box, u"", false);
        return;
    }
    // A type this designer does not know (read from a file) shows no entry and no labels.
    const bool known = isKnownControlType(c->type);
    types->setCurSel(known ? static_cast<int>(c->type) : -1);
    types->enableWindow(true);
    const int contentsText = known ? contentsLabelTextId(c->type) : 0;
    showBox(contentsLabel, contentsText != 0 ? dialString(contentsText) : Ork_String(), true);
    showBox(contents, c->contents, true);
    const Ork_String extraText = known ? extraLabelText(c->type) : Ork_String();
    if (!extraText.isEmpty()) {
        showBox(extraLabel, extraText, true);
        showBox(extra, c->getMergedExtComboList(), true);
    } else {
        showBox(extraLabel, u"", false);
        showBox(extra, u"", false);
    }
}

void Ork_DlgDesignerData::readProps(int index) {
    ui::Window* dlg = getDlgPtr();
    Ork_DesignerControl* c = controls.get(index);
    if (!designMode || !dlg || !c)
        return;
    // While the type box shows no entry (a type it does not list) the control keeps its type.
    if (const auto* types = dynamic_cast<const ui::ComboBox*>(dlg->getDlgItem(typeComboId))) {
        const int selected = types->getCurSel();
        if (isKnownControlType(selected))
            c->type = static_cast<Ork_ControlType>(selected);
    }
    if (const ui::Window* contents = dlg->getDlgItem(contentsEditId))
        c->contents = Ork_String(contents->getWindowText());
    if (const ui::Window* extra = dlg->getDlgItem(extraEditId))
        c->setSplitExtComboList(Ork_String(extra->getWindowText()));
}

void Ork_DlgDesignerData::propsOfCurSelUpdated() {
    if (!tracker || updatingProps || !designMode)
        return;
    const int current = getCurSel();
    if (current < 0)
        return;
    const Ork_ControlType oldType = controls[current].type;
    const Ork_String oldContents = controls[current].contents;
    readProps(current);
    const Ork_DesignerControl& c = controls[current];
    if (c.contents != oldContents) {
        int index = -1;
        CControlRect* drawn = nullptr;
        if (findDrawnCtrlFromResource(c.resourceId, index, drawn)) {
            drawn->window()->setWindowText(c.contents);
            drawn->window()->invalidate();
        }
    }
    if (c.type != oldType) {
        // Another type may need another window class and style: the windows are made again.
        const int id = c.resourceId;
        getSizeFromAllControls();
        redrawAllControls();
        selectCtrls({id});
    }
}
