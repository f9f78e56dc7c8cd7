#pragma once
// What the four kinds of filter entries on the settings' filter pages share: a check-list drop-down of the
// entries, an "active" box for the entry on show, and the editors of its values, enabled while it is active.
// The kind's data are parallel arrays the host filled; an entry some array lacks is shown disabled and never
// written. Numbers show with two decimals; a field the user did not change gives back the stored double.
#include "nuvo/CCheckComboBox.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "cadhost/AcArray.h"
#include "ui/Dialog.h"
#include "ui/ImageButton.h"

#include <functional>
#include <optional>
#include <vector>

namespace macroedit {

class FilterEntries {
public:
    struct Parts {
        int list = 0;                 // the check-list drop-down
        int active = 0;               // the active box
        std::vector<int> frames;      // group box and labels: disabled with the kind when it has no entries
        std::vector<int> editors;     // enabled while the entry on show is active
    };
    // `complete(p)`: entry p is in every array of the kind. `show(p)` fills the editors, `store(p)` reads them.
    void attach(ui::Dialog& page, Parts parts, const Ork_StringArray* names, AcArray<bool>* active,
                std::function<bool(int)> complete, std::function<void(int)> show, std::function<void(int)> store);

    void init();
    // The drop-down notified: a toggled check mark is its entry's active flag; a new selection stores the
    // entry shown so far and shows the chosen one.
    void listChanged();
    void activeClicked();
    void storeShown();

    int shown() const { return m_shown; }
    CCheckComboBox& list() { return m_list; }

private:
    bool writable(int p) const;
    void show(int p);
    void enableEditors(bool on);

    ui::Dialog* m_page = nullptr;
    Parts m_parts;
    const Ork_StringArray* m_names = nullptr;
    AcArray<bool>* m_active = nullptr;
    std::function<bool(int)> m_complete;
    std::function<void(int)> m_show, m_store;
    CCheckComboBox m_list;
    bool m_attached = false;
    int m_shown = -1;
};

// A number field of a filter entry: shows the value with two decimals and gives it back unchanged while the
// field still shows that text.
class NumberField {
public:
    void show(ui::Dialog& page, int id, double value);
    void clear(ui::Dialog& page, int id);
    double read(const ui::Dialog& page, int id) const;

private:
    std::optional<double> m_value;
    Ork_String m_text;
};

// Two decimals, the host string's number form.
Ork_String filterNumberText(double value);

} // namespace macroedit

namespace macroedit {
// Escape on a page of the settings dialog: the dialog's Cancel.
bool cancelOwnerOnEscape(ui::Dialog& page, const ui::Msg& msg);
// A decoration picture from the installation's icons\ folder on a disabled, borderless button.
void showFilterPicture(ui::Dialog& page, int id, const char16_t* file, ui::ImageButton& button);
} // namespace macroedit
