#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>

#include "support/TempFolder.h"
#include "cmdCalc.h"
#include "grid/GridDocument.h"
#include "os/files.h"

using namespace sscmd;

namespace {

const std::string kPrices = std::string(SS_TEST_DATA) + "/grid/calc/prices.sss";

struct Outcome {
    int code = -1;
    std::string out, err;
};

std::string drain(std::FILE* f) {
    std::rewind(f);
    std::string s;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, f))
        s.append(buffer, n);
    return s;
}

Outcome run(int (*command)(const std::vector<std::string>&, std::FILE*, std::FILE*), std::vector<std::string> args) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::tmpfile(), &std::fclose);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> err(std::tmpfile(), &std::fclose);
    Outcome r;
    r.code = command(args, out.get(), err.get());
    r.out = drain(out.get());
    r.err = drain(err.get());
    return r;
}

void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string readFile(const std::filesystem::path& path) {
    std::string bytes;
    os::readBytes(os::toUtf16(path.string()), bytes);
    return bytes;
}

} // namespace

TEST(SsCalc, PrintsAnAlignedTableOfValues) {
    Outcome r = run(runCalc, {kPrices});
    EXPECT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(r.out,
              "Item          Qty  Total\n"
              "Bolt M16       12   10.2\n"
              "Plate, 10 mm    3  127.5\n"
              "Sum                137.7\n");
    EXPECT_EQ(r.err, "");
}

TEST(SsCalc, PrintsCsvOnRequest) {
    Outcome r = run(runCalc, {"--csv", kPrices});
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_EQ(r.out, "Item,Qty,Total\nBolt M16,12,10.2\n\"Plate, 10 mm\",3,127.5\nSum,,137.7\n");
}

TEST(SsCalc, ReadsCsvFiles) {
    TempFolder folder;
    writeFile(folder.path() / "in.CSV", "1,2\n=A1+B1,=A2*10\n");
    Outcome r = run(runCalc, {(folder.path() / "in.CSV").string()});
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_EQ(r.out, "1   2\n3  30\n");
}

// Empty cells, rows and columns between the cells holding something are laid out as before: a column as wide as
// its widest text, numbers to the right, nothing after the last text of a line.
TEST(SsCalc, GapsBetweenTheCellsKeepTheirPlaceInTheTable) {
    TempFolder folder;
    writeFile(folder.path() / "gaps.csv", "a,,long text,\n\n,22,,\n,,,\n");
    Outcome r = run(runCalc, {(folder.path() / "gaps.csv").string()});
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_EQ(r.out, "a      long text\n\n   22\n");   // the empty last row and column are left out
    r = run(runCalc, {(folder.path() / "gaps.csv").string(), "--csv"});
    EXPECT_EQ(r.out, "a,,long text\n,,\n,22,\n");
}

TEST(SsCalc, ErrorsHaveClearMessagesAndExitCodes) {
    TempFolder folder;
    Outcome r = run(runCalc, {});
    EXPECT_EQ(r.code, kExitUsage);
    EXPECT_NE(r.err.find("ss calc: no file given"), std::string::npos);
    EXPECT_NE(r.err.find("usage: ss calc FILE [--csv]"), std::string::npos);

    r = run(runCalc, {kPrices, "--json"});
    EXPECT_EQ(r.code, kExitUsage);
    EXPECT_NE(r.err.find("unknown option --json"), std::string::npos);

    const std::string missing = (folder.path() / "missing.kvs").string();
    r = run(runCalc, {missing});
    EXPECT_EQ(r.code, kExitBadInput);
    EXPECT_EQ(r.err, "ss calc: " + missing + ": cannot be read\n");
    EXPECT_EQ(r.out, "");

    writeFile(folder.path() / "bad.kvs", "SS grid 1\nsize 1 1\ncell 1 1 formula \"1+\"\nend\n");
    r = run(runCalc, {(folder.path() / "bad.kvs").string()});
    EXPECT_EQ(r.code, kExitBadInput);
    EXPECT_NE(r.err.find("bad.kvs: line 3: bad formula"), std::string::npos) << r.err;
}

TEST(SsCalc, HelpGoesToStandardOutput) {
    Outcome r = run(runCalc, {"--help"});
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_EQ(r.out.rfind("usage: ss calc", 0), 0u);
}

TEST(SsConvert, GridToCsvKeepsFormulasAndBackAgain) {
    TempFolder folder;
    const auto csv = folder.path() / "prices.csv";
    Outcome r = run(runConvert, {kPrices, csv.string()});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(readFile(csv),
              "Item,Qty,Total\r\nBolt M16,12,=B2*0.85\r\n\"Plate, 10 mm\",3,=B3*42.5\r\nSum,,=SUM(C2:C3)\r\n");

    const auto back = folder.path() / "back.sss";
    r = run(runConvert, {csv.string(), back.string()});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    grid::Sheet sheet;
    std::u16string error;
    ASSERT_TRUE(grid::GridDocument::load(sheet, os::toUtf16(back.string()), error));
    EXPECT_EQ(sheet.formula(3, 4), u"SUM(C2:C3)");
    EXPECT_EQ(sheet.valueText(3, 4), u"137.7");
}

TEST(SsConvert, ValuesOnRequest) {
    TempFolder folder;
    const auto csv = folder.path() / "v.csv";
    Outcome r = run(runConvert, {kPrices, csv.string(), "--values"});
    ASSERT_EQ(r.code, kExitOk);
    EXPECT_EQ(readFile(csv), "Item,Qty,Total\r\nBolt M16,12,10.2\r\n\"Plate, 10 mm\",3,127.5\r\nSum,,137.7\r\n");
}

TEST(SsConvert, ErrorsHaveClearMessagesAndExitCodes) {
    TempFolder folder;
    Outcome r = run(runConvert, {kPrices});
    EXPECT_EQ(r.code, kExitUsage);
    EXPECT_NE(r.err.find("ss convert: needs IN and OUT"), std::string::npos);

    writeFile(folder.path() / "broken.csv", "a,\"b\n");
    r = run(runConvert, {(folder.path() / "broken.csv").string(), (folder.path() / "x.sss").string()});
    EXPECT_EQ(r.code, kExitBadInput);
    EXPECT_NE(r.err.find("broken.csv: line 1: a quoted field is not closed"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "x.sss"));

    const std::string target = (folder.path() / "no-such-folder" / "x.csv").string();
    r = run(runConvert, {kPrices, target});
    EXPECT_EQ(r.code, kExitCannotWrite);
    EXPECT_EQ(r.err, "ss convert: " + target + ": cannot be written\n");
}
