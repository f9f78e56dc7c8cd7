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

MemHandle GlobalMemory::fromText(std::u16string_view text) {
    const std::size_t bytes = 2 * text.size() + 2;
    MemHandle handle = alloc(bytes);
    void* p = handle ? lock(handle) : nullptr;
    if (!p) {
        if (handle)
            free(handle);
        reportDiagnostic(u"Reallocate failed\n");
        return 0;
    }
    if (!text.empty())   // an empty view may have no data pointer at all
        std::memcpy(p, text.data(), 2 * text.size());   // the terminator is already zero
    unlock(handle);
    return handle;
}

bool GlobalMemory::toText(MemHandle handle, std::u16string& text) {
    text.clear();
    const std::size_t bytes = size(handle);
    const void* p = lock(handle);
    if (!p)
        return false;
    const std::size_t units = bytes / 2;
    std::u16string raw(units, u'\0');
    std::memcpy(raw.data(), p, units * 2);
    unlock(handle);
    const std::size_t end = raw.find(u'\0');
    text = raw.substr(0, end);
    return true;
}

} // namespace grid
