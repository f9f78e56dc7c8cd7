// The page's flex buttons: push-like icon check buttons (type 30) grouped by their first extra part.
#include "designer/Ork_DlgDesignerData.h"

#include "designer/CControlRect.h"
#include "nuvo/controlHelpers.h"
#include "resources/resourceIds.h"
#include "ui/Button.h"
#include "ui/Resources.h"

bool Ork_DlgDesignerData::getFlexBtnsInGroup(const Ork_String& group, Ork_Array<int>& all,
                                             Ork_Array<int>& withPart3) const {
    all.removeAll();
    withPart3.removeAll();
    if (group.isEmpty())
        return true;
    for (int i = 0; i < controls.length(); ++i) {
        const Ork_DesignerControl& c = controls[i];
        if (c.type != ctFlexButton || !c.flexGroup.equal(group, false))
            continue;
        all.append(i);
        if (!c.flexPart3.isEmpty())
            withPart3.append(i);
    }
    return true;
}

void Ork_DlgDesignerData::getFlexBtnsGroups(Ork_StringArray& groups) const {
    groups.removeAll();
    for (const Ork_DesignerControl& c : controls)
        if (c.type == ctFlexButton && !groups.contains(c.flexGroup, true))
            groups.append(c.flexGroup);
}

bool Ork_DlgDesignerData::findFlexButton(const Ork_String& group, const Ork_String& entry, int& index) const {
    for (int i = 0; i < controls.length(); ++i) {
        const Ork_DesignerControl& c = controls[i];
        if (c.type == ctFlexButton && c.flexGroup.equal(group, false) && c.contents.equal(entry, false)) {
            index = i;
            return true;
        }
    }
    return false;
}

bool Ork_DlgDesignerData::getAllFlexVarsOfGroup(const Ork_String& group, Ork_StringArray& names) const {
    names.removeAll();
    for (const Ork_DesignerControl& c : controls)
        if (c.type == ctFlexButton && c.flexGroup.equal(group, false))
            names.append(c.contents);
    return true;
}

bool Ork_DlgDesignerData::getFlexBtnGroupName(int id, Ork_String& group, Ork_String& entry) const {
    int index = -1;
    if (!findCtrlFromResource(id, index) || controls[index].type != ctFlexButton)
        return false;
    group = controls[index].flexGroup;
    entry = controls[index].contents;
    return true;
}

bool Ork_DlgDesignerData::getSetFlexBtnStatus(bool set, int index, int& status) {
    const Ork_DesignerControl* c = controls.get(index);
    ui::Window* dlg = getDlgPtr();
    if (!c || !dlg || c->type != ctFlexButton || c->resourceId == 0)
        return false;
    auto* button = dynamic_cast<ui::Button*>(dlg->getDlgItem(c->resourceId));
    if (!button)
        return false;
    if (set) {
        if (status == ui::BST_INDETERMINATE)
            status = ui::BST_UNCHECKED;
        button->setCheck(status);
    } else {
        status = button->getCheck();
    }
    return true;
}

bool Ork_DlgDesignerData::getFlexBtnStatus(int index, int& status) { return getSetFlexBtnStatus(false, index, status); }

bool Ork_DlgDesignerData::setFlexBtnStatus(const Ork_String& group, const Ork_String& entry, int status) {
    int index = -1;
    return findFlexButton(group, entry, index) && getSetFlexBtnStatus(true, index, status);
}

bool Ork_DlgDesignerData::hideAllFlexBtns(const Ork_String& group) {
    ui::Window* dlg = getDlgPtr();
    for (const Ork_DesignerControl& c : controls)
        if (c.type == ctFlexButton && c.flexGroup.equal(group, false) && c.resourceId != 0)
            ShowOrHideCtrl(dlg, c.resourceId, false);
    return true;
}

bool Ork_DlgDesignerData::setBtnIcon(const Ork_DesignerControl& control, const ui::Image& /*icon*/) {
    ui::Window* dlg = getDlgPtr();
    if (!dlg || controlClassOf(control.type) != Ork_ControlClass::Button || control.resourceId == 0)
        return false;
    auto* button = dynamic_cast<ui::Button*>(dlg->getDlgItem(control.resourceId));
    if (!button)
        return false;
    // One icon for every flex button of the page, for as long as the page lives.
    if (flexIcon.isNull())
        flexIcon = ui::Resources::loadIcon(IDI_FLEX);
    button->setIcon(flexIcon);
    return true;
}
