#include "standards/KvDeclarations.h"

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

KvSectionMarkers findSectionMarkers(KvSheetTexts& sheet) {
    KvSectionMarkers result;
    const int cols = sheet.columns();
    const int rows = sheet.rows();
    int missing = 4;
    Ork_String text;
    for (int row = 1; row <= rows && missing > 0; ++row) {
        for (int col = 1; col <= cols && missing > 0; ++col) {
            sheet.readText(col, row, text);
            if (text.isEmpty())
                continue;
            for (int k = 0; k < 4; ++k) {
                KvSectionMarker& m = result.markers[k];
                if (!m.present && text == kKeywords[k]) {
                    m = {true, col, row};
                    --missing;
                }
            }
        }
    }
    return result;
}

void readDeclarations(KvSheetTexts& sheet, const KvSectionMarkers& markers, Ork_Array<KvVarCell>& cells) {
    const int cols = sheet.columns();
    const int lastRow = sheet.rows();
    Ork_String text;
    for (KvSection section : {KvSection::Input, KvSection::Output, KvSection::Local}) {
        int first = 0, last = 0;
        if (!markers.rowsOf(section, lastRow, first, last))
            continue;
        for (int row = first; row <= last; ++row) {
            for (int col = 1; col <= cols; ++col) {
                if (isMarkerCell(markers, col, row))
                    continue;
                sheet.readText(col, row, text);
                KvVarCell cell;
                if (!KvVarCell::parseDeclaration(text, cell.valueType, cell.name))
                    continue;
                cell.cellType = static_cast<KvCellType>(static_cast<int>(section));
                cell.col = col;
                cell.row = row;
                cells.append(std::move(cell));
            }
        }
    }
}
