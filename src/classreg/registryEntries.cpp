#include "classreg/registryEntries.h"

#include "os/winRegistry.h"

namespace {

// Closes a key on every way out.
class OpenKey {
public:
    OpenKey() = default;
    ~OpenKey() {
        if (m_key)
            RegCloseKey(m_key);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY* out() { return &m_key; }
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

} // namespace

bool writeDefaultValue(const Ork_String& keyPath, const Ork_String& text) {
    OpenKey key;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, key.out(), nullptr) != ERROR_SUCCESS)
        return false;
    // A string value is stored with its terminating zero.
    const DWORD bytes = static_cast<DWORD>(2 * (text.size() + 1));
    return RegSetValueExW(key.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes) ==
           ERROR_SUCCESS;
}

bool deleteKeyTree(const Ork_String& keyPath) {
    const size_t split = keyPath.rfind(u'\\');
    const Ork_String parentPath = split == Ork_String::npos ? Ork_String() : keyPath.left(static_cast<int>(split));
    const Ork_String lastName = split == Ork_String::npos ? keyPath : keyPath.mid(static_cast<int>(split) + 1);
    OpenKey parent;
    const LONG opened = RegOpenKeyW(HKEY_CLASSES_ROOT, parentPath.c_str(), parent.out());
    if (opened == ERROR_FILE_NOT_FOUND)
        return true;  // nothing below a missing parent, so the key is not there either
    if (opened != ERROR_SUCCESS)
        return false;
    // Only a key that is gone afterwards counts: a refused deletion or an unwritable store leaves it there.
    const LONG deleted = SHDeleteKeyW(parent.get(), lastName.c_str());
    return deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND;
}
