// ss array, ss cut, and ss macro opening the pattern dialog, end to end on the samples: records written,
// the Escape flag, host calls, pictures and exit codes.
#include "support/TempFolder.h"
#include "support/runProgram.h"

#include "ui/paint/Canvas.h"
#include "ui/paint/pngFile.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using testsupport::Outcome;

const std::string kSamples = SS_SOURCE_DIR "/samples/scripts/";
const std::string kParts = kSamples + "parts-macro.json";
const std::string kCut = kSamples + "cut.json";
const std::string kBasePlate = SS_SOURCE_DIR "/samples/library/Macros/BasePlate.json";

class SsMacroParts : public ::testing::Test {
protected:
    Outcome ss(const std::string& command, std::vector<std::string> words) {
        words.insert(words.begin(), command);
        return testsupport::runProgram("cd " + testsupport::shellQuote(folder.path().string()) + " &&", SS_PROGRAM, words);
    }
    void expectPicture(const std::string& path, int minWidth) {
        ui::Canvas picture;
        std::u16string error;
        ASSERT_TRUE(ui::readPngFile(path, picture, error));
        EXPECT_GE(picture.width(), minWidth);
        EXPECT_LE(picture.width(), 1200);
    }
    TempFolder folder;
};

TEST_F(SsMacroParts, ArrayMarksAnEntryAndWritesTheMacro) {
    const std::string out = (folder.path() / "out.json").string();
    const std::string png = (folder.path() / "array.png").string();
    const Outcome run = ss("array", {kParts, "--tab", "Bolts", "--array", "Grid", "--steps",
                                     "click #4128[1,1]; click \"Mark entry\"; set \"Nr of entries to skip\" 3; ok",
                                     "--write", out, "--png", png, "--json"});
    ASSERT_EQ(run.code, 0) << run.out;
    const nlohmann::json j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["ended"], "OK");
    EXPECT_EQ(j["array"]["entryKinds"], nlohmann::json::array({1}));
    EXPECT_EQ(j["array"]["values"][5], "3");
    const auto calls = j["hostCalls"].get<std::vector<std::string>>();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "setEntryAction(1, 1)"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "getValidDimNames(0, Bolts, 2, third)"), calls.end());
    const nlohmann::json written = nlohmann::json::parse(folder.get("out.json"));
    EXPECT_EQ(written["tabs"][0]["arrays"][2]["values"][5], "3");
    expectPicture(png, 400);

    EXPECT_EQ(ss("array", {kParts, "--tab", "Bolts", "--array", "Nope"}).code, 2);
    EXPECT_EQ(ss("array", {kParts, "--tab", "Bolts"}).code, 1);
}

TEST_F(SsMacroParts, CutEndsWithOkCancelOrEscape) {
    const std::string out = (folder.path() / "cut.json").string();
    const std::string png = (folder.path() / "cut.png").string();
    Outcome run = ss("cut", {kCut, "--macro", kBasePlate, "--script", kSamples + "cut-other-macro.txt", "--write", out,
                             "--png", png});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_EQ(run.out.rfind("OK\nescape: no\n", 0), 0u) << run.out;
    const nlohmann::json written = nlohmann::json::parse(folder.get("cut.json"));
    EXPECT_EQ(written["cutType"], 5);
    EXPECT_EQ(written["target"], 2);
    EXPECT_EQ(written["targetModule"], "BasePlate");
    EXPECT_EQ(written["offsetVarNames"], nlohmann::json::array({"gen_Chamfer", "12"}));
    expectPicture(png, 400);

    run = ss("cut", {kCut, "--steps", "set \"Cut name\" X; key Escape"});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_EQ(run.out.rfind("Cancel\nescape: yes\n", 0), 0u) << run.out;
    run = ss("cut", {"--steps", "cancel"});
    EXPECT_EQ(run.out.rfind("Cancel\nescape: no\n", 0), 0u) << run.out;

    folder.put("bad.json", "{\"cutType\": 1, \"target\": 5}");
    run = ss("cut", {(folder.path() / "bad.json").string()});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.out.find("target"), std::string::npos) << run.out;
    folder.put("unknown.json", "{\"macros\": [{\"name\": \"A\", \"colour\": 1}]}");
    run = ss("cut", {(folder.path() / "unknown.json").string()});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.out.find("macros[0].colour"), std::string::npos) << run.out;
}

TEST_F(SsMacroParts, TheMacroDialogOpensThePatternDialogAndEachChangeIsApplied) {
    const Outcome run = ss("macro", {kParts, "--script", kSamples + "pattern-alternation.txt"});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_NE(run.out.find("asked: modal 222 \"Bolt pattern\""), std::string::npos) << run.out;
    std::size_t updates = 0;
    for (std::size_t at = run.out.find("host: UpdateModule(Bolts"); at != std::string::npos;
         at = run.out.find("host: UpdateModule(Bolts", at + 1))
        ++updates;
    EXPECT_EQ(updates, 2u);   // the on/off box and an alternation button: one push each
}

} // namespace
