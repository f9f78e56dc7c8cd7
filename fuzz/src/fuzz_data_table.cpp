// Any bytes given as a data table of GETCELL: the table reads without failing hard, and every first column
// it holds is found again as a key, with the second column of the first row that has it.
#include "nuvo/Ork_StringArray.h"
#include "os/files.h"
#include "standards/KvDataFiles.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Ork_StringArray lines;
    for (auto& line : os::decodeLines(bytes))
        lines.append(Ork_String(std::move(line)));
    const Ork_Array<Ork_StringArray> rows = KvDataFiles::parseDataTable(lines);
    if (rows.length() > lines.length())
        std::abort();
    for (int i = 0; i < rows.length(); ++i) {
        const Ork_StringArray& row = rows[i];
        if (row.isEmpty())
            std::abort();   // only empty lines split into nothing, and those are dropped
        int first = 0;
        while (rows[first][0] != row[0])
            ++first;
        Ork_String value;
        const bool found = KvDataFiles::lookupDataTable(rows, row[0], false, value);
        if (found != (rows[first].length() >= 2) || (found && value != rows[first][1]))
            std::abort();
    }
    return 0;
}
