#include "ui/Dialog.h"

#include "ui/Button.h"
#include "ui/Desktop.h"
#include "ui/Resources.h"
#include "ui/Services.h"
#include "ui/WindowClasses.h"
#include "ui/textUtil.h"

#include <algorithm>
#include <map>

namespace ui {

namespace {

std::map<int, int>& promptDialogs() {
    static std::map<int, int>* m = new std::map<int, int>;
    return *m;
}

std::u16string idText(int id) { return numberText(id); }

} // namespace

void registerPromptDialog(int templateId, int editId) { promptDialogs()[templateId] = editId; }

bool isPromptDialog(int templateId, int* editId) {
    auto it = promptDialogs().find(templateId);
    if (it == promptDialogs().end()) return false;
    if (editId) *editId = it->second;
    return true;
}

Dialog::Dialog(int templateId, Window* parent) : m_templateId(templateId), m_parentForModal(parent) {}

Dialog::~Dialog() = default;

bool Dialog::build(const DialogTemplate& tmpl, Window* parent, bool modal) {
    m_ended = false;
    m_result = 0;
    m_modal = modal;
    std::uint32_t style = tmpl.style & ~WS_VISIBLE;
    if (modal) style &= ~WS_CHILD;
    std::uint32_t exStyle = tmpl.exStyle;
    const bool child = (style & WS_CHILD) != 0;
    if (child || (style & DS_CONTROL)) exStyle |= WS_EX_CONTROLPARENT;  // a page: Tab walks into it

    // The window size is the template's client size plus the frame; a top-level dialog is centred on its owner
    // (or the screen), so positions are the same on every machine.
    Insets in{};
    if ((style & WS_CAPTION) == WS_CAPTION) in = Metrics::kCaptionFrame;
    const int cx = tmpl.size.cx + in.left + in.right;
    const int cy = tmpl.size.cy + in.top + in.bottom;
    Rect rect = Rect::fromSize(0, 0, cx, cy);
    if (!child) {
        Rect around = ui::isWindow(parent) ? parent->getWindowRect()
                                       : Rect{0, 0, Metrics::kScreenWidth, Metrics::kScreenHeight};
        rect = Rect::fromSize(around.left + (around.width() - cx) / 2, around.top + (around.height() - cy) / 2, cx, cy);
    }
    if (!createEx(exStyle, u"#32770", tmpl.caption, style, rect, parent, child ? tmpl.id : 0)) {
        Desktop::log(u"dialog " + idText(tmpl.id) + u": the window could not be created");
        return false;
    }
    setFont(tmpl.font, false);
    for (const ControlTemplate& ct : tmpl.controls) {
        std::unique_ptr<Window> control = WindowClasses::make(ct.className);
        if (!control) {
            Desktop::log(u"dialog " + idText(tmpl.id) + u": unknown control class " + ct.className);
            destroyTree(true);
            return false;
        }
        if (!control->createEx(ct.exStyle, ct.className, ct.text, ct.style | WS_CHILD, ct.rect, this, ct.id)) {
            Desktop::log(u"dialog " + idText(tmpl.id) + u": control " + idText(ct.id) + u" could not be created");
            if (isWindow()) destroyTree(true);
            return false;
        }
        control->setAutoDelete(true);
        control.release();
    }
    if (!isWindow()) return false;
    if (sendMessage(WM_INITDIALOG) != 0 && !m_ended && isWindow()) {
        std::vector<Window*> stops = tabStops();
        if (!stops.empty()) gotoDlgCtrl(stops.front());
    }
    return isWindow();
}

int Dialog::runModal(const DialogTemplate& tmpl) {
    Desktop::DispatchScope scope;
    Window* previousFocus = Desktop::getFocus();
    Window* owner = ui::isWindow(m_parentForModal) ? m_parentForModal->getTopLevelParent() : nullptr;
    if (!build(tmpl, m_parentForModal, true)) {
        m_modal = false;
        return -1;
    }
    // The owner takes no input while the dialog runs, as on the platform.
    const bool ownerWasEnabled = owner && owner->isWindowEnabled();
    if (ownerWasEnabled) owner->enableWindow(false);
    if (!m_ended && isWindow()) {
        showWindow(SW_SHOW);
        if (!Services::runModal(*this)) {
            Desktop::log(u"modal dialog " + idText(tmpl.id) + u": nobody answers it; ended with IDCANCEL");
        } else if (!m_ended && isWindow()) {
            Desktop::log(u"modal dialog " + idText(tmpl.id) + u": its handler did not end it; ended with IDCANCEL");
        }
        if (!m_ended) {
            m_ended = true;
            m_result = IDCANCEL;
        }
    }
    const int result = m_result;
    if (ownerWasEnabled && ui::isWindow(owner)) owner->enableWindow(true);
    // A modal dialog always goes away (injected destruction failures are for modeless windows).
    if (isWindow()) destroyTree(true);
    m_modal = false;
    if (ui::isWindow(previousFocus) && previousFocus->isWindowVisible()) previousFocus->setFocus();
    return result;
}

int Dialog::doModal() {
    const DialogTemplate* tmpl = Resources::findDialog(m_templateId);
    if (!tmpl) {
        Desktop::log(u"modal dialog " + idText(m_templateId) + u": no such template");
        return -1;
    }
    DialogTemplate copy = *tmpl;  // the resource may change while the dialog runs
    return runModal(copy);
}

int Dialog::doModalIndirect(const DialogTemplate& tmpl) {
    m_templateId = tmpl.id;
    DialogTemplate copy = tmpl;
    return runModal(copy);
}

bool Dialog::create(int templateId, Window* parent, Show show) {
    const DialogTemplate* tmpl = Resources::findDialog(templateId);
    if (!tmpl) {
        Desktop::log(u"dialog " + idText(templateId) + u": no such template");
        return false;
    }
    DialogTemplate copy = *tmpl;
    return createIndirect(copy, parent, show);
}

bool Dialog::createIndirect(const DialogTemplate& tmpl, Window* parent, Show show) {
    if (isWindow()) return false;
    m_templateId = tmpl.id;
    Desktop::DispatchScope scope;
    if (!build(tmpl, parent, false)) return false;
    bool visible = show == Show::FromTemplate ? tmpl.visible() : show == Show::Visible;
    if (visible && !m_ended) showWindow(isChildWindow() ? SW_SHOWNA : SW_SHOW);
    return isWindow();
}

bool Dialog::endDialog(int result) {
    if (!isWindow()) return false;
    m_result = result;
    m_ended = true;
    showWindow(SW_HIDE);
    return true;
}

void Dialog::setDefID(int id) {
    m_defId = id;
    for (Window* c : children()) {
        auto* b = dynamic_cast<Button*>(c);
        if (!b || !b->isPushButton()) continue;
        b->setButtonStyle(c->getDlgCtrlID() == id ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    }
}

int Dialog::getDefID() const {
    if (m_defId != 0) return m_defId;
    for (Window* c : children()) {
        auto* b = dynamic_cast<Button*>(c);
        if (b && b->buttonType() == BS_DEFPUSHBUTTON) return c->getDlgCtrlID();
    }
    return IDOK;
}

namespace {
void collectTabStops(Window* parent, std::vector<Window*>& out) {
    for (Window* c : parent->children()) {
        if ((c->getStyle() & WS_VISIBLE) == 0 || !c->isWindowEnabled()) continue;
        if (c->getExStyle() & WS_EX_CONTROLPARENT)
            collectTabStops(c, out);
        else if (c->getStyle() & WS_TABSTOP)
            out.push_back(c);
    }
}
} // namespace

std::vector<Window*> Dialog::tabStops() {
    std::vector<Window*> out;
    collectTabStops(this, out);
    return out;
}

Window* Dialog::getNextDlgTabItem(Window* from, bool previous) {
    std::vector<Window*> stops = tabStops();
    if (stops.empty()) return nullptr;
    auto it = std::find(stops.begin(), stops.end(), from);
    const int n = static_cast<int>(stops.size());
    if (it == stops.end()) return previous ? stops.back() : stops.front();
    int i = static_cast<int>(it - stops.begin());
    return stops[static_cast<size_t>(((previous ? i - 1 : i + 1) + n) % n)];
}

void Dialog::gotoDlgCtrl(Window* control) {
    if (!ui::isWindow(control)) return;
    // Entering an edit by the keyboard selects its whole text.
    if (control->getDlgCode(nullptr) & DLGC_HASSETSEL) control->sendMessage(EM_SETSEL, 0, -1);
    control->setFocus();
}

void Dialog::nextDlgCtrl() { gotoDlgCtrl(getNextDlgTabItem(Desktop::getFocus(), false)); }
void Dialog::prevDlgCtrl() { gotoDlgCtrl(getNextDlgTabItem(Desktop::getFocus(), true)); }

bool Dialog::isDialogMessage(const Msg& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    Window* target = msg.window;
    const unsigned code = ui::isWindow(target) ? target->getDlgCode(&msg) : 0;
    switch (msg.wParam) {
    case VK_TAB: {
        if (code & DLGC_WANTTAB) return false;
        Window* next = getNextDlgTabItem(target, Desktop::isKeyDown(VK_SHIFT));
        if (next && next != target) gotoDlgCtrl(next);
        return true;
    }
    case VK_RETURN: {
        if (code & DLGC_WANTALLKEYS) return false;
        // A focused push button is the default one while it has the focus.
        auto* focusedButton = dynamic_cast<Button*>(target);
        if (focusedButton && focusedButton->isPushButton() && isChild(focusedButton)) {
            if (focusedButton->isWindowEnabled()) focusedButton->click();
            return true;
        }
        const int id = getDefID();
        Window* button = findDescendant(id);
        if (button && !button->isWindowEnabled()) return true;
        sendMessage(WM_COMMAND, makeWParam(static_cast<unsigned>(id), BN_CLICKED), reinterpret_cast<LPARAM>(button));
        return true;
    }
    case VK_ESCAPE: {
        if ((code & DLGC_WANTALLKEYS) && !(code & DLGC_HASSETSEL)) return false;
        Window* cancel = findDescendant(IDCANCEL);
        if (cancel && !cancel->isWindowEnabled()) return true;
        sendMessage(WM_COMMAND, makeWParam(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
        return true;
    }
    default:
        return false;
    }
}

void Dialog::onClose() { sendMessage(WM_COMMAND, makeWParam(IDCANCEL, BN_CLICKED), 0); }

bool Dialog::onCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    if (id == IDOK) {
        onOK();
        return true;
    }
    if (id == IDCANCEL) {
        onCancel();
        return true;
    }
    return false;
}

LRESULT Dialog::windowProc(unsigned msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) return onInitDialog() ? 1 : 0;
    return Window::windowProc(msg, wParam, lParam);
}

LRESULT Dialog::defWindowProc(unsigned msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case DM_GETDEFID:
        return makeLParam(getDefID(), DC_HASDEFID);
    case DM_SETDEFID:
        setDefID(static_cast<int>(wParam));
        return 1;
    default:
        return Window::defWindowProc(msg, wParam, lParam);
    }
}

} // namespace ui
