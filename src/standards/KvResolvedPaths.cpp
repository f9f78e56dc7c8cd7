#include "standards/KvResolvedPaths.h"

#include "os/snapshot.h"

const std::optional<Ork_String>* KvResolvedPaths::lookUp(const std::u16string& key) {
    const std::uint64_t view = os::FileSystemSnapshot::view();
    if (view == 0)
        return nullptr;
    if (view != view_) {
        answers_.clear();
        view_ = view;
        return nullptr;
    }
    const auto it = answers_.find(key);
    return it == answers_.end() ? nullptr : &it->second;
}

void KvResolvedPaths::keep(const std::u16string& key, std::optional<Ork_String> path) {
    const std::uint64_t view = os::FileSystemSnapshot::view();
    if (view == 0)
        return;
    if (view != view_ || answers_.size() >= kMaxAnswers) {
        answers_.clear();
        view_ = view;
    }
    answers_.insert_or_assign(key, std::move(path));
}
