#pragma once
// A hash table from texts to numbers, made for look-ups that come again in the order the texts were added (a
// sheet's statements, written into the same cells at every evaluation). The texts sit one after another in a
// single buffer, and a look-up first tries the text added after the one found last: a run of look-ups in the
// order of adding then reads memory front to back and never touches the hash slots, which for a large table
// cost a cache miss each.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace grid {

class TextKeyTable {
public:
    // The number stored with `text`, or -1.
    int find(std::u16string_view text);
    // Adds `text`, which must not be in the table yet, with a number of at least 0.
    void add(std::u16string_view text, int value);
    void clear();
    std::size_t size() const { return entries_.size(); }
    std::size_t textChars() const { return texts_.size(); }

private:
    struct Entry {
        std::uint32_t offset;
        std::uint32_t length;
        std::int32_t value;
    };
    struct Slot {
        std::uint64_t hash = 0;
        std::int32_t entry = -1;   // -1: free
    };
    static std::uint64_t hashOf(std::u16string_view text);
    bool holds(const Entry& entry, std::u16string_view text) const;
    void place(std::uint64_t hash, std::int32_t entry);
    void grow();

    std::vector<Entry> entries_;   // in the order added
    std::vector<Slot> slots_;      // a power of two long, at most half full
    std::u16string texts_;
    std::size_t next_ = 0;         // the entry after the one found last
};

} // namespace grid
