#include "os/keptContents.h"

#include <ctime>

namespace os::detail {
namespace {

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
           a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

long long nanoseconds(const struct timespec& t) { return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec; }

// Whether the file's last change lies far enough back that a further change must move its times: 100 ms, or
// 3 s on file systems that keep whole seconds only.
bool settled(const struct stat& st) {
    struct timespec now {};
    if (::clock_gettime(CLOCK_REALTIME, &now) != 0)
        return false;
    const bool wholeSeconds = st.st_mtim.tv_nsec == 0 && st.st_ctim.tv_nsec == 0;
    const long long margin = wholeSeconds ? 3000000000LL : 100000000LL;
    const long long latest = std::max(nanoseconds(st.st_mtim), nanoseconds(st.st_ctim));
    return nanoseconds(now) - latest > margin;
}

} // namespace

KeptContents& KeptContents::instance() {
    static KeptContents kept;
    return kept;
}

std::shared_ptr<const std::string> KeptContents::find(const std::string& file, const struct stat& now) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto found = files_.find(file);
    if (found == files_.end() || !sameFile(found->second.seen, now))
        return nullptr;
    return found->second.bytes;
}

void KeptContents::keep(const std::string& file, const struct stat& read, std::shared_ptr<const std::string> bytes) {
    if (!bytes || bytes->size() > kMaxFileBytes || !settled(read))
        return;
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = files_.find(file);
    if (found != files_.end()) {
        bytes_ -= found->second.bytes->size();
        files_.erase(found);
    }
    if (bytes_ + bytes->size() > kMaxBytes) {
        files_.clear();
        bytes_ = 0;
    }
    bytes_ += bytes->size();
    files_.emplace(file, Entry{read, std::move(bytes)});
}

void KeptContents::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    files_.clear();
    bytes_ = 0;
}

} // namespace os::detail
