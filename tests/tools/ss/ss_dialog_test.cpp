// ss dialog end to end: the real program opens the module's dialogs on records, plays scripts against them,
// pictures them, and says how each run ended.
#include "support/TempFolder.h"
#include "support/runProgram.h"

#include "ui/paint/Canvas.h"
#include "ui/paint/pngFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

namespace {

namespace fs = std::filesystem;
using testsupport::Outcome;

class SsDialog : public ::testing::Test {
protected:
    Outcome ss(std::vector<std::string> words) {
        words.insert(words.begin(), "dialog");
        return testsupport::runProgram("cd " + testsupport::shellQuote(folder.path().string()) + " &&", SS_PROGRAM,
                                       words);
    }
    std::string file(const std::string& name, const std::string& text) {
        folder.put(name, text);
        return (folder.path() / name).string();
    }
    nlohmann::json json(const std::string& name) { return nlohmann::json::parse(folder.get(name)); }

    const std::string kTwoRows = R"({"columnNames": ["Name", "Value"], "rows": [["a", "1"], ["b", "2"]]})";
    TempFolder folder;
};

TEST_F(SsDialog, ListsEveryEntryPointWithItsRecordAndWhetherItIsAvailable) {
    const Outcome run = ss({"--list", "--json"});
    ASSERT_EQ(run.code, 0) << run.out;
    const auto list = nlohmann::json::parse(run.out);
    std::map<std::string, bool> available;
    for (const auto& e : list)
        available[e["name"]] = e["available"];
    EXPECT_TRUE(available.at("stringarray"));
    EXPECT_TRUE(available.at("evaluatess"));
    EXPECT_TRUE(available.at("sstool"));
    EXPECT_TRUE(available.at("csp2"));
    EXPECT_FALSE(available.at("macro"));
    EXPECT_FALSE(available.at("designer"));
    const Outcome later = ss({"designer"});
    EXPECT_EQ(later.code, 1);
    EXPECT_NE(later.out.find("not available yet"), std::string::npos) << later.out;
}

TEST_F(SsDialog, AStringArrayChangedAndAcceptedComesBackChanged) {
    const std::string record = file("rows.json", kTwoRows);
    const Outcome run = ss({"stringarray", record, "--steps", "cell grid 2 1 5; expect grid[2,1] 5; ok", "--write",
                            "out.json"});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_NE(run.out.find("stringarray: OK (the entry point returned true)"), std::string::npos) << run.out;
    EXPECT_EQ(json("out.json")["rows"], nlohmann::json::parse(R"([["a", "5"], ["b", "2"]])"));
}

TEST_F(SsDialog, ACancelledRunLeavesTheRecordAsItWas) {
    const std::string record = file("rows.json", kTwoRows);
    const Outcome run = ss({"stringarray", record, "--steps", "cell grid 2 1 5; cancel", "--write", "out.json"});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_NE(run.out.find("stringarray: Cancel"), std::string::npos) << run.out;
    EXPECT_EQ(json("out.json")["rows"], nlohmann::json::parse(R"([["a", "1"], ["b", "2"]])"));
    // A script that does not end its dialog: the dialog is closed as a user closes it.
    const Outcome open = ss({"stringarray", record, "--steps", "cell grid 2 1 5", "--write", "out.json"});
    EXPECT_EQ(open.code, 0) << open.out;
    EXPECT_EQ(json("out.json")["rows"][0][1], "1");
}

TEST_F(SsDialog, AFailedExpectationStopsTheRunNamingItsLine) {
    const std::string record = file("rows.json", kTwoRows);
    const std::string script = file("check.txt", "# the first value\ncell grid 2 1 5\n\nexpect grid[2,1] 7\nok\n");
    const Outcome run = ss({"stringarray", record, "--script", script});
    EXPECT_EQ(run.code, 7) << run.out;
    EXPECT_NE(run.out.find("line 4: expected 'grid[2,1]' to show \"7\", it shows \"5\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Cancel"), std::string::npos) << run.out;  // the run stopped before its `ok`
}

TEST_F(SsDialog, AQuestionTheScriptLeftUnansweredStopsTheRunWithoutHanging) {
    const std::string document = file("sheet.kvs", "");
    fs::copy_file(fs::path(SS_SOURCE_DIR) / "samples/library/Connection Standards/EndPlate.kvs", document,
                  fs::copy_options::overwrite_existing);
    const std::string record = file("tool.json", R"({"document": ")" + document + R"("})");
    const std::string steps = "click grid; key F5; set \"Find what\" Double; set \"Replace with\" Real; ";
    const Outcome unanswered = ss({"sstool", record, "--steps", steps + "click \"Replace all\""});
    EXPECT_EQ(unanswered.code, 7) << unanswered.out;
    EXPECT_NE(unanswered.out.find("line 5: unexpected box"), std::string::npos) << unanswered.out;

    const Outcome answered = ss({"sstool", record, "--steps",
                                 steps + "answer box OK; click \"Replace all\"; expect grid[1,3] \"Real Shear\"",
                                 "--json"});
    ASSERT_EQ(answered.code, 0) << answered.out;
    const auto report = nlohmann::json::parse(answered.out);
    EXPECT_EQ(report["ended"], "still open");
    EXPECT_EQ(report["record"]["cells"][2][0], "Real Shear");
    ASSERT_EQ(report["requests"].size(), 1u);
    EXPECT_NE(report["requests"][0].get<std::string>().find("Replace all: Replaced 26 occurrences. -> OK"),
              std::string::npos);

    // Answers and dialog blocks the run never needed are as wrong as questions left unanswered.
    for (const char* steps : {"answer box Yes; ok", "dialog 8069; ok; end; ok"}) {
        const Outcome leftOver = ss({"stringarray", file("rows.json", kTwoRows), "--steps", steps});
        EXPECT_EQ(leftOver.code, 7) << leftOver.out;
        EXPECT_NE(leftOver.out.find("never asked for"), std::string::npos) << leftOver.out;
    }
}

TEST_F(SsDialog, BadRecordsAndScriptsAreRefusedBeforeTheDialogOpens) {
    const Outcome badType = ss({"stringarray", file("r1.json", R"({"columnNames": ["a"], "rows": [["x", 3]]})")});
    EXPECT_EQ(badType.code, 2);
    EXPECT_NE(badType.out.find("rows[0][1]: a text expected"), std::string::npos) << badType.out;
    const Outcome unknown = ss({"lookup", file("r2.json", R"({"title": "T", "colour": "red"})")});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_NE(unknown.out.find("colour: unknown key"), std::string::npos) << unknown.out;
    const Outcome missing = ss({"stringarray", file("r3.json", R"({"rows": []})")});
    EXPECT_EQ(missing.code, 2);
    EXPECT_NE(missing.out.find("columnNames: missing"), std::string::npos) << missing.out;
    const Outcome syntax = ss({"csp2", file("r4.json", "{\n\"names\": [\n")});
    EXPECT_EQ(syntax.code, 2);
    EXPECT_NE(syntax.out.find("not valid JSON"), std::string::npos) << syntax.out;
    EXPECT_EQ(ss({"csp2", "no-such-record.json"}).code, 2);
    EXPECT_EQ(ss({"csp2", "--script", "no-such-script.txt"}).code, 2);
    const Outcome badLine = ss({"csp2", "--script", file("s.txt", "ok\nclik OK\n")});
    EXPECT_EQ(badLine.code, 1);
    EXPECT_NE(badLine.out.find("s.txt:2:"), std::string::npos) << badLine.out;
    EXPECT_EQ(ss({"readssfile", file("p.json", R"({"path": "x.kvs"})"), "--steps", "ok"}).code, 1);
}

TEST_F(SsDialog, ThePictureIsACompressedPngOfTheDialogAsTheScriptLeftIt) {
    const std::string record = file("rows.json", kTwoRows);
    const Outcome run = ss({"stringarray", record, "--steps", "cell grid 2 1 5; ok", "--png", "end.png"});
    ASSERT_EQ(run.code, 0) << run.out;
    const fs::path picture = folder.path() / "end.png";
    EXPECT_LT(fs::file_size(picture), 64u * 1024u);
    ui::Canvas image;
    std::u16string error;
    ASSERT_TRUE(ui::readPngFile(picture, image, error));
    EXPECT_GT(image.width(), 200);
    EXPECT_GT(image.height(), 150);
    // The caption bar is dark and the grid's text is drawn in black on white: both show in the picture.
    int black = 0;
    for (int y = 30; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            black += (image.pixel(x, y) & 0xFFFFFF) == 0;
    EXPECT_GT(black, 100);

    const Outcome unwritable = ss({"stringarray", record, "--png", "no-such-folder/end.png"});
    EXPECT_EQ(unwritable.code, 3) << unwritable.out;
    const Outcome prefixed = ss({"stringarray", record, "--steps", "png before; cell grid 2 1 5", "--png-prefix", "p-"});
    ASSERT_EQ(prefixed.code, 0) << prefixed.out;
    EXPECT_TRUE(fs::exists(folder.path() / "p-before.png"));
    EXPECT_TRUE(fs::exists(folder.path() / "p-end.png"));
}

TEST_F(SsDialog, TheDialogsWithoutControlsOfTheirOwnEndWithOkOrCancel) {
    const std::string record = file("nv.json", R"({"names": ["Length"], "values": ["120"]})");
    for (const char* entry : {"csp2", "profcuts", "proffeatures", "levels", "cladding", "bracing"}) {
        const Outcome ok = ss({entry, record, "--steps", "ok", "--write", "out.json"});
        EXPECT_EQ(ok.code, 0) << entry << ": " << ok.out;
        EXPECT_NE(ok.out.find(std::string(entry) + ": OK"), std::string::npos) << ok.out;
        EXPECT_EQ(json("out.json")["values"][0], "120");
        const Outcome cancelled = ss({entry, record, "--steps", "cancel"});
        EXPECT_EQ(cancelled.code, 0) << entry << ": " << cancelled.out;
        EXPECT_NE(cancelled.out.find(std::string(entry) + ": Cancel"), std::string::npos) << cancelled.out;
    }
    const Outcome select = ss({"selectmacro", file("m.json", R"({"names": ["EndPlate", "BasePlate"], "chosen": "BasePlate"})"),
                               "--steps", "ok", "--json"});
    ASSERT_EQ(select.code, 0) << select.out;
    EXPECT_EQ(nlohmann::json::parse(select.out)["record"]["chosen"], "BasePlate");
    EXPECT_EQ(ss({"lookup", "--steps", "cancel"}).code, 0);
}

TEST_F(SsDialog, TheFormulaWindowAndTheTestEvaluationRunAsTheHostRunsThem) {
    const Outcome formula = ss({"evaluatess", "--steps", "cancel", "--json"});
    ASSERT_EQ(formula.code, 0) << formula.out;
    const auto report = nlohmann::json::parse(formula.out);
    EXPECT_EQ(report["ended"], "Cancel");
    EXPECT_NE(report["commandLine"].get<std::string>().find("t3.sss"), std::string::npos) << formula.out;
    const std::string endPlate = std::string(SS_SOURCE_DIR) + "/samples/library/Connection Standards/EndPlate.kvs";
    const Outcome read = ss({"readssfile", file("read.json", R"({"path": ")" + endPlate + R"("})"), "--json"});
    ASSERT_EQ(read.code, 0) << read.out;
    const auto sheet = nlohmann::json::parse(read.out)["record"];
    EXPECT_EQ(sheet["firstCell"], "Input");
    EXPECT_EQ(sheet["headers"][0], "Declaration or statement");
    EXPECT_GT(sheet["rows"].size(), 10u);
    // The test evaluation's fixed sheet does not exist here: the entry point fails, and says so.
    const Outcome test = ss({"standardstest"});
    EXPECT_EQ(test.code, 5) << test.out;
    EXPECT_NE(test.out.find("test.kvs"), std::string::npos) << test.out;
}

// The sample scripts as the documentation runs them, from the project folder.
TEST_F(SsDialog, TheSampleScriptsRunAsTheDocumentationSays) {
    struct Sample {
        std::vector<std::string> words;
        std::string shows;
    };
    const std::string prefix = (folder.path() / "sample-").string();
    const std::vector<Sample> samples = {
        {{"stringarray", "samples/scripts/bolts.json", "--script", "samples/scripts/stringarray-add-row.txt"},
         "stringarray: OK"},
        {{"sstool", "samples/scripts/endplate-tool.json", "--script", "samples/scripts/sstool-replace.txt"},
         "Replaced 26 occurrences"},
        {{"evaluatess", "--script", "samples/scripts/formula-calculate.txt"}, "evaluatess: OK"},
    };
    for (Sample sample : samples) {
        sample.words.insert(sample.words.begin(), "dialog");
        sample.words.push_back("--png-prefix");
        sample.words.push_back(prefix);
        const Outcome run =
            testsupport::runProgram("cd " + testsupport::shellQuote(SS_SOURCE_DIR) + " &&", SS_PROGRAM, sample.words);
        EXPECT_EQ(run.code, 0) << sample.words[1] << ": " << run.out;
        EXPECT_NE(run.out.find(sample.shows), std::string::npos) << run.out;
    }
    EXPECT_TRUE(fs::exists(prefix + "two-rows.png"));
    EXPECT_TRUE(fs::exists(prefix + "replaced.png"));
}

} // namespace

namespace {

// The general variables dialog on the sample record and script: a changed value, two drawings of the
// library's Macros folder added to a filter (a third, outside it, left out), a new standard variable.
TEST_F(SsDialog, TheGeneralVariablesSampleScriptChangesTheRecordItSays) {
    const fs::path source(SS_SOURCE_DIR);
    const Outcome run = testsupport::runProgram(
        "cd " + testsupport::shellQuote(folder.path().string()) + " && SS_LIBRARY=" +
            testsupport::shellQuote((source / "samples/library").string()),
        SS_PROGRAM,
        {"dialog", "genvars", (source / "samples/scripts/genvars.json").string(), "--script",
         (source / "samples/scripts/genvars-filter.txt").string(), "--write", "out.json", "--png", "genvars.png"});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_NE(run.out.find("genvars: OK"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("file dialog open multi"), std::string::npos) << run.out;
    const nlohmann::json out = json("out.json");
    EXPECT_EQ(out["dwgGenValues"][2], "M24");
    EXPECT_EQ(out["dwgGenFilters"][0], "Halls\\A.dwg;EndPlate.dwg;Gusset.dwg");
    EXPECT_EQ(out["stdGenVars"], nlohmann::json::parse(R"(["gen_plateGrade", "gen_weldSize"])"));
    EXPECT_EQ(out["stdGenOverrides"], nlohmann::json::parse(R"(["", "1"])"));
    EXPECT_TRUE(fs::exists(folder.path() / "genvars.png"));

    const Outcome bad = ss({"genvars", file("bad.json", R"({"dwgGenVars": ["a", 2]})")});
    EXPECT_EQ(bad.code, 2) << bad.out;
    EXPECT_NE(bad.out.find("dwgGenVars[1]"), std::string::npos) << bad.out;
    const Outcome unknown = ss({"genvars", file("unknown.json", R"({"dwgVars": []})")});
    EXPECT_EQ(unknown.code, 2) << unknown.out;
}

} // namespace
