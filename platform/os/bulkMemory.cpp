#include "os/bulkMemory.h"

#include <sys/mman.h>

#include <cstdint>

namespace os {
namespace {

std::size_t mappedBytes(std::size_t bytes) { return (bytes + kHugePageBytes - 1) & ~(kHugePageBytes - 1); }

} // namespace

void* allocateBulk(std::size_t bytes) {
    if (bytes < kHugePageBytes)
        return ::operator new(bytes);
    const std::size_t size = mappedBytes(bytes);
    if (size < bytes || size + kHugePageBytes < size)
        throw std::bad_alloc();
    // Mapped one huge page longer than asked, then trimmed to a 2 MB boundary at both ends: the kernel backs
    // only aligned 2 MB stretches by huge pages.
    void* mapped = ::mmap(nullptr, size + kHugePageBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kHugePageBytes - 1) & ~std::uintptr_t(kHugePageBytes - 1);
    if (aligned > start)
        ::munmap(mapped, aligned - start);
    if (const std::size_t tail = start + size + kHugePageBytes - (aligned + size))
        ::munmap(reinterpret_cast<void*>(aligned + size), tail);
    void* block = reinterpret_cast<void*>(aligned);
    // Only advice: where huge pages are off, or the kernel has none free, the block is backed by small pages.
    ::madvise(block, size, MADV_HUGEPAGE);
    return block;
}

void adviseHugePages(void* block, std::size_t bytes) noexcept {
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (start + kHugePageBytes - 1) & ~std::uintptr_t(kHugePageBytes - 1);
    const std::uintptr_t last = (start + bytes) & ~std::uintptr_t(kHugePageBytes - 1);
    if (bytes >= kHugePageBytes && last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

void releaseBulk(void* block, std::size_t bytes) noexcept {
    if (!block)
        return;
    if (bytes < kHugePageBytes) {
        ::operator delete(block);
        return;
    }
    ::munmap(block, mappedBytes(bytes));
}

} // namespace os
