#pragma once
// One sheet of the grid: its cells and everything attached to them, its headers, spans, sizes, switches and
// properties, and its formulas with their recalculation. The grid window shows a Sheet and a document file
// stores one; both reach every attribute through the operations below.
//
// Addressing: columns and rows from 1; the header row and column at kHeaderIndex (-32767), which 0 also
// addresses; the corner (0, 0). Writes outside the column and row counts are refused (false); reads there give
// empty texts.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "grid/CellStore.h"
#include "grid/CustomFunction.h"
#include "grid/DependencyIndex.h"
#include "grid/Formula.h"
#include "grid/FormulaCache.h"
#include "grid/Operand.h"

namespace grid {

// The four ways of reading a cell as text.
enum class TextKind { Data = 0, Formula = 1, Tag = 2, Value = 3 };

// The switches (set/get switch) that have a name. The first four have a role inside the grid; the others the
// grid only stores, and they are named by the role the programs using the grid give them. Every other index is
// only stored too: its callers pass the number their own look prescribes, with a comment saying so.
enum : int {
    kSwitchRowHeaders = 4,     // row headers shown
    kSwitchAutoCalc = 7,       // automatic recalculation
    kSwitchRepaint = 8,
    kSwitchModified = 30,      // set by the window on user changes; read by the program
    kSwitchCalcSheet = 12,     // on while a sheet is loaded to be calculated; off in the standard look
    kSwitchF8 = 13,            // the one F8 flips: on in look mode 1 and while the find/replace window is open
    kSwitchOffWhileFinding = 20,  // turned off while the find/replace window is open
};

// Reference styles (SSSetRefStyle): the style formulas are read and written in. The default is A1.
enum : int { kRefStyleDefault = 0, kRefStyleA1 = 1, kRefStyleR1C1 = 2 };
inline RefStyle formulaStyle(int refStyle) { return refStyle == kRefStyleR1C1 ? RefStyle::R1C1 : RefStyle::A1; }

struct Span {
    int col = 0, row = 0, cols = 1, rows = 1;
    bool operator==(const Span&) const = default;
};

class Sheet {
public:
    Sheet();
    ~Sheet();
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    // Empties the sheet completely: cells, headers, sizes, spans, switches, properties, custom functions.
    // Ignored while the sheet is being calculated.
    void reset();
    // Empties the sheet as reset() does but keeps the custom functions: they belong to the program that
    // registered them, not to the document a load replaces.
    void clearDocument();

    // --- size
    int maxCols() const { return maxCols_; }
    int maxRows() const { return maxRows_; }
    // False for a negative count or one above the limits. Shrinking drops the cells outside the new counts.
    bool setMaxCols(int count);
    bool setMaxRows(int count);

    // --- contents
    // Data and value: the text becomes the cell's value by the cell's type (a number where the type reads
    // numbers, else text). Writing either removes a formula.
    bool setData(int col, int row, std::u16string_view text);
    bool setValue(int col, int row, std::u16string_view text);
    bool setNumber(int col, int row, double value);
    // Stores the value exactly as given, whatever the cell's type (a loader restoring a text "12" written into a
    // cell before it became a number cell). Removes a formula.
    bool setCellValue(int col, int row, const Value& value);
    // Sets a formula (with or without "="; in the current reference style). An empty text removes it. A text
    // that is no formula is refused and the cell keeps what it had. The cell is computed at once.
    bool setFormula(int col, int row, std::u16string_view formula, ParseError* error = nullptr);
    // The same without computing: the cell is only marked out of date, for a caller that sets many formulas
    // and then recalculates once (a document being loaded). A custom function is then called once per cell.
    bool setFormulaUncomputed(int col, int row, std::u16string_view formula);
    // The same for a formula parsed already for this cell (a document parses each formula once, to check it).
    bool setParsedFormulaUncomputed(int col, int row, std::shared_ptr<const ParsedProgram> program);
    bool setTag(int col, int row, std::u16string_view tag);
    bool clearCell(int col, int row);   // contents and formula; the attributes stay
    bool clearBlock(const Block& block);

    std::u16string text(int col, int row, TextKind kind) const;
    // The same text written into `out`, whose room is reused.
    void textInto(int col, int row, TextKind kind, std::u16string& out) const;
    std::u16string data(int col, int row) const { return text(col, row, TextKind::Data); }
    std::u16string valueText(int col, int row) const { return text(col, row, TextKind::Value); }
    std::u16string formula(int col, int row) const { return text(col, row, TextKind::Formula); }
    std::u16string tag(int col, int row) const { return text(col, row, TextKind::Tag); }
    Value value(int col, int row) const;
    bool numberValue(int col, int row, double& out) const;   // false when the value is no number
    bool hasFormula(int col, int row) const;

    // --- attributes (headers included)
    bool setCellType(int col, int row, const CellType& type);
    CellType cellType(int col, int row) const;
    int typeCode(int col, int row) const { return cellType(col, row).typeCode(); }
    bool setLocked(int col, int row, bool locked);
    bool locked(int col, int row) const;
    bool setFont(int col, int row, const Font& font);
    std::optional<Font> font(int col, int row) const;
    bool setColours(int col, int row, std::uint32_t back, std::uint32_t fore);
    bool colours(int col, int row, std::uint32_t& back, std::uint32_t& fore) const;   // false: never set
    bool setBorder(int col, int row, const Border& border);
    std::optional<Border> border(int col, int row) const;
    // The block forms; a negative end reaches the last column or row.
    bool setCellType(const Block& block, const CellType& type);
    bool setLocked(const Block& block, bool locked);
    bool setFont(const Block& block, const Font& font);
    bool setColours(const Block& block, std::uint32_t back, std::uint32_t fore);
    bool setBorder(const Block& block, const Border& border);

    // --- spans
    bool addSpan(int col, int row, int cols, int rows);   // refused when it overlaps another span
    bool spanAt(int col, int row, Span& span) const;      // the span covering the cell
    bool removeSpan(int anchorCol, int anchorRow);
    const std::vector<Span>& spans() const { return spans_; }

    // --- sizes: column widths in grid units (a character width), row heights in grid units (points);
    // pixels are derived: width * 8 + 4 and height * 4 / 3, rounded. Index 0 is the header.
    static constexpr double kDefaultColumnWidth = 8.43;
    static constexpr double kDefaultRowHeight = 12.75;
    bool setColumnWidth(int col, double width);
    double columnWidth(int col) const;
    bool setColumnWidthPx(int col, int pixels);
    int columnWidthPx(int col) const;
    bool setRowHeight(int row, double height);
    double rowHeight(int row) const;
    bool setRowHeightPx(int row, int pixels);
    int rowHeightPx(int row) const;
    // The sizes set explicitly (index 0 the header), for writers of documents.
    const std::unordered_map<int, double>& columnWidths() const { return colWidths_; }
    const std::unordered_map<int, double>& rowHeights() const { return rowHeights_; }

    // --- switches and properties
    void setSwitch(int index, bool on);
    bool switchOn(int index) const;
    void setProperty(int index, std::int64_t value);
    std::int64_t property(int index, std::int64_t fallback = 0) const;
    const std::unordered_map<int, bool>& switches() const { return switches_; }
    const std::unordered_map<int, std::int64_t>& properties() const { return properties_; }
    // kRefStyleDefault, kRefStyleA1 or kRefStyleR1C1.
    void setRefStyle(int style) { refStyle_ = style; }
    int refStyle() const { return refStyle_; }

    // --- rows, columns and blocks. References follow the cells they point to; a reference to a deleted cell
    // becomes #REF!. Refused (false) while a calculation runs.
    bool insertRows(int row, int count = 1);
    bool deleteRows(int row, int count = 1);
    bool insertCols(int col, int count = 1);
    bool deleteCols(int col, int count = 1);
    bool moveBlock(const Block& block, int targetCol, int targetRow);
    bool copyBlock(const Block& block, int targetCol, int targetRow);

    // --- calculation
    // Recalculates one cell after bringing up to date the cells it reads.
    bool recalcCell(int col, int row);
    void recalcAll();
    std::uint64_t evaluationCount() const { return evaluations_; }
    // True while a calculation runs (a custom function called by it may reach the sheet again).
    bool calculating() const { return calculating_ != 0; }

    // Registers (or replaces) a sheet function; formulas using its name work from now on.
    bool addCustomFunction(std::u16string_view name, int minArgs, int maxArgs, CustomCallback callback,
                           unsigned flags);
    bool addCustomFunction(std::u16string_view name, int minArgs, int maxArgs, SSCustomFunctionProc callback,
                           unsigned flags);
    bool hasCustomFunction(std::u16string_view name) const;

    // Visits every stored cell (headers included) with its position, for writers of documents.
    void forEachCell(const std::function<void(int col, int row)>& visit) const;
    // Visits the stored cells of the block (every other cell reads empty) in reading order: row by row, each row
    // from left to right; a negative end reaches the last column or row. Work that reads a sheet cell by cell
    // costs what the sheet holds, not what its size declares. The positions are taken before the first visit,
    // so `visit` may write into the sheet (a cell it creates is not visited); false from `visit` ends the walk.
    void forEachCellInReadingOrder(const Block& block, const std::function<bool(int col, int row)>& visit) const;
    // The last column and the last row that hold a value or a formula (0 where none does): what a writer of the
    // sheet's values covers.
    void contentExtent(int& lastCol, int& lastRow) const;
    // How many cells are stored (those with only an attribute included): room to make for a walk over them.
    std::size_t storedCells() const { return store_.liveCount(); }

private:
    class Host;
    friend class Host;

    static int internal(int index) { return index == kHeaderIndex ? 0 : index; }
    bool writable(int col, int row) const;
    bool readable(int col, int row) const;
    CellId cellAt(int col, int row) const;
    CellAttrs& attrsFor(int col, int row);
    const CellAttrs* attrsAt(int col, int row) const;
    Block clampBlock(const Block& block) const;
    template <class F>
    bool forBlock(const Block& block, F f);

    bool storeValue(int col, int row, Value v);
    void dropOutside(const Block& gone);
    Value convertText(int col, int row, std::u16string_view text) const;
    void dropFormula(CellId id);
    void registerFormula(CellId id);
    void unregisterFormula(CellId id);
    std::shared_ptr<const Formula> intern(Formula&& formula);
    std::shared_ptr<const Formula> intern(std::shared_ptr<const ParsedProgram> program);
    void installFormula(int col, int row, std::shared_ptr<const ParsedProgram> program);

    // Recalculation.
    void markNamedCallsDirty();
    void changed(int col, int row);                  // a value changed: its readers are out of date
    void markReadersDirty(int col, int row);
    void markDirty(CellId id);
    void recalcDirty();
    void calculate(std::span<const CellId> roots, bool forceRoots);
    void evaluateCell(CellId id, std::vector<Operand>& stack);
    void gatherPrecedents(CellId id, std::vector<CellId>& out);
    Value callCustom(std::u16string_view name, Operand* args, int count, bool& known, int col, int row);
    const std::shared_ptr<CustomFunction>* findCustom(std::u16string_view name);

    // Structure.
    using CellMap = std::function<bool(int& col, int& row)>;      // false: the cell is deleted
    using RefMap = std::function<bool(Block& block)>;             // false: the reference is lost
    bool restructure(const CellMap& cells, const RefMap& refs);
    void rebuildDependencies();

    CellStore store_;
    DependencyIndex deps_;
    int maxCols_ = 0, maxRows_ = 0;
    std::vector<Span> spans_;
    std::unordered_map<int, double> colWidths_;
    std::unordered_map<int, double> rowHeights_;
    std::unordered_map<int, bool> switches_;
    bool autoCalc_ = true;   // switches_[kSwitchAutoCalc], asked at nearly every write
    std::unordered_map<int, std::int64_t> properties_;
    int refStyle_ = kRefStyleDefault;
    CustomFunctions custom_;
    std::uint64_t customGeneration_ = 0;   // advanced whenever an entry of custom_ is added, replaced or removed
    // The functions found last by the text of the call that named them, a call being named by its formula's
    // text: formulas call the same few functions over and over, and casing and hashing each name cost more
    // than the call. A hit is checked against the name, so text reused at a freed formula's place is no harm.
    struct RecentCall {
        const char16_t* text = nullptr;
        std::size_t size = 0;
        std::uint64_t generation = 0;
        const std::shared_ptr<CustomFunction>* fn = nullptr;
    };
    static constexpr std::size_t kRecentCalls = 64;
    RecentCall recentCalls_[kRecentCalls];
    // The working lists of calculate(), one set per nesting level (a custom function may write to the sheet
    // and so calculate inside a calculation), kept so that a pass allocates nothing once they have grown.
    struct CalcScratch {
        struct Frame {
            CellId id;
            std::size_t begin, next, end;
        };
        std::vector<Frame> frames;
        std::vector<CellId> precedents;   // the precedents of every frame, stacked like the frames
        std::vector<CellId> tarjan;
        std::vector<CellId> group;
        std::vector<Operand> stack;   // one evaluation stack for the whole pass
    };
    std::vector<std::unique_ptr<CalcScratch>> calcScratch_;
    std::shared_ptr<const CellType> lastType_;   // the type set last, given again to the next cell of that type
    std::shared_ptr<const Font> lastFont_;       // the same for fonts
    std::vector<CellId> dirty_;
    std::vector<CellId> byName_;          // cells whose formulas call functions by name
    std::uint32_t pass_ = 0;
    int calculating_ = 0;
    bool deferCalculation_ = false;
    std::uint64_t evaluations_ = 0;
    std::mt19937_64 random_;
};

} // namespace grid
