#include "standards/KvCalcSS.h"

#include "cadhost/CommandLine.h"
#include "cadhost/MainWindow.h"
#include "SS/SSExports.h"
#include "base/SSTimers.h"
#include "base/calculatingDocuments.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/fileHelpers.h"
#include "nuvo/textHelpers.h"
#include "os/files.h"
#include "os/snapshot.h"
#include "standards/KvDeclarations.h"
#include "standards/KvDlgStandardsData.h"
#include "standards/KvNameReplacer.h"
#include "standards/KvResolvedPaths.h"
#include "standards/KvSSFunctions.h"
#include "ui/Services.h"
#include "ui/constants.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace {

constexpr const char16_t* kChildFunction = u"CallChild";
// Standards sheets are tens of kilobytes; the declarations of a larger document are read again each time.
constexpr std::uint64_t kMaxKeptDocumentBytes = 1u << 20;

// How many standards documents are being calculated, one inside the other. A child call that would reopen a
// document being calculated, or nest deeper than kMaxNesting, is refused: without this, a child that calls its
// parent would take a new hidden window per level until memory or the stack ran out.
int gNesting = 0;

// One document in calculation, registered for as long as its calculation runs.
class ChainEntry {
public:
    explicit ChainEntry(std::string key) : m_key(std::move(key)) {
        calculatingDocuments::enter(m_key);
        ++gNesting;
    }
    ~ChainEntry() {
        --gNesting;
        calculatingDocuments::leave(m_key);
    }
    ChainEntry(const ChainEntry&) = delete;
    ChainEntry& operator=(const ChainEntry&) = delete;

private:
    const std::string m_key;
};

bool isWordChar(char16_t c) { return KvNameReplacer::isWordChar(c); }

std::u16string_view trimmedView(std::u16string_view text) {
    const std::size_t first = text.find_first_not_of(u" \t");
    if (first == std::u16string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(u" \t") - first + 1);
}

bool isWordOnly(const Ork_String& name) {
    return !name.isEmpty() && std::all_of(name.begin(), name.end(), isWordChar);
}

// Lightweight view of a live grid for the declaration rules.
class SpreadTexts : public KvSheetTexts {
public:
    explicit SpreadTexts(Ork_Spread& sheet) : sheet_(sheet), cols_(sheet.getMaxCols()), rows_(sheet.getMaxRows()) {}
    int columns() override { return cols_; }
    int rows() override { return rows_; }
    void readText(int col, int row, Ork_String& out) override {
        sheet_.getCellText(col, row, out, Ork_Spread::kTextValue);
    }
    // The cells the grid stores: the others read empty.
    void forEachCell(int first, int last, const std::function<bool(int col, int row)>& visit) override {
        if (cols_ < 1 || first > last || last < 1)
            return;
        std::vector<SSCellPos> cells;
        sheet_.ssGetStoredCells(1, std::max(first, 1), cols_, last, cells);
        for (const SSCellPos& cell : cells)
            if (!visit(cell.col, cell.row))
                return;
    }

private:
    Ork_Spread& sheet_;
    int cols_;
    int rows_;
};


} // namespace

KvCalcSS::KvCalcSS() = default;
KvCalcSS::~KvCalcSS() = default;

ui::Window* KvCalcSS::messageOwner() {
    ui::Window* owner = getParent();
    return owner ? owner : adsw_acadMainWnd();
}

// ---- loading and declarations

ErrorStatus KvCalcSS::loadStandardsFile(const Ork_String& name) {
    Ork_String path = name;
    if (!ObjectExportFileExists(name))
        path = Ork_Settings::libDir() + u"Connection Standards\\" + name + u".kvs";
    ssSetBool(grid::kSwitchF8, true);
    ssSetBool(grid::kSwitchRepaint, false);
    ssSetBool(grid::kSwitchCalcSheet, true);
    ssSetBool(grid::kSwitchAutoCalc, false);
    m_loadedBytes.reset();
    m_textsAsLoaded = nullptr;
    if (!ssLoadFromFile(path.c_str()))
        return eInvalidInput;
    // A document brings its own switches; the statements must not recalculate on every write.
    ssSetBool(grid::kSwitchAutoCalc, false);
    loadedFile = path;
    m_namesValid = m_coordinatesValid = m_markersValid = false;
    if (os::FileSystemSnapshot::active()) {
        // The still view gives the bytes the grid has just loaded.
        bool tooLarge = false;
        std::shared_ptr<const std::string> bytes = os::readShared(path, kMaxKeptDocumentBytes, tooLarge);
        const bool kept = bytes && m_keptDeclarations && m_keptDeclarations->bytes == bytes;   // known free of formulas
        if (bytes && (kept || bytes->find("formula") == std::string::npos))
            m_loadedBytes = std::move(bytes);
    }
    return eOk;
}

ErrorStatus KvCalcSS::readVarCells() {
    m_namesValid = m_coordinatesValid = false;
    m_textsAsLoaded = nullptr;
    std::shared_ptr<const std::string> loaded = std::move(m_loadedBytes);
    m_loadedBytes.reset();
    if (loaded && os::FileSystemSnapshot::active() && m_keptDeclarations && m_keptDeclarations->bytes == loaded) {
        m_markers = m_keptDeclarations->markers;
        m_markersValid = true;
        m_varCells.copyCells(m_keptDeclarations->cells);
        m_textsAsLoaded = &*m_keptDeclarations;
        return eOk;
    }
    m_varCells.resetVarCells();
    SpreadTexts texts(*this);
    Ork_Array<KvVarCell> cells;
    m_markers = readSectionsAndDeclarations(texts, cells);
    m_markersValid = true;
    if (loaded && os::FileSystemSnapshot::active()) {
        KeptDeclarations kept{std::move(loaded), m_markers, cells, {}, {}, {}, false};
        std::unordered_set<std::uint64_t> declared;
        for (const KvVarCell& cell : cells)
            declared.insert(std::uint64_t(std::uint32_t(cell.col)) << 32 | std::uint32_t(cell.row));
        Ork_String text;
        texts.forEachCell(1, texts.rows(), [&](int col, int row) {
            if (getCellText(col, row, text, kTextValue) && !text.isEmpty())
                kept.texts.push_back({col, row, text,
                                      declared.count(std::uint64_t(std::uint32_t(col)) << 32 | std::uint32_t(row)) > 0});
            return true;
        });
        m_keptDeclarations = std::move(kept);
        m_textsAsLoaded = &*m_keptDeclarations;
    }
    m_varCells.takeCells(std::move(cells));
    return eOk;
}

// ---- name replacement

bool KvCalcSS::replaceNames(Ork_String& text, const Ork_StringArray& names, const Ork_StringArray& replacements,
                            bool quote) {
    // Only the names the text holds somewhere take part: a macro brings many general variables and every cell
    // of a sheet passes here.
    KvNameReplacer replacer;
    const int pairs = std::min(names.length(), replacements.length());
    for (int i = 0; i < pairs; ++i) {
        const Ork_String& name = names[i];
        if (name.isEmpty() || text.find(name) == Ork_String::npos)
            continue;
        if (quote && !isNumber(replacements[i]))
            replacer.add(name, u"\"" + replacements[i] + u"\"");
        else
            replacer.add(name, replacements[i]);
    }
    if (replacer.isEmpty())
        return false;
    Ork_String result;
    if (!replacer.replace(text, result))
        return false;
    text = std::move(result);
    return true;
}

ErrorStatus KvCalcSS::replaceGenVars() {
    if (genVarNames.isEmpty() || genVarValues.isEmpty())
        return eOk;   // nothing can be replaced
    SpreadTexts texts(*this);
    Ork_String text;
    texts.forEachCell(1, texts.rows(), [&](int col, int row) {
        if (getCellText(col, row, text, kTextValue) && !text.isEmpty() && replaceNames(text, genVarNames, genVarValues, true))
            ssSetData(col, row, text.c_str());
        return true;
    });
    return eOk;
}

// replaceGenVars on a sheet that is the document as loaded but for its declaration cells: only those and the
// cells whose loaded text holds a name somewhere need to be read.
ErrorStatus KvCalcSS::replaceGenVarsAfterPreparing() {
    KeptDeclarations* loaded = std::exchange(m_textsAsLoaded, nullptr);
    if (!loaded)
        return replaceGenVars();
    if (genVarNames.isEmpty() || genVarValues.isEmpty())
        return eOk;
    const int pairs = std::min(genVarNames.length(), genVarValues.length());
    const auto holdsAName = [&](const Ork_String& text) {
        for (int i = 0; i < pairs; ++i)
            if (!genVarNames[i].isEmpty() && text.find(genVarNames[i]) != Ork_String::npos)
                return true;
        return false;
    };
    // Which names take part depends on the values too (an empty value's name does not), but which texts hold
    // a name only on the names: the texts are as loaded.
    const bool sameNames = loaded->lookedInKnown && loaded->namesLooked.size() == std::size_t(pairs) &&
                           std::equal(loaded->namesLooked.begin(), loaded->namesLooked.end(), genVarNames.begin());
    if (!sameNames) {
        loaded->lookedIn.clear();
        for (std::size_t k = 0; k < loaded->texts.size(); ++k)
            if (loaded->texts[k].declaration || holdsAName(loaded->texts[k].text))
                loaded->lookedIn.push_back(k);
        loaded->namesLooked.assign(genVarNames.begin(), genVarNames.begin() + pairs);
        loaded->lookedInKnown = true;
    }
    Ork_String text;
    for (const std::size_t k : loaded->lookedIn) {
        const KeptText& cell = loaded->texts[k];
        if (getCellText(cell.col, cell.row, text, kTextValue) && !text.isEmpty() &&
            replaceNames(text, genVarNames, genVarValues, true))
            ssSetData(cell.col, cell.row, text.c_str());
    }
    return eOk;
}

// Whether the variable cells are those the index and its coordinates were built from.
bool KvCalcSS::indexStands() const {
    if (!m_indexBuilt || !m_variables || m_indexed.size() != static_cast<std::size_t>(m_varCells.length()))
        return false;
    for (int i = 0; i < m_varCells.length(); ++i) {
        const KvVarCell& cell = m_varCells[i];
        const IndexedCell& indexed = m_indexed[static_cast<std::size_t>(i)];
        if (cell.col != indexed.col || cell.row != indexed.row || cell.name != indexed.name)
            return false;
    }
    return true;
}

// Indexes the names of the variable cells; false when a name occurs more than once (an empty name too).
bool KvCalcSS::indexNames() {
    Ork_TimerScope names(gCalcCellGetVarNames);
    m_nextName = m_nextWord = 0;
    if (indexStands()) {
        m_namesValid = m_coordinatesValid = true;
        return m_indexedDistinct;
    }
    m_indexBuilt = false;
    m_formulas.clear();
    m_variables.reset();
    m_nameMemory.release();
    m_variables.emplace(&m_nameMemory);
    m_variables->reserve(static_cast<std::size_t>(m_varCells.length()));
    m_firstDeclarations.assign(static_cast<std::size_t>(m_varCells.length()), nullptr);
    m_nextName = m_nextWord = 0;
    m_digitNames = false;
    bool distinct = true;
    for (int i = 0; i < m_varCells.length(); ++i) {
        const Ork_String& name = m_varCells[i].name;
        const auto [at, added] = m_variables->try_emplace(name, Variable{i, {}});
        if (added)
            m_firstDeclarations[static_cast<std::size_t>(i)] = &at->second;
        else
            distinct = false;
        m_digitNames = m_digitNames || (!name.empty() && name[0] >= u'0' && name[0] <= u'9');
    }
    m_namesValid = true;
    m_coordinatesValid = false;
    m_indexedDistinct = distinct;
    return distinct;
}

void KvCalcSS::buildCoordinates() {
    if (indexStands()) {
        m_namesValid = m_coordinatesValid = true;
        return;
    }
    if (!m_namesValid)
        indexNames();
    m_otherNames.clear();
    Ork_TimerScope coords(gCalcCellGetVarCoords);
    for (int i = 0; i < m_varCells.length(); ++i) {
        const KvVarCell& cell = m_varCells[i];
        Variable* variable = m_firstDeclarations[static_cast<std::size_t>(i)];
        if (cell.name.isEmpty() || !variable)
            continue;   // a name stands for its first declaration
        Ork_TimerScope one(gCalcCellGetVarCoordName);
        Ork_String coordinate = getAlfabet(cell.col) + Ork_String(cell.row);
        if (isWordOnly(cell.name)) {
            variable->coordinate = std::move(coordinate);
        } else {
            variable->coordinate.clear();
            m_otherNames.add(cell.name, coordinate);
        }
    }
    m_coordinatesValid = true;
    m_indexed.clear();
    m_indexed.reserve(static_cast<std::size_t>(m_varCells.length()));
    for (const KvVarCell& cell : m_varCells)
        m_indexed.push_back({cell.name, cell.col, cell.row});
    m_indexBuilt = true;
}

// findVarCell's answer, from the index built with the coordinates (a sheet of many statements would
// otherwise search its variables once per statement).
int KvCalcSS::findVariable(const Ork_String& name) {
    if (!m_coordinatesValid)
        buildCoordinates();
    const Variable* variable = lookUp(name, m_nextName);
    return variable ? variable->index : -1;
}

// The variable of a name, trying first the variable cell after the one this kind of look-up found last:
// statements mostly name their variables in the order they are declared, and a sheet of thousands of them
// would otherwise pay a cache miss in the hash table per look-up.
KvCalcSS::Variable* KvCalcSS::lookUp(std::u16string_view name, std::size_t& next) {
    if (next < m_firstDeclarations.size()) {
        Variable* hinted = m_firstDeclarations[next];
        if (hinted && std::u16string_view(m_varCells[static_cast<int>(next)].name) == name) {
            ++next;
            return hinted;
        }
    }
    if (!m_variables)
        return nullptr;
    const auto found = m_variables->find(name);
    if (found == m_variables->end())
        return nullptr;
    next = static_cast<std::size_t>(found->second.index) + 1;
    return &found->second;
}

// Every variable name in the expression becomes the coordinate of its declaration cell, in one pass, so a
// coordinate just put in ("B12") is never taken for a variable of that name. A name holding characters other
// than word characters ("gen.Width") is tried first where it may start: it is longer than the word it begins
// with and wins over a variable of that word.
void KvCalcSS::toCoordinates(const Ork_String& expression, Ork_String& result) {
    Ork_TimerScope replace(gCalcCellReplaceVariables);
    if (!m_coordinatesValid)
        buildCoordinates();
    if (const auto kept = m_formulas.find(expression); kept != m_formulas.end()) {
        result.assign(kept->second);
        return;
    }
    result.clear();
    result.reserve(expression.size() + 8);
    const std::u16string_view text(expression);
    std::size_t i = 0;
    while (i < text.size()) {
        if (!m_otherNames.isEmpty()) {
            const Ork_String* coordinate = nullptr;
            if (const std::size_t length = m_otherNames.match(text, i, coordinate)) {
                result += *coordinate;
                i += length;
                continue;
            }
        }
        if (!isWordChar(text[i])) {
            result.push_back(text[i++]);
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && isWordChar(text[end]))
            ++end;
        const std::u16string_view word = text.substr(i, end - i);
        const bool maybeName = m_digitNames || word[0] < u'0' || word[0] > u'9';   // numbers are no names
        const Variable* variable = maybeName ? lookUp(word, m_nextWord) : nullptr;
        if (variable && !variable->coordinate.empty())
            result += variable->coordinate;
        else
            result += word;
        i = end;
    }
    if (m_formulas.size() < kMaxKeptFormulas)
        m_formulas.emplace(expression, result);
}

// ---- the calculation

void KvCalcSS::reportFailedEquation(const Ork_String& name, const Ork_String& expression, int row) {
    if (!Ork_Settings::standardsMessages())
        return;
    Ork_String text = u"The following equation failed:\n";
    if (!name.isEmpty())
        text += name + u" = ";
    text += expression + u"\n" + u"Spreadsheet : " + loadedFile + u" (line: " + Ork_String(row) + u")\n" +
            u"Here's a tip for finding the cause :\n" +
            u"If this equation contains variable names, then the translator does not know the value of the "
            u"variable. Make sure the variable exists either in input, output, local declarations or among the "
            u"gen_ variables.";
    ui::messageBox(messageOwner(), text, u"", ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

ErrorStatus KvCalcSS::calculate() {
    {
        Ork_TimerScope timer(gRegisterFuntions);
        registerStandardsFunctions(this);
    }
    {
        // The name index tells whether any name repeats; only then are the duplicates listed.
        Ork_TimerScope timer(gFindDuplicates);
        Ork_StringArray names;
        Ork_StringArray duplicated;
        if (!indexNames()) {
            for (const KvVarCell& cell : m_varCells)
                names.append(cell.name);
        }
        if (!names.isEmpty() && hasDuplicates(names, duplicated, false)) {
            const Ork_String text = u"There were duplicate variable names found in the standards file " + loadedFile +
                                    u".\nThe duplicates will be ignored. Please correct this file.\n" +
                                    u"Duplicate variable names:\n\n" + appStrs(duplicated, u"\n");
            ui::messageBox(messageOwner(), text, u"Variable names must be unique", ui::MB_OK | ui::MB_ICONEXCLAMATION);
            AcArray<int> indexes;
            getDuplicates(names, indexes, false);
            for (int i = indexes.length() - 1; i >= 0; --i)
                m_varCells.removeAt(indexes[i]);
            m_namesValid = m_coordinatesValid = false;
        }
    }
    Ork_TimerScope timer(gCalcCells);
    // The markers as the declarations were read: values written into the declaration cells since (a text
    // variable holding "Calc", say) are no markers.
    if (!m_markersValid) {
        SpreadTexts texts(*this);
        m_markers = findSectionMarkers(texts);
        m_markersValid = true;
    }
    const KvSectionMarker& calc = m_markers[KvSection::Calc];
    if (!calc.present)
        return eInvalidInput;
    buildCoordinates();
    ChainEntry running(calculatingDocuments::documentKey(loadedFile));
    // The statements write only into cells that hold something already (their own, and declaration cells), so
    // the cells stored when the loop starts are every cell it would find text in.
    SpreadTexts texts(*this);
    texts.forEachCell(calc.row + 1, texts.rows(), [&](int col, int row) {
        calcCell(col, row);
        return true;
    });
    return eOk;
}

ErrorStatus KvCalcSS::calcCell(int col, int row) {
    // The texts of a statement go into strings kept from statement to statement (no allocation per statement
    // once they have grown); a child call is evaluated by another window, so nothing re-enters here meanwhile.
    Ork_String& text = m_statement.text;
    Ork_String& name = m_statement.name;
    Ork_String& expression = m_statement.expression;
    name.clear();
    expression.clear();
    if (!getCellText(col, row, text, kTextValue) || text.isEmpty())
        return eInvalidInput;

    // The steps follow one another, each timed, with one reading of the clock between two.
    Ork_TimerSteps steps;
    bool assignment = true;
    // At the first "=", both sides trimmed of blanks and tabs.
    steps.next(gCalcCellSplitSymbol);
    const std::u16string_view whole(text);
    const std::size_t equals = whole.find(u'=');
    if (equals != std::u16string_view::npos) {
        name.assign(trimmedView(whole.substr(0, equals)));
        expression.assign(trimmedView(whole.substr(equals + 1)));
    } else {
        expression.assign(trimmedView(whole));
        assignment = false;
    }

    steps.next(gCalcCellFindVarCell);
    const int index = findVariable(name);
    if (index < 0)
        assignment = false;

    steps.next(gCalcCellFindFunctions);
    const bool childCall = std::u16string_view(expression).find(kChildFunction) != std::u16string_view::npos;
    if (!childCall && !assignment) {
        steps.stop();
        reportFailedEquation(name, expression, row);
        return eInvalidInput;
    }
    if (childCall) {
        steps.next(gCalcCellCalcNativeFunctions);
        if (callChild(expression, kChildFunction) != eOk) {
            reportFailedEquation(name, expression, row);
            return eInvalidInput;
        }
        return eOk;
    }

    steps.next(gCalcCellCalcFunctionsPrepare);
    if (m_varCells[index].valueType == KvValueType::String)
        setEditType(col, row, col, row, 0x110000, KvVarCell::kMaxTextLength);
    else
        setNumberCell(col, row, 7, false);
    Ork_String& formula = m_statement.formula;
    toCoordinates(expression, formula);
    if (!ssSetFormula(col, row, formula.c_str(), true)) {
        reportFailedEquation(name, expression, row);
        return eInvalidInput;
    }

    steps.next(gCalcCellCalcFunctions);
    Ork_String& result = m_statement.result;
    // An error value (a look-up without its key, a section the tables do not know) is no value: stored, its text
    // would reach the caller as an output or the macro through the mapping.
    if (!getCellText(col, row, result, kTextValue) || holdsErrorValue(col, row)) {
        reportFailedEquation(name, expression, row);
        return eInvalidInput;
    }
    return m_varCells[index].setNewValue(*this, result);
}

// ---- child spreadsheets

Ork_String KvCalcSS::resolveChildFile(const Ork_String& name, bool& found) const {
    const Ork_String library = Ork_Settings::libDir();
    static KvResolvedPaths resolved;
    const Ork_String folder = getPath(loadedFile);
    const std::optional<Ork_String> path = resolved.resolve(folder + u"\n" + library + u"\n" + name,
                                                            [&] { return findChildFile(name, folder, library); });
    found = path.has_value();
    return found ? *path : name;
}

std::optional<Ork_String> KvCalcSS::findChildFile(const Ork_String& name, const Ork_String& folder,
                                                  const Ork_String& library) {
    if (ObjectExportFileExists(name))
        return name;
    Ork_String local = name;
    if (local.startsWith(u"\\"))
        local = local.mid(1);
    // Built one at a time: the first that exists ends the search.
    const auto candidateAt = [&](int i) {
        switch (i) {
        case 0: return folder + local;
        case 1: return library + u"Connection Standards\\" + name;
        case 2: return library + u"Connection Standards\\Childs\\" + name;
        case 3: return library + u"Connection Standards\\Data\\" + name;
        default: return library + u"Connection Standards\\Parents\\" + name;
        }
    };
    for (int i = 0; i < 5; ++i)
        if (Ork_String candidate = candidateAt(i); ObjectExportFileExists(candidate))
            return candidate;
    return std::nullopt;
}

ErrorStatus KvCalcSS::callChild(const Ork_String& expression, const Ork_String& functionName) {
    const int at = expression.indexOf(functionName);
    if (at < 0)
        return eInvalidInput;
    const int open = expression.indexOf(u"(", at + functionName.len());
    if (open < 0)
        return eInvalidInput;
    const int close = expression.indexOf(u")", open + 1);
    if (close < 0)
        return eInvalidInput;
    Ork_StringArray parts;
    splitStringAtSymbol(expression.mid(open + 1, close - open - 1), u',', parts, true);
    if (parts.length() < 2)
        return eInvalidInput;

    Ork_String child = parts[0];
    if (child.startsWith(u"\""))
        child = child.mid(1);
    if (child.endsWith(u"\""))
        child = child.left(child.len() - 1);
    bool found = false;
    const Ork_String childPath = resolveChildFile(child, found);
    if (!found)
        return eInvalidInput;

    KvDlgStandardsData record;
    for (int i = 1; i < parts.length(); ++i) {
        int index = -1;
        if (m_varCells.findVarCell(parts[i], index) != eOk)
            return eInvalidInput;
        KvVarCell copy = m_varCells[index];
        copy.col = 0;
        copy.row = 0;
        record.varCells.append(copy);
    }
    if (!functionName.equal(kChildFunction, false))
        return eInvalidInput;
    if (childPath.equal(loadedFile, false))
        return eInvalidInput;
    if (calculatingDocuments::isCalculating(calculatingDocuments::documentKey(childPath))) {
        acutPrintf(u"\nChild spreadsheet %s is already being calculated (called from %s); the call is refused.\n",
                   childPath.c_str(), loadedFile.c_str());
        return eInvalidInput;
    }
    if (gNesting >= kMaxNesting) {
        acutPrintf(u"\nChild spreadsheet %s nests deeper than %d spreadsheets; the call is refused.\n",
                   childPath.c_str(), kMaxNesting);
        return eInvalidInput;
    }

    record.mode = KvDlgStandardsData::kDirectMode;
    record.file = childPath;
    record.genVarNames = genVarNames;
    record.genVarValues = genVarValues;
    if (!StartDlgStandardsSS(record))
        return eInvalidInput;

    for (const KvVarCell& returned : record.varCells) {
        if (!returned.isOutput())
            continue;
        int index = -1;
        if (m_varCells.findVarCell(returned.name, index) != eOk)
            continue;
        if (m_varCells[index].isInput())
            return eInvalidInput;
        if (m_varCells[index].setValueFromOther(*this, returned) != eOk)
            return eInvalidInput;
    }
    return eOk;
}

// ---- the phases of an evaluation

ErrorStatus KvCalcSS::prepareFromMacro(KvDlgStandardsData& record) {
    if (!record.dbMacro || !record.transaction)
        return eInvalidInput;
    {
        Ork_TimerScope timer(gInitSSForInput);
        genVarNames = record.genVarNames;
        genVarValues = record.genVarValues;
        if (readVarCells() != eOk)
            return eInvalidInput;
    }
    {
        Ork_TimerScope timer(gSSSGetFromMacro);
        if (m_varCells.getFromMacro(record) != eOk)
            return eInvalidInput;
    }
    {
        Ork_TimerScope timer(gSetMacroValuelsToSS);
        if (m_varCells.setValuesToSS(*this) != eOk)
            return eInvalidInput;
    }
    Ork_TimerScope timer(gSSSreplaceGenVars);
    return replaceGenVarsAfterPreparing();
}

ErrorStatus KvCalcSS::calculateToMacro(KvDlgStandardsData& record) {
    {
        Ork_TimerScope timer(gCalcMain);
        if (calculate() != eOk || m_varCells.getValuesFromSS(*this) != eOk)
            return eInvalidInput;
    }
    Ork_TimerScope timer(gSetToMacro);
    m_varCells.setToMacro(record);
    return eOk;
}

ErrorStatus KvCalcSS::prepareFromCells(KvDlgStandardsData& record) {
    Ork_TimerScope timer(gGetFromVars);
    genVarNames = record.genVarNames;
    genVarValues = record.genVarValues;
    if (readVarCells() != eOk)
        return eInvalidInput;
    int locals = 0;
    for (int i = 0; i < m_varCells.length(); ++i) {
        KvVarCell& cell = m_varCells[i];
        if (cell.isLocal()) {
            ++locals;
            if (cell.setNewValue(*this, Ork_String()) != eOk)
                return eInvalidInput;
        }
        const int k = i - locals;
        if (k >= record.varCells.length())
            return eInvalidInput;
        if (cell.isLocal())
            continue;
        const KvVarCell& given = record.varCells[k];
        if (cell.isOutput() && given.isInput())
            return eInvalidInput;
        if (cell.setValueFromOther(*this, given) != eOk)
            return eInvalidInput;
    }
    return replaceGenVarsAfterPreparing();
}

ErrorStatus KvCalcSS::calculateToCells(KvVarCells& cells) {
    {
        Ork_TimerScope timer(gCalcChild);
        if (calculate() != eOk)
            return eInvalidInput;
    }
    Ork_TimerScope timer(gSetToVars);
    int locals = 0;
    for (int i = 0; i < m_varCells.length(); ++i) {
        const KvVarCell& cell = m_varCells[i];
        if (cell.isLocal()) {
            ++locals;
            continue;
        }
        if (!cell.isOutput())
            continue;
        const int k = i - locals;
        if (k >= cells.length())
            return eInvalidInput;
        cells[k].setNewValue(cell.value);
    }
    return eOk;
}
