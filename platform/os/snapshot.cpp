#include "os/snapshot.h"

#include "os/changeWatch.h"
#include "os/snapshotMemo.h"

#include <atomic>
#include <system_error>

namespace os {
namespace {

// A view kept past its snapshot is dropped beyond this many entries: a long session asking ever new paths
// would otherwise keep them all.
constexpr std::size_t kMaxKeptEntries = 4096;
constexpr std::size_t kMaxKeptFileBytes = 64u << 20;

struct ThreadSnapshot {
    int depth = 0;
    detail::SnapshotMemo memo;
    bool kept = false;   // `memo` is the view of the last snapshot, for the next one to start from
    bool fromLast = false;
    std::uint64_t view = 0;
    detail::ChangeWatch watch;
};

ThreadSnapshot& threadSnapshot() {
    thread_local ThreadSnapshot snapshot;
    return snapshot;
}

// Views are numbered across threads, so that no two ever share a number.
std::uint64_t newView() {
    static std::atomic<std::uint64_t> views{0};
    return ++views;
}

bool worthKeeping(const detail::SnapshotMemo& memo) {
    if (!memo.covered)
        return false;
    if (memo.resolved.size() + memo.listings.size() + memo.files.size() + memo.canonical.size() > kMaxKeptEntries)
        return false;
    std::size_t bytes = 0;
    for (const auto& [path, contents] : memo.files)
        bytes += contents ? contents->size() : 0;
    return bytes <= kMaxKeptFileBytes;
}

// Relative names were resolved against the current folder the view took; another one makes them wrong.
bool sameCurrentFolder(const detail::SnapshotMemo& memo) {
    if (!memo.currentFolder)
        return true;
    std::error_code ec;
    const std::filesystem::path now = std::filesystem::current_path(ec);
    return !ec && now == *memo.currentFolder;
}

} // namespace

FileSystemSnapshot::FileSystemSnapshot() {
    ThreadSnapshot& snapshot = threadSnapshot();
    if (snapshot.depth++ > 0)
        return;
    // The events are taken every time, so that those before this snapshot never count against the next one.
    const bool changed = snapshot.watch.changed();
    snapshot.fromLast = snapshot.kept && !changed && sameCurrentFolder(snapshot.memo);
    if (!snapshot.fromLast) {
        snapshot.memo = detail::SnapshotMemo{};
        snapshot.view = newView();
    }
    snapshot.kept = false;
}

FileSystemSnapshot::~FileSystemSnapshot() {
    ThreadSnapshot& snapshot = threadSnapshot();
    if (--snapshot.depth > 0)
        return;
    snapshot.kept = snapshot.watch.usable() && worthKeeping(snapshot.memo);
    if (!snapshot.kept)
        snapshot.memo = detail::SnapshotMemo{};
}

bool FileSystemSnapshot::active() { return threadSnapshot().depth > 0; }

std::uint64_t FileSystemSnapshot::view() {
    const ThreadSnapshot& snapshot = threadSnapshot();
    return snapshot.depth > 0 ? snapshot.view : 0;
}

bool FileSystemSnapshot::startedFromLast() {
    const ThreadSnapshot& snapshot = threadSnapshot();
    return snapshot.depth > 0 && snapshot.fromLast;
}

namespace detail {

SnapshotMemo* snapshotMemo() {
    ThreadSnapshot& snapshot = threadSnapshot();
    return snapshot.depth > 0 ? &snapshot.memo : nullptr;
}

void forgetSnapshot() {
    ThreadSnapshot& snapshot = threadSnapshot();
    snapshot.memo = SnapshotMemo{};
    snapshot.kept = snapshot.fromLast = false;
    snapshot.view = newView();
}

void relyOn(std::string_view native, ChangeWatch::Reliance what) {
    ThreadSnapshot& snapshot = threadSnapshot();
    // Watched even when this view is not kept anyway, so that the next one is.
    if (snapshot.depth > 0 && !snapshot.watch.cover(native, what))
        snapshot.memo.covered = false;
}

void relyOnUnwatchable() {
    ThreadSnapshot& snapshot = threadSnapshot();
    if (snapshot.depth > 0)
        snapshot.memo.covered = false;
}

} // namespace detail
} // namespace os
