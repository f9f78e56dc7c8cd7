#pragma once
// The system registry's calls as the module makes them, with the platform's names, handles and result codes,
// over the registry store (os/Registry.h). A handle names its key by hive and path, so it stays harmless after
// its key is deleted. The predefined roots are never closed.
//
// Text is UTF-16 (char16_t), as everywhere in the module; string values are given in bytes, with their
// terminating zero, as the platform takes them.
#include <cstdint>
#include <string>

using LONG = std::int32_t;
using DWORD = std::uint32_t;
using BYTE = std::uint8_t;
using REGSAM = std::uint32_t;
using HRESULT = std::int32_t;

struct HKEY__;
using HKEY = HKEY__*;

// The roots: HKEY_CLASSES_ROOT is os::Hive::ClassesRoot, and so on.
extern HKEY const HKEY_CLASSES_ROOT;
extern HKEY const HKEY_LOCAL_MACHINE;
extern HKEY const HKEY_CURRENT_USER;

// Result codes (the platform's numbers).
inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;   // no such key or value
inline constexpr LONG ERROR_ACCESS_DENIED = 5;    // the key refuses to be opened or changed
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_WRITE_FAULT = 29;     // the store could not be written; nothing changed
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_BADDB = 1009;         // the store's file is malformed
inline constexpr LONG ERROR_BADKEY = 1010;        // an empty, over-long or too deep key name
inline constexpr LONG ERROR_DATATYPE_MISMATCH = 1629;

inline constexpr REGSAM KEY_READ = 0x20019;
inline constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;
inline constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;

// Creates the key (and the keys above it) or opens it when it exists. `disposition` may be null.
LONG RegCreateKeyExW(HKEY key, const char16_t* subKey, DWORD reserved, char16_t* keyClass, DWORD options,
                     REGSAM access, void* security, HKEY* result, DWORD* disposition);
// Opens an existing key; a null or empty subKey opens `key` itself again.
LONG RegOpenKeyW(HKEY key, const char16_t* subKey, HKEY* result);
LONG RegCloseKey(HKEY key);
// A null or empty name is the key's default value. REG_SZ data is UTF-16 text of `bytes` bytes; a final
// terminating zero is not part of the stored text. REG_DWORD takes four bytes, REG_BINARY any.
LONG RegSetValueExW(HKEY key, const char16_t* name, DWORD reserved, DWORD type, const BYTE* data, DWORD bytes);
// Deletes the key with its whole subtree: ERROR_FILE_NOT_FOUND when there is none, ERROR_ACCESS_DENIED when
// the key or one below it refuses, ERROR_WRITE_FAULT when the store cannot be written.
LONG SHDeleteKeyW(HKEY key, const char16_t* subKey);

// A 128-bit identifier of a component class, an interface or a type library.
struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
};
using CLSID = GUID;
using IID = GUID;

inline constexpr HRESULT S_OK = 0;

// The registry form "{8-4-4-4-12}" with upper-case hexadecimal digits.
HRESULT StringFromCLSID(const CLSID& id, std::u16string& text);
