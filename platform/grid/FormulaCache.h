#pragma once
// Parsed formulas kept by what they were parsed from: the text, the cell it was written into and the
// reference style. Parsing depends on nothing else, so a text seen again at the same cell gets the same
// program without being parsed again. A standards evaluation writes the same statements into the same cells
// every time it runs, which is why this exists.
//
// Programs are also shared by content: equal programs (a formula filled down a column keeps its relative
// references as offsets, so every copy is the same program) are one object, whichever sheet holds them.
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "grid/FormulaParser.h"
#include "grid/TextKeyTable.h"

namespace grid {

// A program with its sharing key (Formula::key).
struct ParsedProgram {
    Formula formula;
    std::string key;
};

class FormulaCache {
public:
    // Beyond either bound the kept texts start again empty: a simple rule that keeps memory bounded whatever
    // is typed, while the statements of any realistic sheet fit many times over.
    static constexpr std::size_t kMaxPrograms = 65536;
    static constexpr std::size_t kMaxTextChars = 8u << 20;

    static FormulaCache& instance();

    // How a text is looked up. By its cell: the text and the cell, cheap to build, found again when the same
    // statement is written into the same cell (every standards evaluation). By its shape: the references as
    // offsets, dearer to build but one entry for a formula filled down a column (a document being loaded).
    enum class KeyBy { Cell, Shape };

    // The program of `text` as the formula of cell (col, row); null, with `error` filled, when the text does
    // not parse (failures are not kept).
    std::shared_ptr<const ParsedProgram> parse(std::u16string_view text, int col, int row, RefStyle style,
                                               ParseError* error = nullptr, KeyBy by = KeyBy::Cell);
    // The shared program equal to `formula` (one built by changing another, as when rows move).
    std::shared_ptr<const ParsedProgram> share(Formula&& formula);
    void clear();
    std::size_t size();

private:
    std::shared_ptr<const ParsedProgram> shareLocked(std::shared_ptr<ParsedProgram> program);

    std::mutex mutex_;
    std::u16string lookup_;   // the key of the text being looked up, its room reused
    TextKeyTable keys_;       // key → index in programs_
    std::vector<std::shared_ptr<const ParsedProgram>> programs_;
    std::unordered_map<std::string, std::weak_ptr<const ParsedProgram>> byContent_;
    static constexpr std::size_t kFirstSweep = 1024;
    std::size_t sweepAt_ = kFirstSweep;
};

} // namespace grid
