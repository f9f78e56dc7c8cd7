#pragma once
// Where a standards sheet declares its variables. Four marker cells ("Input", "Output", "Local", "Calc")
// divide the sheet into sections; the first three hold declarations, the last the statements.
//
// The rules work on any source of cell texts, so that they read a live grid and a bare document alike.
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "standards/KvVarCell.h"

#include <array>
#include <functional>

// The value texts of a sheet, 1-based.
class KvSheetTexts {
public:
    virtual ~KvSheetTexts() = default;
    virtual int columns() = 0;
    virtual int rows() = 0;
    // Writes the text into `out`, whose room the scans below reuse from cell to cell.
    virtual void readText(int col, int row, Ork_String& out) = 0;
    Ork_String text(int col, int row) {
        Ork_String out;
        readText(col, row, out);
        return out;
    }
    // Visits the cells of rows first..last (columns 1 to columns()) that may hold a text, in reading order: row
    // by row, each row from column 1; false from `visit` ends the walk. Every cell by default; a sheet that
    // knows which cells it holds visits those only, so a sheet declaring millions of empty rows reads fast.
    virtual void forEachCell(int first, int last, const std::function<bool(int col, int row)>& visit);
};

struct KvSectionMarker {
    bool present = false;
    int col = 0;
    int row = 0;
};

enum class KvSection { Input = 0, Output = 1, Local = 2, Calc = 3 };

struct KvSectionMarkers {
    std::array<KvSectionMarker, 4> markers;

    const KvSectionMarker& operator[](KvSection s) const { return markers[static_cast<int>(s)]; }
    // The rows a section spans: from below its marker to the row of the nearest marker below it (that row
    // included), or to the last row. False for a missing section.
    bool rowsOf(KvSection section, int lastRow, int& first, int& last) const;
};

// The section keyword as it stands in its marker cell.
const char16_t* sectionKeyword(KvSection section);

// The first cell of each keyword, searching row by row from the top and each row from column 1.
KvSectionMarkers findSectionMarkers(KvSheetTexts& sheet);

// Appends the declarations of the Input, Output and Local sections, in that order whatever their order in
// the sheet, each section row by row and each row from column 1. Only name, value type, role and place are
// set.
void readDeclarations(KvSheetTexts& sheet, const KvSectionMarkers& markers, Ork_Array<KvVarCell>& cells);

// Both of the above in one pass over the cells (each cell is read once, where the two would read the
// declarations twice): the same markers, and the same declarations appended in the same order.
KvSectionMarkers readSectionsAndDeclarations(KvSheetTexts& sheet, Ork_Array<KvVarCell>& cells);
