#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <vector>

#include "os/bulkMemory.h"

namespace {

// Whether the page at `p` is mapped into the process at all.
bool mapped(const void* p) {
    const auto page = reinterpret_cast<std::uintptr_t>(p) & ~std::uintptr_t(::sysconf(_SC_PAGESIZE) - 1);
    unsigned char resident = 0;
    return ::mincore(reinterpret_cast<void*>(page), 1, &resident) == 0 || errno != ENOMEM;
}

} // namespace

// A large block starts on a huge-page boundary, holds every byte asked for, and is unmapped when released.
TEST(BulkMemory, LargeBlocksAreAlignedWholeAndGivenBack) {
    const std::size_t bytes = 5 * os::kHugePageBytes + 1;
    auto* block = static_cast<unsigned char*>(os::allocateBulk(bytes));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % os::kHugePageBytes, 0u);
    EXPECT_EQ(block[0], 0);   // fresh from the kernel
    std::memset(block, 0xA5, bytes);
    EXPECT_EQ(block[bytes - 1], 0xA5);
    os::releaseBulk(block, bytes);
    EXPECT_FALSE(mapped(block));
    EXPECT_FALSE(mapped(block + bytes - 1));
}

// Below a huge page, blocks are ordinary heap blocks (the sanitizers check their release), and the advice for
// blocks of another allocator is harmless whatever their size.
TEST(BulkMemory, SmallBlocksAndAdviceAreHarmless) {
    void* small = os::allocateBulk(100);
    ASSERT_NE(small, nullptr);
    std::memset(small, 1, 100);
    os::adviseHugePages(small, 100);
    os::releaseBulk(small, 100);
    os::releaseBulk(nullptr, 10 * os::kHugePageBytes);

    std::vector<char> other(3 * os::kHugePageBytes + 123);
    os::adviseHugePages(other.data(), other.size());
    std::memset(other.data(), 2, other.size());
    EXPECT_EQ(other.back(), 2);
}

// A container on bulk memory keeps its contents as it grows from small blocks into large ones and back.
TEST(BulkMemory, AContainerGrowsAcrossTheHugePageSize) {
    std::vector<std::uint32_t, os::BulkAllocator<std::uint32_t>> numbers;
    const std::size_t count = 3 * os::kHugePageBytes / sizeof(std::uint32_t);
    for (std::uint32_t i = 0; i < count; ++i)
        numbers.push_back(i * 7u);
    EXPECT_EQ(numbers[12345], 12345u * 7u);
    EXPECT_EQ(numbers.back(), std::uint32_t(count - 1) * 7u);
    numbers.resize(1000);
    numbers.shrink_to_fit();
    EXPECT_EQ(std::accumulate(numbers.begin(), numbers.end(), std::uint64_t(0)), 7u * 999u * 1000u / 2u);
}
