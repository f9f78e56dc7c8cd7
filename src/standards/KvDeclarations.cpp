#include "standards/KvDeclarations.h"

#include <algorithm>
#include <vector>

namespace {

constexpr const char16_t* kKeywords[4] = {u"Input", u"Output", u"Local", u"Calc"};

bool isMarkerCell(const KvSectionMarkers& markers, int col, int row) {
    for (const KvSectionMarker& m : markers.markers)
        if (m.present && m.col == col && m.row == row)
            return true;
    return false;
}

} // namespace

const char16_t* sectionKeyword(KvSection section) { return kKeywords[static_cast<int>(section)]; }

bool KvSectionMarkers::rowsOf(KvSection section, int lastRow, int& first, int& last) const {
    const KvSectionMarker& own = (*this)[section];
    if (!own.present)
        return false;
    first = own.row + 1;
    last = lastRow;
    for (const KvSectionMarker& m : markers)
        if (m.present && m.row > own.row && m.row < last)
            last = m.row;
    return true;
}

void KvSheetTexts::forEachCell(int first, int last, const std::function<bool(int col, int row)>& visit) {
    const int cols = columns();
    for (int row = std::max(first, 1); row <= last; ++row)
        for (int col = 1; col <= cols; ++col)
            if (!visit(col, row))
                return;
}

KvSectionMarkers findSectionMarkers(KvSheetTexts& sheet) {
    KvSectionMarkers result;
    int missing = 4;
    Ork_String text;
    sheet.forEachCell(1, sheet.rows(), [&](int col, int row) {
        sheet.readText(col, row, text);
        if (text.isEmpty())
            return true;
        for (int k = 0; k < 4; ++k) {
            KvSectionMarker& m = result.markers[static_cast<std::size_t>(k)];
            if (!m.present && text == kKeywords[k]) {
                m = {true, col, row};
                --missing;
            }
        }
        return missing > 0;
    });
    return result;
}

void readDeclarations(KvSheetTexts& sheet, const KvSectionMarkers& markers, Ork_Array<KvVarCell>& cells) {
    const int lastRow = sheet.rows();
    Ork_String text;
    for (KvSection section : {KvSection::Input, KvSection::Output, KvSection::Local}) {
        int first = 0, last = 0;
        if (!markers.rowsOf(section, lastRow, first, last))
            continue;
        sheet.forEachCell(first, last, [&](int col, int row) {
            if (isMarkerCell(markers, col, row))
                return true;
            sheet.readText(col, row, text);
            KvVarCell cell;
            if (!KvVarCell::parseDeclaration(text, cell.valueType, cell.name))
                return true;
            cell.cellType = static_cast<KvCellType>(static_cast<int>(section));
            cell.col = col;
            cell.row = row;
            cells.append(std::move(cell));
            return true;
        });
    }
}

KvSectionMarkers readSectionsAndDeclarations(KvSheetTexts& sheet, Ork_Array<KvVarCell>& cells) {
    struct Declared {
        int col;
        int row;
        KvValueType type;
        Ork_String name;
    };
    std::vector<Declared> declared;   // every cell that declares something, row by row
    KvSectionMarkers markers;
    const int rows = sheet.rows();
    Ork_String text;
    const auto allFound = [&] {
        return std::all_of(markers.markers.begin(), markers.markers.end(), [](const KvSectionMarker& m) { return m.present; });
    };
    // As findSectionMarkers up to the last marker; then on as far as a section reaches (once every marker is
    // known, no section reaches further).
    bool found = false;
    int reach = rows;
    sheet.forEachCell(1, rows, [&](int col, int row) {
        if (found && row > reach)
            return false;
        sheet.readText(col, row, text);
        if (text.isEmpty())
            return true;
        if (!found) {
            for (int k = 0; k < 4; ++k) {
                KvSectionMarker& m = markers.markers[static_cast<std::size_t>(k)];
                if (!m.present && text == kKeywords[k])
                    m = {true, col, row};
            }
            if (allFound()) {
                found = true;
                reach = 0;
                for (KvSection section : {KvSection::Input, KvSection::Output, KvSection::Local}) {
                    int first = 0, last = 0;
                    if (markers.rowsOf(section, rows, first, last))
                        reach = std::max(reach, last);
                }
            }
        }
        Declared d{col, row, KvValueType::String, {}};
        if (KvVarCell::parseDeclaration(text, d.type, d.name))
            declared.push_back(std::move(d));
        return true;
    });

    for (KvSection section : {KvSection::Input, KvSection::Output, KvSection::Local}) {
        int first = 0, last = 0;
        if (!markers.rowsOf(section, rows, first, last))
            continue;
        for (const Declared& d : declared) {
            if (d.row < first || d.row > last || isMarkerCell(markers, d.col, d.row))
                continue;
            KvVarCell cell;
            cell.valueType = d.type;
            cell.name = d.name;
            cell.cellType = static_cast<KvCellType>(static_cast<int>(section));
            cell.col = d.col;
            cell.row = d.row;
            cells.append(std::move(cell));
        }
    }
    return markers;
}
