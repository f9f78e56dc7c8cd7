#pragma once
// The grid in which a standards spreadsheet is calculated. It loads the document, reads the declarations,
// substitutes general variables, and walks the statements of the Calc section: each expression gets its
// variable names replaced by the coordinates of their declaration cells, becomes the formula of its own cell,
// and the value the grid computes goes into the assigned variable's declaration cell, where later statements
// find it. A statement may call a child spreadsheet, evaluated in another hidden standards window.
//
// One object serves many evaluations; each loads its document again.
#include "cadhost/ErrorStatus.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "spread/Ork_Spread.h"
#include "standards/KvDeclarations.h"
#include "standards/KvNameReplacer.h"
#include "standards/KvVarCells.h"

#include <string>
#include <string_view>
#include <memory>
#include <memory_resource>
#include <optional>
#include <unordered_map>
#include <vector>

class KvDlgStandardsData;

class KvCalcSS : public Ork_Spread {
public:
    // Child spreadsheets nest at most this deep (the sheet that calls counts).
    static constexpr int kMaxNesting = 16;

    KvCalcSS();
    ~KvCalcSS() override;

    Ork_String loadedFile;        // full path of the document last loaded
    Ork_StringArray genVarNames;  // general variables substituted into every cell
    Ork_StringArray genVarValues; // their values, paired by index

    KvVarCells& varCells() {
        m_namesValid = m_coordinatesValid = false;
        return m_varCells;
    }
    const KvVarCells& varCells() const { return m_varCells; }

    // A name that matches no file becomes the library's "Connection Standards\" + name + ".kvs".
    ErrorStatus loadStandardsFile(const Ork_String& name);
    // Empties the variable cells and reads the declarations of the loaded sheet. Right after a load within a
    // still view of the file system (an evaluation), a document loaded before with the very same bytes gives
    // the declarations it gave then.
    ErrorStatus readVarCells();
    // Substitutes the general variables in every cell.
    ErrorStatus replaceGenVars();

    // The phases of one evaluation: from and back to the macro, or from and back to the caller's cells.
    ErrorStatus prepareFromMacro(KvDlgStandardsData& record);
    ErrorStatus calculateToMacro(KvDlgStandardsData& record);
    ErrorStatus prepareFromCells(KvDlgStandardsData& record);
    ErrorStatus calculateToCells(KvVarCells& cells);

    // Registers the sheet functions, drops duplicate variables and runs every statement of the Calc section.
    ErrorStatus calculate();
    ErrorStatus calcCell(int col, int row);
    ErrorStatus callChild(const Ork_String& expression, const Ork_String& functionName);

    // Replaces every occurrence of each name that stands alone (not inside a longer name: the neighbours are no
    // ASCII letter, digit or "_") by its replacement, in one pass: where names overlap the longest wins, and
    // replacements are never searched again (KvNameReplacer). With `quote`, a replacement that is no number is
    // put in double quotes. True when anything was replaced.
    static bool replaceNames(Ork_String& text, const Ork_StringArray& names, const Ork_StringArray& replacements,
                             bool quote);
    // Where a child document named in a statement is found (the first existing candidate); `found` is false
    // (and the name comes back) when no candidate exists.
    Ork_String resolveChildFile(const Ork_String& name, bool& found) const;

private:
    // The first candidate of resolveChildFile that exists.
    static std::optional<Ork_String> findChildFile(const Ork_String& name, const Ork_String& folder,
                                                   const Ork_String& library);
    void reportFailedEquation(const Ork_String& name, const Ork_String& expression, int row);
    bool indexNames();
    void buildCoordinates();
    bool indexStands() const;
    struct Variable;
    Variable* lookUp(std::u16string_view name, std::size_t& next);
    int findVariable(const Ork_String& name);
    void toCoordinates(const Ork_String& expression, Ork_String& result);
    ui::Window* messageOwner();

    // Looked up by the words of a statement without copying them.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::u16string_view name) const { return std::hash<std::u16string_view>()(name); }
    };
    struct Variable {
        int index = 0;                  // of its first variable cell
        std::u16string coordinate;      // of that cell's declaration ("B12"), for names made of word characters
    };

    KvVarCells m_varCells;
    // The declarations of a document as loaded, kept with the bytes they were read from: a document loaded
    // again with the very same bytes (and no formulas, whose values could depend on other files) declares the
    // same variables. Only used within one still view of the file system, in which the bytes read are the
    // bytes loaded.
    struct KeptText {
        int col = 0, row = 0;
        Ork_String text;        // as loaded
        bool declaration = false;
    };
    struct KeptDeclarations {
        std::shared_ptr<const std::string> bytes;
        KvSectionMarkers markers;
        Ork_Array<KvVarCell> cells;
        std::vector<KeptText> texts;   // every cell holding text, in reading order
        // The texts the general variables' names last substituted are looked for in: the declarations and
        // the other texts that hold one of the names somewhere. The rows of a batch give the same names again
        // and again.
        std::vector<Ork_String> namesLooked;
        std::vector<std::size_t> lookedIn;
        bool lookedInKnown = false;
    };
    std::optional<KeptDeclarations> m_keptDeclarations;
    std::shared_ptr<const std::string> m_loadedBytes;   // of the document just loaded, while nothing was read since
    // What was kept of the document as loaded (its texts), from the declarations just read until the general
    // variables are substituted: meanwhile only declaration cells are written.
    KeptDeclarations* m_textsAsLoaded = nullptr;
    ErrorStatus replaceGenVarsAfterPreparing();
    struct StatementTexts {
        Ork_String text, name, expression, formula, result;
    };
    StatementTexts m_statement;   // calcCell's working texts
    // Name → first declaration, rebuilt whenever the cells may have changed. Names made of word characters
    // only are replaced by token; the others are matched first, with their coordinates, by m_otherNames.
    KvSectionMarkers m_markers;   // of the document loaded, found when its declarations were read
    bool m_markersValid = false;
    bool m_namesValid = false;
    bool m_coordinatesValid = false;
    using VariableMap = std::pmr::unordered_map<std::u16string, Variable, NameHash, std::equal_to<>>;
    // The map's nodes come from one buffer given back whole when the names are indexed again: a sheet of
    // thousands of variables would otherwise allocate and free a node per name at every evaluation.
    std::pmr::monotonic_buffer_resource m_nameMemory;
    std::optional<VariableMap> m_variables;
    std::vector<Variable*> m_firstDeclarations;   // per variable cell: its name's entry when it is the first
    std::size_t m_nextName = 0;   // look-up hints: the variable cell after the one found last
    std::size_t m_nextWord = 0;
    bool m_digitNames = false;    // whether a name starts with a digit (else such words are never looked up)
    KvNameReplacer m_otherNames;
    // The names and declaration cells the index and its coordinates were built from. An evaluation of the
    // same document finds them again and keeps the index, and with it the formulas its statements became.
    struct IndexedCell {
        Ork_String name;
        int col = 0, row = 0;
    };
    std::vector<IndexedCell> m_indexed;
    bool m_indexBuilt = false;       // m_indexed describes the index and its coordinates
    bool m_indexedDistinct = true;   // what indexNames answered for them
    // toCoordinates's answers while the index stands, by expression.
    static constexpr std::size_t kMaxKeptFormulas = 4096;
    std::unordered_map<std::u16string, std::u16string> m_formulas;
};
