#pragma once
// The tests' own zip writer, apart from the libraries under test: workbooks of the tests' own making, among
// them hostile ones (a part that inflates to hundreds of megabytes, parts that are no XML).
#include <zlib.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ziptest {

struct Part {
    std::string name;
    std::string bytes;
};

inline void put16(std::string& out, std::uint32_t v) {
    out += char(v & 0xFF);
    out += char((v >> 8) & 0xFF);
}
inline void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// Raw deflate of `bytes`, as a zip part holds it.
inline std::string deflateRaw(std::string_view bytes) {
    z_stream z{};
    deflateInit2(&z, Z_BEST_SPEED, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, uLong(bytes.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    z.avail_in = uInt(bytes.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

// A zip archive of `parts`, each deflated.
inline std::string zipArchive(const std::vector<Part>& parts) {
    std::string out, directory;
    for (const Part& part : parts) {
        const std::string packed = deflateRaw(part.bytes);
        const std::uint32_t crc = std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(part.bytes.data()), uInt(part.bytes.size())));
        const std::uint32_t at = std::uint32_t(out.size());
        put32(out, 0x04034b50);
        put16(out, 20), put16(out, 0), put16(out, 8), put16(out, 0), put16(out, 0x21);
        put32(out, crc), put32(out, std::uint32_t(packed.size())), put32(out, std::uint32_t(part.bytes.size()));
        put16(out, std::uint32_t(part.name.size())), put16(out, 0);
        out += part.name;
        out += packed;
        put32(directory, 0x02014b50);
        put16(directory, 20), put16(directory, 20), put16(directory, 0), put16(directory, 8), put16(directory, 0),
            put16(directory, 0x21);
        put32(directory, crc), put32(directory, std::uint32_t(packed.size())),
            put32(directory, std::uint32_t(part.bytes.size()));
        put16(directory, std::uint32_t(part.name.size())), put16(directory, 0), put16(directory, 0);
        put16(directory, 0), put16(directory, 0), put32(directory, 0), put32(directory, at);
        directory += part.name;
    }
    const std::uint32_t directoryAt = std::uint32_t(out.size());
    out += directory;
    put32(out, 0x06054b50);
    put16(out, 0), put16(out, 0), put16(out, std::uint32_t(parts.size())), put16(out, std::uint32_t(parts.size()));
    put32(out, std::uint32_t(directory.size())), put32(out, directoryAt), put16(out, 0);
    return out;
}

// The parts of an XLSX workbook of one sheet named "Sheet1" holding `sheetXml` (the worksheet element's
// content, between its tags).
inline std::vector<Part> xlsxParts(const std::string& sheetData) {
    const std::string ns = "http://schemas.openxmlformats.org/";
    return {
        {"[Content_Types].xml",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Types xmlns=\"" + ns + "package/2006/content-types\">"
         "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
         "<Override PartName=\"/xl/workbook.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
         "<Override PartName=\"/xl/worksheets/sheet1.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
         "</Types>"},
        {"_rels/.rels",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships xmlns=\"" + ns + "package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"" + ns + "officeDocument/2006/relationships/officeDocument\" Target=\"xl/workbook.xml\"/>"
         "</Relationships>"},
        {"xl/workbook.xml",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><workbook xmlns=\"" + ns + "spreadsheetml/2006/main\" "
         "xmlns:r=\"" + ns + "officeDocument/2006/relationships\"><sheets><sheet name=\"Sheet1\" sheetId=\"1\" "
         "r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships xmlns=\"" + ns + "package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"" + ns + "officeDocument/2006/relationships/worksheet\" "
         "Target=\"worksheets/sheet1.xml\"/></Relationships>"},
        {"xl/worksheets/sheet1.xml",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet xmlns=\"" + ns + "spreadsheetml/2006/main\">" +
             sheetData + "</worksheet>"},
    };
}

} // namespace ziptest
