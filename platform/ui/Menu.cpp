#include "ui/Menu.h"

#include "ui/Services.h"

namespace ui {

bool Menu::createPopupMenu() {
    if (m_created) return false;
    m_created = true;
    m_items.clear();
    return true;
}

bool Menu::destroyMenu() {
    if (!m_created) return false;
    m_created = false;
    m_items.clear();
    return true;
}

bool Menu::appendMenu(unsigned flags, int id, std::u16string_view text) {
    return insertMenu(getMenuItemCount(), flags, id, text);
}

bool Menu::insertMenu(int position, unsigned flags, int id, std::u16string_view text) {
    if (!m_created) return false;
    if (position < 0 || position > getMenuItemCount()) position = getMenuItemCount();
    MenuItem item{flags & ~MF_BYPOSITION, (flags & MF_SEPARATOR) ? 0 : id, std::u16string(text)};
    m_items.insert(m_items.begin() + position, std::move(item));
    return true;
}

bool Menu::deleteMenu(int position) {
    if (position < 0 || position >= getMenuItemCount()) return false;
    m_items.erase(m_items.begin() + position);
    return true;
}

int Menu::getMenuItemID(int position) const {
    if (position < 0 || position >= getMenuItemCount()) return -1;
    return m_items[static_cast<size_t>(position)].id;
}

std::u16string Menu::getMenuString(int id) const {
    for (const auto& item : m_items)
        if (!item.isSeparator() && item.id == id) return item.text;
    return {};
}

MenuItem* Menu::findById(int id) {
    for (auto& item : m_items)
        if (!item.isSeparator() && item.id == id) return &item;
    return nullptr;
}

int Menu::checkMenuItem(int id, unsigned check) {
    MenuItem* item = findById(id);
    if (!item) return -1;
    int previous = item->isChecked() ? static_cast<int>(MF_CHECKED) : static_cast<int>(MF_UNCHECKED);
    item->flags = (item->flags & ~MF_CHECKED) | (check & MF_CHECKED);
    return previous;
}

int Menu::enableMenuItem(int id, unsigned enable) {
    MenuItem* item = findById(id);
    if (!item) return -1;
    int previous = static_cast<int>(item->flags & (MF_GRAYED | MF_DISABLED));
    item->flags = (item->flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    return previous;
}

int Menu::trackPopupMenu(unsigned flags, int x, int y, Window* owner) {
    if (!m_created || m_items.empty()) return 0;
    MenuRequest request{owner, Point{x, y}, &m_items};
    int chosen = Services::popupMenu(request);
    // Only an enabled item can be chosen.
    const MenuItem* item = chosen != 0 ? findById(chosen) : nullptr;
    if (!item || !item->isEnabled()) chosen = 0;
    if (flags & TPM_RETURNCMD) return chosen;
    // Without TPM_RETURNCMD the platform posts the command: it arrives after the call returns.
    if (chosen != 0 && ui::isWindow(owner) && !(flags & TPM_NONOTIFY))
        owner->postMessage(WM_COMMAND, makeWParam(static_cast<unsigned>(chosen), 0), 0);
    return chosen != 0 ? 1 : 0;
}

} // namespace ui
