#include "os/paths.h"

#include "os/snapshotMemo.h"
#include "os/textCase.h"
#include "os/utf16.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <memory>
#include <iterator>
#include <mutex>
#include <system_error>
#include <unordered_map>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string_view>

namespace fs = std::filesystem;

namespace os {
namespace {

std::array<std::optional<fs::path>, 26>& driveTable() {
    static std::array<std::optional<fs::path>, 26> table;
    return table;
}

int driveIndex(char16_t drive) {
    const char16_t c = foldCase(drive);
    return (c >= u'a' && c <= u'z') ? c - u'a' : -1;
}

bool hasDrive(std::u16string_view path) {
    return path.size() >= 2 && path[1] == u':' && driveIndex(path[0]) >= 0;
}

bool entryExists(const fs::path& p) {
    std::error_code ec;
    const auto st = fs::symlink_status(p, ec);
    return !ec && fs::exists(st);
}

// The names of a folder's entries, kept while the folder's modification time stays what it was when they were
// read. Libraries are looked up many times per evaluation, mostly for names that are not there, and listing a
// folder each time dominated. A folder changed just before it was read is not kept: file times advance in
// coarse ticks (milliseconds; whole seconds on file systems that keep no fractions), so an entry added in the
// same tick after the listing would leave the time unchanged.
class FolderListings {
public:
    static constexpr auto kSettled = std::chrono::milliseconds(100);
    static constexpr auto kSettledWholeSeconds = std::chrono::seconds(3);

    using Entry = detail::FolderEntry;
    using Entries = detail::FolderEntries;

    // The entries of `folder`; null when it cannot be read.
    Entries names(const fs::path& folder) {
        std::error_code ec;
        const fs::file_time_type modified = fs::last_write_time(folder, ec);
        if (ec) return nullptr;
        const std::string key = folder.string();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            auto it = listings_.find(key);
            if (it != listings_.end() && it->second.modified == modified) return it->second.names;
        }
        auto read = std::make_shared<std::vector<Entry>>();
        fs::directory_iterator entries(folder, ec);
        if (ec) return nullptr;
        for (; entries != fs::directory_iterator(); entries.increment(ec)) {
            if (ec) return nullptr;
            std::string native = entries->path().filename().string();
            read->push_back({toUtf16(native), std::move(native)});
        }
        Entries result = std::move(read);
        const bool wholeSeconds = modified.time_since_epoch() % std::chrono::seconds(1) == fs::file_time_type::duration::zero();
        if (fs::file_time_type::clock::now() - modified > (wholeSeconds ? kSettledWholeSeconds : kSettled)) {
            std::lock_guard<std::mutex> lock(mutex_);
            if (listings_.size() >= kMaxFolders) listings_.clear();
            listings_[key] = {modified, result};
        }
        return result;
    }

private:
    static constexpr std::size_t kMaxFolders = 256;
    struct Listing {
        fs::file_time_type modified;
        Entries names;
    };
    std::mutex mutex_;
    std::unordered_map<std::string, Listing> listings_;
};

FolderListings& folderListings() {
    static FolderListings listings;
    return listings;
}

// The one entry of `folder` (as the file system spells it) whose name equals `name` without case, as the file
// system spells it; none when there are several. `folderRead` tells whether the folder could be listed at all.
// Within a snapshot the folder is listed once and looked up by its text, without building a path.
std::optional<std::string> uniqueCaseMatchNative(const std::string& folder, std::u16string_view name,
                                                 bool* folderRead = nullptr) {
    FolderListings::Entries entries;
    if (detail::SnapshotMemo* memo = detail::snapshotMemo()) {
        auto it = memo->listings.find(folder);
        if (it == memo->listings.end()) {
            it = memo->listings.emplace(folder, folderListings().names(fs::path(folder))).first;
            detail::relyOn(folder, detail::ChangeWatch::Reliance::Entries);
        }
        entries = it->second;
    } else {
        entries = folderListings().names(fs::path(folder));
    }
    if (folderRead) *folderRead = entries != nullptr;
    if (!entries) return std::nullopt;
    const FolderListings::Entry* found = nullptr;
    for (const FolderListings::Entry& entry : *entries) {
        if (!equalsNoCase(entry.name, name)) continue;
        if (found) return std::nullopt; // ambiguous: "Data" and "DATA" side by side
        found = &entry;
    }
    if (!found) return std::nullopt;
    std::string match = folder;
    if (!match.empty() && match.back() != '/') match += '/';
    match += found->native;
    return match;
}

std::optional<fs::path> uniqueCaseMatch(const fs::path& folder, std::u16string_view name) {
    std::optional<std::string> match = uniqueCaseMatchNative(folder.native(), name);
    if (!match) return std::nullopt;
    return fs::path(std::move(*match));
}

} // namespace

void setDriveFolder(char16_t drive, const fs::path& folder) {
    const int i = driveIndex(drive);
    if (i < 0) return;
    detail::forgetSnapshot();   // its paths on the drive lead elsewhere now
    if (folder.empty())
        driveTable()[i].reset();
    else
        driveTable()[i] = folder;
}

std::optional<fs::path> driveFolder(char16_t drive) {
    const int i = driveIndex(drive);
    if (i < 0) return std::nullopt;
    return driveTable()[i];
}

void clearDriveFolders() {
    detail::forgetSnapshot();
    for (auto& d : driveTable()) d.reset();
}

bool isSeparator(char16_t c) {
    return c == u'\\' || c == u'/';
}

bool isAbsolutePath(std::u16string_view path) {
    return hasDrive(path) || (!path.empty() && isSeparator(path[0]));
}

std::vector<std::u16string> splitPath(std::u16string_view path) {
    if (hasDrive(path)) path.remove_prefix(2);
    std::vector<std::u16string> names;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = start;
        while (end < path.size() && !isSeparator(path[end])) ++end;
        if (end > start) names.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

std::u16string fileNameOf(std::u16string_view path) {
    size_t i = path.size();
    while (i > 0 && !isSeparator(path[i - 1]) && !(i == 2 && hasDrive(path))) --i;
    return std::u16string(path.substr(i));
}

std::u16string folderOf(std::u16string_view path) {
    return std::u16string(path.substr(0, path.size() - fileNameOf(path).size()));
}

std::u16string joinPath(std::u16string_view folder, std::u16string_view name) {
    std::u16string out(folder);
    while (!name.empty() && isSeparator(name.front())) name.remove_prefix(1);
    if (!out.empty() && !isSeparator(out.back()) && !(out.size() == 2 && hasDrive(out))) out += u'\\';
    out += name;
    return out;
}

fs::path toNativeName(std::u16string_view name) {
    return fs::path(toUtf8(name));
}

std::u16string fromNativePath(const fs::path& path) {
    return toUtf16(path.string());
}

namespace {

fs::file_status statusOf(const struct stat& st) {
    if (S_ISREG(st.st_mode)) return fs::file_status(fs::file_type::regular);
    if (S_ISDIR(st.st_mode)) return fs::file_status(fs::file_type::directory);
    if (S_ISLNK(st.st_mode)) return fs::file_status(fs::file_type::symlink);
    if (S_ISCHR(st.st_mode)) return fs::file_status(fs::file_type::character);
    if (S_ISBLK(st.st_mode)) return fs::file_status(fs::file_type::block);
    if (S_ISFIFO(st.st_mode)) return fs::file_status(fs::file_type::fifo);
    if (S_ISSOCK(st.st_mode)) return fs::file_status(fs::file_type::socket);
    return fs::file_status(fs::file_type::unknown);
}

bool separatorAt(char16_t c) { return c == u'\\' || c == u'/'; }

// The names of `rest` appended to `native`, each after one "/", in the file system's spelling, in one pass;
// `last` is the last name and `lastAt` where it starts in `native`. False where a name is "." or "..": such a
// path is resolved name by name. Joined as one native text to be looked at with one lstat: composing fs::path
// name by name cost more than the look itself.
bool joinPlainNames(std::string& native, std::u16string_view rest, std::u16string_view& last, std::size_t& lastAt) {
    native.reserve(native.size() + rest.size() + 1);
    std::size_t i = 0;
    while (i < rest.size()) {
        if (separatorAt(rest[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        bool ascii = true;
        while (i < rest.size() && !separatorAt(rest[i])) {
            ascii = ascii && rest[i] < 0x80;
            ++i;
        }
        const std::u16string_view name = rest.substr(start, i - start);
        if (name == u"." || name == u"..") return false;
        if (native.empty() || native.back() != '/') native += '/';
        lastAt = native.size();
        if (ascii) {
            native.resize(lastAt + name.size());
            for (std::size_t k = 0; k < name.size(); ++k) native[lastAt + k] = static_cast<char>(name[k]);
        } else {
            native += toUtf8(name);
        }
        last = name;
    }
    return true;
}

// resolvePath as the file system spells the result, telling also what it saw of the result when it looked
// (file_type::none when it did not), and the lstat of it when that look found it.
std::optional<std::string> resolveWith(std::u16string_view path, fs::file_status& seen, struct stat* looked = nullptr,
                                       bool* lookedValid = nullptr) {
    seen = fs::file_status(fs::file_type::none);
    if (path.empty() || path.find(u'\0') != std::u16string_view::npos) return std::nullopt;
    fs::path current;
    const std::string* base = nullptr;   // `current` as text, or the current folder where the snapshot keeps it
    size_t floor = 0; // how many names of `current` ".." may not take away: a drive's root is its own parent
    if (hasDrive(path)) {
        auto folder = driveFolder(path[0]);
        if (!folder) return std::nullopt;
        current = folder->lexically_normal();
        if (!current.has_filename() && current.has_relative_path()) current = current.parent_path();
        floor = static_cast<size_t>(std::distance(current.begin(), current.end()));
    } else if (separatorAt(path[0])) {
        current = "/";
    } else {
        detail::SnapshotMemo* memo = detail::snapshotMemo();
        if (memo && memo->currentFolder) {
            base = &memo->currentFolder->native();
        } else {
            std::error_code ec;
            current = fs::current_path(ec);
            if (ec) return std::nullopt;
            if (memo) memo->currentFolder = current;
        }
    }
    if (!base) base = &current.native();

    // Most paths are spelt as they are on disk: one look at the whole path settles those.
    std::string native = *base;
    std::u16string_view last;
    std::size_t lastAt = native.size();   // where the last name starts in `native`
    if (joinPlainNames(native, hasDrive(path) ? path.substr(2) : path, last, lastAt)) {
        struct stat st {};
        if (::lstat(native.c_str(), &st) == 0) {
            seen = statusOf(st);
            if (looked && lookedValid) {
                *looked = st;
                *lookedValid = true;
            }
            return native;
        }
        // And most names asked for that are not there sit in a folder that is (the listing tells).
        if (!last.empty()) {
            bool folderRead = false;
            const std::string folderText = native.substr(0, lastAt > 1 ? lastAt - 1 : lastAt);
            if (auto match = uniqueCaseMatchNative(folderText, last, &folderRead)) return match;
            if (folderRead) {
                seen = fs::file_status(fs::file_type::not_found);
                return native;
            }
        }
    }

    // Once a name is missing, everything below it is missing too and is kept as written.
    if (base != &current.native()) current = *base;
    const std::vector<std::u16string> names = splitPath(path);
    bool onDisk = true;
    for (const auto& name : names) {
        if (name == u".") continue;
        if (name == u"..") {
            if (current.has_relative_path() &&
                static_cast<size_t>(std::distance(current.begin(), current.end())) > floor)
                current = current.parent_path();
            continue;
        }
        const fs::path exact = current / toNativeName(name);
        if (!onDisk || entryExists(exact)) {
            current = exact;
            continue;
        }
        if (auto match = uniqueCaseMatch(current, name)) {
            current = *match;
        } else {
            onDisk = false;
            current = exact;
        }
    }
    return current.native();
}

// resolveWith, answered from the live snapshot when there is one.
std::optional<fs::path> resolveSeen(std::u16string_view path, fs::file_status& seen) {
    if (const detail::ResolvedPath* known = detail::resolveInSnapshot(path)) {
        seen = known->seen;
        if (!known->native) return std::nullopt;
        return fs::path(*known->native);
    }
    std::optional<std::string> native = resolveWith(path, seen);
    if (!native) return std::nullopt;
    return fs::path(std::move(*native));
}

// The name the kernel gives the file `existing` opens, every link followed: one open and one readlink, where
// resolving name by name reads every folder of the way as a possible link. Nothing where /proc does not tell
// (or the file went away meanwhile).
std::optional<fs::path> kernelCanonical(const fs::path& existing) {
    const int fd = ::open(existing.c_str(), O_PATH | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[PATH_MAX + 1];
    const ssize_t length = ::readlink(link, target, PATH_MAX);
    ::close(fd);
    if (length <= 0 || length >= PATH_MAX || target[0] != '/') return std::nullopt;
    std::string_view name(target, std::size_t(length));
    constexpr std::string_view kDeleted = " (deleted)";
    if (name.ends_with(kDeleted)) return std::nullopt;
    return fs::path(std::string(name));
}

} // namespace

namespace detail {

const ResolvedPath* resolveInSnapshot(std::u16string_view path) {
    SnapshotMemo* memo = snapshotMemo();
    if (!memo) return nullptr;
    if (const auto known = memo->resolved.find(path); known != memo->resolved.end()) return &known->second;
    ResolvedPath& entry = memo->resolved.try_emplace(std::u16string(path)).first->second;
    entry.native = resolveWith(path, entry.seen, &entry.lstat, &entry.looked);
    // What a link leads to lies on another path, which no watch of this one covers.
    if (fs::is_symlink(entry.seen))
        relyOnUnwatchable();
    else if (entry.native)
        relyOn(*entry.native, ChangeWatch::Reliance::Path);
    return &entry;
}

} // namespace detail

std::optional<fs::path> resolvePath(std::u16string_view path) {
    fs::file_status seen;
    return resolveSeen(path, seen);
}

std::optional<fs::path> findExisting(std::u16string_view path) {
    fs::file_status seen;
    auto resolved = resolveSeen(path, seen);
    if (!resolved) return std::nullopt;
    // Known missing, or seen and no link (a link is followed now): no need to look again.
    if (seen.type() == fs::file_type::not_found) return std::nullopt;
    if (fs::exists(seen) && !fs::is_symlink(seen)) return resolved;
    std::error_code ec;
    if (!fs::exists(*resolved, ec)) return std::nullopt;
    return resolved;
}

std::optional<fs::path> findCanonical(std::u16string_view path) {
    detail::SnapshotMemo* memo = detail::snapshotMemo();
    if (memo) {
        const auto it = memo->canonical.find(path);
        if (it != memo->canonical.end())
            return it->second;
    }
    std::optional<fs::path> result = findExisting(path);
    if (result) {
        if (std::optional<fs::path> canonical = kernelCanonical(*result)) {
            result = std::move(canonical);
        } else {
            std::error_code ec;
            fs::path weakly = fs::weakly_canonical(*result, ec);
            if (!ec)
                result = std::move(weakly);
        }
    }
    if (memo) {
        // A link on the way makes the kernel's name another path than the one the view watches.
        const detail::ResolvedPath* resolved = detail::resolveInSnapshot(path);
        if (result && (!resolved || !resolved->native || result->native() != *resolved->native))
            detail::relyOnUnwatchable();
        memo->canonical.emplace(std::u16string(path), result);
    }
    return result;
}

fs::file_type existingType(std::u16string_view path) {
    fs::file_status seen;
    std::optional<std::string> own;
    const std::string* resolved = nullptr;   // the snapshot's answer is looked at where it is kept
    if (const detail::ResolvedPath* known = detail::resolveInSnapshot(path)) {
        seen = known->seen;
        if (known->native) resolved = &*known->native;
    } else {
        own = resolveWith(path, seen);
        if (own) resolved = &*own;
    }
    if (!resolved || seen.type() == fs::file_type::not_found)
        return fs::file_type::not_found;
    if (fs::exists(seen) && !fs::is_symlink(seen))
        return seen.type();
    struct stat st {};
    return ::stat(resolved->c_str(), &st) == 0 ? statusOf(st).type() : fs::file_type::not_found;
}

bool hasWildcard(std::u16string_view text) {
    // Asked of every path tested for existence: one plain pass.
    for (const char16_t c : text)
        if (c == u'*' || c == u'?') return true;
    return false;
}

namespace {

// Greedy matching that only ever returns to the last `*`: linear in practice, never recursive.
bool matchPlain(std::u16string_view pattern, std::u16string_view name) {
    size_t p = 0, n = 0;
    size_t starP = std::u16string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == u'?' || foldCase(pattern[p]) == foldCase(name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::u16string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') ++p;
    return p == pattern.size();
}

} // namespace

bool wildcardMatch(std::u16string_view pattern, std::u16string_view name) {
    if (matchPlain(pattern, name)) return true;
    // "name.*" also matches "name" and "*.*" every name, as the original platform's file search did.
    if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == u".*" &&
        name.find(u'.') == std::u16string_view::npos)
        return matchPlain(pattern.substr(0, pattern.size() - 2), name);
    return false;
}

} // namespace os
