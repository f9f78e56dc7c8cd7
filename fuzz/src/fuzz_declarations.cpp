// Any bytes read as a sheet (lines are rows, TABs separate cells): the section markers and declarations are
// found without failing, and every declaration found lies in its section, reads back as what it declares, and
// comes in the fixed order Input, Output, Local; reading markers and declarations in one pass gives the same.
#include "os/files.h"
#include "standards/KvDeclarations.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

class Texts : public KvSheetTexts {
public:
    explicit Texts(std::string_view bytes) {
        for (auto& line : os::decodeLines(bytes)) {
            std::vector<Ork_String> row;
            std::size_t start = 0;
            while (true) {
                const std::size_t tab = line.find(u'\t', start);
                row.emplace_back(line.substr(start, tab == std::u16string::npos ? std::u16string::npos : tab - start));
                if (tab == std::u16string::npos)
                    break;
                start = tab + 1;
            }
            cols_ = std::max(cols_, static_cast<int>(row.size()));
            rows_.push_back(std::move(row));
        }
    }
    int columns() override { return cols_; }
    int rows() override { return static_cast<int>(rows_.size()); }
    void readText(int col, int row, Ork_String& out) override {
        if (row < 1 || row > rows() || col < 1)
            std::abort();   // the rules must never ask outside the sheet
        const auto& r = rows_[row - 1];
        out = col <= static_cast<int>(r.size()) ? r[col - 1] : Ork_String();
    }

private:
    std::vector<std::vector<Ork_String>> rows_;
    int cols_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    if (size > 1 << 16)
        return 0;
    Texts texts(std::string_view(reinterpret_cast<const char*>(data), size));
    const KvSectionMarkers markers = findSectionMarkers(texts);
    Ork_Array<KvVarCell> cells;
    readDeclarations(texts, markers, cells);

    // The one-pass reader finds exactly the same.
    Ork_Array<KvVarCell> onePass;
    const KvSectionMarkers sameMarkers = readSectionsAndDeclarations(texts, onePass);
    for (int k = 0; k < 4; ++k) {
        const KvSectionMarker& a = markers.markers[static_cast<std::size_t>(k)];
        const KvSectionMarker& b = sameMarkers.markers[static_cast<std::size_t>(k)];
        if (a.present != b.present || a.col != b.col || a.row != b.row)
            std::abort();
    }
    if (onePass.length() != cells.length())
        std::abort();
    for (int i = 0; i < cells.length(); ++i)
        if (onePass[i].name != cells[i].name || onePass[i].valueType != cells[i].valueType ||
            onePass[i].cellType != cells[i].cellType || onePass[i].col != cells[i].col || onePass[i].row != cells[i].row)
            std::abort();
    int lastRole = 0;
    for (const KvVarCell& cell : cells) {
        const int role = static_cast<int>(cell.cellType);
        if (role < lastRole || role > 2)
            std::abort();
        lastRole = role;
        int first = 0, last = 0;
        if (!markers.rowsOf(static_cast<KvSection>(role), texts.rows(), first, last) || cell.row < first ||
            cell.row > last || cell.col < 1 || cell.col > texts.columns())
            std::abort();
        KvValueType type;
        Ork_String name;
        if (!KvVarCell::parseDeclaration(texts.text(cell.col, cell.row), type, name) || type != cell.valueType ||
            name != cell.name)
            std::abort();
    }
    return 0;
}
