#include "spread/KvSSSettings.h"

#include "spread/Ork_SimplePropsList.h"
#include "spread/Ork_Spread.h"
#include "spread/sheetSettingsFiles.h"

namespace {

enum class Kind { Text, Int, Bool };

struct SettingKey {
    const char16_t* key;
    Kind kind;
    Ork_String KvSSSettings::*text;
    int KvSSSettings::*number;
    bool KvSSSettings::*flag;
};

// The scalar settings in the order they are written.
const SettingKey kKeys[] = {
    // key                   kind        text                        int                                 bool
    {u"headerFile",          Kind::Text, &KvSSSettings::m_headerFile,  nullptr,                            nullptr},
    {u"footerFile",          Kind::Text, &KvSSSettings::m_footerFile,  nullptr,                            nullptr},
    {u"defaultFont",         Kind::Text, &KvSSSettings::m_defaultFont, nullptr,                            nullptr},
    {u"defaultTextHeight",   Kind::Int,  nullptr, &KvSSSettings::m_defaultTextHeight,                      nullptr},
    {u"marginLeft",          Kind::Int,  nullptr, &KvSSSettings::m_marginLeft,                             nullptr},
    {u"marginRight",         Kind::Int,  nullptr, &KvSSSettings::m_marginRight,                            nullptr},
    {u"marginTop",           Kind::Int,  nullptr, &KvSSSettings::m_marginTop,                              nullptr},
    {u"marginBottom",        Kind::Int,  nullptr, &KvSSSettings::m_marginBottom,                           nullptr},
    {u"smartPrint",          Kind::Bool, nullptr, nullptr, &KvSSSettings::m_smartPrint},
    {u"colors",              Kind::Bool, nullptr, nullptr, &KvSSSettings::m_colors},
    {u"colHeader",           Kind::Bool, nullptr, nullptr, &KvSSSettings::m_colHeader},
    {u"rowHeader",           Kind::Bool, nullptr, nullptr, &KvSSSettings::m_rowHeader},
    {u"cellSeperators",      Kind::Bool, nullptr, nullptr, &KvSSSettings::m_cellSeperators},
    {u"border",              Kind::Bool, nullptr, nullptr, &KvSSSettings::m_border},
};

constexpr const char16_t* kNamesKey = u"varNames";
constexpr const char16_t* kValuesKey = u"varValues";

// Reads key0, key1, ... up to the first index that is missing or not a text.
void readList(const Ork_SimplePropsList& list, const char16_t* key, Ork_StringArray& out) {
    out.removeAll();
    for (int i = 0;; ++i) {
        Ork_String value;
        if (!list.getString(Ork_String(key) + Ork_String(i), value))
            return;
        out.append(value);
    }
}

void writeList(Ork_SimplePropsList& list, const char16_t* key, const Ork_StringArray& values) {
    for (int i = 0; i < values.length(); ++i)
        list.setString(Ork_String(key) + Ork_String(i), values[i]);
}

} // namespace

KvSSSettings::KvSSSettings() { setDefaults(); }
KvSSSettings::KvSSSettings(const KvSSSettings& other) = default;
KvSSSettings& KvSSSettings::operator=(const KvSSSettings& other) = default;
KvSSSettings::~KvSSSettings() = default;

void KvSSSettings::setDefaults() {
    m_valid = false;
    m_defaultFont = u"Tahoma";
    m_defaultTextHeight = 13;
    m_marginLeft = 9;
    m_marginRight = 5;
    m_marginTop = 5;
    m_marginBottom = 5;
    m_smartPrint = m_colors = m_colHeader = m_rowHeader = m_cellSeperators = m_border = true;
}

bool KvSSSettings::readFromSheet(Ork_Spread* grid) {
    setDefaults();
    m_valid = true;
    m_grid = grid;
    if (!grid)
        return false;
    Ork_String tag;
    Ork_SimplePropsList list;
    if (grid->getCellText(0, 0, tag, Ork_Spread::kTextTag) && list.fromText(tag))
        fromPropsList(list);
    return true;
}

bool KvSSSettings::writeToSheet(Ork_Spread* grid) const {
    if (!m_valid || !grid)
        return false;
    Ork_SimplePropsList list;
    toPropsList(list);
    Ork_String text;
    list.toText(text);
    grid->ssSetCellTag(0, 0, text.c_str());
    return true;
}

bool KvSSSettings::readFile(const Ork_String& name) {
    setDefaults();
    m_valid = true;
    Ork_SimplePropsList list;
    if (!list.readFile(installationFolder() + name + u".kvd"))
        return false;
    fromPropsList(list);
    return true;
}

void KvSSSettings::fromPropsList(const Ork_SimplePropsList& list) {
    int index = 0;
    for (const SettingKey& k : kKeys) {
        if (!list.has(k.key, index))
            continue;   // an absent key keeps its default; a present one of the wrong type reads as empty
        switch (k.kind) {
        case Kind::Text: list.getString(k.key, this->*k.text); break;
        case Kind::Int: list.getInt(k.key, this->*k.number); break;
        case Kind::Bool: list.getBool(k.key, this->*k.flag); break;
        }
    }
    readList(list, kNamesKey, m_varNames);
    readList(list, kValuesKey, m_varValues);
    const int pairs = std::min(m_varNames.length(), m_varValues.length());
    m_varNames.setLogicalLength(pairs);
    m_varValues.setLogicalLength(pairs);
}

void KvSSSettings::toPropsList(Ork_SimplePropsList& list) const {
    list.removeAll();
    for (const SettingKey& k : kKeys) {
        switch (k.kind) {
        case Kind::Text: list.setString(k.key, this->*k.text); break;
        case Kind::Int: list.setInt(k.key, this->*k.number); break;
        case Kind::Bool: list.setBool(k.key, this->*k.flag); break;
        }
    }
    writeList(list, kNamesKey, m_varNames);
    writeList(list, kValuesKey, m_varValues);
}

void KvSSSettings::resolveHeaderFile(const Ork_String& documentPath, Ork_String& path) const {
    path = absolutePath(documentPath, m_headerFile);
}

void KvSSSettings::resolveFooterFile(const Ork_String& documentPath, Ork_String& path) const {
    path = absolutePath(documentPath, m_footerFile);
}

void KvSSSettings::setHeaderFile(const Ork_String& documentPath, const Ork_String& file) {
    m_headerFile = makeRelative(documentPath, file);
}

void KvSSSettings::setFooterFile(const Ork_String& documentPath, const Ork_String& file) {
    m_footerFile = makeRelative(documentPath, file);
}
