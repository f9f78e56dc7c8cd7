#pragma once
// Memory for the few large arrays of a big sheet: its cells, a document's records, the lines of a printed table.
// A block of 2 MB or more comes from the kernel on a 2 MB boundary with the advice to back it by huge pages, so
// filling it costs one page fault per 2 MB instead of one per 4 KB; loading a sheet of 300,000 formulas spent a
// quarter of its time in those faults. Smaller blocks come from operator new, as they would anyway.
#include <cstddef>
#include <limits>
#include <new>

namespace os {

inline constexpr std::size_t kHugePageBytes = std::size_t(2) << 20;

// Like operator new: never null, std::bad_alloc when there is no memory.
void* allocateBulk(std::size_t bytes);
// Gives back what allocateBulk(bytes) returned; `bytes` must be the same.
void releaseBulk(void* block, std::size_t bytes) noexcept;

// Asks for huge pages behind the whole 2 MB stretches of a large block not yet written, which another allocator
// gave (a file's text in a std::string).
void adviseHugePages(void* block, std::size_t bytes) noexcept;

// For the containers of such arrays.
template <class T>
struct BulkAllocator {
    using value_type = T;
    BulkAllocator() noexcept = default;
    template <class U>
    BulkAllocator(const BulkAllocator<U>&) noexcept {}
    T* allocate(std::size_t n) {
        if (n > std::numeric_limits<std::size_t>::max() / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(allocateBulk(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept { releaseBulk(p, n * sizeof(T)); }
    template <class U>
    bool operator==(const BulkAllocator<U>&) const noexcept { return true; }
};

} // namespace os
