// The ss program end to end: the standards commands on a library of the test's own, their output, and their
// exit codes.
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int code = -1;
    std::string out;   // standard output and standard error, in the order written
};

std::string shellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

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
        const fs::path macro = fs::path(SS_TEST_DATA) / "standards" / "scenarios" / "macro-end-plate";
        fs::copy_file(macro / "EP.kvs", standards() / "EP.kvs");
        fs::copy_file(macro / "EP.map", standards() / "EP.map");
    }
    fs::path standards() const { return m_library / "Connection Standards"; }

    // ss with the words given, on the test's library, from the library folder.
    Outcome ss(const std::vector<std::string>& words, const fs::path& library = {}) {
        std::string command = "cd " + shellQuote(m_library.string()) + " && SS_LIBRARY=" +
                              shellQuote((library.empty() ? m_library : library).string()) + " " +
                              shellQuote(SS_PROGRAM);
        for (const std::string& w : words)
            command += " " + shellQuote(w);
        command += " 2>&1";
        Outcome run;
        std::FILE* pipe = popen(command.c_str(), "r");
        if (!pipe)
            return run;
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            run.out.append(buffer, n);
        const int status = pclose(pipe);
        run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return run;
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
    EXPECT_NE(macro.out.find("{\"name\": \"Thickness\", \"role\": \"Output\", \"type\": \"Double\", \"value\": \"20\"}"),
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
