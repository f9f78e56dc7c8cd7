#include "grid/GlobalMemory.h"

#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <unordered_map>

#include "grid/diagnostics.h"

namespace grid {
namespace {

struct Block {
    std::unique_ptr<unsigned char[]> bytes;
    std::size_t size = 0;
    int locks = 0;
};

struct Registry {
    std::mutex mutex;
    std::unordered_map<MemHandle, Block> blocks;
    MemHandle next = 1;
    int failAllocs = 0;
    int failLocks = 0;
};

Registry& registry() {
    static Registry r;
    return r;
}

// Blocks larger than this are refused: no text of a sheet comes near it, and a hostile size must not exhaust
// the machine.
constexpr std::size_t kMaxBlock = std::size_t(1) << 30;

} // namespace

MemHandle GlobalMemory::alloc(std::size_t bytes) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    if (r.failAllocs > 0) {
        --r.failAllocs;
        return 0;
    }
    if (bytes > kMaxBlock)
        return 0;
    Block block;
    block.bytes.reset(new (std::nothrow) unsigned char[bytes == 0 ? 1 : bytes]());
    if (!block.bytes)
        return 0;
    block.size = bytes;
    MemHandle handle = r.next++;
    r.blocks.emplace(handle, std::move(block));
    return handle;
}

void* GlobalMemory::lock(MemHandle handle) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.blocks.find(handle);
    if (it == r.blocks.end())
        return nullptr;
    if (r.failLocks > 0) {
        --r.failLocks;
        return nullptr;
    }
    ++it->second.locks;
    return it->second.bytes.get();
}

bool GlobalMemory::unlock(MemHandle handle) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.blocks.find(handle);
    if (it == r.blocks.end() || it->second.locks == 0)
        return false;
    --it->second.locks;
    return true;
}

bool GlobalMemory::free(MemHandle handle) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    return r.blocks.erase(handle) == 1;
}

std::size_t GlobalMemory::size(MemHandle handle) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.blocks.find(handle);
    return it == r.blocks.end() ? 0 : it->second.size;
}

bool GlobalMemory::isValid(MemHandle handle) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    return r.blocks.count(handle) == 1;
}

std::size_t GlobalMemory::liveBlocks() {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    return r.blocks.size();
}

void GlobalMemory::injectFailures(int count, bool locks) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    if (locks)
        r.failLocks = count;
    else
        r.failAllocs = count;
}

// fromText and toText work under one hold of the registry, as alloc, lock, unlock (and size) would one after
// the other: every text a custom sheet function reads or returns passes here.
MemHandle GlobalMemory::fromText(std::u16string_view text) {
    const std::size_t bytes = 2 * text.size() + 2;
    {
        Registry& r = registry();
        std::lock_guard lock(r.mutex);
        const bool allocFails = r.failAllocs > 0 || bytes > kMaxBlock;
        if (r.failAllocs > 0)
            --r.failAllocs;
        else if (!allocFails && r.failLocks > 0)
            --r.failLocks;   // the block would be allocated and fail to lock
        else if (!allocFails) {
            Block block;
            block.bytes.reset(new (std::nothrow) unsigned char[bytes]);
            if (block.bytes) {
                if (!text.empty())   // an empty view may have no data pointer at all
                    std::memcpy(block.bytes.get(), text.data(), 2 * text.size());
                block.bytes[bytes - 2] = block.bytes[bytes - 1] = 0;
                block.size = bytes;
                const MemHandle handle = r.next++;
                r.blocks.emplace(handle, std::move(block));
                return handle;
            }
        }
    }
    reportDiagnostic(u"Reallocate failed\n");
    return 0;
}

bool GlobalMemory::toText(MemHandle handle, std::u16string& text) {
    text.clear();
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.blocks.find(handle);
    if (it == r.blocks.end())
        return false;
    if (r.failLocks > 0) {
        --r.failLocks;
        return false;
    }
    const Block& block = it->second;
    const std::size_t units = block.size / 2;
    std::size_t end = 0;
    while (end < units) {
        char16_t unit;
        std::memcpy(&unit, block.bytes.get() + 2 * end, 2);   // a block need not be aligned for char16_t
        if (unit == 0)
            break;
        ++end;
    }
    text.resize(end);
    if (end > 0)
        std::memcpy(text.data(), block.bytes.get(), 2 * end);
    return true;
}

} // namespace grid
