#pragma once
// Movable memory blocks, the way the grid hands texts to and from custom sheet functions: a block is allocated
// by size, locked to reach its bytes, unlocked, and freed by whoever owns it. Handles are never reused, so a
// stale or foreign handle is recognised and refused instead of touching freed memory.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace grid {

using MemHandle = std::uint64_t;   // 0 is no block

class GlobalMemory {
public:
    static MemHandle alloc(std::size_t bytes);          // zero-filled; 0 when the allocation fails
    static void* lock(MemHandle handle);                // nullptr for an unknown handle or an injected failure
    static bool unlock(MemHandle handle);
    static bool free(MemHandle handle);                 // false for an unknown handle
    static std::size_t size(MemHandle handle);          // 0 for an unknown handle
    static bool isValid(MemHandle handle);
    static std::size_t liveBlocks();

    // A zero-terminated UTF-16 copy of the text in a new block of 2 x length + 2 bytes. On failure prints
    // "Reallocate failed\n" through the diagnostics sink and returns 0.
    static MemHandle fromText(std::u16string_view text);
    // Reads a block written by fromText (up to its terminator or its end); false for an unusable handle.
    static bool toText(MemHandle handle, std::u16string& text);

    // Test hook: the next `count` allocations (and locks, when `locks` is set) fail.
    static void injectFailures(int count, bool locks = false);
};

} // namespace grid
