#pragma once
// The registry store: what the original platform kept in its system registry, kept here as one readable UTF-8
// text file per hive (HKEY_LOCAL_MACHINE.txt ...) in a configurable folder. Keys form a tree per hive; a key
// has a default value (the empty name) and named values, each of type string, number (32-bit) or binary.
// Key and value names compare without case and keep the case they were created with; key paths use "\".
//
// Every change is written to the hive's file at once, atomically; a change whose file cannot be written is
// undone in memory too, so memory and file never disagree. A hive is read from its file on first use; a
// malformed file is refused (BadFile, with the line in lastError()) and is never overwritten.
//
// Handles name their key by path: a handle stays safe after its key is deleted (it then reports NotFound).
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace os {

enum class Hive { LocalMachine, ClassesRoot, CurrentUser };

enum class RegType { String, Number, Binary };

enum class RegStatus {
    Ok,
    NotFound,     // no such key or value
    WrongType,    // the value exists with another type
    AccessDenied, // the key cannot be opened or written (see Registry::FailureInjection)
    WriteFailed,  // the hive's file could not be written; nothing changed
    BadFile,      // the hive's file is malformed or unreadable; see Registry::lastError()
    InvalidName,  // an empty or over-long key name, or a path deeper than the store allows
    NotOpen,      // the handle names no key
};

const char* regStatusText(RegStatus status);
// "HKEY_LOCAL_MACHINE" ...
const char* hiveName(Hive hive);

class Registry {
public:
    class Key;

    // The folder of the hive files; changing it (or calling reload) forgets the hives read so far.
    static void setFolder(const std::filesystem::path& folder);
    static std::filesystem::path folder();
    // $XDG_CONFIG_HOME/ss/registry, else $HOME/.config/ss/registry.
    static std::filesystem::path defaultFolder();
    static std::filesystem::path hiveFile(Hive hive);
    static void reload();
    // The message of the last BadFile or WriteFailed result.
    static std::string lastError();

    // Paths are relative to the hive's root ("Software\Kelvadore\Spreadsheet Editor v1.0"); an empty path
    // names the root itself. createKey also creates the keys above it.
    static RegStatus openKey(Hive hive, std::u16string_view path, Key& key);
    static RegStatus createKey(Hive hive, std::u16string_view path, Key& key);
    // Removes the key with its whole subtree; the root cannot be deleted.
    static RegStatus deleteKey(Hive hive, std::u16string_view path);

    // Test hook: while alive, the key at `path` (and nothing else) cannot be opened or created (CannotOpen), or
    // cannot be changed — no values set or deleted, no subkeys created, the key not deleted (CannotWrite).
    enum class Failure { CannotOpen, CannotWrite };
    class FailureInjection {
    public:
        FailureInjection(Hive hive, std::u16string_view path, Failure failure);
        ~FailureInjection();
        FailureInjection(const FailureInjection&) = delete;
        FailureInjection& operator=(const FailureInjection&) = delete;

    private:
        int id_;
    };
};

// An open key. Default-constructed it names nothing (NotOpen).
class Registry::Key {
public:
    Key() = default;
    bool isOpen() const { return open_; }
    Hive hive() const { return hive_; }
    // The key's path from its hive's root, in the case it was opened with.
    const std::u16string& path() const { return path_; }
    void close() { open_ = false; }

    RegStatus openSubKey(std::u16string_view subPath, Key& key) const;
    RegStatus createSubKey(std::u16string_view subPath, Key& key) const;
    RegStatus deleteSubKey(std::u16string_view subPath) const;

    // The empty name is the key's default value.
    RegStatus setString(std::u16string_view name, std::u16string_view text) const;
    RegStatus setNumber(std::u16string_view name, std::uint32_t number) const;
    RegStatus setBinary(std::u16string_view name, std::string_view bytes) const;
    RegStatus queryString(std::u16string_view name, std::u16string& text) const;
    RegStatus queryNumber(std::u16string_view name, std::uint32_t& number) const;
    RegStatus queryBinary(std::u16string_view name, std::string& bytes) const;
    RegStatus queryType(std::u16string_view name, RegType& type) const;
    RegStatus deleteValue(std::u16string_view name) const;

    // Names as created, subkeys sorted without case, values in the order they were first set.
    RegStatus subKeyNames(std::vector<std::u16string>& names) const;
    RegStatus valueNames(std::vector<std::u16string>& names) const;

private:
    friend class Registry;
    Hive hive_ = Hive::LocalMachine;
    std::u16string path_;
    bool open_ = false;
};

} // namespace os
