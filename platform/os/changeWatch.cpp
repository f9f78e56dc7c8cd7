#include "os/changeWatch.h"

#include <algorithm>
#include <cerrno>

#include <linux/magic.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace os::detail {
namespace {

// Every change that can alter what a path leads to, what a folder lists or what a file holds. Opening and
// reading are not among them, so the view's own reads raise nothing.
constexpr std::uint32_t kEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY | IN_ATTRIB |
                                  IN_CLOSE_WRITE | IN_DELETE_SELF | IN_MOVE_SELF;
// After these the watches no longer stand for the paths they were added for.
constexpr std::uint32_t kRenamings = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF |
                                     IN_MOVE_SELF | IN_IGNORED | IN_UNMOUNT | IN_Q_OVERFLOW | IN_ATTRIB;

// File systems on which the kernel itself makes every change, so that inotify reports all of them; on network
// and FUSE mounts another machine or process changes the files unseen.
bool reportsEveryChange(const char* path) {
    struct statfs fs {};
    if (::statfs(path, &fs) != 0)
        return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case EXT4_SUPER_MAGIC:   // ext2 and ext3 too
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case F2FS_SUPER_MAGIC:
    case TMPFS_MAGIC:
    case RAMFS_MAGIC:
    case OVERLAYFS_SUPER_MAGIC:
        return true;
    default:
        return false;
    }
}

} // namespace

ChangeWatch::ChangeWatch() : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

ChangeWatch::~ChangeWatch() {
    if (fd_ >= 0)
        ::close(fd_);
}

ChangeWatch::State ChangeWatch::look(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? State::Missing : State::Refused;
    if (S_ISLNK(st.st_mode) || watches_ >= kMaxWatches || !reportsEveryChange(path.c_str()))
        return State::Refused;
    const int wd = ::inotify_add_watch(fd_, path.c_str(), kEvents | IN_DONT_FOLLOW);
    if (wd < 0)
        return errno == ENOENT || errno == ENOTDIR ? State::Missing : State::Refused;
    byWatch_[wd].push_back(path);
    ++watches_;
    return State::Watched;
}

bool ChangeWatch::cover(std::string_view native, Reliance what) {
    while (native.size() > 1 && native.back() == '/')
        native.remove_suffix(1);
    if (fd_ < 0 || native.empty() || native.front() != '/')
        return false;
    if (paths_.size() >= kMaxPaths)
        reset();   // what was seen under the old watches is no longer covered: this look says so
    // From the root down, so that a folder's own watch is in place before anything in it is looked at: a
    // change made between a look and the watch of the folder looked into would go unreported.
    bool covered = true;
    std::size_t end = 1;   // of the path looked at now: the root first, then one name more each time
    while (true) {
        const bool last = end >= native.size();
        const std::string_view path = native.substr(0, end);
        auto it = paths_.find(path);
        const bool added = it == paths_.end();
        if (added)
            it = paths_.emplace(std::string(path), Watched{}).first;
        Watched& entry = it->second;
        // Names and entries relied on count from now on against every event not yet taken, among them those
        // since the folder's watch was added: only a watch added now comes too late for what was seen.
        if (last && what == Reliance::Path)
            break;   // the name itself matters to its folder's watch only
        if (added || entry.state == State::Named) {
            covered = false;
            entry.state = look(it->first);
        }
        if (last && what == Reliance::Entries)
            entry.entries = true;
        if (entry.state == State::Refused)
            return false;
        if (last || entry.state == State::Missing)
            break;   // below a missing folder all is missing: its folder's watch tells when it appears
        std::size_t start = end == 1 ? 1 : end + 1;
        while (start < native.size() && native[start] == '/')
            ++start;
        if (start >= native.size())
            break;
        end = std::min(native.find('/', start), native.size());
    }
    return covered;
}

// An event concerns the view when it is about a watched file or folder itself, about a name the view relies
// on, or about any name in a folder whose entries it relies on.
bool ChangeWatch::concerns(int wd, std::string_view name) const {
    const auto folders = byWatch_.find(wd);
    if (folders == byWatch_.end())
        return false;   // a watch dropped before its last events were read
    if (name.empty())
        return true;
    for (const std::string& folder : folders->second) {
        const auto it = paths_.find(folder);
        if (it != paths_.end() && it->second.entries)
            return true;
        std::string child = folder;
        if (child.back() != '/')
            child += '/';
        child += name;
        if (paths_.find(std::string_view(child)) != paths_.end())
            return true;
    }
    return false;
}

bool ChangeWatch::changed() {
    if (fd_ < 0)
        return true;
    bool concerned = false;
    bool renamed = false;
    alignas(inotify_event) char buffer[16 * 1024];
    while (true) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        for (ssize_t at = 0; at + ssize_t(sizeof(inotify_event)) <= n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            const std::string_view name = event->len ? std::string_view(event->name) : std::string_view();
            if ((event->mask & IN_Q_OVERFLOW) || concerns(event->wd, name)) {
                concerned = true;
                renamed = renamed || (event->mask & kRenamings);
            }
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    if (renamed)
        reset();
    return concerned;
}

void ChangeWatch::reset() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    paths_.clear();
    byWatch_.clear();
    watches_ = 0;
}

} // namespace os::detail
