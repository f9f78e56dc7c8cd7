#include "macroedit/filterEntries.h"

#include "macroedit/bitmapFiles.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/crtNumbers.h"
#include "ui/Button.h"
#include "ui/constants.h"

namespace macroedit {

namespace {
constexpr int kDecimals = 2;
}

Ork_String filterNumberText(double value) { return Ork_String(value, kDecimals); }

void NumberField::show(ui::Dialog& page, int id, double value) {
    m_value = value;
    m_text = filterNumberText(value);
    page.setDlgItemText(id, m_text);
}

void NumberField::clear(ui::Dialog& page, int id) {
    m_value.reset();
    m_text.clear();
    page.setDlgItemText(id, u"");
}

double NumberField::read(const ui::Dialog& page, int id) const {
    const Ork_String text = page.getDlgItemText(id);
    if (m_value && text == m_text)
        return *m_value;
    return _wtof(text.c_str());
}

void FilterEntries::attach(ui::Dialog& page, Parts parts, const Ork_StringArray* names, AcArray<bool>* active,
                           std::function<bool(int)> complete, std::function<void(int)> show,
                           std::function<void(int)> store) {
    m_page = &page;
    m_parts = std::move(parts);
    m_names = names;
    m_active = active;
    m_complete = std::move(complete);
    m_show = std::move(show);
    m_store = std::move(store);
    m_attached = m_list.attach(page, m_parts.list);
}

bool FilterEntries::writable(int p) const {
    return m_names && m_active && p >= 0 && p < m_names->length() && p < m_active->length() &&
           (!m_complete || m_complete(p));
}

void FilterEntries::enableEditors(bool on) {
    for (int id : m_parts.editors)
        if (ui::Window* w = m_page->getDlgItem(id))
            w->enableWindow(on);
}

void FilterEntries::init() {
    if (!m_page)
        return;
    const bool any = m_names && !m_names->isEmpty();
    if (!any) {
        for (int id : m_parts.frames)
            if (ui::Window* w = m_page->getDlgItem(id))
                w->enableWindow(false);
        for (int id : {m_parts.list, m_parts.active})
            if (ui::Window* w = m_page->getDlgItem(id))
                w->enableWindow(false);
        enableEditors(false);
        return;
    }
    if (m_attached)
        m_list.setItems(*m_names, m_active ? *m_active : AcArray<bool>{}, 0);
    show(0);
}

void FilterEntries::show(int p) {
    m_shown = p;
    auto* box = m_page->getDlgItemAs<ui::Button>(m_parts.active);
    if (!writable(p)) {
        // Shown, but the host's arrays do not hold it whole: nothing to edit and nothing is written.
        if (box) {
            box->setCheck(0);
            box->enableWindow(false);
        }
        enableEditors(false);
        return;
    }
    if (box) {
        box->enableWindow(true);
        box->setCheck((*m_active)[p] ? 1 : 0);
    }
    if (m_show)
        m_show(p);
    enableEditors((*m_active)[p]);
}

void FilterEntries::storeShown() {
    const int p = m_shown;
    if (!m_page || !writable(p))
        return;
    const auto* box = m_page->getDlgItemAs<ui::Button>(m_parts.active);
    const bool on = box && box->getCheck() == 1;
    (*m_active)[p] = on;
    if (m_attached)
        m_list.setChecked(p, on);
    if (m_store)
        m_store(p);
}

void FilterEntries::listChanged() {
    if (!m_page || !m_attached)
        return;
    // A check mark the user toggled: that entry's active flag, and the box's when the entry is on show.
    for (int i = 0; i < m_list.getCount(); ++i) {
        if (!writable(i) || m_list.isChecked(i) == (*m_active)[i])
            continue;
        (*m_active)[i] = m_list.isChecked(i);
        if (i == m_shown) {
            if (auto* box = m_page->getDlgItemAs<ui::Button>(m_parts.active))
                box->setCheck((*m_active)[i] ? 1 : 0);
            enableEditors((*m_active)[i]);
        }
    }
    const int chosen = m_list.getCurSel();
    if (chosen < 0 || chosen == m_shown)
        return;
    storeShown();
    show(chosen);
}

void FilterEntries::activeClicked() {
    storeShown();
    if (const auto* box = m_page ? m_page->getDlgItemAs<ui::Button>(m_parts.active) : nullptr)
        enableEditors(writable(m_shown) && box->getCheck() == 1);
}

} // namespace macroedit

namespace macroedit {

bool cancelOwnerOnEscape(ui::Dialog& page, const ui::Msg& msg) {
    if (msg.message != ui::WM_KEYDOWN || msg.wParam != ui::VK_ESCAPE)
        return false;
    ui::Window* owner = page.getTopLevelParent();
    (owner && owner != &page ? *owner : static_cast<ui::Window&>(page))
        .sendMessage(ui::WM_COMMAND, ui::makeWParam(ui::IDCANCEL, ui::BN_CLICKED), 0);
    return true;
}

void showFilterPicture(ui::Dialog& page, int id, const char16_t* file, ui::ImageButton& button) {
    constexpr ui::Color kTransparent = 0xC0C0C0;   // light grey
    if (!page.subclassDlgItem(id, button))
        return;
    ui::Image bitmap;
    if (loadBitmapFile(Ork_Settings::orkDir() + u"icons\\" + file, bitmap))
        button.setBitmapImage(bitmap, kTransparent);
    button.setFlat(true);
    button.enableWindow(false);
}

} // namespace macroedit
