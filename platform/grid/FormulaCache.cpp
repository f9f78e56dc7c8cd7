#include "grid/FormulaCache.h"

namespace grid {
namespace {

// The cell and the style lead the text, so equal keys mean equal inputs of the parser.
std::u16string keyOf(std::u16string_view text, int col, int row, RefStyle style) {
    std::u16string key;
    key.reserve(text.size() + 5);
    key += style == RefStyle::R1C1 ? u'R' : u'A';
    for (const std::uint32_t n : {static_cast<std::uint32_t>(col), static_cast<std::uint32_t>(row)}) {
        key += static_cast<char16_t>(n >> 16);
        key += static_cast<char16_t>(n & 0xFFFF);
    }
    key += text;
    return key;
}

} // namespace

FormulaCache& FormulaCache::instance() {
    static FormulaCache cache;
    return cache;
}

std::shared_ptr<const ParsedProgram> FormulaCache::parse(std::u16string_view text, int col, int row, RefStyle style,
                                                         ParseError* error) {
    std::u16string key = keyOf(text, col, row, style);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto found = programs_.find(key);
        if (found != programs_.end())
            return found->second;
    }
    auto program = std::make_shared<ParsedProgram>();
    if (!parseFormula(text, col, row, style, program->formula, error))
        return nullptr;
    program->key = program->formula.key();
    std::lock_guard<std::mutex> lock(mutex_);
    if (programs_.size() >= kMaxPrograms || textChars_ + key.size() > kMaxTextChars) {
        programs_.clear();
        textChars_ = 0;
    }
    const std::size_t chars = key.size();
    if (programs_.emplace(std::move(key), program).second)
        textChars_ += chars;
    return program;
}

void FormulaCache::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    programs_.clear();
    textChars_ = 0;
}

std::size_t FormulaCache::size() {
    std::lock_guard<std::mutex> lock(mutex_);
    return programs_.size();
}

} // namespace grid
