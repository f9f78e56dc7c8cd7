// Any bytes as a cut record: reading never crashes or hangs; a refused record says why; a record read is
// written and read back the same.
#include "cutRecordJson.h"

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
    DlgMacroCutsData record;
    sscmd::RecordReader reader(json, "");
    if (!sscmd::readCutRecord(reader, record) || !reader.finish()) {
        if (reader.error().empty()) std::abort();
        return 0;
    }
    const sscmd::Json written = sscmd::cutRecordJson(record);
    DlgMacroCutsData back;
    sscmd::RecordReader again(written, "");
    if (!sscmd::readCutRecord(again, back) || !again.finish()) std::abort();
    if (!(back == record)) std::abort();
    return 0;
}
