#pragma once
// Windows-style paths on a POSIX file system. Paths inside the module are UTF-16 texts with "\" separators and
// drive letters; here they become native paths:
//  - "\" and "/" both separate; repeated separators count as one;
//  - a path is absolute when it starts with "/", "\" or "\\" (all mean the file system root here) or with a
//    drive letter ("C:\lib", also "C:lib"); a drive letter maps to the folder set with setDriveFolder and a
//    path on an unmapped drive cannot be resolved; other paths resolve against the current directory;
//  - where a name is not found with its exact case, the unique case-insensitive match in its folder is taken,
//    folder by folder, because libraries are authored on systems whose file names ignore case.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace os {

// Maps drive letter `drive` (either case) to `folder`; an empty folder removes the mapping.
void setDriveFolder(char16_t drive, const std::filesystem::path& folder);
std::optional<std::filesystem::path> driveFolder(char16_t drive);
void clearDriveFolders();

bool isAbsolutePath(std::u16string_view path);
bool isSeparator(char16_t c);
// The names between separators, without empty ones and without a leading drive ("C:").
std::vector<std::u16string> splitPath(std::u16string_view path);
// The last name of `path` ("a\b.txt" -> "b.txt"); and everything before it, with its trailing separator.
std::u16string fileNameOf(std::u16string_view path);
std::u16string folderOf(std::u16string_view path);
// Joins folder and name with one "\" between them.
std::u16string joinPath(std::u16string_view folder, std::u16string_view name);

// The native path that `path` names: existing names with the case found on disk, the rest as written (so the
// result can also name a file about to be created). nullopt only when the path cannot name anything: empty, or
// on an unmapped drive. "." and ".." are applied as written.
std::optional<std::filesystem::path> resolvePath(std::u16string_view path);
// As resolvePath, but only when the named file or folder exists.
std::optional<std::filesystem::path> findExisting(std::u16string_view path);
// What findExisting finds, with every link followed and "." and ".." resolved: one name for one file, however
// it is spelt. Nothing when the path names nothing. Kept by the thread's snapshot, like the resolution itself.
std::optional<std::filesystem::path> findCanonical(std::u16string_view path);
// The type of what findExisting finds (links followed); not_found when it finds nothing. Answered from the
// snapshot's own look where that saw no link.
std::filesystem::file_type existingType(std::u16string_view path);

// Native path to the module's text (UTF-8 file names become UTF-16; "/" separators stay).
std::u16string fromNativePath(const std::filesystem::path& path);
std::filesystem::path toNativeName(std::u16string_view name);

// `*` matches any run of characters, `?` exactly one; letters compare without case. "*.*" matches every name,
// as it does on the original platform, also names without a dot.
bool wildcardMatch(std::u16string_view pattern, std::u16string_view name);
bool hasWildcard(std::u16string_view text);

} // namespace os
