#include "os/snapshot.h"

#include "os/snapshotMemo.h"

namespace os {
namespace {

struct ThreadSnapshot {
    int depth = 0;
    detail::SnapshotMemo memo;
};

ThreadSnapshot& threadSnapshot() {
    thread_local ThreadSnapshot snapshot;
    return snapshot;
}

} // namespace

FileSystemSnapshot::FileSystemSnapshot() { ++threadSnapshot().depth; }

FileSystemSnapshot::~FileSystemSnapshot() {
    ThreadSnapshot& snapshot = threadSnapshot();
    if (--snapshot.depth == 0)
        snapshot.memo = detail::SnapshotMemo{};
}

bool FileSystemSnapshot::active() { return threadSnapshot().depth > 0; }

namespace detail {

SnapshotMemo* snapshotMemo() {
    ThreadSnapshot& snapshot = threadSnapshot();
    return snapshot.depth > 0 ? &snapshot.memo : nullptr;
}

void forgetSnapshot() {
    if (SnapshotMemo* memo = snapshotMemo())
        *memo = SnapshotMemo{};
}

} // namespace detail
} // namespace os
