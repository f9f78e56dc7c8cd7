#include "standardsSheet.h"

#include "shownPath.h"

#include "exitCodes.h"
#include "grid/GridDocument.h"
#include "grid/Sheet.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/sections/Ork_SectionTableManager.h"
#include "nuvo/textHelpers.h"
#include "os/files.h"
#include "os/paths.h"
#include "os/utf16.h"
#include "standards/KvDeclarations.h"

#include <algorithm>
#include <functional>

namespace sscmd {
namespace {

// A loaded grid document as the module's declaration rules read it: value texts, and only the stored cells.
class DocumentTexts : public KvSheetTexts {
public:
    explicit DocumentTexts(const grid::Sheet& sheet) : sheet_(sheet) {}
    int columns() override { return sheet_.maxCols(); }
    int rows() override { return sheet_.maxRows(); }
    void readText(int col, int row, Ork_String& out) override { sheet_.textInto(col, row, grid::TextKind::Value, out); }
    void forEachCell(int first, int last, const std::function<bool(int col, int row)>& visit) override {
        sheet_.forEachCellInReadingOrder(grid::Block{1, std::max(first, 1), columns(), last}, visit);
    }

private:
    const grid::Sheet& sheet_;
};

} // namespace

Ork_String sheetFile(const Ork_String& sheet) {
    if (os::fileExists(sheet))
        return sheet;
    return Ork_Settings::libDir() + u"Connection Standards\\" + sheet + u".kvs";
}

bool sheetExists(const Ork_String& sheet) { return os::fileExists(sheetFile(sheet)); }

std::string nativeText(const Ork_String& path) {
    const auto native = os::resolvePath(path);
    return native ? native->string() : path.utf8();
}

bool readDeclarations(const Ork_String& sheet, Declarations& declarations, std::string& error) {
    grid::Sheet document;
    std::u16string why;
    if (!grid::GridDocument::load(document, os::toUtf16(nativeText(sheetFile(sheet))), why)) {
        error = os::toUtf8(why);
        return false;
    }
    DocumentTexts texts(document);
    const KvSectionMarkers markers = readSectionsAndDeclarations(texts, declarations.cells);
    declarations.hasCalc = markers[KvSection::Calc].present;
    return true;
}

int checkSheet(const char* command, const std::string& sheet, std::FILE* err) {
    const Ork_String name = Ork_String::fromUtf8(sheet);
    if (sheetExists(name))
        return kExitOk;
    if (os::folderExists(name)) {
        std::fprintf(err, "ss %s: %s is a folder, not a sheet\n", command, sheet.c_str());
        return kExitBadInput;
    }
    std::fprintf(err, "ss %s: no sheet %s (neither a file nor in %sConnection Standards)\n", command, sheet.c_str(),
                 shownPath(Ork_Settings::libDir()).c_str());
    return kExitBadInput;
}

KvDlgStandardsData directRecord(const Ork_String& sheet, const Declarations& declared) {
    KvDlgStandardsData record;
    record.mode = KvDlgStandardsData::kDirectMode;
    record.file = sheet;
    for (const KvVarCell& cell : declared.cells) {
        if (cell.isLocal())
            continue;
        KvVarCell given(cell.name, cell.cellType, cell.valueType);
        record.varCells.append(given);
    }
    return record;
}

// The module pairs the sheet's declarations with the caller's cells by position twice: before the calculation
// with every declaration, after it without the later declarations of a duplicated name, which the calculation
// drops. So with duplicates an output comes back in the cell of the position it has among the remaining
// declarations.
std::vector<OutputPosition> outputPositions(const Ork_Array<KvVarCell>& declared) {
    Ork_StringArray names;
    for (const KvVarCell& cell : declared)
        names.append(cell.name);
    AcArray<int> dropped;
    getDuplicates(names, dropped, false);
    std::vector<OutputPosition> positions;
    int locals = 0, next = 0;
    for (int i = 0; i < declared.length(); ++i) {
        if (next < dropped.length() && dropped[next] == i) {
            ++next;
            continue;
        }
        const KvVarCell& cell = declared[i];
        if (cell.isLocal()) {
            ++locals;
            continue;
        }
        if (cell.isOutput())
            positions.push_back({i, i - next - locals});
    }
    return positions;
}

KvVarCells returnedOutputs(const Ork_Array<KvVarCell>& declared, const KvVarCells& returned) {
    KvVarCells outputs;
    for (const OutputPosition& at : outputPositions(declared)) {
        if (at.returned >= returned.length())
            continue;
        KvVarCell shown = declared[at.declared];
        shown.value = returned[at.returned].value;
        outputs.append(shown);
    }
    return outputs;
}

std::string whyNotEvaluated(const std::string& sheet) {
    Declarations declarations;
    std::string error;
    if (!readDeclarations(Ork_String::fromUtf8(sheet), declarations, error))
        return error;
    if (!declarations.hasCalc)
        return sheet + " has no Calc section (a cell reading \"Calc\" above its statements)";
    return {};
}

void explainFailure(const char* command, const std::string& sheet, std::FILE* err) {
    const std::string why = whyNotEvaluated(sheet);
    if (!why.empty())
        std::fprintf(err, "ss %s: %s\n", command, why.c_str());
}

void warnSectionTables(const char* command, std::FILE* err) {
    for (const Ork_String& problem : Ork_SectionTableManager::instance().loadProblems())
        std::fprintf(err, "ss %s: warning: section table %s\n", command, problem.utf8().c_str());
}

} // namespace sscmd
