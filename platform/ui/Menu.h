#pragma once
// A popup menu: items with ids, texts, separators, check marks and grey state. trackPopupMenu asks the
// installed services (Services.h; a Script in tests) which item the user chooses: with TPM_RETURNCMD the id is
// returned, otherwise it is sent to the owner as WM_COMMAND (id, 0) and the result says whether one was chosen.
#include "ui/Window.h"

#include <string>
#include <vector>

namespace ui {

struct MenuItem {
    unsigned flags = MF_STRING;
    int id = 0;
    std::u16string text;
    bool isSeparator() const { return (flags & MF_SEPARATOR) != 0; }
    bool isEnabled() const { return (flags & (MF_GRAYED | MF_DISABLED)) == 0 && !isSeparator(); }
    bool isChecked() const { return (flags & MF_CHECKED) != 0; }
};

class Menu {
public:
    bool createPopupMenu();
    bool destroyMenu();
    bool isCreated() const { return m_created; }
    bool appendMenu(unsigned flags, int id = 0, std::u16string_view text = {});
    bool insertMenu(int position, unsigned flags, int id = 0, std::u16string_view text = {});  // by position
    bool deleteMenu(int position);
    int getMenuItemCount() const { return static_cast<int>(m_items.size()); }
    int getMenuItemID(int position) const;  // -1 for a bad position, 0 for a separator
    std::u16string getMenuString(int id) const;
    // MF_CHECKED / MF_UNCHECKED by command id; the previous state, or -1 when the id is unknown.
    int checkMenuItem(int id, unsigned check);
    int enableMenuItem(int id, unsigned enable);
    const std::vector<MenuItem>& items() const { return m_items; }
    // `x`, `y` in screen coordinates. See the class comment for the result.
    int trackPopupMenu(unsigned flags, int x, int y, Window* owner);

private:
    MenuItem* findById(int id);
    bool m_created = false;
    std::vector<MenuItem> m_items;
};

} // namespace ui
