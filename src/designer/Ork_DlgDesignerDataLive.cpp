// The page on a live dialog: one window per control, their values as text, and the keyboard order.
#include "designer/Ork_DlgDesignerData.h"

#include "designer/CControlRect.h"
#include "designer/CControlTracker.h"
#include "nuvo/controlHelpers.h"
#include "nuvo/hostTexts.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/Edit.h"
#include "ui/Msg.h"
#include "ui/paint/WindowPainter.h"
#include "ui/paint/masks.h"
#include "ui/Window.h"

#include <cmath>

double Ork_DlgDesignerData::dialogScale = 1.0;

namespace {

constexpr int kMinComboHeight = 200;   // run mode: the height includes the drop-down list
constexpr int kMaxGrownEditHeight = 36;

std::uint32_t styleOf(int type, Ork_ControlClass cls, std::uint32_t& exStyle) {
    std::uint32_t style = ui::WS_CHILD | ui::WS_VISIBLE;
    exStyle = 0;
    switch (cls) {
    case Ork_ControlClass::Edit:
        exStyle = ui::WS_EX_CLIENTEDGE;
        style |= isMultiLineType(type) ? ui::ES_MULTILINE : ui::ES_AUTOHSCROLL;
        break;
    case Ork_ControlClass::ComboBox:
        style |= ui::WS_VSCROLL;
        style |= isEditableComboType(type) ? ui::CBS_DROPDOWN | ui::CBS_AUTOHSCROLL : ui::CBS_DROPDOWNLIST;
        break;
    case Ork_ControlClass::Button:
        if (type == ctGroupBox)
            style |= ui::BS_GROUPBOX;
        else if (type == ctFlexButton)
            style |= ui::BS_AUTOCHECKBOX | ui::BS_ICON | ui::BS_PUSHLIKE | ui::BS_VCENTER;
        break;
    case Ork_ControlClass::Static:
        break;
    }
    return style;
}

bool isUsable(const ui::Window* w) { return w && w->isWindowEnabled() && w->isWindowVisible(); }

} // namespace

bool Ork_DlgDesignerData::initialize(ui::Window* dlg, int first, int last, int typeCombo, int contentsLabel,
                                     int contentsEdit, int extraLabel, int extraEdit, bool design) {
    if (!dlg)
        return false;
    if (dlg != dialog)
        releaseDialog();
    dialog = dlg;
    // The dialog draws the page's picture as its background, under the controls; in the designer the
    // selection's frames and handles on it.
    ui::PaintFunction paintSelection;
    if (design)
        paintSelection = [this](ui::Canvas& c, const ui::Window&, const ui::Rect& client) {
            if (tracker)
                tracker->OnPaint(c, client);
        };
    ui::WindowPainter::setWindowSteps(
        dlg, [this](ui::Canvas& c, const ui::Window&, const ui::Rect& client) { drawBackground(c, client); },
        paintSelection);
    firstId = first;
    lastId = last;
    designMode = design;
    initialized = true;
    if (design) {
        if (!tracker)
            tracker = new CControlTracker(dlg);
        tracker->parent = dlg;
        typeComboId = typeCombo;
        contentsLabelId = contentsLabel;
        contentsEditId = contentsEdit;
        extraLabelId = extraLabel;
        extraEditId = extraEdit;
        if (ui::Window* types = typeCombo != 0 ? dlg->getDlgItem(typeCombo) : nullptr) {
            Ork_StringArray names;
            for (int type = 0; type < kNrControlTypes; ++type)
                names.append(controlTypeText(type));
            FillCombo(types, names);
        }
        updatePropsOfCurSel();
    }
    return true;
}

bool Ork_DlgDesignerData::drawControl(Ork_DesignerControl& control) {
    ui::Window* dlg = getDlgPtr();
    if (!dlg)
        return false;
    ui::Rect rect = pixelRect(control);
    const Ork_ControlClass cls = controlClassOf(control.type);
    if (!designMode) {
        if (cls == Ork_ControlClass::ComboBox && rect.height() < kMinComboHeight)
            rect.bottom = rect.top + kMinComboHeight;
        if (isMultiLineType(control.type)) {
            // A larger dialog font needs a taller box for the count's two lines, up to a limit.
            const int h = rect.height();
            const double e = 18 * dialogScale - 18;
            const double grown = e > 0 ? std::ceil(h + e / 1.6) : std::ceil(static_cast<double>(h));
            if (grown < kMaxGrownEditHeight && grown > h)
                rect.bottom = rect.top + static_cast<int>(grown);
        }
    }
    std::uint32_t exStyle = 0;
    const std::uint32_t style = styleOf(control.type, cls, exStyle);
    auto* drawn = new CControlRect;
    drawn->rect = rect;
    if (!drawn->createWindow(exStyle, controlClassName(cls), control.contents, style, rect, dlg, control.resourceId)) {
        delete drawn;
        return false;
    }
    ui::Window* window = drawn->window();
    window->setFont(dlg->getFont(), false);
    if (control.readOnly || (designMode && cls != Ork_ControlClass::Static))
        window->enableWindow(false);
    drawnCtrls.push_back(drawn);
    if (tracker) {
        tracker->addRect(drawn);
        window->setWindowPos(ui::Window::wndTop, 0, 0, 0, 0, ui::SWP_NOMOVE | ui::SWP_NOSIZE);
    }
    if (cls == Ork_ControlClass::ComboBox)
        FillDesCombo(dlg, control);
    if (control.type == ctCutCombo)
        setComboValue(&control, control.contents);
    else if (control.type == ctCellCheck)
        setCheckValue(&control, control.extra);
    else if (control.type == ctFlexButton)
        setBtnIcon(control, flexIcon);
    return true;
}

void Ork_DlgDesignerData::redrawAllControls() {
    if (!getDlgPtr())
        return;
    if (!designMode)
        sortAllControls();
    else if (tracker)
        tracker->clearSelection();
    removeAllDrawnCtrls();
    for (Ork_DesignerControl& c : controls)
        drawControl(c);
}

void Ork_DlgDesignerData::removeAllDrawnCtrls() {
    // Every window the page made, whatever its identifier (0 beyond the hundredth control): a redraw never
    // leaves an old window behind, and drawnCtrls starts again parallel to the controls.
    if (tracker)
        tracker->removeAllRects();
    std::vector<CControlRect*> drawn;
    drawn.swap(drawnCtrls);
    for (CControlRect* rect : drawn)
        delete rect;
}

bool Ork_DlgDesignerData::removeDrawnCtrlOnly(int id) {
    int index = -1;
    CControlRect* rect = nullptr;
    if (!findDrawnCtrlFromResource(id, index, rect))
        return false;
    if (tracker)
        tracker->removeRect(rect);
    drawnCtrls.erase(drawnCtrls.begin() + index);
    delete rect;
    return true;
}

bool Ork_DlgDesignerData::findDrawnCtrlFromResource(int id, int& index, CControlRect*& rect) const {
    for (std::size_t i = 0; i < drawnCtrls.size(); ++i)
        if (drawnCtrls[i]->window() && drawnCtrls[i]->id() == id) {
            index = static_cast<int>(i);
            rect = drawnCtrls[i];
            return true;
        }
    return false;
}

bool Ork_DlgDesignerData::FillDesCombo(ui::Window* dlg, const Ork_DesignerControl& control) {
    auto* combo = dlg ? dynamic_cast<ui::ComboBox*>(dlg->getDlgItem(control.resourceId)) : nullptr;
    if (!combo || control.resourceId == 0)
        return false;
    Ork_StringArray items;
    if (control.type == ctCutCombo) {
        for (int text : {1395, 1396, 1397, 1398, 695})
            items.append(dialString(text));
    } else {
        items = control.comboItems;
        if (items.isEmpty())
            control.getComboItemsFromFile(items);
    }
    if (items.isEmpty())
        return true;
    FillCombo(combo, items);
    int selected = -1;
    for (int i = 0; i < combo->getCount() && selected < 0; ++i)
        if (combo->getLBText(i) == control.contents)
            selected = i;
    if (selected >= 0)
        combo->setCurSel(selected);
    else
        combo->setWindowText(control.contents);
    return true;
}

bool Ork_DlgDesignerData::getSetComboValue(bool set, const Ork_DesignerControl* control, Ork_String& value) const {
    ui::Window* dlg = getDlgPtr();
    if (!control || !dlg || control->type != ctCutCombo || control->resourceId == 0)
        return false;
    auto* combo = dynamic_cast<ui::ComboBox*>(dlg->getDlgItem(control->resourceId));
    if (!combo)
        return false;
    if (set)
        combo->setCurSel(value.toInt());
    else
        value = Ork_String(combo->getCurSel());
    return true;
}

bool Ork_DlgDesignerData::getComboValue(const Ork_DesignerControl* control, Ork_String& value) const {
    return getSetComboValue(false, control, value);
}

bool Ork_DlgDesignerData::setComboValue(const Ork_DesignerControl* control, const Ork_String& value) const {
    Ork_String text = value;
    return getSetComboValue(true, control, text);
}

bool Ork_DlgDesignerData::getSetCheckValue(bool set, const Ork_DesignerControl* control, Ork_String& value) const {
    ui::Window* dlg = getDlgPtr();
    if (!control || !dlg || (control->type != ctCellCheck && control->type != ctFlexButton) ||
        control->resourceId == 0)
        return false;
    auto* button = dynamic_cast<ui::Button*>(dlg->getDlgItem(control->resourceId));
    if (!button)
        return false;
    const Ork_String mixed = dialString(695);
    if (set) {
        if (value.equal(mixed, false)) {
            button->setButtonStyle(ui::BS_AUTO3STATE);
            button->setCheck(ui::BST_INDETERMINATE);
        } else {
            button->setButtonStyle(ui::BS_AUTOCHECKBOX);
            button->setCheck(value.toDouble() > 0 ? ui::BST_CHECKED : ui::BST_UNCHECKED);
        }
    } else {
        const int state = button->getCheck();
        value = state == ui::BST_INDETERMINATE ? mixed : Ork_String(state == ui::BST_CHECKED ? u"1" : u"0");
    }
    return true;
}

bool Ork_DlgDesignerData::getCheckValue(const Ork_DesignerControl* control, Ork_String& value) const {
    return getSetCheckValue(false, control, value);
}

bool Ork_DlgDesignerData::setCheckValue(const Ork_DesignerControl* control, const Ork_String& value) const {
    Ork_String text = value;
    return getSetCheckValue(true, control, text);
}

bool Ork_DlgDesignerData::getCtrlValue(int id, Ork_String& value) const {
    ui::Window* dlg = getDlgPtr();
    ui::Window* window = dlg && id != 0 ? dlg->getDlgItem(id) : nullptr;
    if (!window)
        return false;
    const Ork_DesignerControl* control = nullptr;
    for (const Ork_DesignerControl& c : controls)
        if (c.resourceId == id) {
            control = &c;
            break;
        }
    if (control && control->type == ctCellCheck)
        return getCheckValue(control, value);
    if (control && control->type == ctCutCombo)
        return getComboValue(control, value);
    value = Ork_String(window->getWindowText());
    return true;
}

bool Ork_DlgDesignerData::setCtrlValue(int id, const Ork_String& value) {
    ui::Window* dlg = getDlgPtr();
    ui::Window* window = dlg && id != 0 ? dlg->getDlgItem(id) : nullptr;
    const Ork_DesignerControl* control = getControlFromRes(id);
    if (!window || !control)
        return false;
    if (control->type == ctCalcButtonFactor || control->type == ctCalcButtonCell)
        return true;   // a calculation button's caption is its own
    if (control->type == ctCellCheck)
        return setCheckValue(control, value);
    if (control->type == ctCutCombo)
        return setComboValue(control, value);
    window->setWindowText(value);
    return true;
}

bool Ork_DlgDesignerData::setCtrlReadOnly(int id, bool readOnly) {
    ui::Window* dlg = getDlgPtr();
    const Ork_DesignerControl* control = id != 0 ? getControlFromRes(id) : nullptr;
    if (!dlg || !control || (control->type != ctCellEdit && control->type != ctCellCombo))
        return false;
    ui::Window* window = dlg->getDlgItem(id);
    if (!window)
        return false;
    if (window->isWindowEnabled() == readOnly)
        window->enableWindow(!readOnly);
    return true;
}

bool Ork_DlgDesignerData::isADynControl(int id) const {
    int index = -1;
    CControlRect* rect = nullptr;
    return id != 0 && findDrawnCtrlFromResource(id, index, rect);
}

bool Ork_DlgDesignerData::getDynControlType(int id, Ork_ControlType& type) const {
    int index = -1;
    if (!findCtrlFromResource(id, index))
        return false;
    type = controls[index].type;
    return true;
}

bool Ork_DlgDesignerData::getFocusedDynControl(int& id) const {
    id = 0;
    const ui::Window* focus = ui::Window::getFocus();
    if (!focus)
        return false;
    // The focus may sit in a part of a control (the edit field of a combo box): the page's window around it.
    for (const CControlRect* rect : drawnCtrls) {
        const ui::Window* w = rect->window();
        if (w && (w == focus || w->isChild(focus))) {
            id = w->getDlgCtrlID();
            return id != 0;
        }
    }
    id = focus->getDlgCtrlID();
    return false;
}

bool Ork_DlgDesignerData::containsEditableCtrls() const {
    for (const Ork_DesignerControl& c : controls)
        if (!c.readOnly)
            return true;
    return false;
}

bool Ork_DlgDesignerData::findCtrlWithTabOrder(int order, int& index) const {
    for (int i = 0; i < controls.length(); ++i)
        if (controls[i].tabOrder == order) {
            index = i;
            return true;
        }
    return false;
}

bool Ork_DlgDesignerData::handleTabKey(const ui::Msg& key, Ork_TabMsgHandle& result) {
    result = tmNotHandled;
    if (key.message != ui::WM_KEYDOWN || key.wParam != ui::VK_TAB || !getDlgPtr() || !containsEditableCtrls())
        return false;
    int id = 0;
    int index = -1;
    if (!getFocusedDynControl(id) || !findCtrlFromResource(id, index))
        return false;
    const bool backward = ui::isKeyDown(ui::VK_SHIFT);
    const int step = backward ? -1 : 1;
    const int highest = controls.length();
    // The next order whose window can take the focus; a gap or a disabled window is passed over.
    for (int order = controls[index].tabOrder + step; order >= 1 && order <= highest; order += step) {
        int next = -1;
        if (!findCtrlWithTabOrder(order, next))
            continue;
        const CControlRect* rect =
            static_cast<std::size_t>(next) < drawnCtrls.size() ? drawnCtrls[static_cast<std::size_t>(next)] : nullptr;
        if (!rect || !isUsable(rect->window()))
            continue;
        setFocusToCtrl(next);
        result = tmHandled;
        return true;
    }
    result = backward ? tmLeaveBackward : tmLeaveForward;
    return true;
}

bool Ork_DlgDesignerData::setFocusToCtrl(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= drawnCtrls.size())
        return false;
    ui::Window* window = drawnCtrls[static_cast<std::size_t>(index)]->window();
    if (!window)
        return false;
    window->setFocus();
    if (auto* edit = dynamic_cast<ui::Edit*>(window))
        edit->setSel(0, -1);   // selected whole, the caret scrolled into view
    return true;
}

bool Ork_DlgDesignerData::setFocusToCtrl(bool first) {
    if (!containsEditableCtrls())
        return false;
    int index = -1;
    if (first) {
        if (!findCtrlWithTabOrder(1, index))
            return false;
    } else {
        int best = 0;
        for (int i = 0; i < controls.length(); ++i)
            if (controls[i].tabOrder > best) {
                best = controls[i].tabOrder;
                index = i;
            }
    }
    if (index >= 0)
        setFocusToCtrl(index);
    return true;
}

int Ork_DlgDesignerData::OnEraseBkgnd(ui::Canvas& dc) const {
    drawBackground(dc, ui::Rect{0, 0, dc.width(), dc.height()});
    return 0;
}

void Ork_DlgDesignerData::drawBackground(ui::Canvas& dc, const ui::Rect& client) const {
    if (!getDlgPtr())
        return;
    if (designMode)
        dc.fillRect(client, ui::colors::buttonFace);
    if (!image.empty() && image.width() == mask.width() && image.height() == mask.height())
        ui::drawMasked(dc, client.left, client.top, image, mask);
}

void Ork_DlgDesignerData::releaseDialog() {
    if (dialog)
        ui::WindowPainter::setWindowSteps(dialog, nullptr, nullptr);
    dialog = nullptr;
    initialized = false;
}
