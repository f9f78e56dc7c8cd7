// Any bytes given as a section library record: reading never fails hard, a refusal says why and leaves the
// record as it was, and a record that was read writes a document that reads back into the same record.
#include "nuvo/records/libraryRecordJson.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    DlgEditLibData record;
    record.groups.appendNewGrp(u"kept");
    const DlgEditLibData before = record;
    Ork_String error;
    if (!readLibraryRecordText(bytes, record, error)) {
        if (error.isEmpty() || !(record == before))
            std::abort();
        return 0;
    }
    const std::string written = libraryRecordText(record);
    DlgEditLibData again;
    if (!readLibraryRecordText(written, again, error) || !(again == record) || libraryRecordText(again) != written)
        std::abort();
    return 0;
}
