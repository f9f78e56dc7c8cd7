#pragma once
// The grid's own document file: every attribute of a sheet as versioned, line-oriented UTF-8 text that a person
// can read and a version-control tool can diff (the format is described in docs/formats.md, "Grid documents").
//
// A document is read whole and checked whole before anything reaches a sheet, so a malformed, truncated or
// hostile file is refused with the number of its first bad line and the sheet stays exactly as it was. Memory
// grows with the file's size only: no count or index in a file makes the reader allocate more.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "grid/Sheet.h"
#include "os/bulkMemory.h"

namespace grid {

class GridDocument {
public:
    static constexpr int kVersion = 1;
    // Spans are checked against each other pairwise; a real sheet has a few dozen.
    static constexpr std::size_t kMaxSpans = 20000;

    // Reads a document text. On failure `error` reads "line N: why" and the document is left empty.
    bool parse(std::string_view utf8, std::u16string& error);
    // Every attribute of the sheet, in the document's order (cells row by row).
    static GridDocument capture(const Sheet& sheet);
    std::string toText() const;
    // Replaces the whole sheet (its custom functions stay: they are the program's) and recalculates it. False,
    // changing nothing, while the sheet is calculating (a custom function cannot pull the sheet from under
    // its own calculation).
    bool applyTo(Sheet& sheet) const;

    // Whole files. Load reads and checks the file before it touches the sheet; `error` then names the file and
    // the line. Save writes atomically: a failed save leaves the old file as it was.
    static bool load(Sheet& sheet, std::u16string_view path, std::u16string& error);
    static bool save(const Sheet& sheet, std::u16string_view path, std::u16string& error);

private:
    // The rarer, larger attributes of a cell, held apart so that the records of a large sheet stay small.
    struct CellAttributes {
        std::optional<std::u16string> formula;   // a formula's text, in a document captured from a sheet
        std::optional<std::u16string> tag;
        std::shared_ptr<const CellType> type;
        bool locked = false;
        std::shared_ptr<const Font> font;
        std::optional<std::uint32_t> back, fore;
        std::optional<Border> border;
    };
    struct CellRecord {
        int col = 0, row = 0;
        bool formula = false;   // the cell has a formula line (parsed into `program` when it parses)
        Value value;            // empty: none
        std::shared_ptr<const ParsedProgram> program;
        std::unique_ptr<CellAttributes> attributes;

        const CellAttributes& attrs() const {
            static const CellAttributes none;
            return attributes ? *attributes : none;
        }
        CellAttributes& more() {
            if (!attributes)
                attributes = std::make_unique<CellAttributes>();
            return *attributes;
        }
    };
    class Reader;

    int cols_ = 0, rows_ = 0;
    int refStyle_ = kRefStyleDefault;
    std::map<int, bool> switches_;
    std::map<int, std::int64_t> properties_;
    std::map<int, double> widths_, heights_;
    std::vector<Span> spans_;
    std::vector<CellRecord, os::BulkAllocator<CellRecord>> cells_;   // a big document's largest array
};

} // namespace grid
