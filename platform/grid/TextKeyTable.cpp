#include "grid/TextKeyTable.h"

#include <cstring>
#include <functional>

namespace grid {

std::uint64_t TextKeyTable::hashOf(std::u16string_view text) { return std::hash<std::u16string_view>()(text); }

bool TextKeyTable::holds(const Entry& entry, std::u16string_view text) const {
    // Compared as bytes: equality is all that is asked, and the character-wise compare of char16_t texts is a
    // loop of its own where memcmp compares many at once.
    return entry.length == text.size() &&
           std::memcmp(texts_.data() + entry.offset, text.data(), text.size() * sizeof(char16_t)) == 0;
}

int TextKeyTable::find(std::u16string_view text) {
    if (next_ < entries_.size() && holds(entries_[next_], text))
        return entries_[next_++].value;
    if (slots_.empty())
        return -1;
    const std::uint64_t hash = hashOf(text);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& s = slots_[i];
        if (s.entry < 0)
            return -1;
        const Entry& e = entries_[static_cast<std::size_t>(s.entry)];
        if (s.hash == hash && holds(e, text)) {
            next_ = static_cast<std::size_t>(s.entry) + 1;
            return e.value;
        }
    }
}

void TextKeyTable::add(std::u16string_view text, int value) {
    if (2 * (entries_.size() + 1) > slots_.size())
        grow();
    entries_.push_back({static_cast<std::uint32_t>(texts_.size()), static_cast<std::uint32_t>(text.size()), value});
    texts_ += text;
    place(hashOf(text), static_cast<std::int32_t>(entries_.size() - 1));
}

void TextKeyTable::place(std::uint64_t hash, std::int32_t entry) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = hash & mask;
    while (slots_[i].entry >= 0)
        i = (i + 1) & mask;
    slots_[i] = {hash, entry};
}

void TextKeyTable::grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 64 : 2 * old.size(), Slot{});
    for (const Slot& s : old)
        if (s.entry >= 0)
            place(s.hash, s.entry);
}

void TextKeyTable::clear() {
    entries_.clear();
    slots_.clear();
    texts_.clear();
    next_ = 0;
}

} // namespace grid
