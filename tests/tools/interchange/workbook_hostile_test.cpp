// Malformed and hostile workbooks: each gives a clear error, never a crash, a hang or a sheet half changed.
#include "workbook.h"
#include "xmlParts.h"
#include "zipLimits.h"
#include "zipWriter.h"

#include "grid/Sheet.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using interchange::WorkbookKind;

struct Outcome {
    bool ok = false;
    std::string error;
};

// Imports `bytes` into a sheet that holds one cell beforehand, and checks that a failure left it alone.
Outcome importBytes(const std::string& bytes) {
    grid::Sheet sheet;
    sheet.setMaxCols(1);
    sheet.setMaxRows(1);
    sheet.setNumber(1, 1, 42);
    interchange::ImportReport report;
    Outcome out;
    out.ok = interchange::importWorkbookBytes(sheet, bytes, WorkbookKind::Xlsx, "", report, out.error);
    if (!out.ok) {
        EXPECT_EQ(sheet.valueText(1, 1), u"42");
    }
    return out;
}

std::string columnName(int col) {
    std::string name;
    for (; col > 0; col = (col - 1) / 26)
        name.insert(name.begin(), char('A' + (col - 1) % 26));
    return name;
}

std::string workbook(const std::string& sheetData) { return ziptest::zipArchive(ziptest::xlsxParts(sheetData)); }

TEST(HostileWorkbooks, ATestWorkbookOfTheTestsOwnWriterIsRead) {
    const Outcome plain = importBytes(workbook("<sheetData><row r=\"1\"><c r=\"B1\"><v>5</v></c>"
                                               "<c r=\"C1\"><f>B1*2</f><v>10</v></c></row></sheetData>"));
    EXPECT_TRUE(plain.ok) << plain.error;
}

TEST(HostileWorkbooks, AZipBombIsRefusedBeforeItIsUnpacked) {
    // 200 MB of one character packs into a few hundred kilobytes.
    std::vector<ziptest::Part> parts = ziptest::xlsxParts("<sheetData/>");
    parts.back().bytes = "<worksheet><sheetData>" + std::string(200u << 20, ' ') + "</sheetData></worksheet>";
    const std::string bomb = ziptest::zipArchive(parts);
    ASSERT_LT(bomb.size(), 1u << 20);
    const Outcome out = importBytes(bomb);
    EXPECT_FALSE(out.ok);
    EXPECT_NE(out.error.find("the workbook's part xl/worksheets/sheet1.xml unpacks to 200 MB"), std::string::npos)
        << out.error;
}

// A packed size past the end of the file (a few flipped bits of a real workbook) would make the unpacking
// library allocate gigabytes before reading a byte; it is refused first, in either header.
TEST(HostileWorkbooks, APartWhosePackedBytesReachPastTheFileIsRefused) {
    const std::string good = workbook("<sheetData/>");
    const std::string name = "xl/worksheets/sheet1.xml";
    for (const std::string& header : {std::string("PK\x01\x02", 4), std::string("PK\x03\x04", 4)}) {
        const bool directory = header[2] == '\x01';
        std::size_t at = 0;
        while ((at = good.find(header, at)) != std::string::npos &&
               good.compare(at + (directory ? 46 : 30), name.size(), name) != 0)
            ++at;
        ASSERT_NE(at, std::string::npos);
        std::string bad = good;
        for (int k = 0; k < 4; ++k)
            bad[at + (directory ? 20 : 18) + k] = k == 3 ? '\x7f' : '\xf0';
        const Outcome out = importBytes(bad);
        EXPECT_FALSE(out.ok);
        EXPECT_NE(out.error.find("the workbook's part " + name + " is damaged (it reaches past the end of the file)"),
                  std::string::npos) << out.error;
    }
}

// The workbook library stops the process on some malformed markup; such markup is refused before it reads it.
TEST(HostileWorkbooks, MalformedMarkupIsRefusedBeforeTheReaderSeesIt) {
    struct Case {
        const char* xml;
        const char* why;
    };
    const Case cases[] = {
        {"<a><b x=\"1\"/></a>", ""},
        {"\xEF\xBB\xBF<?xml version=\"1.0\"?><!-- c --><a><![CDATA[<x>]]><b/>text &amp; more</a>", ""},
        {"<a x='1' y = \"2\"></a >", ""},
        {"<row r=\"1\" customHeight=\"1&><c/></row>", "the value of customHeight of <row> is not closed"},
        {"<a><b x=\"1\"", "the tag <b> is not closed"},
        {"<a><b x></b></a>", "an attribute of <b> is malformed"},
        {"<a><b x=1/></a>", "the attribute x of <b> has no quoted value"},
        {"<a x=\"1\"y=\"2\"/>", "the attributes of <a> are not separated"},
        {"<a></b>", "the end tag </b> matches no open element"},
        {"<a><b>", "the element <b> is not closed"},
        {"<a/><b/>", "a second root element <b>"},
        {"<a><!-- open", "a comment is not closed"},
        {"< a/>", "a tag has no name"},
        {"<a></a", "an end tag is malformed"},
        {"", "no element"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_EQ(interchange::checkXmlMarkup(c.xml, error), *c.why == 0) << c.xml;
        EXPECT_EQ(error.substr(0, error.find(" (byte")), c.why) << c.xml;
    }
    const Outcome out = importBytes(workbook("<sheetData><row r=\"1\" ht=\"20\" customHeight=\"1&><c r=\"A1\"><v>2</v>"
                                             "</c></row></sheetData>"));
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.error.rfind("the workbook's part xl/worksheets/sheet1.xml is not well-formed XML: the value of "
                              "customHeight of <row> is not closed (byte ", 0), 0u) << out.error;
}

// liborcus's ODS reader stops the process on a column's properties inside a style of another family. The ODS
// is read in a child process: the import refuses it and the caller goes on; a good ODS still reads.
TEST(HostileWorkbooks, AnOdsThatStopsItsReaderIsRefusedAndTheCallerGoesOn) {
    const auto ods = [](const std::string& styleFamily) {
        const std::string content =
            "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
            "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
            "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
            "xmlns:office2=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\"><office:automatic-styles>"
            "<style:style style:name=\"co1\" style:family=\"" + styleFamily + "\">"
            "<style:table-column-properties style:column-width=\"2.54cm\"/></style:style></office:automatic-styles>"
            "<office:body><office:spreadsheet><table:table table:name=\"S\"><table:table-row><table:table-cell "
            "office:value-type=\"float\" office:value=\"7\"/></table:table-row></table:table></office:spreadsheet>"
            "</office:body></office:document-content>";
        return ziptest::zipArchive({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                                    {"content.xml", content}});
    };
    grid::Sheet sheet;
    sheet.setMaxCols(1);
    sheet.setMaxRows(1);
    sheet.setNumber(1, 1, 42);
    interchange::ImportReport report;
    std::string error;
    EXPECT_FALSE(interchange::importWorkbookBytes(sheet, ods("tab le-column"), WorkbookKind::Ods, "", report, error));
    EXPECT_EQ(error, "the workbook is malformed (its reader stopped on it)");
    EXPECT_EQ(sheet.valueText(1, 1), u"42");
    ASSERT_TRUE(interchange::importWorkbookBytes(sheet, ods("table-column"), WorkbookKind::Ods, "", report, error))
        << error;
    EXPECT_EQ(report.sheetNames, std::vector<std::string>{"S"});
    EXPECT_EQ(sheet.valueText(1, 1), u"7");
}

TEST(HostileWorkbooks, ASheetOfAMillionColumnsIsRefusedNamingTheCell) {
    // Column 1000000 is "BDWGN"; the grid holds 32000.
    const Outcome far = importBytes(workbook("<dimension ref=\"A1:BDWGN1\"/><sheetData><row r=\"1\">"
                                             "<c r=\"A1\"><v>1</v></c><c r=\"BDWGN1\"><v>2</v></c></row></sheetData>"));
    EXPECT_FALSE(far.ok);
    EXPECT_NE(far.error.find("32000 columns"), std::string::npos) << far.error;
    // A million cells in one row, one in every column: refused at the first past the grid's size (32001, AUHU).
    std::string row = "<dimension ref=\"A1:BDWGN1\"/><sheetData><row r=\"1\">";
    for (int col = 1; col <= 1000000; ++col)
        row += "<c r=\"" + columnName(col) + "1\"><v>1</v></c>";
    const Outcome wide = importBytes(workbook(row + "</row></sheetData>"));
    EXPECT_FALSE(wide.ok);
    EXPECT_NE(wide.error.find("cell AUHU1 lies past the grid's 32000 columns"), std::string::npos) << wide.error;
}

TEST(HostileWorkbooks, InvalidXmlIsAClearError) {
    const Outcome cut = importBytes(workbook("<sheetData><row r=\"1\"><c r=\"A1\"><v>1</v"));
    EXPECT_FALSE(cut.ok);
    EXPECT_NE(cut.error.find("malformed"), std::string::npos) << cut.error;
    const Outcome garbage = importBytes(workbook("<<<&&&>>>"));
    EXPECT_FALSE(garbage.ok);
    const Outcome badText = importBytes(workbook("<sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>99</v></c></row></sheetData>"));
    EXPECT_FALSE(badText.ok);
    EXPECT_NE(badText.error.find("shared text"), std::string::npos) << badText.error;
}

TEST(HostileWorkbooks, AnAddressOfEndlessLettersOrDigitsIsRefused) {
    const Outcome letters = importBytes(workbook("<sheetData><row r=\"1\"><c r=\"" + std::string(40, 'Z') +
                                                 "1\"><v>1</v></c></row></sheetData>"));
    EXPECT_FALSE(letters.ok);
    const Outcome digits = importBytes(workbook("<sheetData><row r=\"1\"><c r=\"A" + std::string(40, '9') +
                                                "\"><v>1</v></c></row></sheetData>"));
    EXPECT_FALSE(digits.ok);
}

TEST(HostileWorkbooks, WhatIsNoZipIsRefused) {
    EXPECT_EQ(importBytes("").error, "not a workbook (no zip container)");
    EXPECT_EQ(importBytes("PK\x03\x04 just a little more than twenty-two bytes").error, "not a workbook (no zip container)");
    std::string cut = workbook("<sheetData/>");
    cut.resize(cut.size() - 30);
    EXPECT_FALSE(importBytes(cut).ok);
    // A directory claiming more parts than the file holds.
    std::string lying = workbook("<sheetData/>");
    lying[lying.size() - 12] = char(0x40);
    EXPECT_FALSE(importBytes(lying).ok);
}

TEST(HostileWorkbooks, TheLimitsNameWhatTheyRefuse) {
    interchange::ZipLimits small;
    small.maxEntries = 3;
    std::string error;
    EXPECT_FALSE(interchange::checkZipContainer(workbook("<sheetData/>"), small, error));
    EXPECT_EQ(error, "the workbook holds 5 parts, more than 3");
    small = interchange::ZipLimits{};
    small.maxTotalBytes = 1000;
    EXPECT_FALSE(interchange::checkZipContainer(workbook("<sheetData/>"), small, error));
    EXPECT_EQ(error, "the workbook unpacks to more than 0 MB");
}

TEST(HostileWorkbooks, AFolderOrAMissingFileIsNamed) {
    TempFolder temp;
    grid::Sheet sheet;
    interchange::ImportReport report;
    std::string error;
    EXPECT_FALSE(interchange::importWorkbook(sheet, temp.path().string(), "", report, error));
    EXPECT_NE(error.find("is a folder"), std::string::npos) << error;
    EXPECT_FALSE(interchange::importWorkbook(sheet, (temp.path() / "none.xlsx").string(), "", report, error));
    EXPECT_NE(error.find("cannot read"), std::string::npos) << error;
}

} // namespace
