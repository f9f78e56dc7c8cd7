#pragma once
// Whole-file reading and writing, and the file-system helpers the hosts need. Paths are the module's texts
// (see paths.h). Every write is atomic: the data goes to a temporary file in the target's folder, is flushed
// to disk, and is renamed over the target, so a failed write leaves the old file exactly as it was.
// Failures are `false` / nullopt / empty results, never exceptions.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace os {

enum class LineEnding { LF, CRLF };

// Line files: UTF-8 with or without a byte-order mark, UTF-16LE (or BE) with one; LF or CRLF. A final line
// break ends the last line instead of starting an empty one.
bool readLines(std::u16string_view path, std::vector<std::u16string>& lines);
std::vector<std::u16string> decodeLines(std::string_view bytes);
// Written as UTF-8 without a byte-order mark, every line followed by its line break.
bool writeLines(std::u16string_view path, const std::vector<std::u16string>& lines, LineEnding ending = LineEnding::LF);
std::string encodeLines(const std::vector<std::u16string>& lines, LineEnding ending = LineEnding::LF);

// Raw bytes, for 8-bit files (see os::toLatin1 / os::fromLatin1).
bool readBytes(std::u16string_view path, std::string& bytes);
// The same for a file of at most `maxBytes`; a larger one is not read and sets `tooLarge`.
bool readBytes(std::u16string_view path, std::string& bytes, std::uint64_t maxBytes, bool& tooLarge);
// The whole file as one shared text that never changes. A file read again unchanged gives the same object,
// so callers that keep what they made of a file can tell it is the same by the pointer alone. Null when the
// file cannot be read, or is larger than `maxBytes` (which sets `tooLarge`).
std::shared_ptr<const std::string> readShared(std::u16string_view path, std::uint64_t maxBytes, bool& tooLarge);
bool writeBytes(std::u16string_view path, std::string_view bytes);
// As writeBytes, for a native path (the registry store writes its own files through it).
bool writeBytesNative(const std::filesystem::path& target, std::string_view bytes);

// A file written atomically in pieces, for contents too large to be built in memory first: the pieces go to a
// temporary file in the target's folder, and commit() flushes it and renames it over the target. Until a
// successful commit the target stays exactly as it was; a writer destroyed without one removes its temporary
// file. Once a step has failed, every further write and the commit fail.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::u16string_view path);
    // The same for a native path.
    struct Native {};
    AtomicFileWriter(Native, const std::filesystem::path& target);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool good() const { return fd_ >= 0; }
    bool write(std::string_view bytes);
    bool commit();

private:
    void open(const std::filesystem::path& requested);
    void abandon();

    std::filesystem::path target_;
    std::filesystem::path temp_;
    int fd_ = -1;
};

// Existence tests accept `*` and `?` in the last name: true when any entry matches.
bool fileExists(std::u16string_view path);
bool folderExists(std::u16string_view path);
// Creates the folder with every missing folder above it; true when it exists afterwards.
bool createFolder(std::u16string_view path);
bool deleteFile(std::u16string_view path);
// Removes an empty folder.
bool deleteFolder(std::u16string_view path);
// Renames or moves a file; an existing target is replaced.
bool renameFile(std::u16string_view from, std::u16string_view to);
// Copies a file; the target is written atomically.
bool copyFile(std::u16string_view from, std::u16string_view to);
std::optional<std::uint64_t> fileSize(std::u16string_view path);
std::optional<std::filesystem::file_time_type> modificationTime(std::u16string_view path);

enum class EntryKind { Files = 1, Folders = 2, Both = 3 };
// The names of the entries of `folder` that match `pattern`, as they are on disk, sorted without case.
std::vector<std::u16string> listFolder(std::u16string_view folder, std::u16string_view pattern = u"*",
                                       EntryKind kind = EntryKind::Files);
// Every file below `folder` (at any depth) whose name matches `pattern`, each as `folder` joined with its
// path below it ("\" separators), sorted. Symbolic links to folders are not followed, so a loop cannot hang it.
std::vector<std::u16string> findFiles(std::u16string_view folder, std::u16string_view pattern);

// Test hook: while alive, the next atomic write (after `skip` successful ones) fails at `stage`, cleaning up
// as a real failure would. Only one injection may be alive at a time.
enum class WriteStage { Open, Write, Rename };
class FailureInjection {
public:
    explicit FailureInjection(WriteStage stage, int skip = 0);
    ~FailureInjection();
    FailureInjection(const FailureInjection&) = delete;
    FailureInjection& operator=(const FailureInjection&) = delete;
    bool fired() const;
};

} // namespace os
