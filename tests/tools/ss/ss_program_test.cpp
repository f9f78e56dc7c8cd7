// The ss program end to end: the standards commands on a library of the test's own, their output, and their
// exit codes.
#include "support/TempFolder.h"
#include "support/runProgram.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

using testsupport::Outcome;
using testsupport::shellQuote;

class SsProgram : public ::testing::Test {
protected:
    void SetUp() override {
        m_library = m_temp.path();
        const fs::path scenario = fs::path(SS_TEST_DATA) / "standards" / "scenarios" / "end-plate-direct";
        fs::create_directories(standards());
        fs::copy(scenario, standards(), fs::copy_options::recursive);
        fs::remove(standards() / "scenario.txt");
        fs::rename(standards() / "main.kvs", standards() / "EndPlate.kvs");
        fs::copy(fs::path(SS_TEST_DATA) / "nuvo" / "library" / "prof", m_library / "prof", fs::copy_options::recursive);
        fs::remove(m_library / "prof" / "Broken.pr");   // every evaluation would report it; one test puts it back
        const fs::path macro = fs::path(SS_TEST_DATA) / "standards" / "scenarios" / "macro-end-plate";
        fs::copy_file(macro / "EP.kvs", standards() / "EP.kvs");
        fs::copy_file(macro / "EP.map", standards() / "EP.map");
    }
    fs::path standards() const { return m_library / "Connection Standards"; }

    // ss with the words given, on the test's library, from the library folder.
    Outcome ss(const std::vector<std::string>& words, const fs::path& library = {}) {
        return testsupport::runProgram("cd " + shellQuote(m_library.string()) + " && SS_LIBRARY=" +
                                           shellQuote((library.empty() ? m_library : library).string()),
                                       SS_PROGRAM, words);
    }

    TempFolder m_temp;
    fs::path m_library;
};

TEST_F(SsProgram, EvaluateInDirectModePrintsTheOutputs) {
    const Outcome run = ss({"evaluate", "EndPlate", "--set", "Beam=IPE 200", "--set", "Shear=95", "--gen", "gen_Edge=25"});
    EXPECT_EQ(run.code, 0) << run.out;
    EXPECT_EQ(run.out, "Thickness = 10\nWidth = 150\nHeight = 180\nBolt = M16\nRows = 2\nThroat = 5\n");
}

TEST_F(SsProgram, FoldersNamedLikeTheSheetsAndFilesDoNotHideThem) {
    // In the working directory: folders named as the sheet, its child and its data files are looked at
    // first, and are no files.
    for (const char* name : {"EndPlate", "weld.kvs", "bolts.txt", "plates.std", "rows.txt"})
        fs::create_directories(m_library / name);
    const Outcome run = ss({"evaluate", "EndPlate", "--set", "Beam=IPE 200", "--set", "Shear=95", "--gen", "gen_Edge=25"});
    EXPECT_EQ(run.code, 0) << run.out;
    EXPECT_EQ(run.out, "Thickness = 10\nWidth = 150\nHeight = 180\nBolt = M16\nRows = 2\nThroat = 5\n");
}

TEST_F(SsProgram, EvaluateAsJsonCarriesTheModulesMessages) {
    // Without the general variable the width's equation fails: reported, and the evaluation still succeeds.
    const Outcome run = ss({"evaluate", "EndPlate", "--set", "Beam=IPE 200", "--json"});
    EXPECT_EQ(run.code, 0) << run.out;
    EXPECT_NE(run.out.find("\"mode\": \"direct\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("{\"name\": \"Bolt\", \"role\": \"Output\", \"type\": \"String\", \"value\": \"M16\"}"),
              std::string::npos);
    EXPECT_NE(run.out.find("The following equation failed:\\nWidth = b + 2 * gen_Edge"), std::string::npos);
}

TEST_F(SsProgram, EvaluateInMacroModeWritesTheChangedMacro) {
    const fs::path written = m_library / "out.json";
    const Outcome run = ss({"evaluate", "EP", "--macro", std::string(SS_TEST_DATA) + "/nuvo/macros/endplate.json",
                        "--target", "T", "--write", written.string()});
    EXPECT_EQ(run.code, 0) << run.out;
    EXPECT_NE(run.out.find("Input  Double Gap = 10.0000000\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Output Double Width = 120\n"), std::string::npos) << run.out;
    std::ifstream in(written);
    const std::string json((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(json.find("\"name\": \"Width\",\n          \"value\": 120.0,"), std::string::npos) << json.substr(0, 600);
}

TEST_F(SsProgram, VarsListsTheDeclarationsInOrder) {
    const Outcome run = ss({"vars", "EndPlate"});
    EXPECT_EQ(run.code, 0) << run.out;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "Input  String Beam                     A2");
    const Outcome json = ss({"vars", "EndPlate", "--json"});
    EXPECT_NE(json.out.find("{\"name\": \"Sys\", \"role\": \"Local\", \"type\": \"String\", \"cell\": \"C6\"}"),
              std::string::npos)
        << json.out;
}

TEST_F(SsProgram, FailuresHaveTheirOwnExitCodes) {
    EXPECT_EQ(ss({"evaluate"}).code, 1);
    EXPECT_EQ(ss({"evaluate", "EndPlate", "--set", "Nobody=1"}).code, 1);
    EXPECT_EQ(ss({"evaluate", "EndPlate", "--bogus"}).code, 1);
    EXPECT_EQ(ss({"evaluate", "EndPlate", "--target", "T"}).code, 1);
    const Outcome missing = ss({"evaluate", "NoSuchSheet"});
    EXPECT_EQ(missing.code, 2);
    EXPECT_NE(missing.out.find("no sheet NoSuchSheet"), std::string::npos);
    EXPECT_EQ(ss({"evaluate", "EP", "--macro", "missing.json", "--target", "T"}).code, 2);
    std::ofstream(standards() / "NoCalc.kvs") << "SS grid 1\nsize 1 2\ncell 1 1 text \"Input\"\ncell 1 2 text \"Double A\"\nend\n";
    EXPECT_EQ(ss({"evaluate", "NoCalc"}).code, 5);
    EXPECT_EQ(ss({"vars", "NoCalc"}).code, 5);
    EXPECT_EQ(ss({"evaluate", "--help"}).code, 0);
    EXPECT_EQ(ss({"vars", "--help"}).code, 0);
}

TEST_F(SsProgram, TheTourShowsTheLibrarysStandards) {
    const Outcome run = ss({});
    EXPECT_EQ(run.code, 0) << run.out;
    EXPECT_NE(run.out.find("== EndPlate =="), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("$ ss vars EP"), std::string::npos) << run.out;
}

} // namespace

namespace {

const std::string kFormulaData = std::string(SS_TEST_DATA) + "/sheet/formula/";

TEST_F(SsProgram, TableLooksAKeyUpAsTheSheetFunctionDoes) {
    const Outcome found = ss({"table", kFormulaData + "sizes.sss", "size", "MASS", "ipe-240"});
    EXPECT_EQ(found.code, 0) << found.out;
    EXPECT_EQ(found.out, "30.7\n");
    EXPECT_EQ(ss({"table", kFormulaData + "sizes.sss", "size", "mass", "nothing"}).code, 6);
    EXPECT_EQ(ss({"table", "/no/such.sss", "a", "b", "c"}).code, 2);
    EXPECT_EQ(ss({"table", kFormulaData + "sizes.sss", "size"}).code, 1);
}

TEST_F(SsProgram, ReadPrintsTitleColumnNamesAndRows) {
    const Outcome read = ss({"read", kFormulaData + "small.sss"});
    EXPECT_EQ(read.code, 0) << read.out;
    EXPECT_EQ(read.out, "title: Bolt M16\nName      Qty  Price\nBolt M16  12   6\nPlate     3    on request\n");
}

} // namespace

namespace {

TEST_F(SsProgram, BillWritesTheLinesOfACsvFileIntoASheetWithItsPrintFiles) {
    std::ofstream(m_library / "rows.csv") << "Mark,Profile,Qty,Weight\nB1,IPE 300,2,253.2\nC1,HEB 200,1,257.5\n"
                                             "#subtotal,,3,510.7\n";
    const Outcome bill = ss({"bill", "rows.csv", "out.sss", "--kinds", "3,3,1,2"});
    EXPECT_EQ(bill.code, 0) << bill.out;
    EXPECT_EQ(bill.out, "out.sss: 2 lines, 1 subtotals, 3 rows\n");
    EXPECT_TRUE(fs::exists(m_library / "BillHeader.txt"));
    EXPECT_TRUE(fs::exists(m_library / "BillFooter.txt"));
    const Outcome calc = ss({"calc", "out.sss"});
    EXPECT_EQ(calc.code, 0) << calc.out;
    EXPECT_NE(calc.out.find("B1  IPE 300  2  253.2\nC1  HEB 200  1  257.5\n             3  510.7"), std::string::npos) << calc.out;
    EXPECT_EQ(ss({"bill", "missing.csv", "out.sss"}).code, 2);
    EXPECT_EQ(ss({"bill", "rows.csv"}).code, 1);
}

} // namespace

namespace {

const fs::path kSamples = fs::path(SS_SOURCE_DIR) / "samples" / "library";

TEST_F(SsProgram, TheSampleEndPlateEvaluatesInBothModes) {
    const Outcome direct = ss({"evaluate", "EndPlate", "--set", "Beam=IPE 300", "--set", "Shear=150", "--gen",
                               "gen_Projection=10", "--gen", "gen_SteelGrade=355"},
                              kSamples);
    EXPECT_EQ(direct.code, 0) << direct.out;
    EXPECT_EQ(direct.out, "Thickness = 20\nWidth = 150\nHeight = 320\nBoltDia = 20\nHoleClearance = 2\nRows = 3\n"
                          "Gauge = 80\nPitch = 100\nTopEdge = 60\nFlangeWeld = 6.5\nWebWeld = 4.5\n");

    // The macro brings its own general variables.
    const fs::path written = m_library / "endplate-out.json";
    const Outcome macro = ss({"evaluate", "EndPlate", "--macro", (kSamples / "Macros" / "EndPlateConnection.json").string(),
                              "--target", "BeamToColumn", "--write", written.string(), "--json"},
                             kSamples);
    EXPECT_EQ(macro.code, 0) << macro.out;
    EXPECT_NE(macro.out.find("\"mode\": \"macro\""), std::string::npos);
    EXPECT_NE(macro.out.find("{\"name\": \"Thickness\", \"role\": \"Output\", \"type\": \"Double\", \"value\": 20}"),
              std::string::npos)
        << macro.out;
    EXPECT_NE(macro.out.find("\"messages\": []"), std::string::npos) << macro.out;
    EXPECT_TRUE(fs::exists(written));
}

// A section the tables do not know: its figures fail, and so does every statement that needs them.
const char* const kFailedWithAnUnknownBeam[] = {
    "h = SECTIONSIZE(Sys, 1)", "b = SECTIONSIZE(Sys, 2)", "tw = SECTIONSIZE(Sys, 3)", "tf = SECTIONSIZE(Sys, 4)",
    "BoltSize = GETPROFCELL(\"EndPlateBolts.txt\", Sys)", "BoltInfo = GETCELL(\"Bolts.txt\", BoltSize)",
    "BoltDia = TONUMBER(GETARRAYITEM(BoltInfo, 1))", "FvRd = TONUMBER(GETARRAYITEM(BoltInfo, 6))",
    "RowsMax = INT(Free / PitchMin) + 1"};

TEST_F(SsProgram, AnUnknownBeamReportsTheFailedEquationsAndGivesNoErrorValueAsOutput) {
    const Outcome run = ss({"evaluate", "EndPlate", "--set", "Beam=IPE 999", "--set", "Shear=150", "--gen",
                            "gen_Projection=10", "--gen", "gen_SteelGrade=355"},
                           kSamples);
    EXPECT_EQ(run.code, 0) << run.out;
    for (const char* statement : kFailedWithAnUnknownBeam)
        EXPECT_NE(run.out.find(std::string("The following equation failed:\n") + statement + "\n"), std::string::npos)
            << statement << "\n" << run.out;
    EXPECT_EQ(run.out.find('#'), std::string::npos) << run.out;
    // The outputs whose statements failed keep what the caller gave: nothing.
    EXPECT_NE(run.out.find("\nBoltDia = \n"), std::string::npos) << run.out;
}

TEST_F(SsProgram, AnUnknownBeamInTheMacroLeavesTheFailedPropertiesAsTheyWere) {
    std::ifstream in(kSamples / "Macros" / "EndPlateConnection.json");
    std::string json((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string known = "\"section\": \"IPE-300\"";
    ASSERT_NE(json.find(known), std::string::npos);
    json.replace(json.find(known), known.size(), "\"section\": \"IPE 999\"");
    const fs::path macro = m_library / "unknown-beam.json";
    std::ofstream(macro) << json;
    const fs::path written = m_library / "unknown-beam-out.json";
    const Outcome run = ss({"evaluate", "EndPlate", "--macro", macro.string(), "--target", "BeamToColumn", "--write",
                            written.string()},
                           kSamples);
    EXPECT_EQ(run.code, 0) << run.out;
    for (const char* statement : kFailedWithAnUnknownBeam)
        EXPECT_NE(run.out.find(std::string("The following equation failed:\n") + statement + "\n"), std::string::npos)
            << statement;
    EXPECT_EQ(run.out.find("#VALUE!"), std::string::npos) << run.out;
    // The bolt diameter's statement failed: the output keeps the macro's 16, which goes back unchanged.
    EXPECT_NE(run.out.find("Output Double BoltDia = 16\n"), std::string::npos) << run.out;
    std::ifstream back(written);
    const std::string out((std::istreambuf_iterator<char>(back)), std::istreambuf_iterator<char>());
    EXPECT_NE(out.find("\"diameter\": \"16\""), std::string::npos) << out;
    EXPECT_EQ(out.find('#'), std::string::npos) << out;
}

TEST_F(SsProgram, TheTourOfTheSampleLibraryEvaluatesBothStandards) {
    const Outcome tour = ss({}, kSamples);
    EXPECT_EQ(tour.code, 0) << tour.out;
    EXPECT_NE(tour.out.find("== BasePlate =="), std::string::npos);
    EXPECT_NE(tour.out.find("Length = 480\n"), std::string::npos) << tour.out;
    EXPECT_NE(tour.out.find("FlangeWeld = 6.5\n"), std::string::npos);
    EXPECT_EQ(tour.out.find("message"), std::string::npos) << tour.out;
}

} // namespace

namespace {

const std::string kEndPlateMacro = std::string(SS_TEST_DATA) + "/nuvo/macros/endplate.json";

// A standards sheet declaring the largest size a grid document may declare, holding a dozen cells. Its
// statements run in reading order: row 8 runs column 3 before column 5.
const char kLargestStandard[] = R"(SS grid 1
size 32000 16777216
cell 1 1 text "Input"
cell 2 2 text "Double A"
cell 1 3 text "Output"
cell 1 4 text "Double B"
cell 32000 4 text "String C"
cell 1 5 text "Calc"
cell 9 6 text "B = A * gen_k"
cell 2 7 text "C = \"from \" & B"
cell 5 8 text "B = B * 10"
cell 3 8 text "B = B + 1"
cell 1 16777216 text "B = B + 1"
end
)";

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Every command below ran for hours, or set out to build hundreds of gigabytes, when it read every cell the
// sheet declared; each now costs what the sheet holds.
TEST_F(SsProgram, SheetsOfTheLargestSizeCostWhatTheyHold) {
    std::ofstream(m_library / "largest.kvs") << "SS grid 1\nsize 32000 16777216\ncell 2 1 number 5\n"
                                                 "cell 1 2 formula \"B1*2\"\nend\n";
    const Outcome table = ss({"calc", "largest.kvs"});
    EXPECT_EQ(table.code, 0) << table.out;
    EXPECT_EQ(table.out, "    5\n10\n");
    const Outcome csv = ss({"calc", "largest.kvs", "--csv"});
    EXPECT_EQ(csv.code, 0) << csv.out;
    EXPECT_EQ(csv.out, ",5\n10,\n");
    const Outcome convert = ss({"convert", "largest.kvs", "largest.csv"});
    EXPECT_EQ(convert.code, 0) << convert.out;
    EXPECT_EQ(fileText(m_library / "largest.csv"), ",5\r\n=B1*2,\r\n");

    std::ofstream(standards() / "Largest.kvs") << kLargestStandard;
    const Outcome direct = ss({"evaluate", "Largest", "--set", "A=4", "--gen", "gen_k=3"});
    EXPECT_EQ(direct.code, 0) << direct.out;
    EXPECT_EQ(direct.out, "B = 131\nC = from 12\n");
    const Outcome vars = ss({"vars", "Largest"});
    EXPECT_EQ(vars.code, 0) << vars.out;
    EXPECT_NE(vars.out.find("Output String C                        AUHT4\n"), std::string::npos) << vars.out;
    const Outcome macro = ss({"evaluate", "Largest", "--macro", kEndPlateMacro, "--target", "T", "--gen", "gen_k=3"});
    EXPECT_EQ(macro.code, 0) << macro.out;
    EXPECT_NE(macro.out.find("Output Double B = 11\n"), std::string::npos) << macro.out;
}

// U+0000 is a character like any other (a grid document writes it "\u0000"): nothing after it may be lost.
TEST_F(SsProgram, TextsHoldingNulAreWrittenWhole) {
    std::ofstream(m_library / "nul.kvs") << "SS grid 1\nsize 2 3\ncell 1 1 text \"a\\u0000b\"\ncell 2 1 text \"x\"\n"
                                             "cell 1 3 text \"last row\"\nend\n";
    const std::string nul("a\0b", 3);
    const Outcome csv = ss({"calc", "nul.kvs", "--csv"});
    EXPECT_EQ(csv.code, 0) << csv.out;
    EXPECT_EQ(csv.out, nul + ",x\n,\nlast row,\n");
    const Outcome table = ss({"calc", "nul.kvs"});
    EXPECT_EQ(table.code, 0) << table.out;
    EXPECT_EQ(table.out, nul + "       x\n\nlast row\n");
    const Outcome read = ss({"read", "nul.kvs"});
    EXPECT_EQ(read.code, 0) << read.out;
    EXPECT_EQ(read.out.substr(0, 11), "title: " + nul + "\n") << read.out;
    EXPECT_NE(read.out.find("last row"), std::string::npos) << read.out;

    // Through CSV and back, the text is the same.
    ASSERT_EQ(ss({"convert", "nul.kvs", "nul.csv"}).code, 0);
    ASSERT_EQ(ss({"convert", "nul.csv", "back.kvs"}).code, 0);
    EXPECT_EQ(ss({"calc", "back.kvs", "--csv"}).out, csv.out);
}

TEST_F(SsProgram, TableOfAFileThatCannotBeLoadedCannotReadItsInput) {
    std::ofstream(m_library / "cut.sss") << "SS grid 1\nsize 1 1\ncell 1 1 text \"size\"\n";
    std::ofstream(m_library / "newer.sss") << "SS grid 2\nsize 1 1\nend\n";
    fs::create_directories(m_library / "folder.sss");
    for (const char* file : {"cut.sss", "newer.sss", "folder.sss"}) {
        const Outcome run = ss({"table", file, "size", "mass", "ipe-240"});
        EXPECT_EQ(run.code, 2) << file << ": " << run.out;
        EXPECT_NE(run.out.find(std::string("ss table: ") + file + ": "), std::string::npos) << run.out;
    }
}

TEST_F(SsProgram, AMacroTargetWithoutMappingLineIsWarnedAbout) {
    const Outcome mapped = ss({"evaluate", "EP", "--macro", kEndPlateMacro, "--target", "T"});
    EXPECT_EQ(mapped.code, 0) << mapped.out;
    EXPECT_EQ(mapped.out.find("warning"), std::string::npos) << mapped.out;

    const Outcome typo = ss({"evaluate", "EP", "--macro", kEndPlateMacro, "--target", "Tee"});
    EXPECT_EQ(typo.code, 0) << typo.out;   // the evaluation runs, every input empty
    EXPECT_NE(typo.out.find("ss evaluate: warning: target Tee has no mapping: the mapping file " +
                            (standards() / "EP.map").string() + " has no line for it"),
              std::string::npos)
        << typo.out;

    const Outcome missing = ss({"evaluate", "EndPlate", "--macro", kEndPlateMacro, "--target", "T"});
    EXPECT_EQ(missing.code, 0) << missing.out;
    EXPECT_NE(missing.out.find("target T has no mapping: the mapping file " + (standards() / "EndPlate.map").string() +
                               " does not exist"),
              std::string::npos)
        << missing.out;

    fs::remove(standards() / "EP.map");
    fs::create_directories(standards() / "EP.map");   // there, but no file to read
    const Outcome unreadable = ss({"evaluate", "EP", "--macro", kEndPlateMacro, "--target", "T"});
    EXPECT_EQ(unreadable.code, 0) << unreadable.out;
    EXPECT_NE(unreadable.out.find("EP.map cannot be read"), std::string::npos) << unreadable.out;

    // A module group is reached by variable name: no mapping file is needed.
    const Outcome group = ss({"evaluate", "EP", "--macro", kEndPlateMacro, "--target", "Module.EndPlate"});
    EXPECT_EQ(group.out.find("warning"), std::string::npos) << group.out;
}

TEST_F(SsProgram, WhatKeepsASheetFromEvaluatingIsSaid) {
    std::ofstream(standards() / "Dup.kvs") << "SS grid 1\nsize 2 6\ncell 1 1 text \"Input\"\ncell 1 2 text \"Double A\"\n"
                                              "cell 2 2 text \"Double A\"\ncell 1 3 text \"Output\"\n"
                                              "cell 1 4 text \"Double B\"\ncell 1 5 text \"Calc\"\n"
                                              "cell 1 6 text \"B = A * 2\"\nend\n";
    const std::string duplicates = "message - Variable names must be unique:\nThere were duplicate variable names found";
    const Outcome evaluated = ss({"evaluate", "Dup", "--set", "A=3"});
    EXPECT_EQ(evaluated.code, 0) << evaluated.out;
    EXPECT_NE(evaluated.out.find(duplicates), std::string::npos) << evaluated.out;
    EXPECT_NE(evaluated.out.find("Duplicate variable names:\n\nA\n"), std::string::npos) << evaluated.out;
    EXPECT_NE(evaluated.out.find("B = 6\n"), std::string::npos) << evaluated.out;
    const Outcome vars = ss({"vars", "Dup"});
    EXPECT_EQ(vars.code, 0) << vars.out;
    EXPECT_NE(vars.out.find(duplicates), std::string::npos) << vars.out;
    EXPECT_NE(vars.out.find("Input  Double A                        A2\nInput  Double A                        B2\n"),
              std::string::npos)
        << vars.out;

    std::ofstream(standards() / "NoCalc.kvs") << "SS grid 1\nsize 1 2\ncell 1 1 text \"Input\"\ncell 1 2 text \"Double A\"\nend\n";
    for (const char* command : {"evaluate", "vars"}) {
        const Outcome run = ss({command, "NoCalc"});
        EXPECT_EQ(run.code, 5) << run.out;
        EXPECT_NE(run.out.find(std::string("ss ") + command + ": NoCalc has no Calc section"), std::string::npos) << run.out;
    }

    std::ofstream(standards() / "Cut.kvs") << "SS grid 1\nsize 1 2\ncell 1 1 text \"Calc\"\n";   // no "end"
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"evaluate", "Cut"}, {"evaluate", "Cut", "--macro", kEndPlateMacro, "--target", "T"},
          {"vars", "Cut"}}) {
        const Outcome run = ss(words);
        EXPECT_EQ(run.code, 2) << run.out;
        EXPECT_NE(run.out.find((standards() / "Cut.kvs").string() + ": line 3: the document ends without its \"end\" line"),
                  std::string::npos)
            << run.out;
    }

    fs::create_directories(m_library / "Folder.kvs");
    for (const char* command : {"evaluate", "vars"}) {
        const Outcome run = ss({command, "Folder.kvs"});
        EXPECT_EQ(run.code, 2) << run.out;
        EXPECT_NE(run.out.find("Folder.kvs is a folder, not a sheet"), std::string::npos) << run.out;
    }
}

TEST_F(SsProgram, DefaultsTakenForWhatIsMissingAreReported) {
    std::ofstream(m_library / "rows.csv") << "Mark,Qty\nB1,2\n";
    const Outcome bill = ss({"bill", "rows.csv", "out.sss", "--settings", "NoSuchSettings"});
    EXPECT_EQ(bill.code, 0) << bill.out;
    EXPECT_NE(bill.out.find("ss bill: warning: the settings file "), std::string::npos) << bill.out;
    EXPECT_NE(bill.out.find("NoSuchSettings.kvd cannot be read; the default settings are used"), std::string::npos)
        << bill.out;
    EXPECT_EQ(ss({"bill", "rows.csv", "out.sss"}).out.find("warning"), std::string::npos);

    fs::copy_file(fs::path(SS_TEST_DATA) / "nuvo" / "library" / "prof" / "Broken.pr", m_library / "prof" / "Broken.pr");
    const Outcome run = ss({"evaluate", "EndPlate", "--set", "Beam=IPE 200", "--set", "Shear=95", "--gen", "gen_Edge=25"});
    EXPECT_EQ(run.code, 0) << run.out;
    EXPECT_NE(run.out.find("ss evaluate: warning: section table "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Broken.pr: not a section table (a descriptor line and a header line are needed)"),
              std::string::npos)
        << run.out;
}

} // namespace
