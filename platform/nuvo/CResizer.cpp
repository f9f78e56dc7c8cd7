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
    return true;
}

bool CResizer::setAnchor(int id, int horizontal, int vertical) {
    return m_attached && m_layout.setFlags(id, horizontal, vertical);
}

void CResizer::onSize(int cx, int cy) {
    if (m_attached)
        m_layout.resize(cx, cy);
}
