// ss with workbooks, end to end: the sample end plate kept as a workbook evaluates as its grid document does,
// sheets go to XLSX and come back, bills are written as workbooks; and what ss prints for a person and for a
// script (paths in this machine's form, numbers as JSON numbers).
#include "support/TempFolder.h"
#include "support/runProgram.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

using testsupport::Outcome;
using testsupport::shellQuote;

const fs::path kSamples = fs::path(SS_SOURCE_DIR) / "samples" / "library";
const fs::path kData = fs::path(SS_TEST_DATA) / "interchange";

Outcome ss(const std::vector<std::string>& words, const fs::path& library = kSamples, const fs::path& in = {}) {
    return testsupport::runProgram((in.empty() ? std::string() : "cd " + shellQuote(in.string()) + " && ") +
                                       "SS_LIBRARY=" + shellQuote(library.string()),
                                   SS_PROGRAM, words);
}

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The tour's end plate, and a beam the bolts and the shear decide differently.
const std::vector<std::vector<std::string>> kEndPlateCases = {
    {"--set", "Beam=IPE 300", "--set", "Shear=150", "--gen", "gen_Projection=10", "--gen", "gen_SteelGrade=355"},
    {"--set", "Beam=HE 300 A", "--set", "Shear=400", "--gen", "gen_Projection=15", "--gen", "gen_SteelGrade=235"},
    {"--set", "Beam=IPE 200", "--gen", "gen_Projection=10", "--gen", "gen_SteelGrade=275"},
};

TEST(SsWorkbooks, TheEndPlateKeptAsAWorkbookEvaluatesAsItsGridDocument) {
    TempFolder temp;
    const fs::path library = temp.path() / "library";
    fs::copy(kSamples, library, fs::copy_options::recursive);
    const fs::path standards = library / "Connection Standards";
    fs::remove(standards / "EndPlate.kvs");
    const Outcome convert = ss({"convert", (standards / "EndPlate.xlsx").string(), (standards / "EndPlate.kvs").string()},
                               library);
    ASSERT_EQ(convert.code, 0) << convert.out;
    EXPECT_EQ(convert.out, "");   // nothing the grid could not keep
    for (const auto& values : kEndPlateCases) {
        std::vector<std::string> words{"evaluate", "EndPlate", "--json"};
        words.insert(words.end(), values.begin(), values.end());
        const Outcome original = ss(words);
        const Outcome converted = ss(words, library);
        ASSERT_EQ(original.code, 0) << original.out;
        EXPECT_EQ(converted.code, 0) << converted.out;
        EXPECT_NE(original.out.find("\"Thickness\""), std::string::npos) << original.out;
        EXPECT_EQ(converted.out, original.out);
    }
}

TEST(SsWorkbooks, CalcReadsAWorkbookAndRecalculatesItsFormulas) {
    const Outcome calc = ss({"calc", (kData / "program-written.xlsx").string(), "--csv"});
    EXPECT_EQ(calc.code, 0) << calc.out;
    EXPECT_NE(calc.out.find("ss calc: warning: C7: the formula =Notes!A1*2 cannot be kept"), std::string::npos)
        << calc.out;
    EXPECT_NE(calc.out.find(",Total,17\n"), std::string::npos) << calc.out;
    const Outcome notes = ss({"calc", (kData / "program-written.xlsx").string(), "--sheet", "Notes"});
    EXPECT_EQ(notes.code, 0) << notes.out;
    EXPECT_EQ(notes.out, "7\n");
    const Outcome ods = ss({"calc", (kData / "program-written.ods").string(), "--csv"});
    EXPECT_EQ(ods.code, 0) << ods.out;
    EXPECT_NE(ods.out.find("Total,,3000\n"), std::string::npos) << ods.out;
}

TEST(SsWorkbooks, AGridDocumentGoesToXlsxAndBackUnchanged) {
    TempFolder temp;
    const fs::path document = temp.path() / "prices.kvs";
    std::ofstream(document) << "SS grid 1\nsize 3 3\nwidth 1 20\nheight 1 18\nspan 1 1 2 1\n"
                               "cell 1 1 text \"Prices\"\ncell 1 1 font face=\"Arial\" height=12 bold=1\n"
                               "cell 1 2 number 4\ncell 2 2 number 2.5\ncell 3 2 formula \"A2*B2\"\n"
                               "cell 3 2 colours back=0x00CCFFFF fore=0x00000080\n"
                               "cell 3 3 formula \"SUM(C2:C2)+$A$2\"\nend\n";
    const fs::path book = temp.path() / "prices.xlsx";
    const Outcome out = ss({"convert", document.string(), book.string()});
    ASSERT_EQ(out.code, 0) << out.out;
    const fs::path back = temp.path() / "back.kvs";
    const Outcome in = ss({"convert", book.string(), back.string()});
    ASSERT_EQ(in.code, 0) << in.out;
    const fs::path same = temp.path() / "same.kvs";   // the document as the grid writes it
    ASSERT_EQ(ss({"convert", document.string(), same.string()}).code, 0);
    EXPECT_EQ(fileText(back), fileText(same));
    EXPECT_EQ(ss({"convert", document.string(), (temp.path() / "x.ods").string()}).code, 1);
    EXPECT_EQ(ss({"convert", document.string(), (temp.path() / "x.csv").string(), "--sheet", "S"}).code, 2);
}

// Only where LibreOffice is installed (never needed by CI): our workbook, opened by another program, shows the
// values the grid computed.
TEST(SsWorkbooks, LibreOfficeReadsOurWorkbookWithTheGridsValues) {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "soffice is not installed";
    TempFolder temp;
    const fs::path document = temp.path() / "sums.kvs";
    std::ofstream(document) << "SS grid 1\nsize 3 2\ncell 1 1 number 2\ncell 2 1 number 3.5\n"
                               "cell 3 1 formula \"A1*B1\"\ncell 1 2 text \"total\"\ncell 3 2 formula \"C1+1\"\nend\n";
    ASSERT_EQ(ss({"convert", document.string(), (temp.path() / "sums.xlsx").string()}).code, 0);
    const Outcome office = testsupport::runProgram(
        "cd " + shellQuote(temp.path().string()) + " && HOME=" + shellQuote(temp.path().string()), "soffice",
        {"--headless", "--convert-to", "csv", "--outdir", temp.path().string(), (temp.path() / "sums.xlsx").string()});
    ASSERT_EQ(office.code, 0) << office.out;
    EXPECT_EQ(fileText(temp.path() / "sums.csv"), "2,3.5,7\ntotal,,8\n");
}

TEST(SsWorkbooks, AHostileWorkbookIsAnInputThatCannotBeRead) {
    TempFolder temp;
    const fs::path bad = temp.path() / "bad.xlsx";
    std::ofstream(bad) << "this is no workbook";
    const Outcome calc = ss({"calc", bad.string()});
    EXPECT_EQ(calc.code, 2);
    EXPECT_EQ(calc.out, "ss calc: " + bad.string() + ": not a workbook (no zip container)\n");
}

TEST(SsWorkbooks, ABillIsWrittenAsAWorkbookWithItsColumnNames) {
    TempFolder temp;
    std::ofstream(temp.path() / "rows.csv") << "Mark,Profile,Qty,Weight\nB1,IPE 300,2,253.2\nC1,HEB 200,1,257.5\n";
    const Outcome bill = ss({"bill", "rows.csv", "bill.xlsx"}, kSamples, temp.path());
    ASSERT_EQ(bill.code, 0) << bill.out;
    EXPECT_NE(bill.out.find("bill.xlsx: 2 lines"), std::string::npos) << bill.out;
    const Outcome calc = ss({"calc", (temp.path() / "bill.xlsx").string(), "--csv"});
    ASSERT_EQ(calc.code, 0) << calc.out;
    EXPECT_EQ(calc.out.rfind("Mark,Profile,Qty,Weight\n", 0), 0u) << calc.out;
    EXPECT_NE(calc.out.find("B1,IPE 300,2,253.2"), std::string::npos) << calc.out;
    for (const auto& entry : fs::directory_iterator(temp.path()))
        EXPECT_EQ(entry.path().extension() == ".kvs", false) << entry.path();   // the module's document is gone
}

// The module deletes each picture's file once its row stands: the workbook still gets every picture.
TEST(SsWorkbooks, ABillsPicturesBecomeImagesInTheWorkbook) {
    TempFolder temp;
    std::ofstream(temp.path() / "rows.csv") << "Mark,Profile,Qty,Weight\nB1,IPE 300,2,253.2\nC1,HEB 200,1,257.5\n";
    const Outcome bill = ss({"bill", "rows.csv", "bill.xlsx", "--pictures"}, kSamples, temp.path());
    ASSERT_EQ(bill.code, 0) << bill.out;
    const std::string book = fileText(temp.path() / "bill.xlsx");
    EXPECT_NE(book.find("xl/media/image1.bmp"), std::string::npos);
    EXPECT_NE(book.find("xl/media/image2.bmp"), std::string::npos);
    EXPECT_EQ(book.find("xl/media/image3."), std::string::npos);
    const Outcome plain = ss({"bill", "rows.csv", "plain.xlsx"}, kSamples, temp.path());
    ASSERT_EQ(plain.code, 0) << plain.out;
    EXPECT_EQ(fileText(temp.path() / "plain.xlsx").find("xl/media/"), std::string::npos);
}

TEST(SsForPeopleAndScripts, JsonGivesNumbersAsNumbersAndEmptyAsNull) {
    const Outcome run = ss({"evaluate", "EndPlate", "--set", "Beam=IPE 300", "--set", "Shear=150", "--gen",
                            "gen_Projection=10", "--gen", "gen_SteelGrade=355", "--json"});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_NE(run.out.find("{\"name\": \"Thickness\", \"role\": \"Output\", \"type\": \"Double\", \"value\": 20}"),
              std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"type\": \"String\", \"value\": \"3\"}"), std::string::npos) << run.out;   // Rows
    // Without the projection the heights cannot be computed: those values are empty, and null.
    const Outcome empty = ss({"evaluate", "EndPlate", "--set", "Beam=IPE 300", "--json"});
    EXPECT_NE(empty.out.find("\"name\": \"Height\", \"role\": \"Output\", \"type\": \"Double\", \"value\": null}"),
              std::string::npos) << empty.out;
}

TEST(SsForPeopleAndScripts, TheTourNamesTheLibraryInThisMachinesPathForm) {
    const Outcome tour = ss({});
    ASSERT_EQ(tour.code, 0) << tour.out;
    const std::string first = tour.out.substr(0, tour.out.find('\n'));
    EXPECT_EQ(first, "SS - connection standards of the library " + kSamples.string() + "/");
    EXPECT_EQ(first.find('\\'), std::string::npos);
    const Outcome missing = ss({"evaluate", "NoSuchSheet"});
    EXPECT_NE(missing.out.find("nor in " + kSamples.string() + "/Connection Standards"), std::string::npos) << missing.out;
}

} // namespace
