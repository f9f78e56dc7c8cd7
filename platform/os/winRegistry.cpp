#include "os/winRegistry.h"

#include "os/Registry.h"

#include <cstdio>
#include <cstring>

// A handle is the hive and the path of the key it names; the roots are the three predefined ones.
struct HKEY__ {
    os::Hive hive;
    std::u16string path;
    bool predefined;
};

namespace {

HKEY__ gClassesRoot{os::Hive::ClassesRoot, u"", true};
HKEY__ gLocalMachine{os::Hive::LocalMachine, u"", true};
HKEY__ gCurrentUser{os::Hive::CurrentUser, u"", true};

LONG resultOf(os::RegStatus status) {
    switch (status) {
    case os::RegStatus::Ok: return ERROR_SUCCESS;
    case os::RegStatus::NotFound: return ERROR_FILE_NOT_FOUND;
    case os::RegStatus::WrongType: return ERROR_DATATYPE_MISMATCH;
    case os::RegStatus::AccessDenied: return ERROR_ACCESS_DENIED;
    case os::RegStatus::WriteFailed: return ERROR_WRITE_FAULT;
    case os::RegStatus::BadFile: return ERROR_BADDB;
    case os::RegStatus::InvalidName: return ERROR_BADKEY;
    case os::RegStatus::NotOpen: return ERROR_INVALID_HANDLE;
    }
    return ERROR_INVALID_PARAMETER;
}

std::u16string below(HKEY key, const char16_t* subKey) {
    std::u16string path = key->path;
    if (subKey && *subKey) {
        if (!path.empty())
            path += u'\\';
        path += subKey;
    }
    return path;
}

HKEY handleFor(const os::Registry::Key& opened) { return new HKEY__{opened.hive(), opened.path(), false}; }

} // namespace

HKEY const HKEY_CLASSES_ROOT = &gClassesRoot;
HKEY const HKEY_LOCAL_MACHINE = &gLocalMachine;
HKEY const HKEY_CURRENT_USER = &gCurrentUser;

LONG RegCreateKeyExW(HKEY key, const char16_t* subKey, DWORD /*reserved*/, char16_t* /*keyClass*/,
                     DWORD /*options*/, REGSAM /*access*/, void* /*security*/, HKEY* result, DWORD* disposition) {
    if (!key || !result)
        return ERROR_INVALID_HANDLE;
    *result = nullptr;
    const std::u16string path = below(key, subKey);
    os::Registry::Key opened;
    const bool existed = os::Registry::openKey(key->hive, path, opened) == os::RegStatus::Ok;
    if (!existed)
        if (const os::RegStatus status = os::Registry::createKey(key->hive, path, opened); status != os::RegStatus::Ok)
            return resultOf(status);
    if (disposition)
        *disposition = existed ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    *result = handleFor(opened);
    return ERROR_SUCCESS;
}

LONG RegOpenKeyW(HKEY key, const char16_t* subKey, HKEY* result) {
    if (!key || !result)
        return ERROR_INVALID_HANDLE;
    *result = nullptr;
    os::Registry::Key opened;
    if (const os::RegStatus status = os::Registry::openKey(key->hive, below(key, subKey), opened);
        status != os::RegStatus::Ok)
        return resultOf(status);
    *result = handleFor(opened);
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key) {
    if (!key)
        return ERROR_INVALID_HANDLE;
    if (!key->predefined)
        delete key;
    return ERROR_SUCCESS;
}

LONG RegSetValueExW(HKEY key, const char16_t* name, DWORD /*reserved*/, DWORD type, const BYTE* data, DWORD bytes) {
    if (!key)
        return ERROR_INVALID_HANDLE;
    if (bytes && !data)
        return ERROR_INVALID_PARAMETER;
    os::Registry::Key opened;
    if (const os::RegStatus status = os::Registry::openKey(key->hive, key->path, opened); status != os::RegStatus::Ok)
        return resultOf(status);
    const std::u16string valueName = name ? name : u"";
    switch (type) {
    case REG_SZ: {
        if (bytes % 2 != 0)
            return ERROR_INVALID_PARAMETER;
        std::u16string text(bytes / 2, u'\0');
        if (bytes)
            std::memcpy(text.data(), data, bytes);
        if (!text.empty() && text.back() == u'\0')
            text.pop_back();
        return resultOf(opened.setString(valueName, text));
    }
    case REG_DWORD: {
        if (bytes != sizeof(std::uint32_t))
            return ERROR_INVALID_PARAMETER;
        std::uint32_t number = 0;
        std::memcpy(&number, data, sizeof number);
        return resultOf(opened.setNumber(valueName, number));
    }
    case REG_BINARY:
        return resultOf(opened.setBinary(valueName, std::string(reinterpret_cast<const char*>(data), bytes)));
    default:
        return ERROR_INVALID_PARAMETER;
    }
}

LONG SHDeleteKeyW(HKEY key, const char16_t* subKey) {
    if (!key)
        return ERROR_INVALID_HANDLE;
    if (!subKey || !*subKey)
        return ERROR_INVALID_PARAMETER;
    return resultOf(os::Registry::deleteKey(key->hive, below(key, subKey)));
}

HRESULT StringFromCLSID(const CLSID& id, std::u16string& text) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", id.Data1, id.Data2,
                  id.Data3, id.Data4[0], id.Data4[1], id.Data4[2], id.Data4[3], id.Data4[4], id.Data4[5], id.Data4[6],
                  id.Data4[7]);
    text.assign(buffer, buffer + std::strlen(buffer));
    return S_OK;
}
