#pragma once
// Whole contents of files read before, kept with the identity and times of the file they came from (device,
// inode, size, and modification and change times to the nanosecond). A file whose stat shows all of them
// unchanged is given from here without being opened; any difference means it is read again. A file changed
// shortly before it was read is not kept: times advance in ticks, and a second change within the same tick
// would leave them as they were. Used by os::readShared only.
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include <sys/stat.h>

namespace os::detail {

class KeptContents {
public:
    static constexpr std::size_t kMaxFileBytes = 4u << 20;
    static constexpr std::size_t kMaxBytes = 32u << 20;   // all files together; beyond, it starts again empty

    static KeptContents& instance();

    // The contents of `file` when `now` (its stat, taken now) shows the file kept, unchanged; else null.
    std::shared_ptr<const std::string> find(const std::string& file, const struct stat& now);
    // Keeps `bytes`, read from `file` while `read` was its stat, unless the file had changed too recently.
    void keep(const std::string& file, const struct stat& read, std::shared_ptr<const std::string> bytes);
    void clear();

private:
    struct Entry {
        struct stat seen;
        std::shared_ptr<const std::string> bytes;
    };
    std::mutex mutex_;
    std::unordered_map<std::string, Entry> files_;
    std::size_t bytes_ = 0;
};

} // namespace os::detail
