#include "frame/KvModelessDlgs.h"

#include "cadhost/CommandLine.h"
#include "cadhost/MainWindow.h"
#include "resources/resourceIds.h"
#include "macrodlg/CDlgMacro.h"
#include "macroedit/CDlgEditMacro.h"
#include "ui/Desktop.h"
#include "ui/Timers.h"

#include <algorithm>

namespace {

constexpr unsigned kDelayedCloseMs = 50;

// Deletion waits until no handler runs: the dialog being ended may be the one whose handler asked for it.
template <class T>
void destroyAndDelete(T* dialog, bool& destroyed) {
    destroyed = !dialog->isWindow() || dialog->destroyWindow();
    if (destroyed)
        ui::Desktop::deleteLater(dialog);
}

} // namespace

KvModelessDlgs& KvModelessDlgs::instance() {
    static KvModelessDlgs registry;
    return registry;
}

int KvModelessDlgs::reserveSlot() {
    int index = -1;
    for (int i = 0; i < slotCount(); ++i)
        if (!m_slots[static_cast<std::size_t>(i)])
            index = i;
    if (index < 0) {
        index = slotCount();
        m_slots.push_back(nullptr);
    }
    return index;
}

bool KvModelessDlgs::openMacroDlg(bool keepFocus, const MacroData& data, int& index) {
    index = reserveSlot();
    ui::Window* mainWnd = adsw_acadMainWnd();
    auto* dialog = new CDlgMacro(mainWnd);
    dialog->slotIndex = index;
    dialog->macro = data;
    if (!dialog->create(IDD_MACRO, mainWnd, ui::Dialog::Show::Visible)) {
        delete dialog;
        freeSlot(index);  // a slot appended for nothing goes again
        index = -1;
        return false;
    }
    place(index, dialog);
    if (!keepFocus)
        mainWnd->setFocus();
    return true;
}

void KvModelessDlgs::place(int index, CDlgMacro* dialog) {
    if (index >= 0 && index < slotCount())
        m_slots[static_cast<std::size_t>(index)] = dialog;
}

CDlgMacro* KvModelessDlgs::at(int index) const {
    return index >= 0 && index < slotCount() ? m_slots[static_cast<std::size_t>(index)] : nullptr;
}

bool KvModelessDlgs::endMacroDlg(int index) {
    CDlgMacro* dialog = at(index);
    if (!dialog)
        return false;
    if (dialog->isBusy()) {
        if (!hasPendingClose(dialog)) {
            const std::uintptr_t id =
                ui::Timers::setTimer(kDelayedCloseMs, [this](std::uintptr_t timerId) { onDelayedClose(timerId); });
            m_pending.push_back({id, index, dialog});
        }
        return true;
    }
    bool destroyed = false;
    destroyAndDelete(dialog, destroyed);
    if (!destroyed)
        return false;  // the slot keeps its dialog, which is still there
    cancelPendingCloses(dialog);
    freeSlot(index);
    acedPostCommandPrompt();
    return true;
}

void KvModelessDlgs::freeSlot(int index) {
    m_slots[static_cast<std::size_t>(index)] = nullptr;
    if (index == slotCount() - 1)
        while (!m_slots.empty() && !m_slots.back())
            m_slots.pop_back();
}

void KvModelessDlgs::endAllMacroDlgs() {
    for (int i = slotCount() - 1; i >= 0; --i)
        endMacroDlg(i);
}

void KvModelessDlgs::onDelayedClose(std::uintptr_t timerId) {
    acutPrintf(u"Delayed timer called.\n");
    const auto it = std::find_if(m_pending.begin(), m_pending.end(),
                                 [timerId](const DelayedClose& p) { return p.timerId == timerId; });
    if (it == m_pending.end())
        return;
    const DelayedClose close = *it;
    ui::Timers::killTimer(timerId);
    m_pending.erase(it);
    // The slot may have been freed and taken by another dialog since the timer started.
    if (at(close.index) == close.dialog)
        endMacroDlg(close.index);
}

bool KvModelessDlgs::hasPendingClose(const CDlgMacro* dialog) const {
    return std::any_of(m_pending.begin(), m_pending.end(),
                       [dialog](const DelayedClose& p) { return p.dialog == dialog; });
}

void KvModelessDlgs::cancelPendingCloses(const CDlgMacro* dialog) {
    std::erase_if(m_pending, [dialog](const DelayedClose& p) {
        if (p.dialog != dialog)
            return false;
        ui::Timers::killTimer(p.timerId);
        return true;
    });
}

CDlgEditMacro* KvModelessDlgs::newConstraintsEditor() {
    auto* editor = new CDlgEditMacro(adsw_acadMainWnd());
    editor->setModeless(true);
    editor->setConstraintsMode(true);
    return editor;
}

bool KvModelessDlgs::showConstraintsEditor(CDlgEditMacro* editor) {
    ui::Window* mainWnd = adsw_acadMainWnd();
    if (!editor->create(IDD_EDIT_MACRO, mainWnd, ui::Dialog::Show::Visible)) {
        // Keeping the pointer would make every later start believe the editor is open.
        delete editor;
        return false;
    }
    m_constraints = editor;
    mainWnd->setFocus();
    return true;
}

void KvModelessDlgs::endConstraintsEditor() {
    if (CDlgEditMacro* editor = m_constraints) {
        m_constraints = nullptr;
        if (editor->isWindow() && !editor->destroyWindow())
            acutPrintf(u"Erase window failed\n");
        // Deleted either way: deleting the object takes a window that refused to go with it.
        ui::Desktop::deleteLater(editor);
        acedPostCommandPrompt();
    }
}

void KvModelessDlgs::shutdown() {
    for (const DelayedClose& p : m_pending)
        ui::Timers::killTimer(p.timerId);
    m_pending.clear();
    // Deleted at once, not later: the code of these objects leaves the process with the library.
    auto destroy = [](ui::Window* window) {
        if (window && window->isWindow())
            window->destroyWindow();
        delete window;
    };
    for (int i = slotCount() - 1; i >= 0; --i)
        destroy(m_slots[static_cast<std::size_t>(i)]);
    m_slots.clear();
    destroy(m_constraints);
    m_constraints = nullptr;
}
