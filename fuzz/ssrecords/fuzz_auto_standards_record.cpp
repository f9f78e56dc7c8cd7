// Any bytes as a general-variables record: reading never crashes or hangs; a refused record says why; a record
// read is written and read back to the same lists.
#include "autoStandardsJson.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    sscmd::Json json;
    std::string error;
    if (!sscmd::parseRecordText(text, json, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    KvAutoStandardsData record;
    sscmd::RecordReader reader(json, "");
    if (!sscmd::readAutoStandards(reader, record) || !reader.finish()) {
        if (reader.error().empty()) std::abort();
        return 0;
    }
    const sscmd::Json written = sscmd::autoStandardsJson(record);
    KvAutoStandardsData back;
    sscmd::RecordReader again(written, "");
    if (!sscmd::readAutoStandards(again, back) || !again.finish()) std::abort();
    if (back.dwgGenVars != record.dwgGenVars || back.dwgGenValues != record.dwgGenValues ||
        back.dwgGenFilters != record.dwgGenFilters || back.stdGenVars != record.stdGenVars ||
        back.stdGenValues != record.stdGenValues || back.stdGenOverrides != record.stdGenOverrides ||
        back.stdGenFilters != record.stdGenFilters)
        std::abort();
    return 0;
}
