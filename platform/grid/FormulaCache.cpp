#include "grid/FormulaCache.h"

#include <algorithm>
#include <iterator>

namespace grid {
namespace {

// The cell and the style lead the text, so equal keys mean equal inputs of the parser. An A1 formula looked up
// by its shape leaves the cell out: a column of filled-down formulas is one key.
void makeKey(std::u16string& key, std::u16string_view text, int col, int row, RefStyle style,
             FormulaCache::KeyBy by) {
    if (by == FormulaCache::KeyBy::Shape && style == RefStyle::A1 && formulaShape(text, col, row, key)) {
        key.insert(key.begin(), u'S');   // apart from the other keys, which start with the style
        return;
    }
    key.clear();
    key += style == RefStyle::R1C1 ? u'R' : u'A';
    for (const std::uint32_t n : {static_cast<std::uint32_t>(col), static_cast<std::uint32_t>(row)}) {
        key += static_cast<char16_t>(n >> 16);
        key += static_cast<char16_t>(n & 0xFFFF);
    }
    key += text;
}

} // namespace

FormulaCache& FormulaCache::instance() {
    static FormulaCache cache;
    return cache;
}

std::shared_ptr<const ParsedProgram> FormulaCache::parse(std::u16string_view text, int col, int row, RefStyle style,
                                                         ParseError* error, KeyBy by) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        makeKey(lookup_, text, col, row, style, by);
        const int found = keys_.find(lookup_);
        if (found >= 0)
            return programs_[static_cast<std::size_t>(found)];
    }
    Formula formula;
    if (!parseFormula(text, col, row, style, formula, error))
        return nullptr;
    // Copied, not moved, into the program made after parsing: its operations then lie next to it in memory,
    // away from the parser's scratch, and registering or computing the cell reads them together.
    auto parsed = std::make_shared<ParsedProgram>();
    parsed->formula = formula;
    parsed->key = parsed->formula.key();
    std::lock_guard<std::mutex> lock(mutex_);
    std::shared_ptr<const ParsedProgram> program = shareLocked(std::move(parsed));
    makeKey(lookup_, text, col, row, style, by);
    if (keys_.find(lookup_) >= 0)
        return program;   // another thread parsed it meanwhile
    if (programs_.size() >= kMaxPrograms || keys_.textChars() + lookup_.size() > kMaxTextChars) {
        keys_.clear();
        programs_.clear();
    }
    keys_.add(lookup_, static_cast<int>(programs_.size()));
    programs_.push_back(program);
    return program;
}

std::shared_ptr<const ParsedProgram> FormulaCache::share(Formula&& formula) {
    auto program = std::make_shared<ParsedProgram>();
    program->key = formula.key();
    program->formula = std::move(formula);
    std::lock_guard<std::mutex> lock(mutex_);
    return shareLocked(std::move(program));
}

std::shared_ptr<const ParsedProgram> FormulaCache::shareLocked(std::shared_ptr<ParsedProgram> program) {
    auto [it, added] = byContent_.try_emplace(program->key);
    if (!added) {
        if (auto shared = it->second.lock())
            return shared;
    }
    it->second = program;
    // Forget programs nothing holds any more whenever the table has doubled since it was last swept, so it
    // does not grow with every edit and sweeping stays linear overall.
    if (byContent_.size() > sweepAt_) {
        for (auto i = byContent_.begin(); i != byContent_.end();)
            i = i->second.expired() ? byContent_.erase(i) : std::next(i);
        sweepAt_ = std::max<std::size_t>(kFirstSweep, 2 * byContent_.size());
    }
    return program;
}

void FormulaCache::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    keys_.clear();
    programs_.clear();
    byContent_.clear();
    sweepAt_ = kFirstSweep;
}

std::size_t FormulaCache::size() {
    std::lock_guard<std::mutex> lock(mutex_);
    return programs_.size();
}

} // namespace grid
