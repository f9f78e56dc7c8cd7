// Any bytes as a section table file: the table reads without failing hard, and what it read survives the grid,
// the way back, the writer and the reader again unchanged (the grid holds every row at the width of the
// headers, so the table is compared at that width).
#include "nuvo/Ork_Settings.h"
#include "os/files.h"
#include "os/utf16.h"
#include "seclib/Ork_ProfValuesTable.h"
#include "spread/Ork_Spread.h"
#include "ui/Dialog.h"
#include "ui/DialogTemplate.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string_view>

#include <unistd.h>

namespace {

constexpr int kPlaceholderId = 1196;

struct Setting {
    Setting() {
        folder = std::filesystem::temp_directory_path() / ("ss-fuzz-prof-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder / "prof");
        Ork_Settings::setLibDir(Ork_String(os::toUtf16(folder.string())) + u"/");
        ui::DialogTemplate t;
        t.caption = u"Grid";
        t.size = {400, 300};
        t.style = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_VISIBLE;
        t.add(u"Static", kPlaceholderId, u"", ui::WS_CHILD | ui::WS_VISIBLE, {10, 10, 310, 210});
        if (!dialog.createIndirect(t, nullptr, ui::Dialog::Show::Visible) || !grid.createInPlace(&dialog, kPlaceholderId))
            std::abort();
    }
    ~Setting() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    std::filesystem::path folder;
    ui::Dialog dialog;
    Ork_Spread grid;
};

bool sameRows(const Ork_Array<Ork_StringArray>& a, const Ork_Array<Ork_StringArray>& b, int width) {
    if (a.length() != b.length())
        return false;
    for (int r = 0; r < a.length(); ++r)
        for (int c = 0; c < width; ++c) {
            const Ork_String empty;
            const Ork_String& x = c < a[r].length() ? a[r][c] : empty;
            const Ork_String& y = c < b[r].length() ? b[r][c] : empty;
            if (x != y)
                return false;
        }
    return true;
}

bool sameTable(const Ork_ProfValuesTable& a, const Ork_ProfValuesTable& b, int width) {
    return a.name == b.name && a.descriptor == b.descriptor && a.columnNames == b.columnNames &&
           sameRows(a.rows, b.rows, width);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static Setting setting;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!os::writeBytes(os::toUtf16((setting.folder / "prof" / "Fuzz.pr").string()), bytes))
        std::abort();
    Ork_ProfValuesTable table;
    if (!table.readFromFile(u"Fuzz"))
        return 0;   // bytes that are no text
    // The filtered index of every offered row points at that row in the filtered list (a table whose first
    // row is too short for the two columns lists nothing).
    Ork_StringArray all, active;
    table.getSysNames(all);
    table.getFilteredSysNames(active);
    for (int row = 0; row < table.rows.length(); ++row) {
        const int index = table.getfilteredIdx(row);
        if (index < 0 || index > row)
            std::abort();
        const Ork_StringArray& cells = table.rows[row];
        const bool offered = cells.length() < 2 || cells[1] != u"0";
        if (!active.isEmpty() && offered && (index >= active.length() || active[index] != all[row]))
            std::abort();
    }
    // A one-line file has no header line, a table without rows nothing for the grid.
    if (table.rows.isEmpty() || table.columnNames.isEmpty())
        return 0;
    if (!table.setToSS(setting.grid)) {
        // Refused only for a table with a NUL character, which the grid's texts cannot hold.
        if (setting.grid.getMaxRows() != 0 || bytes.find('\0') == std::string_view::npos)
            std::abort();
        return 0;
    }
    Ork_ProfValuesTable back;
    back.descriptor = table.descriptor;
    if (!back.getFromSS(setting.grid) || !sameTable(back, table, table.columnNames.length()))
        std::abort();
    if (!back.writeToFile(u"Back")) {
        // Only a field the writer cannot store, or a name it cannot hold, is refused.
        return 0;
    }
    Ork_ProfValuesTable again;
    if (!again.readFromFile(u"Back"))
        std::abort();
    again.name = back.name;   // the file's own name
    if (!sameTable(again, back, back.columnNames.length()))
        std::abort();
    return 0;
}
