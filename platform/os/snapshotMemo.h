#pragma once
// What the live FileSystemSnapshot of this thread has seen; used by paths.cpp and files.cpp only.
#include "os/changeWatch.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <sys/stat.h>

namespace os::detail {

struct ResolvedPath {
    std::optional<std::string> native;   // the path resolved, as the file system spells it
    std::filesystem::file_status seen;
    bool looked = false;         // `lstat` holds what an lstat of `path` gave
    struct stat lstat {};
};

struct FolderEntry {
    std::u16string name;   // for comparing
    std::string native;    // as the file system spells it
};
using FolderEntries = std::shared_ptr<const std::vector<FolderEntry>>;

// Paths as asked, found by a view of them: most questions within a snapshot were asked before.
struct PathHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view path) const { return std::hash<std::u16string_view>()(path); }
};
template <class T>
using ByPath = std::unordered_map<std::u16string, T, PathHash, std::equal_to<>>;

struct SnapshotMemo {
    // Whether everything below was seen while what it rests on was watched: only then may the next snapshot
    // start from it.
    bool covered = true;
    std::optional<std::filesystem::path> currentFolder;
    ByPath<ResolvedPath> resolved;
    std::unordered_map<std::string, FolderEntries> listings;   // by native folder path; null: unreadable
    ByPath<std::shared_ptr<const std::string>> files;           // whole contents read
    ByPath<std::optional<std::filesystem::path>> canonical;     // findCanonical's answers
};

// resolvePath answered through the live snapshot, with what its look saw; null when no snapshot is alive.
const ResolvedPath* resolveInSnapshot(std::u16string_view path);

// The memo of the snapshot alive on this thread; null when there is none.
SnapshotMemo* snapshotMemo();
// Drops everything the live snapshot holds, and the view kept for the next one (a write through os changed the
// file system, or the drive folders changed).
void forgetSnapshot();

// What the live snapshot holds of `native` (as the file system spells it) and so rests on.
void relyOn(std::string_view native, ChangeWatch::Reliance what);
// The live snapshot holds something not worth keeping beyond it (what a link leads to, say).
void relyOnUnwatchable();

} // namespace os::detail
