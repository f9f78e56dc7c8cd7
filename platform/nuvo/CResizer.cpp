#include "nuvo/CResizer.h"

#include "ui/Window.h"

bool CResizer::attach(ui::Window& dialog) {
    if (!ui::isWindow(&dialog))
        return false;
    m_layout.record(dialog);
    // Unanchored controls keep their place and size: a control the caller forgot does not drift.
    for (ui::Window* child : dialog.children())
        m_layout.setFlags(child, kFixed, kFixed);
    m_attached = true;
    m_dialog = &dialog;
    return true;
}

bool CResizer::setAnchor(int id, int horizontal, int vertical) {
    return m_attached && m_layout.setFlags(id, horizontal, vertical);
}

void CResizer::onSize(int cx, int cy) {
    if (m_attached)
        m_layout.resize(cx, cy);
}

bool CResizer::addToSet(int id, const Ork_String& name) {
    if (!m_attached || !m_dialog->getDlgItem(id))
        return false;
    m_sets.emplace_back(id, name);
    return true;
}

void CResizer::showSet(const Ork_String& name, bool show) {
    if (!m_attached || !ui::isWindow(m_dialog))
        return;
    for (const auto& [id, set] : m_sets)
        if (set == name)
            if (ui::Window* control = m_dialog->getDlgItem(id))
                control->showWindow(show ? ui::SW_SHOW : ui::SW_HIDE);
}

bool CResizer::stretchBy(int dx, int dy) {
    if (!m_attached || !ui::isWindow(m_dialog))
        return false;
    const ui::Rect r = m_dialog->getRectInParent();
    return m_dialog->moveWindow(r.left, r.top, r.width() + dx, r.height() + dy);
}
