#pragma once
// A still view of the file system for one piece of work. An evaluation of a connection standard looks up the
// same sheet, child sheets and data tables many times (existence tests of candidate folders, loading, each
// look-up function call), and every look is a path walk in the kernel. While a FileSystemSnapshot lives on a
// thread, that thread's path resolutions (resolvePath, findExisting and the tests built on them), folder
// listings and whole-file reads (readBytes) are answered once and given again.
//
// The view is the thread's own and ends with the outermost snapshot; nested snapshots share it. Every write,
// rename, removal or folder creation made through os drops what the view holds, so the thread always sees its
// own changes. Changes made by others during the snapshot are seen only by the next one.
//
// Where the kernel can tell of every change to what a view rests on, the next snapshot starts from the view the
// last one left instead of from nothing, and asks the kernel only what is new to it; it sees others' changes all
// the same, as they are when it begins.
#include <cstddef>
#include <cstdint>

namespace os {

class FileSystemSnapshot {
public:
    FileSystemSnapshot();
    ~FileSystemSnapshot();
    FileSystemSnapshot(const FileSystemSnapshot&) = delete;
    FileSystemSnapshot& operator=(const FileSystemSnapshot&) = delete;

    // Whether a snapshot is alive on this thread.
    static bool active();
    // Whether the live snapshot started from the view the last one left, nothing it rests on having changed
    // since (see os/changeWatch.h); for tests and diagnostics.
    static bool startedFromLast();
    // Names the view the live snapshot gives: the same number as long as what it answers stays what it
    // answered (from snapshot to snapshot while nothing changes), another one once it may differ; 0 when no
    // snapshot is alive. Answers derived from the view (which candidate path of several exists) may be kept
    // under it.
    static std::uint64_t view();
};

} // namespace os
