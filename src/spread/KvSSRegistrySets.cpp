#include "spread/KvSSRegistrySets.h"

#include "os/Registry.h"

namespace {

// The value whole, whatever its length; only a text value counts.
bool readText(const os::Registry::Key& key, const char16_t* name, Ork_String& out) {
    std::u16string text;
    if (key.queryString(name, text) != os::RegStatus::Ok)
        return false;
    // A stored text ends at its first terminator, as the platform's string values do.
    if (const size_t end = text.find(u'\0'); end != std::u16string::npos)
        text.resize(end);
    out = Ork_String(std::move(text));
    return true;
}

} // namespace

KvSSRegistrySets::KvSSRegistrySets() = default;
KvSSRegistrySets::KvSSRegistrySets(const KvSSRegistrySets& other) = default;
KvSSRegistrySets& KvSSRegistrySets::operator=(const KvSSRegistrySets& other) = default;
KvSSRegistrySets::~KvSSRegistrySets() = default;

bool KvSSRegistrySets::read() {
    os::Registry::Key key;
    if (os::Registry::openKey(os::Hive::LocalMachine, kKey, key) != os::RegStatus::Ok)
        return false;
    const bool language = readText(key, u"Language", m_language);
    const bool settings = readText(key, u"Default Settings", m_defaultSettings);
    return language && settings;
}
