// ss macro end to end: the macro dialog on the sample library's macros, driven by scripts as a user would,
// its values, host calls, written macro, pictures and exit codes.
#include "support/TempFolder.h"
#include "support/runProgram.h"

#include "ui/paint/Canvas.h"
#include "ui/paint/Color.h"
#include "ui/paint/pngFile.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace {

using testsupport::Outcome;

const std::string kSampleLibrary = SS_SOURCE_DIR "/samples/library";
const std::string kEndPlate = kSampleLibrary + "/Macros/EndPlateConnection.json";

class SsMacro : public ::testing::Test {
protected:
    Outcome ss(std::vector<std::string> words) {
        words.insert(words.begin(), "macro");
        return testsupport::runProgram("cd " + testsupport::shellQuote(folder.path().string()) +
                                           " && SS_LIBRARY=" + testsupport::shellQuote(kSampleLibrary),
                                       SS_PROGRAM, words);
    }
    std::string script(const std::string& text) {
        folder.put("steps.txt", text);
        return (folder.path() / "steps.txt").string();
    }
    static int count(const std::string& text, const std::string& part) {
        int n = 0;
        for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++n;
        return n;
    }

    // Pixels of text or frame in a rectangle of the picture.
    static int darkPixels(const ui::Canvas& c, int left, int top, int right, int bottom) {
        int n = 0;
        for (int y = std::max(top, 0); y < std::min(bottom, c.height()); ++y)
            for (int x = std::max(left, 0); x < std::min(right, c.width()); ++x)
                n += ui::redOf(c.pixel(x, y)) < 80 && ui::greenOf(c.pixel(x, y)) < 80 ? 1 : 0;
        return n;
    }

    TempFolder folder;
};

TEST_F(SsMacro, AChangedValueIsAppliedOnceAndWrittenBack) {
    const std::string out = (folder.path() / "out.json").string();
    const Outcome run = ss({kEndPlate, "--script", script("tab End plate\nset Width 160\nkey Tab\n"), "--write", out});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_NE(run.out.find("  Width = 160 (control "), std::string::npos) << run.out;
    EXPECT_EQ(count(run.out, "host: UpdateModule(EndPlate, 1, )"), 1) << run.out;
    EXPECT_NE(run.out.find("host: changeView("), std::string::npos) << run.out;
    // What was written reads back as the same macro with the new value.
    const Outcome again = ss({out, "--json"});
    ASSERT_EQ(again.code, 0) << again.out;
    const nlohmann::json j = nlohmann::json::parse(again.out);
    EXPECT_EQ(j["tabs"][0]["values"][1]["value"], "160");
    std::ifstream written(out);
    const nlohmann::json macro = nlohmann::json::parse(written);
    EXPECT_EQ(macro["tabs"][0]["cells"][1]["value"], "160");
    EXPECT_EQ(macro["tabs"][3]["design"], "Macros\\Details");
}

TEST_F(SsMacro, TheSampleScriptRunsEveryPageKind) {
    const Outcome run = ss({kEndPlate, "--script", kSampleLibrary + "/Macros/EndPlateConnection.script", "--json"});
    ASSERT_EQ(run.code, 0) << run.out;
    const nlohmann::json j = nlohmann::json::parse(run.out);
    ASSERT_EQ(j["tabs"].size(), 5u);
    EXPECT_EQ(j["tabs"][3]["values"][0]["value"], "20.00000");   // proposed 320 + 10 / 2; 330 gives 2 x (330 - 320)
    bool diameter = false;
    for (const auto& v : j["tabs"][1]["values"])
        diameter = diameter || (v["name"] == "bolt.diameter" && v["value"] == "20");
    EXPECT_TRUE(diameter) << j["tabs"][1].dump();
    EXPECT_EQ(j["tabs"][3]["values"][2]["value"], "field weld");   // typed into its row of the value grid
    // A bolt tab's own assembly and diameter boxes are named as where those values showed.
    for (const auto& tab : j["tabs"]) {
        for (const auto& v : tab["values"]) {
            if (v["name"] == "bolt.assembly" || v["name"] == "bolt.diameter") {
                EXPECT_NE(v["shown"], "not shown") << tab.dump();
            }
        }
    }
}

TEST_F(SsMacro, ModelessRunsThroughTheSlotsAndPicturesEveryTab) {
    const std::string prefix = (folder.path() / "tab").string();
    const Outcome run = ss({kEndPlate, "--modeless", "--png-prefix", prefix, "--script",
                            script("tab End plate\nset Height 320\nkey Tab\n")});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_NE(run.out.find("  Height = 320 (control "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Delayed timer called.\n"), std::string::npos) << run.out;
    for (int i = 1; i <= 5; ++i) {
        ui::Canvas picture;
        std::u16string error;
        ASSERT_TRUE(ui::readPngFile(prefix + "-" + std::to_string(i) + ".png", picture, error)) << i;
        EXPECT_GE(picture.width(), 400);
        EXPECT_GE(picture.height(), 300);
        // The Close button's caption is drawn at the bottom right, the tab captions along the tab row.
        EXPECT_GT(darkPixels(picture, picture.width() - 90, picture.height() - 45, picture.width() - 7,
                             picture.height() - 10), 10) << i;
        EXPECT_GT(darkPixels(picture, 10, 70, 260, 100), 50) << i;
    }
}

TEST_F(SsMacro, SetReachesAValueOnlyTheValueGridShows) {
    // The Details tab lists Note in its value grid: no designed control shows it.
    const std::string out = (folder.path() / "out.json").string();
    const Outcome run = ss({kEndPlate, "--steps",
                            "tab Details; expect Note \"shop weld\"; set Note field weld; expect Note \"field weld\"",
                            "--write", out});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_NE(run.out.find("  Note = field weld (grid row 1)"), std::string::npos) << run.out;
    EXPECT_EQ(count(run.out, "host: UpdateModule("), 1) << run.out;
    EXPECT_EQ(count(run.out, "host: UpdateModule(Details, 2, )"), 1) << run.out;
    std::ifstream written(out);
    const nlohmann::json macro = nlohmann::json::parse(written);
    EXPECT_EQ(macro["tabs"][3]["cells"][2]["value"], "field weld");
    // The same text again changes nothing; an empty text empties the cell.
    const Outcome twice = ss({kEndPlate, "--steps", "tab Details; set Note shop weld"});
    ASSERT_EQ(twice.code, 0) << twice.out;
    EXPECT_EQ(count(twice.out, "host: UpdateModule("), 0) << twice.out;
    const Outcome emptied = ss({kEndPlate, "--steps", "tab Details; set Note \"\""});
    ASSERT_EQ(emptied.code, 0) << emptied.out;
    EXPECT_NE(emptied.out.find("  Note =  (grid row 1)"), std::string::npos) << emptied.out;
    // Only the shown tab's grid is searched: on another tab the name is unknown and the run stops there.
    const Outcome elsewhere = ss({kEndPlate, "--steps", "tab Welds; set Note field weld"});
    EXPECT_EQ(elsewhere.code, 7) << elsewhere.out;
    EXPECT_NE(elsewhere.out.find("line 2: no control 'Note'"), std::string::npos) << elsewhere.out;
    const Outcome wrong = ss({kEndPlate, "--steps", "tab Details; expect Note \"field weld\""});
    EXPECT_EQ(wrong.code, 7) << wrong.out;
    EXPECT_NE(wrong.out.find("line 2: expected 'Note' to show \"field weld\", it shows \"shop weld\""),
              std::string::npos) << wrong.out;
}

TEST_F(SsMacro, AGridCellStepTypesIntoTheShownTabsGrid) {
    // The welds without their design have a value grid of their own, on a page before the Details tab's.
    std::ifstream sample(kEndPlate);
    nlohmann::json macro = nlohmann::json::parse(sample);
    macro["tabs"][2].erase("design");
    folder.put("welds.json", macro.dump());
    const std::string file = (folder.path() / "welds.json").string();
    const Outcome run = ss({file, "--steps", "tab Details; cell grid 3 1 \"site weld\""});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_NE(run.out.find("  Note = site weld (grid row 1)"), std::string::npos) << run.out;
    EXPECT_EQ(count(run.out, "host: UpdateModule(Details, 2, )"), 1) << run.out;
    EXPECT_EQ(count(run.out, "host: UpdateModule(Welds"), 0) << run.out;
}

TEST_F(SsMacro, AGridValueThatTakesNoTypingStopsTheRun) {
    // The welds without their design: both throats go to the grid, the second read-only, and a check box.
    std::ifstream sample(kEndPlate);
    nlohmann::json macro = nlohmann::json::parse(sample);
    nlohmann::json& welds = macro["tabs"][2];
    welds.erase("design");
    welds["cells"][1]["readOnly"] = true;
    welds["cells"].push_back({{"name", "Ground"}, {"value", "0"}, {"kind", 2}});
    folder.put("welds.json", macro.dump());
    const std::string file = (folder.path() / "welds.json").string();
    const Outcome editable = ss({file, "--steps", "tab Welds; set FlangeThroat 6"});
    ASSERT_EQ(editable.code, 0) << editable.out;
    EXPECT_NE(editable.out.find("  FlangeThroat = 6 (grid row 1)"), std::string::npos) << editable.out;
    for (const char* name : {"WebThroat", "Ground"}) {
        const Outcome locked = ss({file, "--steps", std::string("tab Welds; set ") + name + " 1"});
        EXPECT_EQ(locked.code, 7) << locked.out;
        EXPECT_NE(locked.out.find(std::string("line 2: the value '") + name + "' cannot be typed into"),
                  std::string::npos) << locked.out;
        EXPECT_EQ(count(locked.out, "host: UpdateModule("), 0) << locked.out;
    }
}

TEST_F(SsMacro, ABadStepStopsWithItsLine) {
    const Outcome run = ss({kEndPlate, "--script", script("tab End plate\nset NoSuchValue 3\n")});
    EXPECT_EQ(run.code, 7) << run.out;
    EXPECT_NE(run.out.find("line 2"), std::string::npos) << run.out;
    const Outcome unanswered = ss({kEndPlate, "--script", script("tab Details\nclick Fit...\n")});
    EXPECT_EQ(unanswered.code, 7) << unanswered.out;
    EXPECT_EQ(ss({"missing.json"}).code, 2);
    EXPECT_EQ(ss({kEndPlate, "--bogus"}).code, 1);
}

} // namespace

namespace {

TEST_F(SsMacro, LoadFromStandardsRunsTheModulesExportedEvaluation) {
    const Outcome run = ss({kEndPlate, "--steps", "click #1185", "--json"});
    ASSERT_EQ(run.code, 0) << run.out;
    const nlohmann::json j = nlohmann::json::parse(run.out);
    bool loaded = false;
    for (const auto& call : j["hostCalls"])
        loaded = loaded || call == "loadFromStandards(EndPlateConnection)";
    EXPECT_TRUE(loaded) << run.out;
    // The standard sizes the bolts for the beam: three rows of M20 instead of the macro's two of M16.
    std::string diameter, rows;
    for (const auto& v : j["tabs"][1]["values"]) {
        if (v["name"] == "bolt.diameter")
            diameter = v["value"];
        if (v["name"] == "EndPlateBolts.nrBolts1")
            rows = v["value"];
    }
    EXPECT_EQ(diameter, "20");
    EXPECT_EQ(rows, "3");
}

// ---- The profile placement and segmented profile dialogs, opened from the profile page by a script
TEST_F(SsMacro, TheHaunchedBeamSamplePlacesItsProfileAndEditsItsSegments) {
    const std::string out = (folder.path() / "out.json").string();
    const std::string prefix = (folder.path() / "h").string();
    const Outcome run = ss({kSampleLibrary + "/Macros/HaunchedBeam.json", "--script",
                            kSampleLibrary + "/Macros/HaunchedBeam.script", "--write", out, "--png-prefix", prefix});
    ASSERT_EQ(run.code, 0) << run.out;
    // 90 degrees, the offset type and the picked point: each applied; the pick with the dialog hidden.
    EXPECT_EQ(count(run.out, "host: UpdateModule(Haunch, -13, )"), 4) << run.out;
    EXPECT_NE(run.out.find("host: BeginEditorCommand\nhost: UserChooseSectionPoint(IPE-300, 1.5708)\n"
                           "host: CompleteEditorCommand\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("host: UpdateModule(Haunch, -4, )"), std::string::npos) << run.out;
    std::ifstream file(out);
    const nlohmann::json written = nlohmann::json::parse(file);
    const nlohmann::json& tab = written["tabs"][0];
    EXPECT_EQ(tab["profiles"][0]["rotation"], "90");
    EXPECT_EQ(tab["profiles"][0]["offsetType"], 5);
    EXPECT_EQ(tab["segments"][1]["points"].size(), 1u);   // the point added to the purlin
    for (const char* name : {"-haunch-placement.png", "-haunch-segments.png"}) {
        ui::Canvas picture;
        std::u16string error;
        ASSERT_TRUE(ui::readPngFile(prefix + name, picture, error)) << name;
        EXPECT_GE(picture.width(), 400) << name;
        EXPECT_GE(picture.height(), 300) << name;
        EXPECT_GT(darkPixels(picture, 5, 2, 200, 18), 20) << name;   // the title on the caption bar
    }
}

} // namespace

// ---- The bolt settings dialog, opened by the Bolts tab's advanced button

TEST_F(SsMacro, TheBoltSettingsScriptPushesEachChangeAndPicturesTheDialog) {
    const std::string prefix = (folder.path() / "bolts").string();
    const Outcome run = ss({kEndPlate, "--script", kSampleLibrary + "/Macros/EndPlateBoltSettings.script",
                            "--png-prefix", prefix});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_NE(run.out.find("asked: modal 8140 \"Bolt settings\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("  bolt.penetration = 7 "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("  bolt.nutsWashers = 1 0 0 0 -1 "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("  bolt.hole1 = on 2 "), std::string::npos) << run.out;
    // The second slot switched on with its new radius; its mixed position was never chosen and stays mixed.
    EXPECT_NE(run.out.find("  bolt.slot2 = 1 10 20 90 0 -1 "), std::string::npos) << run.out;
    // Four pushes: Enter, the slot's box, Enter again, the washer's box; OK has nothing left to push.
    EXPECT_EQ(count(run.out, "host: UpdateModule(BoltGroup, -1, )"), 4) << run.out;
    ui::Canvas picture;
    std::u16string error;
    ASSERT_TRUE(ui::readPngFile(prefix + "-settings.png", picture, error));
    EXPECT_NE(run.out.find("picture: " + prefix + "-settings.png"), std::string::npos) << run.out;
    EXPECT_GE(picture.width(), 600);
    EXPECT_GE(picture.height(), 470);
    EXPECT_LT(picture.width(), 2000);
    EXPECT_GT(darkPixels(picture, 0, 0, 200, 20), 0);   // the title on the caption bar
}

TEST_F(SsMacro, ABoltSettingsValueThatFailsValidationIsNotPushed) {
    const Outcome run = ss({kEndPlate, "--steps",
                            "tab Bolts; dialog 8140; set #1425 0; answer box OK; key Enter; set #1425 25; ok; end; "
                            "click Advanced..."});
    ASSERT_EQ(run.code, 0) << run.out;
    EXPECT_NE(run.out.find("asked: box [OK] Ongeldige waarde: Slot 1 "), std::string::npos) << run.out;
    EXPECT_EQ(count(run.out, "host: UpdateModule(BoltGroup, -1, )"), 1) << run.out;
    EXPECT_NE(run.out.find("  bolt.slot1 = 1 11 25 0 0 0 "), std::string::npos) << run.out;
}
