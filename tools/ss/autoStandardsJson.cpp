#include "autoStandardsJson.h"

namespace sscmd {

namespace {

struct List {
    const char* key;
    Ork_StringArray KvAutoStandardsData::*member;
};

constexpr List kLists[] = {
    {"dwgGenVars", &KvAutoStandardsData::dwgGenVars},           {"dwgGenValues", &KvAutoStandardsData::dwgGenValues},
    {"dwgGenFilters", &KvAutoStandardsData::dwgGenFilters},     {"stdGenVars", &KvAutoStandardsData::stdGenVars},
    {"stdGenValues", &KvAutoStandardsData::stdGenValues},       {"stdGenOverrides", &KvAutoStandardsData::stdGenOverrides},
    {"stdGenFilters", &KvAutoStandardsData::stdGenFilters},
};

} // namespace

bool readAutoStandards(RecordReader& reader, KvAutoStandardsData& data) {
    for (const List& list : kLists)
        if (!reader.texts(list.key, data.*list.member))
            return false;
    return true;
}

Json autoStandardsJson(const KvAutoStandardsData& data) {
    Json out = Json::object();
    for (const List& list : kLists)
        out[list.key] = textsJson(data.*list.member);
    return out;
}

} // namespace sscmd
