#include "os/files.h"

#include "os/bulkMemory.h"
#include "os/keptContents.h"
#include "os/paths.h"
#include "os/snapshotMemo.h"
#include "os/textCase.h"
#include "os/utf16.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <limits>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace os {
namespace {

struct Injection {
    bool armed = false;
    bool fired = false;
    WriteStage stage = WriteStage::Open;
    int skip = 0;
};

Injection& injection() {
    static Injection state;
    return state;
}

// True when the injected failure is due at `stage` of the current write.
bool injectedAt(WriteStage stage) {
    auto& inj = injection();
    if (!inj.armed || inj.fired || inj.skip > 0 || inj.stage != stage) return false;
    inj.fired = true;
    return true;
}

// Called once per write that got through without an injected failure.
void countSuccessfulWrite() {
    auto& inj = injection();
    if (inj.armed && !inj.fired && inj.skip > 0) --inj.skip;
}

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// A name no other writer in this or another process picks at the same moment.
fs::path temporaryNameFor(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    // Cut long names so the temporary name stays within the file system's 255 bytes where the target does.
    const std::string base = target.filename().string().substr(0, 200);
    const std::string name = "." + base + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    return target.parent_path() / name;
}

std::u16string decodeUtf16(std::string_view bytes, bool littleEndian) {
    std::u16string out;
    out.reserve(bytes.size() / 2 + 1);
    size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const auto lo = static_cast<unsigned char>(bytes[littleEndian ? i : i + 1]);
        const auto hi = static_cast<unsigned char>(bytes[littleEndian ? i + 1 : i]);
        out += static_cast<char16_t>(lo | (hi << 8));
    }
    if (i < bytes.size()) out += char16_t(0xFFFD); // an odd byte at the end
    return out;
}

bool isRegularFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

bool isFolder(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

// "" names the current folder, as a bare file name's folder does.
std::optional<fs::path> existingFolder(std::u16string_view folder) {
    auto p = findExisting(folder.empty() ? std::u16string_view(u".") : folder);
    if (!p || !isFolder(*p)) return std::nullopt;
    return p;
}

bool anyMatch(std::u16string_view path, EntryKind kind) {
    return !listFolder(folderOf(path), fileNameOf(path), kind).empty();
}

} // namespace

FailureInjection::FailureInjection(WriteStage stage, int skip) {
    injection() = Injection{true, false, stage, skip};
}

FailureInjection::~FailureInjection() {
    injection() = Injection{};
}

bool FailureInjection::fired() const {
    return injection().fired;
}

std::vector<std::u16string> decodeLines(std::string_view bytes) {
    std::u16string text;
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE')
        text = decodeUtf16(bytes.substr(2), true);
    else if (bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF')
        text = decodeUtf16(bytes.substr(2), false);
    else if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        text = toUtf16(bytes.substr(3));
    else
        text = toUtf16(bytes);

    std::vector<std::u16string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(u'\n', start);
        if (end == std::u16string::npos) end = text.size();
        size_t stop = end;
        if (stop > start && text[stop - 1] == u'\r') --stop;
        lines.emplace_back(text, start, stop - start);
        start = end + 1;
    }
    return lines;
}

std::string encodeLines(const std::vector<std::u16string>& lines, LineEnding ending) {
    const char* brk = ending == LineEnding::CRLF ? "\r\n" : "\n";
    std::string out;
    for (const auto& line : lines) {
        out += toUtf8(line);
        out += brk;
    }
    return out;
}

namespace {

// The whole file, from the kept contents when its stat shows it unchanged; else with one open and one fstat.
// Documents and data tables are read many times per evaluation.
std::shared_ptr<const std::string> readFile(std::u16string_view path, std::uint64_t maxBytes, bool& tooLarge) {
    std::optional<fs::path> own;
    const std::string* p = nullptr;   // the snapshot's answer is used where it is kept
    struct stat st {};
    bool looked = false;
    if (const detail::ResolvedPath* resolved = detail::resolveInSnapshot(path)) {
        if (resolved->native) p = &*resolved->native;
        looked = resolved->looked && S_ISREG(resolved->lstat.st_mode);   // a link is followed below
        if (looked) st = resolved->lstat;
    } else {
        own = resolvePath(path);
        if (own) p = &own->native();
    }
    if (!p) return nullptr;
    if (!looked && ::stat(p->c_str(), &st) != 0) return nullptr;
    if (!S_ISREG(st.st_mode)) return nullptr;
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        tooLarge = true;
        return nullptr;
    }
    detail::KeptContents& kept = detail::KeptContents::instance();
    if (auto known = kept.find(*p, st)) return known;

    const int fd = ::open(p->c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        ::close(fd);
        tooLarge = true;
        return nullptr;
    }
    // One byte of room past the size fstat gave, so that the end of the file is seen without growing the
    // buffer (which would copy a large file's whole text once more); a big file's text fills huge pages.
    std::string data;
    data.reserve(static_cast<std::size_t>(st.st_size) + 1);
    os::adviseHugePages(data.data(), data.capacity());
    data.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t done = 0;
    while (true) {
        if (done == data.size()) data.resize(data.size() + 4096);   // the file grew since fstat
        const ssize_t n = ::read(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return nullptr;
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
        if (done > maxBytes) {
            ::close(fd);
            tooLarge = true;
            return nullptr;
        }
    }
    ::close(fd);
    data.resize(done);
    auto bytes = std::make_shared<const std::string>(std::move(data));
    // Kept only when what was read is what the stat describes (a file growing while read is not).
    if (bytes->size() == static_cast<std::size_t>(st.st_size)) kept.keep(*p, st, bytes);
    return bytes;
}

} // namespace

std::shared_ptr<const std::string> readShared(std::u16string_view path, std::uint64_t maxBytes, bool& tooLarge) {
    tooLarge = false;
    detail::SnapshotMemo* memo = detail::snapshotMemo();
    if (!memo) return readFile(path, maxBytes, tooLarge);
    auto known = memo->files.find(path);
    if (known == memo->files.end()) {
        // Read whole, so that a later call with a larger limit is answered from the same contents.
        bool unlimitedTooLarge = false;
        auto read = readFile(path, std::numeric_limits<std::uint64_t>::max(), unlimitedTooLarge);
        if (!read) return nullptr;
        known = memo->files.emplace(std::u16string(path), std::move(read)).first;
        if (const detail::ResolvedPath* resolved = detail::resolveInSnapshot(path); resolved && resolved->native)
            detail::relyOn(*resolved->native, detail::ChangeWatch::Reliance::Contents);
    }
    if (known->second->size() > maxBytes) {
        tooLarge = true;
        return nullptr;
    }
    return known->second;
}

bool readBytes(std::u16string_view path, std::string& bytes, std::uint64_t maxBytes, bool& tooLarge) {
    auto read = readShared(path, maxBytes, tooLarge);
    if (!read) return false;
    bytes = *read;
    return true;
}

bool readBytes(std::u16string_view path, std::string& bytes) {
    bool tooLarge = false;
    return readBytes(path, bytes, std::numeric_limits<std::uint64_t>::max(), tooLarge);
}

bool readLines(std::u16string_view path, std::vector<std::u16string>& lines) {
    std::string bytes;
    if (!readBytes(path, bytes)) return false;
    lines = decodeLines(bytes);
    return true;
}

AtomicFileWriter::AtomicFileWriter(std::u16string_view path) {
    if (auto target = resolvePath(path)) open(*target);
}

AtomicFileWriter::AtomicFileWriter(Native, const fs::path& target) { open(target); }

AtomicFileWriter::~AtomicFileWriter() { abandon(); }

void AtomicFileWriter::open(const fs::path& requested) {
    detail::forgetSnapshot();
    fs::path target = requested;
    std::error_code ec;
    // Writing through a link replaces what it points to, not the link.
    if (fs::is_symlink(target, ec)) {
        const fs::path real = fs::canonical(target, ec);
        if (!ec) target = real;
    }
    if (target.filename().empty() || isFolder(target)) return;

    const fs::path temp = temporaryNameFor(target);
    if (injectedAt(WriteStage::Open)) return;
    fd_ = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0) return;
    target_ = target;
    temp_ = temp;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) ::fchmod(fd_, old.st_mode & 07777); // keep the file's permissions
}

void AtomicFileWriter::abandon() {
    if (fd_ >= 0) ::close(fd_);
    if (!temp_.empty()) ::unlink(temp_.c_str());
    fd_ = -1;
    temp_.clear();
}

bool AtomicFileWriter::write(std::string_view bytes) {
    if (fd_ < 0) return false;
    if (injectedAt(WriteStage::Write)) {
        writeAll(fd_, bytes.data(), bytes.size() / 2); // a write that breaks off half-way
        abandon();
        return false;
    }
    if (!writeAll(fd_, bytes.data(), bytes.size())) {
        abandon();
        return false;
    }
    return true;
}

bool AtomicFileWriter::commit() {
    if (fd_ < 0) return false;
    if (::fsync(fd_) != 0) {
        abandon();
        return false;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || injectedAt(WriteStage::Rename) || ::rename(temp_.c_str(), target_.c_str()) != 0) {
        abandon();
        return false;
    }
    temp_.clear();
    // The rename itself reaches the disk only with its folder.
    const fs::path folder = target_.parent_path().empty() ? fs::path(".") : target_.parent_path();
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    countSuccessfulWrite();
    return true;
}

bool writeBytesNative(const fs::path& requested, std::string_view bytes) {
    AtomicFileWriter writer(AtomicFileWriter::Native{}, requested);
    return writer.write(bytes) && writer.commit();
}

bool writeBytes(std::u16string_view path, std::string_view bytes) {
    auto target = resolvePath(path);
    if (!target) return false;
    return writeBytesNative(*target, bytes);
}

bool writeLines(std::u16string_view path, const std::vector<std::u16string>& lines, LineEnding ending) {
    return writeBytes(path, encodeLines(lines, ending));
}

namespace {

// Whether the last name of the path holds a wildcard (one in a folder's name is part of that name): asked of
// every path tested for existence, so only that name is looked at, from the end.
bool nameHasWildcard(std::u16string_view path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        const char16_t c = path[i - 1];
        if (c == u'\\' || c == u'/') return false;
        if (c == u'*' || c == u'?') return true;
    }
    return false;
}

} // namespace

bool fileExists(std::u16string_view path) {
    if (nameHasWildcard(path)) return anyMatch(path, EntryKind::Files);
    return existingType(path) == fs::file_type::regular;
}

bool folderExists(std::u16string_view path) {
    if (nameHasWildcard(path)) return anyMatch(path, EntryKind::Folders);
    return existingType(path) == fs::file_type::directory;
}

bool createFolder(std::u16string_view path) {
    auto p = resolvePath(path);
    if (!p) return false;
    detail::forgetSnapshot();
    std::error_code ec;
    fs::create_directories(*p, ec);
    return isFolder(*p);
}

bool deleteFile(std::u16string_view path) {
    auto p = resolvePath(path);
    if (!p || isFolder(*p)) return false;
    detail::forgetSnapshot();
    std::error_code ec;
    return fs::remove(*p, ec) && !ec;
}

bool deleteFolder(std::u16string_view path) {
    auto p = findExisting(path);
    if (!p || !isFolder(*p)) return false;
    detail::forgetSnapshot();
    std::error_code ec;
    return fs::remove(*p, ec) && !ec;
}

bool renameFile(std::u16string_view from, std::u16string_view to) {
    auto source = findExisting(from);
    auto target = resolvePath(to);
    if (!source || !target || !isRegularFile(*source) || isFolder(*target)) return false;
    detail::forgetSnapshot();
    std::error_code ec;
    fs::rename(*source, *target, ec);
    return !ec;
}

bool copyFile(std::u16string_view from, std::u16string_view to) {
    std::string bytes;
    return readBytes(from, bytes) && writeBytes(to, bytes);
}

std::optional<std::uint64_t> fileSize(std::u16string_view path) {
    auto p = findExisting(path);
    if (!p || !isRegularFile(*p)) return std::nullopt;
    std::error_code ec;
    const auto size = fs::file_size(*p, ec);
    if (ec) return std::nullopt;
    return size;
}

std::optional<fs::file_time_type> modificationTime(std::u16string_view path) {
    auto p = findExisting(path);
    if (!p) return std::nullopt;
    std::error_code ec;
    const auto time = fs::last_write_time(*p, ec);
    if (ec) return std::nullopt;
    return time;
}

std::vector<std::u16string> listFolder(std::u16string_view folder, std::u16string_view pattern, EntryKind kind) {
    std::vector<std::u16string> names;
    auto dir = existingFolder(folder);
    if (!dir) return names;
    std::error_code ec;
    fs::directory_iterator it(*dir, ec);
    if (ec) return names;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::error_code typeEc;
        const bool isDir = it->is_directory(typeEc);
        if (!isDir && !it->is_regular_file(typeEc)) continue;
        if (!(static_cast<int>(kind) & static_cast<int>(isDir ? EntryKind::Folders : EntryKind::Files))) continue;
        std::u16string name = toUtf16(it->path().filename().string());
        if (wildcardMatch(pattern, name)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return lessNoCase(a, b); });
    return names;
}

std::vector<std::u16string> findFiles(std::u16string_view folder, std::u16string_view pattern) {
    std::vector<std::u16string> found;
    auto dir = existingFolder(folder);
    if (!dir) return found;
    std::error_code ec;
    fs::recursive_directory_iterator it(*dir, fs::directory_options::skip_permission_denied, ec);
    if (ec) return found;
    for (; it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::error_code typeEc;
        if (!it->is_regular_file(typeEc)) continue;
        if (!wildcardMatch(pattern, toUtf16(it->path().filename().string()))) continue;
        std::u16string below = toUtf16(it->path().lexically_relative(*dir).string());
        std::replace(below.begin(), below.end(), u'/', u'\\');
        found.push_back(joinPath(folder, below));
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return lessNoCase(a, b); });
    return found;
}

} // namespace os
