#include "dialogEntries.h"

#include "autoStandardsJson.h"
#include "dialogRunSupport.h"
#include "auxDialogRuns.h"

#include "SS/SSExports.h"
#include "auxdlg/KvLookUpDlgData.h"
#include "grid/GridDocument.h"
#include "grid/SpreadWindow.h"
#include "nuvo/records/DlgCSP2Data.h"
#include "nuvo/records/DlgProfCutsData.h"
#include "nuvo/records/DlgProfFeaturesData.h"
#include "nuvo/records/KvBracingDlgData.h"
#include "nuvo/records/KvCladdingDlgData.h"
#include "nuvo/records/KvLevelsDlgData.h"
#include "nuvo/records/libraryRecordJson.h"
#include "nuvo/fileHelpers.h"
#include "os/textCase.h"
#include "os/utf16.h"
#include "resources/resourceIds.h"
#include "seclib/Ork_ProfValuesTable.h"
#include "sheet/KvSSBillOutput.h"
#include "spread/Ork_Spread.h"
#include "ui/constants.h"

#include <filesystem>
#include <optional>

namespace sscmd {
namespace {

// ---- Spreadsheets

bool runStringArray(DialogRun& run) {
    Ork_StringArray columnNames, rowNames;
    Ork_Array<Ork_StringArray> rows;
    bool addRemove = true;
    Ork_String sizeKey, title;
    Reading in(run);
    if (in.reader) {
        in.reader->texts("columnNames", columnNames, true);
        in.reader->texts("rowNames", rowNames);
        in.reader->rows("rows", rows);
        in.reader->flag("addRemove", addRemove);
        in.reader->text("sizeKey", sizeKey);
        in.reader->text("title", title);
    } else {
        columnNames.append(u"Name");
        columnNames.append(u"Value");
    }
    if (!in.finish())
        return false;
    driveModal(run, IDD_STRING_ARRAY);
    run.returned = startGridDialog(columnNames, rowNames, rows, addRemove, sizeKey, title);
    noteEnding(run);
    run.recordOut = {{"columnNames", textsJson(columnNames)}, {"rowNames", textsJson(rowNames)},
                     {"rows", rowsJson(rows)},          {"addRemove", addRemove},
                     {"sizeKey", textJson(sizeKey)},    {"title", textJson(title)}};
    return true;
}

bool runReadSSFile(DialogRun& run) {
    Ork_String path;
    Reading in(run);
    if (!in.reader)
        return badRecord(run, "path: missing (ReadSSFile reads the sheet file the record names)");
    in.reader->text("path", path, true);
    if (!in.finish())
        return false;
    // The formula window reads the file while it opens and ends itself: there is nothing for a script to drive.
    if (!run.steps->empty())
        return noDialogForSteps(run, "ReadSSFile");
    Ork_String firstCell;
    Ork_StringArray headers;
    Ork_Array<Ork_StringArray> rows;
    ReadSSFile(path, firstCell, headers, rows);
    run.ended = "no dialog";
    run.recordOut = {{"path", textJson(path)},
                     {"firstCell", textJson(firstCell)},
                     {"headers", textsJson(headers)},
                     {"rows", rowsJson(rows)}};
    return true;
}

bool runEvaluateSS(DialogRun& run) {
    Reading in(run);
    if (!in.finish())
        return false;
    driveModal(run, IDD_FORMULA);
    EvaluateSS();
    noteEnding(run);
    return true;
}

bool runStandardsTest(DialogRun& run) {
    Reading in(run);
    if (!in.finish())
        return false;
    if (!run.steps->empty())
        return noDialogForSteps(run, "the test evaluation");
    run.returned = StartDlgStandardsSStest();
    run.ended = "no dialog";
    return true;
}

// The standards window as a tool: the hidden sheet the bill output builds, shown so that a user can look at
// it, search it (F3) and replace in it (F5). The record names a grid document to show in it.
bool runSSAsTool(DialogRun& run) {
    Ork_String document;
    Ork_StringArray columns;
    Reading in(run);
    if (in.reader) {
        in.reader->text("document", document);
        in.reader->texts("columnNames", columns);
    }
    if (!in.finish())
        return false;
    if (columns.isEmpty())
        columns.append(u"Item");
    KvSSBillOutput bill;
    std::error_code ec;
    const Ork_String output =
        Ork_String::fromUtf8((std::filesystem::temp_directory_path(ec) / "ss-dialog-sstool.sss").string());
    if (bill.init(output, columns, {}, {}, {}, {}, {}) != eOk || !bill.getSSPointer()) {
        run.returned = false;
        run.ended = "not shown";
        return true;
    }
    grid::SpreadWindow& sheetWindow = *bill.getSSPointer();
    if (!document.isEmpty()) {
        std::u16string error;
        if (!grid::GridDocument::load(sheetWindow.sheet(), document, error))
            return badRecord(run, "document: " + os::toUtf8(error));
        sheetWindow.invalidate();
    }
    ui::Window* window = sheetWindow.getTopLevelParent();
    window->showWindow(ui::SW_SHOW);
    window->setFocus();
    run.player->play(*window, *run.steps, run.atEnd);
    const bool open = !DialogPlayer::hasEnded(*window);
    run.ended = open ? "still open" : "closed";
    Ork_Array<Ork_StringArray> cells;
    const auto& sheet = sheetWindow.sheet();
    for (int row = 1; row <= sheet.maxRows() && row <= 1000; ++row) {
        Ork_StringArray texts;
        for (int col = 1; col <= sheet.maxCols() && col <= 100; ++col)
            texts.append(sheetWindow.displayText(col, row));
        cells.append(texts);
    }
    run.recordOut = {{"document", textJson(document)}, {"columnNames", textsJson(columns)}, {"cells", rowsJson(cells)}};
    if (open)
        run.player->endLikeAUser(*window);
    return true;
}

// ---- Dialogs whose controls are not specified: they hold their record and end with OK or Cancel.

template <class Record, bool (*Entry)(Record&), int TemplateId>
bool runNamesValues(DialogRun& run) {
    Record record;
    Reading in(run);
    if (in.reader) {
        in.reader->texts("names", record.names);
        in.reader->texts("values", record.values);
    }
    if (!in.finish())
        return false;
    driveModal(run, TemplateId);
    run.returned = Entry(record);
    noteEnding(run);
    run.recordOut = {{"names", textsJson(record.names)}, {"values", textsJson(record.values)}};
    return true;
}

bool runLookUp(DialogRun& run) {
    KvLookUpDlgData record;
    Reading in(run);
    if (in.reader) {
        RecordReader& r = *in.reader;
        r.text("title", record.title);
        r.text("label", record.label);
        r.texts("columns", record.columns);
        r.texts("items", record.items);
        r.number("selection", record.selection);
        r.text("selectedText", record.selectedText);
        r.flag("allowEdit", record.allowEdit);
        r.flag("multiSelect", record.multiSelect);
        r.number("result", record.result);
    }
    if (!in.finish())
        return false;
    driveModal(run, IDD_LOOKUP);
    run.returned = StartDlgLookUp(record);
    noteEnding(run);
    run.recordOut = {{"title", textJson(record.title)},     {"label", textJson(record.label)},
                     {"columns", textsJson(record.columns)}, {"items", textsJson(record.items)},
                     {"selection", record.selection},        {"selectedText", textJson(record.selectedText)},
                     {"allowEdit", record.allowEdit},        {"multiSelect", record.multiSelect},
                     {"result", record.result}};
    return true;
}

// The general variables dialog on the record's seven lists (all empty without a record).
bool runGenVars(DialogRun& run) {
    KvAutoStandardsData record;
    Reading in(run);
    if (in.reader)
        readAutoStandards(*in.reader, record);
    if (!in.finish())
        return false;
    driveModal(run, IDD_GEN_VARS);
    run.returned = StartDlgGenVars(record);
    noteEnding(run);
    run.recordOut = autoStandardsJson(record);
    return true;
}

// ---- Section library

// The simple section editor on a table given in the record, or on the library's IPE table without one.
bool runEditLibSimple(DialogRun& run) {
    Ork_ProfValuesTable table;
    int row = 0;
    Reading in(run);
    if (in.reader) {
        RecordReader& r = *in.reader;
        r.text("name", table.name, true);
        r.text("descriptor", table.descriptor);
        r.texts("columnNames", table.columnNames);
        r.rows("rows", table.rows);
        r.number("row", row);
    } else if (!table.readFromFile(u"IPE")) {
        return badRecord(run, "without a record the library's IPE table is used, and it cannot be read");
    }
    if (!in.finish())
        return false;
    driveModal(run, IDD_EDIT_LIB_SIMPLE);
    run.returned = StartDlgEditLibSimple(table.name, table, row);
    noteEnding(run);
    run.recordOut = {{"name", textJson(table.name)},         {"descriptor", textJson(table.descriptor)},
                     {"columnNames", textsJson(table.columnNames)}, {"rows", rowsJson(table.rows)},
                     {"row", row}};
    return true;
}

// The library editor on the library record: {"table": the table to open on, "library": a record file in the
// form of prof\library.json, "save": write it back on OK}; without "library" the library's own record is used
// (an empty one when it has none).
bool runEditLibSections(DialogRun& run) {
    Ork_String table, library;
    bool save = false;
    Reading in(run);
    if (in.reader) {
        in.reader->text("table", table);
        in.reader->text("library", library);
        in.reader->flag("save", save);
    }
    if (!in.finish())
        return false;
    DlgEditLibData data;
    const Ork_String path = library.isEmpty() ? libraryRecordPath() : library;
    Ork_String error;
    if ((!library.isEmpty() || ObjectExportFileExists(path)) && !readLibraryRecord(path, data, error))
        return badRecord(run, os::toUtf8(error));
    driveModal(run, IDD_EDIT_LIB_SECTIONS);
    run.returned = StartDlgEditLibSections(data, table);
    noteEnding(run);
    if (run.returned && save && !writeLibraryRecord(path, data, error))
        return badRecord(run, "the library record cannot be written: " + os::toUtf8(error));
    Json written;
    std::string parseError;
    parseRecordText(libraryRecordText(data), written, parseError);
    run.recordOut = {{"table", textJson(table)}, {"library", written}};
    return true;
}

bool runSelectMacro(DialogRun& run) {
    Ork_String title, chosen;
    Ork_StringArray names;
    std::vector<bool> enabledFlags;
    int filterFirst = 0, filterSecond = 0;
    bool option = false, flag = false;
    Reading in(run);
    if (in.reader) {
        RecordReader& r = *in.reader;
        r.text("title", title);
        r.texts("names", names, true);
        r.flags("enabled", enabledFlags);
        r.number("filterFirst", filterFirst);
        r.number("filterSecond", filterSecond);
        r.text("chosen", chosen);
        r.flag("option", option);
        r.flag("flag", flag);
    }
    if (!in.finish())
        return false;
    if (!enabledFlags.empty() && static_cast<int>(enabledFlags.size()) != names.length())
        return badRecord(run, "enabled: one flag per name expected");
    driveModal(run, IDD_SELECT_MACRO);
    if (enabledFlags.empty()) {
        run.returned = StartDlgSelectMacro(title, names, filterFirst, filterSecond, chosen, option, flag);
    } else {
        AcArray<bool> enabled;
        for (bool e : enabledFlags)
            enabled.append(e);
        run.returned = StartDlgSelectMacro(title, names, enabled, filterFirst, filterSecond, chosen, option, flag);
    }
    noteEnding(run);
    Json enabledOut = Json::array();
    for (bool e : enabledFlags)
        enabledOut.push_back(e);
    run.recordOut = {{"title", textJson(title)},   {"names", textsJson(names)},     {"enabled", enabledOut},
                     {"filterFirst", filterFirst}, {"filterSecond", filterSecond}, {"chosen", textJson(chosen)},
                     {"option", option},           {"flag", flag}};
    return true;
}


} // namespace

const std::vector<DialogEntry>& dialogEntries() {
    static const std::vector<DialogEntry> entries = {
        // short name, entry point, record form, modal, how it runs (none yet: listed as not available), note
        {"macro", "StartDlgMacro", "macro", true, nullptr, "the macro dialog: ss macro MACRO.json runs it"},
        {"macromodeless", "StartDlgMacroModeless", "macro", false, nullptr,
         "the macro dialog: ss macro MACRO.json --modeless runs it"},
        {"editconstrmodal", "StartDlgEditConstrModal", "edit-constraints", true, nullptr,
         "the macro definition editor: its record is prepared from a macro file, ss edit-macro MACRO.json"},
        {"editconstraints", "StartDlgEditConstraints", "edit-constraints", false, nullptr,
         "the macro definition editor: its record is prepared from a macro file, ss edit-macro MACRO.json --modeless"},
        {"stringarray", "startGridDialog", "string-array", true, runStringArray, "a list of rows edited in a grid"},
        {"readssfile", "ReadSSFile", "sheet-file", true, runReadSSFile,
         "the formula window reading a sheet file (hidden: the script has no dialog to drive)"},
        {"evaluatess", "EvaluateSS", "none", true, runEvaluateSS, "the formula window on c:\\a\\t3.sss"},
        {"standardstest", "StartDlgStandardsSStest", "none", true, runStandardsTest,
         "the fixed test evaluation (a hidden window: the script has no dialog to drive)"},
        {"genvars", "StartDlgGenVars", "auto-standards", true, runGenVars,
         "the general variables dialog: drawing and standard general variables with their filters"},
        {"editlibsections", "StartDlgEditLibSections", "edit-lib", true, runEditLibSections,
         "the section library editor: groups, types and value tables"},
        {"editlibsimple", "StartDlgEditLibSimple", "prof-values-table", true, runEditLibSimple,
         "the simple section editor: one size of a section table"},
        {"selectmacro", "StartDlgSelectMacro", "select-macro", true, runSelectMacro, "as it stands: OK or Cancel"},
        {"macrocuts", "StartDlgMacroCuts", "macro-cuts", true, nullptr, "the cuts dialog: not yet built"},
        {"profadv", "StartDlgMacroProfAdv", "macro", true, nullptr,
         "the advanced profile dialog: ss macro MACRO.json opens it from a profile page (a dialog 220 block)"},
        {"profcuts", "StartEditProfCutsDlg", "names-values", true,
         runNamesValues<DlgProfCutsData, StartEditProfCutsDlg, IDD_EDIT_PROF_CUTS>, "as it stands: OK or Cancel"},
        {"array", "StartArrayDlg", "dyn-array", true, nullptr, "the array dialog: not yet built"},
        {"designer", "StartDlgDesigner", "design-name", true, nullptr, "the dialog designer: not yet built"},
        {"csp2", "StartDlgCSP2", "names-values", true, runNamesValues<DlgCSP2Data, StartDlgCSP2, IDD_CSP2>,
         "as it stands: OK or Cancel"},
        {"proffeatures", "StartDlgProfFeatures", "names-values", true,
         runNamesValues<DlgProfFeaturesData, StartDlgProfFeatures, IDD_PROF_FEATURES>, "as it stands: OK or Cancel"},
        {"grid", "StartDlgGrid", "grid", true, runGridDialog, "two rows of grid lines: count, spacing, label"},
        {"levels", "StartDlgLevels", "names-values", true,
         runNamesValues<KvLevelsDlgData, StartDlgLevels, IDD_LEVELS>, "as it stands: OK or Cancel"},
        {"lookup", "StartDlgLookUp", "look-up", true, runLookUp, "as it stands: OK or Cancel"},
        {"image", "StartDlgSelectImage", "select-image", true, runSelectImageDialog,
         "a thumbnail per picture; prints the chosen name"},
        {"cladding", "StartDlgCladdingSettings", "names-values", true,
         runNamesValues<KvCladdingDlgData, StartDlgCladdingSettings, IDD_CLADDING_SETTINGS>,
         "as it stands: OK or Cancel"},
        {"cis2", "StartDlgCis2Info", "cis2", true, runCis2Dialog,
         "the five CIS/2 choices and the section names (CIS2ProfNames.dat)"},
        {"bracing", "StartDlgBracing", "names-values", true,
         runNamesValues<KvBracingDlgData, StartDlgBracing, IDD_BRACING>, "as it stands: OK or Cancel"},
        {"dstvpoints", "StartDSTVPointsDlg", "none", true, runDstvPointsDialog,
         "the DSTV point files of the library: +, -, Edit, take into use"},
        // Dialogs without an entry point of their own, reached the way the host reaches them.
        {"sstool", "DlgSSAsTool", "ss-as-tool", false, runSSAsTool,
         "the bill's sheet window, shown; F3 finds and F5 replaces in its grid"},
        {"options", "editSheetOptions", "none", true, nullptr,
         "the sheet options dialog: reached through the library editor, ss dialog editlibsections, values tab, 1200"},
        {"dstvedit", "CDlgEditDstvPoints", "dstv-edit", true, runDstvEditDialog,
         "the DSTV point editor on one file: reached through ss dialog dstvpoints, the file chosen, Edit"},
        {"prompt", "Ork_DlgPromptString", "none", true, nullptr,
         "the prompt dialog: reached through the library editor, ss dialog editlibsections, values tab, Rename (1201)"},
    };
    return entries;
}

const DialogEntry* findDialogEntry(const std::string& name) {
    const std::u16string wanted = os::toUtf16(name);
    for (const DialogEntry& entry : dialogEntries())
        if (os::equalsNoCase(os::toUtf16(entry.name), wanted) || os::equalsNoCase(os::toUtf16(entry.entryPoint), wanted))
            return &entry;
    return nullptr;
}

} // namespace sscmd
