// Feeds arbitrary bytes to the workbook import: it may refuse them with a message but must never crash, hang
// or allocate without bound. The first byte chooses what the rest is: 0 an XLSX file, 1 the XML of a worksheet
// packed here into an otherwise valid XLSX file (so that the parsers behind the zip container get the fuzzer's
// attention too), 2 the content.xml of an ODS file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "workbook.h"

namespace {

std::uint32_t crc32Of(std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char c : bytes) {
        crc ^= c;
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void put16(std::string& out, std::uint32_t v) {
    out += char(v & 0xFF);
    out += char((v >> 8) & 0xFF);
}
void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// A zip of stored (uncompressed) parts.
std::string storedZip(const std::vector<std::pair<std::string, std::string>>& parts) {
    std::string out, directory;
    for (const auto& [name, bytes] : parts) {
        const std::uint32_t crc = crc32Of(bytes), at = std::uint32_t(out.size()), size = std::uint32_t(bytes.size());
        put32(out, 0x04034b50);
        put16(out, 20), put16(out, 0), put16(out, 0), put16(out, 0), put16(out, 0x21);
        put32(out, crc), put32(out, size), put32(out, size), put16(out, std::uint32_t(name.size())), put16(out, 0);
        out += name + bytes;
        put32(directory, 0x02014b50);
        put16(directory, 20), put16(directory, 20), put16(directory, 0), put16(directory, 0), put16(directory, 0),
            put16(directory, 0x21);
        put32(directory, crc), put32(directory, size), put32(directory, size);
        put16(directory, std::uint32_t(name.size())), put16(directory, 0), put16(directory, 0), put16(directory, 0),
            put16(directory, 0), put32(directory, 0), put32(directory, at);
        directory += name;
    }
    const std::uint32_t directoryAt = std::uint32_t(out.size());
    out += directory;
    put32(out, 0x06054b50);
    put16(out, 0), put16(out, 0), put16(out, std::uint32_t(parts.size())), put16(out, std::uint32_t(parts.size()));
    put32(out, std::uint32_t(directory.size())), put32(out, directoryAt), put16(out, 0);
    return out;
}

const char kNs[] = "http://schemas.openxmlformats.org/";

std::string xlsxAround(const std::string& sheet) {
    const std::string ns = kNs;
    return storedZip({
        {"[Content_Types].xml",
         "<Types xmlns=\"" + ns + "package/2006/content-types\"><Default Extension=\"rels\" "
         "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/><Override PartName=\"/xl/workbook.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/><Override "
         "PartName=\"/xl/worksheets/sheet1.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/></Types>"},
        {"_rels/.rels", "<Relationships xmlns=\"" + ns + "package/2006/relationships\"><Relationship Id=\"rId1\" Type=\"" +
                            ns + "officeDocument/2006/relationships/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {"xl/workbook.xml", "<workbook xmlns=\"" + ns + "spreadsheetml/2006/main\" xmlns:r=\"" + ns +
                                "officeDocument/2006/relationships\"><sheets><sheet name=\"S\" sheetId=\"1\" r:id=\"rId1\"/>"
                                "</sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels", "<Relationships xmlns=\"" + ns + "package/2006/relationships\"><Relationship "
                                       "Id=\"rId1\" Type=\"" + ns + "officeDocument/2006/relationships/worksheet\" "
                                       "Target=\"worksheets/sheet1.xml\"/></Relationships>"},
        {"xl/worksheets/sheet1.xml", sheet},
    });
}

std::string odsAround(const std::string& content) {
    return storedZip({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"}, {"content.xml", content}});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::string bytes;
    interchange::WorkbookKind kind = interchange::WorkbookKind::Xlsx;
    switch (data[0] % 3) {
    case 0: bytes = rest; break;
    case 1: bytes = xlsxAround(rest); break;
    default:
        bytes = odsAround(rest);
        kind = interchange::WorkbookKind::Ods;
        break;
    }
    grid::Sheet sheet;
    interchange::ImportReport report;
    std::string error;
    if (!interchange::importWorkbookBytes(sheet, bytes, kind, "", report, error) && error.empty())
        __builtin_trap();   // a refusal always says why
    return 0;
}
