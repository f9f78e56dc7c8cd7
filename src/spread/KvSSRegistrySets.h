#pragma once
// The spreadsheet editor's registry settings, read only: the language and the name of the default settings
// file, under HKEY_LOCAL_MACHINE "Software\Kelvadore\Spreadsheet Editor v1.0".
#include "nuvo/Ork_String.h"

class KvSSRegistrySets {
public:
    static constexpr const char16_t* kKey = u"Software\\Kelvadore\\Spreadsheet Editor v1.0";

    KvSSRegistrySets();
    KvSSRegistrySets(const KvSSRegistrySets& other);
    KvSSRegistrySets& operator=(const KvSSRegistrySets& other);
    virtual ~KvSSRegistrySets();

    // Reads both values; false when either is missing or not a text (the other is still taken). A value that
    // cannot be read keeps its default.
    bool read();

    Ork_String m_language = u"EN";
    Ork_String m_defaultSettings;
};
