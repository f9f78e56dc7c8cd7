#pragma once
// Tells whether anything a snapshot's view rests on may have changed since the view was taken, so that the
// next snapshot can start from it instead of asking the kernel again. An evaluation of a connection standard
// resolves, stats and reads the same dozen library files every time, and those path walks were a fifth of
// its time.
//
// It rests on inotify: every folder along a path the view holds is watched, and so is every file whose
// contents it holds. The kernel queues an event within the very call that changes a watched entry, so a view
// all of whose entries were taken while their folders were already watched is still true exactly when no event
// concerning them is queued. What cannot be watched makes the view not worth keeping: a link on the way (its
// target's folders are not on the path), a file system that does not report others' changes (network and FUSE
// mounts), an exhausted watch limit. Writes through a shared memory mapping are not reported by the kernel;
// a file changed only that way is seen by the next snapshot that starts afresh.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace os::detail {

class ChangeWatch {
public:
    static constexpr std::size_t kMaxWatches = 1024;
    // Names relied on are kept beyond any one view; past this many it starts again with none.
    static constexpr std::size_t kMaxPaths = 16384;

    // What a view holds of a path.
    enum class Reliance {
        Path,       // where it leads: every folder on the way, and the name in its folder
        Contents,   // that too, and the file's contents
        Entries,    // that too, and the names in the folder
    };

    ChangeWatch();
    ~ChangeWatch();
    ChangeWatch(const ChangeWatch&) = delete;
    ChangeWatch& operator=(const ChangeWatch&) = delete;

    // Watches what a view holding `what` of `native` (an absolute path as the file system spells it) rests on.
    // True when all of it was watched already, so that what was seen is covered; false when a watch had to be
    // added now or cannot be had.
    bool cover(std::string_view native, Reliance what);

    // Whether anything a covered view rests on changed since the last call; takes every event queued.
    bool changed();

    bool usable() const { return fd_ >= 0; }

private:
    enum class State { Named, Watched, Missing, Refused };
    struct Watched {
        State state = State::Named;   // relied on by its name in its folder only
        bool entries = false;   // its names are relied on, not only some of them
    };
    State look(const std::string& path);
    bool concerns(int wd, std::string_view name) const;
    void reset();

    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
    };

    int fd_ = -1;
    std::unordered_map<std::string, Watched, TextHash, std::equal_to<>> paths_;
    std::unordered_map<int, std::vector<std::string>> byWatch_;   // a watch serves every path of its file
    std::size_t watches_ = 0;
};

} // namespace os::detail
